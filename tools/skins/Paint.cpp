#include "Paint.h"

#include <QLinearGradient>
#include <QtMath>

namespace Paint {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont font(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("Exo"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void glowStroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width,
                qreal spread)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const int layers = 6;
    for (int i = layers; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * 0.10 * (layers - i + 1) / layers);
        p.setPen(QPen(c, width + spread * i / layers * 2, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void panel(QPainter &p, const QRectF &rect, qreal radius, const Theme &theme, bool raised)
{
    p.save();
    const QPainterPath body = rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, raised ? theme.panelHigh() : theme.base());
    fill.setColorAt(1, raised ? theme.panel() : theme.panel().darker(115));
    p.fillPath(body, fill);

    QLinearGradient edge(rect.topLeft(), rect.bottomLeft());
    edge.setColorAt(0, raised ? QColor(255, 255, 255, 38) : QColor(0, 0, 0, 90));
    edge.setColorAt(0.5, QColor(255, 255, 255, 8));
    edge.setColorAt(1, raised ? QColor(0, 0, 0, 80) : QColor(255, 255, 255, 20));
    p.setPen(QPen(QBrush(edge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(rect.adjusted(1.5, 1.5, -1.5, -1.5), qMax<qreal>(0, radius - 1)));

    p.setPen(QPen(theme.line(), 1));
    p.drawPath(body);
    p.restore();
}

void hexGrid(QPainter &p, const QRectF &rect, qreal size, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    const qreal w = size * qSqrt(3.0);
    const qreal h = size * 1.5;
    int row = 0;
    for (qreal y = rect.top() - size; y < rect.bottom() + size; y += h, ++row) {
        const qreal shift = (row % 2) ? w / 2 : 0;
        for (qreal x = rect.left() - w + shift; x < rect.right() + w; x += w) {
            QPolygonF hex;
            for (int i = 0; i < 6; ++i) {
                const qreal a = qDegreesToRadians(60.0 * i + 30.0);
                hex << QPointF(x + size * qCos(a), y + size * qSin(a));
            }
            p.drawPolygon(hex);
        }
    }
    p.restore();
}

void cornerMarks(QPainter &p, const QRectF &rect, qreal length, const QColor &colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    const QRectF r = rect.adjusted(width / 2, width / 2, -width / 2, -width / 2);
    p.drawPolyline(QPolygonF(
            {r.topLeft() + QPointF(0, length), r.topLeft(), r.topLeft() + QPointF(length, 0)}));
    p.drawPolyline(QPolygonF(
            {r.topRight() - QPointF(length, 0), r.topRight(), r.topRight() + QPointF(0, length)}));
    p.drawPolyline(QPolygonF({r.bottomLeft() - QPointF(0, length), r.bottomLeft(),
                              r.bottomLeft() + QPointF(length, 0)}));
    p.drawPolyline(QPolygonF({r.bottomRight() - QPointF(length, 0), r.bottomRight(),
                              r.bottomRight() - QPointF(0, length)}));
    p.restore();
}

void centredText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font,
                 const QColor &colour, int flags)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, Qt::AlignCenter | flags, text);
    p.restore();
}

} // namespace Paint
