#pragma once

#include "FileFailure.h"

#include <QSettings>
#include <QString>

#include <functional>

// One settings file changed in a single step: read, changed, and written whole through
// FileReplace, without a settings object. A settings object that failed to write keeps
// its change and shows it as stored; files a page changes and reads straight back (the
// macros, the application settings) are changed this way so they show what is on disk.
namespace SettingsFile {

using Change = std::function<void(QSettings::SettingsMap &)>;

// A missing file starts empty; one that cannot be read is left alone.
FileFailure update(const QString &path, const Change &change);

} // namespace SettingsFile
