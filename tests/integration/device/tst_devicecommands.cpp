#include "DeviceCatalogue.h"
#include "LinkFixture.h"

#include <QTest>
#include <QThreadPool>

namespace {

const uchar *raw(const QByteArray &b)
{
    return reinterpret_cast<const uchar *>(b.constData());
}

QList<DevInfo> catalogueWithReportLength(quint32 reportLength)
{
    QList<DevInfo> entries = readDeviceCatalogue({QStringLiteral("K3")}).entries;
    entries[0].reportLength = reportLength;
    return entries;
}

} // namespace

class DeviceCommandsTest : public QObject, private LinkFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void backToBackWritesAreSerialisedWithEightMsAfterEachDataReport();
    void transferFailuresAreQuietAndAFailedOpenForgetsThePath();
    void writesRunWhenTheGlobalPoolHasASingleThread();
    void reportLengthZeroAndUnknownDevicesSendNothing();
    void aShortLastPieceIsPaddedWithZeros();
    void scramblingTouchesOnlyTheCommandBlock();

private:
    void waitForWire(int count);
};

void DeviceCommandsTest::initTestCase()
{
    captureMessages();
}

void DeviceCommandsTest::init()
{
    openLink();
}

void DeviceCommandsTest::cleanup()
{
    closeLink();
    Hid_Thread::setEncode(false);
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    // Every command closes what it opened.
    QCOMPARE(emu.openHandles(), 0);
}

// Waits for a started transfer and makes sure nothing more follows it.
void DeviceCommandsTest::waitForWire(int count)
{
    QVERIFY2(emu.waitForWireLog(count, 5000), qPrintable(wireText().join('\n')));
    QTest::qWait(40);
}

void DeviceCommandsTest::backToBackWritesAreSerialisedWithEightMsAfterEachDataReport()
{
    emu.setLatency(5);
    const QByteArray matrix = pattern(256, 1);
    link->hid_0CH_SetKeyMatrix_1(raw(matrix));
    link->hid_0DH_SetKeyMatrix_2(raw(matrix) + 128);
    const QByteArray planes = pattern(384, 9);
    for (uchar plane = 0; plane < 3; ++plane)
        link->hid_12H_SetUserPicture(3, plane, raw(planes) + 128 * plane);

    QStringList expected = {featureOut({0x0C, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                            dataOut(matrix.mid(0, 64)),
                            dataOut(matrix.mid(64, 64)),
                            featureOut({0x0D, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                            dataOut(matrix.mid(128, 64)),
                            dataOut(matrix.mid(192, 64))};
    for (int plane = 0; plane < 3; ++plane) {
        expected << featureOut({0x12, 0, 3, plane, 0, 0x55, 0xAA, 0})
                 << dataOut(planes.mid(128 * plane, 64))
                 << dataOut(planes.mid(128 * plane + 64, 64));
    }
    waitForWire(int(expected.size()));
    QCOMPARE(wireText(), expected);

    // 8 ms pass after every data report, also before the next command's block.
    const QList<K3Emulator::Record> log = emu.wireLog();
    for (int i = 0; i + 1 < log.size(); ++i) {
        if (log.at(i).kind == K3Emulator::Kind::DataOut)
            QVERIFY2(log.at(i + 1).nsecs - log.at(i).nsecs >= 8'000'000,
                     qPrintable(QString::number(i)));
    }
}

void DeviceCommandsTest::transferFailuresAreQuietAndAFailedOpenForgetsThePath()
{
    emu.setFault(K3Emulator::Fault::FeatureOutFails, 1);
    link->hid_21H_SetCurrentProfile(1);
    link->hid_21H_SetCurrentProfile(3);
    waitForWire(1);
    QCOMPARE(wireText(), QStringList{featureOut({0x21, 0x03, 0, 0, 0, 0x55, 0xAA, 0})});

    emu.setFault(K3Emulator::Fault::DataOutFails, 1);
    const QByteArray colours = pattern(64, 2);
    link->hid_30H_SetSevenColor(raw(colours));
    link->hid_30H_SetSevenColor(raw(colours));
    waitForWire(4);
    QCOMPARE(wireText().mid(1),
             (QStringList{featureOut({0x30, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                          featureOut({0x30, 0, 0, 0, 0, 0x55, 0xAA, 0}), dataOut(colours)}));

    // One failed open empties the command path: the link does not try again.
    emu.clearWireLog();
    emu.setFault(K3Emulator::Fault::OpenFails, 1);
    link->hid_21H_SetCurrentProfile(2);
    link->hid_21H_SetCurrentProfile(2);
    QTest::qWait(100);
    QVERIFY(wireText().isEmpty());
    QVERIFY(link->devices().at(0).cmdPath.isEmpty());
    QCOMPARE(link->devices().at(0).eventPath, QStringLiteral("k3emu/if2"));
    QVERIFY(capture->messages().isEmpty());
}

void DeviceCommandsTest::writesRunWhenTheGlobalPoolHasASingleThread()
{
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    link->swichCurDevice(0);
    link->hid_21H_SetCurrentProfile(1);
    link->hid_21H_SetCurrentProfile(2);
    waitForWire(2);
    QCOMPARE(wireText(), (QStringList{featureOut({0x21, 0x01, 0, 0, 0, 0x55, 0xAA, 0}),
                                      featureOut({0x21, 0x02, 0, 0, 0, 0x55, 0xAA, 0})}));
    QVERIFY(capture->messages().isEmpty());
    link->stopMonitor();
}

void DeviceCommandsTest::reportLengthZeroAndUnknownDevicesSendNothing()
{
    link->scanDevices(catalogueWithReportLength(0));
    capture->clear();
    const QByteArray matrix = pattern(128, 4);
    link->hid_0CH_SetKeyMatrix_1(raw(matrix));
    QByteArray own = pattern(64, 1);
    link->hid_B0H_GetSevenColor(reinterpret_cast<uchar *>(own.data()));
    QCOMPARE(own, pattern(64, 1));
    // Commands without data still work, so the token came back each time.
    link->hid_21H_SetCurrentProfile(1);
    waitForWire(1);
    QCOMPARE(wireText(), QStringList{featureOut({0x21, 0x01, 0, 0, 0, 0x55, 0xAA, 0})});

    emu.clearWireLog();
    link->swichCurDevice(7);
    link->hid_21H_SetCurrentProfile(2);
    uchar profile = 3;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));
    link->scanDevices({});
    link->swichCurDevice(0);
    link->hid_0CH_SetKeyMatrix_1(raw(matrix));
    QByteArray half = pattern(128, 2);
    link->hid_8CH_GetKeyMatrix_1(reinterpret_cast<uchar *>(half.data()));
    QCOMPARE(half, pattern(128, 2));
    QTest::qWait(50);
    QVERIFY(wireText().isEmpty());
    QVERIFY(capture->messages().isEmpty());
}

void DeviceCommandsTest::aShortLastPieceIsPaddedWithZeros()
{
    link->scanDevices(catalogueWithReportLength(48));
    link->hid_0CH_SetKeyMatrix_1(raw(QByteArray(128, char(0xAB))));
    const QByteArray colours = pattern(64, 3);
    link->hid_30H_SetSevenColor(raw(colours));
    waitForWire(7);
    const QList<K3Emulator::Record> pieces = recordsOf(K3Emulator::Kind::DataOut);
    QCOMPARE(pieces.size(), 5);
    for (const K3Emulator::Record &piece : pieces)
        QCOMPARE(piece.bytes.size(), 49);
    QCOMPARE(pieces.at(2).bytes, QByteArray(1, 0) + QByteArray(32, char(0xAB)) + QByteArray(16, 0));
    QCOMPARE(pieces.at(3).bytes, QByteArray(1, 0) + colours.left(48));
    QCOMPARE(pieces.at(4).bytes, QByteArray(1, 0) + colours.mid(48) + QByteArray(32, 0));
}

void DeviceCommandsTest::scramblingTouchesOnlyTheCommandBlock()
{
    Hid_Thread::setEncode(true);
    const QByteArray colours = pattern(64, 5);
    link->hid_30H_SetSevenColor(raw(colours));
    waitForWire(2);

    QByteArray block = bytes({0x30, 0, 0, 0, 0, 0x55, 0xAA, 0});
    uchar zeroCode[8] = {};
    link->USBDataEncryption(reinterpret_cast<uchar *>(block.data()), zeroCode);
    QCOMPARE(wireText(), (QStringList{featureOut(block), dataOut(colours)}));
}

QTEST_GUILESS_MAIN(DeviceCommandsTest)
#include "tst_devicecommands.moc"
