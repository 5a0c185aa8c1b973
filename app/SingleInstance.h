#pragma once

#include <QLockFile>
#include <QString>

// One running copy per executable and user. The lock lives in the temp
// folder under a name derived from the executable's absolute path; a lock
// left behind by a crashed copy is recognised by its dead owner and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &executablePath);

    // False when another live copy holds the lock. Any other failure to
    // lock (an unwritable temp folder) lets this copy run.
    bool acquire();

    static QString lockPathFor(const QString &executablePath);

private:
    QLockFile m_lock;
};
