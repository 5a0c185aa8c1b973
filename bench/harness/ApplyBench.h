#pragma once

#include "Report.h"

// From the apply-all click to the last report on the emulated keyboard's wire, against the
// floor the protocol's pauses and token polls impose on the same reports.
QList<Row> applyBench(int repetitions);
