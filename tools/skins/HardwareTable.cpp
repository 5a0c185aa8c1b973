#include "HardwareTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace HardwareTable {

QList<KeyRow> read(const QString &file, int section)
{
    QSettings table(file, QSettings::IniFormat);
    const QString prefix = QString::number(section) + QLatin1Char('/');
    const int rows = table.value(prefix + QStringLiteral("total_HW")).toInt();
    QList<KeyRow> keys;
    for (int r = 1; r <= rows; ++r) {
        const QStringList row = table.value(prefix + QString::number(r)).toStringList();
        if (row.size() < 6)
            continue;
        keys.append({row[0].toInt(), row[1].toInt(), row[2].toInt(), row[3], row[4].toInt(),
                     row[5].toUInt()});
    }
    return keys;
}

QMap<int, QSize> capSizes(const QString &jsonFile)
{
    QFile file(jsonFile);
    QMap<int, QSize> sizes;
    if (!file.open(QIODevice::ReadOnly))
        return sizes;
    const QJsonObject types = QJsonDocument::fromJson(file.readAll())
                                      .object()
                                      .value(QStringLiteral("types"))
                                      .toObject();
    for (auto it = types.begin(); it != types.end(); ++it) {
        const QJsonArray size = it.value().toArray();
        sizes.insert(it.key().toInt(), QSize(size.at(0).toInt(), size.at(1).toInt()));
    }
    return sizes;
}

} // namespace HardwareTable
