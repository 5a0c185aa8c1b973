#pragma once

#include <QString>

namespace FileReplace {

// Largest file a copy takes: profiles, macros and settings are a few kilobytes.
constexpr qint64 kMaxSize = 1024 * 1024;

// Copies source to target through a temporary file beside target that is
// renamed over it at the end: when the copy fails, target keeps its content.
// Sources that are no regular file (folders, pipes, devices) or are larger
// than kMaxSize are refused.
bool copyOver(const QString &source, const QString &target);

}
