#include "PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {
const QString kLogind = QStringLiteral("k3test-logind");
}

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    if (m_daemon.waitForReadyRead(5000))
        m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(kLogind);
    m_daemon.kill();
    m_daemon.waitForFinished();
}

bool PrivateBus::emitPrepareForSleep(bool start)
{
    QDBusConnection logind = QDBusConnection::connectToBus(m_address, kLogind);
    if (!logind.isConnected())
        return false;
    logind.registerService(QStringLiteral("org.freedesktop.login1"));
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    signal << start;
    return logind.send(signal);
}
