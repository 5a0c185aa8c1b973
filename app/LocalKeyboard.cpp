#include "LocalKeyboard.h"

#include "ApConfigValues.h"
#include "DeviceBlocks.h"
#include "DeviceCatalogue.h"
#include "HardwareDefinitions.h"

void findKeyboard(Hid_Thread &link)
{
    const DeviceCatalogue catalogue = readDeviceCatalogue(readProductNames());
    link.scanDevices(catalogue.entries);
    Hid_Thread::setEncode(catalogue.isEncode);
}

LocalKeyboard::LocalKeyboard()
    : m_actions(m_profiles, m_link)
{
    findKeyboard(m_link);
    DeviceBlocks::DeviceFacts facts{0, HardwareDefinitions().initialLayoutMode(), 0};
    if (keyboardConnected(m_link))
        facts = DeviceBlocks::readDeviceFacts(m_link, facts);
    m_profiles.setCurrentIndex(facts.profile);
    m_actions.setDeviceFacts(facts.layoutMode, DeviceBlocks::firmwareText(facts.version));
}
