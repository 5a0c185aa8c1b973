#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class DeviceEventSource;
class Hid_Thread;

// Keeps the device link on the keyboard while it comes and goes: discovery at start-up and again
// once a burst of device events has settled, and whether the keyboard is there.
class KeyboardPresence : public QObject
{
    Q_OBJECT
public:
    // Events closer together than this lead to one discovery (a keyboard brings several interfaces).
    static constexpr int SettleMs = 150;

    KeyboardPresence(Hid_Thread &link, std::function<QStringList()> productNames,
                     QObject *parent = nullptr);

    // Takes the source over.
    void addSource(DeviceEventSource *source);
    // Catalogue, device list, scrambling flag, monitor. The monitor is restarted only when the
    // keyboard's interfaces changed or it has stopped: stopping it waits for its read.
    void discover();
    bool isConnected() const;

signals:
    // The keyboard is there anew, or woke with the machine: its state is to be read again.
    void arrived();
    void connectionChanged(bool connected);

private:
    void schedule(bool resumed);
    void rediscover();
    bool scan();
    void updateConnection();

    Hid_Thread &m_link;
    std::function<QStringList()> m_productNames;
    QTimer m_settle;
    bool m_resumed = false;
    std::optional<bool> m_connected;
};
