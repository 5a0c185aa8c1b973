#include "ProfileStore.h"

#include "DeferredSync.h"
#include "FileReplace.h"
#include "LegacyIni.h"

ProfileStore::ProfileStore(const QString &folder, SaveFailureHandler onSaveFailure)
    : m_folder(folder)
    , m_onSaveFailure(std::move(onSaveFailure))
{
    for (int n = 0; n < kCount; ++n)
        open(n);
}

ProfileStore::~ProfileStore() = default;

void ProfileStore::setCurrentIndex(int profile)
{
    if (!isValid(profile) || profile == m_current)
        return;
    m_current = uchar(profile);
    if (m_observer)
        m_observer(profile);
}

void ProfileStore::open(int profile)
{
    m_settings[profile] = std::make_unique<QSettings>(filePath(profile), LegacyIni::format());
    m_syncs[profile] = new DeferredSync(m_settings[profile].get(),
                                        [this, profile](FileFailure failure) {
                                            if (m_onSaveFailure)
                                                m_onSaveFailure(profile, failure);
                                        });
}

QString ProfileStore::filePath(int profile) const
{
    return m_folder + QStringLiteral("/p") + QString::number(profile + 1) + QStringLiteral(".bin");
}

FileFailure ProfileStore::replace(int profile, const QString &source)
{
    if (!isValid(profile))
        return FileFailure::Missing;
    const QString fileName = m_settings[profile]->fileName();
    // Pending writes go to the old file first, so none lands in the new one later.
    m_syncs[profile]->flush();
    m_settings[profile].reset();
    const FileFailure copied = FileReplace::copyOver(source, fileName);
    open(profile);
    return copied;
}

FileFailure ProfileStore::resetToDefault(int profile)
{
    return replace(profile, m_folder + QStringLiteral("/pD.bin"));
}

FileFailure ProfileStore::exportTo(int profile, const QString &target)
{
    if (!isValid(profile))
        return FileFailure::Missing;
    m_syncs[profile]->flush();
    return FileReplace::copyOver(filePath(profile), target);
}
