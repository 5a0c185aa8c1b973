#include "AppConfigStore.h"

#include "FileReplace.h"
#include "LegacyIni.h"
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

}

AppConfigStore::AppConfigStore(const QString &folder)
    : m_path(folder + QStringLiteral("/apConfig.bin"))
    , m_defaultsPath(folder + QStringLiteral("/apConfigD.bin"))
    , m_settings(std::make_unique<QSettings>(m_path, LegacyIni::format()))
{
}

AppConfigStore::~AppConfigStore() = default;

void AppConfigStore::save(const QVariantList &values)
{
    // Elements beyond a shorter list stay in the file; total hides them.
    m_settings->setValue(kTotal, values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        m_settings->setValue(elementKey(i), values.at(i));
}

QVariantList AppConfigStore::load() const
{
    return SettingsValues::numberedEntries(*m_settings, QStringLiteral("common"), 0,
                                           SettingsValues::count(m_settings->value(kTotal, 0)), 0);
}

void AppConfigStore::reset()
{
    const bool hasRules = AppProfileRules::isStored(*m_settings);
    const AppProfileRules rules = appProfiles();
    const QString fileName = m_settings->fileName();
    m_settings->sync();
    m_settings.reset();
    FileReplace::copyOver(m_defaultsPath, fileName);
    m_settings = std::make_unique<QSettings>(m_path, LegacyIni::format());
    if (hasRules)
        saveAppProfiles(rules);
}

AppProfileRules AppConfigStore::appProfiles() const
{
    return AppProfileRules::read(*m_settings);
}

void AppConfigStore::saveAppProfiles(const AppProfileRules &rules)
{
    rules.write(*m_settings);
}

bool AppConfigStore::skinChoiceOffered(const QString &imageFolder)
{
    return QDir(imageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort).size() > 1;
}

QString AppConfigStore::chooseCustomPicture(UserDialogs &dialogs, const QStringList &messages)
{
    const QString path = dialogs.openFileName(QCoreApplication::translate("myQQuickView", "Open File"),
                                              QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                              QCoreApplication::translate("myQQuickView", "Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    // Folders, pipes and devices are no pictures; opening a pipe would wait for a writer.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        return path;
    dialogs.warning(messageAt(messages, 2), QStringLiteral("%1%2").arg(messageAt(messages, 3), path));
    return QString();
}
