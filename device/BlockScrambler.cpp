#include "BlockScrambler.h"

#include <utility>

namespace BlockScrambler {
namespace {

constexpr char Key[BlockSize + 1] = "TaKvuDol";

uchar swapNibbles(uchar b)
{
    return uchar((b << 4) | (b >> 4));
}

uchar keyByte(int i)
{
    return swapNibbles(uchar(Key[i]));
}

void swapPairs(uchar *b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void xorCode(uchar *b, const uchar *code)
{
    for (int i = 1; i <= 6; ++i)
        b[i] ^= code[i];
}

// The block is one big-endian 64-bit number for the rotation.
quint64 load(const uchar *b)
{
    quint64 v = 0;
    for (int i = 0; i < BlockSize; ++i)
        v = (v << 8) | b[i];
    return v;
}

void store(quint64 v, uchar *b)
{
    for (int i = BlockSize - 1; i >= 0; --i, v >>= 8)
        b[i] = uchar(v);
}

} // namespace

void scramble(uchar *block, const uchar *code)
{
    swapPairs(block);
    xorCode(block, code);
    const quint64 v = load(block);
    store((v << 3) | (v >> 61), block);
    for (int i = 0; i < BlockSize; ++i)
        block[i] = uchar(block[i] + keyByte(i));
}

void unscramble(uchar *block, const uchar *code)
{
    for (int i = 0; i < BlockSize; ++i)
        block[i] = uchar(block[i] - keyByte(i));
    const quint64 v = load(block);
    store((v >> 3) | (v << 61), block);
    xorCode(block, code);
    swapPairs(block);
}

uchar checksum(const uchar *cmd)
{
    uchar sum = 0;
    for (int i = 0; i < 7; ++i)
        sum = uchar(sum + cmd[i]);
    return uchar(~sum);
}

} // namespace BlockScrambler
