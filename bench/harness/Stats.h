#pragma once

#include <QList>

// Summary figures of repeated measurements.
namespace Stats {

// The middle value (mean of the two middle ones for an even count); 0 for none.
double median(QList<double> values);
double maximum(const QList<double> &values);

} // namespace Stats
