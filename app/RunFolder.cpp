#include "RunFolder.h"

#include "ExecutableFolder.h"
#include "ShippedData.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseRunFolder(const QString &executableFolder, const QString &userFolder)
{
    const QFileInfo settings(executableFolder + QStringLiteral("/modules/setting"));
    const QString shipped = QDir::cleanPath(executableFolder + QStringLiteral("/../share/k3config"));
    if ((settings.isDir() && settings.isWritable())
        || !QFileInfo::exists(shipped + u'/' + ShippedData::kManifest))
        return executableFolder;
    if (ShippedData(shipped, userFolder).update()
        || QFileInfo::exists(userFolder + QStringLiteral("/modules/setting")))
        return userFolder;
    return shipped;
}

bool enterRunFolder(const QString &applicationFilePath)
{
    if (!enterExecutableFolder(applicationFilePath))
        return false;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                               + QStringLiteral("/k3config");
    return QDir::setCurrent(chooseRunFolder(QDir::currentPath(), userFolder));
}
