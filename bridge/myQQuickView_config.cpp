// Application configuration slots.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "UserDialogs.h"

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
