#include "Chrome.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Chrome {
namespace {

const int windowWidth = 1000;
const int windowHeight = 600;
const qreal windowRadius = 14;
const int topBarHeight = 32;
const int bottomBarHeight = 49;

QPainterPath windowShape()
{
    return Paint::rounded(QRectF(0, 0, windowWidth, windowHeight), windowRadius);
}

// The hexagon emblem of the logo: a K3 badge.
void emblem(QPainter &p, const QPointF &centre, qreal radius, const Theme &theme, bool lit)
{
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i + M_PI / 6;
        hex << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(hex);
    path.closeSubpath();
    QLinearGradient fill(centre - QPointF(0, radius), centre + QPointF(0, radius));
    fill.setColorAt(0, lit ? theme.accent : theme.accentDeep.lighter(150));
    fill.setColorAt(1, theme.accentDeep);
    p.fillPath(path, fill);
    if (lit)
        Paint::glowStroke(p, path, theme.accentAlpha(200), 1, 4);
    Paint::centredText(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                       QStringLiteral("K3"), Paint::font(radius * 0.95, true), Qt::white);
}

} // namespace

QImage background(const Theme &theme)
{
    QImage image = Paint::canvas(windowWidth, windowHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = windowShape();
    QLinearGradient fill(0, 0, 0, windowHeight);
    fill.setColorAt(0, QColor(0x12, 0x16, 0x1d));
    fill.setColorAt(0.5, QColor(0x0c, 0x0f, 0x14));
    fill.setColorAt(1, QColor(0x09, 0x0b, 0x0f));
    p.fillPath(shape, fill);
    p.setClipPath(shape);

    // A wide accent haze behind the keyboard, and a faint hexagon texture.
    QRadialGradient haze(QPointF(520, 300), 460);
    haze.setColorAt(0, theme.accentAlpha(46));
    haze.setColorAt(0.55, theme.accentAlpha(12));
    haze.setColorAt(1, theme.accentAlpha(0));
    p.fillRect(image.rect(), haze);
    Paint::hexGrid(
            p, QRectF(0, topBarHeight, windowWidth, windowHeight - topBarHeight - bottomBarHeight),
            16, QColor(255, 255, 255, 9));
    QLinearGradient vignette(0, 0, windowWidth, 0);
    vignette.setColorAt(0, QColor(0, 0, 0, 110));
    vignette.setColorAt(0.18, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.82, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(image.rect(), vignette);

    // Rails that frame the page area.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    p.drawLine(QPointF(127, 90.5), QPointF(919, 90.5));
    p.drawLine(QPointF(127, 543.5), QPointF(919, 543.5));
    Paint::cornerMarks(p, QRectF(121, 90, 804, 454), 14, theme.accentAlpha(110));

    p.setClipping(false);
    p.setPen(QPen(theme.accentAlpha(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Paint::rounded(QRectF(0.5, 0.5, windowWidth - 1, windowHeight - 1), windowRadius));
    return image;
}

QImage frameBackground(const Theme &theme)
{
    QImage image = Paint::canvas(windowWidth, windowHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring = windowShape();
    ring.addPath(
            Paint::rounded(QRectF(6, 6, windowWidth - 12, windowHeight - 12), windowRadius - 4));
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient metal(0, 0, 0, windowHeight);
    metal.setColorAt(0, QColor(0x2c, 0x33, 0x3e));
    metal.setColorAt(0.5, QColor(0x16, 0x1a, 0x21));
    metal.setColorAt(1, QColor(0x22, 0x28, 0x31));
    p.fillPath(ring, metal);
    Paint::glowStroke(
            p,
            Paint::rounded(QRectF(6.5, 6.5, windowWidth - 13, windowHeight - 13), windowRadius - 4),
            theme.accentAlpha(150), 1, 3);
    Paint::cornerMarks(p, QRectF(10, 10, windowWidth - 20, windowHeight - 20), 40, theme.accent,
                       2.5);
    return image;
}

QImage decorationLine(const Theme &theme)
{
    QImage image = Paint::canvas(320, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient line(0, 0, 320, 0);
    line.setColorAt(0, theme.accentAlpha(0));
    line.setColorAt(0.5, theme.accent);
    line.setColorAt(1, theme.accentAlpha(0));
    for (int i = 4; i >= 1; --i) {
        p.setOpacity(0.12 * (5 - i));
        p.fillRect(QRectF(0, 5 - i, 320, 2 * i), line);
    }
    p.setOpacity(1);
    p.fillRect(QRectF(0, 4.5, 320, 1), line);
    p.fillRect(QRectF(150, 3, 20, 4), theme.accent.lighter(130));
    return image;
}

QImage decorationCorner(const Theme &theme)
{
    QImage image = Paint::canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bracket;
    bracket.moveTo(4, 60);
    bracket.lineTo(4, 18);
    bracket.lineTo(18, 4);
    bracket.lineTo(60, 4);
    Paint::glowStroke(p, bracket, theme.accent, 2, 4);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(24 + i * 9, 10, 5, 3), theme.accentAlpha(200 - i * 60));
    return image;
}

QImage logo(const Theme &theme, bool lit)
{
    QImage image = Paint::canvas(150, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    emblem(p, QPointF(12, 12), 11, theme, lit);
    QFont word = Paint::font(14, true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(word);
    p.setPen(lit ? QColor(Qt::white) : theme.text());
    p.drawText(QRectF(28, 0, 70, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("K3"));
    QFont small = Paint::font(10, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(small);
    p.setPen(lit ? theme.accent.lighter(120) : theme.accent);
    p.drawText(QRectF(50, 0, 100, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("CONFIG"));
    return image;
}

QImage topBar(const Theme &theme)
{
    QImage image = Paint::canvas(windowWidth, topBarHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape = Paint::rounded(QRectF(0, 0, windowWidth, topBarHeight + windowRadius),
                                        windowRadius);
    p.setClipRect(QRect(0, 0, windowWidth, topBarHeight));
    QLinearGradient fill(0, 0, 0, topBarHeight);
    fill.setColorAt(0, QColor(0x1c, 0x22, 0x2b, 235));
    fill.setColorAt(1, QColor(0x10, 0x13, 0x19, 235));
    p.fillPath(shape, fill);
    // Bevelled tab under the logo, and the accent rule along the bottom edge.
    QPainterPath tab;
    tab.moveTo(0, topBarHeight - 1);
    tab.lineTo(190, topBarHeight - 1);
    tab.lineTo(210, topBarHeight - 8);
    tab.lineTo(windowWidth - 210, topBarHeight - 8);
    tab.lineTo(windowWidth - 190, topBarHeight - 1);
    tab.lineTo(windowWidth, topBarHeight - 1);
    Paint::glowStroke(p, tab, theme.accentAlpha(170), 1, 3);
    return image;
}

QImage commandBackground(const Theme &theme)
{
    QImage image = Paint::canvas(140, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(8, 1);
    shape.lineTo(139, 1);
    shape.lineTo(139, 29);
    shape.lineTo(1, 29);
    shape.lineTo(1, 8);
    shape.closeSubpath();
    QLinearGradient fill(0, 0, 0, 30);
    fill.setColorAt(0, QColor(0x20, 0x27, 0x31, 230));
    fill.setColorAt(1, QColor(0x12, 0x16, 0x1c, 230));
    p.fillPath(shape, fill);
    p.setPen(QPen(theme.accentAlpha(120), 1));
    p.drawPath(shape);
    return image;
}

QImage windowButton(const Theme &theme, Icons::Kind icon, bool lit)
{
    QImage image = Paint::canvas(28, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 27, 21);
    const bool danger = icon == Icons::Kind::Close;
    if (lit) {
        const QColor fill = danger ? QColor(0xd9, 0x2d, 0x3a) : theme.accentDeep;
        p.fillPath(Paint::rounded(r, 4), fill);
        p.setPen(QPen(danger ? QColor(0xff, 0x6b, 0x75) : theme.accent, 1));
        p.drawPath(Paint::rounded(r, 4));
    } else {
        p.fillPath(Paint::rounded(r, 4), QColor(255, 255, 255, 10));
    }
    Icons::draw(p, icon, QRectF(7, 4, 14, 14), lit ? QColor(Qt::white) : theme.text());
    return image;
}

QImage bottomBar(const Theme &theme)
{
    QImage image = Paint::canvas(windowWidth, bottomBarHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = Paint::rounded(
            QRectF(0, -windowRadius, windowWidth, bottomBarHeight + windowRadius), windowRadius);
    p.setClipRect(QRect(0, 0, windowWidth, bottomBarHeight));
    QLinearGradient fill(0, 0, 0, bottomBarHeight);
    fill.setColorAt(0, QColor(0x10, 0x13, 0x19, 235));
    fill.setColorAt(1, QColor(0x1a, 0x1f, 0x28, 235));
    p.fillPath(shape, fill);
    QPainterPath rule;
    rule.moveTo(0, 0.5);
    rule.lineTo(300, 0.5);
    rule.lineTo(318, 7.5);
    rule.lineTo(682, 7.5);
    rule.lineTo(700, 0.5);
    rule.lineTo(windowWidth, 0.5);
    Paint::glowStroke(p, rule, theme.accentAlpha(150), 1, 3);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int i = 0; i < 12; ++i) {
        p.drawLine(QPointF(40 + i * 6, 30), QPointF(46 + i * 6, 20));
        p.drawLine(QPointF(windowWidth - 40 - i * 6, 30), QPointF(windowWidth - 46 - i * 6, 20));
    }
    return image;
}

QImage bottomButton(const Theme &theme)
{
    QImage image = Paint::canvas(150, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(10, 1);
    shape.lineTo(149, 1);
    shape.lineTo(140, 31);
    shape.lineTo(1, 31);
    shape.closeSubpath();
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, theme.panelHigh().lighter(115));
    fill.setColorAt(1, theme.panel());
    p.fillPath(shape, fill);
    p.setPen(QPen(theme.accentAlpha(170), 1));
    p.drawPath(shape);
    p.fillRect(QRectF(14, 27, 122, 2), theme.accentAlpha(90));
    return image;
}

QImage profileContainer(const Theme &theme)
{
    QImage image = Paint::canvas(66, 136);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::panel(p, QRectF(0, 0, 66, 136), 8, theme, false);
    Paint::cornerMarks(p, QRectF(2, 2, 62, 132), 8, theme.accentAlpha(160));
    return image;
}

QImage profileEntry(const Theme &theme, bool lit)
{
    QImage image = Paint::canvas(50, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2.5, 3.5, 45, 23);
    if (lit) {
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, theme.accent);
        fill.setColorAt(1, theme.accentDeep);
        p.fillPath(Paint::rounded(r, 3), fill);
        Paint::glowStroke(p, Paint::rounded(r, 3), theme.accentAlpha(220), 1, 2.5);
    } else {
        p.fillPath(Paint::rounded(r, 3), theme.panelHigh());
        p.setPen(QPen(theme.line(), 1));
        p.drawPath(Paint::rounded(r, 3));
        p.fillRect(QRectF(r.left() + 3, r.top() + 4, 2, r.height() - 8), theme.accentAlpha(150));
    }
    return image;
}

QImage functionEntry(const Theme &theme, bool lit)
{
    QImage image = Paint::canvas(97, 29);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(1, 1);
    shape.lineTo(88, 1);
    shape.lineTo(96, 9);
    shape.lineTo(96, 28);
    shape.lineTo(1, 28);
    shape.closeSubpath();
    QLinearGradient fill(0, 0, 97, 0);
    if (lit) {
        fill.setColorAt(0, theme.accentDeep);
        fill.setColorAt(1, theme.accentDeep.darker(180));
    } else {
        fill.setColorAt(0, theme.panelHigh());
        fill.setColorAt(1, theme.panel());
    }
    p.fillPath(shape, fill);
    p.setPen(QPen(lit ? theme.accent : theme.line(), 1));
    p.drawPath(shape);
    p.fillRect(QRectF(1, 1, 3, 27), lit ? theme.accent : theme.accentAlpha(120));
    return image;
}

QImage functionIcon(const Theme &theme, Icons::Kind icon, bool lit)
{
    QImage image = Paint::canvas(17, 17);
    QPainter p(&image);
    Icons::draw(p, icon, QRectF(0.5, 0.5, 16, 16),
                lit ? theme.accent.lighter(120) : theme.textDim());
    return image;
}

QImage appIcon(const Theme &theme, int size)
{
    QImage image = Paint::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = size / 2.0;
    QRadialGradient halo(QPointF(r, r), r);
    halo.setColorAt(0.6, theme.accentAlpha(90));
    halo.setColorAt(1, theme.accentAlpha(0));
    if (size >= 32)
        p.fillRect(image.rect(), halo);
    emblem(p, QPointF(r, r), r * (size >= 32 ? 0.86 : 0.98), theme, true);
    return image;
}

} // namespace Chrome
