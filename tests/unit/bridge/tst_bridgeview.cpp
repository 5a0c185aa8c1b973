#include "LegacyIni.h"
#include "LinkLog.h"
#include "ScriptedDialogs.h"
#include "TempWorkDir.h"
#include "myQQuickView.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <QQuickItem>
#include <QTest>
#include <QThread>

namespace {

// The slot table QML relies on, in method-table order.
const QStringList kSlots{
        "void syncFW()",
        "void initUI()",
        "void runUI()",
        "void zzzMorvel(uchar,uchar,uchar,uchar)",
        "void setEnableAudio(bool)",
        "void playMedia_Index(uchar)",
        "void playMedia_Background()",
        "void clearAllMedia()",
        "void saveApConfig(QVariantList)",
        "QVariantList loadApConfig()",
        "void resetApconfig()",
        "QVariantList loadHWDef()",
        "QVariantList loadLangName(uchar)",
        "QVariantList loadUsbStr()",
        "QVariantList loadUsbCode()",
        "bool getIsSkinShow()",
        "void loadProfile(int)",
        "void saveProfile(int)",
        "void resetProfile(int)",
        "void loadMacroIniFromFile(QVariant)",
        "void saveMacroIniToFile(QVariant)",
        "void renameMacroIniFile(QVariant,QVariant)",
        "QString getCustomFilePath()",
        "QVariantMap chkLanguages()",
        "QStringList getGlobalStrings(QString)",
        "QVariant createMacroIni()",
        "QVariant deleteMacroIni(QVariant)",
        "QStringList getMacroIniNames()",
        "QVariant saveMacroIni(QVariant,QStringList)",
        "QStringList loadMacroIni(QVariant)",
        "QVariantList loadMacroIniConfig(QVariant)",
        "void setMacroIniConfig(QVariant,QVariantList)",
        "QVariantList getKeydefine(QVariant)",
        "QList<uchar> macroIncode(QStringList)",
        "void ui_01H_SetReportRate(uchar)",
        "void ui_02H_SetKeyboardMode(uchar)",
        "void ui_04H_SetButtonSensitivity(uchar)",
        "void ui_08H_SetLEDType(uchar,uchar,uchar,uchar,uchar,uchar)",
        "void ui_0C0DH_SetKeyMatrix(QVariantList)",
        "void ui_10H_SetMacroKey(QVariant,QVariant)",
        "void ui_12H_SetUserPicture(uchar,uchar,QVariantList)",
        "void ui_13H_SetRecoveryData()",
        "void ui_21H_SetCurrentProfile(int)",
        "void ui_30H_SetColor(QVariantList)",
        "QString ui_80H_GetFWVersion()",
        "QVariant ui_80H_GetHWMode()",
        "QVariant ui_81H_GetReportRate()",
        "QVariant ui_82H_GetKeyboardMode()",
        "QVariant ui_84H_GetButtonSensitivity()",
        "QVariantList ui_88H_GetLEDType()",
        "QVariantList ui_88H_GetLEDTypeX()",
        "QVariantList ui_8C8DH_GetKeyMatrix()",
        "QVariantList ui_92H_GetUserPicture(uchar)",
        "QVariant ui_A1H_GetCurrentProfile()",
        "QVariantList ui_B0H_GetColor()",
        "QVariantMap getLanguageGroup(QString,QString)",
        "QVariantMap loadAppProfiles()",
        "void saveAppProfiles(QVariantMap)",
        "QStringList getOpenApplications()",
        "bool getAppProfilesAutomatic()",
        "void setAppProfilesHeld(bool)",
        "bool getAutostart()",
        "void setAutostart(bool)",
};

// A stand-in for the scene's root item that logs the functions C++ calls.
const QByteArray kRecordingRoot = R"(import QtQuick
Item {
    property string log: ""
    function record(text) { log += text + ";" }
    function initUI() { record("initUI") }
    function run() { record("run") }
    function zzzMorvel(profile, effect, brightness, speed) {
        record("zzzMorvel " + [profile, effect, brightness, speed].join(",") + " " + typeof profile)
    }
    function detectKeyboard(isDown, usbCode) { record("detectKeyboard " + isDown + "," + usbCode + " " + typeof isDown) }
    function detectMouse(isDown, button, x, y) { record("detectMouse " + [isDown, button, x, y].join(",")) }
}
)";

QString keyCodeDef(int names, int codes)
{
    QStringList n;
    QStringList c;
    for (int i = 0; i < names; ++i)
        n.append(QStringLiteral("K%1").arg(i % 6));
    for (int i = 0; i < codes; ++i)
        c.append(QString::number(10 + i));
    return QStringLiteral("[1]\nusbStr=%1\nusbCode=%2\n").arg(n.join(", "), c.join(", "));
}

QVariantList numbers(int count, int first = 0)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(first + i);
    return list;
}

} // namespace

class BridgeViewTest : public QObject
{
    Q_OBJECT
private slots:
    void theMethodTableHasTheFiftyFiveSlotsInOrderAndNoSignals();
    void layoutModeAndKeyNamesComeFromTheDataFiles();
    void rootFunctionsAreCalledQueuedWithVariantArguments();
    void theMonitorThreadReachesQmlOnlyThroughTheGuiThread();
    void aRootWithoutTheFunctionsIsLeftAlone();
    void focusRepaintsAtOnce();
    void deviceSlotsWithoutADeviceKeepTheProfileAndReadZeros();
    void keyDefinitionsBelongToTheLayoutMode();
    void profileDialogsAndProfileNumbers();
    void hardwareTablesFollowTheLanguageSetting();

private:
    std::unique_ptr<myQQuickView> makeView(ScriptedDialogs::Shared *shared = nullptr);
};

std::unique_ptr<myQQuickView> BridgeViewTest::makeView(ScriptedDialogs::Shared *shared)
{
    auto view = std::make_unique<myQQuickView>();
    if (shared)
        view->setDialogs(std::make_unique<ScriptedDialogs>(*shared));
    return view;
}

void BridgeViewTest::theMethodTableHasTheFiftyFiveSlotsInOrderAndNoSignals()
{
    const QMetaObject &meta = myQQuickView::staticMetaObject;
    QStringList table;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Public);
        table.append(QString::fromLatin1(method.typeName()) + u' '
                     + QString::fromLatin1(method.methodSignature()));
    }
    QCOMPARE(table, kSlots);
    QCOMPARE(meta.propertyOffset(), meta.propertyCount());
    QCOMPARE(meta.enumeratorOffset(), meta.enumeratorCount());
    // Parameter names as QML sees them.
    QCOMPARE(meta.method(meta.indexOfMethod(
                                 "ui_08H_SetLEDType(uchar,uchar,uchar,uchar,uchar,uchar)"))
                     .parameterNames(),
             (QList<QByteArray>{"type", "brightness", "speed", "direction", "color", "type_Side"}));
}

void BridgeViewTest::layoutModeAndKeyNamesComeFromTheDataFiles()
{
    TempWorkDir dir;
    QCOMPARE(makeView()->layoutMode(), uchar(0));

    TempWorkDir::write(QStringLiteral("modules/setting/HWDef.bin"), "[common]\nkbLayoutType=1\n");
    TempWorkDir::write(QStringLiteral("modules/setting/KeyCodeDef.bin"),
                       keyCodeDef(10, 8).toLatin1());
    auto view = makeView();
    QCOMPARE(view->layoutMode(), uchar(1));
    QCOMPARE(view->loadUsbStr().size(), 10);
    QCOMPARE(view->loadUsbCode().size(), 8);
    // Names K0..K5 then K0, K1 again: the map has six names, the repeats win.
    const QStringList steps{"K0       [\u25BC]", "K1       [\u25BC]", "K5       [\u25BC]",
                            "K2       [\u25BC]"};
    QCOMPARE(view->macroIncode(steps), (QList<uchar>{0, 1, 1, 16, 1, 17, 1, 15, 1, 12, 0, 0}));
}

void BridgeViewTest::rootFunctionsAreCalledQueuedWithVariantArguments()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("root.qml"), kRecordingRoot);
    auto view = makeView();
    view->setSource(QUrl::fromLocalFile(dir.path(QStringLiteral("root.qml"))));
    QVERIFY(view->rootObject());
    view->initUI();
    view->runUI();
    view->detectKeyboard(true, 224);
    view->detectMouse(false, 0xF1, 1920, 7);
    QCOMPARE(view->rootObject()->property("log").toString(), QString());
    QTRY_COMPARE(
            view->rootObject()->property("log").toString(),
            QStringLiteral(
                    "initUI;run;detectKeyboard true,224 boolean;detectMouse false,241,1920,7;"));
}

void BridgeViewTest::theMonitorThreadReachesQmlOnlyThroughTheGuiThread()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("root.qml"), kRecordingRoot);
    auto view = makeView();
    view->setSource(QUrl::fromLocalFile(dir.path(QStringLiteral("root.qml"))));
    DeviceEventSink *sink = view.get();
    QThread *monitor = QThread::create([sink] { sink->zzzMorvel(2, 5, 200, 3); });
    monitor->start();
    QVERIFY(monitor->wait(5000));
    delete monitor;
    QCOMPARE(view->rootObject()->property("log").toString(), QString());
    QTRY_COMPARE(view->rootObject()->property("log").toString(),
                 QStringLiteral("zzzMorvel 2,5,200,3 number;"));
    QTest::qWait(50);
    QCOMPARE(view->rootObject()->property("log").toString(),
             QStringLiteral("zzzMorvel 2,5,200,3 number;"));
}

void BridgeViewTest::aRootWithoutTheFunctionsIsLeftAlone()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("root.qml"),
                       "import QtQuick\nItem { function initUI(a) {} }\n");
    QTest::failOnWarning(QRegularExpression(QStringLiteral("invokeMethod|No such method")));
    auto view = makeView();
    view->initUI();
    view->zzzMorvel(1, 1, 1, 1);
    view->setSource(QUrl::fromLocalFile(dir.path(QStringLiteral("root.qml"))));
    view->initUI();
    view->runUI();
    view->zzzMorvel(1, 1, 1, 1);
    view->detectKeyboard(true, 4);
    view->detectMouse(true, 0xF0, 1, 1);
    QTest::qWait(20);
}

void BridgeViewTest::focusRepaintsAtOnce()
{
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    TempWorkDir dir;
    auto view = makeView();
    view->resize(100, 100);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTest::qWait(50);
    view->installEventFilter(&counter);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(view.get(), &focusIn);
    QCOMPARE(counter.paints, 1);
    QVERIFY(focusIn.isAccepted());
}

void BridgeViewTest::deviceSlotsWithoutADeviceKeepTheProfileAndReadZeros()
{
    TempWorkDir dir;
    {
        auto view = makeView();
        view->ui_08H_SetLEDType(1, 63, 0, 0, 5, 0);
        view->ui_0C0DH_SetKeyMatrix({4, 2, 5});
        QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
        QCOMPARE(view->ui_88H_GetLEDTypeX(), QVariantList());
        QCOMPARE(view->ui_8C8DH_GetKeyMatrix(), QVariantList(256, 0));
    }
    // Destroying the view wrote the profile; a short key list is padded with 0.
    const QSettings p1(QStringLiteral("modules/setting/p1.bin"), LegacyIni::format());
    QCOMPARE(p1.value("color/ledType").toStringList(), QStringList({"1", "63", "0", "0", "5", "0"}));
    QCOMPARE(p1.value("keydefine0/1").toStringList(), QStringList({"5", "0"}));
    QCOMPARE(p1.value("keydefine0/127").toStringList(), QStringList({"0", "0"}));
}

void BridgeViewTest::keyDefinitionsBelongToTheLayoutMode()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/p1.bin"),
                       "[keydefine0]\n45=4, 2\n[keydefine1]\n46=7, 0\n");
    QCOMPARE(makeView()->getKeydefine(45), (QVariantList{"4", "2"}));
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef.bin"), "[common]\nkbLayoutType=1\n");
    auto view = makeView();
    QCOMPARE(view->getKeydefine(45), QVariantList());
    QCOMPARE(view->getKeydefine(QStringLiteral("46")), (QVariantList{"7", "0"}));
    QCOMPARE(view->getKeydefine(46.0), (QVariantList{"7", "0"}));
    QVariantList matrix(256, 0);
    matrix[90] = 4;
    matrix[91] = 2;
    view->ui_0C0DH_SetKeyMatrix(matrix);
    QCOMPARE(view->getKeydefine(45), (QVariantList{4, 2}));
    // Position 61 keeps what QML passed; the mirror is for the device only.
    QCOMPARE(view->getKeydefine(61), (QVariantList{0, 0}));
}

void BridgeViewTest::profileDialogsAndProfileNumbers()
{
    TempWorkDir dir;
    ScriptedDialogs::Shared shared;
    auto view = makeView(&shared);
    view->ui_30H_SetColor(numbers(21, 30));
    const QString exported = dir.path(QStringLiteral("p.pf"));
    shared.answers = {QString(), exported, exported};
    view->saveProfile(0);
    QVERIFY(!QFile::exists(exported));
    view->saveProfile(0);
    view->loadProfile(3);
    QCOMPARE(shared.questions,
             QStringList({"save Save File Profile(*.pf)", "save Save File Profile(*.pf)",
                          "open Open File Profile(*.pf)"}));
    view->ui_21H_SetCurrentProfile(3);
    QCOMPARE(view->ui_B0H_GetColor().at(20), QVariant("50"));

    // Out of range: nothing changes, no dialog.
    view->ui_21H_SetCurrentProfile(4);
    view->loadProfile(-1);
    view->saveProfile(4);
    QCOMPARE(view->ui_A1H_GetCurrentProfile(), QVariant(3));
    QCOMPARE(shared.questions.size(), 3);
}

void BridgeViewTest::hardwareTablesFollowTheLanguageSetting()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef0.bin"),
                       "[0]\ntotal_HW=0\ntotal_FW=100\n");
    TempWorkDir::write(QStringLiteral("modules/setting/HWDef1.bin"),
                       "[0]\ntotal_HW=0\ntotal_FW=101\n[1]\ntotal_HW=0\ntotal_FW=111\n");
    auto view = makeView();
    // The link's debug texts keep their words but stay off unless asked for.
    QVERIFY(!linkLog().isDebugEnabled());
    QLoggingCategory::setFilterRules(QStringLiteral("k3config.link.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "test \"0\" 0");
    QCOMPARE(view->loadHWDef(), (QVariantList{0, 100}));
    view->saveApConfig({1, 1, 0, 0, 1});
    QTest::ignoreMessage(QtDebugMsg, "test \"1\" 0");
    QCOMPARE(view->loadHWDef(), (QVariantList{0, 101}));
    view->saveApConfig({1, 1, 0, 0, 0});
    QTest::ignoreMessage(QtDebugMsg, "test1 1");
    QCOMPARE(view->loadLangName(1), (QVariantList{0, 111}));
    QLoggingCategory::setFilterRules(QString());
}

QTEST_MAIN(BridgeViewTest)
#include "tst_bridgeview.moc"
