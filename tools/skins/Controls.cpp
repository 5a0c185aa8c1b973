#include "Controls.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace Controls {
namespace {

const int sliderHeight = 20;
const int groupHeight = 26;

QRectF groove(int width)
{
    return QRectF(6, sliderHeight / 2.0 - 3, width - 12, 6);
}

} // namespace

QImage sliderBase(const Theme &theme, int width, const QList<int> &ticks)
{
    QImage image = Paint::canvas(width, sliderHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme.textDim(), 1));
    for (int x : ticks) {
        p.drawLine(QPointF(x + 0.5, 1), QPointF(x + 0.5, 4));
        p.drawLine(QPointF(x + 0.5, sliderHeight - 4), QPointF(x + 0.5, sliderHeight - 1));
    }
    const QRectF g = groove(width);
    p.fillPath(Paint::rounded(g, 3), QColor(0x05, 0x07, 0x0a));
    p.setPen(QPen(theme.line(), 1));
    p.drawPath(Paint::rounded(g.adjusted(0.5, 0.5, -0.5, -0.5), 3));
    return image;
}

QImage sliderFiller(const Theme &theme, int width, bool lit)
{
    QImage image = Paint::canvas(width, sliderHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF g = groove(width);
    QLinearGradient fill(g.topLeft(), g.topRight());
    fill.setColorAt(0, theme.accentDeep);
    fill.setColorAt(1, lit ? theme.accent.lighter(130) : theme.accent);
    if (lit)
        p.fillPath(Paint::rounded(g.adjusted(-2, -2, 2, 2), 5), theme.accentAlpha(60));
    p.fillPath(Paint::rounded(g, 3), fill);
    p.fillRect(QRectF(g.left() + 2, g.top() + 1, g.width() - 4, 1), QColor(255, 255, 255, 70));
    return image;
}

QImage sliderPlate(const Theme &theme)
{
    QImage image = Paint::canvas(200, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::panel(p, QRectF(0, 0, 200, 44), 5, theme, false);
    p.fillRect(QRectF(1, 8, 2, 28), theme.accentAlpha(160));
    return image;
}

QImage keyboardLogo(const Theme &theme)
{
    QImage image = Paint::canvas(120, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont big = Paint::font(26, true);
    big.setItalic(true);
    Paint::centredText(p, QRectF(0, 0, 46, 36), QStringLiteral("K3"), big, theme.accent);
    QFont small = Paint::font(9, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(small);
    p.setPen(theme.text());
    p.drawText(QRectF(48, 5, 72, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMING"));
    p.setPen(theme.textDim());
    p.drawText(QRectF(48, 18, 72, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KEYBOARD"));
    p.fillRect(QRectF(4, 33, 112, 1.5), theme.accentAlpha(150));
    return image;
}

QImage rule(const Theme &theme)
{
    QImage image = Paint::canvas(300, 2);
    QPainter p(&image);
    QLinearGradient line(0, 0, 300, 0);
    line.setColorAt(0, theme.accentAlpha(0));
    line.setColorAt(0.15, theme.accentAlpha(180));
    line.setColorAt(0.85, theme.accentAlpha(180));
    line.setColorAt(1, theme.accentAlpha(0));
    p.fillRect(QRectF(0, 0, 300, 1), line);
    p.fillRect(QRectF(0, 1, 300, 1), QColor(0, 0, 0, 120));
    return image;
}

QImage roundIconButton(const Theme &theme, Icons::Kind icon)
{
    QImage image = Paint::canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(12, 9), 13);
    fill.setColorAt(0, theme.panelHigh().lighter(130));
    fill.setColorAt(1, theme.panel());
    p.setBrush(fill);
    p.setPen(QPen(theme.accentAlpha(170), 1));
    p.drawEllipse(QRectF(0.5, 0.5, 23, 23));
    Icons::draw(p, icon, QRectF(5, 5, 14, 14), theme.text());
    return image;
}

QImage steel()
{
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator grain(0x4b33);
    // Brushed metal: horizontal streaks of slightly varying brightness, tileable horizontally.
    for (int y = 0; y < image.height(); ++y) {
        const int streak = 26 + int(grain.bounded(7));
        for (int x = 0; x < image.width(); ++x) {
            const int v = streak + int(grain.bounded(3));
            image.setPixelColor(x, y, QColor(v, v + 3, v + 8));
        }
    }
    return image;
}

QImage fileList(const Theme &theme)
{
    QImage image = Paint::canvas(200, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::panel(p, QRectF(0, 0, 200, 280), 6, theme, false);
    p.setPen(QPen(QColor(255, 255, 255, 8), 1));
    for (int y = 24; y < 276; y += 24)
        p.drawLine(QPointF(6, y + 0.5), QPointF(194, y + 0.5));
    Paint::cornerMarks(p, QRectF(2, 2, 196, 276), 10, theme.accentAlpha(150));
    return image;
}

QImage fileListRow(const Theme &theme)
{
    QImage image = Paint::canvas(200, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 200, 0);
    fill.setColorAt(0, theme.accentAlpha(110));
    fill.setColorAt(1, theme.accentAlpha(15));
    p.fillPath(Paint::rounded(QRectF(1, 1, 198, 22), 3), fill);
    p.setPen(QPen(theme.accentAlpha(200), 1));
    p.drawPath(Paint::rounded(QRectF(1.5, 1.5, 197, 21), 3));
    p.fillRect(QRectF(1, 4, 3, 16), theme.accent);
    return image;
}

QImage buttonFrame(const Theme &theme)
{
    QImage image = Paint::canvas(120, 28);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme.accentAlpha(150), 1));
    p.setBrush(QColor(255, 255, 255, 6));
    p.drawPath(Paint::rounded(QRectF(0.5, 0.5, 119, 27), 4));
    Paint::cornerMarks(p, QRectF(0, 0, 120, 28), 6, theme.accent);
    return image;
}

QImage inputField(const Theme &theme)
{
    QImage image = Paint::canvas(48, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(Paint::rounded(QRectF(0.5, 0.5, 47, 21), 3), QColor(0x05, 0x07, 0x0a));
    p.setPen(QPen(theme.line(), 1));
    p.drawPath(Paint::rounded(QRectF(0.5, 0.5, 47, 21), 3));
    p.fillRect(QRectF(4, 20, 40, 1), theme.accentAlpha(170));
    return image;
}

QImage paletteIndex(const Theme &theme)
{
    QImage image = Paint::canvas(22, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::glowStroke(p, Paint::rounded(QRectF(3, 3, 16, 16), 3), theme.accent, 1.5, 3);
    p.setPen(QPen(Qt::white, 1));
    p.drawPath(Paint::rounded(QRectF(4.5, 4.5, 13, 13), 2));
    return image;
}

QImage paletteFrame(const Theme &theme)
{
    QImage image = Paint::canvas(200, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::panel(p, QRectF(0, 0, 200, 32), 5, theme, false);
    for (int i = 0; i < 7; ++i) {
        const QRectF well(6 + i * 27.4, 5, 22, 22);
        p.fillPath(Paint::rounded(well, 3), QColor(0x05, 0x07, 0x0a));
        p.setPen(QPen(theme.line(), 1));
        p.drawPath(Paint::rounded(well.adjusted(0.5, 0.5, -0.5, -0.5), 3));
    }
    return image;
}

QImage checkbox(const Theme &theme, bool checked)
{
    QImage image = Paint::canvas(14, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 13, 13);
    p.fillPath(Paint::rounded(r, 3), checked ? theme.accentDeep : QColor(0x05, 0x07, 0x0a));
    p.setPen(QPen(checked ? theme.accent : theme.textDim(), 1));
    p.drawPath(Paint::rounded(r, 3));
    if (checked)
        Icons::draw(p, Icons::Kind::Check, QRectF(1, 1, 12, 12), Qt::white);
    return image;
}

QImage textButton(const Theme &theme, bool primary, bool lit)
{
    QImage image = Paint::canvas(96, 28);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, 94, 26);
    QPainterPath shape;
    shape.moveTo(r.left() + 8, r.top());
    shape.lineTo(r.right(), r.top());
    shape.lineTo(r.right(), r.bottom() - 8);
    shape.lineTo(r.right() - 8, r.bottom());
    shape.lineTo(r.left(), r.bottom());
    shape.lineTo(r.left(), r.top() + 8);
    shape.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (primary) {
        fill.setColorAt(0, lit ? theme.accent : theme.accentDeep.lighter(130));
        fill.setColorAt(1, theme.accentDeep);
    } else {
        fill.setColorAt(0, lit ? theme.panelHigh().lighter(150) : theme.panelHigh());
        fill.setColorAt(1, theme.panel());
    }
    p.fillPath(shape, fill);
    if (lit)
        Paint::glowStroke(p, shape, theme.accentAlpha(210), 1, 2);
    else {
        p.setPen(QPen(primary ? theme.accent : theme.accentAlpha(130), 1));
        p.drawPath(shape);
    }
    return image;
}

QImage twoButtonFrame(const Theme &theme)
{
    QImage image = Paint::canvas(220, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::panel(p, QRectF(0, 0, 220, 40), 6, theme, false);
    p.setPen(QPen(theme.line(), 1));
    p.drawLine(QPointF(110.5, 8), QPointF(110.5, 32));
    Paint::cornerMarks(p, QRectF(2, 2, 216, 36), 7, theme.accentAlpha(170));
    return image;
}

QImage toolButton(const Theme &theme, Icons::Kind icon, bool lit)
{
    QImage image = Paint::canvas(26, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 25, 25);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, lit ? theme.accentDeep.lighter(140) : theme.panelHigh());
    fill.setColorAt(1, lit ? theme.accentDeep : theme.panel());
    p.fillPath(Paint::rounded(r, 4), fill);
    p.setPen(QPen(lit ? theme.accent : theme.line(), 1));
    p.drawPath(Paint::rounded(r, 4));
    QColor ink = lit ? QColor(Qt::white) : theme.text();
    if (icon == Icons::Kind::Record)
        ink = lit ? QColor(Qt::white) : QColor(0xe0, 0x3c, 0x3c);
    Icons::draw(p, icon, QRectF(5, 5, 16, 16), ink);
    return image;
}

QImage groupBase(const Theme &theme, int width, int segments)
{
    QImage image = Paint::canvas(width, groupHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, width - 1, groupHeight - 1);
    p.fillPath(Paint::rounded(r, 4), QColor(0x07, 0x09, 0x0d, 230));
    p.setPen(QPen(theme.line(), 1));
    p.drawPath(Paint::rounded(r, 4));
    for (int i = 1; i < segments; ++i) {
        const qreal x = qRound(qreal(width) * i / segments) + 0.5;
        p.drawLine(QPointF(x, 5), QPointF(x, groupHeight - 5));
    }
    return image;
}

QImage groupFiller(const Theme &theme, int width, bool lit)
{
    QImage image = Paint::canvas(width, groupHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, width - 3, groupHeight - 3);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, theme.accentAlpha(lit ? 150 : 90));
    fill.setColorAt(1, theme.accentAlpha(lit ? 60 : 30));
    p.fillPath(Paint::rounded(r, 3), fill);
    p.setPen(QPen(theme.accentAlpha(lit ? 255 : 170), 1));
    p.drawPath(Paint::rounded(r, 3));
    return image;
}

} // namespace Controls
