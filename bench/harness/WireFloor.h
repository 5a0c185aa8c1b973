#pragma once

#include <QList>
#include <QtGlobal>

// What the protocol itself costs for a run of reports sent to the keyboard.
namespace WireFloor {

constexpr double DataPauseMs = 8; // after every outgoing data report
constexpr double TokenPollMs = 8; // the next command finds the token at a poll

struct Report
{
    qint64 nsecs;
    bool data; // a data report; otherwise a command block (feature report)
};

// The least time from the first report to the last that the pauses and token polls allow:
// the pause of every data report before the last report, and one poll for every command
// block after the first.
double floorMs(const QList<Report> &reports);

} // namespace WireFloor
