#include "KeyNameTable.h"

#include "LegacyIni.h"
#include "SettingsValues.h"

#include <QSettings>

KeyNameTable::KeyNameTable(const QString &path)
    : m_path(path)
{}

QVariantList KeyNameTable::list(uchar layoutMode, const QString &key) const
{
    const QSettings file(m_path, LegacyIni::format());
    return SettingsValues::list(file.value(QString::number(layoutMode) + u'/' + key));
}

QVariantList KeyNameTable::names(uchar layoutMode) const
{
    return list(layoutMode, QStringLiteral("usbStr"));
}

QVariantList KeyNameTable::codes(uchar layoutMode) const
{
    return list(layoutMode, QStringLiteral("usbCode"));
}

QMap<QString, uchar> KeyNameTable::map(const QVariantList &names, const QVariantList &codes)
{
    QMap<QString, uchar> result;
    const qsizetype n = qMin(names.size(), codes.size());
    for (qsizetype i = 0; i < n; ++i)
        result.insert(names.at(i).toString(), uchar(codes.at(i).toString().toUInt()));
    return result;
}
