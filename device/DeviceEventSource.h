#pragma once

#include <QObject>

// Tells when the keyboard may have come or gone, or the machine woke up: the moments to look
// for the keyboard again. The system's device events are one source; the demo program and the
// tests stand in for them with sources of their own.
class DeviceEventSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // HID interfaces of the keyboard appeared or disappeared.
    void devicesChanged();
    // The machine woke from a suspend: the keyboard may have been changed or reset meanwhile.
    void resumed();
};
