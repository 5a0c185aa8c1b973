#pragma once

#include "InputBackend.h"
#include "Widget.h"

#include <QUrl>

#include <memory>

class InputHook;
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
    // Hooks are removed first, then the window stops the device monitor and goes.
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Device discovery, then the window is shown and the interface started.
    void start();

    Widget &window() { return *m_window; }
    InputHook &hooks() { return *m_hooks; }

private:
    std::unique_ptr<Widget> m_window;
    std::unique_ptr<InputHook> m_hooks;
    std::unique_ptr<WindowKeyFilter> m_keyFilter;
    std::unique_ptr<LocalUrlOpener> m_urlOpener;
};
