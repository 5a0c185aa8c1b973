#include "KeyboardArt.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>

namespace KeyboardArt {
namespace {

const int caseMargin = 14;
const int glowMargin = 12;
const int profileKeyType = 11;
const int mediaKeyType = 10;

void drawCap(QPainter &p, const QRectF &r, int type, const Theme &theme)
{
    const qreal radius = type == mediaKeyType ? r.height() / 2 : 4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Skirt of the cap: darker, with the shadow at the bottom.
    QLinearGradient skirt(r.topLeft(), r.bottomLeft());
    skirt.setColorAt(0, QColor(0x30, 0x37, 0x43));
    skirt.setColorAt(1, QColor(0x0c, 0x0f, 0x14));
    p.fillPath(Paint::rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius), skirt);
    // Top face, inset more at the bottom so the cap looks sculpted.
    const QRectF top = r.adjusted(2, 1.5, -2, type == mediaKeyType ? -2.5 : -4);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    if (type == profileKeyType) {
        face.setColorAt(0, theme.accentDeep.lighter(125));
        face.setColorAt(1, theme.accentDeep.darker(160));
    } else {
        face.setColorAt(0, QColor(0x2b, 0x32, 0x3d));
        face.setColorAt(1, QColor(0x1b, 0x20, 0x28));
    }
    p.fillPath(Paint::rounded(top, qMax<qreal>(1, radius - 1)), face);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Paint::rounded(top.adjusted(0.5, 0.5, -0.5, -0.5), qMax<qreal>(1, radius - 1.5)));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawPath(Paint::rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    p.restore();
}

void arrow(QPainter &p, const QRectF &r, qreal angle, const QColor &colour, qreal size)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    QPainterPath tri;
    tri.moveTo(size * 0.6, 0);
    tri.lineTo(-size * 0.45, -size * 0.55);
    tri.lineTo(-size * 0.45, size * 0.55);
    tri.closeSubpath();
    p.fillPath(tri, colour);
    p.restore();
}

} // namespace

void legend(QPainter &p, const QRectF &rect, const QString &name, const QColor &colour,
            qreal pixelSize)
{
    static const QMap<QString, qreal> arrows = {{QStringLiteral("\u25ba"), 0},
                                                {QStringLiteral("\u25bc"), 90},
                                                {QStringLiteral("\u25c4"), 180},
                                                {QStringLiteral("\u25b2"), 270}};
    if (arrows.contains(name)) {
        arrow(p, rect, arrows.value(name), colour, pixelSize * 0.8);
        return;
    }
    QFont font = Paint::font(pixelSize, true);
    // A tall cap ("KP Enter") takes its words on lines of their own, as the pages draw it,
    // rather than one line shrunk to nothing.
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    const bool wraps = words.size() > 1 && rect.height() >= 2.5 * QFontMetricsF(font).height();
    const QString widest = wraps ? *std::max_element(
                                   words.begin(), words.end(),
                                   [&](const QString &a, const QString &b) {
                                       return QFontMetricsF(font).horizontalAdvance(a)
                                              < QFontMetricsF(font).horizontalAdvance(b);
                                   })
                                 : name;
    // Long labels shrink until they fit the cap, as a printed legend would.
    while (QFontMetricsF(font).horizontalAdvance(widest) > rect.width() - 3 && font.pixelSize() > 6)
        font.setPixelSize(font.pixelSize() - 1);
    Paint::centredText(p, rect, name, font, colour, wraps ? Qt::TextWordWrap : 0);
}

QImage cap(const QSize &size, int type, const Theme &theme)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter p(&image);
    drawCap(p, QRectF(QPointF(0, 0), size), type, theme);
    return image;
}

QImage frame(const QSize &size, const Theme &theme)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), size);
    const qreal radius = size.height() <= 20 ? size.height() / 2.0 : 4;
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(theme.accentAlpha(60 - i * 18), 1));
        p.drawPath(Paint::rounded(r.adjusted(2.5 + i, 2.5 + i, -2.5 - i, -2.5 - i),
                                  qMax<qreal>(1, radius - 2 - i)));
    }
    p.setPen(QPen(theme.accent, 1.6));
    p.drawPath(Paint::rounded(r.adjusted(1, 1, -1, -1), radius));
    return image;
}

QImage keyboard(const QList<KeyRow> &keys, const QMap<int, QSize> &caps, const Theme &theme)
{
    QRect extent;
    for (const KeyRow &key : keys)
        extent |= QRect(QPoint(key.x, key.y), caps.value(key.type));
    const int offset = glowMargin + caseMargin;
    const QSize size(extent.right() + 1 + 2 * offset, extent.bottom() + 1 + 2 * offset);
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Under-glow and case.
    const QRectF body =
            QRectF(QPointF(0, 0), size).adjusted(glowMargin, glowMargin, -glowMargin, -glowMargin);
    for (int i = glowMargin; i > 0; i -= 2)
        p.fillPath(Paint::rounded(body.adjusted(-i, -i + 4, i, i + 2), 14 + i),
                   theme.accentAlpha(5 + (glowMargin - i)));
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, QColor(0x2a, 0x31, 0x3c));
    shell.setColorAt(0.08, QColor(0x1a, 0x1f, 0x27));
    shell.setColorAt(1, QColor(0x0d, 0x10, 0x15));
    p.fillPath(Paint::rounded(body, 14), shell);
    p.setPen(QPen(theme.accentAlpha(170), 1.2));
    p.drawPath(Paint::rounded(body.adjusted(0.6, 0.6, -0.6, -0.6), 14));
    const QRectF plate = body.adjusted(caseMargin - 6, caseMargin - 6, -(caseMargin - 6),
                                       -(caseMargin - 6));
    p.fillPath(Paint::rounded(plate, 8), QColor(0x08, 0x0a, 0x0e));
    p.save();
    p.setClipPath(Paint::rounded(plate, 8));
    Paint::hexGrid(p, plate, 7, QColor(255, 255, 255, 7));
    p.restore();

    // Brand mark and lock lights in the free space left of the media keys.
    QFont brand = Paint::font(16, true);
    brand.setItalic(true);
    p.setFont(brand);
    p.setPen(theme.accent);
    p.drawText(QRectF(offset + 4, offset - 2, 40, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("K3"));
    QFont model = Paint::font(9, true);
    model.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(model);
    p.setPen(theme.textDim());
    p.drawText(QRectF(offset + 36, offset - 2, 200, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("GAMING KEYBOARD"));
    for (int i = 0; i < 3; ++i) {
        const QPointF led(offset + 290 + i * 26, offset + 8);
        QRadialGradient light(led, 6);
        light.setColorAt(0, theme.accent);
        light.setColorAt(0.35, theme.accentAlpha(120));
        light.setColorAt(1, theme.accentAlpha(0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(led, 6, 6);
    }

    for (const KeyRow &key : keys) {
        const QRectF r(QPointF(key.x + offset, key.y + offset), caps.value(key.type));
        drawCap(p, r, key.type, theme);
        const QRectF face = r.adjusted(2, 1, -2, key.type == mediaKeyType ? -2 : -4);
        // Backlight bleeding around the legend, then the legend itself.
        QRadialGradient bleed(face.center(), face.height() * 0.7);
        bleed.setColorAt(0, theme.accentAlpha(34));
        bleed.setColorAt(1, theme.accentAlpha(0));
        p.fillPath(Paint::rounded(face, 3), bleed);
        const QColor ink = key.type == profileKeyType ? QColor(Qt::white)
                                                      : theme.accent.lighter(115);
        legend(p, face, key.name, ink, key.type == mediaKeyType ? 7 : 9);
    }
    return image;
}

} // namespace KeyboardArt
