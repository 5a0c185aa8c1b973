#pragma once

#include <QByteArray>
#include <QList>

#include <array>

// One on-device profile of the emulated keyboard.
struct K3Profile
{
    // type, brightness, speed, direction, colour, type_Side
    std::array<uchar, 6> effect{};
    // Two bytes per key position, low byte of the 16-bit key code first.
    std::array<uchar, 256> keyMatrix{};
    // Seven colours × red, green, blue (0..63), then unused bytes.
    std::array<uchar, 64> sevenColor{};
    // [picture][colour plane][key position], components 0..63.
    std::array<std::array<std::array<uchar, 128>, 3>, 5> pictures{};
};

// Everything the emulated keyboard keeps.
struct K3State
{
    static constexpr int ProfileCount = 4;
    static constexpr int MacroSlots = 17;

    std::array<K3Profile, ProfileCount> profiles{};
    std::array<std::array<uchar, 128>, MacroSlots> macros{};
    uchar currentProfile = 0;
    std::array<uchar, 3> option{};
    uchar sensitivity = 0;
    quint16 firmware = 0;
    // 0 English, 1 Spanish; reported in bit 1 of the version reply.
    uchar layout = 0;

    static K3State factory();
};

// The keyboard's side of the command protocol, without transport or locking.
class EmulatedKeyboard
{
public:
    using Block = std::array<uchar, 8>;
    static constexpr int DataReportSize = 64;

    // A command block arrived; returns the data reports a reading command answers with.
    QList<QByteArray> receiveBlock(const Block &block);
    // The payload of one data report following a writing command.
    void receiveData(const uchar *payload, int length);
    const Block &reply() const { return replyBlock; }

    K3State state = K3State::factory();

private:
    void expectData(uchar *target, int size);

    Block replyBlock{};
    uchar *dataTarget = nullptr;
    int dataSize = 0;
    QByteArray received;
};
