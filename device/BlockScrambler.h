#pragma once

#include <QtGlobal>

// The optional scrambling of 8-byte command and reply blocks, and the block checksum.
namespace BlockScrambler {

constexpr int BlockSize = 8;

// Both work in place on block[0..7]; code is an 8-byte secret of which bytes 1..6 are used.
void scramble(uchar *block, const uchar *code);
void unscramble(uchar *block, const uchar *code);

// One's complement of the 8-bit sum of cmd[0..6].
uchar checksum(const uchar *cmd);

} // namespace BlockScrambler
