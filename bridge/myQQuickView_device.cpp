// Device settings slots: what QML sets is sent to the keyboard and, where the
// interface must show it again, kept in the current profile file first.
#include "myQQuickView.h"

#include "AppProfileSwitcher.h"
#include "DeviceBlocks.h"
#include "Hid_Thread.h"
#include "ProfileStore.h"

namespace {

constexpr uint kMouseDevice = 1;
constexpr uchar kStoreOnly = 255;

} // namespace

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    return DeviceBlocks::storedList(m_profiles->current(),
                                    DeviceBlocks::keydefineKey(m_layoutMode, matrixId.toString()));
}

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    if (m_device && m_device->currentDevice() == kMouseDevice)
        m_profiles->current().setValue(DeviceBlocks::kReportRateKey, int(rate));
}

// Only the first byte changes: without the keyboard's other two there is nothing to write.
void myQQuickView::ui_02H_SetKeyboardMode(uchar mode)
{
    if (!keyboardReachable())
        return;
    uchar byte1 = 0;
    uchar byte2 = 0;
    uchar byte3 = 0;
    if (m_device->hid_82H_GetKeyboardoption(byte1, byte2, byte3))
        m_device->hid_02H_SetKeyboardoption(mode, byte2, byte3);
    else
        noticeNotSent();
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1)
{
    if (keyboardReachable())
        m_device->hid_04H_SetButtonSensitivity(sens1);
}

void myQQuickView::ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                     uchar color, uchar type_Side)
{
    DeviceBlocks::sendLedType(m_profiles->current(), keyboardReachable() ? m_device : nullptr,
                              {type, brightness, speed, direction, color, type_Side});
}

void myQQuickView::ui_0C0DH_SetKeyMatrix(QVariantList src256)
{
    DeviceBlocks::storeKeyMatrix(m_profiles->current(), m_layoutMode, src256);
    const DeviceBlocks::Block256 block = DeviceBlocks::keyMatrix(src256);
    if (!keyboardReachable())
        return;
    m_device->hid_0CH_SetKeyMatrix_1(block.data());
    m_device->hid_0DH_SetKeyMatrix_2(block.data() + 128);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384)
{
    m_profiles->current().setValue(DeviceBlocks::pictureKey(index), src384);
    if (option == kStoreOnly || !keyboardReachable())
        return;
    const DeviceBlocks::Planes planes = DeviceBlocks::picturePlanes(src384);
    for (uchar c = 0; c < planes.size(); ++c)
        m_device->hid_12H_SetUserPicture(index, c, planes[c].data());
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    if (keyboardReachable())
        m_device->hid_13H_SetRecoveryData();
}

void myQQuickView::ui_21H_SetCurrentProfile(int profile)
{
    // Every later profile read and write goes to the new file.
    if (!ProfileStore::isValid(profile))
        return;
    m_profiles->setCurrentIndex(profile);
    m_appProfiles->profileSet(profile);
    if (keyboardReachable())
        m_device->hid_21H_SetCurrentProfile(uchar(profile));
}

void myQQuickView::ui_30H_SetColor(QVariantList src21)
{
    const DeviceBlocks::Block64 block = DeviceBlocks::sevenColors(src21);
    m_profiles->current().setValue(DeviceBlocks::kColorKey, src21);
    if (keyboardReachable())
        m_device->hid_30H_SetSevenColor(block.data());
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    quint16 version = 0;
    uchar mode = 0;
    if (m_device)
        m_device->hid_80H_GetFWVersion(version, mode);
    return DeviceBlocks::firmwareText(version);
}

QVariant myQQuickView::ui_80H_GetHWMode()
{
    return int(m_layoutMode);
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    return 0;
}

QVariant myQQuickView::ui_82H_GetKeyboardMode()
{
    uchar byte1 = 0;
    uchar byte2 = 0;
    uchar byte3 = 0;
    if (m_device)
        m_device->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    return int(byte1);
}

QVariant myQQuickView::ui_84H_GetButtonSensitivity()
{
    uchar sens1 = 0;
    if (m_device)
        m_device->hid_84H_GetButtonSensitivity(sens1);
    return int(sens1);
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    return DeviceBlocks::storedList(m_profiles->current(), DeviceBlocks::kLedTypeKey);
}

// Empty when the keyboard did not answer: the presets are not its lighting.
QVariantList myQQuickView::ui_88H_GetLEDTypeX()
{
    uchar values[6] = {};
    if (!m_device
        || !m_device->hid_88H_GetLEDType(values[0], values[1], values[2], values[3], values[4],
                                         values[5]))
        return {};
    QVariantList result;
    for (const uchar v : values)
        result.append(int(v));
    return result;
}

QVariantList myQQuickView::ui_8C8DH_GetKeyMatrix()
{
    DeviceBlocks::Block256 block{};
    if (m_device) {
        m_device->hid_8CH_GetKeyMatrix_1(block.data());
        m_device->hid_8DH_GetKeyMatrix_2(block.data() + 128);
    }
    QVariantList result;
    for (const uchar v : block)
        result.append(int(v));
    return result;
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index)
{
    return DeviceBlocks::storedList(m_profiles->current(), DeviceBlocks::pictureKey(index));
}

QVariant myQQuickView::ui_A1H_GetCurrentProfile()
{
    return int(m_profiles->currentIndex());
}

QVariantList myQQuickView::ui_B0H_GetColor()
{
    return DeviceBlocks::storedList(m_profiles->current(), DeviceBlocks::kColorKey);
}
