#include "SettingsFile.h"

#include "FileReplace.h"
#include "LegacyIniCodec.h"

#include <QFile>
#include <QFileInfo>

namespace SettingsFile {

FileFailure update(const QString &path, const Change &change)
{
    QSettings::SettingsMap map;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile())
            return FileFailure::NotAFile;
        if (info.size() > FileReplace::kMaxSize)
            return FileFailure::TooLarge;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return FileFailure::Unreadable;
        // Keys of a damaged file are kept as far as they read, as a settings object would.
        LegacyIniCodec::parse(file.readAll(), map);
    }
    change(map);
    return FileReplace::writeOver(path, LegacyIniCodec::serialize(map));
}

} // namespace SettingsFile
