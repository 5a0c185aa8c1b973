// The demo program under a real X server: a macro is recorded by typing on
// the keyboard (xdotool), bound to a key and applied; the macro file and the
// emulated keyboard's wire log must show it.

#include "K3Emulator.h"
#include "SceneDriver.h"

#include <QQuickItem>
#include <QTest>

namespace {

// The macro block as the keyboard stores it: little-endian words, zero-filled.
QByteArray macroBlock(const QList<quint16> &words)
{
    QByteArray block(128, '\0');
    for (int i = 0; i < words.size(); ++i) {
        block[2 * i] = char(words[i] & 0xFF);
        block[2 * i + 1] = char(words[i] >> 8);
    }
    return block;
}

// A, then B, pressed and released: start word, four key words, end word.
const QByteArray typedAB = macroBlock({0x0001, 0x0104, 0x8104, 0x0105, 0x8105, 0x0000});

// The data reports that followed the last command block with this code (and slot byte).
QByteArray sentData(uchar command, int slot = -1)
{
    QByteArray data;
    bool inside = false;
    const QList<K3Emulator::Record> log = K3Emulator::instance().wireLog();
    for (const K3Emulator::Record &record : log) {
        if (record.kind == K3Emulator::Kind::FeatureOut) {
            inside = record.bytes.size() >= 4 && uchar(record.bytes[1]) == command
                     && (slot < 0 || uchar(record.bytes[3]) == slot);
            if (inside)
                data.clear();
        } else if (record.kind == K3Emulator::Kind::DataOut && inside) {
            data += record.bytes.mid(1);
        }
    }
    return data;
}

} // namespace

class MacroEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsAMacroByTyping();
    void bindsTheMacroToAKeyAndApplies();
    void cleanupTestCase();

private:
    SceneDriver m_driver;
};

void MacroEndToEndTest::initTestCase()
{
    K3Emulator::instance().reset();
    if (!m_driver.start())
        QFAIL(qPrintable(m_driver.error()));
}

void MacroEndToEndTest::cleanupTestCase()
{
    m_driver.stop();
}

void MacroEndToEndTest::recordsAMacroByTyping()
{
    QVERIFY(m_driver.openPage(1));
    QQuickItem *page = m_driver.macroPage();
    QQuickItem *steps = SceneDriver::child(page, "stepList");
    QVERIFY(steps);

    // Macro. 003 is bound to the keyboard's macro slot 2.
    QVERIFY(SceneDriver::macroFile(QStringLiteral("Macro. 003")).contains("index=2"));
    QVERIFY(m_driver.click(SceneDriver::textItem(SceneDriver::child(page, "macroList"),
                                                 QStringLiteral("Macro. 003"))));
    QTRY_COMPARE(steps->property("count").toInt(), 4);

    QVERIFY(m_driver.click(SceneDriver::child(page, "recordButton")));
    QTRY_VERIFY(page->property("isRecordStart").toBool());
    K3Emulator::instance().clearWireLog();
    QVERIFY(m_driver.typeKeys({QStringLiteral("a"), QStringLiteral("b")}));
    QTRY_COMPARE(steps->property("count").toInt(), 4);
    QVERIFY2(K3Emulator::instance().wireLog().isEmpty(), "the macro was sent while recording");
    QVERIFY(m_driver.click(SceneDriver::child(page, "stopButton")));
    QTRY_VERIFY(!page->property("isRecordStart").toBool());

    const QByteArray file = SceneDriver::macroFile(QStringLiteral("Macro. 003"));
    QVERIFY2(file.contains("total=4"), file.constData());
    QVERIFY2(file.contains("0=A       [\\x25bc]"), file.constData());
    QVERIFY(file.contains("1=A       [\\x25b2]"));
    QVERIFY(file.contains("2=B       [\\x25bc]"));
    QVERIFY(file.contains("3=B       [\\x25b2]"));
    QVERIFY(!file.contains("4="));

    // Saving a bound macro sends it to its slot at once.
    QTRY_COMPARE(sentData(0x10, 2), typedAB);
    const K3State state = K3Emulator::instance().state();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(state.macros[2].data()), 128), typedAB);
}

void MacroEndToEndTest::bindsTheMacroToAKeyAndApplies()
{
    QVERIFY(m_driver.openPage(0));
    QQuickItem *page = m_driver.keyPage();
    QQuickItem *keyboard = SceneDriver::child(page, "keyboard");
    QVERIFY(keyboard);
    const QStringList strings = m_driver.strings();

    QVERIFY(m_driver.click(SceneDriver::textItem(keyboard, QStringLiteral("F1"))));
    const int matrix = keyboard->property("curKeyMatrix").toInt();
    QVERIFY(matrix >= 0 && matrix < 128);

    QVERIFY(m_driver.click(
            SceneDriver::textItem(SceneDriver::child(page, "kindMenu"), strings.value(50))));
    QQuickItem *macroMenu = SceneDriver::child(page, "macroMenu");
    QTRY_VERIFY(macroMenu->isVisible());
    QVERIFY(m_driver.click(macroMenu));
    QTRY_VERIFY(macroMenu->property("opened").toBool());
    K3Emulator::instance().clearWireLog();
    QVERIFY(m_driver.click(SceneDriver::textItem(macroMenu, QStringLiteral("Macro. 003"))));
    QTRY_VERIFY(!macroMenu->property("opened").toBool());

    // Choosing the macro sends it to its slot; Apply sends the key matrix with
    // the key bound to macro slot 2, repeat 1: key code 0x4102, low byte first.
    QTRY_COMPARE(sentData(0x10, 2), typedAB);
    QVERIFY(m_driver.click(SceneDriver::textItem(page, strings.value(107))));
    QTRY_COMPARE(sentData(0x0D).size(), 128);
    const QByteArray matrixBytes = sentData(0x0C) + sentData(0x0D);
    QCOMPARE(matrixBytes.size(), 256);
    QCOMPARE(uchar(matrixBytes[2 * matrix]), uchar(0x02));
    QCOMPARE(uchar(matrixBytes[2 * matrix + 1]), uchar(0x41));
    const K3State state = K3Emulator::instance().state();
    const K3Profile &profile = state.profiles[state.currentProfile];
    QCOMPARE(profile.keyMatrix[2 * matrix], uchar(0x02));
    QCOMPARE(profile.keyMatrix[2 * matrix + 1], uchar(0x41));
}

QTEST_MAIN(MacroEndToEndTest)

#include "tst_macro_e2e.moc"
