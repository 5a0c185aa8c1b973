#pragma once

#include <QString>

namespace FileReplace {

// Copies source to target through a temporary file beside target that is
// renamed over it at the end: when the copy fails, target keeps its content.
bool copyOver(const QString &source, const QString &target);

}
