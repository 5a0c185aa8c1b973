#include "DeviceBlocks.h"

#include "Hid_Thread.h"
#include "SettingsValues.h"

namespace DeviceBlocks {

const QString kLedTypeKey = QStringLiteral("color/ledType");
const QString kColorKey = QStringLiteral("color/color");
const QString kReportRateKey = QStringLiteral("sensor/reportRate_M3");

namespace {

constexpr int kKeyCount = 128;
constexpr int kMirrorTarget = 61;
constexpr int kMirrorSource = 45;
constexpr int kColorComponents = 21;

// The device scales colour components to 0..63.
uchar deviceColor(const QVariantList &list, qsizetype i)
{
    return uchar(SettingsValues::intAt(list, i) / 4);
}

} // namespace

Block256 keyMatrix(const QVariantList &src256)
{
    Block256 block{};
    for (qsizetype i = 0; i < qsizetype(block.size()); ++i)
        block[i] = uchar(SettingsValues::intAt(src256, i));
    block[2 * kMirrorTarget] = block[2 * kMirrorSource];
    block[2 * kMirrorTarget + 1] = block[2 * kMirrorSource + 1];
    return block;
}

Planes picturePlanes(const QVariantList &src384)
{
    Planes planes{};
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < kKeyCount; ++k)
            planes[c][k] = deviceColor(src384, 3 * k + c);
        planes[c][kMirrorTarget] = planes[c][kMirrorSource];
    }
    return planes;
}

Block64 sevenColors(const QVariantList &src21)
{
    Block64 block{};
    for (int j = 0; j < kColorComponents; ++j)
        block[j] = deviceColor(src21, j);
    return block;
}

QString firmwareText(quint16 version)
{
    if (version == 0)
        return QStringLiteral("unknown");
    return QStringLiteral("%1.%2")
            .arg(version >> 8, 2, 16, QLatin1Char('0'))
            .arg(version & 0xFF, 2, 16, QLatin1Char('0'))
            .toUpper();
}

QString keydefineKey(uchar layoutMode, const QString &position)
{
    return QStringLiteral("keydefine") + QString::number(layoutMode) + u'/' + position;
}

QString pictureKey(uint index)
{
    return QStringLiteral("userPicture/") + QString::number(index);
}

void storeKeyMatrix(QSettings &profile, uchar layoutMode, const QVariantList &src256)
{
    for (int k = 0; k < kKeyCount; ++k) {
        const QVariant low = 2 * k < src256.size() ? src256.at(2 * k) : QVariant(0);
        const QVariant high = 2 * k + 1 < src256.size() ? src256.at(2 * k + 1) : QVariant(0);
        profile.setValue(keydefineKey(layoutMode, QString::number(k)), QVariantList{low, high});
    }
}

DeviceFacts readDeviceFacts(Hid_Thread &link, DeviceFacts known)
{
    // A read that fails keeps what is known: its presets are no facts.
    DeviceFacts read = known;
    if (!link.hid_80H_GetFWVersion(read.version, read.layoutMode)) {
        read.version = known.version;
        read.layoutMode = known.layoutMode;
    }
    if (!link.hid_A1H_GetCurrentProfile(read.profile))
        read.profile = known.profile;
    return read;
}

void sendLedType(QSettings &profile, Hid_Thread *link, const LedType &v)
{
    profile.setValue(kLedTypeKey, QVariantList{v[0], v[1], v[2], v[3], v[4], v[5]});
    // The keyboard takes no speed 0; the profile keeps what was chosen.
    if (link)
        link->hid_08H_SetLEDType(v[0], v[1], v[2] ? v[2] : 1, v[3], v[4], v[5]);
}

QVariantList storedList(const QSettings &profile, const QString &key)
{
    return SettingsValues::list(profile.value(key, 0));
}

} // namespace DeviceBlocks
