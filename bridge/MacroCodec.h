#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

// Encoding of macro steps into the byte form the keyboard stores.
namespace MacroCodec {

// Each step ends in one of these 10-character tags.
extern const QString kPressTag;   // 7 blanks + "[▼]"
extern const QString kReleaseTag; // 7 blanks + "[▲]"
extern const QString kPauseTag;   // 6 blanks + "[ms]"

constexpr int kBlockSize = 128;
using Block = std::array<uchar, kBlockSize>;

// Start word, one word pair per step, end word; 16-bit words high byte first.
// Unknown key names, key code 0 and pauses of 0 ms are left out.
QList<uchar> encode(const QStringList &steps, const QMap<QString, uchar> &keyCodes);

// The first 128 bytes of an encoded macro with each byte pair swapped, zero-filled.
Block block(const QList<uchar> &encoded);

} // namespace MacroCodec
