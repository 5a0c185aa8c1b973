#pragma once

#include "Report.h"

// k3config-demo against the minimal Qt Quick program: time from process start until QML
// `run` has been called, and peak resident memory, over interleaved runs.
QList<Row> startupBench(int runs);
