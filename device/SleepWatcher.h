#pragma once

#include "DeviceEventSource.h"

#include <QDBusConnection>

// logind's word that the machine goes to sleep or has woken up (PrepareForSleep on the system
// bus); waking up is what counts.
class SleepWatcher : public DeviceEventSource
{
    Q_OBJECT
public:
    explicit SleepWatcher(const QDBusConnection &bus = QDBusConnection::systemBus(),
                          QObject *parent = nullptr);

    // False without a bus (no system bus, as in containers and on Windows).
    bool isWatching() const { return m_watching; }

private slots:
    void prepareForSleep(bool start);

private:
    bool m_watching = false;
};
