#pragma once

#include <QString>
#include <QStringList>

// The two start-up values the shell takes from the application settings.
// An absent file or key gives an empty result.

inline const QString kApConfigPath = QStringLiteral("./modules/setting/apConfig.bin");

// The main window's title: common/name.
QString readWindowTitle(const QString &apConfigPath = kApConfigPath);

// The display names of the device catalogue's entries: common/product_name.
QStringList readProductNames(const QString &apConfigPath = kApConfigPath);
