#include "LightingSession.h"

#include "K3Emulator.h"
#include "SceneAccess.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

bool LightingSession::start()
{
    K3Emulator::instance().reset();
    return m_program.start();
}

QVariant LightingSession::call(QObject *target, const char *function, const QVariantList &args) const
{
    return callQml(target, function, args);
}

QQuickItem *LightingSession::page() const
{
    QObject *main = mainItem(root());
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
    return index < 0 ? nullptr : call(keyboard(), "keyItem", {index}).value<QQuickItem *>();
}

bool LightingSession::openPage()
{
    QObject *area = mainItem(root())->property("pageArea").value<QObject *>();
    QMetaObject::invokeMethod(area, "show", Q_ARG(QVariant, 2));
    return QTest::qWaitFor(
            [area] {
                return area->property("openPage").toInt() == 2
                       && !area->property("sliding").toBool();
            },
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
    myQQuickView *view = m_program.view();
    const QPoint start = keyboard()->mapToScene(from).toPoint();
    const QPoint end = keyboard()->mapToScene(to).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(view, start + (end - start) * step / 8, 10);
    QTest::mouseRelease(view, Qt::LeftButton, {}, end, 10);
}

void LightingSession::pressKey(int usbCode)
{
    m_program.view()->detectKeyboard(true, usbCode);
    m_program.view()->detectKeyboard(false, usbCode);
}

QImage LightingSession::grab() const
{
    return m_program.view()->grabFramebuffer();
}
