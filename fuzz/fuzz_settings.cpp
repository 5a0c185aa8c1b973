// The settings-file reader (every file of the program goes through it): any bytes
// parse without harm, and what was read is written and read back unchanged, so a
// file the program rewrites loses nothing it could read.
#include "FuzzSupport.h"

#include "LegacyIniCodec.h"
#include "LegacyVariantStream.h"

namespace {

QByteArray describe(const QSettings::SettingsMap &map)
{
    QByteArray text;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        text += it.key().toUtf8().toHex() + " = " + it.value().toString().toUtf8().toHex() + '\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    QSettings::SettingsMap map;
    if (LegacyIniCodec::parse(input, map)) {
        // One write settles the text; writing what it reads back gives the same text.
        const QByteArray written = LegacyIniCodec::serialize(map);
        QSettings::SettingsMap reread;
        FUZZ_CHECK(LegacyIniCodec::parse(written, reread), written);
        FUZZ_CHECK(reread.keys() == map.keys(), describe(map) + "--\n" + describe(reread));
        const QByteArray rewritten = LegacyIniCodec::serialize(reread);
        FUZZ_CHECK(rewritten == written, written + "\n--\n" + rewritten);
    } else {
        FUZZ_CHECK(map.isEmpty(), describe(map));
    }

    // A single value as it stands right of '=': texts and lists of texts survive a save.
    const QVariant value = LegacyIniCodec::decodeValue(input);
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QStringList)
        FUZZ_CHECK(LegacyIniCodec::decodeValue(LegacyIniCodec::encodeValue(value)) == value, input);

    // The payload of a @Variant(...) value.
    QVariant decoded;
    if (LegacyVariantStream::decode(input, decoded)) {
        const QByteArray encoded = LegacyVariantStream::encode(decoded);
        QVariant again;
        FUZZ_CHECK(LegacyVariantStream::decode(encoded, again), input.toHex());
        FUZZ_CHECK(LegacyVariantStream::encode(again) == encoded, input.toHex());
    }
    return 0;
}
