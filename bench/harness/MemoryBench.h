#pragma once

#include "Report.h"

// Resident memory after 10 and after `cycles` apply-all cycles on the emulated keyboard.
QList<Row> memoryBench(int cycles);
