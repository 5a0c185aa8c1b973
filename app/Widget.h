#pragma once

#include "Hid_Thread.h"
#include "SceneProfiles.h"
#include "KeyboardPresence.h"
#include "KeyboardWatch.h"

#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <memory>

class Ui_Controler;
class myQQuickView;

// The frameless main window. It owns the device link and the window-control
// object (which builds the view bridge as its only child), and keeps the
// tray icon through which a hidden window comes back.
class Widget : public QWidget
{
    Q_OBJECT
public:
    static QUrl mainScene() { return QUrl(QStringLiteral("qrc:/modules/qml/main.qml")); }

    explicit Widget(QWidget *parent = nullptr, const QUrl &scene = mainScene());
    ~Widget() override;

    // Locks the interface, has QML initialise, and posts the event that
    // unlocks and runs it once the initialisation has been delivered.
    void startUi();

    Ui_Controler *controller() const { return m_controller; }
    myQQuickView *view() const;
    Hid_Thread &device() { return m_device; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    ProfileScene &scene() { return *m_scene; }
    // Back from the tray (or from behind other windows), at the front.
    void showFromTray();

    // Where the keyboard's comings and goings are heard of; without sources only start-up finds it.
    void watchKeyboard(KeyboardWatch watch);
    KeyboardPresence &presence() { return m_presence; }

    // Input-hook callbacks; context is the window.
    static void keyboardCallback(std::uint8_t usage, bool isDown, void *context);
    static void mouseCallback(std::uint8_t button, bool isDown, std::int32_t x, std::int32_t y,
                              void *context);

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    // Device discovery at start-up, before the window is shown; the keyboard's
    // presence watch runs it again as the keyboard comes and goes.
    void checkDevice();

protected:
    void customEvent(QEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    void keyboardArrived();
    void showConnection();
    void showTrayStatus();

    Ui_Controler *m_controller = nullptr;
    Hid_Thread m_device;
    std::unique_ptr<SceneProfiles> m_scene;
    KeyboardPresence m_presence;
    bool m_emulated = false;
    QSystemTrayIcon *m_trayIcon = nullptr;
};
