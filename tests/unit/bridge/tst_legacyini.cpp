#include "LegacyIni.h"
#include "LegacyIniCodec.h"
#include "TempWorkDir.h"

#include <QFileInfo>
#include <QTest>

using Map = QSettings::SettingsMap;

class LegacyIniTest : public QObject
{
    Q_OBJECT
private slots:
    void valuesAreEscapedAndQuotedLikeTheLegacyDialect_data();
    void valuesAreEscapedAndQuotedLikeTheLegacyDialect();
    void handWrittenFilesAreReadWithEveryEscape();
    void listsWithQuotedElementsAndEmptyValues();
    void specialValuesSurviveTheRoundTrip();
    void keysWithUnusualCharactersRoundTrip();
    void damagedFilesReadAsAbsentKeysAndAreNotRewritten_data();
    void damagedFilesReadAsAbsentKeysAndAreNotRewritten();
    void aDamagedVariantPayloadStaysText();
};

void LegacyIniTest::valuesAreEscapedAndQuotedLikeTheLegacyDialect_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("plain") << QVariant(QStringLiteral("Exo Medium")) << QByteArray("Exo Medium");
    QTest::newRow("comma quotes") << QVariant(QStringLiteral("a,b")) << QByteArray("\"a,b\"");
    QTest::newRow("semicolon and equals quote")
            << QVariant(QStringLiteral("x=1;")) << QByteArray("\"x=1;\"");
    QTest::newRow("edge blanks quote")
            << QVariant(QStringLiteral(" pad ")) << QByteArray("\" pad \"");
    QTest::newRow("quote and backslash")
            << QVariant(QStringLiteral("say \"c:\\\"")) << QByteArray("say \\\"c:\\\\\\\"");
    QTest::newRow("control characters")
            << QVariant(QStringLiteral("a\tb\nc\x01")) << QByteArray("a\\tb\\nc\\x1");
    QTest::newRow("hex digit after escape")
            << QVariant(QStringLiteral("\u25BCab]")) << QByteArray("\\x25bc\\x61\\x62]");
    QTest::newRow("latin-1 letter")
            << QVariant(QStringLiteral("caf\u00E9")) << QByteArray("caf\\xe9");
    QTest::newRow("at sign doubled") << QVariant(QStringLiteral("@home")) << QByteArray("@@home");
    QTest::newRow("integer") << QVariant(-17) << QByteArray("-17");
    QTest::newRow("double") << QVariant(2.5) << QByteArray("2.5");
    QTest::newRow("whole double") << QVariant(3.0) << QByteArray("3");
    QTest::newRow("false") << QVariant(false) << QByteArray("false");
    QTest::newRow("empty") << QVariant(QString()) << QByteArray("");
    QTest::newRow("invalid") << QVariant() << QByteArray("@Invalid()");
    QTest::newRow("empty list") << QVariant(QVariantList()) << QByteArray("@Invalid()");
    QTest::newRow("mixed list") << QVariant(
            QVariantList{1, QStringLiteral("a b"), true, QStringLiteral("x,y")})
                                << QByteArray("1, a b, true, \"x,y\"");
    QTest::newRow("url as text") << QVariant(QUrl(QStringLiteral("file:///home/u/pic.png")))
                                 << QByteArray("file:///home/u/pic.png");
}

void LegacyIniTest::valuesAreEscapedAndQuotedLikeTheLegacyDialect()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, text);
    QCOMPARE(LegacyIniCodec::encodeValue(value), text);
}

void LegacyIniTest::handWrittenFilesAreReadWithEveryEscape()
{
    // Windows line ends, comments, blanks around '=', a General section,
    // escapes of every kind, raw UTF-8 and raw Latin-1, a continued line.
    const QByteArray file = "\xEF\xBB\xBF; written by hand\r\n"
                            "top=level\r\n"
                            "[General]\r\n"
                            "second = 2  \r\n"
                            "[font]\r\n"
                            "family=Exo Medium\r\n"
                            "  cs =  \"  kept  \"  \r\n"
                            "[strings]\r\n"
                            "1=\\x25bc down\\x25b2\r\n"
                            "2=tab\\there\\\\ \\\"q\\\" \\101\\x42]\r\n"
                            "3=Espa\xC3\xB1ol\r\n"
                            "4=Espa\xF1ol\r\n"
                            "5=first \\\r\n"
                            "second\r\n"
                            "6=\r\n"
                            "7=a;comment after\r\n";
    Map map;
    QVERIFY(LegacyIniCodec::parse(file, map));
    QCOMPARE(map.value("top").toString(), QStringLiteral("level"));
    QCOMPARE(map.value("second").toString(), QStringLiteral("2"));
    QCOMPARE(map.value("font/family").toString(), QStringLiteral("Exo Medium"));
    QCOMPARE(map.value("font/cs").toString(), QStringLiteral("  kept  "));
    QCOMPARE(map.value("strings/1").toString(), QStringLiteral("\u25BC down\u25B2"));
    QCOMPARE(map.value("strings/2").toString(), QStringLiteral("tab\there\\ \"q\" AB]"));
    QCOMPARE(map.value("strings/3").toString(), QStringLiteral("Espa\u00F1ol"));
    QCOMPARE(map.value("strings/4").toString(), QStringLiteral("Espa\u00F1ol"));
    QCOMPARE(map.value("strings/5").toString(), QStringLiteral("first second"));
    QVERIFY(map.contains("strings/6"));
    QCOMPARE(map.value("strings/6").toString(), QString());
    QCOMPARE(map.value("strings/7").toString(), QStringLiteral("a"));
    QCOMPARE(map.size(), 11);
}

void LegacyIniTest::listsWithQuotedElementsAndEmptyValues()
{
    const QByteArray file = "[0]\n"
                            "usbStr=Esc, F1 , \"a,b\", \", \", ,\\x25bc\n"
                            "usbCode=41,58,  0 ,\n"
                            "single=\"only, one\"\n";
    Map map;
    QVERIFY(LegacyIniCodec::parse(file, map));
    QCOMPARE(map.value("0/usbStr").toStringList(),
             QStringList({"Esc", "F1", "a,b", ", ", "", QStringLiteral("\u25BC")}));
    QCOMPARE(map.value("0/usbCode").toStringList(), QStringList({"41", "58", "0", ""}));
    QCOMPARE(map.value("0/single").typeId(), QMetaType::QString);
    QCOMPARE(map.value("0/single").toString(), QStringLiteral("only, one"));
}

void LegacyIniTest::specialValuesSurviveTheRoundTrip()
{
    Map in;
    in.insert("a/oneElementList", QVariantList{42});
    in.insert("a/nested", QVariantList{QVariantList{1, 2}, QStringLiteral("x")});
    in.insert("a/at", QStringLiteral("@Invalid()"));
    in.insert("a/atList", QStringList({"@x", "y"}));
    in.insert("a/bytes", QByteArray("\x01\x02z"));
    in.insert("a/control", QStringLiteral("\u0000\u00011\u25BC2"));
    in.insert("b/text", QStringLiteral("Caf\u00E9 \u4E2D\u6587 \U0001F600"));
    Map out;
    QVERIFY(LegacyIniCodec::parse(LegacyIniCodec::serialize(in), out));
    QCOMPARE(out.value("a/oneElementList").toList(), QVariantList{42});
    QCOMPARE(out.value("a/nested").toList().at(0).toList(), (QVariantList{1, 2}));
    QCOMPARE(out.value("a/at").toString(), QStringLiteral("@Invalid()"));
    QCOMPARE(out.value("a/atList").toStringList(), QStringList({"@x", "y"}));
    QCOMPARE(out.value("a/bytes").toByteArray(), QByteArray("\x01\x02z"));
    QCOMPARE(out.value("a/control").toString(), QStringLiteral("\u0000\u00011\u25BC2"));
    QCOMPARE(out.value("b/text").toString(), QStringLiteral("Caf\u00E9 \u4E2D\u6587 \U0001F600"));
    // Nothing outside ASCII reaches the file.
    for (const char c : LegacyIniCodec::serialize(in))
        QVERIFY(uchar(c) < 0x80);
}

void LegacyIniTest::keysWithUnusualCharactersRoundTrip()
{
    QCOMPARE(LegacyIniCodec::encodeKey(QStringLiteral("a b=\u00FC\u20AC")),
             QByteArray("a%20b%3D%FC%U20AC"));
    QCOMPARE(LegacyIniCodec::decodeKey("a%20b%3D%FC%U20AC"), QStringLiteral("a b=\u00FC\u20AC"));
    QCOMPARE(LegacyIniCodec::decodeKey("50%"), QStringLiteral("50%"));
    QCOMPARE(LegacyIniCodec::decodeKey("%zz"), QStringLiteral("%zz"));

    Map in;
    in.insert(QStringLiteral("General/x"), 1);
    in.insert(QStringLiteral("sp ace/k y"), 2);
    in.insert(QStringLiteral("plain"), 3);
    const QByteArray text = LegacyIniCodec::serialize(in);
    QVERIFY(text.startsWith("[General]\nplain=3\n"));
    QVERIFY(text.contains("[%General]\nx=1\n"));
    QVERIFY(text.contains("[sp%20ace]\nk%20y=2\n"));
    Map out;
    QVERIFY(LegacyIniCodec::parse(text, out));
    QCOMPARE(out.keys(), in.keys());
}

void LegacyIniTest::damagedFilesReadAsAbsentKeysAndAreNotRewritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("empty") << QByteArray() << "config/total" << QVariant();
    QTest::newRow("binary") << QByteArray("\x7F"
                                          "ELF\x02\x01\x00\x00[config]\ntotal=3\n",
                                          25)
                            << "config/total" << QVariant();
    QTest::newRow("truncated in a key")
            << QByteArray("[config]\ntotal=3\ninde") << "config/total" << QVariant("3");
    QTest::newRow("truncated in a quote")
            << QByteArray("[config]\nname=\"abc") << "config/name" << QVariant("abc");
    QTest::newRow("unclosed section")
            << QByteArray("[conf\ntotal=2\n") << "conf/total" << QVariant("2");
    QTest::newRow("lone backslash") << QByteArray("[a]\nb=x\\") << "a/b" << QVariant("x");
    QTest::newRow("endless hex escape") << QByteArray("[a]\nb=\\x123456789abcdef") << "a/b"
                                        << QVariant(QString(QChar(char16_t(0xCDEF))));
}

void LegacyIniTest::damagedFilesReadAsAbsentKeysAndAreNotRewritten()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/p1.bin"), content);
    {
        const QSettings file(QStringLiteral("modules/setting/p1.bin"), LegacyIni::format());
        QCOMPARE(file.value(key), expected);
        QCOMPARE(file.value("color/color", 0).toList(), QVariantList());
    }
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p1.bin")), content);
}

void LegacyIniTest::aDamagedVariantPayloadStaysText()
{
    // A list header claiming four billion elements, a string longer than its payload.
    const QByteArray file = "[a]\n"
                            "huge=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\n"
                            "long=@Variant(\\0\\0\\0\\n\\0\\0\\x10\\0\\0\\x41)\n"
                            "good=@Variant(\\0\\0\\0\\x2\\0\\0\\0*)\n";
    Map map;
    QVERIFY(LegacyIniCodec::parse(file, map));
    QCOMPARE(map.value("a/huge").typeId(), QMetaType::QString);
    QCOMPARE(map.value("a/long").typeId(), QMetaType::QString);
    QCOMPARE(map.value("a/good"), QVariant(42));
}

QTEST_GUILESS_MAIN(LegacyIniTest)
#include "tst_legacyini.moc"
