#pragma once

#include <QMap>
#include <QString>
#include <QVariantList>

// KeyCodeDef.bin: per layout mode the key names and their one-byte codes.
class KeyNameTable
{
public:
    explicit KeyNameTable(const QString &path = QStringLiteral("./modules/setting/KeyCodeDef.bin"));

    QVariantList names(uchar layoutMode) const;
    QVariantList codes(uchar layoutMode) const;

    // Name i -> low byte of code i, over the shorter list; the last of equal names wins.
    static QMap<QString, uchar> map(const QVariantList &names, const QVariantList &codes);

private:
    QVariantList list(uchar layoutMode, const QString &key) const;

    QString m_path;
};
