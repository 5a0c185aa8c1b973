// Language codes and language files: any code gives a display name, and any
// language file gives the font family, its strings and exactly four messages.
#include "FuzzSupport.h"

#include "LanguageFiles.h"
#include "SettingsValues.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int run = 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    // The code as a file name gives it, and as any text at all.
    for (const QString &code : {QString::fromLatin1(input.left(6)), QString::fromUtf8(input)}) {
        const QString name = LanguageFiles::displayName(code);
        FUZZ_CHECK(!name.isEmpty(), input.toHex());
    }

    const QString folder = FuzzSupport::scratchFolder() + QStringLiteral("/i18n%1").arg(++run);
    QDir().mkpath(folder);
    FuzzSupport::writeFile(folder + QStringLiteral("/lang_031000.ini"), input);
    const LanguageFiles files(folder);
    const LanguageFiles::Texts texts = files.load(QStringLiteral("031000"));
    FUZZ_CHECK(!texts.strings.isEmpty() && texts.strings.size() <= 1 + SettingsValues::kMaxCount,
               input);
    FUZZ_CHECK(texts.messages.size() == 4, input);
    FUZZ_CHECK(files.menu().value(QStringLiteral("ENGLISH")) == QStringLiteral("031000"), input);
    QDir(folder).removeRecursively();
    return 0;
}
