#pragma once

#include <QList>
#include <QtGlobal>

// Which frames of a running preview came too late.
namespace FrameDrops {

constexpr double FramePeriodMs = 1000.0 / 60;

struct Frame
{
    qint64 ns;
    qint64 waitedNs; // the GUI thread's run-queue wait so far
};

struct Count
{
    int late = 0;    // a whole frame period after they were wanted
    int dropped = 0; // of those, late even without the time the GUI thread waited for a CPU
    double longestGapMs = 0;
};

// The preview changes the keys at every tick of intervalMs and shows them at most once
// per frame period.
Count count(const QList<Frame> &frames, int intervalMs);

} // namespace FrameDrops
