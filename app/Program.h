#pragma once

#include "InputBackend.h"
#include "Widget.h"

#include <QUrl>

#include <memory>

class InputHook;
class KeyboardActions;
class KeyboardBusAdaptor;
class KeyboardBusObject;
class LocalUrlOpener;
class WindowKeyFilter;

// The running program once it is known to be the only copy: the main
// window, the input hooks that feed it, and the start-up and shutdown order.
class Program
{
public:
    explicit Program(const QUrl &scene = Widget::mainScene(),
                     std::unique_ptr<InputBackend> input = makePlatformInputBackend(),
                     KeyboardWatch watch = {});
    // The window's place is kept for the next start; hooks are removed, then the window stops
    // the device monitor and goes.
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Device discovery, then the window is shown (unless it starts hidden in the tray) and
    // the interface started.
    void start(bool visible = true);
    // Takes `service` on the session bus and answers requests there from then on; false
    // when there is no session bus or another program holds the name.
    bool offerOnBus(const QString &service);

    Widget &window() { return *m_window; }
    InputHook &hooks() { return *m_hooks; }

private:
    std::unique_ptr<Widget> m_window;
    std::unique_ptr<InputHook> m_hooks;
    std::unique_ptr<WindowKeyFilter> m_keyFilter;
    std::unique_ptr<LocalUrlOpener> m_urlOpener;
    std::unique_ptr<KeyboardActions> m_actions;
    std::unique_ptr<KeyboardBusObject> m_busObject;
    KeyboardBusAdaptor *m_bus = nullptr;
    QString m_service;
    bool m_started = false;
};
