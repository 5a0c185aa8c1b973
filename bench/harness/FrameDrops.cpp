#include "FrameDrops.h"

#include <algorithm>

FrameDrops::Count FrameDrops::count(const QList<Frame> &frames, int intervalMs)
{
    const double allowedMs = std::max<double>(intervalMs, FramePeriodMs) + FramePeriodMs;
    Count c;
    for (qsizetype i = 1; i < frames.size(); ++i) {
        const double gapMs = (frames[i].ns - frames[i - 1].ns) / 1e6;
        const double waitedMs = (frames[i].waitedNs - frames[i - 1].waitedNs) / 1e6;
        c.longestGapMs = std::max(c.longestGapMs, gapMs);
        if (gapMs > allowedMs) {
            ++c.late;
            c.dropped += gapMs - waitedMs > allowedMs;
        }
    }
    return c;
}
