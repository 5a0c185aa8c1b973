#include "Icons.h"

#include <QPainterPath>
#include <QtMath>

namespace Icons {
namespace {

QPen linePen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void gear(QPainter &p, const QRectF &b, const QColor &c)
{
    const QPointF centre = b.center();
    const qreal outer = b.width() * 0.48, inner = b.width() * 0.36, hole = b.width() * 0.15;
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = qDegreesToRadians(360.0 * i / (teeth * 4) - 11.25 / 2);
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    p.fillPath(path, c);
}

void keycap(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.09));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(b.adjusted(w * 0.08, w * 0.08, -w * 0.08, -w * 0.08), w * 0.14, w * 0.14);
    p.drawRoundedRect(b.adjusted(w * 0.27, w * 0.24, -w * 0.27, -w * 0.36), w * 0.07, w * 0.07);
}

void macro(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.1));
    for (int i = 0; i < 3; ++i) {
        const qreal y = b.top() + w * (0.22 + 0.28 * i);
        p.drawLine(QPointF(b.left() + w * 0.42, y), QPointF(b.right() - w * 0.08, y));
    }
    QPainterPath play;
    play.moveTo(b.left() + w * 0.06, b.top() + w * 0.18);
    play.lineTo(b.left() + w * 0.30, b.top() + w * 0.36);
    play.lineTo(b.left() + w * 0.06, b.top() + w * 0.54);
    play.closeSubpath();
    p.fillPath(play, c);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(b.left() + w * 0.18, b.top() + w * 0.78), w * 0.09, w * 0.09);
}

void colours(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width(), r = w * 0.25;
    p.setPen(linePen(c, w * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(b.left() + w * 0.5, b.top() + w * 0.32), r, r);
    p.drawEllipse(QPointF(b.left() + w * 0.32, b.top() + w * 0.64), r, r);
    p.drawEllipse(QPointF(b.left() + w * 0.68, b.top() + w * 0.64), r, r);
}

void trash(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.09));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(b.left() + w * 0.16, b.top() + w * 0.24),
               QPointF(b.right() - w * 0.16, b.top() + w * 0.24));
    p.drawLine(QPointF(b.left() + w * 0.4, b.top() + w * 0.12),
               QPointF(b.right() - w * 0.4, b.top() + w * 0.12));
    QPainterPath can;
    can.moveTo(b.left() + w * 0.24, b.top() + w * 0.32);
    can.lineTo(b.left() + w * 0.30, b.bottom() - w * 0.1);
    can.lineTo(b.right() - w * 0.30, b.bottom() - w * 0.1);
    can.lineTo(b.right() - w * 0.24, b.top() + w * 0.32);
    p.drawPath(can);
    p.drawLine(QPointF(b.center().x(), b.top() + w * 0.42),
               QPointF(b.center().x(), b.bottom() - w * 0.22));
}

void scissors(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(b.left() + w * 0.27, b.bottom() - w * 0.24), w * 0.13, w * 0.13);
    p.drawEllipse(QPointF(b.right() - w * 0.27, b.bottom() - w * 0.24), w * 0.13, w * 0.13);
    p.drawLine(QPointF(b.left() + w * 0.34, b.bottom() - w * 0.35),
               QPointF(b.right() - w * 0.3, b.top() + w * 0.1));
    p.drawLine(QPointF(b.right() - w * 0.34, b.bottom() - w * 0.35),
               QPointF(b.left() + w * 0.3, b.top() + w * 0.1));
}

void copy(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(b.left() + w * 0.14, b.top() + w * 0.12, w * 0.46, w * 0.56), w * 0.06,
                      w * 0.06);
    p.drawRoundedRect(QRectF(b.left() + w * 0.40, b.top() + w * 0.32, w * 0.46, w * 0.56), w * 0.06,
                      w * 0.06);
}

void paste(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    p.setPen(linePen(c, w * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(b.left() + w * 0.18, b.top() + w * 0.16, w * 0.64, w * 0.74), w * 0.07,
                      w * 0.07);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(b.left() + w * 0.34, b.top() + w * 0.08, w * 0.32, w * 0.16), w * 0.04,
                      w * 0.04);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal y = b.top() + w * (0.42 + 0.15 * i);
        p.drawLine(QPointF(b.left() + w * 0.32, y),
                   QPointF(b.right() - w * (i == 2 ? 0.45 : 0.32), y));
    }
}

void reset(QPainter &p, const QRectF &b, const QColor &c)
{
    const qreal w = b.width();
    const QRectF arc = b.adjusted(w * 0.18, w * 0.18, -w * 0.18, -w * 0.18);
    p.setPen(linePen(c, w * 0.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 100 * 16, 290 * 16);
    const qreal a = qDegreesToRadians(100.0);
    const QPointF tip(arc.center().x() + arc.width() / 2 * qCos(a),
                      arc.center().y() - arc.height() / 2 * qSin(a));
    QPainterPath head;
    head.moveTo(tip + QPointF(w * 0.2, -w * 0.02));
    head.lineTo(tip + QPointF(-w * 0.02, -w * 0.16));
    head.lineTo(tip + QPointF(0, w * 0.14));
    head.closeSubpath();
    p.fillPath(head, c);
}

} // namespace

void draw(QPainter &p, Kind kind, const QRectF &box, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width();
    switch (kind) {
    case Kind::Gear:
        gear(p, box, colour);
        break;
    case Kind::Minimize:
        p.setPen(linePen(colour, w * 0.12));
        p.drawLine(QPointF(box.left() + w * 0.2, box.center().y() + w * 0.18),
                   QPointF(box.right() - w * 0.2, box.center().y() + w * 0.18));
        break;
    case Kind::Close:
        p.setPen(linePen(colour, w * 0.12));
        p.drawLine(box.topLeft() + QPointF(w * 0.24, w * 0.24),
                   box.bottomRight() - QPointF(w * 0.24, w * 0.24));
        p.drawLine(box.topRight() + QPointF(-w * 0.24, w * 0.24),
                   box.bottomLeft() + QPointF(w * 0.24, -w * 0.24));
        break;
    case Kind::Keycap:
        keycap(p, box, colour);
        break;
    case Kind::Macro:
        macro(p, box, colour);
        break;
    case Kind::Colours:
        colours(p, box, colour);
        break;
    case Kind::Plus:
        p.setPen(linePen(colour, w * 0.12));
        p.drawLine(QPointF(box.center().x(), box.top() + w * 0.2),
                   QPointF(box.center().x(), box.bottom() - w * 0.2));
        p.drawLine(QPointF(box.left() + w * 0.2, box.center().y()),
                   QPointF(box.right() - w * 0.2, box.center().y()));
        break;
    case Kind::Minus:
        p.setPen(linePen(colour, w * 0.12));
        p.drawLine(QPointF(box.left() + w * 0.2, box.center().y()),
                   QPointF(box.right() - w * 0.2, box.center().y()));
        break;
    case Kind::Record:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(box.center(), w * 0.3, w * 0.3);
        break;
    case Kind::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(box.adjusted(w * 0.24, w * 0.24, -w * 0.24, -w * 0.24), w * 0.06,
                          w * 0.06);
        break;
    case Kind::Trash:
        trash(p, box, colour);
        break;
    case Kind::Scissors:
        scissors(p, box, colour);
        break;
    case Kind::Copy:
        copy(p, box, colour);
        break;
    case Kind::Paste:
        paste(p, box, colour);
        break;
    case Kind::Reset:
        reset(p, box, colour);
        break;
    case Kind::Check:
        p.setPen(linePen(colour, w * 0.16));
        p.drawPolyline(QPolygonF({box.topLeft() + QPointF(w * 0.2, w * 0.52),
                                  box.topLeft() + QPointF(w * 0.42, w * 0.74),
                                  box.topLeft() + QPointF(w * 0.8, w * 0.28)}));
        break;
    }
    p.restore();
}

} // namespace Icons
