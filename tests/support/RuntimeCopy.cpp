#include "RuntimeCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

const QString kFont = QStringLiteral("/Exo-Medium.ttf");

} // namespace

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        const bool isDir = it.fileInfo().isDir();
        if (!QDir().mkpath(isDir ? target : QFileInfo(target).path())
            || (!isDir && !QFile::copy(source, target)))
            return false;
    }
    return true;
}

RuntimeCopy::RuntimeCopy()
    : RuntimeCopy(QStringLiteral(K3_RUNTIME_DIR))
{}

RuntimeCopy::RuntimeCopy(const QString &from)
    : m_previous(QDir::currentPath())
{
    // The font goes along where there is one: the program loads it from its working folder.
    m_valid = m_folder.isValid()
              && copyTree(from + QStringLiteral("/modules"),
                          m_folder.path() + QStringLiteral("/modules"))
              && (!QFile::exists(from + kFont) || QFile::copy(from + kFont, m_folder.path() + kFont))
              && QDir::setCurrent(m_folder.path());
}

RuntimeCopy::~RuntimeCopy()
{
    QDir::setCurrent(m_previous);
}
