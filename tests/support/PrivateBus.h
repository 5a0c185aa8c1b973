#pragma once

#include <QProcess>
#include <QString>

// A D-Bus daemon of the test's own, to stand in for the system bus, and logind on it.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    // Empty when the daemon did not start.
    QString address() const { return m_address; }
    // logind's announcement of a suspend (true) or of the wake-up after it (false).
    bool emitPrepareForSleep(bool start);

private:
    QProcess m_daemon;
    QString m_address;
};
