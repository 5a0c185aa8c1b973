// The whole program (main window, bridge, scene, device link) on the emulated keyboard: it
// starts from what the keyboard holds and, against a misbehaving keyboard, stays usable,
// never waits longer than its bounded waits, and writes into the profile files only what
// the user set.
#include "K3Emulator.h"
#include "LinkTestSupport.h"
#include "RuntimeCopy.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QElapsedTimer>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>
#include <thread>

namespace {

QByteArray profileFiles()
{
    QByteArray all;
    for (int n = 1; n <= 4; ++n) {
        QFile file(QStringLiteral("modules/setting/p%1.bin").arg(n));
        all += (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()) + '\n';
    }
    return all;
}

// Command codes of the feature reports the host sent, in order ("80", "A1", ...).
QStringList commandsSent()
{
    QStringList codes;
    for (const K3Emulator::Record &r : recordsOf(K3Emulator::Kind::FeatureOut))
        codes.append(QString::number(uchar(r.bytes.at(1)), 16)
                             .toUpper()
                             .rightJustified(2, QLatin1Char('0')));
    return codes;
}

QObject *child(QObject *root, const char *name)
{
    return mainItem(root)->property(name).value<QObject *>();
}

// Longest time the GUI thread went without running a 10 ms timer while `work` ran.
class Responsiveness : public QObject
{
public:
    Responsiveness()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestGapMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

} // namespace

class SceneFaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsFromWhatTheKeyboardHolds();
    void startsWhateverTheKeyboardDoes_data();
    void startsWhateverTheKeyboardDoes();
    void anApplyCutByAnUnplugStoresWhatTheUserSet();
    void unplugWhileTheMonitorRunsLeavesTheInterfaceUsable();
    void anEventFloodLeavesTheInterfaceUsable();
    void eventReportsNamingNoProfileSwitchNothing();
    void shutdownWhileAnApplyIsOnTheWire();

private:
    void startProgram();
    void applyAndWait();

    K3Emulator &emu = K3Emulator::instance();
    std::unique_ptr<MessageCapture> capture;
    std::optional<RuntimeCopy> folder;
    std::unique_ptr<Widget> window;
    QObject *root = nullptr;
};

void SceneFaultsTest::initTestCase()
{
    capture = std::make_unique<MessageCapture>();
}

void SceneFaultsTest::init()
{
    folder.emplace();
    QVERIFY(folder->isValid());
    emu.reset();
    capture->clear();
}

void SceneFaultsTest::cleanup()
{
    window.reset();
    root = nullptr;
    emu.reset();
    QCOMPARE(emu.openHandles(), 0);
    folder.reset();
}

void SceneFaultsTest::startProgram()
{
    window = std::make_unique<Widget>();
    root = startScene(*window, 10000);
    QVERIFY(root);
    QVERIFY(window->view()->isEnabled());
}

// The bottom bar's apply: both pages store their state and send it; the interface locks for 2 s.
void SceneFaultsTest::applyAndWait()
{
    QMetaObject::invokeMethod(root, "applyAll");
    QTRY_VERIFY_WITH_TIMEOUT(!root->property("busy").toBool() && window->view()->isEnabled(), 10000);
}

void SceneFaultsTest::startsFromWhatTheKeyboardHolds()
{
    emu.update([](K3State &state) {
        state.layout = 1;
        state.currentProfile = 2;
        state.profiles[2].effect = {0x09, 36, 3, 0, 4, 0};
        state.profiles[3].effect = {0x07, 63, 2, 0, 7, 0};
    });
    startProgram();
    QTRY_COMPARE_WITH_TIMEOUT(root->property("profile").toInt(), 2, 5000);
    QCOMPARE(root->property("layout").toInt(), 1);
    QCOMPARE(child(root, "profileMenu")->property("currentIndex").toInt(), 2);
    QObject *colorPage = child(root, "colorPage");
    QCOMPARE(colorPage->property("effectCode").toInt(), 0x09);
    QCOMPARE(colorPage->property("brightnessLevel").toInt(), 4);
    // Layout and profile were asked of the keyboard before the scene started, the effect after.
    const QStringList codes = commandsSent();
    QVERIFY2(codes.indexOf(QStringLiteral("80")) >= 0, qPrintable(codes.join(' ')));
    QVERIFY(codes.indexOf(QStringLiteral("80")) < codes.indexOf(QStringLiteral("A1")));
    QVERIFY(codes.indexOf(QStringLiteral("A1")) < codes.lastIndexOf(QStringLiteral("88")));

    // A profile key on the keyboard moves the profile menu and shows that profile's effect.
    emu.clearWireLog();
    emu.pressProfileKey(3);
    QTRY_COMPARE_WITH_TIMEOUT(root->property("profile").toInt(), 3, 5000);
    QCOMPARE(child(root, "profileMenu")->property("currentIndex").toInt(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(colorPage->property("effectCode").toInt(), 0x07, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(commandsSent().contains(QStringLiteral("21")), 5000);
}

void SceneFaultsTest::startsWhateverTheKeyboardDoes_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("unplugged") << -1;
    QTest::newRow("opens fail") << int(K3Emulator::Fault::OpenFails);
    QTest::newRow("feature reports out fail") << int(K3Emulator::Fault::FeatureOutFails);
    QTest::newRow("replies fail") << int(K3Emulator::Fault::FeatureInFails);
    QTest::newRow("garbage replies") << int(K3Emulator::Fault::GarbageReplies);
    QTest::newRow("data never comes") << int(K3Emulator::Fault::MissingDataReplies);
}

void SceneFaultsTest::startsWhateverTheKeyboardDoes()
{
    QFETCH(int, fault);
    if (fault < 0)
        emu.unplug();
    else
        emu.setFault(K3Emulator::Fault(fault));
    const QByteArray before = profileFiles();
    QElapsedTimer timer;
    timer.start();
    startProgram();
    QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));

    // Whatever came back, the interface shows a layout and a profile it has.
    const int layout = root->property("layout").toInt();
    QVERIFY(layout == 0 || layout == 1);
    const int profile = root->property("profile").toInt();
    QVERIFY(profile >= 0 && profile < 4);
    QCOMPARE(profileFiles(), before);
    QVERIFY(capture->messages().filter(QStringLiteral("cmd Failed")).isEmpty());

    // And the user can still switch profiles and apply.
    QMetaObject::invokeMethod(mainItem(root), "profileChanged", Q_ARG(QVariant, 2));
    QCOMPARE(root->property("profile").toInt(), 2);
    applyAndWait();
    QCOMPARE(window->view()->ui_A1H_GetCurrentProfile().toInt(), 2);
}

void SceneFaultsTest::anApplyCutByAnUnplugStoresWhatTheUserSet()
{
    // What an apply stores with the keyboard answering...
    startProgram();
    applyAndWait();
    const QByteArray reference = profileFiles();
    const qsizetype reports = emu.wireLog().size();
    window.reset();
    QVERIFY(reports > 10);

    // ...it stores the same when the keyboard goes in the middle of it.
    init();
    startProgram();
    emu.setLatency(5);
    emu.clearWireLog();
    std::thread unplugger([this] {
        emu.waitForWireLog(6, 5000);
        emu.unplug();
    });
    applyAndWait();
    unplugger.join();
    QCOMPARE(profileFiles(), reference);
    QVERIFY2(emu.wireLog().size() < reports, qPrintable(QString::number(emu.wireLog().size())));
    QVERIFY(capture->messages().filter(QStringLiteral("cmd Failed")).isEmpty());
}

void SceneFaultsTest::unplugWhileTheMonitorRunsLeavesTheInterfaceUsable()
{
    startProgram();
    emu.unplug();
    QVERIFY(capture->waitFor(QStringLiteral("Device removed"), 1500));
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(mainItem(root), "profileChanged", Q_ARG(QVariant, 1));
    QVERIFY(timer.elapsed() < 500);
    applyAndWait();
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(capture->messages().filter(QStringLiteral("cmd Failed")), QStringList());
    QCOMPARE(capture->messages().filter(QStringLiteral("Device removed")).size(), 1);
}

void SceneFaultsTest::anEventFloodLeavesTheInterfaceUsable()
{
    startProgram();
    const QByteArray before = profileFiles();
    constexpr int kReports = 5000;
    Responsiveness gui;
    std::thread flood([] {
        for (int burst = 0; burst < 100; ++burst) {
            for (int i = burst * kReports / 100; i < (burst + 1) * kReports / 100; ++i) {
                QByteArray report(12, 0);
                report[1] = char(i % 4);
                report[4] = char(i % 20);
                report[5] = char(i % 64);
                report[6] = char(i % 6);
                K3Emulator::instance().queueEventReport(report);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // The last word: profile 2.
        QByteArray last(12, 0);
        last[1] = 2;
        K3Emulator::instance().queueEventReport(last);
    });
    QTest::qWait(1500);
    flood.join();
    // Once the keyboard's reports are all read, the interface shows its last profile and the
    // bridge keeps the same one: later edits go to the profile the user sees.
    QTRY_COMPARE_WITH_TIMEOUT(recordsOf(K3Emulator::Kind::Event).size(), kReports + 1, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(root->property("profile").toInt() == 2
                                     && window->view()->ui_A1H_GetCurrentProfile().toInt() == 2,
                             5000);
    qInfo("longest stall of the interface during the flood: %lld ms", gui.longestGapMs());
    QVERIFY2(gui.longestGapMs() < 500, qPrintable(QString::number(gui.longestGapMs())));
    QCOMPARE(profileFiles(), before);
    QVERIFY(window->view()->isEnabled());
}

void SceneFaultsTest::eventReportsNamingNoProfileSwitchNothing()
{
    startProgram();
    const QByteArray before = profileFiles();
    for (int profile : {4, 7, 0x80, 0xFF}) {
        QByteArray report(12, char(0xFF));
        report[1] = char(profile);
        emu.queueEventReport(report);
    }
    QTRY_COMPARE_WITH_TIMEOUT(recordsOf(K3Emulator::Kind::Event).size(), 4, 3000);
    QTest::qWait(200);
    QCOMPARE(root->property("profile").toInt(), 0);
    QCOMPARE(window->view()->ui_A1H_GetCurrentProfile().toInt(), 0);
    for (const K3Emulator::Record &record : recordsOf(K3Emulator::Kind::FeatureOut))
        QVERIFY(uchar(record.bytes.at(1)) != 0x21);
    QCOMPARE(profileFiles(), before);
}

void SceneFaultsTest::shutdownWhileAnApplyIsOnTheWire()
{
    startProgram();
    emu.setLatency(30);
    emu.clearWireLog();
    QMetaObject::invokeMethod(root, "applyAll");
    QVERIFY(emu.waitForWireLog(1, 5000));
    QElapsedTimer timer;
    timer.start();
    window.reset();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(emu.openHandles(), 0);
    // Every command that went on the wire went whole: its block and all its data reports.
    const QList<K3Emulator::Record> log = emu.wireLog();
    QVERIFY(!log.isEmpty());
    for (qsizetype i = 0; i < log.size(); ++i) {
        if (log.at(i).kind != K3Emulator::Kind::FeatureOut)
            continue;
        const uchar code = uchar(log.at(i).bytes.at(1));
        const int reports = code == 0x30                                                     ? 1
                            : (code == 0x0C || code == 0x0D || code == 0x10 || code == 0x12) ? 2
                                                                                             : 0;
        for (int r = 1; r <= reports; ++r)
            QVERIFY2(i + r < log.size() && log.at(i + r).kind == K3Emulator::Kind::DataOut,
                     qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(SceneFaultsTest)
#include "tst_scenefaults.moc"
