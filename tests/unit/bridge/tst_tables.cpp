#include "HardwareDefinitions.h"
#include "KeyNameTable.h"
#include "LanguageFiles.h"
#include "LegacyLocaleNames.h"
#include "NoticeTexts.h"
#include "TempWorkDir.h"

#include <QTest>

namespace {

void language(const QString &code, const QByteArray &content = "[font]\nfamily=Arial\n")
{
    TempWorkDir::write(QStringLiteral("modules/i18n/lang_") + code + QStringLiteral(".ini"),
                       content);
}

} // namespace

class TablesTest : public QObject
{
    Q_OBJECT
private slots:
    void displayNamesUseTheLegacyNumbers_data();
    void displayNamesUseTheLegacyNumbers();
    void languageMenuIsOrderedByDisplayNameAndLastFileWins();
    void languageTextsAndMessages();
    void aMissingLanguageGivesOneEmptyTextAndFourEmptyMessages();
    void keyNamesFollowTheLayoutMode();
    void keyNameMapPairsTheShorterListAndKeepsTheLastName();
    void hardwareTableLayout();
    void hardwareTablesWithMissingPartsReadAsZero();
    void initialLayoutModeFromHWDef();
};

void TablesTest::displayNamesUseTheLegacyNumbers_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("english") << "031000"
                             << "ENGLISH";
    QTest::newRow("simplified") << "025044"
                                << "CHINESE (Simp)";
    QTest::newRow("traditional") << "025208"
                                 << "CHINESE (Trad)";
    QTest::newRow("us") << "031225"
                        << "ENGLISH (UNITED STATES)";
    QTest::newRow("spanish") << "111000"
                             << "SPANISH";
    QTest::newRow("spain") << "111197"
                           << "SPANISH (SPAIN)";
    QTest::newRow("two words") << "096178"
                               << "RUSSIAN (RUSSIAN FEDERATION)";
    QTest::newRow("acronym") << "031234"
                             << "ENGLISH (US VIRGIN ISLANDS)";
    QTest::newRow("last language") << "214000"
                                   << "SHAMBALA";
    QTest::newRow("beyond the table") << "215000"
                                      << "UNKNOWN";
    QTest::newRow("not a number") << "03x1ab"
                                  << "DEFAULT";
}

void TablesTest::displayNamesUseTheLegacyNumbers()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(LanguageFiles::displayName(code), name);
}

void TablesTest::languageMenuIsOrderedByDisplayNameAndLastFileWins()
{
    TempWorkDir dir;
    QCOMPARE(LanguageFiles().menu(), QVariantMap());
    QCOMPARE(LanguageFiles(QStringLiteral("modules/none")).menu(), QVariantMap());
    language(QStringLiteral("031000"));
    language(QStringLiteral("025044"));
    TempWorkDir::write(QStringLiteral("modules/i18n/readme.ini"), "");
    const QVariantMap menu = LanguageFiles().menu();
    QCOMPARE(menu.keys(), QStringList({"CHINESE (Simp)", "ENGLISH"}));
    QCOMPARE(menu.value("CHINESE (Simp)").toString(), QStringLiteral("025044"));
    QCOMPARE(menu.value("ENGLISH").toString(), QStringLiteral("031000"));

    // "x00" is no country number: ENGLISH again, from the file that sorts last.
    language(QStringLiteral("031x00"));
    QCOMPARE(LanguageFiles().menu().value("ENGLISH").toString(), QStringLiteral("031x00"));
    QCOMPARE(LanguageFiles().menu().size(), 2);
}

void TablesTest::languageTextsAndMessages()
{
    TempWorkDir dir;
    language(QStringLiteral("025044"), "[font]\r\n"
                                       "family=\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91\r\n"
                                       "total=3\r\n"
                                       "cs=123\r\n"
                                       "[strings]\r\n"
                                       "1=\xE7\x81\xAF\xE5\x85\x89\r\n"
                                       "3=Save,then go\r\n" // an unquoted comma
                                       "[msg]\r\n"
                                       "0=Too long\r\n"
                                       "1=\\x5b8f is too long\r\n"
                                       "3=Cannot open \r\n"
                                       "[notice]\r\n"
                                       "saved=%2 \\x4fdd\\x5b58 %1 %3\r\n"
                                       "full=\r\n");
    const LanguageFiles::Texts texts = LanguageFiles().load(QStringLiteral("025044"));
    QCOMPARE(texts.strings, QStringList({QStringLiteral("\u5FAE\u8F6F\u96C5\u9ED1"),
                                         QStringLiteral("\u706F\u5149"), QString(),
                                         QStringLiteral("Save, then go")}));
    QCOMPARE(texts.messages,
             QStringList({"Too long", QStringLiteral("\u5B8F is too long"), "", "Cannot open"}));
    // Notices: the language's own text, else the English one, else the arguments alone;
    // an argument holding a placeholder is not filled again.
    const NoticeTexts notices(texts.notices, {{"full", "the disk is full"}, {"saved", "unused"}});
    QCOMPARE(notices.text("saved", {"%2", "P2"}), QStringLiteral("P2 \u4FDD\u5B58 %2 %3"));
    QCOMPARE(notices.text("full"), QStringLiteral("the disk is full"));
    QCOMPARE(notices.text("unknown", {"a", "b"}), QStringLiteral("a: b"));

    // A missing text reads as empty up to the total.
    language(QStringLiteral("025044"), "[font]\ntotal=4\n[strings]\n2=b\n");
    QCOMPARE(LanguageFiles().load(QStringLiteral("025044")).strings,
             QStringList({QString(), QString(), "b", QString(), QString()}));
}

void TablesTest::aMissingLanguageGivesOneEmptyTextAndFourEmptyMessages()
{
    TempWorkDir dir;
    const LanguageFiles::Texts texts = LanguageFiles().load(QStringLiteral("999999"));
    QCOMPARE(texts.strings, QStringList{QString()});
    QCOMPARE(texts.messages, QStringList(4, QString()));
}

void TablesTest::keyNamesFollowTheLayoutMode()
{
    TempWorkDir dir;
    KeyNameTable table;
    QCOMPARE(table.names(0), QVariantList());
    TempWorkDir::write(QStringLiteral("modules/setting/KeyCodeDef.bin"), "[0]\n"
                                                                         "usbStr=Esc, F1, \\x00d1\n"
                                                                         "usbCode=41, 58, 51\n"
                                                                         "[2]\n"
                                                                         "usbStr=Only\n"
                                                                         "usbCode=4\n");
    QCOMPARE(table.names(0), (QVariantList{"Esc", "F1", QStringLiteral("\u00D1")}));
    QCOMPARE(table.codes(0), (QVariantList{"41", "58", "51"}));
    QCOMPARE(table.names(1), QVariantList());
    // A single value is no list.
    QCOMPARE(table.names(2), QVariantList());
}

void TablesTest::keyNameMapPairsTheShorterListAndKeepsTheLastName()
{
    const QVariantList names{"A", "B", "C", "A", "E", "F", "G", "H", "I", "J"};
    const QVariantList codes{"4", "5", "260", "7", "x", "-1", "9", "10"};
    const QMap<QString, uchar> map = KeyNameTable::map(names, codes);
    QCOMPARE(map.size(), 7);
    QCOMPARE(map.value("A"), uchar(7));
    QCOMPARE(map.value("C"), uchar(4));
    QCOMPARE(map.value("E"), uchar(0));
    QCOMPARE(map.value("F"), uchar(0));
    QCOMPARE(map.value("H"), uchar(10));
    QVERIFY(!map.contains("I"));
}

void TablesTest::hardwareTableLayout()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef1.bin"),
                       "[0]\n"
                       "total_HW=2\n"
                       "total_FW=126\n"
                       "1=10, 20, 1, Esc, 0, 41\n"
                       "2=50, 20, 1, F1, 1, 58\n"
                       "[1]\n"
                       "total_HW=1\n"
                       "total_FW=128\n"
                       "1=10, 20, 1, \\x00d1, 51, 51\n");
    const QVariantList table = HardwareDefinitions().table(QStringLiteral("1"), 0);
    QCOMPARE(table, (QVariantList{2, 126, 10, 20, 1, "Esc", 0, 41u, 50, 20, 1, "F1", 1, 58u}));
    QCOMPARE(table.at(5).typeId(), QMetaType::QString);
    QCOMPARE(table.at(7).typeId(), QMetaType::UInt);
    QCOMPARE(table.at(2).typeId(), QMetaType::Int);
    QCOMPARE(HardwareDefinitions().table(QStringLiteral("1"), 1).at(5).toString(),
             QStringLiteral("\u00D1"));
    QCOMPARE(HardwareDefinitions().table(QStringLiteral("1"), 7), (QVariantList{0, 0}));
    QCOMPARE(HardwareDefinitions().table(QStringLiteral("0"), 0), (QVariantList{0, 0}));
}

void TablesTest::hardwareTablesWithMissingPartsReadAsZero()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef0.bin"), "[0]\n"
                                                                     "total_HW=3\n"
                                                                     "total_FW=x\n"
                                                                     "1=10, 20\n"
                                                                     "3=a, b, c, d, e, f, g\n");
    QCOMPARE(HardwareDefinitions().table(QStringLiteral("0"), 0),
             (QVariantList{3, 0, 10, 20, 0, "", 0, 0u, 0, 0, 0, "", 0, 0u, 0, 0, 0, "d", 0, 0u}));

    TempWorkDir::write(QStringLiteral("modules/setting/HWDef0.bin"),
                       "[0]\ntotal_HW=-4\ntotal_FW=126\n");
    QCOMPARE(HardwareDefinitions().table(QStringLiteral("0"), 0), (QVariantList{0, 126}));
}

void TablesTest::initialLayoutModeFromHWDef()
{
    TempWorkDir dir;
    QCOMPARE(HardwareDefinitions().initialLayoutMode(), uchar(0));
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef.bin"), "[common]\nkbLayoutType=1\n");
    QCOMPARE(HardwareDefinitions().initialLayoutMode(), uchar(1));
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef.bin"), "[common]\nkbLayoutType=257\n");
    QCOMPARE(HardwareDefinitions().initialLayoutMode(), uchar(1));
}

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
