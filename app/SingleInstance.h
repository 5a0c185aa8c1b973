#pragma once

#include <QLockFile>
#include <QString>

// One running copy per executable and user. The lock lives in the temp folder under a
// name derived from the user and the executable's absolute path. A lock file that no
// running copy holds (left by a crash, emptied, damaged) is taken over, and one of
// another user never keeps this user's copy from starting.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &executablePath);

    // False when another live copy holds the lock. Any other failure to
    // lock (an unwritable temp folder) lets this copy run.
    bool acquire();

    static QString lockPathFor(const QString &executablePath);

private:
    QString m_path;
    QLockFile m_lock;
};
