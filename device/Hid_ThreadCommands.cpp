#include "Hid_Thread.h"
#include "LinkLog.h"

#include <QDebug>
#include <QThreadPool>

#include <algorithm>

namespace {

void fillReport(uchar *report, const std::array<uchar, 8> &block)
{
    report[0] = 0;
    std::copy(block.begin(), block.end(), report + 1);
}

} // namespace

// Writing commands return once the transfer is started; the token keeps the
// buffers untouched until it has ended.
void Hid_Thread::write(const Block &block, const uchar *data, int n)
{
    if (!waitLinkFree()) {
        qCDebug(linkLog, "cmd Failed %02X", block[0]);
        emit commandFailed();
        return;
    }
    fillReport(outReport, block);
    std::copy_n(data, n, dataBuf);
    transferBytes.store(n, std::memory_order_release);
    QThreadPool::globalInstance()->start(
            [this] { sendReport(transferBytes.load(std::memory_order_acquire)); });
}

// The preset is what the outputs keep when the exchange fails.
Hid_Thread::Exchange Hid_Thread::read(const Block &block, const Block &preset)
{
    if (!waitLinkFree()) {
        qCDebug(linkLog, "cmd Failed");
        return Exchange::NoToken;
    }
    fillReport(outReport, block);
    fillReport(inReport, preset);
    return queryReport(0) ? Exchange::Done : Exchange::Failed;
}

// After a failed exchange the caller's array keeps its content except for the pieces already read.
bool Hid_Thread::readData(const Block &block, uchar *data, int n)
{
    if (!waitLinkFree()) {
        qCDebug(linkLog, "cmd Failed");
        return false;
    }
    fillReport(outReport, block);
    fillReport(inReport, block);
    std::copy_n(data, n, dataBuf);
    const bool ok = queryReport(n);
    std::copy_n(dataBuf, n, data);
    return ok;
}

void Hid_Thread::hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3)
{
    write({0x02, byte1, byte2, byte3, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1)
{
    write({0x04, sens1, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                    uchar color, uchar type_Side)
{
    write({0x08, type, brightness, speed, direction, color, type_Side, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_09H_StopMacroSending()
{
    write({0x09, 0xAA, 0xCC, 0xEE, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_0CH_SetKeyMatrix_1(const uchar *src128)
{
    write({0x0C, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

void Hid_Thread::hid_0DH_SetKeyMatrix_2(const uchar *src128)
{
    write({0x0D, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

void Hid_Thread::hid_0FH_SetISPBootLoader()
{
    write({0x0F, 0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE}, nullptr, 0);
}

void Hid_Thread::hid_10H_SetMacroKey(uchar macroId, const uchar *src128)
{
    write({0x10, 0x00, macroId, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar colorIndex, const uchar *src128)
{
    write({0x12, 0x00, index, colorIndex, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    write({0x13, 0xFF, 0x1F, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_21H_SetCurrentProfile(uchar profileId)
{
    write({0x21, profileId, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0);
}

void Hid_Thread::hid_30H_SetSevenColor(const uchar *src64)
{
    write({0x30, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src64, 64);
}

bool Hid_Thread::hid_80H_GetFWVersion(quint16 &version, uchar &mode_UsUk)
{
    const Block block = {0x80, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    if (read(block, block) != Exchange::Done)
        return false;
    version = quint16(inReport[2] << 8 | inReport[3]);
    mode_UsUk = (inReport[4] >> 1) & 1;
    return true;
}

bool Hid_Thread::hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3)
{
    const Exchange result = read({0x82, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00},
                                 {0x82, byte1, byte2, byte3, 0x00, 0x55, 0xAA, 0x00});
    if (result == Exchange::NoToken)
        return false;
    byte1 = inReport[2];
    byte2 = inReport[3];
    byte3 = inReport[4];
    return result == Exchange::Done;
}

bool Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1)
{
    const Exchange result = read({0x84, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00},
                                 {0x84, sens1, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00});
    if (result == Exchange::NoToken)
        return false;
    sens1 = inReport[2];
    return result == Exchange::Done;
}

bool Hid_Thread::hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction,
                                    uchar &color, uchar &type_Side)
{
    const Exchange result = read({0x88, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00},
                                 {0x88, type, brightness, speed, direction, color, type_Side, 0x00});
    if (result == Exchange::NoToken)
        return false;
    type = inReport[2];
    brightness = inReport[3];
    speed = inReport[4];
    direction = inReport[5];
    color = inReport[6];
    type_Side = inReport[7];
    return result == Exchange::Done;
}

bool Hid_Thread::hid_8CH_GetKeyMatrix_1(uchar *src128)
{
    return readData({0x8C, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

bool Hid_Thread::hid_8DH_GetKeyMatrix_2(uchar *src128)
{
    return readData({0x8D, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

bool Hid_Thread::hid_90H_GetMacroKey(uchar macroId, uchar *src128)
{
    return readData({0x90, 0x00, macroId, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

bool Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128)
{
    return readData({0x92, 0x00, index, colorIndex, 0x00, 0x55, 0xAA, 0x00}, src128, 128);
}

// A failed exchange leaves 0 here: the preset carries no current value.
bool Hid_Thread::hid_A1H_GetCurrentProfile(uchar &profileId)
{
    const Block block = {0xA1, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    const Exchange result = read(block, block);
    if (result == Exchange::NoToken)
        return false;
    profileId = inReport[2];
    return result == Exchange::Done;
}

bool Hid_Thread::hid_B0H_GetSevenColor(uchar *src64)
{
    return readData({0xB0, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src64, 64);
}
