#include "EmulatedKeyboard.h"

#include <algorithm>

namespace {

// The lighting page's defaults per profile: effect type, then brightness 7, speed 5, direction 1,
// colour 5.
constexpr uchar FactoryEffects[K3State::ProfileCount] = {0x00, 0x09, 0x07, 0x06};

// Red, green, blue, yellow, cyan, magenta, white.
constexpr uchar FactoryPalette[21] = {63, 0, 0,  0,  63, 0, 0,  0,  63, 63, 63,
                                      0,  0, 63, 63, 63, 0, 63, 63, 63, 63};

K3Profile factoryProfile(int number)
{
    K3Profile p;
    p.effect = {FactoryEffects[number], 7, 5, 1, 5, 0};
    for (int key = 0; key < 128; ++key)
        p.keyMatrix[size_t(2 * key)] = uchar(key);
    std::copy(std::begin(FactoryPalette), std::end(FactoryPalette), p.sevenColor.begin());
    // Each picture lights every key in one colour of the palette.
    for (size_t picture = 0; picture < p.pictures.size(); ++picture) {
        for (size_t plane = 0; plane < 3; ++plane)
            p.pictures[picture][plane].fill(FactoryPalette[3 * picture + plane]);
    }
    return p;
}

template<size_t N>
QList<QByteArray> dataReports(const std::array<uchar, N> &bytes, size_t offset, size_t size)
{
    QList<QByteArray> reports;
    for (size_t at = offset; at < offset + size; at += EmulatedKeyboard::DataReportSize)
        reports.append(QByteArray(reinterpret_cast<const char *>(bytes.data() + at),
                                  EmulatedKeyboard::DataReportSize));
    return reports;
}

QList<QByteArray> zeroReports(int size)
{
    return QList<QByteArray>(size / EmulatedKeyboard::DataReportSize,
                             QByteArray(EmulatedKeyboard::DataReportSize, 0));
}

} // namespace

K3State K3State::factory()
{
    K3State s;
    for (int i = 0; i < ProfileCount; ++i)
        s.profiles[size_t(i)] = factoryProfile(i);
    s.sensitivity = 3;
    s.firmware = 0x0105;
    return s;
}

QList<QByteArray> EmulatedKeyboard::receiveBlock(const Block &b)
{
    // A new command abandons a data transfer that did not complete.
    expectData(nullptr, 0);
    received.clear();
    replyBlock = b;
    K3Profile &profile = state.profiles[state.currentProfile];
    const bool macroOk = b[2] < K3State::MacroSlots;
    const bool pictureOk = b[2] < profile.pictures.size() && b[3] < 3;
    switch (b[0]) {
    case 0x02:
        std::copy_n(b.begin() + 1, 3, state.option.begin());
        break;
    case 0x04:
        state.sensitivity = b[1];
        break;
    case 0x08:
        std::copy_n(b.begin() + 1, 6, profile.effect.begin());
        break;
    case 0x0C:
        expectData(profile.keyMatrix.data(), 128);
        break;
    case 0x0D:
        expectData(profile.keyMatrix.data() + 128, 128);
        break;
    case 0x10:
        expectData(macroOk ? state.macros[b[2]].data() : nullptr, 128);
        break;
    case 0x12:
        expectData(pictureOk ? profile.pictures[b[2]][b[3]].data() : nullptr, 128);
        break;
    case 0x13: {
        const K3State factory = K3State::factory();
        state.profiles = factory.profiles;
        break;
    }
    case 0x21:
        if (b[1] < K3State::ProfileCount)
            state.currentProfile = b[1];
        break;
    case 0x30:
        expectData(profile.sevenColor.data(), 64);
        break;
    case 0x80:
        replyBlock[1] = uchar(state.firmware >> 8);
        replyBlock[2] = uchar(state.firmware);
        replyBlock[3] = uchar(0x01 | (state.layout & 1) << 1);
        break;
    case 0x82:
        std::copy(state.option.begin(), state.option.end(), replyBlock.begin() + 1);
        break;
    case 0x84:
        replyBlock[1] = state.sensitivity;
        break;
    case 0x88:
        std::copy(profile.effect.begin(), profile.effect.end(), replyBlock.begin() + 1);
        replyBlock[7] = 0;
        break;
    case 0x8C:
        return dataReports(profile.keyMatrix, 0, 128);
    case 0x8D:
        return dataReports(profile.keyMatrix, 128, 128);
    case 0x90:
        return macroOk ? dataReports(state.macros[b[2]], 0, 128) : zeroReports(128);
    case 0x92:
        return pictureOk ? dataReports(profile.pictures[b[2]][b[3]], 0, 128) : zeroReports(128);
    case 0xA1:
        replyBlock[1] = state.currentProfile;
        break;
    case 0xB0:
        return dataReports(profile.sevenColor, 0, 64);
    default:
        // 0x09, 0x0F and unknown codes are accepted and change nothing.
        break;
    }
    return {};
}

// A null target still consumes the data (a slot the keyboard does not have).
void EmulatedKeyboard::expectData(uchar *target, int size)
{
    dataTarget = target;
    dataSize = size;
}

void EmulatedKeyboard::receiveData(const uchar *payload, int length)
{
    if (dataSize <= 0)
        return;
    received.append(reinterpret_cast<const char *>(payload),
                    std::min(length, dataSize - int(received.size())));
    if (received.size() < dataSize)
        return;
    if (dataTarget)
        std::copy_n(received.constData(), dataSize, dataTarget);
    dataTarget = nullptr;
    dataSize = 0;
    received.clear();
}
