// Faults around the event monitor: unplugging, floods and malformed event
// reports, and stopping or shutting down while the keyboard keeps talking.
#include "LinkFixture.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

QByteArray eventReport(int size, int profile, int effect, int brightness, int speed)
{
    QByteArray report(size, 0);
    const int values[][2] = {{1, profile}, {4, effect}, {5, brightness}, {6, speed}};
    for (const auto &v : values) {
        if (v[0] < size)
            report[v[0]] = char(v[1]);
    }
    return report;
}

// Queues `count` reports over about `spreadMs` from another thread, as a keyboard would send them.
class Flood
{
public:
    Flood(int count, int spreadMs)
        : m_thread([count, spreadMs] {
            constexpr int kBursts = 100;
            for (int burst = 0; burst < kBursts; ++burst) {
                for (int i = burst * count / kBursts; i < (burst + 1) * count / kBursts; ++i)
                    K3Emulator::instance().queueEventReport(
                            eventReport(12, i % 4, i % 256, (i / 256) % 256, 1));
                std::this_thread::sleep_for(std::chrono::milliseconds(spreadMs / kBursts));
            }
        })
    {}
    ~Flood() { m_thread.join(); }

private:
    std::thread m_thread;
};

} // namespace

class MonitorFaultsTest : public QObject, private LinkFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unplugWhileTheMonitorRuns();
    void malformedEventReports_data();
    void malformedEventReports();
    void aFloodOfEventsIsDeliveredInOrderWhileCommandsGoThrough();
    void stoppingDuringAFloodTakesOneReadAtMost();
    void shutdownDuringAFloodAndATransfer();
    void openFailuresOfTheEventInterface();
    void switchingDeviceWaitsForTheRunningMonitor();

private:
    void startMonitor();

    RecordingSink sink;
};

void MonitorFaultsTest::initTestCase()
{
    captureMessages();
}

void MonitorFaultsTest::init()
{
    sink.clear();
    openLink(&sink);
}

void MonitorFaultsTest::cleanup()
{
    closeLink();
    QCOMPARE(emu.openHandles(), 0);
}

void MonitorFaultsTest::startMonitor()
{
    link->swichCurDevice(0);
    QTRY_COMPARE_WITH_TIMEOUT(emu.openHandles(), 1, 2000);
}

void MonitorFaultsTest::unplugWhileTheMonitorRuns()
{
    startMonitor();
    emu.queueEventReport(eventReport(12, 1, 2, 3, 4));
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 1, 2000);

    QElapsedTimer timer;
    timer.start();
    emu.unplug();
    QVERIFY(capture->waitFor(QStringLiteral("Device removed"), 1500));
    QVERIFY2(timer.elapsed() < 700, qPrintable(QString::number(timer.elapsed())));

    // Commands after the removal fail quietly and at once, also while unplugged for good.
    timer.restart();
    link->hid_08H_SetLEDType(1, 2, 3, 4, 5, 6);
    uchar type = 7, brightness = 7, speed = 7, direction = 7, color = 7, side = 7;
    link->hid_88H_GetLEDType(type, brightness, speed, direction, color, side);
    QCOMPARE(type, uchar(7));
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(capture->messages(), QStringList{"Device removed"});

    // Replugged, nothing comes back before the next discovery; stopping costs nothing.
    emu.replug();
    emu.queueEventReport(eventReport(12, 3, 3, 3, 3));
    link->hid_21H_SetCurrentProfile(1);
    QTest::qWait(100);
    QCOMPARE(sink.calls().size(), 1);
    QVERIFY(recordsOf(K3Emulator::Kind::FeatureOut).isEmpty());
    timer.restart();
    link->stopMonitor();
    QVERIFY(timer.elapsed() < 100);
}

void MonitorFaultsTest::malformedEventReports_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("delivered");
    for (int size : {0, 1, 5, 7, 11})
        QTest::addRow("%d bytes", size) << size << false;
    // Longer reports are cut to the 12 bytes the monitor asks for.
    for (int size : {12, 13, 64, 1024})
        QTest::addRow("%d bytes", size) << size << true;
}

void MonitorFaultsTest::malformedEventReports()
{
    QFETCH(int, size);
    QFETCH(bool, delivered);
    startMonitor();
    emu.queueEventReport(eventReport(size, 2, 0xFF, 0x80, 0));
    // A well-formed report after it shows the malformed one was read and passed over.
    emu.queueEventReport(eventReport(12, 1, 1, 1, 1));
    QTRY_COMPARE_WITH_TIMEOUT(recordsOf(K3Emulator::Kind::Event).size(), 2, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!sink.calls().isEmpty() && sink.calls().last().values[0] == 1, 2000);
    QList<RecordingSink::Call> calls = sink.calls();
    QCOMPARE(calls.size(), delivered ? 2 : 1);
    if (delivered)
        QCOMPARE(calls.first().values, (std::array<uchar, 4>{2, 0xFF, 0x80, 0}));
    QVERIFY(capture->messages().isEmpty());
}

void MonitorFaultsTest::aFloodOfEventsIsDeliveredInOrderWhileCommandsGoThrough()
{
    constexpr int kReports = 5000;
    startMonitor();
    QElapsedTimer timer;
    timer.start();
    {
        Flood flood(kReports, 1000);
        // Writing transfers keep their own threads: the monitor cannot starve them.
        for (int i = 0; i < 20; ++i) {
            link->hid_21H_SetCurrentProfile(uchar(i % 4));
            QTest::qWait(20);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), kReports, 5000);
    QVERIFY(capture->messages().isEmpty());
    qInfo("%d event reports delivered in %lld ms", kReports, timer.elapsed());
    const QList<RecordingSink::Call> calls = sink.calls();
    for (int i = 0; i < kReports; ++i) {
        const std::array<uchar, 4> expected{uchar(i % 4), uchar(i % 256), uchar((i / 256) % 256), 1};
        QVERIFY2(calls.at(i).values == expected, qPrintable(QString::number(i)));
        QVERIFY(calls.at(i).thread != QThread::currentThread());
    }
    QTRY_COMPARE_WITH_TIMEOUT(recordsOf(K3Emulator::Kind::FeatureOut).size(), 20, 2000);
}

void MonitorFaultsTest::stoppingDuringAFloodTakesOneReadAtMost()
{
    startMonitor();
    Flood flood(3000, 600);
    QTRY_VERIFY_WITH_TIMEOUT(sink.calls().size() > 100, 2000);
    QElapsedTimer timer;
    timer.start();
    link->stopMonitor();
    QVERIFY2(timer.elapsed() < 600, qPrintable(QString::number(timer.elapsed())));
    const qsizetype delivered = sink.calls().size();
    QTest::qWait(100);
    QCOMPARE(sink.calls().size(), delivered);
    QCOMPARE(emu.openHandles(), 0);
}

void MonitorFaultsTest::shutdownDuringAFloodAndATransfer()
{
    startMonitor();
    emu.setLatency(40);
    Flood flood(2000, 400);
    QTRY_VERIFY_WITH_TIMEOUT(sink.calls().size() > 10, 2000);
    const QByteArray matrix = pattern(128, 9);
    link->hid_0CH_SetKeyMatrix_1(reinterpret_cast<const uchar *>(matrix.constData()));
    QElapsedTimer timer;
    timer.start();
    link.reset();
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(emu.openHandles(), 0);
    // The transfer was not cut short.
    QCOMPARE(recordsOf(K3Emulator::Kind::DataOut).size(), 2);
    const qsizetype delivered = sink.calls().size();
    QTest::qWait(100);
    QCOMPARE(sink.calls().size(), delivered);
}

void MonitorFaultsTest::openFailuresOfTheEventInterface()
{
    // The first open of the event interface fails: the monitor counts the keyboard as removed.
    emu.setFault(K3Emulator::Fault::OpenFails, 1);
    link->swichCurDevice(0);
    QVERIFY(capture->waitFor(QStringLiteral("Device removed"), 1000));
    QTRY_VERIFY_WITH_TIMEOUT(link->devices().at(0).eventPath.isEmpty(), 1000);
    // The command interface is still there and works.
    uchar profile = 9;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));
    QCOMPARE(recordsOf(K3Emulator::Kind::FeatureIn).size(), 1);
    QCOMPARE(capture->messages(), QStringList{"Device removed"});
}

// One monitor at a time: a second one would deliver every event twice.
void MonitorFaultsTest::switchingDeviceWaitsForTheRunningMonitor()
{
    startMonitor();
    QTest::qWait(50);
    QElapsedTimer timer;
    timer.start();
    link->swichCurDevice(0);
    QVERIFY2(timer.elapsed() >= 300 && timer.elapsed() < 1500,
             qPrintable(QString::number(timer.elapsed())));
    emu.queueEventReport(eventReport(12, 3, 6, 2, 2));
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 1, 2000);
    QTest::qWait(100);
    QCOMPARE(sink.calls().size(), 1);
    // The mouse entry has no interfaces: its monitor ends at once and reads nothing.
    link->swichCurDevice(1);
    emu.queueEventReport(eventReport(12, 0, 0, 0, 0));
    QTest::qWait(600);
    QCOMPARE(sink.calls().size(), 1);
}

QTEST_GUILESS_MAIN(MonitorFaultsTest)
#include "tst_monitorfaults.moc"
