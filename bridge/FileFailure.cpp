#include "FileFailure.h"

#include <cerrno>

namespace FileFailures {

FileFailure fromErrno(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileFailure::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFailure::NotWritable;
    case ENOENT:
    case ENOTDIR:
        return FileFailure::Missing;
    case EISDIR:
        return FileFailure::NotAFile;
    case EFBIG:
        return FileFailure::TooLarge;
    case EEXIST:
        return FileFailure::NameTaken;
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return FileFailure::BadName;
    default:
        return FileFailure::DiskError;
    }
}

QString reasonKey(FileFailure failure)
{
    switch (failure) {
    case FileFailure::None:
        break;
    case FileFailure::DiskFull:
        return QStringLiteral("diskFull");
    case FileFailure::NotWritable:
        return QStringLiteral("notWritable");
    case FileFailure::DiskError:
        return QStringLiteral("diskError");
    case FileFailure::NotAFile:
        return QStringLiteral("notAFile");
    case FileFailure::TooLarge:
        return QStringLiteral("tooLarge");
    case FileFailure::Unreadable:
        return QStringLiteral("unreadable");
    case FileFailure::Missing:
        return QStringLiteral("missing");
    case FileFailure::NameTaken:
        return QStringLiteral("nameTaken");
    case FileFailure::BadName:
        return QStringLiteral("badName");
    }
    return QString();
}

}
