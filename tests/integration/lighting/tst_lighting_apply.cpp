// The lighting page in the whole program on the emulated keyboard: Apply puts the palette,
// the one picture of the shown effect (three planes, position 61 mirroring 45) and the
// effect on the wire, in that order; the profile keeps the picture as painted.

#include "LightingSession.h"

#include "K3Emulator.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

namespace {

struct Sent
{
    QByteArray block;   // the 8 command bytes
    QByteArray payload; // the data reports that followed, without report IDs
};

// Every command the program sent since the log was cleared, with its data.
QList<Sent> sentCommands()
{
    QList<Sent> sent;
    const QList<K3Emulator::Record> log = K3Emulator::instance().wireLog();
    for (const K3Emulator::Record &record : log) {
        if (record.kind == K3Emulator::Kind::FeatureOut)
            sent.append({ record.bytes.mid(1, 8), {} });
        else if (record.kind == K3Emulator::Kind::DataOut && !sent.isEmpty())
            sent.last().payload += record.bytes.mid(1);
    }
    return sent;
}

QList<int> numbers(const QVariant &list)
{
    QList<int> out;
    const QVariantList values = list.toList();
    for (const QVariant &v : values)
        out.append(v.toInt());
    return out;
}

} // namespace

class LightingApplyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void applySendsPaletteOnePictureAndEffectInOrder();
    void reportsRightAfterApplyAreIgnored();

private:
    LightingSession m_session;
};

void LightingApplyTest::initTestCase()
{
    QVERIFY2(m_session.start(), qPrintable(m_session.error()));
    QVERIFY(m_session.openPage());
}

void LightingApplyTest::applySendsPaletteOnePictureAndEffectInOrder()
{
    // Paint the backslash key (position 45) of USER DEFINE 2; its ISO twin 61 stays dark.
    m_session.callPage("chooseFirstMenu", { 0 });
    m_session.callPage("choosePicture", { 1 });
    m_session.callPage("setEditorColour", { QVariant(QVariantList{ 200, 101, 7 }) });
    QQuickItem *backslash = m_session.key(45);
    QVERIFY(backslash);
    const QPointF corner = backslash->position();
    m_session.drag(corner + QPointF(4, 4), corner + QPointF(backslash->width() - 4, backslash->height() - 4));
    const QList<int> painted = numbers(m_session.page()->property("pictures").toList().value(1));
    QCOMPARE(painted.mid(3 * 45, 3), QList<int>({ 200, 101, 7 }));
    QCOMPARE(painted.mid(3 * 61, 3), QList<int>({ 0, 0, 0 }));

    K3Emulator::instance().clearWireLog();
    QMetaObject::invokeMethod(m_session.page(), "apply");
    QTRY_COMPARE(sentCommands().size(), 5);
    const QList<Sent> sent = sentCommands();

    // Palette: seven colours divided by 4, then zeros.
    const QList<int> palette = numbers(m_session.page()->property("paletteColours"));
    QCOMPARE(uchar(sent[0].block[0]), uchar(0x30));
    QCOMPARE(sent[0].payload.size(), 64);
    for (int i = 0; i < 64; ++i)
        QCOMPARE(uchar(sent[0].payload[i]), uchar(i < 21 ? palette[i] / 4 : 0));

    // One picture: index 1, planes 0, 1, 2; byte 61 carries byte 45.
    for (int plane = 0; plane < 3; ++plane) {
        const Sent &s = sent[1 + plane];
        QCOMPARE(uchar(s.block[0]), uchar(0x12));
        QCOMPARE(uchar(s.block[2]), uchar(1));
        QCOMPARE(uchar(s.block[3]), uchar(plane));
        QCOMPARE(s.payload.size(), 128);
        for (int k = 0; k < 128; ++k) {
            const int source = k == 61 ? 45 : k;
            QCOMPARE(uchar(s.payload[k]), uchar(painted[3 * source + plane] / 4));
        }
    }
    QCOMPARE(uchar(sent[1].payload[45]), uchar(50));
    QCOMPARE(uchar(sent[1].payload[61]), uchar(50));

    // The effect last: USER DEFINE 2 with the page's brightness, speed, direction and colour.
    const QObject *page = m_session.page();
    const QByteArray effect = sent[4].block;
    QCOMPARE(uchar(effect[0]), uchar(0x08));
    QCOMPARE(uchar(effect[1]), uchar(0x34));
    QCOMPARE(uchar(effect[2]), uchar(qRound(page->property("brightnessLevel").toInt() * 63 / 7.0)));
    QCOMPARE(uchar(effect[3]), uchar(qMax(page->property("speedLevel").toInt(), 1)));
    QCOMPARE(uchar(effect[4]), uchar((page->property("direction").toInt() - 1) % 2));
    QCOMPARE(uchar(effect[5]), uchar(page->property("colourIndex").toInt()));

    // The keyboard holds the picture; the profile keeps it as painted, 61 dark.
    const K3State state = K3Emulator::instance().state();
    QCOMPARE(state.profiles[state.currentProfile].pictures[1][0][61], uchar(50));
    QCOMPARE(state.profiles[state.currentProfile].effect[0], uchar(0x34));
    myQQuickView *view = m_session.program().window().view();
    const QList<int> stored = numbers(view->ui_92H_GetUserPicture(1));
    QCOMPARE(stored.mid(3 * 45, 3), QList<int>({ 200, 101, 7 }));
    QCOMPARE(stored.mid(3 * 61, 3), QList<int>({ 0, 0, 0 }));
    QCOMPARE(numbers(view->ui_88H_GetLEDType()).value(0), 0x34);
}

// The keyboard's own lighting reports: the two that answer an apply change nothing.
void LightingApplyTest::reportsRightAfterApplyAreIgnored()
{
    m_session.callPage("chooseFirstMenu", { 1 });
    m_session.callPage("chooseEffect", { 0x05 });
    QMetaObject::invokeMethod(m_session.page(), "apply");
    QCOMPARE(m_session.root()->property("disableTongbu").toInt(), 2);
    QObject *root = m_session.root();
    const uchar profile = K3Emulator::instance().state().currentProfile;
    for (int report = 0; report < 2; ++report) {
        m_session.program().window().view()->zzzMorvel(profile, 0x07, 63, 3);
        QTRY_COMPARE(root->property("disableTongbu").toInt(), 1 - report);
        QCOMPARE(m_session.page()->property("effectCode").toInt(), 0x05);
    }
    m_session.program().window().view()->zzzMorvel(profile, 0x07, 63, 3);
    QTRY_COMPARE(m_session.page()->property("effectCode").toInt(), 0x07);
}

QTEST_MAIN(LightingApplyTest)

#include "tst_lighting_apply.moc"
