#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString &executablePath)
    : m_lock(lockPathFor(executablePath))
{
    // Staleness is judged by the owner's process only, never by age: a copy
    // that runs for days keeps its lock.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::lockPathFor(const QString &executablePath)
{
    // The home folder keeps users of a shared temp folder apart.
    const QByteArray identity = (QFileInfo(executablePath).absoluteFilePath() + QLatin1Char('\n') + QDir::homePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(QStringLiteral("k3config-%1.lock").arg(QString::fromLatin1(hash)));
}
