#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

const QString kX = QStringLiteral("window/x");
const QString kY = QStringLiteral("window/y");
constexpr int kTopBarHeight = 32;

} // namespace

namespace WindowPlacement {

QPoint initialPosition(const std::optional<QPoint> &remembered, const QSize &size,
                       const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return remembered.value_or(QPoint());
    if (remembered) {
        const QPoint topBar = *remembered + QPoint(size.width() / 2, kTopBarHeight / 2);
        for (const QRect &screen : screens) {
            if (screen.contains(topBar))
                return *remembered;
        }
    }
    const QRect primary = screens.first();
    return primary.topLeft()
           + QPoint((primary.width() - size.width()) / 2, (primary.height() - size.height()) / 2);
}

std::optional<QPoint> read(const QString &path)
{
    const QSettings settings(path, QSettings::IniFormat);
    bool xOk = false;
    bool yOk = false;
    const int x = settings.value(kX).toInt(&xOk);
    const int y = settings.value(kY).toInt(&yOk);
    if (!xOk || !yOk)
        return std::nullopt;
    return QPoint(x, y);
}

void write(const QPoint &position, const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(kX, position.x());
    settings.setValue(kY, position.y());
}

QList<QRect> availableScreens()
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

} // namespace WindowPlacement
