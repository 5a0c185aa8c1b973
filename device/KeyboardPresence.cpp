#include "KeyboardPresence.h"

#include "DeviceCatalogue.h"
#include "DeviceEventSource.h"
#include "Hid_Thread.h"

#include <utility>

KeyboardPresence::KeyboardPresence(Hid_Thread &link, std::function<QStringList()> productNames,
                                   QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_productNames(std::move(productNames))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &KeyboardPresence::rediscover);
    // Both come from other threads; a failed command may have emptied a path.
    connect(&m_link, &Hid_Thread::keyboardRemoved, this, &KeyboardPresence::updateConnection);
    connect(&m_link, &Hid_Thread::commandFailed, this, &KeyboardPresence::updateConnection);
}

void KeyboardPresence::addSource(DeviceEventSource *source)
{
    source->setParent(this);
    connect(source, &DeviceEventSource::devicesChanged, this, [this] { schedule(false); });
    connect(source, &DeviceEventSource::resumed, this, [this] { schedule(true); });
}

void KeyboardPresence::discover()
{
    scan();
    updateConnection();
}

bool KeyboardPresence::isConnected() const
{
    return m_link.isConnected();
}

// The timer is not restarted by later events, so a flood cannot put discovery off for good;
// events after it has run schedule the next one.
void KeyboardPresence::schedule(bool resumed)
{
    m_resumed = m_resumed || resumed;
    if (!m_settle.isActive())
        m_settle.start();
}

void KeyboardPresence::rediscover()
{
    // A command waiting for the link runs events: the scene may be in the middle of an apply.
    if (!m_link.isLinkFree()) {
        m_settle.start();
        return;
    }
    const bool resumed = std::exchange(m_resumed, false);
    if ((scan() || resumed) && isConnected())
        emit arrived();
    updateConnection();
}

// True when the keyboard's interfaces are not the ones the link knew.
bool KeyboardPresence::scan()
{
    const uint current = m_link.currentDevice();
    const HidDevice before = m_link.devices().value(qsizetype(current));
    const DeviceCatalogue catalogue = readDeviceCatalogue(m_productNames());
    m_link.scanDevices(catalogue.entries);
    Hid_Thread::setEncode(catalogue.isEncode);
    const HidDevice after = m_link.devices().value(qsizetype(current));
    const bool moved = before.cmdPath != after.cmdPath || before.eventPath != after.eventPath;
    if (moved || !m_link.isMonitorRunning())
        m_link.swichCurDevice(current);
    return moved;
}

void KeyboardPresence::updateConnection()
{
    const bool connected = isConnected();
    if (m_connected == connected)
        return;
    m_connected = connected;
    emit connectionChanged(connected);
}
