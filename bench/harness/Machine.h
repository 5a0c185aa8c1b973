#pragma once

#include <QString>

// What the figures were taken on, for the head of the table.
namespace Machine {

QString description();
// The three load averages of /proc/loadavg.
QString loadAverage();

} // namespace Machine
