// The lighting page in the whole program on the emulated keyboard: Apply puts the palette,
// the one picture of the shown effect (three planes, position 61 mirroring 45) and the
// effect on the wire, in that order; the profile keeps the picture as painted.
#include "K3Emulator.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

namespace {

struct Sent
{
    QByteArray block;   // the 8 command bytes
    QByteArray payload; // the data reports that followed, without report IDs
};

QList<Sent> sentCommands()
{
    QList<Sent> sent;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog()) {
        if (record.kind == K3Emulator::Kind::FeatureOut)
            sent.append({record.bytes.mid(1, 8), {}});
        else if (record.kind == K3Emulator::Kind::DataOut && !sent.isEmpty())
            sent.last().payload += record.bytes.mid(1);
    }
    return sent;
}

QList<int> numbers(const QVariant &list)
{
    QList<int> out;
    for (const QVariant &v : list.toList())
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
    QQuickItem *page() const
    {
        return mainItem(m_program.root())->property("colorPage").value<QQuickItem *>();
    }
    void paintKey(int position);
    SceneProgram m_program;
};

void LightingApplyTest::initTestCase()
{
    K3Emulator::instance().reset();
    QVERIFY2(m_program.start(), qPrintable(m_program.error()));
    QObject *area = mainItem(m_program.root())->property("pageArea").value<QObject *>();
    QMetaObject::invokeMethod(area, "show", Q_ARG(QVariant, 2));
    QTRY_VERIFY(area->property("openPage").toInt() == 2 && !area->property("sliding").toBool());
}

// A mouse drag across the drawn key.
void LightingApplyTest::paintKey(int position)
{
    QQuickItem *keyboard = page()->property("keyboard").value<QQuickItem *>();
    const int index = keyboard->property("indexOfPosition").toList().value(position, -1).toInt();
    QQuickItem *key = callQml(keyboard, "keyItem", {index}).value<QQuickItem *>();
    QVERIFY(key);
    const QPoint start = keyboard->mapToScene(key->position() + QPointF(4, 4)).toPoint();
    const QPoint end = keyboard->mapToScene(key->position()
                                            + QPointF(key->width() - 4, key->height() - 4))
                               .toPoint();
    QTest::mousePress(m_program.view(), Qt::LeftButton, {}, start);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(m_program.view(), start + (end - start) * step / 8, 10);
    QTest::mouseRelease(m_program.view(), Qt::LeftButton, {}, end, 10);
}

void LightingApplyTest::applySendsPaletteOnePictureAndEffectInOrder()
{
    // Paint the backslash key (position 45) of USER DEFINE 2; its ISO twin 61 stays dark.
    callQml(page(), "chooseFirstMenu", {0});
    callQml(page(), "choosePicture", {1});
    callQml(page(), "setEditorColour", {QVariant(QVariantList{200, 101, 7})});
    paintKey(45);
    const QList<int> painted = numbers(page()->property("pictures").toList().value(1));
    QCOMPARE(painted.mid(3 * 45, 3), QList<int>({200, 101, 7}));
    QCOMPARE(painted.mid(3 * 61, 3), QList<int>({0, 0, 0}));

    K3Emulator::instance().clearWireLog();
    QMetaObject::invokeMethod(page(), "apply");
    QTRY_COMPARE(sentCommands().size(), 5);
    const QList<Sent> sent = sentCommands();
    QCOMPARE(sent[0].block.toHex(' '), QByteArray("30 00 00 00 00 55 aa 00"));
    QCOMPARE(sent[0].payload.size(), 64);
    QCOMPARE(sent[0].payload.mid(21), QByteArray(43, 0));
    // One picture: index 1, planes 0, 1, 2, each colour divided by 4; byte 61 carries byte 45.
    for (int plane = 0; plane < 3; ++plane) {
        QCOMPARE(sent[1 + plane].block.toHex(' '),
                 QByteArray("12 00 01 0") + QByteArray::number(plane) + " 00 55 aa 00");
        QCOMPARE(sent[1 + plane].payload.size(), 128);
    }
    QCOMPARE(sent[1].payload.mid(45, 1).toHex() + sent[2].payload.mid(45, 1).toHex()
                     + sent[3].payload.mid(45, 1).toHex(),
             QByteArray("321901"));
    QCOMPARE(sent[1].payload.mid(61, 1).toHex() + sent[2].payload.mid(61, 1).toHex(),
             QByteArray("3219"));
    // The effect last: USER DEFINE 2 with the page's brightness, speed, direction and colour.
    const QObject *p = page();
    const QByteArray effect = sent[4].block;
    QCOMPARE(uchar(effect[0]), uchar(0x08));
    QCOMPARE(uchar(effect[1]), uchar(0x34));
    QCOMPARE(uchar(effect[2]), uchar(p->property("brightnessLevel").toInt() * 9));
    QCOMPARE(uchar(effect[3]), uchar(qMax(p->property("speedLevel").toInt(), 1)));
    QCOMPARE(uchar(effect[4]), uchar((p->property("direction").toInt() - 1) % 2));
    QCOMPARE(uchar(effect[5]), uchar(p->property("colourIndex").toInt()));

    // The profile keeps the picture as painted, 61 dark.
    const QList<int> stored = numbers(m_program.view()->ui_92H_GetUserPicture(1));
    QCOMPARE(stored.mid(3 * 45, 3), QList<int>({200, 101, 7}));
    QCOMPARE(stored.mid(3 * 61, 3), QList<int>({0, 0, 0}));
    QCOMPARE(numbers(m_program.view()->ui_88H_GetLEDType()).value(0), 0x34);
}

// The keyboard's own lighting reports: the two that answer an apply change nothing.
void LightingApplyTest::reportsRightAfterApplyAreIgnored()
{
    callQml(page(), "chooseFirstMenu", {1});
    callQml(page(), "chooseEffect", {0x05});
    QMetaObject::invokeMethod(page(), "apply");
    QObject *root = m_program.root();
    QCOMPARE(root->property("disableTongbu").toInt(), 2);
    const uchar profile = K3Emulator::instance().state().currentProfile;
    for (int report = 0; report < 2; ++report) {
        m_program.view()->zzzMorvel(profile, 0x07, 63, 3);
        QTRY_COMPARE(root->property("disableTongbu").toInt(), 1 - report);
        QCOMPARE(page()->property("effectCode").toInt(), 0x05);
    }
    m_program.view()->zzzMorvel(profile, 0x07, 63, 3);
    QTRY_COMPARE(page()->property("effectCode").toInt(), 0x07);
}

QTEST_MAIN(LightingApplyTest)
#include "tst_lighting_apply.moc"
