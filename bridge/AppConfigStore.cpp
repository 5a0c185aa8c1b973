#include "AppConfigStore.h"

#include "FileReplace.h"
#include "LegacyIni.h"
#include "SettingsFile.h"
#include "SettingsValues.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kTotal = QStringLiteral("common/total");

QString elementKey(qsizetype i)
{
    return QStringLiteral("common/") + QString::number(i);
}

QString messageAt(const QStringList &messages, qsizetype i)
{
    return i < messages.size() ? messages.at(i) : QString();
}

} // namespace

AppConfigStore::AppConfigStore(const QString &folder)
    : m_path(folder + QStringLiteral("/apConfig.bin"))
    , m_defaultsPath(folder + QStringLiteral("/apConfigD.bin"))
{}

FileFailure AppConfigStore::save(const QVariantList &values)
{
    // Elements beyond a shorter list stay in the file; total hides them.
    return SettingsFile::update(m_path, [&values](QSettings::SettingsMap &map) {
        map.insert(kTotal, values.size());
        for (qsizetype i = 0; i < values.size(); ++i)
            map.insert(elementKey(i), values.at(i));
    });
}

QVariantList AppConfigStore::load() const
{
    QSettings settings(m_path, LegacyIni::format());
    return SettingsValues::numberedEntries(settings, QStringLiteral("common"), 0,
                                           SettingsValues::count(settings.value(kTotal, 0)), 0);
}

FileFailure AppConfigStore::reset()
{
    bool hasRules = false;
    AppProfileRules rules;
    {
        QSettings settings(m_path, LegacyIni::format());
        hasRules = AppProfileRules::isStored(settings);
        rules = AppProfileRules::read(settings);
    }
    const FileFailure copied = FileReplace::copyOver(m_defaultsPath, m_path);
    return copied == FileFailure::None && hasRules ? saveAppProfiles(rules) : copied;
}

AppProfileRules AppConfigStore::appProfiles() const
{
    QSettings settings(m_path, LegacyIni::format());
    return AppProfileRules::read(settings);
}

FileFailure AppConfigStore::saveAppProfiles(const AppProfileRules &rules)
{
    QSettings settings(m_path, LegacyIni::format());
    rules.write(settings);
    return FileReplace::sync(settings);
}

bool AppConfigStore::skinChoiceOffered(const QString &imageFolder)
{
    return QDir(imageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort).size() > 1;
}

QString AppConfigStore::chooseCustomPicture(UserDialogs &dialogs, const QStringList &messages)
{
    const QString path = dialogs.openFileName(
            QCoreApplication::translate("myQQuickView", "Open File"),
            QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
            QCoreApplication::translate("myQQuickView", "Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    // Folders, pipes and devices are no pictures; opening a pipe would wait for a writer.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        return path;
    dialogs.warning(messageAt(messages, 2),
                    QStringLiteral("%1%2").arg(messageAt(messages, 3), path));
    return QString();
}
