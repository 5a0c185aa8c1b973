#include "FileReplace.h"

#include "WriteSeam.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReplace {
namespace {

// What the settings writer did during one sync. The settings library calls it without
// context and reports no more than "access error", so it leaves its reason here, and the
// identity of the file it filled, to tell whether the library's rename then took place.
struct WriterRecord
{
    bool filled = false;
    FileFailure failure = FileFailure::None;
    dev_t device = 0;
    ino_t inode = 0;
};
thread_local WriterRecord lastWriter;

// QSettings keeps files it has parsed and trusts size and time stamp to tell
// whether they changed; a replacement equal in both would read as the old one.
struct Stamp
{
    explicit Stamp(const QString &path)
    {
        const QFileInfo info(path);
        exists = info.exists();
        size = info.size();
        modified = info.lastModified();
    }
    bool operator==(const Stamp &other) const
    {
        return exists == other.exists && size == other.size && modified == other.modified;
    }

    bool exists;
    qint64 size;
    QDateTime modified;
};

void distinguishFrom(const Stamp &before, const QString &target)
{
    if (!before.exists || !(Stamp(target) == before))
        return;
    QFile file(target);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(before.modified.addMSecs(1), QFileDevice::FileModificationTime);
}

FileFailure lastError()
{
    return FileFailures::fromErrno(errno);
}

FileFailure writeAndSync(int fd, const QByteArray &data)
{
    WriteSeam &seam = WriteSeam::current();
    for (qint64 done = 0; done < data.size();) {
        const qint64 written = seam.write(fd, data.constData() + done, data.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? lastError() : FileFailure::DiskError;
        done += written;
    }
    return seam.sync(fd) == 0 ? FileFailure::None : lastError();
}

// A rename is on disk only once its folder is.
void syncFolder(const QString &file)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(file);
#endif
}

bool isPresent(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A lock file nobody holds was left by a crash; the settings library would wait for it to
// grow old. One held by a live writer, or one that cannot go, fails the write at once.
bool releaseStaleLock(const QString &lockPath)
{
    if (!isPresent(lockPath))
        return true;
    QLockFile(lockPath).removeStaleLockFile();
    return !isPresent(lockPath);
}

// Why a settings file could not even be opened for writing: the library tells no more.
FileFailure folderFailure(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isWritable())
        return FileFailure::NotWritable;
    // Not a page left: the library's own lock file could not be written.
    return QStorageInfo(folder).bytesAvailable() < 4096 ? FileFailure::DiskFull
                                                        : FileFailure::DiskError;
}

bool isSameFile(const QString &path, const WriterRecord &record)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && info.st_dev == record.device
           && info.st_ino == record.inode;
}

} // namespace

FileFailure writeOver(const QString &target, const QByteArray &data)
{
    const Stamp before(target);
    // The temporary file sits beside target's own name, so a link there is replaced, not followed.
    QTemporaryFile temp(target);
    if (!temp.open())
        return QFileInfo(target).isDir() ? FileFailure::NotAFile : lastError();
    temp.setPermissions(before.exists ? QFile::permissions(target)
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                | QFile::ReadOther);
    const FileFailure written = writeAndSync(int(temp.handle()), data);
    if (written != FileFailure::None)
        return written;
    if (WriteSeam::current().rename(QFile::encodeName(temp.fileName()).constData(),
                                    QFile::encodeName(target).constData())
        != 0)
        return lastError();
    temp.setAutoRemove(false);
    syncFolder(target);
    distinguishFrom(before, target);
    return FileFailure::None;
}

FileFailure copyOver(const QString &source, const QString &target)
{
    // Opening a pipe waits for a writer, and a device may never end.
    const QFileInfo info(source);
    if (!info.exists())
        return FileFailure::Missing;
    if (!info.isFile())
        return FileFailure::NotAFile;
    if (info.size() > kMaxSize)
        return FileFailure::TooLarge;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return FileFailure::Unreadable;
    // Read whole before target is touched: source may be target itself.
    const QByteArray data = in.read(kMaxSize + 1);
    if (in.error() != QFileDevice::NoError)
        return FileFailure::Unreadable;
    if (data.size() > kMaxSize)
        return FileFailure::TooLarge;
    return writeOver(target, data);
}

FileFailure writeAll(QFileDevice &file, const QByteArray &data)
{
    WriterRecord record;
    const int fd = file.handle();
    record.failure = fd < 0 ? FileFailure::DiskError : writeAndSync(fd, data);
    struct stat info;
    if (record.failure == FileFailure::None && ::fstat(fd, &info) == 0) {
        record.filled = true;
        record.device = info.st_dev;
        record.inode = info.st_ino;
    }
    lastWriter = record;
    return record.failure;
}

FileFailure sync(QSettings &settings)
{
    const QString path = settings.fileName();
    if (!releaseStaleLock(path + QStringLiteral(".lock")))
        return FileFailure::NotWritable;
    lastWriter = WriterRecord();
    settings.sync();
    const WriterRecord record = lastWriter;
    if (record.failure != FileFailure::None)
        return record.failure;
    // Called with changes pending, so a writer that did not run means the file could not be
    // opened; the status tells no more, and stays set once an error was met.
    if (!record.filled)
        return settings.status() == QSettings::NoError ? FileFailure::None : folderFailure(path);
    if (!isSameFile(path, record))
        return FileFailure::DiskError;
    syncFolder(path);
    return FileFailure::None;
}

void removeLeftovers(const QString &folder)
{
    static const QRegularExpression temporary(QStringLiteral("\\.bin\\.[A-Za-z0-9]{6}$"));
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (temporary.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
        else if (entry.fileName().endsWith(QLatin1String(".bin.lock")))
            releaseStaleLock(entry.filePath());
    }
}

} // namespace FileReplace
