#include "LocalUrlOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {
const QString FileScheme = QStringLiteral("file");
}

LocalUrlOpener::LocalUrlOpener(QObject *parent)
    : QObject(parent)
{
    QDesktopServices::setUrlHandler(FileScheme, this, "open");
}

LocalUrlOpener::~LocalUrlOpener()
{
    QDesktopServices::unsetUrlHandler(FileScheme);
}

QUrl LocalUrlOpener::absolute(const QUrl &url)
{
    if (!url.isLocalFile() || QDir::isAbsolutePath(url.toLocalFile()))
        return url;
    QUrl resolved = QUrl::fromLocalFile(QFileInfo(url.toLocalFile()).absoluteFilePath());
    resolved.setFragment(url.fragment());
    return resolved;
}

void LocalUrlOpener::open(const QUrl &url)
{
    // Hand the resolved URL to the platform's own handler, not back to us.
    QDesktopServices::unsetUrlHandler(FileScheme);
    QDesktopServices::openUrl(absolute(url));
    QDesktopServices::setUrlHandler(FileScheme, this, "open");
}
