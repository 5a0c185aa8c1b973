// Macro files and macro steps: any macro file reads without harm, every step
// list encodes into the keyboard's word format, and any step text the editor
// saves reads back from the file unchanged.
#include "FuzzSupport.h"

#include "MacroCodec.h"
#include "MacroLibrary.h"

#include <QDir>
#include <QFile>

namespace {

QMap<QString, uchar> keyNames()
{
    QMap<QString, uchar> names;
    for (char c = 'A'; c <= 'Z'; ++c)
        names.insert(QString(QLatin1Char(c)), uchar(4 + c - 'A'));
    names.insert(QStringLiteral("L Ctrl"), 224);
    names.insert(QStringLiteral("Space"), 44);
    names.insert(QStringLiteral("\u00D1"), 51);
    names.insert(QStringLiteral("Unused"), 0);
    return names;
}

// The word stream: start word, a press, release or four-byte pause per step, end word.
void checkEncoding(const QStringList &steps, const QMap<QString, uchar> &names)
{
    const QList<uchar> encoded = MacroCodec::encode(steps, names);
    const QByteArray detail = steps.join(QLatin1Char('\n')).toUtf8();
    FUZZ_CHECK(encoded.size() >= 4 && encoded.size() % 2 == 0, detail);
    FUZZ_CHECK(encoded.at(0) == 0x00 && encoded.at(1) == 0x01, detail);
    FUZZ_CHECK(encoded.at(encoded.size() - 2) == 0 && encoded.last() == 0, detail);
    qsizetype i = 2;
    qsizetype words = 0;
    while (i < encoded.size() - 2) {
        const uchar command = encoded.at(i);
        if (command == 0x7F) {
            FUZZ_CHECK(encoded.at(i + 1) == 0 && i + 4 <= encoded.size() - 2, detail);
            i += 4;
        } else {
            FUZZ_CHECK((command == 0x01 || command == 0x81) && encoded.at(i + 1) != 0, detail);
            i += 2;
        }
        ++words;
    }
    FUZZ_CHECK(i == encoded.size() - 2 && words <= steps.size(), detail);

    const MacroCodec::Block block = MacroCodec::block(encoded);
    for (qsizetype b = 0; b < MacroCodec::kBlockSize; ++b) {
        const uchar expected = b < encoded.size() ? encoded.at(b ^ 1) : 0;
        FUZZ_CHECK(block[size_t(b)] == expected, detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    QDir().mkpath(FuzzSupport::scratchFolder() + QStringLiteral("/macro"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QMap<QString, uchar> names = keyNames();
    static int run = 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = FuzzSupport::scratchFolder() + QStringLiteral("/macro");
    MacroLibrary library(folder);
    // Names of their own: the settings library keeps files it has read by name.
    const QString name = QStringLiteral("in %1").arg(++run);
    const QString copy = QStringLiteral("out %1").arg(run);

    // The input as a macro file.
    FuzzSupport::writeFile(folder + u'/' + name + QStringLiteral(".bin"), input);
    const QStringList stored = library.steps(name);
    FUZZ_CHECK(library.config(name, 0).size() == 2, input);
    library.boundSlot(name);
    checkEncoding(stored, names);

    // The input as the steps the editor hands over, one per line; saved, they read back as they were.
    const QStringList lines = QString::fromUtf8(input).split(QLatin1Char('\n'));
    checkEncoding(lines, names);
    FUZZ_CHECK(library.saveSteps(name, lines) == FileFailure::None, input);
    QFile::remove(folder + u'/' + copy + QStringLiteral(".bin"));
    FUZZ_CHECK(QFile::copy(folder + u'/' + name + QStringLiteral(".bin"),
                           folder + u'/' + copy + QStringLiteral(".bin")),
               input);
    const QStringList reread = library.steps(copy);
    FUZZ_CHECK(reread == lines,
               input.toHex() + "\n" + reread.join(QLatin1Char('\n')).toUtf8().toHex());

    library.remove(name);
    library.remove(copy);
    return 0;
}
