#pragma once

#include "HidDevice.h"

#include <QList>
#include <QString>
#include <QStringList>

// The supported devices as the embedded catalogue lists them.
struct DeviceCatalogue
{
    QList<DevInfo> entries;
    bool isEncode = false;
};

// Reads the catalogue; entry i is named productNames[i], or "" when the list is shorter.
DeviceCatalogue readDeviceCatalogue(const QStringList &productNames,
                                    const QString &fileName = QStringLiteral(":/DevInfo.ini"));
