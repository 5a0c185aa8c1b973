#include "SceneDriver.h"

#include "SceneAccess.h"
#include "myQQuickView.h"

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

namespace {

void collect(QQuickItem *item, QList<QQuickItem *> &all)
{
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        all.append(child);
        collect(child, all);
    }
}

bool shown(QQuickItem *item)
{
    for (QQuickItem *it = item; it; it = it->parentItem()) {
        if (!it->isVisible() || it->opacity() <= 0.0)
            return false;
    }
    return true;
}

} // namespace

bool SceneDriver::start()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        m_error = QStringLiteral("needs an X server (xvfb-run with QT_QPA_PLATFORM=xcb)");
        return false;
    }
    if (!m_program.start()) {
        m_error = m_program.error();
        return false;
    }
    // Keys typed with xdotool go to the window that has the input focus.
    if (!xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                  QString::number(program().window().winId())})
        || !waitFor([this] { return program().window().isActiveWindow(); })) {
        m_error = QStringLiteral("the window does not get the keyboard focus");
        return false;
    }
    return true;
}

QQuickItem *SceneDriver::mainItem() const
{
    return qobject_cast<QQuickItem *>(::mainItem(root()));
}

QQuickItem *SceneDriver::macroPage() const
{
    return mainItem()->property("macroPage").value<QQuickItem *>();
}

QQuickItem *SceneDriver::keyPage() const
{
    return mainItem()->property("keyPage").value<QQuickItem *>();
}

QStringList SceneDriver::strings() const
{
    return root()->property("globalSetting_stringList").toStringList();
}

QQuickItem *SceneDriver::child(QQuickItem *scope, const char *objectName)
{
    return scope ? scope->findChild<QQuickItem *>(QLatin1String(objectName)) : nullptr;
}

QQuickItem *SceneDriver::textItem(QQuickItem *scope, const QString &text)
{
    if (!scope)
        return nullptr;
    QList<QQuickItem *> items;
    collect(scope, items);
    for (QQuickItem *item : items) {
        if (item->property("text").toString() == text && shown(item))
            return item;
    }
    return nullptr;
}

bool SceneDriver::xdotool(const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForStarted())
        return false;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    // The program keeps running while xdotool drives it.
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    // Let the events reach the scene.
    QTest::qWait(150);
    return process.state() == QProcess::NotRunning && process.exitCode() == 0;
}

bool SceneDriver::hover(QQuickItem *item)
{
    if (!item)
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    const QPoint global = m_program.view()->mapToGlobal(centre.toPoint());
    // A synchronous move to where the pointer already is would wait for good.
    if (QCursor::pos() == global)
        return true;
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                    QString::number(global.x()), QString::number(global.y())});
}

bool SceneDriver::click(QQuickItem *item, int button)
{
    return hover(item) && xdotool({QStringLiteral("click"), QString::number(button)});
}

bool SceneDriver::typeKeys(const QStringList &keys)
{
    return xdotool(
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")}
            + keys);
}

bool SceneDriver::openPage(int index)
{
    QQuickItem *menu = mainItem()->property("functionMenu").value<QQuickItem *>();
    QQuickItem *area = mainItem()->property("pageArea").value<QQuickItem *>();
    if (!area || !click(textItem(menu, strings().value(74 + index))))
        return false;
    return waitFor([area, index] {
        return area->property("openPage").toInt() == index && !area->property("sliding").toBool();
    });
}

bool SceneDriver::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

QByteArray SceneDriver::macroFile(const QString &name)
{
    QFile file(QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
