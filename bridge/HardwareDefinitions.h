#pragma once

#include <QString>
#include <QVariantList>

// The hardware definition files: per layout, every key's place on the
// keyboard picture, key-cap picture, label, matrix position and default code.
class HardwareDefinitions
{
public:
    explicit HardwareDefinitions(const QString &folder = QStringLiteral("./modules/setting"));

    // [rows, matrix size, then x, y, keyType, name, matrix, keyCode per row]
    // from section `layout` of HWDef<suffix>.bin. Missing rows and elements read as 0 / "".
    QVariantList table(const QString &suffix, uint layout) const;
    // common/kbLayoutType of HWDef.bin, low 8 bits; 0 when absent.
    uchar initialLayoutMode() const;

private:
    QString m_folder;
};
