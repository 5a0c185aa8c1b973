#include "AppProfileRules.h"

#include "ProfileStore.h"
#include "SettingsValues.h"

namespace {

const QString kGroup = QStringLiteral("appprofiles");

bool sameApplication(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int defaultOrLeave(int profile)
{
    return ProfileStore::isValid(profile) ? profile : AppProfileRules::kLeaveAsIs;
}

} // namespace

const AppProfileRule *AppProfileRules::ruleFor(const QString &application) const
{
    for (const AppProfileRule &rule : rules) {
        if (sameApplication(rule.application, application))
            return &rule;
    }
    return nullptr;
}

int AppProfileRules::targetFor(const QString &application) const
{
    if (!enabled)
        return kLeaveAsIs;
    const AppProfileRule *rule = ruleFor(application);
    return rule ? rule->profile : defaultProfile;
}

void AppProfileRules::addRule(const QString &application, int profile)
{
    const QString name = application.trimmed();
    if (name.isEmpty() || !ProfileStore::isValid(profile) || rules.size() >= kMaxRules
        || ruleFor(name))
        return;
    rules.append({name, profile});
}

bool AppProfileRules::setRule(const QString &application, int profile)
{
    removeRule(application);
    const qsizetype before = rules.size();
    addRule(application, profile);
    return rules.size() > before;
}

void AppProfileRules::removeRule(const QString &application)
{
    rules.removeIf([&](const AppProfileRule &rule) {
        return sameApplication(rule.application, application.trimmed());
    });
}

bool AppProfileRules::isStored(QSettings &file)
{
    return file.childGroups().contains(kGroup);
}

AppProfileRules AppProfileRules::read(QSettings &file)
{
    AppProfileRules result;
    if (!isStored(file))
        return result;
    file.beginGroup(kGroup);
    result.enabled = file.value(QStringLiteral("enabled")).toBool();
    result.defaultProfile = defaultOrLeave(
            SettingsValues::intOr(file.value(QStringLiteral("default")), kLeaveAsIs));
    const int total = qMin(SettingsValues::count(file.value(QStringLiteral("total"))), kMaxRules);
    file.endGroup();
    for (const QVariant &entry :
         SettingsValues::numberedEntries(file, kGroup, 0, total, QVariant())) {
        const QVariantList pair = SettingsValues::list(entry);
        result.addRule(pair.value(0).toString(), SettingsValues::intOr(pair.value(1), -1));
    }
    return result;
}

void AppProfileRules::write(QSettings &file) const
{
    file.remove(kGroup);
    file.beginGroup(kGroup);
    file.setValue(QStringLiteral("enabled"), enabled);
    file.setValue(QStringLiteral("default"), defaultProfile);
    file.setValue(QStringLiteral("total"), rules.size());
    for (qsizetype i = 0; i < rules.size(); ++i)
        file.setValue(QString::number(i),
                      QVariantList{rules.at(i).application, rules.at(i).profile});
    file.endGroup();
}

QVariantMap AppProfileRules::toMap() const
{
    QVariantList list;
    for (const AppProfileRule &rule : rules)
        list.append(QVariantMap{{QStringLiteral("application"), rule.application},
                                {QStringLiteral("profile"), rule.profile}});
    return {{QStringLiteral("enabled"), enabled},
            {QStringLiteral("defaultProfile"), defaultProfile},
            {QStringLiteral("rules"), list}};
}

AppProfileRules AppProfileRules::fromMap(const QVariantMap &map)
{
    AppProfileRules result;
    result.enabled = map.value(QStringLiteral("enabled")).toBool();
    result.defaultProfile = defaultOrLeave(
            SettingsValues::intOr(map.value(QStringLiteral("defaultProfile")), kLeaveAsIs));
    for (const QVariant &entry : map.value(QStringLiteral("rules")).toList()) {
        const QVariantMap rule = entry.toMap();
        result.addRule(rule.value(QStringLiteral("application")).toString(),
                       SettingsValues::intOr(rule.value(QStringLiteral("profile")), -1));
    }
    return result;
}
