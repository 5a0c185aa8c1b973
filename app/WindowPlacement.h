#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where the main window opens: where the user left it last time, or centred on the primary
// screen on the first start and whenever the remembered place is on no screen any more.
// The place is the program's own, kept apart from the settings file users exchange.
namespace WindowPlacement {

inline const QString kPath = QStringLiteral("./modules/setting/window.ini");

// screens: the available areas, the primary screen's first. The window's top bar must
// stand on one of them, or the window could not be dragged back.
QPoint initialPosition(const std::optional<QPoint> &remembered, const QSize &size,
                       const QList<QRect> &screens);

std::optional<QPoint> read(const QString &path = kPath);
void write(const QPoint &position, const QString &path = kPath);

// The available areas of the connected screens, the primary screen's first.
QList<QRect> availableScreens();

} // namespace WindowPlacement
