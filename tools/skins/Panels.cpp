#include "Panels.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Panels {
namespace {

const int pageWidth = 792;
const int pageHeight = 442;

QPainterPath chamfered(const QRectF &r, qreal cut)
{
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right() - cut, r.top());
    path.lineTo(r.right(), r.top() + cut);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + cut, r.bottom());
    path.lineTo(r.left(), r.bottom() - cut);
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

void glassPanel(QPainter &p, const QRectF &r, qreal cut, const Theme &theme)
{
    const QPainterPath shape = chamfered(r.adjusted(0.5, 0.5, -0.5, -0.5), cut);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x17, 0x1c, 0x24, 240));
    fill.setColorAt(1, QColor(0x0b, 0x0e, 0x12, 240));
    p.fillPath(shape, fill);
    p.save();
    p.setClipPath(shape);
    Paint::hexGrid(p, r, 14, QColor(255, 255, 255, 6));
    QRadialGradient light(QPointF(r.center().x(), r.top()), r.width() * 0.6);
    light.setColorAt(0, theme.accentAlpha(28));
    light.setColorAt(1, theme.accentAlpha(0));
    p.fillRect(r, light);
    p.restore();
    p.setPen(QPen(theme.line(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    // Accent edges on the chamfers only.
    QPainterPath cuts;
    cuts.moveTo(r.left() + 0.5, r.top() + cut + 30);
    cuts.lineTo(r.left() + 0.5, r.top() + cut);
    cuts.lineTo(r.left() + cut, r.top() + 0.5);
    cuts.lineTo(r.left() + cut + 60, r.top() + 0.5);
    cuts.moveTo(r.right() - 0.5, r.bottom() - cut - 30);
    cuts.lineTo(r.right() - 0.5, r.bottom() - cut);
    cuts.lineTo(r.right() - cut, r.bottom() - 0.5);
    cuts.lineTo(r.right() - cut - 60, r.bottom() - 0.5);
    Paint::glowStroke(p, cuts, theme.accent, 1.5, 3);
}

} // namespace

QImage page(const Theme &theme, const Icons::Kind *watermark)
{
    QImage image = Paint::canvas(pageWidth, pageHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    glassPanel(p, QRectF(0, 0, pageWidth, pageHeight), 14, theme);
    if (watermark) {
        p.setOpacity(0.07);
        Icons::draw(p, *watermark, QRectF(pageWidth - 150, pageHeight - 150, 120, 120),
                    theme.accent);
        p.setOpacity(1);
    }
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(pageWidth - 130 + i * 8, 10.5), QPointF(pageWidth - 124 + i * 8, 4.5));
    return image;
}

QImage settings(const Theme &theme)
{
    QImage image = Paint::canvas(319, 411);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    glassPanel(p, QRectF(0, 0, 319, 411), 12, theme);
    // The page writes its own title above this rule.
    p.fillRect(QRectF(14, 34, 291, 1), theme.accentAlpha(90));
    return image;
}

QImage mouse(const Theme &theme, bool showZones)
{
    QImage image = Paint::canvas(220, 340);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shell;
    shell.moveTo(110, 20);
    shell.cubicTo(175, 20, 200, 80, 198, 160);
    shell.cubicTo(196, 250, 170, 320, 110, 322);
    shell.cubicTo(50, 320, 24, 250, 22, 160);
    shell.cubicTo(20, 80, 45, 20, 110, 20);
    for (int i = 10; i > 0; i -= 2)
        p.fillPath(shell.translated(0, i / 2.0), QColor(0, 0, 0, 14));
    QLinearGradient fill(0, 20, 0, 322);
    fill.setColorAt(0, QColor(0x2a, 0x31, 0x3c));
    fill.setColorAt(1, QColor(0x10, 0x13, 0x19));
    p.fillPath(shell, fill);
    p.setPen(QPen(theme.line(), 1.2));
    p.drawPath(shell);

    // Buttons: a split line, the wheel and two side buttons.
    QPainterPath split;
    split.moveTo(110, 22);
    split.lineTo(110, 130);
    split.moveTo(30, 130);
    split.cubicTo(70, 138, 150, 138, 190, 130);
    const QRectF wheel(100, 52, 20, 44);
    const QRectF side1(20, 150, 9, 34), side2(20, 192, 9, 34);
    if (showZones) {
        Paint::glowStroke(p, split, theme.accent, 1.2, 3);
        QPainterPath logo;
        logo.addEllipse(QPointF(110, 240), 20, 20);
        Paint::glowStroke(p, logo, theme.accent, 2, 5);
        Paint::centredText(p, QRectF(90, 220, 40, 40), QStringLiteral("M3"), Paint::font(13, true),
                           theme.accent);
        QPainterPath strip;
        strip.moveTo(40, 280);
        strip.cubicTo(70, 312, 150, 312, 180, 280);
        Paint::glowStroke(p, strip, theme.accent, 2.5, 6);
    } else {
        p.setPen(QPen(theme.accentAlpha(200), 1.2, Qt::DashLine));
        p.drawPath(split);
        p.setPen(QPen(theme.accent, 1.5));
        p.setBrush(theme.accentAlpha(40));
        p.drawRoundedRect(side1, 3, 3);
        p.drawRoundedRect(side2, 3, 3);
        Paint::centredText(p, QRectF(90, 220, 40, 40), QStringLiteral("M3"), Paint::font(13, true),
                           theme.textDim());
    }
    QLinearGradient wheelFill(wheel.topLeft(), wheel.bottomLeft());
    wheelFill.setColorAt(0, QColor(0x3a, 0x42, 0x4f));
    wheelFill.setColorAt(0.5, QColor(0x16, 0x1a, 0x21));
    wheelFill.setColorAt(1, QColor(0x3a, 0x42, 0x4f));
    p.setPen(QPen(showZones ? theme.accent : theme.line(), 1));
    p.setBrush(wheelFill);
    p.drawRoundedRect(wheel, 8, 8);
    return image;
}

} // namespace Panels
