#pragma once

#include "HardwareTable.h"
#include "Theme.h"

#include <QImage>

// Key-cap pictures and the keyboard picture, drawn from the hardware table.
namespace KeyboardArt {

// k<type>-0.png: the dark key cap of the given size; profile keys (type 11) carry an accent tint.
QImage cap(const QSize &size, int type, const Theme &theme);
// k<type>-1.png: the selection frame drawn over a cap.
QImage frame(const QSize &size, const Theme &theme);
// keyboard.png: the case with every key of the table, legends lit in the accent colour.
QImage keyboard(const QList<KeyRow> &keys, const QMap<int, QSize> &caps, const Theme &theme);
// A key's legend as the pages draw it, for pictures of the table.
void legend(QPainter &p, const QRectF &rect, const QString &name, const QColor &colour,
            qreal pixelSize);

} // namespace KeyboardArt
