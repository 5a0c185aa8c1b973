#include "SceneStart.h"

#include "ApplicationFonts.h"
#include "InputBackend.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

namespace {

class NoGlobalInput : public InputBackend
{
public:
    bool install(InputHook &) override { return false; }
    void remove() override {}
    bool capturesKeyboard() const override { return false; }
};

bool unlocks(QQuickItem *root, int timeoutMs)
{
    return QTest::qWaitFor([root] { return !root->property("busy").toBool(); }, timeoutMs);
}

} // namespace

QQuickItem *startScene(Widget &window, int timeoutMs)
{
    window.checkDevice();
    window.show();
    window.startUi();
    QQuickItem *root = window.view()->rootObject();
    return root && unlocks(root, timeoutMs) ? root : nullptr;
}

bool SceneProgram::start(int timeoutMs, KeyboardWatch watch)
{
    stop();
    m_folder.emplace();
    if (!m_folder->isValid()) {
        m_error = QStringLiteral("cannot copy the run-time data to ") + m_folder->path();
        return false;
    }
    registerApplicationFonts();
    m_program = std::make_unique<Program>(Widget::mainScene(), std::make_unique<NoGlobalInput>(),
                                          std::move(watch));
    m_program->start();
    if (!QTest::qWaitForWindowExposed(&m_program->window()) || !root()) {
        m_error = QStringLiteral("the window does not show its scene");
        return false;
    }
    if (!unlocks(root(), timeoutMs)) {
        m_error = QStringLiteral("the start-up lock does not end");
        return false;
    }
    return true;
}

void SceneProgram::stop()
{
    m_program.reset();
    m_folder.reset();
}

QQuickItem *SceneProgram::root() const
{
    return view()->rootObject();
}

myQQuickView *SceneProgram::view() const
{
    return m_program->window().view();
}
