#pragma once

#include <QtGlobal>

// Receiver of the keyboard's event reports. The monitor calls it from its
// own thread, so implementations must hand the values on with a queued call.
class DeviceEventSink
{
public:
    virtual ~DeviceEventSink() = default;
    virtual void zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed) = 0;
};
