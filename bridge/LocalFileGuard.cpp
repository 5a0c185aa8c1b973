#include "LocalFileGuard.h"

#include <QFileInfo>

QUrl LocalFileGuard::intercept(const QUrl &url, DataType)
{
    if (!url.isLocalFile())
        return url;
    // Missing files and folders fail to load at once; what else is no regular file goes.
    const QFileInfo info(url.toLocalFile());
    return !info.exists() || info.isFile() || info.isDir() ? url : QUrl();
}
