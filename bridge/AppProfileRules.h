#pragma once

#include <QList>
#include <QSettings>
#include <QString>
#include <QVariantMap>

struct AppProfileRule
{
    QString application;
    int profile = 0;

    bool operator==(const AppProfileRule &other) const
    {
        return application == other.application && profile == other.profile;
    }
};

// Which keyboard profile goes with which application in front. Kept in a group of its own
// in the application settings file; a file without the group has the rules off.
class AppProfileRules
{
public:
    static constexpr int kLeaveAsIs = -1;
    // A short list for the settings page; more in a file is damage.
    static constexpr int kMaxRules = 64;

    bool enabled = false;
    int defaultProfile = kLeaveAsIs;
    QList<AppProfileRule> rules;

    // The profile for `application` (names compare without case), the default for any other;
    // kLeaveAsIs when the keyboard is to stay as it is.
    int targetFor(const QString &application) const;

    // Adds the application's rule or changes its profile; false for no name, a profile
    // outside 0..3 or a full list.
    bool setRule(const QString &application, int profile);
    void removeRule(const QString &application);

    static bool isStored(QSettings &file);
    static AppProfileRules read(QSettings &file);
    // Replaces the whole group: a removed rule leaves nothing behind.
    void write(QSettings &file) const;

    // As QML sees them: {enabled, defaultProfile, rules: [{application, profile}, ...]}.
    QVariantMap toMap() const;
    static AppProfileRules fromMap(const QVariantMap &map);

    bool operator==(const AppProfileRules &other) const
    {
        return enabled == other.enabled && defaultProfile == other.defaultProfile
               && rules == other.rules;
    }

private:
    const AppProfileRule *ruleFor(const QString &application) const;
    // Drops rules without an application or a valid profile and repeated applications.
    void addRule(const QString &application, int profile);
};
