// The program's hot C++ paths under Google Benchmark: macro encoding, the block scrambler,
// reading (and writing) a full profile, reading the hardware table. Data are the shipped files.
#include "BlockScrambler.h"
#include "DeviceBlocks.h"
#include "HardwareDefinitions.h"
#include "LegacyIni.h"
#include "LegacyIniCodec.h"
#include "MacroCodec.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {

const QString SettingFolder = QStringLiteral(K3_SETTING_DIR);

QByteArray shipped(const QString &name)
{
    QFile file(SettingFolder + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A recorded macro longer than a keyboard slot holds: presses, releases and pauses of
// 26 letters, 78 steps.
QStringList recordedMacro()
{
    QStringList steps;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QString key(QChar::fromLatin1(c));
        steps << key + MacroCodec::kPressTag << QStringLiteral("120") + MacroCodec::kPauseTag
              << key + MacroCodec::kReleaseTag;
    }
    return steps;
}

QMap<QString, uchar> letterCodes()
{
    QMap<QString, uchar> codes;
    for (char c = 'A'; c <= 'Z'; ++c)
        codes.insert(QString(QChar::fromLatin1(c)), uchar(4 + c - 'A'));
    return codes;
}

void macroEncoding(benchmark::State &state)
{
    const QStringList steps = recordedMacro();
    const QMap<QString, uchar> codes = letterCodes();
    for (auto _ : state) {
        MacroCodec::Block block = MacroCodec::block(MacroCodec::encode(steps, codes));
        benchmark::DoNotOptimize(block);
    }
    state.SetLabel("78 steps to one 128-byte block");
}
BENCHMARK(macroEncoding);

void blockScrambler(benchmark::State &state)
{
    std::array<uchar, BlockScrambler::BlockSize> block{0x08, 0x02, 0x3F, 0x03,
                                                       0x00, 0x07, 0x00, 0x00};
    const std::array<uchar, BlockScrambler::BlockSize> code{};
    for (auto _ : state) {
        BlockScrambler::scramble(block.data(), code.data());
        BlockScrambler::unscramble(block.data(), code.data());
        benchmark::DoNotOptimize(block);
    }
    state.SetLabel("scramble + unscramble of one 8-byte block");
}
BENCHMARK(blockScrambler);

// Parsing a whole shipped file, every key of it.
void parseShipped(benchmark::State &state, const QString &name)
{
    const QByteArray file = shipped(name);
    for (auto _ : state) {
        QSettings::SettingsMap map;
        LegacyIniCodec::parse(file, map);
        benchmark::DoNotOptimize(map);
    }
    state.SetLabel(
            QStringLiteral("%1, %2 bytes, every key").arg(name).arg(file.size()).toStdString());
}

void parseProfile(benchmark::State &state)
{
    parseShipped(state, QStringLiteral("p1.bin"));
}
BENCHMARK(parseProfile);

// What the pages read from the current profile on every profile switch.
void readProfileValues(benchmark::State &state)
{
    QSettings profile(SettingFolder + QStringLiteral("/p1.bin"), LegacyIni::format());
    constexpr int Positions = 128;
    constexpr int Pictures = 5;
    for (auto _ : state) {
        int values = DeviceBlocks::storedList(profile, DeviceBlocks::kColorKey).size()
                     + DeviceBlocks::storedList(profile, DeviceBlocks::kLedTypeKey).size();
        for (uint picture = 0; picture < Pictures; ++picture)
            values += DeviceBlocks::storedList(profile, DeviceBlocks::pictureKey(picture)).size();
        for (int position = 0; position < Positions; ++position)
            values += DeviceBlocks::storedList(
                              profile, DeviceBlocks::keydefineKey(0, QString::number(position)))
                              .size();
        benchmark::DoNotOptimize(values);
    }
    state.SetLabel("colours, effect, 5 pictures, 128 keys from an open profile");
}
BENCHMARK(readProfileValues);

// The whole file as an apply leaves it to be written back.
void writeProfile(benchmark::State &state)
{
    QSettings::SettingsMap map;
    LegacyIniCodec::parse(shipped(QStringLiteral("p1.bin")), map);
    for (auto _ : state) {
        QByteArray text = LegacyIniCodec::serialize(map);
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel("p1.bin, every key");
}
BENCHMARK(writeProfile);

// What an apply of the key page does to the profile before the key matrix goes out.
void storeKeyMatrix(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p1.bin"));
    QFile::copy(SettingFolder + QStringLiteral("/p1.bin"), path);
    QSettings profile(path, LegacyIni::format());
    QVariantList matrix;
    for (int i = 0; i < 256; ++i)
        matrix.append(i % 2 ? 0 : i / 2 + 4);
    for (auto _ : state)
        DeviceBlocks::storeKeyMatrix(profile, 0, matrix);
    state.SetLabel("128 keys into an open profile, in memory");
}
BENCHMARK(storeKeyMatrix);

void readHardwareTable(benchmark::State &state)
{
    const HardwareDefinitions definitions(SettingFolder);
    for (auto _ : state) {
        QVariantList table = definitions.table(QStringLiteral("0"), 0);
        benchmark::DoNotOptimize(table);
    }
    state.SetLabel("HWDef0.bin layout 0, as loadHWDef returns it");
}
BENCHMARK(readHardwareTable);

void parseHardwareFile(benchmark::State &state)
{
    parseShipped(state, QStringLiteral("HWDef0.bin"));
}
BENCHMARK(parseHardwareFile);

} // namespace

BENCHMARK_MAIN();
