#pragma once

#include <QSettings>
#include <QString>
#include <QVariantList>

#include <array>

class Hid_Thread;

// What the device settings slots send and store: the device blocks built
// from QML's lists, and the profile keys they are kept under.
namespace DeviceBlocks {

using Block64 = std::array<uchar, 64>;
using Block128 = std::array<uchar, 128>;
using Block256 = std::array<uchar, 256>;
using Planes = std::array<Block128, 3>;
// type, brightness, speed, direction, colour, type_Side
using LedType = std::array<uchar, 6>;

// Missing elements count as 0; key position 61 carries the entry of 45.
Block256 keyMatrix(const QVariantList &src256);
Planes picturePlanes(const QVariantList &src384);
// Seven colours, components divided by 4, zero-filled to 64 bytes.
Block64 sevenColors(const QVariantList &src21);

// "unknown" for 0, else "HH.LL" in upper-case hexadecimal.
QString firmwareText(quint16 version);

QString keydefineKey(uchar layoutMode, const QString &position);
QString pictureKey(uint index);
extern const QString kLedTypeKey;
extern const QString kColorKey;
extern const QString kReportRateKey;

// Stores [src256[2k], src256[2k+1]] for k = 0..127 as QML passed them.
void storeKeyMatrix(QSettings &profile, uchar layoutMode, const QVariantList &src256);
// What start-up reads from the keyboard. A failed read leaves the value given.
struct DeviceFacts
{
    quint16 version = 0;
    uchar layoutMode = 0;
    uchar profile = 0;
};
DeviceFacts readDeviceFacts(Hid_Thread &link, DeviceFacts known);

// Stores the effect in the profile first, then sends it when there is a link.
void sendLedType(QSettings &profile, Hid_Thread *link, const LedType &values);
// A stored list, empty when the key is absent or holds no list.
QVariantList storedList(const QSettings &profile, const QString &key);

} // namespace DeviceBlocks
