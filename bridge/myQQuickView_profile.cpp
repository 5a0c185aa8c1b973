// Profile file slots: import, export and reset of p1.bin .. p4.bin.
#include "myQQuickView.h"

#include "ProfileStore.h"
#include "UserDialogs.h"

void myQQuickView::loadProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return;
    const QString path = m_dialogs->openFileName(tr("Open File"), UserDialogs::desktopFolder(),
                                                 tr("Profile(*.pf)"));
    if (!path.isEmpty())
        reportFailure(m_profiles->replace(profile, path), QStringLiteral("profileNotImported"),
                      {QString::number(profile + 1)});
}

void myQQuickView::saveProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return;
    const QString path = m_dialogs->saveFileName(tr("Save File"), UserDialogs::desktopFolder(),
                                                 tr("Profile(*.pf)"));
    if (!path.isEmpty())
        reportFailure(m_profiles->exportTo(profile, path), QStringLiteral("profileNotExported"),
                      {QString::number(profile + 1)});
}

void myQQuickView::resetProfile(int profile)
{
    if (ProfileStore::isValid(profile))
        reportFailure(m_profiles->resetToDefault(profile), QStringLiteral("profileNotReset"),
                      {QString::number(profile + 1)});
}
