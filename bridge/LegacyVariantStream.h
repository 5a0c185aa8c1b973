#pragma once

#include <QByteArray>
#include <QVariant>

// The binary payload of "@Variant(...)" values (QDataStream, Qt 4.0 format).
// Decoding is bounded by the payload: a damaged file can neither make it read
// past the end nor allocate what the payload does not hold.
namespace LegacyVariantStream {

QByteArray encode(const QVariant &value);

// Plain values, lists, string lists and maps of them; false for anything else.
bool decode(const QByteArray &payload, QVariant &value);

} // namespace LegacyVariantStream
