#pragma once

#include <QString>

// The folder the program runs in: every data path is relative to it.
// An executable with a writable modules/ beside it (the build folder, a
// portable copy) runs in its own folder. An installed one, whose data lies
// read-only in ../share/k3config, runs in userFolder, which is seeded and
// refreshed from there (see ShippedData); where that fails, it runs in the
// installed folder and can read but not save.
QString chooseRunFolder(const QString &executableFolder, const QString &userFolder);

// Enters the run folder of this executable for the current user
// ($XDG_DATA_HOME/k3config). False when no folder could be entered.
bool enterRunFolder(const QString &applicationFilePath);
