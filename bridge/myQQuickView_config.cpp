// Application configuration slots.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "UserDialogs.h"

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
