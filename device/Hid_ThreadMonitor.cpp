#include "Hid_Thread.h"
#include "LinkLog.h"

#include <hidapi/hidapi.h>

#include <QDebug>

namespace {
constexpr int EventReportSize = 12;
constexpr int EventReadTimeoutMs = 500;
} // namespace

void Hid_Thread::startMonitor(uint index)
{
    stopMonitor();
    monitorRunning.store(true);
    monitorThread = std::thread([this, index] { eventMonitor(index); });
}

// Joins even when the monitor has already cleared the flag itself: it may not have returned yet.
void Hid_Thread::stopMonitor()
{
    monitorRunning.store(false);
    if (monitorThread.joinable())
        monitorThread.join();
}

bool Hid_Thread::isMonitorRunning() const
{
    return monitorRunning.load();
}

void Hid_Thread::eventMonitor(uint index)
{
    const std::optional<HidDevice> device = deviceAt(index);
    if (!device || device->eventPath.isEmpty())
        return;
    while (monitorRunning.load()) {
        hid_device *handle = openEventPath(index);
        if (!handle) {
            qCDebug(linkLog) << "Device removed";
            monitorRunning.store(false);
            emit keyboardRemoved();
            return;
        }
        uchar report[EventReportSize] = {};
        if (hid_read_timeout(handle, report, EventReportSize, EventReadTimeoutMs)
            == EventReportSize) {
            if (DeviceEventSink *receiver = sink.load())
                receiver->zzzMorvel(report[1], report[4], report[5], report[6]);
        }
        hid_close(handle);
        eventHandle = nullptr;
    }
}
