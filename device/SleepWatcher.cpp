#include "SleepWatcher.h"

SleepWatcher::SleepWatcher(const QDBusConnection &bus, QObject *parent)
    : DeviceEventSource(parent)
{
    QDBusConnection connection(bus);
    m_watching = connection.isConnected()
                 && connection.connect(QStringLiteral("org.freedesktop.login1"),
                                       QStringLiteral("/org/freedesktop/login1"),
                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                       QStringLiteral("PrepareForSleep"), this,
                                       SLOT(prepareForSleep(bool)));
}

void SleepWatcher::prepareForSleep(bool start)
{
    if (!start)
        emit resumed();
}
