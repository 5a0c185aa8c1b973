#include "UdevWatcher.h"

#include <QByteArray>
#include <QString>
#include <QSocketNotifier>

#include <libudev.h>

UdevWatcher::UdevWatcher(quint16 vid, quint16 pid, QObject *parent)
    : DeviceEventSource(parent)
    , m_vid(vid)
    , m_pid(pid)
    , m_udev(udev_new())
{
    // "udev", not "kernel": by then the rules have given the user access to the nodes.
    m_monitor = m_udev ? udev_monitor_new_from_netlink(m_udev, "udev") : nullptr;
    if (!m_monitor
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0)
        return;
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevWatcher::receive);
}

UdevWatcher::~UdevWatcher()
{
    delete m_notifier;
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

bool UdevWatcher::belongsTo(const char *devpath, quint16 vid, quint16 pid)
{
    return devpath
           && QByteArray(devpath).contains(QString::asprintf(":%04X:%04X.", vid, pid).toLatin1());
}

void UdevWatcher::receive()
{
    bool ours = false;
    // The socket does not block: read what is there, announce it once.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        ours = ours || belongsTo(udev_device_get_devpath(device), m_vid, m_pid);
        udev_device_unref(device);
    }
    if (ours)
        emit devicesChanged();
}
