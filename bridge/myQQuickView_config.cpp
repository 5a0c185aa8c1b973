// Application configuration slots.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "DesktopAutostart.h"
#include "UserDialogs.h"

#include <QCoreApplication>

namespace {

DesktopAutostart autostart()
{
    return DesktopAutostart(DesktopAutostart::defaultEntryPath(),
                            QCoreApplication::applicationFilePath());
}

} // namespace

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    reportFailure(m_apConfig->save(apConfigs), QStringLiteral("settingsNotSaved"), {});
}

QVariantList myQQuickView::loadApConfig()
{
    return m_apConfig->load();
}

void myQQuickView::resetApconfig()
{
    reportFailure(m_apConfig->reset(), QStringLiteral("settingsNotReset"), {});
}

bool myQQuickView::getIsSkinShow()
{
    return AppConfigStore::skinChoiceOffered();
}

QString myQQuickView::getCustomFilePath()
{
    return AppConfigStore::chooseCustomPicture(*m_dialogs, m_messages);
}

bool myQQuickView::getAutostart()
{
    return autostart().isEnabled();
}

void myQQuickView::setAutostart(bool enabled)
{
    // The page reads the state back, so a failure shows as the switch not moving.
    autostart().setEnabled(enabled);
}
