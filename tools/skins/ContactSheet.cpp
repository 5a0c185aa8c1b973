#include "ContactSheet.h"

#include "KeyboardArt.h"
#include "Paint.h"

#include <QDir>
#include <QDirIterator>

namespace ContactSheet {
namespace {

const int sheetWidth = 1640;
const int margin = 24;
const int labelHeight = 30;
const int gutter = 16;
const int minimumTile = 190;
const QColor sheetColour(0x30, 0x33, 0x38);
const QColor inkColour(0xe8, 0xea, 0xee);

struct Tile
{
    QString path;
    QImage image;
    QSize shown;
};

void checker(QPainter &p, const QRect &rect)
{
    p.save();
    p.setClipRect(rect);
    for (int y = rect.top(); y < rect.bottom(); y += 8)
        for (int x = rect.left(); x < rect.right(); x += 8)
            p.fillRect(x, y, 8, 8,
                       ((x - rect.left()) / 8 + (y - rect.top()) / 8) % 2
                               ? QColor(0x4a, 0x4d, 0x52)
                               : QColor(0x3e, 0x41, 0x46));
    p.restore();
}

QSize shownSize(const QSize &size)
{
    if (size.width() <= 40 && size.height() <= 40)
        return size * 2;
    const qreal scale = qMin<qreal>(1.0, qMin(380.0 / size.width(), 240.0 / size.height()));
    return (QSizeF(size) * scale).toSize();
}

// The keyboard model as the pages build it: k<type>-0.png at (x, y), the label centred in white.
QImage tableKeyboard(const QString &skinFolder, const QList<KeyRow> &keys)
{
    QRect extent;
    QMap<int, QImage> caps;
    for (const KeyRow &key : keys) {
        if (!caps.contains(key.type))
            caps.insert(key.type,
                        QImage(skinFolder + QStringLiteral("/model_kb/k%1-0.png").arg(key.type)));
        extent |= QRect(QPoint(key.x, key.y), caps.value(key.type).size());
    }
    QImage image = Paint::canvas(extent.right() + 1, extent.bottom() + 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const KeyRow &key : keys) {
        const QImage &cap = caps.value(key.type);
        p.drawImage(key.x, key.y, cap);
        KeyboardArt::legend(p, QRectF(key.x, key.y, cap.width(), cap.height() - 3), key.name,
                            Qt::white, 9);
    }
    return image;
}

} // namespace

QImage draw(const QString &skinFolder, const QList<KeyRow> &usKeys, const QList<KeyRow> &spanishKeys)
{
    QList<Tile> tiles;
    QDirIterator it(skinFolder, {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QImage image(file);
        tiles.append({QDir(skinFolder).relativeFilePath(file), image, shownSize(image.size())});
    }
    std::sort(tiles.begin(), tiles.end(),
              [](const Tile &a, const Tile &b) { return a.path < b.path; });

    const QImage us = tableKeyboard(skinFolder, usKeys);
    const QImage spanish = tableKeyboard(skinFolder, spanishKeys);
    const int headerHeight = 60 + us.height() + labelHeight + gutter;

    // Flow layout: measure first, then paint.
    QList<QPoint> places;
    int x = margin, y = headerHeight, rowHeight = 0;
    for (const Tile &tile : tiles) {
        const int w = qMax(tile.shown.width(), minimumTile);
        if (x + w > sheetWidth - margin) {
            x = margin;
            y += rowHeight + gutter;
            rowHeight = 0;
        }
        places.append(QPoint(x, y));
        x += w + gutter;
        rowHeight = qMax(rowHeight, tile.shown.height() + labelHeight);
    }
    QImage sheet(sheetWidth, y + rowHeight + margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(sheetColour);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    p.setPen(inkColour);
    p.setFont(Paint::font(20, true));
    p.drawText(QRect(margin, 12, sheetWidth, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 \u2014 %2 pictures")
                       .arg(QDir(skinFolder).dirName())
                       .arg(tiles.size()));
    p.setFont(Paint::font(12));
    const int half = (sheetWidth - 3 * margin) / 2;
    p.drawText(QRect(margin, 44, half, 18), Qt::AlignLeft,
               QStringLiteral("Hardware table, layout 0 (US labels)"));
    p.drawText(QRect(2 * margin + half, 44, half, 18), Qt::AlignLeft,
               QStringLiteral("Hardware table, layout 1 (Spanish labels)"));
    p.fillRect(QRect(margin, 62, us.width(), us.height()), QColor(0x0c, 0x0f, 0x14));
    p.fillRect(QRect(2 * margin + half, 62, spanish.width(), spanish.height()),
               QColor(0x0c, 0x0f, 0x14));
    p.drawImage(margin, 62, us);
    p.drawImage(2 * margin + half, 62, spanish);

    for (int i = 0; i < tiles.size(); ++i) {
        const Tile &tile = tiles.at(i);
        const QRect box(places.at(i), tile.shown);
        checker(p, box);
        p.drawImage(box, tile.image);
        p.setPen(inkColour);
        p.setFont(Paint::font(10));
        p.drawText(QRect(box.left(), box.bottom() + 3, qMax(box.width(), minimumTile), 14),
                   Qt::AlignLeft, tile.path);
        p.setPen(QColor(0xa0, 0xa6, 0xb0));
        p.drawText(QRect(box.left(), box.bottom() + 16, 150, 14), Qt::AlignLeft,
                   QStringLiteral("%1 \u00d7 %2").arg(tile.image.width()).arg(tile.image.height()));
    }
    return sheet;
}

QImage window(const QString &skinFolder)
{
    const auto picture = [&skinFolder](const QString &path) {
        return QImage(skinFolder + QLatin1Char('/') + path);
    };
    QImage image = Paint::canvas(1000, 600);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont label = Paint::font(11, true);
    const QColor lit(Qt::white), dim(0xaa, 0xaa, 0xaa);

    p.drawImage(QRect(0, 0, 1000, 600), picture(QStringLiteral("background.png")));
    p.drawImage(152, 141, picture(QStringLiteral("keyboard.png")));
    p.drawImage(0, 0, picture(QStringLiteral("list_up/listUpContainer.png")));
    const QImage command = picture(QStringLiteral("list_up/cmdBg.png"));
    const QImage close = picture(QStringLiteral("list_up/applicationClose_0.png"));
    const int buttonY = 16 + 12 - close.height() / 2;
    p.drawImage(QRect(866, buttonY + close.height() / 2 - command.height() / 2,
                      949 + close.width() + 10 - 866, command.height()),
                command);
    p.drawImage(876, buttonY, picture(QStringLiteral("list_up/applicationSetting_1.png")));
    p.drawImage(913, buttonY, picture(QStringLiteral("list_up/applicationMinimize_0.png")));
    p.drawImage(949, buttonY, close);
    p.drawImage(20, 9, picture(QStringLiteral("frame/web_0.png")));

    p.drawImage(0, 551, picture(QStringLiteral("list_dn/listDnContainer.png")));
    const QImage bottomButton = picture(QStringLiteral("list_dn/listDownButtonBg.png"));
    const int bottomY = 551 + (49 - bottomButton.height()) / 2;
    p.drawImage(337, bottomY, bottomButton);
    p.drawImage(504, bottomY, bottomButton);
    Paint::centredText(p, QRectF(337, bottomY, bottomButton.width(), bottomButton.height()),
                       QStringLiteral("ALL RESET"), label, lit);
    Paint::centredText(p, QRectF(504, bottomY, bottomButton.width(), bottomButton.height()),
                       QStringLiteral("ALL SAVE"), label, dim);

    const QStringList functions = {QStringLiteral("KEY"), QStringLiteral("MACRO"),
                                   QStringLiteral("COLOR")};
    const QStringList icons = {QStringLiteral("fnKeydefine"), QStringLiteral("fnMacro"),
                               QStringLiteral("fnColor")};
    for (int i = 0; i < 3; ++i) {
        const int y = (600 - (3 * 29 + 2 * 20)) / 2 + i * 49;
        const bool hovered = i == 0;
        p.drawImage(16, y, picture(QStringLiteral("list_fn/listFnBtn_%1.png").arg(hovered ? 1 : 0)));
        p.drawImage(QRect(24, y + 6, 17, 17),
                    picture(QStringLiteral("list_fn/%1_%2.png").arg(icons[i]).arg(hovered ? 1 : 0)));
        Paint::centredText(p, QRectF(41, y, 97 - 41 - 6, 29), functions[i], label,
                           hovered ? lit : dim);
    }

    const QImage container = picture(QStringLiteral("list_pf/listPfContainer.png"));
    const QRect profiles(1000 - 15 - 50, (600 - 120) / 2, 50, 120);
    p.drawImage(profiles.center().x() + 1 - container.width() / 2,
                profiles.center().y() + 1 - container.height() / 2, container);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    arial.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const QRect entry(profiles.x(), profiles.y() + i * 30, 50, 30);
        p.drawImage(entry.topLeft(),
                    picture(QStringLiteral("list_pf/profileFW_%1.png").arg(i == 0 ? 1 : 0)));
        Paint::centredText(p, entry, QStringLiteral("P%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                           arial, i == 0 ? lit : dim);
    }
    return image;
}

} // namespace ContactSheet
