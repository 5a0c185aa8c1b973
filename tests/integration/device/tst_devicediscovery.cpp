#include "DeviceEventSource.h"
#include "KeyboardPresence.h"
#include "LinkFixture.h"
#include "UdevWatcher.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using Nodes = QList<K3Emulator::Node>;
Q_DECLARE_METATYPE(Nodes)

namespace {

K3Emulator::Node node(const char *path, quint16 usagePage, quint16 usage, quint16 pid = 0xa1cd)
{
    const K3Emulator::Role role = usagePage == 0xff01   ? K3Emulator::Role::Command
                                  : usagePage == 0xff02 ? K3Emulator::Role::Event
                                                        : K3Emulator::Role::Other;
    return {path, 0x04d9, pid, usagePage, usage, role};
}

QByteArray eventReport(int size, int profile, int effect, int brightness, int speed)
{
    QByteArray report(size, 0);
    report[1] = char(profile);
    report[4] = char(effect);
    report[5] = char(brightness);
    report[6] = char(speed);
    return report;
}

} // namespace

class DeviceDiscoveryTest : public QObject, private LinkFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void findsTheKeyboardsTwoInterfacesOnly();
    void matchesUsagePageAndUsageTogether_data();
    void matchesUsagePageAndUsageTogether();
    void withoutKeyboardEverythingFailsQuietly();
    void eventReportsReachTheSinkFromTheMonitorThread();
    void unplugWritesDeviceRemovedAndKeepsTheCommandPathUntilUsed();
    void switchingDeviceWaitsForTheRunningMonitor();
    void rediscoveryFollowsTheKeyboard();
    void aFloodOfEventsSettlesOnTheFinalState_data();
    void aFloodOfEventsSettlesOnTheFinalState();
    void onlyTheKeyboardsNodesCount_data();
    void onlyTheKeyboardsNodesCount();

private:
    void startMonitorAndWaitForItsRead();
    DeviceEventSource *watch(KeyboardPresence &presence);

    RecordingSink sink;
};

void DeviceDiscoveryTest::initTestCase()
{
    captureMessages();
}

void DeviceDiscoveryTest::init()
{
    sink.clear();
    openLink(&sink, Scan::Nothing);
}

void DeviceDiscoveryTest::cleanup()
{
    link->stopMonitor();
    closeLink();
    QCOMPARE(emu.openHandles(), 0);
}

void DeviceDiscoveryTest::startMonitorAndWaitForItsRead()
{
    link->swichCurDevice(0);
    QTRY_COMPARE_WITH_TIMEOUT(emu.openHandles(), 1, 2000);
    QTest::qWait(50);
}

// A fake source of device events, and the keyboard found for a start.
DeviceEventSource *DeviceDiscoveryTest::watch(KeyboardPresence &presence)
{
    auto *source = new DeviceEventSource;
    presence.addSource(source);
    presence.discover();
    return source;
}

void DeviceDiscoveryTest::findsTheKeyboardsTwoInterfacesOnly()
{
    scanKeyboards(*link);
    const QList<HidDevice> devices = link->devices();
    QCOMPARE(devices.size(), 2);
    const HidDevice &keyboard = devices.at(0);
    QCOMPARE(keyboard.index, 0);
    QCOMPARE(keyboard.productName, QStringLiteral("K3"));
    QCOMPARE(keyboard.type, 0);
    QCOMPARE(keyboard.cmdPath, QStringLiteral("k3emu/if1"));
    QCOMPARE(keyboard.eventPath, QStringLiteral("k3emu/if2"));
    QCOMPARE(keyboard.reportLength, 64);
    const HidDevice &mouse = devices.at(1);
    QCOMPARE(mouse.index, 1);
    QCOMPARE(mouse.productName, QStringLiteral("M3"));
    QVERIFY(mouse.cmdPath.isEmpty() && mouse.eventPath.isEmpty());
    QCOMPARE(mouse.reportLength, 32);
    // The pair is complete at the event interface and again at the media-key interface after it.
    QCOMPARE(capture->messages(), (QStringList{"Connect 0", "Connect 0"}));
}

void DeviceDiscoveryTest::matchesUsagePageAndUsageTogether_data()
{
    QTest::addColumn<Nodes>("nodes");
    QTest::addColumn<QString>("cmdPath");
    QTest::addColumn<QString>("eventPath");
    QTest::addColumn<int>("connects");

    QTest::newRow("event interface first")
            << Nodes{node("e", 0xff02, 1), node("c", 0xff01, 1)} << "c"
            << "e" << 1;
    QTest::newRow("usage differs") << Nodes{node("c", 0xff01, 2), node("e", 0xff02, 1)} << ""
                                   << "" << 0;
    QTest::newRow("later duplicate wins") << Nodes{node("c1", 0xff01, 1), node("e", 0xff02, 1),
                                                   node("c2", 0xff01, 1), node("x", 0x0001, 6)}
                                          << "c2"
                                          << "e" << 3;
    QTest::newRow("other product")
            << Nodes{node("c", 0xff01, 1, 0xa09f), node("e", 0xff02, 1)} << ""
            << "" << 0;
    QTest::newRow("event interface only") << Nodes{node("e", 0xff02, 1)} << ""
                                          << "" << 0;
}

void DeviceDiscoveryTest::matchesUsagePageAndUsageTogether()
{
    QFETCH(Nodes, nodes);
    QFETCH(QString, cmdPath);
    QFETCH(QString, eventPath);
    QFETCH(int, connects);

    emu.setNodes(nodes);
    scanKeyboards(*link);
    QCOMPARE(link->devices().at(0).cmdPath, cmdPath);
    QCOMPARE(link->devices().at(0).eventPath, eventPath);
    QCOMPARE(capture->messages(), QStringList(connects, QStringLiteral("Connect 0")));
}

void DeviceDiscoveryTest::withoutKeyboardEverythingFailsQuietly()
{
    emu.unplug();
    scanKeyboards(*link);
    QCOMPARE(link->devices().size(), 2);
    QVERIFY(link->devices().at(0).cmdPath.isEmpty() && link->devices().at(0).eventPath.isEmpty());

    // The monitor returns at once, so stopping it does not wait for a read.
    link->swichCurDevice(0);
    QElapsedTimer timer;
    timer.start();
    link->stopMonitor();
    QVERIFY(timer.elapsed() < 200);

    link->hid_21H_SetCurrentProfile(1);
    uchar profile = 2;
    link->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(0));
    QVERIFY(capture->messages().isEmpty());
    QVERIFY(emu.wireLog().isEmpty());
}

void DeviceDiscoveryTest::eventReportsReachTheSinkFromTheMonitorThread()
{
    scanKeyboards(*link);
    startMonitorAndWaitForItsRead();

    emu.queueEventReport(eventReport(12, 2, 3, 4, 1));
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 1, 2000);
    QCOMPARE(sink.calls().at(0).values, (std::array<uchar, 4>{2, 3, 4, 1}));
    QVERIFY(sink.calls().at(0).thread != QThread::currentThread());

    // A short report is read and ignored.
    emu.queueEventReport(eventReport(8, 1, 1, 1, 1));
    QTRY_COMPARE_WITH_TIMEOUT(recordsOf(K3Emulator::Kind::Event).size(), 2, 2000);
    QTest::qWait(50);
    QCOMPARE(sink.calls().size(), 1);

    // The profile key on the keyboard: profile 2 (index 1) with its own effect.
    emu.pressProfileKey(1);
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 2, 2000);
    QCOMPARE(sink.calls().at(1).values, (std::array<uchar, 4>{1, 0x09, 7, 5}));
    QCOMPARE(emu.state().currentProfile, uchar(1));

    // A stopped monitor reads nothing more.
    link->stopMonitor();
    QCOMPARE(emu.openHandles(), 0);
    emu.pressProfileKey(3);
    QTest::qWait(600);
    QCOMPARE(sink.calls().size(), 2);
    QVERIFY(capture->messages().filter(QStringLiteral("removed")).isEmpty());
}

void DeviceDiscoveryTest::unplugWritesDeviceRemovedAndKeepsTheCommandPathUntilUsed()
{
    scanKeyboards(*link);
    startMonitorAndWaitForItsRead();
    capture->clear();

    QElapsedTimer timer;
    timer.start();
    emu.unplug();
    QVERIFY(capture->waitFor(QStringLiteral("Device removed"), 1000));
    QVERIFY2(timer.elapsed() < 600, qPrintable(QString::number(timer.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(link->devices().at(0).eventPath.isEmpty(), 1000);
    QCOMPARE(link->devices().at(0).cmdPath, QStringLiteral("k3emu/if1"));

    // The next command finds the keyboard gone; nothing brings it back until the next discovery.
    link->hid_21H_SetCurrentProfile(1);
    QTRY_VERIFY_WITH_TIMEOUT(link->devices().at(0).cmdPath.isEmpty(), 1000);
    emu.replug();
    link->swichCurDevice(0);
    link->hid_21H_SetCurrentProfile(1);
    QTest::qWait(50);
    QVERIFY(emu.wireLog().isEmpty());
    QCOMPARE(capture->messages(), QStringList{"Device removed"});
}

void DeviceDiscoveryTest::switchingDeviceWaitsForTheRunningMonitor()
{
    scanKeyboards(*link);
    startMonitorAndWaitForItsRead();

    // The running monitor is inside a 500 ms read: switching waits for it to end.
    QElapsedTimer timer;
    timer.start();
    link->swichCurDevice(0);
    QVERIFY2(timer.elapsed() >= 300 && timer.elapsed() < 1500,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(link->currentDevice(), 0u);

    // Restarted for the same device: one event, one call.
    emu.queueEventReport(eventReport(12, 3, 6, 2, 2));
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 1, 2000);
    QTest::qWait(100);
    QCOMPARE(sink.calls().size(), 1);

    // The mouse entry has no interfaces: its monitor ends at once and reads nothing.
    link->swichCurDevice(1);
    QCOMPARE(link->currentDevice(), 1u);
    emu.queueEventReport(eventReport(12, 0, 0, 0, 0));
    QTest::qWait(600);
    QCOMPARE(sink.calls().size(), 1);
}

void DeviceDiscoveryTest::rediscoveryFollowsTheKeyboard()
{
    KeyboardPresence presence(*link, [] { return QStringList{"K3", "M3"}; });
    DeviceEventSource *source = watch(presence);
    QSignalSpy arrived(&presence, &KeyboardPresence::arrived);

    emu.unplug();
    emit source->devicesChanged();
    QTRY_VERIFY_WITH_TIMEOUT(!presence.isConnected() && link->devices().at(0).cmdPath.isEmpty(),
                             1000);
    QCOMPARE(emu.openHandles(), 0);

    // Plugged back: both interfaces again, the monitor restarted, events and commands go through.
    emu.replug();
    emit source->devicesChanged();
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, 1000);
    QVERIFY(presence.isConnected());
    QCOMPARE(link->devices().at(0).cmdPath, QStringLiteral("k3emu/if1"));
    QCOMPARE(link->devices().at(0).eventPath, QStringLiteral("k3emu/if2"));
    QTRY_COMPARE_WITH_TIMEOUT(emu.openHandles(), 1, 1000);
    emu.pressProfileKey(2);
    QTRY_COMPARE_WITH_TIMEOUT(sink.calls().size(), 1, 2000);

    // A path emptied by a failed open counts again after the next discovery.
    link->stopMonitor();
    emu.setFault(K3Emulator::Fault::OpenFails, 1);
    uchar profile = 0;
    QVERIFY(!link->hid_A1H_GetCurrentProfile(profile));
    QVERIFY(!presence.isConnected());
    emit source->devicesChanged();
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 2, 1000);
    QVERIFY(link->hid_A1H_GetCurrentProfile(profile));
    QCOMPARE(profile, uchar(2));

    // Waking up with the keyboard in place reads it again.
    emit source->resumed();
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 3, 1000);
}

void DeviceDiscoveryTest::aFloodOfEventsSettlesOnTheFinalState_data()
{
    QTest::addColumn<bool>("endsPlugged");
    QTest::newRow("ends unplugged") << false;
    QTest::newRow("ends plugged") << true;
}

void DeviceDiscoveryTest::aFloodOfEventsSettlesOnTheFinalState()
{
    QFETCH(bool, endsPlugged);
    KeyboardPresence presence(*link, [] { return QStringList{"K3", "M3"}; });
    DeviceEventSource *source = watch(presence);
    QSignalSpy arrived(&presence, &KeyboardPresence::arrived);
    for (int i = 0; i < 1000; ++i) {
        i % 2 ? emu.replug() : emu.unplug();
        emit source->devicesChanged();
        // Some discoveries run in the middle of the flood.
        if (i % 250 == 0)
            QTest::qWait(KeyboardPresence::SettleMs + 50);
    }
    endsPlugged ? emu.replug() : emu.unplug();
    emit source->devicesChanged();
    QTest::qWait(2 * KeyboardPresence::SettleMs + 500);
    QCOMPARE(presence.isConnected(), endsPlugged);
    QTRY_COMPARE_WITH_TIMEOUT(emu.openHandles(), endsPlugged ? 1 : 0, 1000);
    QCOMPARE(link->devices().at(0).eventPath.isEmpty(), !endsPlugged);
    QVERIFY2(arrived.size() <= 5, qPrintable(QString::number(arrived.size())));
}

void DeviceDiscoveryTest::onlyTheKeyboardsNodesCount_data()
{
    QTest::addColumn<QByteArray>("devpath");
    QTest::addColumn<bool>("counts");
    const QByteArray usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/";
    QTest::newRow("keyboard") << usb + "0003:04D9:A1CD.0002/hidraw/hidraw1" << true;
    QTest::newRow("keyboard over bluetooth")
            << QByteArray("/devices/virtual/misc/uhid/0005:04D9:A1CD.0007/hidraw/hidraw5") << true;
    QTest::newRow("the catalogue's mouse") << usb + "0003:04D9:A09F.0003/hidraw/hidraw2" << false;
    QTest::newRow("another keyboard") << usb + "0003:046D:C52B.0001/hidraw/hidraw0" << false;
}

void DeviceDiscoveryTest::onlyTheKeyboardsNodesCount()
{
    QFETCH(QByteArray, devpath);
    QFETCH(bool, counts);
    QCOMPARE(UdevWatcher::belongsTo(devpath.constData(), 0x04d9, 0xa1cd), counts);
}

QTEST_GUILESS_MAIN(DeviceDiscoveryTest)
#include "tst_devicediscovery.moc"
