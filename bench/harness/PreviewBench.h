#pragma once

#include "Report.h"

// The lighting page's preview at the fastest speed, per effect: the cost of one tick over
// the K3's keys against the effect's timer interval, and the frames the running page shows.
QList<Row> previewBench(int ticks);
