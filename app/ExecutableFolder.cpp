#include "ExecutableFolder.h"

#include <QDir>

bool enterExecutableFolder(const QString &applicationFilePath)
{
    const qsizetype slash = applicationFilePath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    // An executable in the root folder keeps "/" rather than an empty path.
    return QDir::setCurrent(slash == 0 ? QStringLiteral("/") : applicationFilePath.left(slash));
}
