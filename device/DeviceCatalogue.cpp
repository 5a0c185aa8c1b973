#include "DeviceCatalogue.h"

#include <QSettings>

namespace {

// Hexadecimal fields read as 0 when they are not valid hexadecimal text.
quint16 hex16(const QSettings &s, const QString &key)
{
    return quint16(s.value(key).toString().toUInt(nullptr, 16));
}

DevInfo readEntry(QSettings &s, int index, const QStringList &productNames)
{
    s.beginGroup(QString::number(index));
    DevInfo info;
    info.type = s.value(QStringLiteral("type"), QStringLiteral("-1")).toString().toInt(nullptr, 16);
    info.vid = hex16(s, QStringLiteral("vid"));
    info.pid = hex16(s, QStringLiteral("pid"));
    info.usagePage = hex16(s, QStringLiteral("usagePage"));
    info.usage = hex16(s, QStringLiteral("usage"));
    info.usagePage2 = hex16(s, QStringLiteral("usagePage2"));
    info.usage2 = hex16(s, QStringLiteral("usage2"));
    info.lib = s.value(QStringLiteral("lib")).toString();
    info.productName = productNames.value(index);
    info.reportLength = s.value(QStringLiteral("reportLength"), 0).toString().toUInt();
    s.endGroup();
    return info;
}

} // namespace

DeviceCatalogue readDeviceCatalogue(const QStringList &productNames, const QString &fileName)
{
    QSettings s(fileName, QSettings::IniFormat);
    DeviceCatalogue catalogue;
    const int total = s.value(QStringLiteral("common/total"), 0).toInt();
    for (int i = 0; i < total; ++i)
        catalogue.entries.append(readEntry(s, i, productNames));
    catalogue.isEncode = s.value(QStringLiteral("common/isEncode"), false).toBool();
    return catalogue;
}
