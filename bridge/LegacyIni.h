#pragma once

#include <QSettings>

// The settings-file dialect every file of the program is read and written in:
// INI as the first generation of this program wrote it, so files move between
// both unchanged. Non-ASCII text is written as \x escapes (U+25BC -> \x25bc),
// lists as "a, b, c", numbers and truth values as plain text. Readers accept
// raw UTF-8 too (language files, key-name and hardware tables are UTF-8).
namespace LegacyIni {

// The registered format; use it for every QSettings object of the program.
QSettings::Format format();

} // namespace LegacyIni
