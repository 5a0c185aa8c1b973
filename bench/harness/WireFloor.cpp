#include "WireFloor.h"

double WireFloor::floorMs(const QList<Report> &reports)
{
    double floor = 0;
    for (qsizetype i = 0; i + 1 < reports.size(); ++i) {
        if (reports[i].data)
            floor += DataPauseMs;
    }
    for (qsizetype i = 1; i < reports.size(); ++i) {
        if (!reports[i].data)
            floor += TokenPollMs;
    }
    return floor;
}
