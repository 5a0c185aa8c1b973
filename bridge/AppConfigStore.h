#pragma once

#include "AppProfileRules.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class UserDialogs;

// The application's own preferences: one ordered list in apConfig.bin whose
// positions the global settings page gives meaning to.
class AppConfigStore
{
public:
    explicit AppConfigStore(const QString &folder = QStringLiteral("./modules/setting"));
    ~AppConfigStore();

    void save(const QVariantList &values);
    QVariantList load() const;
    // Replaces the file with the shipped defaults; keeps it when they cannot be copied.
    // The rules of the application profiles are no preference and stay.
    void reset();

    AppProfileRules appProfiles() const;
    void saveAppProfiles(const AppProfileRules &rules);

    // True when there is more than one skin folder to choose from.
    static bool skinChoiceOffered(const QString &imageFolder = QStringLiteral("./modules/img"));
    // Asks for a picture file; warns and gives empty text when it cannot be read.
    static QString chooseCustomPicture(UserDialogs &dialogs, const QStringList &messages);

private:
    QString m_path;
    QString m_defaultsPath;
    std::unique_ptr<QSettings> m_settings;
};
