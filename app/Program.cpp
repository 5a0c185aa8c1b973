#include "Program.h"

#include "AppProfilesBus.h"
#include "ConnectionStatus.h"
#include "InputHook.h"
#include "KeyboardActions.h"
#include "KeyboardBus.h"
#include "LocalUrlOpener.h"
#include "PlatformFocusWatcher.h"
#include "ProfileStore.h"
#include "TrayIcon.h"
#include "WindowKeyFilter.h"
#include "WindowPlacement.h"
#include "myQQuickView.h"

#include <QCoreApplication>
#include <QDBusConnection>

Program::Program(const QUrl &scene, std::unique_ptr<InputBackend> input, KeyboardWatch watch)
    : m_window(std::make_unique<Widget>(nullptr, scene))
    // The tables keep the layout read from the hardware definition file,
    // even when discovery later reads another one from the keyboard.
    , m_hooks(std::make_unique<InputHook>(m_window->view()->layoutMode() == 0, std::move(input)))
    , m_keyFilter(std::make_unique<WindowKeyFilter>(*m_hooks))
    , m_urlOpener(std::make_unique<LocalUrlOpener>())
{
    m_hooks->setKeyboardCallback(&Widget::keyboardCallback, m_window.get());
    m_hooks->setMouseCallback(&Widget::mouseCallback, m_window.get());
    m_window->watchKeyboard(std::move(watch));
    m_window->view()->setFocusWatcher(makePlatformFocusWatcher());
    QCoreApplication::instance()->installEventFilter(m_keyFilter.get());
    // Whoever switches the profile (the scene, the keyboard's own key, a request from
    // outside), the tray and the bus follow.
    m_window->view()->profiles().setCurrentObserver([this](int profile) {
        showTrayProfile(m_window->trayIcon(), profile);
        if (m_bus)
            emit m_bus->ProfileChanged(profile + 1);
    });
}

Program::~Program()
{
    if (m_started)
        WindowPlacement::write(m_window->pos());
    m_window->view()->profiles().setCurrentObserver(nullptr);
    // No request from outside reaches a window on its way out.
    if (!m_service.isEmpty())
        QDBusConnection::sessionBus().unregisterService(m_service);
    m_bus = nullptr;
    m_busObject.reset();
    m_actions.reset();
    QCoreApplication::instance()->removeEventFilter(m_keyFilter.get());
    m_hooks->removeHooks();
    m_hooks->setKeyboardCallback(nullptr, nullptr);
    m_hooks->setMouseCallback(nullptr, nullptr);
    m_window.reset();
}

void Program::start(bool visible)
{
    m_window->checkDevice();
    m_window->move(WindowPlacement::initialPosition(WindowPlacement::read(), m_window->size(),
                                                    WindowPlacement::availableScreens()));
    showTrayProfile(m_window->trayIcon(), m_window->view()->profiles().currentIndex());
    if (visible)
        m_window->showNormal();
    m_started = true;
    m_window->startUi();
}

bool Program::offerOnBus(const QString &service)
{
    myQQuickView &view = *m_window->view();
    m_actions = std::make_unique<KeyboardActions>(view.profiles(), m_window->device(),
                                                  &m_window->scene());
    m_actions->setDeviceFacts(view.layoutMode(), view.firmwareVersion());
    m_busObject = std::make_unique<KeyboardBusObject>();
    m_bus = new KeyboardBusAdaptor(m_busObject.get(), *m_actions,
                                   [this] { m_window->showFromTray(); });
    new AppProfilesBusAdaptor(m_busObject.get(), view);
    // A keyboard found again may be another one: its facts are read anew before callers hear of it.
    QObject::connect(&view.connection(), &ConnectionStatus::changed, m_bus, [this, &view] {
        m_actions->setDeviceFacts(view.layoutMode(), view.firmwareVersion());
        m_bus->checkConnection();
    });
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(KeyboardBus::kPath, m_busObject.get()) || !bus.registerService(service))
        return false;
    m_service = service;
    if (std::unique_ptr<FocusWatcher> watcher = makeBusFocusWatcher(service, KeyboardBus::kPath))
        view.setFocusWatcher(std::move(watcher));
    return true;
}
