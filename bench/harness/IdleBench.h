#pragma once

#include "Report.h"

// CPU time the program uses while nobody touches it: window shown on the start view with
// the event monitor running, then hidden to the tray.
QList<Row> idleBench(int seconds);
