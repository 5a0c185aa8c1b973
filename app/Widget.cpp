#include "Widget.h"

#include "ApConfigValues.h"
#include "TrayIcon.h"
#include "Ui_Controler.h"
#include "UserEvent.h"
#include "myQQuickView.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include "Win32TrayRestore.h"
#endif

Widget::Widget(QWidget *parent, const QUrl &scene)
    : QWidget(parent)
    , m_presence(m_device, [] { return readProductNames(); })
{
    m_controller = new Ui_Controler(this, &m_device, scene);
    view()->setDevice(&m_device);
    m_scene = std::make_unique<SceneProfiles>(*view());
    m_trayIcon = createTrayIcon(this, [this](int profile) { m_scene->selectProfile(profile); });
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    connect(&m_presence, &KeyboardPresence::arrived, this, &Widget::keyboardArrived);
    connect(&m_presence, &KeyboardPresence::connectionChanged, this, &Widget::showConnection);
    connect(&view()->connection(), &ConnectionStatus::changed, this, &Widget::showTrayStatus);
}

Widget::~Widget()
{
    m_device.stopMonitor();
    // The view goes before the device link it publishes to QML as "hid".
    delete view();
    delete m_controller;
}

myQQuickView *Widget::view() const
{
    return m_controller->view();
}

void Widget::startUi()
{
    m_controller->setBusy(1);
    view()->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kStartupDone));
}

void Widget::keyboardCallback(std::uint8_t usage, bool isDown, void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        window->view()->detectKeyboard(isDown, usage);
}

void Widget::mouseCallback(std::uint8_t button, bool isDown, std::int32_t x, std::int32_t y,
                           void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        window->view()->detectMouse(isDown, button, uint(x), uint(y));
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
#ifdef Q_OS_WIN
    postRestoreMessage(winId());
#else
    setVisible(true);
#endif
}

void Widget::showFromTray()
{
    showNormal();
    raise();
    activateWindow();
}

void Widget::watchKeyboard(KeyboardWatch watch)
{
    m_emulated = watch.emulated;
    for (std::unique_ptr<DeviceEventSource> &source : watch.sources)
        m_presence.addSource(source.release());
}

void Widget::checkDevice()
{
    m_presence.discover();
    view()->syncFW();
    showConnection();
}

void Widget::keyboardArrived()
{
    view()->syncFW();
    view()->syncDevice();
    showConnection();
}

void Widget::showConnection()
{
    using State = ConnectionStatus::State;
    if (!m_presence.isConnected()) {
        view()->connection().setState(State::NotConnected);
        return;
    }
    const QString product =
            m_device.devices().value(qsizetype(m_device.currentDevice())).productName;
    view()->connection().setState(m_emulated ? State::Emulated : State::Connected, product,
                                  view()->firmwareText());
}

void Widget::showTrayStatus()
{
    const ConnectionStatus &status = view()->connection();
    QString tip = QStringLiteral("Keyboard: ") + status.text();
    if (!status.detail().isEmpty())
        tip += u'\n' + status.detail();
    m_trayIcon->setToolTip(tip);
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() != UserEvent::kType
        || static_cast<UserEvent *>(event)->code() != UserEvent::kStartupDone)
        return;
    m_controller->setBusy(0);
    view()->runUI();
}

#ifdef Q_OS_WIN
bool Widget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (isRestoreMessage(message))
        setVisible(true);
    return QWidget::nativeEvent(eventType, message, result);
}
#endif
