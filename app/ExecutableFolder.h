#pragma once

#include <QString>

// Makes the executable's folder the working directory: every data path of
// the program is relative to it. False when the folder cannot be entered.
bool enterExecutableFolder(const QString &applicationFilePath);
