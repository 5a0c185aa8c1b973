#pragma once

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

// One key row of a hardware definition section, and the key-cap sizes per key type.
struct KeyRow
{
    int x = 0;
    int y = 0;
    int type = 0;
    QString name;
    int matrix = 0;
    uint code = 0;
};

namespace HardwareTable {

QList<KeyRow> read(const QString &file, int section);
// Key type -> key-cap picture size, from tools/data/keycaps.json.
QMap<int, QSize> capSizes(const QString &jsonFile);

} // namespace HardwareTable
