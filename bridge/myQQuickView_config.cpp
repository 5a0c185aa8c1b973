// Application configuration slots.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "DesktopAutostart.h"
#include "UserDialogs.h"

#include <QCoreApplication>

namespace {

DesktopAutostart autostart()
{
    return DesktopAutostart(DesktopAutostart::defaultEntryPath(), QCoreApplication::applicationFilePath());
}

}

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    m_apConfig->save(apConfigs);
}

QVariantList myQQuickView::loadApConfig()
{
    return m_apConfig->load();
}

void myQQuickView::resetApconfig()
{
    m_apConfig->reset();
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
