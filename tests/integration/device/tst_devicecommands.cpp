#include "DeviceCatalogue.h"
#include "LinkFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <functional>

using WriteCall = std::function<void(Hid_Thread &, const uchar *)>;
Q_DECLARE_METATYPE(WriteCall)

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

    void writingCommandsPutTheirBlockAndDataOnTheWire_data();
    void writingCommandsPutTheirBlockAndDataOnTheWire();
    void backToBackWritesAreSerialisedWithEightMsAfterEachDataReport();
    void commandsWhileATransferHoldsTheLinkFailAndSendNothing();
    void readingCommandsReturnWhatTheKeyboardHolds();
    void firmwareVersionWordAndLayoutBit();
    void failedReadsLeaveTheOutputsAsPreset();
    void transferFailuresAreQuietAndAFailedOpenForgetsThePath();
    void aDataReportThatNeverComesFailsAfterABoundedWait();
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

void DeviceCommandsTest::writingCommandsPutTheirBlockAndDataOnTheWire_data()
{
    QTest::addColumn<WriteCall>("call");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("dataSize");

    QTest::newRow("02") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_02H_SetKeyboardoption(1, 2, 3); })
                        << bytes({0x02, 0x01, 0x02, 0x03, 0x00, 0x55, 0xAA, 0x00}) << 0;
    QTest::newRow("04") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_04H_SetButtonSensitivity(9); })
                        << bytes({0x04, 0x09, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 0;
    QTest::newRow("08 has no signature") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); })
                        << bytes({0x08, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x00}) << 0;
    QTest::newRow("09") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_09H_StopMacroSending(); })
                        << bytes({0x09, 0xAA, 0xCC, 0xEE, 0x00, 0x55, 0xAA, 0x00}) << 0;
    QTest::newRow("0C") << WriteCall([](Hid_Thread &l, const uchar *d) { l.hid_0CH_SetKeyMatrix_1(d); })
                        << bytes({0x0C, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 128;
    QTest::newRow("0D") << WriteCall([](Hid_Thread &l, const uchar *d) { l.hid_0DH_SetKeyMatrix_2(d); })
                        << bytes({0x0D, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 128;
    QTest::newRow("0F ends in EE") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_0FH_SetISPBootLoader(); })
                        << bytes({0x0F, 0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE}) << 0;
    QTest::newRow("10") << WriteCall([](Hid_Thread &l, const uchar *d) { l.hid_10H_SetMacroKey(5, d); })
                        << bytes({0x10, 0x00, 0x05, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 128;
    QTest::newRow("12") << WriteCall([](Hid_Thread &l, const uchar *d) { l.hid_12H_SetUserPicture(2, 1, d); })
                        << bytes({0x12, 0x00, 0x02, 0x01, 0x00, 0x55, 0xAA, 0x00}) << 128;
    QTest::newRow("13") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_13H_SetRecoveryData(); })
                        << bytes({0x13, 0xFF, 0x1F, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 0;
    QTest::newRow("21") << WriteCall([](Hid_Thread &l, const uchar *) { l.hid_21H_SetCurrentProfile(2); })
                        << bytes({0x21, 0x02, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 0;
    QTest::newRow("30") << WriteCall([](Hid_Thread &l, const uchar *d) { l.hid_30H_SetSevenColor(d); })
                        << bytes({0x30, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}) << 64;
}

void DeviceCommandsTest::writingCommandsPutTheirBlockAndDataOnTheWire()
{
    QFETCH(WriteCall, call);
    QFETCH(QByteArray, block);
    QFETCH(int, dataSize);

    QByteArray data = pattern(dataSize, 0x31);
    call(*link, raw(data));
    // The caller's buffer may be reused at once: the link has its own copy.
    data.fill(char(0xEE));

    const QByteArray sent = pattern(dataSize, 0x31);
    QStringList expected = {featureOut(block)};
    for (int offset = 0; offset < dataSize; offset += 64)
        expected.append(dataOut(sent.mid(offset, 64)));
    waitForWire(int(expected.size()));
    QCOMPARE(wireText(), expected);
    QVERIFY(capture->messages().isEmpty());
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

    QStringList expected = {featureOut({0x0C, 0, 0, 0, 0, 0x55, 0xAA, 0}), dataOut(matrix.mid(0, 64)),
                            dataOut(matrix.mid(64, 64)), featureOut({0x0D, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                            dataOut(matrix.mid(128, 64)), dataOut(matrix.mid(192, 64))};
    for (int plane = 0; plane < 3; ++plane) {
        expected << featureOut({0x12, 0, 3, plane, 0, 0x55, 0xAA, 0}) << dataOut(planes.mid(128 * plane, 64))
                 << dataOut(planes.mid(128 * plane + 64, 64));
    }
    waitForWire(int(expected.size()));
    QCOMPARE(wireText(), expected);

    // 8 ms pass after every data report, also before the next command's block.
    const QList<K3Emulator::Record> log = emu.wireLog();
    for (int i = 0; i + 1 < log.size(); ++i) {
        if (log.at(i).kind == K3Emulator::Kind::DataOut)
            QVERIFY2(log.at(i + 1).nsecs - log.at(i).nsecs >= 8'000'000, qPrintable(QString::number(i)));
    }

    const K3State state = emu.state();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(state.profiles[0].keyMatrix.data()), 256), matrix);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(state.profiles[0].pictures[3][2].data()), 128),
             planes.mid(256));
}

void DeviceCommandsTest::commandsWhileATransferHoldsTheLinkFailAndSendNothing()
{
    emu.setStalled(true);
    const QByteArray matrix = pattern(128, 3);
    link->hid_0CH_SetKeyMatrix_1(raw(matrix));

    // The wait processes events, so the interface stays responsive meanwhile.
    bool timerRan = false;
    QTimer::singleShot(100, this, [&] { timerRan = true; });
    QElapsedTimer waited;
    waited.start();
    link->hid_08H_SetLEDType(1, 2, 3, 4, 5, 6);
    QVERIFY(waited.elapsed() >= 2000);
    QVERIFY(timerRan);

    uchar profileId = 3;
    link->hid_A1H_GetCurrentProfile(profileId);
    QCOMPARE(profileId, uchar(3));
    QCOMPARE(capture->messages(), (QStringList{"cmd Failed 08", "cmd Failed"}));

    emu.setStalled(false);
    waitForWire(3);
    QCOMPARE(wireText(), (QStringList{featureOut({0x0C, 0, 0, 0, 0, 0x55, 0xAA, 0}), dataOut(matrix.mid(0, 64)),
                                      dataOut(matrix.mid(64))}));

    // Once the transfer has ended the link is free again.
    link->hid_21H_SetCurrentProfile(1);
    waitForWire(4);
    QCOMPARE(wireText().last(), featureOut({0x21, 0x01, 0, 0, 0, 0x55, 0xAA, 0}));
}

void DeviceCommandsTest::readingCommandsReturnWhatTheKeyboardHolds()
{
    const QByteArray matrix = pattern(256, 5);
    const QByteArray macro = pattern(128, 6);
    const QByteArray plane = pattern(128, 7);
    const QByteArray colours = pattern(64, 8);
    emu.update([&](K3State &s) {
        s.currentProfile = 2;
        s.option = {1, 2, 3};
        s.sensitivity = 7;
        s.profiles[2].effect = {0x09, 4, 3, 0, 6, 0};
        std::copy_n(matrix.constData(), 256, s.profiles[2].keyMatrix.begin());
        std::copy_n(macro.constData(), 128, s.macros[16].begin());
        std::copy_n(plane.constData(), 128, s.profiles[2].pictures[4][1].begin());
        std::copy_n(colours.constData(), 64, s.profiles[2].sevenColor.begin());
    });

    uchar b1 = 0, b2 = 0, b3 = 0;
    link->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE((QList<int>{b1, b2, b3}), (QList<int>{1, 2, 3}));
    uchar sens = 0;
    link->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(7));
    uchar effect[6] = {};
    link->hid_88H_GetLEDType(effect[0], effect[1], effect[2], effect[3], effect[4], effect[5]);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(effect), 6), bytes({0x09, 4, 3, 0, 6, 0}));
    uchar profile = 0;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(2));

    QByteArray got(128, 0);
    link->hid_8CH_GetKeyMatrix_1(reinterpret_cast<uchar *>(got.data()));
    QCOMPARE(got, matrix.left(128));
    link->hid_8DH_GetKeyMatrix_2(reinterpret_cast<uchar *>(got.data()));
    QCOMPARE(got, matrix.mid(128));
    link->hid_90H_GetMacroKey(16, reinterpret_cast<uchar *>(got.data()));
    QCOMPARE(got, macro);
    link->hid_92H_GetUserPicture(4, 1, reinterpret_cast<uchar *>(got.data()));
    QCOMPARE(got, plane);

    emu.clearWireLog();
    QByteArray seven(64, 0);
    link->hid_B0H_GetSevenColor(reinterpret_cast<uchar *>(seven.data()));
    QCOMPARE(seven, colours);
    const QStringList expected = {featureOut({0xB0, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                                  featureIn({0xB0, 0, 0, 0, 0, 0x55, 0xAA, 0}), dataIn(colours)};
    QCOMPARE(wireText(), expected);

    // Nothing in a reply is checked: the caller gets whatever the keyboard answered.
    emu.clearWireLog();
    emu.setFault(K3Emulator::Fault::GarbageReplies, 1);
    link->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(recordsOf(K3Emulator::Kind::FeatureIn).value(0).bytes.at(2)));
    QVERIFY(capture->messages().isEmpty());
}

void DeviceCommandsTest::firmwareVersionWordAndLayoutBit()
{
    quint16 version = 0;
    uchar mode = 9;
    link->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, quint16(0x0105));
    QCOMPARE(mode, uchar(0));
    QCOMPARE(wireText(), (QStringList{featureOut({0x80, 0, 0, 0, 0, 0x55, 0xAA, 0}),
                                      featureIn({0x80, 0x01, 0x05, 0x01, 0, 0x55, 0xAA, 0})}));

    // r1 is the high byte; bit 1 of r3 (0x03 here) is the layout.
    emu.update([](K3State &s) {
        s.firmware = 0x1A0B;
        s.layout = 1;
    });
    link->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, quint16(0x1A0B));
    QCOMPARE(mode, uchar(1));
}

void DeviceCommandsTest::failedReadsLeaveTheOutputsAsPreset()
{
    emu.setFault(K3Emulator::Fault::FeatureInFails);
    quint16 version = 0x7777;
    uchar mode = 9;
    link->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, quint16(0x7777));
    QCOMPARE(mode, uchar(9));
    uchar b1 = 4, b2 = 5, b3 = 6;
    link->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE((QList<int>{b1, b2, b3}), (QList<int>{4, 5, 6}));
    uchar effect[6] = {1, 2, 3, 4, 5, 6};
    link->hid_88H_GetLEDType(effect[0], effect[1], effect[2], effect[3], effect[4], effect[5]);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(effect), 6), bytes({1, 2, 3, 4, 5, 6}));
    uchar profile = 3;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));

    emu.setFault(K3Emulator::Fault::FeatureInFails, 0);
    emu.setFault(K3Emulator::Fault::DataInFails);
    QByteArray own = pattern(128, 0x40);
    link->hid_8CH_GetKeyMatrix_1(reinterpret_cast<uchar *>(own.data()));
    QCOMPARE(own, pattern(128, 0x40));

    // No keyboard at all: still quiet, and 0x84 keeps its value.
    emu.unplug();
    uchar sens = 8;
    link->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(8));
    profile = 3;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));
    QVERIFY(capture->messages().isEmpty());
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
    QCOMPARE(wireText().mid(1), (QStringList{featureOut({0x30, 0, 0, 0, 0, 0x55, 0xAA, 0}),
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

void DeviceCommandsTest::aDataReportThatNeverComesFailsAfterABoundedWait()
{
    emu.setFault(K3Emulator::Fault::MissingDataReplies);
    QByteArray own = pattern(128, 0x50);
    QElapsedTimer timer;
    timer.start();
    link->hid_92H_GetUserPicture(0, 0, reinterpret_cast<uchar *>(own.data()));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= Hid_Thread::DataReadTimeoutMs - 50 && elapsed < Hid_Thread::DataReadTimeoutMs + 1000,
             qPrintable(QString::number(elapsed)));
    QCOMPARE(own, pattern(128, 0x50));
    QVERIFY(capture->messages().isEmpty());

    // The token was released: the next command goes out at once.
    emu.clearWireLog();
    uchar profile = 9;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));
    QCOMPARE(wireText().size(), 2);
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
