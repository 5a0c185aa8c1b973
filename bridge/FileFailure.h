#pragma once

#include <QString>

// Why a file was not written, read, renamed or removed, in the terms the user is told.
// reasonKey relies on this order.
enum class FileFailure {
    None,
    DiskFull,
    NotWritable,
    DiskError,
    NotAFile,
    TooLarge,
    Unreadable,
    Missing,
    NameTaken,
    BadName
};

namespace FileFailures {

// The failure an error number (errno) stands for.
FileFailure fromErrno(int error);

// The name of the notice text that gives the reason ("diskFull", ...).
QString reasonKey(FileFailure failure);

} // namespace FileFailures
