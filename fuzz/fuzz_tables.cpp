// The hardware definition and key-name tables: any file reads into a table of
// the promised shape, never reading past a row or a list.
#include "FuzzSupport.h"

#include "HardwareDefinitions.h"
#include "KeyNameTable.h"
#include "SettingsValues.h"

#include <QDir>
#include <QFile>

namespace {

void checkHardwareTable(const QVariantList &table, const QByteArray &input)
{
    FUZZ_CHECK(table.size() >= 2, input);
    const int rows = table.at(0).toInt();
    FUZZ_CHECK(rows >= 0 && rows <= SettingsValues::kMaxCount, input);
    FUZZ_CHECK(table.size() == 2 + 6 * qsizetype(rows), input);
    // The pages build a key per row and an entry per matrix position: both stay bounded.
    FUZZ_CHECK(rows <= input.count('\n') + input.count('\r') + 1, input);
    const int matrixSize = table.at(1).toInt();
    FUZZ_CHECK(matrixSize >= 0 && matrixSize <= SettingsValues::kMaxCount, input);
    for (qsizetype at = 2; at < table.size(); at += 6) {
        FUZZ_CHECK(table.at(at + 3).typeId() == QMetaType::QString, input);
        FUZZ_CHECK(table.at(at + 5).typeId() == QMetaType::UInt, input);
        for (int e : {0, 1, 2, 4})
            FUZZ_CHECK(table.at(at + e).typeId() == QMetaType::Int, input);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int run = 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    // A folder of its own each time: the settings library keeps files it has read by name.
    const QString folder = FuzzSupport::scratchFolder() + QStringLiteral("/tables%1").arg(++run);
    QDir().mkpath(folder);
    const QString suffix = QString::number(run % 3);
    FuzzSupport::writeFile(folder + QStringLiteral("/HWDef") + suffix + QStringLiteral(".bin"),
                           input);
    FuzzSupport::writeFile(folder + QStringLiteral("/HWDef.bin"), input);
    FuzzSupport::writeFile(folder + QStringLiteral("/KeyCodeDef.bin"), input);

    const HardwareDefinitions definitions(folder);
    const uchar initial = definitions.initialLayoutMode();
    for (uint layout : {0u, 1u, uint(initial), 255u})
        checkHardwareTable(definitions.table(suffix, layout), input);

    const KeyNameTable keys(folder + QStringLiteral("/KeyCodeDef.bin"));
    for (uchar layout : {uchar(0), uchar(1), initial}) {
        const QVariantList names = keys.names(layout);
        const QVariantList codes = keys.codes(layout);
        const QMap<QString, uchar> map = KeyNameTable::map(names, codes);
        FUZZ_CHECK(map.size() <= qMin(names.size(), codes.size()), input);
    }

    QDir(folder).removeRecursively();
    return 0;
}
