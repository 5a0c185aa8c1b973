#include "ApConfigValues.h"

#include "LegacyIni.h"

#include <QSettings>

QString readWindowTitle(const QString &apConfigPath)
{
    const QSettings settings(apConfigPath, LegacyIni::format());
    return settings.value(QStringLiteral("common/name"), QString()).toString();
}

QStringList readProductNames(const QString &apConfigPath)
{
    const QSettings settings(apConfigPath, LegacyIni::format());
    return settings.value(QStringLiteral("common/product_name")).toStringList();
}
