// k3skins: draws the shipped skins, the program icon and the skins' contact sheets.
//   k3skins pictures <repository> <icon folder>   skins into modules/img/, icon sizes into <icon
//   folder> k3skins sheets <repository>                   contact sheets and window views into
//   docs/data/
#include "Catalogue.h"
#include "Chrome.h"
#include "ContactSheet.h"
#include "HardwareTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Pictures the scene uses beyond the named ones, one relative path per line.
QStringList scenePictures(const QString &repository)
{
    QFile file(repository + QStringLiteral("/tools/scene-pictures.txt"));
    QStringList paths;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return paths;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            paths.append(line);
    }
    return paths;
}

bool writeImage(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        err() << "cannot write " << path << Qt::endl;
        return false;
    }
    return true;
}

int drawPictures(const QString &repository, const QString &iconFolder)
{
    const QList<KeyRow> keys = HardwareTable::read(
            repository + QStringLiteral("/modules/setting/HWDef0.bin"), 0);
    const QMap<int, QSize> caps = HardwareTable::capSizes(
            repository + QStringLiteral("/tools/data/keycaps.json"));
    if (keys.isEmpty() || caps.isEmpty()) {
        err() << "no hardware table or key-cap sizes under " << repository << Qt::endl;
        return 1;
    }
    for (const Theme &theme : {skinOne(), skinTwo()}) {
        const QList<Picture> pictures = Catalogue::pictures(theme, keys, caps);
        QSet<QString> drawn;
        for (const Picture &picture : pictures) {
            if (!writeImage(picture.draw(), repository
                                                    + QStringLiteral("/modules/img/%1/%2")
                                                              .arg(theme.folder, picture.path)))
                return 1;
            drawn.insert(picture.path);
        }
        for (const QString &path : scenePictures(repository)) {
            if (!drawn.contains(path)) {
                err() << "tools/scene-pictures.txt names " << path << ", which no painter draws"
                      << Qt::endl;
                return 1;
            }
        }
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (!writeImage(
                    Chrome::appIcon(skinOne(), size),
                    iconFolder + QStringLiteral("/icon-%1.png").arg(size, 3, 10, QLatin1Char('0'))))
            return 1;
    }
    return 0;
}

int drawSheets(const QString &repository)
{
    const QString table = repository + QStringLiteral("/modules/setting/HWDef0.bin");
    const QList<KeyRow> us = HardwareTable::read(table, 0);
    const QList<KeyRow> spanish = HardwareTable::read(table, 1);
    for (const QString &skin : {QStringLiteral("skin1"), QStringLiteral("skin2")}) {
        const QImage sheet = ContactSheet::draw(repository + QStringLiteral("/modules/img/") + skin,
                                                us, spanish);
        if (!writeImage(sheet, repository + QStringLiteral("/docs/data/%1-sheet.png").arg(skin)))
            return 1;
        const QImage window = ContactSheet::window(repository + QStringLiteral("/modules/img/")
                                                   + skin);
        if (!writeImage(window, repository + QStringLiteral("/docs/data/%1-window.png").arg(skin)))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err() << "usage: k3skins pictures <repository> <icon folder> | k3skins sheets <repository>"
              << Qt::endl;
        return 2;
    }
    const QString repository = QDir(args.at(2)).absolutePath();
    if (QFontDatabase::addApplicationFont(repository
                                          + QStringLiteral("/modules/font/Exo-Medium.ttf"))
        < 0) {
        err() << "cannot load modules/font/Exo-Medium.ttf" << Qt::endl;
        return 1;
    }
    if (args.at(1) == QLatin1String("pictures") && args.size() >= 4)
        return drawPictures(repository, args.at(3));
    if (args.at(1) == QLatin1String("sheets"))
        return drawSheets(repository);
    err() << "unknown command " << args.at(1) << Qt::endl;
    return 2;
}
