#pragma once

#include <QString>

// English names of the language and country numbers that language file
// names carry. These are the numbers of the first generation's locale
// tables; today's QLocale numbers them differently.
namespace LegacyLocaleNames {

QString language(int number);
QString country(int number);

} // namespace LegacyLocaleNames
