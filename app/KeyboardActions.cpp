#include "KeyboardActions.h"

#include "DeviceBlocks.h"
#include "Hid_Thread.h"
#include "ProfileStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What a profile without a stored effect starts from: static, full brightness, looping colours.
const DeviceBlocks::LedType kFirstEffect{0, 63, 3, 0, 7, 0};

QString profileMissing(int profile)
{
    return QStringLiteral("there is no profile %1 (profiles are 1 to 4)").arg(profile + 1);
}

// Requests come from other processes, whose current folder is not ours.
QString notAbsolute(const QString &file)
{
    return QDir::isAbsolutePath(file) ? QString()
                                      : QStringLiteral("%1: not an absolute path").arg(file);
}

// Why a file cannot be read as a profile, or an empty text when it can be tried.
QString unreadable(const QString &file)
{
    const QFileInfo info(file);
    if (const QString reason = notAbsolute(file); !reason.isEmpty())
        return reason;
    if (!info.exists())
        return QStringLiteral("%1: no such file").arg(file);
    if (!info.isFile())
        return QStringLiteral("%1: not a regular file").arg(file);
    return QString();
}

} // namespace

bool keyboardConnected(const Hid_Thread &link)
{
    const QList<HidDevice> devices = link.devices();
    const uint current = link.currentDevice();
    return current < uint(devices.size()) && !devices.at(current).cmdPath.isEmpty();
}

KeyboardActions::KeyboardActions(ProfileStore &profiles, Hid_Thread &link, ProfileScene *scene)
    : m_profiles(profiles)
    , m_link(link)
    , m_scene(scene)
{}

void KeyboardActions::setDeviceFacts(int layout, const QString &firmware)
{
    m_layout = layout;
    m_firmware = firmware;
}

KeyboardStatus KeyboardActions::status()
{
    KeyboardStatus status;
    status.connected = keyboardConnected(m_link);
    const QList<HidDevice> devices = m_link.devices();
    if (m_link.currentDevice() < uint(devices.size()))
        status.product = devices.at(m_link.currentDevice()).productName;
    status.firmware = m_firmware;
    status.layout = m_layout;
    status.profile = m_profiles.currentIndex();
    status.effect = DeviceBlocks::storedList(m_profiles.current(), DeviceBlocks::kLedTypeKey);
    return status;
}

QString KeyboardActions::needsKeyboard() const
{
    return keyboardConnected(m_link) ? QString() : QStringLiteral("no keyboard connected");
}

void KeyboardActions::reloadIfCurrent(int profile)
{
    if (m_scene && profile == m_profiles.currentIndex())
        m_scene->reloadPages();
}

QString KeyboardActions::switchProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return profileMissing(profile);
    if (const QString reason = needsKeyboard(); !reason.isEmpty())
        return reason;
    if (m_scene) {
        m_scene->selectProfile(profile);
        return QString();
    }
    m_profiles.setCurrentIndex(profile);
    m_link.hid_21H_SetCurrentProfile(uchar(profile));
    return QString();
}

QString KeyboardActions::applyProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return profileMissing(profile);
    // The pages decide what of a profile goes to the keyboard; without them nothing is sent.
    if (!m_scene)
        return QStringLiteral(
                "applying a profile needs the running window (start it with --minimized)");
    if (const QString reason = needsKeyboard(); !reason.isEmpty())
        return reason;
    m_scene->selectProfile(profile);
    m_scene->applyAll();
    return QString();
}

QString KeyboardActions::exportProfile(int profile, const QString &file)
{
    if (!ProfileStore::isValid(profile))
        return profileMissing(profile);
    if (const QString reason = notAbsolute(file); !reason.isEmpty())
        return reason;
    if (QFileInfo(file).isDir())
        return QStringLiteral("%1: is a folder").arg(file);
    if (m_profiles.exportTo(profile, file) != FileFailure::None)
        return QStringLiteral("%1: cannot be written").arg(file);
    return QString();
}

QString KeyboardActions::importProfile(int profile, const QString &file)
{
    if (!ProfileStore::isValid(profile))
        return profileMissing(profile);
    if (const QString reason = unreadable(file); !reason.isEmpty())
        return reason;
    if (m_profiles.replace(profile, file) != FileFailure::None)
        return QStringLiteral("%1: cannot be copied over profile %2").arg(file).arg(profile + 1);
    reloadIfCurrent(profile);
    return QString();
}

QString KeyboardActions::resetProfile(int profile)
{
    if (!ProfileStore::isValid(profile))
        return profileMissing(profile);
    if (m_profiles.resetToDefault(profile) != FileFailure::None)
        return QStringLiteral("the default profile cannot be read");
    reloadIfCurrent(profile);
    return QString();
}

QString KeyboardActions::setEffect(const EffectChange &change)
{
    const int changes[] = {change.type, change.brightness, change.speed, change.direction,
                           change.colour};
    for (const int value : changes) {
        if (value < EffectChange::kKeep || value > 0xFF)
            return QStringLiteral("effect values are bytes, not %1").arg(value);
    }
    if (const QString reason = needsKeyboard(); !reason.isEmpty())
        return reason;
    const QVariantList stored = DeviceBlocks::storedList(m_profiles.current(),
                                                         DeviceBlocks::kLedTypeKey);
    DeviceBlocks::LedType values = kFirstEffect;
    for (size_t i = 0; i < values.size() && qsizetype(i) < stored.size(); ++i)
        values[i] = uchar(stored.at(qsizetype(i)).toInt());
    for (size_t i = 0; i < std::size(changes); ++i) {
        if (changes[i] != EffectChange::kKeep)
            values[i] = uchar(changes[i]);
    }
    DeviceBlocks::sendLedType(m_profiles.current(), &m_link, values);
    if (m_scene)
        m_scene->reloadPages();
    return QString();
}
