#include "ShippedData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <cstdio>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Path → hash; lines that could name a file outside the folder are dropped.
QHash<QString, QByteArray> parseManifest(const QByteArray &text)
{
    QHash<QString, QByteArray> entries;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype gap = line.indexOf("  ");
        if (gap <= 0)
            continue;
        const QString path = QString::fromUtf8(line.mid(gap + 2));
        if (!path.isEmpty() && QDir::isRelativePath(path)
            && !path.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            entries.insert(path, line.left(gap));
    }
    return entries;
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
           && file.write(content) == content.size() && file.commit();
}

} // namespace

ShippedData::ShippedData(const QString &shippedFolder, const QString &userFolder)
    : m_shipped(shippedFolder)
    , m_user(userFolder)
{}

bool ShippedData::update() const
{
    const QByteArray shipped = readAll(m_shipped + u'/' + kManifest);
    if (shipped.isEmpty())
        return false;
    const QByteArray copied = readAll(m_user + u'/' + kManifest);
    if (shipped == copied)
        return true;

    const QHash<QString, QByteArray> before = parseManifest(copied);
    const QHash<QString, QByteArray> now = parseManifest(shipped);
    bool complete = true;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QString target = m_user + u'/' + it.key();
        const auto old = before.constFind(it.key());
        const bool wanted = !QFileInfo::exists(target)
                                    ? old == before.cend()
                                    : old != before.cend() && *old != *it && hashOf(target) == *old;
        if (wanted && !copyIn(it.key()))
            complete = false;
    }
    // Recorded only when complete, so that a failed copy is tried again next time.
    return complete && writeFile(m_user + u'/' + kManifest, shipped);
}

// Through a temporary file renamed over the target, so a copy is never found half
// written; not synced one by one (hundreds of files at the first start).
bool ShippedData::copyIn(const QString &path) const
{
    const QString target = m_user + u'/' + path;
    QFile source(m_shipped + u'/' + path);
    QFile temporary(target + QStringLiteral(".new"));
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(target).path())
        || !temporary.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray content = source.readAll();
    const bool written = temporary.write(content) == content.size() && temporary.flush();
    temporary.close();
    return written
           && std::rename(QFile::encodeName(temporary.fileName()).constData(),
                          QFile::encodeName(target).constData())
                      == 0;
}
