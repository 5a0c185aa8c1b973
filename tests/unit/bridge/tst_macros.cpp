#include "LegacyIni.h"
#include "MacroCodec.h"
#include "MacroLibrary.h"
#include "TempWorkDir.h"

#include <QTest>

namespace {

const QMap<QString, uchar> kKeys{{"A", 0x04}, {"B", 0x05}, {"Ctrl", 0xE0}, {"Dead", 0x00}};

QString press(const QString &key)
{
    return key + MacroCodec::kPressTag;
}
QString release(const QString &key)
{
    return key + MacroCodec::kReleaseTag;
}
QString pause(const QString &ms)
{
    return ms + MacroCodec::kPauseTag;
}

QByteArray hex(const QList<uchar> &bytes)
{
    QByteArray out;
    for (const uchar b : bytes)
        out.append(char(b));
    return out.toHex(' ').toUpper();
}

QByteArray hex(const MacroCodec::Block &block, int count)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), count).toHex(' ').toUpper();
}

const QString kMacro1 = QStringLiteral("modules/macro/Macro. 001.bin");

} // namespace

class MacrosTest : public QObject
{
    Q_OBJECT
private slots:
    void theWorkedExampleByteForByte();
    void stepsThatCannotBeEncodedAreLeftOut();
    void pausesCountInTensOfMilliseconds_data();
    void pausesCountInTensOfMilliseconds();
    void sixtyThreePressesFillTheBlockWithoutEndWord();
    void newMacrosTakeTheFirstFreeNumber();
    void aShorterSaveLeavesOnlyItsOwnSteps();
    void stepsAreStoredInTheLegacyDialect();
    void missingMacrosAreNeitherReadNorWritten();
    void bindingsBelongToTheDeviceTheyWereMadeFor();
    void malformedKeysReadAsTheirDefaults();
    void listingIgnoresCaseAndRenameNeverOverwrites();
    void importReplacesOnlyAnExistingMacroAndExportReplacesTheTarget();
    void namesThatLeaveTheFolderAreRefused_data();
    void namesThatLeaveTheFolderAreRefused();
};

void MacrosTest::theWorkedExampleByteForByte()
{
    const QList<uchar> encoded = MacroCodec::encode({press("A"), pause("50"), release("A")}, kKeys);
    QCOMPARE(hex(encoded), QByteArray("00 01 01 04 7F 00 00 05 81 04 00 00"));
    const MacroCodec::Block block = MacroCodec::block(encoded);
    QCOMPARE(hex(block, 12), QByteArray("01 00 04 01 00 7F 05 00 04 81 00 00"));
    QVERIFY(std::all_of(block.begin() + 12, block.end(), [](uchar b) { return b == 0; }));

    QCOMPARE(hex(MacroCodec::encode({}, kKeys)), QByteArray("00 01 00 00"));
    QCOMPARE(hex(MacroCodec::block({}), 4), QByteArray("00 00 00 00"));
}

void MacrosTest::stepsThatCannotBeEncodedAreLeftOut()
{
    const QStringList steps{
            press("Unknown"),                  // not in the key-name map
            press("Dead"),                     // code 0
            press("a"),                        // names are case-sensitive
            QStringLiteral("A      [\u25BC]"), // one blank too few
            QStringLiteral("[\u25BC]"),        // shorter than a tag
            QStringLiteral("A       [x]"),     // unknown tag
            pause("0"),
            pause("soon"),
            press("Ctrl"),
            release("B"),
    };
    QCOMPARE(hex(MacroCodec::encode(steps, kKeys)), QByteArray("00 01 01 E0 81 05 00 00"));
}

void MacrosTest::pausesCountInTensOfMilliseconds_data()
{
    QTest::addColumn<QString>("ms");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("1000") << "1000" << QByteArray("00 01 7F 00 00 64 00 00");
    QTest::newRow("below ten") << "9" << QByteArray("00 01 7F 00 00 00 00 00");
    QTest::newRow("rounds down") << "1239" << QByteArray("00 01 7F 00 00 7B 00 00");
    QTest::newRow("high byte") << "655350" << QByteArray("00 01 7F 00 FF FF 00 00");
    QTest::newRow("wraps to zero") << "655360" << QByteArray("00 01 7F 00 00 00 00 00");
    QTest::newRow("negative") << "-50" << QByteArray("00 01 7F 00 00 FB 00 00");
}

void MacrosTest::pausesCountInTensOfMilliseconds()
{
    QFETCH(QString, ms);
    QFETCH(QByteArray, bytes);
    QCOMPARE(hex(MacroCodec::encode({pause(ms)}, kKeys)), bytes);
}

void MacrosTest::sixtyThreePressesFillTheBlockWithoutEndWord()
{
    const QList<uchar> encoded = MacroCodec::encode(QStringList(63, press("B")), kKeys);
    QCOMPARE(encoded.size(), 130);
    const MacroCodec::Block block = MacroCodec::block(encoded);
    QCOMPARE(block[0], uchar(0x01));
    QCOMPARE(block[1], uchar(0x00));
    for (int k = 1; k < 64; ++k) {
        QCOMPARE(block[2 * k], uchar(0x05));
        QCOMPARE(block[2 * k + 1], uchar(0x01));
    }
    // 62 presses still fit with their end word.
    const MacroCodec::Block fits = MacroCodec::block(
            MacroCodec::encode(QStringList(62, press("B")), kKeys));
    QCOMPARE(hex(fits, 128).right(11), QByteArray("05 01 00 00"));
}

void MacrosTest::newMacrosTakeTheFirstFreeNumber()
{
    TempWorkDir dir;
    MacroLibrary library;
    QCOMPARE(library.create(), QStringLiteral("Macro. 001"));
    QCOMPARE(TempWorkDir::read(kMacro1),
             QByteArray("[config]\ndid=-1\nindex=-1\nrepeat=1\ntotal=0\n"));
    QCOMPARE(library.config(QStringLiteral("Macro. 001"), 0), (QVariantList{-1, 1}));
    QCOMPARE(library.steps(QStringLiteral("Macro. 001")), QStringList());

    TempWorkDir::write(QStringLiteral("modules/macro/Macro. 003.bin"), "");
    QCOMPARE(library.create(), QStringLiteral("Macro. 002"));
    QCOMPARE(library.create(), QStringLiteral("Macro. 004"));
    for (int n = 5; n <= 999; ++n)
        TempWorkDir::write(
                QStringLiteral("modules/macro/Macro. %1.bin").arg(n, 3, 10, QLatin1Char('0')), "");
    QCOMPARE(library.create(), QStringLiteral("Macro. 1000"));
}

void MacrosTest::aShorterSaveLeavesOnlyItsOwnSteps()
{
    TempWorkDir dir;
    MacroLibrary library;
    const QString name = library.create();
    QCOMPARE(library.saveSteps(name,
                               {press("A"), press("B"), pause("10"), release("B"), release("A")}),
             FileFailure::None);
    QCOMPARE(library.saveSteps(name, {press("A"), pause("20"), release("A")}), FileFailure::None);
    const QSettings file(kMacro1, LegacyIni::format());
    QCOMPARE(file.value("config/total").toInt(), 3);
    QSettings macro(kMacro1, LegacyIni::format());
    macro.beginGroup(QStringLiteral("macro"));
    QCOMPARE(macro.childKeys(), QStringList({"0", "1", "2"}));
    QCOMPARE(library.steps(name), QStringList({press("A"), pause("20"), release("A")}));
}

void MacrosTest::stepsAreStoredInTheLegacyDialect()
{
    TempWorkDir dir;
    MacroLibrary library;
    const QString name = library.create();
    library.setConfig(name, {3, 2}, 0);
    QCOMPARE(library.saveSteps(name, {press("A"), pause("50"), release("A")}), FileFailure::None);
    QCOMPARE(TempWorkDir::read(kMacro1), QByteArray("[config]\n"
                                                    "did=0\n"
                                                    "index=3\n"
                                                    "repeat=2\n"
                                                    "total=3\n"
                                                    "\n"
                                                    "[macro]\n"
                                                    "0=A       [\\x25bc]\n"
                                                    "1=50      [ms]\n"
                                                    "2=A       [\\x25b2]\n"));
    QCOMPARE(library.boundSlot(name), 3);
    QCOMPARE(library.steps(name), QStringList({press("A"), pause("50"), release("A")}));

    // A file written by hand, with a missing step.
    TempWorkDir::write(kMacro1, "[config]\r\ntotal=3\r\nindex=16\r\n[macro]\r\n0=Esc       "
                                "[\\x25bc]\r\n2=50      [ms]\r\n");
    QCOMPARE(library.steps(name), QStringList({press("Esc"), QStringLiteral("0"), pause("50")}));
    QCOMPARE(library.boundSlot(name), 16);
}

void MacrosTest::missingMacrosAreNeitherReadNorWritten()
{
    TempWorkDir dir;
    MacroLibrary library;
    QCOMPARE(library.saveSteps(QStringLiteral("Ghost"), {press("A")}), FileFailure::Missing);
    library.setConfig(QStringLiteral("Ghost"), {1, 1}, 0);
    QVERIFY(!QFile::exists(QStringLiteral("modules/macro/Ghost.bin")));
    QCOMPARE(library.steps(QStringLiteral("Ghost")), QStringList());
    QCOMPARE(library.config(QStringLiteral("Ghost"), 0), QVariantList());
    QCOMPARE(library.boundSlot(QStringLiteral("Ghost")), -1);
    QCOMPARE(library.remove(QStringLiteral("Ghost")), FileFailure::Missing);

    const QString name = library.create();
    QCOMPARE(library.remove(name), FileFailure::None);
    QVERIFY(!QFile::exists(kMacro1));
}

void MacrosTest::bindingsBelongToTheDeviceTheyWereMadeFor()
{
    TempWorkDir dir;
    MacroLibrary library;
    const QString name = library.create();
    library.setConfig(name, {5, 3}, 0);
    QCOMPARE(library.config(name, 0), (QVariantList{5, 3}));
    QCOMPARE(library.config(name, 1), (QVariantList{-1, 3}));
    // Not erased by being read under another device.
    QCOMPARE(library.boundSlot(name), 5);
    // A short list from QML reads as 0 beyond its end.
    library.setConfig(name, {7}, 1);
    QCOMPARE(library.config(name, 1), (QVariantList{7, 0}));
}

void MacrosTest::malformedKeysReadAsTheirDefaults()
{
    TempWorkDir dir;
    TempWorkDir::write(kMacro1, "[config]\nindex=bound\ntotal=many\nrepeat=1, 2\ndid=\n");
    MacroLibrary library;
    QCOMPARE(library.config(QStringLiteral("Macro. 001"), -1), (QVariantList{-1, 1}));
    QCOMPARE(library.steps(QStringLiteral("Macro. 001")), QStringList());
    QCOMPARE(library.boundSlot(QStringLiteral("Macro. 001")), -1);

    // A missing step reads as "0" up to the total.
    TempWorkDir::write(kMacro1, "[config]\ntotal=4\n[macro]\n0=a\n2=c\n");
    QCOMPARE(library.steps(QStringLiteral("Macro. 001")), (QStringList{"a", "0", "c", "0"}));
}

void MacrosTest::listingIgnoresCaseAndRenameNeverOverwrites()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/macro/macro. 002.bin"), "two");
    TempWorkDir::write(QStringLiteral("modules/macro/Macro. 001.bin"), "one");
    TempWorkDir::write(QStringLiteral("modules/macro/notes.txt"), "");
    QDir().mkpath(QStringLiteral("modules/macro/folder.bin"));
    MacroLibrary library;
    QCOMPARE(library.fileNames(), QStringList({"folder.bin", "Macro. 001.bin", "macro. 002.bin"}));

    QCOMPARE(library.rename(QStringLiteral("Macro. 001"), QStringLiteral("macro. 002")),
             FileFailure::NameTaken);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/macro/macro. 002.bin")), QByteArray("two"));
    QCOMPARE(library.rename(QStringLiteral("Nothing"), QStringLiteral("Else")),
             FileFailure::Missing);
    QCOMPARE(library.rename(QStringLiteral("Macro. 001"), QStringLiteral("Fire \u2605")),
             FileFailure::None);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/macro/Fire \u2605.bin")), QByteArray("one"));
}

void MacrosTest::importReplacesOnlyAnExistingMacroAndExportReplacesTheTarget()
{
    TempWorkDir dir;
    MacroLibrary library;
    TempWorkDir::write(QStringLiteral("shared.mc"), "[config]\ntotal=1\n[macro]\n0=9      [ms]\n");
    QCOMPARE(
            library.importFrom(QStringLiteral("Macro. 001"), dir.path(QStringLiteral("shared.mc"))),
            FileFailure::Missing);
    QVERIFY(!QFile::exists(kMacro1));

    const QString name = library.create();
    const QByteArray created = TempWorkDir::read(kMacro1);
    QCOMPARE(library.importFrom(name, dir.path(QStringLiteral("missing.mc"))), FileFailure::Missing);
    QCOMPARE(TempWorkDir::read(kMacro1), created);
    QCOMPARE(library.importFrom(name, dir.path(QStringLiteral("shared.mc"))), FileFailure::None);
    QCOMPARE(library.steps(name), QStringList{pause("9")});

    TempWorkDir::write(QStringLiteral("out.mc"), "old export");
    QCOMPARE(library.exportTo(name, dir.path(QStringLiteral("out.mc"))), FileFailure::None);
    QCOMPARE(TempWorkDir::read(QStringLiteral("out.mc")), TempWorkDir::read(kMacro1));
    QCOMPARE(library.exportTo(QStringLiteral("Ghost"), dir.path(QStringLiteral("ghost.mc"))),
             FileFailure::Missing);
    QVERIFY(!QFile::exists(QStringLiteral("ghost.mc")));
}

void MacrosTest::namesThatLeaveTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../outside";
    QTest::newRow("deeper") << "../../modules/setting/p1";
    QTest::newRow("absolute") << "/tmp/outside";
    QTest::newRow("backslash") << "..\\outside";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("empty") << "";
}

void MacrosTest::namesThatLeaveTheFolderAreRefused()
{
    QFETCH(QString, name);
    TempWorkDir dir;
    // Decoys beside the macro folder that a traversal would reach.
    TempWorkDir::write(QStringLiteral("modules/outside.bin"), "[config]\ntotal=0\n");
    TempWorkDir::write(QStringLiteral("modules/setting/p1.bin"), "[config]\ntotal=0\n");
    TempWorkDir::write(QStringLiteral("modules/macro/Good.bin"), "[config]\ntotal=0\n");
    TempWorkDir::write(QStringLiteral("chosen.mc"), "[config]\ntotal=1\n");
    MacroLibrary library;
    QVERIFY(!MacroLibrary::isSafeName(name));
    QVERIFY(!library.exists(name));
    QCOMPARE(library.saveSteps(name, {press("A")}), FileFailure::Missing);
    library.setConfig(name, {1, 1}, 0);
    QCOMPARE(library.remove(name), FileFailure::Missing);
    QCOMPARE(library.importFrom(name, dir.path(QStringLiteral("chosen.mc"))), FileFailure::Missing);
    QCOMPARE(library.exportTo(name, dir.path(QStringLiteral("out.mc"))), FileFailure::Missing);
    QCOMPARE(library.rename(QStringLiteral("Good"), name), FileFailure::BadName);
    QCOMPARE(library.rename(name, QStringLiteral("Taken")), FileFailure::Missing);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/outside.bin")),
             QByteArray("[config]\ntotal=0\n"));
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p1.bin")),
             QByteArray("[config]\ntotal=0\n"));
    QVERIFY(QFile::exists(QStringLiteral("modules/macro/Good.bin")));
    QVERIFY(!QFile::exists(QStringLiteral("modules/macro/Taken.bin")));
    QVERIFY(!QFile::exists(QStringLiteral("out.mc")));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/outside.bin")));
}

QTEST_GUILESS_MAIN(MacrosTest)
#include "tst_macros.moc"
