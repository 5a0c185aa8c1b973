#pragma once

#include "Report.h"

// The Google Benchmark figures of k3bench-hotpaths as table rows (CPU time per call).
QList<Row> hotPathsBench(int minTimeTenths);
