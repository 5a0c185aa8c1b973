#pragma once

#include "KeyboardAccess.h"

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QVariantMap>

#include <functional>

// The program on the session bus: the running window offers the keyboard under a well-known
// name; the command line and scripts reach it there. Profiles are numbered 1..4 on the bus.
namespace KeyboardBus {
inline const QString kPath = QStringLiteral("/Keyboard");
inline const QString kInterface = QStringLiteral("org.k3config.Keyboard");

// Whether a window has taken the name on the session bus.
bool isOffered(const QString &service);
// Asks the running window to show itself; false when none answered.
bool askToShow(const QString &service);
} // namespace KeyboardBus

// The object the window offers on the bus; it knows the call being answered.
class KeyboardBusObject : public QObject, public QDBusContext
{
    Q_OBJECT
};

// The window's side: the interface, forwarding every call to the window's keyboard access.
class KeyboardBusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.k3config.Keyboard")
    Q_PROPERTY(bool Connected READ connected)
    Q_PROPERTY(int CurrentProfile READ currentProfile)
    Q_PROPERTY(QString FirmwareVersion READ firmwareVersion)
    Q_PROPERTY(int Effect READ effect)
public:
    KeyboardBusAdaptor(KeyboardBusObject *parent, KeyboardAccess &keyboard,
                       std::function<void()> show);

    bool connected() const;
    int currentProfile() const;
    QString firmwareVersion() const;
    // The current profile's stored effect code; -1 when it holds none.
    int effect() const;

    // Signals ConnectionChanged when the keyboard's reachability differs from the last seen.
    void checkConnection();

public slots:
    void Show();
    void Quit();
    QVariantMap Status();
    void SwitchProfile(int profile);
    void ApplyProfile(int profile);
    void ExportProfile(int profile, const QString &file);
    void ImportProfile(int profile, const QString &file);
    void ResetProfile(int profile);
    void SetEffect(int type, int brightness, int speed, int direction, int colour);

signals:
    void ProfileChanged(int profile);
    void ConnectionChanged(bool connected);

private:
    void answer(const QString &failure);

    KeyboardBusObject *m_object;
    KeyboardAccess &m_keyboard;
    std::function<void()> m_show;
    bool m_connected = false;
};

// The command line's side: the same requests, made to the running window.
class RemoteKeyboard : public KeyboardAccess
{
public:
    explicit RemoteKeyboard(const QString &service);

    KeyboardStatus status() override;
    QString switchProfile(int profile) override;
    QString applyProfile(int profile) override;
    QString exportProfile(int profile, const QString &file) override;
    QString importProfile(int profile, const QString &file) override;
    QString resetProfile(int profile) override;
    QString setEffect(const EffectChange &change) override;

private:
    QString call(const QString &method, const QVariantList &args);

    QString m_service;
};
