#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// "<uid>-" where users have numbers; elsewhere the home folder in the hash parts them.
QString userPrefix()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid()) + QLatin1Char('-');
#else
    return QString();
#endif
}

bool ownedByAnotherUser(const QString &path)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(path);
    return info.exists() && info.ownerId() != ::getuid();
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &executablePath)
    : m_path(lockPathFor(executablePath))
    , m_lock(m_path)
{
    // Staleness is judged by the owner's process only, never by age: a copy
    // that runs for days keeps its lock.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    // A running copy holds its lock file open and locked; a file nobody holds is no copy,
    // whatever it contains.
    m_lock.removeStaleLockFile();
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    return ownedByAnotherUser(m_path);
}

QString SingleInstance::lockPathFor(const QString &executablePath)
{
    // Each user has a lock of their own in a shared temp folder.
    const QByteArray identity = (QFileInfo(executablePath).absoluteFilePath() + QLatin1Char('\n')
                                 + QDir::homePath())
                                        .toUtf8();
    const QByteArray hash =
            QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(
            QStringLiteral("k3config-%1%2.lock").arg(userPrefix(), QString::fromLatin1(hash)));
}
