#pragma once

#include "Theme.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Drawing primitives shared by every picture of the skins.
namespace Paint {

QImage canvas(int width, int height);
QFont font(qreal pixelSize, bool bold = false);

QPainterPath rounded(const QRectF &rect, qreal radius);
// A path with a soft glow: strokes of growing width and falling alpha, then the sharp line.
void glowStroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width,
                qreal spread);
// A dark raised panel: vertical gradient, 1 px top highlight, 1 px border.
void panel(QPainter &p, const QRectF &rect, qreal radius, const Theme &theme, bool raised = true);
// A faint hexagon grid clipped to the current clip.
void hexGrid(QPainter &p, const QRectF &rect, qreal size, const QColor &colour);
// Small L-shaped marks at the four corners of rect.
void cornerMarks(QPainter &p, const QRectF &rect, qreal length, const QColor &colour,
                 qreal width = 1.5);
// flags: more Qt::TextFlag values beside the centring (word wrap).
void centredText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font,
                 const QColor &colour, int flags = 0);

} // namespace Paint
