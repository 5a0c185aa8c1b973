#pragma once

#include "FileFailure.h"

#include <QByteArray>
#include <QString>

class QFileDevice;
class QSettings;

// Every file the program writes goes through here: written whole beside the target, each
// write checked, synced to disk, then renamed over it. A failure leaves the old file as it
// was, byte for byte, and names its reason.
namespace FileReplace {

// Largest file a copy takes: profiles, macros and settings are a few kilobytes.
constexpr qint64 kMaxSize = 1024 * 1024;

// Replaces target with data. A symbolic link at target is replaced itself, never written through.
FileFailure writeOver(const QString &target, const QByteArray &data);

// writeOver with the content of source. Sources that are no regular file (folders, pipes,
// devices) or are larger than kMaxSize are refused.
FileFailure copyOver(const QString &source, const QString &target);

// The settings writer's part: fills the temporary file the settings library renames into
// place afterwards, and syncs it. A failure here keeps the library from renaming it.
FileFailure writeAll(QFileDevice &file, const QByteArray &data);

// Writes the pending changes of a settings object that has some, and tells whether they
// reached the disk. An unheld lock file beside it, left by a crash, is removed first.
FileFailure sync(QSettings &settings);

// Removes what a crash in the middle of a write left in folder: temporary files of the
// "*.bin" files and settings lock files that nobody holds.
void removeLeftovers(const QString &folder);

} // namespace FileReplace
