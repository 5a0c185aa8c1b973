#include "BenchSession.h"

#include "Widget.h"
#include "myQQuickView.h"

#include <QDeadlineTimer>
#include <QQuickItem>
#include <QTest>

namespace {

constexpr int EffectsMenu = 1;
constexpr int PaintingMenu = 0;
constexpr int ApplyText = 107;
constexpr int SlideTimeoutMs = 5000;

// The shown button with this text inside scope.
const QQuickItem *button(const QQuickItem *scope, const QString &text)
{
    for (const QQuickItem *child : scope->childItems()) {
        if (!child->isVisible())
            continue;
        if (QByteArray(child->metaObject()->className()).startsWith("TextButton")
            && child->property("text") == text)
            return child;
        if (const QQuickItem *found = button(child, text))
            return found;
    }
    return nullptr;
}

} // namespace

bool BenchSession::startOnLightingPage()
{
    return start() && openPage();
}

bool BenchSession::showPage(Page page)
{
    QObject *area = call(root(), "getDevItem", {0})
                            .value<QObject *>()
                            ->property("pageArea")
                            .value<QObject *>();
    QMetaObject::invokeMethod(area, "show", Q_ARG(QVariant, int(page)));
    return QTest::qWaitFor(
            [area, page] {
                return area->property("openPage").toInt() == page
                       && !area->property("sliding").toBool();
            },
            SlideTimeoutMs);
}

void BenchSession::chooseLighting(int effect, int picture)
{
    if (effect < 0) {
        callPage("chooseFirstMenu", {PaintingMenu});
        callPage("choosePicture", {picture});
    } else {
        callPage("chooseFirstMenu", {EffectsMenu});
        callPage("chooseEffect", {effect});
    }
}

void BenchSession::click(const QQuickItem *item)
{
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(program().window().view(), Qt::LeftButton, {}, centre.toPoint());
}

bool BenchSession::clickApplyAll()
{
    const QQuickItem *applyAll = root()->findChild<QQuickItem *>(QStringLiteral("applyAllButton"));
    if (applyAll)
        click(applyAll);
    return applyAll;
}

bool BenchSession::clickKeyPageApply()
{
    QObject *main = call(root(), "getDevItem", {0}).value<QObject *>();
    const QQuickItem *keyPage = main->property("keyPage").value<QQuickItem *>();
    const QString text = call(root(), "stringAt", {ApplyText, QStringLiteral("APPLY")}).toString();
    const QQuickItem *apply = keyPage ? button(keyPage, text) : nullptr;
    if (apply)
        click(apply);
    return apply;
}

void BenchSession::applyAll()
{
    QMetaObject::invokeMethod(root(), "applyAll");
}

bool BenchSession::waitUntilUnlocked(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !root()->property("busy").toBool(); }, timeoutMs);
}
