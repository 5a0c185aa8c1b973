#include "EmulatedLink.h"
#include "Hid_Thread.h"
#include "K3Emulator.h"
#include "LegacyIni.h"
#include "ScriptedDialogs.h"
#include "TempWorkDir.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

namespace {

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

// What the host sent, one line per report, e.g. "F 00 21 02 00 00 00 55 AA 00" or "D <64 bytes>".
QList<QByteArray> sent()
{
    QList<QByteArray> lines;
    for (const K3Emulator::Record &r : K3Emulator::instance().wireLog()) {
        if (r.toDevice())
            lines.append((r.kind == K3Emulator::Kind::FeatureOut ? "F " : "D ") + hex(r.bytes));
    }
    return lines;
}

template<std::size_t N>
QByteArray bytesOf(const std::array<uchar, N> &a)
{
    return QByteArray(reinterpret_cast<const char *>(a.data()), int(N));
}

QVariantList numbers(int count, int first = 0)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(first + i);
    return list;
}

const QByteArray kRecordingRoot = R"(import QtQuick
Item {
    property string log: ""
    function zzzMorvel(profile, effect, brightness, speed) {
        log += [profile, effect, brightness, speed].join(",") + ";"
    }
    function showNotice(text) {
        log += text + ";"
    }
}
)";

} // namespace

class BridgeDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lightingEffectRaisesSpeedZeroOnlyOnTheWire();
    void profileWritesStayWhenTheDeviceFails();
    void keyMatrixMirrorsPosition45OnTheDeviceOnly();
    void shortListsArePaddedWithZero();
    void userPicturesAreScaledMirroredAndSentUnlessStoreOnly();
    void sevenColoursFillA64ByteBlock();
    void firmwareVersionText();
    void keyboardOptionSensitivityAndRecovery();
    void readingSlots();
    void profileSwitchSendsTheNumberAndMovesEveryRead();
    void reportRateIsKeptOnlyForTheMouse();
    void syncReadsLayoutAndProfileAndRebuildsKeyNames();
    void savedMacrosFollowTheirBindingToTheKeyboard();
    void tooLongMacroIsCutAfter128Bytes();
    void bindingsReadAsUnboundUnderAnotherDevice();
    void aProfileKeyOnTheKeyboardReachesQmlOnce();
    void settingsThatCannotReachTheKeyboardAreKeptAndSaySo_data();
    void settingsThatCannotReachTheKeyboardAreKeptAndSaySo();

private:
    void settle(int reports);

    K3Emulator &emu = K3Emulator::instance();
    std::unique_ptr<TempWorkDir> dir;
    std::unique_ptr<Hid_Thread> link;
    std::unique_ptr<myQQuickView> view;
    ScriptedDialogs::Shared dialogs;
};

void BridgeDeviceTest::init()
{
    dir = std::make_unique<TempWorkDir>();
    TempWorkDir::write(QStringLiteral("modules/setting/KeyCodeDef.bin"),
                       "[0]\nusbStr=A, B\nusbCode=4, 5\n[1]\nusbStr=A, \\xf1\nusbCode=4, 51\n");
    link = openEmulatedLink();
    dialogs = {};
    view = std::make_unique<myQQuickView>();
    view->setDialogs(std::make_unique<ScriptedDialogs>(dialogs));
    view->setDevice(link.get());
    emu.clearWireLog();
}

void BridgeDeviceTest::cleanup()
{
    view.reset();
    closeEmulatedLink(link);
    dir.reset();
    QCOMPARE(emu.openHandles(), 0);
}

void BridgeDeviceTest::settle(int reports)
{
    QVERIFY(emu.waitForWireLog(reports, 5000));
    QTest::qWait(40);
}

void BridgeDeviceTest::lightingEffectRaisesSpeedZeroOnlyOnTheWire()
{
    view->ui_08H_SetLEDType(1, 63, 0, 0, 5, 0);
    settle(1);
    QCOMPARE(sent(), QList<QByteArray>{"F 00 08 01 3F 01 00 05 00 00"});
    QCOMPARE(view->ui_88H_GetLEDType(), (QVariantList{1, 63, 0, 0, 5, 0}));
    QCOMPARE(bytesOf(emu.state().profiles[0].effect), QByteArray("\x01\x3F\x01\x00\x05\x00", 6));
}

void BridgeDeviceTest::profileWritesStayWhenTheDeviceFails()
{
    emu.setFault(K3Emulator::Fault::OpenFails);
    view->ui_30H_SetColor(numbers(21, 10));
    view->ui_08H_SetLEDType(2, 3, 4, 5, 6, 0);
    QTest::qWait(100);
    QCOMPARE(view->ui_B0H_GetColor(), numbers(21, 10));
    QCOMPARE(view->ui_88H_GetLEDType(), (QVariantList{2, 3, 4, 5, 6, 0}));
}

void BridgeDeviceTest::keyMatrixMirrorsPosition45OnTheDeviceOnly()
{
    QVariantList matrix;
    for (int k = 0; k < 128; ++k)
        matrix << k << 0;
    matrix[90] = 0x04;
    matrix[91] = 0x02;
    matrix[122] = 0;
    matrix[123] = 0;
    view->ui_0C0DH_SetKeyMatrix(matrix);
    settle(6);
    const QList<QByteArray> wire = sent();
    QCOMPARE(wire.at(0), QByteArray("F 00 0C 00 00 00 00 55 AA 00"));
    QCOMPARE(wire.at(3), QByteArray("F 00 0D 00 00 00 00 55 AA 00"));
    const QByteArray onDevice = bytesOf(emu.state().profiles[0].keyMatrix);
    QCOMPARE(hex(onDevice.mid(90, 2)), QByteArray("04 02"));
    QCOMPARE(hex(onDevice.mid(122, 2)), QByteArray("04 02"));
    QCOMPARE(uchar(onDevice.at(2 * 127)), uchar(127));
    QCOMPARE(view->getKeydefine(61), (QVariantList{0, 0}));
    QCOMPARE(view->getKeydefine(45), (QVariantList{4, 2}));
    // A code above 255 keeps its low byte.
    matrix[0] = 0x1FF;
    view->ui_0C0DH_SetKeyMatrix(matrix);
    settle(12);
    QCOMPARE(emu.state().profiles[0].keyMatrix[0], uchar(0xFF));
}

void BridgeDeviceTest::shortListsArePaddedWithZero()
{
    view->ui_0C0DH_SetKeyMatrix({7, 1});
    view->ui_12H_SetUserPicture(1, 0, {255, 200, 3});
    view->ui_30H_SetColor({40});
    settle(6 + 9 + 2);
    const K3State state = emu.state();
    QCOMPARE(hex(bytesOf(state.profiles[0].keyMatrix).left(4)), QByteArray("07 01 00 00"));
    QCOMPARE(bytesOf(state.profiles[0].keyMatrix).mid(2), QByteArray(254, '\0'));
    QCOMPARE(state.profiles[0].pictures[1][0][0], uchar(63));
    QCOMPARE(state.profiles[0].pictures[1][1][0], uchar(50));
    QCOMPARE(bytesOf(state.profiles[0].pictures[1][0]).mid(1), QByteArray(127, '\0'));
    QCOMPARE(hex(bytesOf(state.profiles[0].sevenColor).left(2)), QByteArray("0A 00"));
    // The profile keeps the list as passed.
    QCOMPARE(view->ui_B0H_GetColor(), QVariantList{40});
}

void BridgeDeviceTest::userPicturesAreScaledMirroredAndSentUnlessStoreOnly()
{
    QVariantList picture;
    for (int k = 0; k < 128; ++k)
        picture << (k == 45 ? 255 : 200) << 3 << k;
    view->ui_12H_SetUserPicture(2, 255, picture);
    QTest::qWait(100);
    QCOMPARE(sent(), QList<QByteArray>());
    QCOMPARE(view->ui_92H_GetUserPicture(2), picture);

    for (const uchar option : {uchar(0), uchar(7)}) {
        emu.clearWireLog();
        emu.update([](K3State &s) { s.profiles[0].pictures[2] = {}; });
        view->ui_12H_SetUserPicture(2, option, picture);
        settle(9);
        const QList<QByteArray> wire = sent();
        QCOMPARE(wire.at(0), QByteArray("F 00 12 00 02 00 00 55 AA 00"));
        QCOMPARE(wire.at(3), QByteArray("F 00 12 00 02 01 00 55 AA 00"));
        QCOMPARE(wire.at(6), QByteArray("F 00 12 00 02 02 00 55 AA 00"));
        const K3State state = emu.state();
        const auto &planes = state.profiles[0].pictures[2];
        QCOMPARE(planes[0][0], uchar(50));
        QCOMPARE(planes[0][45], uchar(63));
        QCOMPARE(planes[0][61], uchar(63));
        QCOMPARE(planes[1][10], uchar(0));
        QCOMPARE(planes[2][100], uchar(25));
        QCOMPARE(planes[2][61], planes[2][45]);
    }
}

void BridgeDeviceTest::sevenColoursFillA64ByteBlock()
{
    QVariantList colours = numbers(21, 100);
    colours[0] = 255;
    colours[1] = 3;
    view->ui_30H_SetColor(colours);
    settle(2);
    const QList<QByteArray> wire = sent();
    QCOMPARE(wire.at(0), QByteArray("F 00 30 00 00 00 00 55 AA 00"));
    const QByteArray block = bytesOf(emu.state().profiles[0].sevenColor);
    QCOMPARE(hex(block.left(3)), QByteArray("3F 00 19"));
    QCOMPARE(block.mid(21), QByteArray(43, '\0'));
    QCOMPARE(view->ui_B0H_GetColor(), colours);
}

void BridgeDeviceTest::firmwareVersionText()
{
    QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("01.05"));
    emu.update([](K3State &s) { s.firmware = 0x1A0B; });
    QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("1A.0B"));
    emu.update([](K3State &s) { s.firmware = 0; });
    QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
    emu.update([](K3State &s) { s.firmware = 0x0105; });
    emu.setFault(K3Emulator::Fault::FeatureInFails);
    QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
}

void BridgeDeviceTest::keyboardOptionSensitivityAndRecovery()
{
    emu.update([](K3State &s) { s.option = {4, 5, 6}; });
    view->ui_02H_SetKeyboardMode(1);
    QTRY_COMPARE(bytesOf(emu.state().option), QByteArray("\x01\x05\x06", 3));
    QCOMPARE(view->ui_82H_GetKeyboardMode(), QVariant(1));

    view->ui_04H_SetButtonSensitivity(9);
    QTRY_COMPARE(emu.state().sensitivity, uchar(9));
    QCOMPARE(view->ui_84H_GetButtonSensitivity(), QVariant(9));

    emu.clearWireLog();
    view->ui_13H_SetRecoveryData();
    settle(1);
    QCOMPARE(sent(), QList<QByteArray>{"F 00 13 FF 1F 00 00 55 AA 00"});
}

void BridgeDeviceTest::readingSlots()
{
    emu.update([](K3State &s) {
        s.profiles[0].effect = {9, 4, 3, 0, 6, 0};
        s.profiles[0].keyMatrix[255] = 0xAB;
    });
    QCOMPARE(view->ui_88H_GetLEDTypeX(), (QVariantList{9, 4, 3, 0, 6, 0}));
    const QVariantList matrix = view->ui_8C8DH_GetKeyMatrix();
    QCOMPARE(matrix.size(), 256);
    QCOMPARE(matrix.at(2 * 17), QVariant(17));
    QCOMPARE(matrix.at(255), QVariant(0xAB));
    // Whatever the device or the profile hold.
    view->ui_01H_SetReportRate(3);
    QCOMPARE(view->ui_81H_GetReportRate(), QVariant(0));
    emu.setFault(K3Emulator::Fault::DataInFails);
    QCOMPARE(view->ui_8C8DH_GetKeyMatrix(), QVariantList(256, 0));
    // A lighting read that fails gives nothing rather than its presets.
    emu.setFault(K3Emulator::Fault::FeatureInFails);
    QCOMPARE(view->ui_88H_GetLEDTypeX(), QVariantList());
}

void BridgeDeviceTest::profileSwitchSendsTheNumberAndMovesEveryRead()
{
    TempWorkDir::write(QStringLiteral("modules/setting/p3.bin"),
                       "[color]\ncolor=1, 2, 3\nledType=1, 2, 3, 4, 5, 6\n");
    view = std::make_unique<myQQuickView>();
    view->setDevice(link.get());
    view->ui_21H_SetCurrentProfile(2);
    settle(1);
    QCOMPARE(sent(), QList<QByteArray>{"F 00 21 02 00 00 00 55 AA 00"});
    QCOMPARE(emu.state().currentProfile, uchar(2));
    emu.clearWireLog();
    QCOMPARE(view->ui_A1H_GetCurrentProfile(), QVariant(2));
    QCOMPARE(view->ui_B0H_GetColor(), (QVariantList{"1", "2", "3"}));
    QCOMPARE(view->ui_88H_GetLEDType().size(), 6);
    view->ui_08H_SetLEDType(7, 7, 7, 7, 7, 0);
    settle(1);
    QCOMPARE(emu.state().profiles[2].effect[0], uchar(7));
    QCOMPARE(QSettings(QStringLiteral("modules/setting/p1.bin"), LegacyIni::format()).allKeys(),
             QStringList());
}

void BridgeDeviceTest::reportRateIsKeptOnlyForTheMouse()
{
    view->ui_01H_SetReportRate(3);
    QVERIFY(!view->ui_88H_GetLEDType().size());
    view.reset();
    QVERIFY(!QSettings(QStringLiteral("modules/setting/p1.bin"), LegacyIni::format())
                     .childGroups()
                     .contains("sensor"));
    view = std::make_unique<myQQuickView>();
    view->setDevice(link.get());
    link->swichCurDevice(1);
    view->ui_01H_SetReportRate(3);
    view.reset();
    QCOMPARE(QSettings(QStringLiteral("modules/setting/p1.bin"), LegacyIni::format())
                     .value("sensor/reportRate_M3")
                     .toInt(),
             3);
    QCOMPARE(sent(), QList<QByteArray>());
}

void BridgeDeviceTest::syncReadsLayoutAndProfileAndRebuildsKeyNames()
{
    const QStringList steps{QStringLiteral("\u00F1       [\u25BC]")};
    QCOMPARE(view->macroIncode(steps), (QList<uchar>{0, 1, 0, 0}));
    emu.update([](K3State &s) {
        s.layout = 1;
        s.currentProfile = 3;
    });
    view->syncFW();
    QCOMPARE(view->layoutMode(), uchar(1));
    QCOMPARE(view->ui_80H_GetHWMode(), QVariant(1));
    QCOMPARE(view->ui_A1H_GetCurrentProfile(), QVariant(3));
    QCOMPARE(view->macroIncode(steps), (QList<uchar>{0, 1, 1, 51, 0, 0}));
    QCOMPARE(view->loadUsbStr(), (QVariantList{"A", QStringLiteral("\u00F1")}));

    // A profile number outside the four never selects a profile file.
    emu.update([](K3State &s) { s.currentProfile = 7; });
    view->syncFW();
    QCOMPARE(view->ui_A1H_GetCurrentProfile(), QVariant(3));
    QCOMPARE(view->ui_B0H_GetColor(), QVariantList());

    // No answer: the layout mode and the profile stay.
    emu.setFault(K3Emulator::Fault::FeatureInFails);
    view->syncFW();
    QCOMPARE(view->layoutMode(), uchar(1));
    QCOMPARE(view->ui_A1H_GetCurrentProfile(), QVariant(3));
}

void BridgeDeviceTest::savedMacrosFollowTheirBindingToTheKeyboard()
{
    const QStringList example{QStringLiteral("A       [\u25BC]"), QStringLiteral("50      [ms]"),
                              QStringLiteral("A       [\u25B2]")};
    const QString name = view->createMacroIni().toString();
    QCOMPARE(view->saveMacroIni(name, example), QVariant(true));
    QTest::qWait(100);
    QCOMPARE(sent(), QList<QByteArray>());

    for (const int slot : {17, -1}) {
        view->setMacroIniConfig(name, {slot, 1});
        QCOMPARE(view->saveMacroIni(name, example), QVariant(true));
    }
    QTest::qWait(100);
    QCOMPARE(sent(), QList<QByteArray>());

    view->setMacroIniConfig(name, {16, 1});
    QCOMPARE(view->saveMacroIni(name, example), QVariant(true));
    settle(3);
    QCOMPARE(sent().at(0), QByteArray("F 00 10 00 10 00 00 55 AA 00"));
    const QByteArray block = bytesOf(emu.state().macros[16]);
    QCOMPARE(hex(block.left(12)), QByteArray("01 00 04 01 00 7F 05 00 04 81 00 00"));
    QCOMPARE(block.mid(12), QByteArray(116, '\0'));

    QCOMPARE(view->saveMacroIni(QStringLiteral("Nobody"), example), QVariant(false));
    QVERIFY(dialogs.warnings.isEmpty());
}

void BridgeDeviceTest::tooLongMacroIsCutAfter128Bytes()
{
    TempWorkDir::write(QStringLiteral("modules/i18n/lang_031000.ini"),
                       "[msg]\n0=Macro\n1=Too long\n");
    view->getGlobalStrings(QStringLiteral("031000"));
    const QString name = view->createMacroIni().toString();
    view->saveMacroIni(name, QStringList(63, QStringLiteral("B       [\u25BC]")));
    view->ui_10H_SetMacroKey(3, name);
    QCOMPARE(dialogs.warnings, QStringList{"Macro|Too long"});
    settle(3);
    const QByteArray block = bytesOf(emu.state().macros[3]);
    QCOMPARE(hex(block.left(4)), QByteArray("01 00 05 01"));
    QCOMPARE(hex(block.right(2)), QByteArray("05 01"));
}

void BridgeDeviceTest::bindingsReadAsUnboundUnderAnotherDevice()
{
    const QString name = view->createMacroIni().toString();
    view->setMacroIniConfig(name, {4, 2});
    QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{4, 2}));
    link->swichCurDevice(1);
    QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{-1, 2}));
    link->swichCurDevice(0);
    QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{4, 2}));
}

void BridgeDeviceTest::aProfileKeyOnTheKeyboardReachesQmlOnce()
{
    TempWorkDir::write(QStringLiteral("root.qml"), kRecordingRoot);
    view->setSource(QUrl::fromLocalFile(dir->path(QStringLiteral("root.qml"))));
    QVERIFY(view->rootObject());
    link->startMonitor(0);
    emu.pressProfileKey(2);
    const K3State state = emu.state();
    const QString expected = QStringLiteral("2,%1,%2,%3;")
                                     .arg(state.profiles[2].effect[0])
                                     .arg(state.profiles[2].effect[1])
                                     .arg(state.profiles[2].effect[2]);
    QTRY_COMPARE_WITH_TIMEOUT(view->rootObject()->property("log").toString(), expected, 5000);
    QTest::qWait(600);
    QCOMPARE(view->rootObject()->property("log").toString(), expected);
    link->stopMonitor();
}

void BridgeDeviceTest::settingsThatCannotReachTheKeyboardAreKeptAndSaySo_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("notice");
    QTest::newRow("unplugged and known to be") << -1 << "NC";
    QTest::newRow("gone before the transfer") << int(K3Emulator::Fault::OpenFails) << "NC";
    QTest::newRow("no answer") << int(K3Emulator::Fault::FeatureOutFails) << "NA";
}

void BridgeDeviceTest::settingsThatCannotReachTheKeyboardAreKeptAndSaySo()
{
    QFETCH(int, fault);
    QFETCH(QString, notice);
    TempWorkDir::write(QStringLiteral("modules/i18n/lang_031000.ini"),
                       "[notice]\nnotSentNotConnected=NC\nnotSentNoAnswer=NA\n");
    TempWorkDir::write(QStringLiteral("root.qml"), kRecordingRoot);
    view->setSource(QUrl::fromLocalFile(dir->path(QStringLiteral("root.qml"))));
    view->getGlobalStrings(QStringLiteral("031000"));
    if (fault < 0) {
        emu.unplug();
        scanKeyboards(*link);
    } else {
        emu.setFault(K3Emulator::Fault(fault));
    }
    view->ui_08H_SetLEDType(2, 3, 4, 5, 6, 0);
    view->ui_21H_SetCurrentProfile(1);
    view->ui_08H_SetLEDType(7, 8, 9, 1, 2, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!view->rootObject()->property("log").toString().isEmpty(), 2000);
    QTest::qWait(100);
    const QStringList notices = view->rootObject()->property("log").toString().split(
            u';', Qt::SkipEmptyParts);
    QCOMPARE(QSet<QString>(notices.cbegin(), notices.cend()), QSet<QString>{notice});
    QVERIFY(sent().isEmpty());
    QCOMPARE(view->ui_88H_GetLEDType(), (QVariantList{7, 8, 9, 1, 2, 0}));
    view->ui_21H_SetCurrentProfile(0);
    QCOMPARE(view->ui_88H_GetLEDType(), (QVariantList{2, 3, 4, 5, 6, 0}));
}

QTEST_MAIN(BridgeDeviceTest)
#include "tst_bridgedevice.moc"
