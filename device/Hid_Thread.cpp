#include "Hid_Thread.h"
#include "LinkLog.h"

#include <hidapi/hidapi.h>

#include <QDebug>

Hid_Thread::Hid_Thread(QObject *parent)
    : QThread(parent)
{}

Hid_Thread::~Hid_Thread()
{
    stopMonitor();
    // A writing transfer still on the pool uses this object until it frees the link.
    while (!linkFree.load(std::memory_order_acquire))
        QThread::msleep(1);
}

void Hid_Thread::setEventSink(DeviceEventSink *eventSink)
{
    sink.store(eventSink);
}

// A list of its own, not one sharing data with the records the monitor may change.
QList<HidDevice> Hid_Thread::devices() const
{
    QMutexLocker lock(&devicesLock);
    return QList<HidDevice>(deviceList.cbegin(), deviceList.cend());
}

uint Hid_Thread::currentDevice() const
{
    return did.load();
}

bool Hid_Thread::isConnected() const
{
    const std::optional<HidDevice> device = deviceAt(did.load());
    return device && !device->cmdPath.isEmpty() && !device->eventPath.isEmpty();
}

void Hid_Thread::scanDevices(const QList<DevInfo> &catalogue)
{
    QList<HidDevice> list;
    for (int i = 0; i < catalogue.size(); ++i) {
        const DevInfo &entry = catalogue.at(i);
        list.append({i, entry.productName, entry.type, {}, {}, qint32(entry.reportLength)});
    }
    // Only the keyboard entry is ever looked for.
    if (!catalogue.isEmpty()) {
        const DevInfo &keyboard = catalogue.first();
        hid_device_info *nodes = hid_enumerate(keyboard.vid, keyboard.pid);
        QString cmdPath;
        QString eventPath;
        for (const hid_device_info *node = nodes; node; node = node->next) {
            if (node->usage_page == keyboard.usagePage && node->usage == keyboard.usage)
                cmdPath = QString::fromLocal8Bit(node->path);
            if (node->usage_page == keyboard.usagePage2 && node->usage == keyboard.usage2)
                eventPath = QString::fromLocal8Bit(node->path);
            if (!cmdPath.isEmpty() && !eventPath.isEmpty()) {
                list[0] = {0,         keyboard.productName,         keyboard.type, cmdPath,
                           eventPath, qint32(keyboard.reportLength)};
                qCDebug(linkLog) << "Connect" << 0;
            }
        }
        hid_free_enumeration(nodes);
    }
    QMutexLocker lock(&devicesLock);
    deviceList = list;
}

void Hid_Thread::swichCurDevice(uint index)
{
    did.store(index);
    startMonitor(index);
}

std::optional<HidDevice> Hid_Thread::deviceAt(uint index) const
{
    QMutexLocker lock(&devicesLock);
    if (index >= uint(deviceList.size()))
        return std::nullopt;
    return deviceList.at(index);
}

void Hid_Thread::forgetPath(uint index, Interface which)
{
    QMutexLocker lock(&devicesLock);
    if (index >= uint(deviceList.size()))
        return;
    HidDevice &device = deviceList[index];
    (which == Interface::Command ? device.cmdPath : device.eventPath).clear();
}

// Every report gets a freshly opened handle; a path that fails to open is
// forgotten until the next discovery.
hid_device *Hid_Thread::openPath(uint index, Interface which, hid_device *&handle)
{
    const std::optional<HidDevice> device = deviceAt(index);
    const QString path = !device                       ? QString()
                         : which == Interface::Command ? device->cmdPath
                                                       : device->eventPath;
    if (path.isEmpty())
        return nullptr;
    if (handle) {
        hid_close(handle);
        handle = nullptr;
    }
    handle = hid_open_path(path.toLocal8Bit().constData());
    if (!handle) {
        forgetPath(index, which);
        return nullptr;
    }
    hid_set_nonblocking(handle, 0);
    return handle;
}

hid_device *Hid_Thread::openCmdPath(uint index)
{
    return openPath(index, Interface::Command, cmdHandle);
}

hid_device *Hid_Thread::openEventPath(uint index)
{
    return openPath(index, Interface::Event, eventHandle);
}

void Hid_Thread::closeCmd()
{
    if (cmdHandle) {
        hid_close(cmdHandle);
        cmdHandle = nullptr;
    }
}
