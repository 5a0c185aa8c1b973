#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

class QIODevice;

// Reading and writing of the legacy INI dialect; LegacyIni::format() plugs
// these into QSettings. The pieces are public so tests can check single values.
namespace LegacyIniCodec {

bool read(QIODevice &device, QSettings::SettingsMap &map);
bool write(QIODevice &device, const QSettings::SettingsMap &map);

// Whole-file forms of read/write.
bool parse(const QByteArray &data, QSettings::SettingsMap &map);
QByteArray serialize(const QSettings::SettingsMap &map);

// One value as it stands right of the '=' sign, and back.
QByteArray encodeValue(const QVariant &value);
QVariant decodeValue(const QByteArray &text);

// Key names: '/' as '\', other characters outside [A-Za-z0-9_.-] as %XX or %UXXXX.
QByteArray encodeKey(const QString &key);
QString decodeKey(const QByteArray &text);

} // namespace LegacyIniCodec
