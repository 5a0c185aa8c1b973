// Slots of the profiles that follow the application in front.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "AppProfileSwitcher.h"
#include "FocusWatcher.h"
#include "LanguageFiles.h"

void myQQuickView::setFocusWatcher(std::unique_ptr<FocusWatcher> watcher)
{
    m_focusWatcher = std::move(watcher);
    if (m_focusWatcher)
        connect(m_focusWatcher.get(), &FocusWatcher::applicationFocused, m_appProfiles.get(),
                &AppProfileSwitcher::focusChanged);
}

QVariantMap myQQuickView::loadAppProfiles()
{
    return m_appProfiles->rules().toMap();
}

void myQQuickView::saveAppProfiles(QVariantMap rules)
{
    const AppProfileRules parsed = AppProfileRules::fromMap(rules);
    m_appProfiles->setRules(parsed);
    reportFailure(m_apConfig->saveAppProfiles(parsed), QStringLiteral("settingsNotSaved"), {});
}

QStringList myQQuickView::getOpenApplications()
{
    return m_focusWatcher ? m_focusWatcher->openApplications() : QStringList();
}

bool myQQuickView::getAppProfilesAutomatic()
{
    return m_focusWatcher && m_focusWatcher->isAutomatic();
}

void myQQuickView::setAppProfilesHeld(bool held)
{
    m_appProfiles->setHeld(held);
}
