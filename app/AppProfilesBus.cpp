#include "AppProfilesBus.h"

#include "AppProfileSwitcher.h"
#include "KeyboardBus.h"
#include "myQQuickView.h"

#include <QDBusError>

AppProfilesBusAdaptor::AppProfilesBusAdaptor(KeyboardBusObject *parent, myQQuickView &view)
    : QDBusAbstractAdaptor(parent)
    , m_object(parent)
    , m_view(view)
{}

bool AppProfilesBusAdaptor::enabled() const
{
    return m_view.appProfiles().rules().enabled;
}

void AppProfilesBusAdaptor::setEnabled(bool enabled)
{
    AppProfileRules rules = m_view.appProfiles().rules();
    rules.enabled = enabled;
    m_view.saveAppProfiles(rules.toMap());
}

QString AppProfilesBusAdaptor::activeApplication() const
{
    return m_view.appProfiles().application();
}

void AppProfilesBusAdaptor::ReportActiveApplication(const QString &application)
{
    m_view.appProfiles().focusChanged(application);
}

QVariantMap AppProfilesBusAdaptor::Rules()
{
    QVariantMap rules;
    for (const AppProfileRule &rule : m_view.appProfiles().rules().rules)
        rules.insert(rule.application, rule.profile + 1);
    return rules;
}

void AppProfilesBusAdaptor::SetRule(const QString &application, int profile)
{
    AppProfileRules rules = m_view.appProfiles().rules();
    if (profile == 0)
        rules.removeRule(application);
    else if (!rules.setRule(application, profile - 1)) {
        m_object->sendErrorReply(
                QDBusError::InvalidArgs,
                QStringLiteral(
                        "a rule needs an application name and a profile 1-4, at most %1 rules")
                        .arg(AppProfileRules::kMaxRules));
        return;
    }
    m_view.saveAppProfiles(rules.toMap());
}
