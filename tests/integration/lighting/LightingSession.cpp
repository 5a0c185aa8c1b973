#include "LightingSession.h"

#include "InputBackend.h"
#include "K3Emulator.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QQuickItem>
#include <QTest>

namespace {

// No system-wide input in a test: key events come through the bridge as the hook would send them.
class NoGlobalInput : public InputBackend
{
public:
    bool install(InputHook &) override { return false; }
    void remove() override {}
    bool capturesKeyboard() const override { return false; }
};

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace

LightingSession::LightingSession() = default;

LightingSession::~LightingSession()
{
    m_program.reset();
    if (!m_startFolder.isEmpty())
        QDir::setCurrent(m_startFolder);
}

bool LightingSession::start()
{
    // The program writes its profile files in place: it works on a copy of the run-time folder.
    const QString runtime = QStringLiteral(K3_RUNTIME_DIR);
    if (!m_folder.isValid() || !copyFolder(runtime + QStringLiteral("/modules"), m_folder.path() + QStringLiteral("/modules"))) {
        m_error = QStringLiteral("cannot copy the run-time folder ") + runtime;
        return false;
    }
    QFile::copy(runtime + QStringLiteral("/Exo-Medium.ttf"), m_folder.path() + QStringLiteral("/Exo-Medium.ttf"));
    m_startFolder = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
    QFontDatabase::addApplicationFont(QStringLiteral("./Exo-Medium.ttf"));

    K3Emulator::instance().reset();
    m_program = std::make_unique<Program>(Widget::mainScene(), std::make_unique<NoGlobalInput>());
    m_program->start();
    if (!QTest::qWaitForWindowExposed(&m_program->window()) || !root()) {
        m_error = QStringLiteral("the window does not show its scene");
        return false;
    }
    if (!waitFor([this] { return !root()->property("busy").toBool(); }, 10000)) {
        m_error = QStringLiteral("the start-up lock does not end");
        return false;
    }
    return true;
}

QQuickItem *LightingSession::root() const
{
    return m_program->window().view()->rootObject();
}

QVariant LightingSession::call(QObject *target, const char *function, const QVariantList &args) const
{
    QVariant result;
    QGenericArgument a[3];
    for (int i = 0; i < args.size() && i < 3; ++i)
        a[i] = Q_ARG(QVariant, args[i]);
    QMetaObject::invokeMethod(target, function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2]);
    return result;
}

QQuickItem *LightingSession::page() const
{
    QObject *main = call(root(), "getDevItem", { 0 }).value<QObject *>();
    return main ? main->property("colorPage").value<QQuickItem *>() : nullptr;
}

QQuickItem *LightingSession::keyboard() const
{
    return page()->property("keyboard").value<QQuickItem *>();
}

QVariant LightingSession::callPage(const char *function, const QVariantList &args) const
{
    return call(page(), function, args);
}

QQuickItem *LightingSession::key(int position) const
{
    const int index = keyboard()->property("indexOfPosition").toList().value(position, -1).toInt();
    return index < 0 ? nullptr : call(keyboard(), "keyItem", { index }).value<QQuickItem *>();
}

bool LightingSession::openPage()
{
    QObject *main = call(root(), "getDevItem", { 0 }).value<QObject *>();
    QObject *area = main->property("pageArea").value<QObject *>();
    QMetaObject::invokeMethod(area, "show", Q_ARG(QVariant, 2));
    return waitFor([area] { return area->property("openPage").toInt() == 2 && !area->property("sliding").toBool(); },
                   5000);
}

void LightingSession::chooseSkin(int skin)
{
    QObject *settings = root()->property("page_Globalsetting").value<QObject *>();
    QMetaObject::invokeMethod(settings, "chooseSkin", Q_ARG(QVariant, skin));
}

void LightingSession::chooseLanguage(int position)
{
    QObject *settings = root()->property("page_Globalsetting").value<QObject *>();
    QMetaObject::invokeMethod(settings, "chooseLanguage", Q_ARG(QVariant, position));
}

void LightingSession::drag(const QPointF &from, const QPointF &to)
{
    myQQuickView *view = m_program->window().view();
    const QPoint start = keyboard()->mapToScene(from).toPoint();
    const QPoint end = keyboard()->mapToScene(to).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(view, start + (end - start) * step / 8, 10);
    QTest::mouseRelease(view, Qt::LeftButton, {}, end, 10);
}

void LightingSession::pressKey(int usbCode)
{
    m_program->window().view()->detectKeyboard(true, usbCode);
    m_program->window().view()->detectKeyboard(false, usbCode);
}

QImage LightingSession::grab() const
{
    return m_program->window().view()->grabFramebuffer();
}
