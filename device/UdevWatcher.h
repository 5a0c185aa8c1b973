#pragma once

#include "DeviceEventSource.h"

#include <QtGlobal>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// The kernel's hidraw events, once udev has set the nodes up, read as they come (no polling).
// Only the catalogue keyboard's nodes count: other devices coming and going change nothing here.
class UdevWatcher : public DeviceEventSource
{
public:
    UdevWatcher(quint16 vid, quint16 pid, QObject *parent = nullptr);
    ~UdevWatcher() override;

    // False where udev cannot be reached (no netlink socket, as in some containers).
    bool isWatching() const { return m_notifier != nullptr; }

    // The kernel names a HID device bus:VENDOR:PRODUCT.instance; its hidraw nodes sit below it.
    static bool belongsTo(const char *devpath, quint16 vid, quint16 pid);

private:
    void receive();

    quint16 m_vid;
    quint16 m_pid;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
