// Profile file slots: import, export and reset of p1.bin .. p4.bin.
#include "myQQuickView.h"

#include "ProfileStore.h"
#include "UserDialogs.h"


void myQQuickView::loadProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return;
    const QString path = m_dialogs->openFileName(tr("Open File"), UserDialogs::desktopFolder(), tr("Profile(*.pf)"));
    if (!path.isEmpty())
        m_profiles->replace(profile, path);
}

void myQQuickView::saveProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return;
    const QString path = m_dialogs->saveFileName(tr("Save File"), UserDialogs::desktopFolder(), tr("Profile(*.pf)"));
    if (!path.isEmpty())
        m_profiles->exportTo(profile, path);
}

void myQQuickView::resetProfile(int profile)
{
    m_profiles->resetToDefault(profile);
}
