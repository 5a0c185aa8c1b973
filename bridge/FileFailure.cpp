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
    // In the order of FileFailure.
    static const char *const keys[] = {"",          "diskFull", "notWritable", "diskError",
                                       "notAFile",  "tooLarge", "unreadable",  "missing",
                                       "nameTaken", "badName"};
    return QString::fromLatin1(keys[int(failure)]);
}

} // namespace FileFailures
