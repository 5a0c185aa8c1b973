#pragma once

#include "WireFloor.h"

#include <QList>

// The emulated keyboard's wire log on the bench's own clock.
namespace EmulatorWire {

// Finds the offset of the emulated keyboard's log clock against the bench's clock.
// Call before the program starts: it sends a block of its own and clears the log.
void anchorClock();
// Now, on the log's clock.
qint64 nowNs();

struct Sent
{
    qint64 nsecs;
    bool data;
    uchar command; // the command code of the block this report belongs to
};
// Every report sent to the keyboard since the log was cleared.
QList<Sent> sent();
QList<WireFloor::Report> reports(const QList<Sent> &sent);
// Waits (processing events) until something was sent and then nothing for quietMs.
bool waitForQuiet(int quietMs, int timeoutMs);

} // namespace EmulatorWire
