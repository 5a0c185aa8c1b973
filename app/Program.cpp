#include "Program.h"

#include "InputHook.h"
#include "LocalUrlOpener.h"
#include "PlatformFocusWatcher.h"
#include "WindowKeyFilter.h"
#include "myQQuickView.h"

#include <QCoreApplication>

Program::Program(const QUrl &scene, std::unique_ptr<InputBackend> input)
    : m_window(std::make_unique<Widget>(nullptr, scene))
    // The tables keep the layout read from the hardware definition file,
    // even when discovery later reads another one from the keyboard.
    , m_hooks(std::make_unique<InputHook>(m_window->view()->layoutMode() == 0, std::move(input)))
    , m_keyFilter(std::make_unique<WindowKeyFilter>(*m_hooks))
    , m_urlOpener(std::make_unique<LocalUrlOpener>())
{
    m_hooks->setKeyboardCallback(&Widget::keyboardCallback, m_window.get());
    m_hooks->setMouseCallback(&Widget::mouseCallback, m_window.get());
    m_window->view()->setFocusWatcher(makePlatformFocusWatcher());
    QCoreApplication::instance()->installEventFilter(m_keyFilter.get());
}

Program::~Program()
{
    QCoreApplication::instance()->removeEventFilter(m_keyFilter.get());
    m_hooks->removeHooks();
    m_hooks->setKeyboardCallback(nullptr, nullptr);
    m_hooks->setMouseCallback(nullptr, nullptr);
    m_window.reset();
}

void Program::start()
{
    m_window->checkDevice();
    m_window->showNormal();
    m_window->startUi();
}
