#include "LinkFixture.h"

#include <QElapsedTimer>
#include <QTest>


using Nodes = QList<K3Emulator::Node>;
Q_DECLARE_METATYPE(Nodes)

namespace {

K3Emulator::Node node(const char *path, quint16 usagePage, quint16 usage, quint16 pid = 0xa1cd)
{
    const K3Emulator::Role role = usagePage == 0xff01 ? K3Emulator::Role::Command
                                  : usagePage == 0xff02 ? K3Emulator::Role::Event
                                                        : K3Emulator::Role::Other;
    return {path, 0x04d9, pid, usagePage, usage, role};
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
};

void DeviceDiscoveryTest::initTestCase()
{
    captureMessages();
}

void DeviceDiscoveryTest::init()
{
    openLink(nullptr, Scan::Nothing);
}

void DeviceDiscoveryTest::cleanup()
{
    link->stopMonitor();
    closeLink();
    QCOMPARE(emu.openHandles(), 0);
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

    QTest::newRow("event interface first") << Nodes{node("e", 0xff02, 1), node("c", 0xff01, 1)} << "c" << "e" << 1;
    QTest::newRow("usage differs") << Nodes{node("c", 0xff01, 2), node("e", 0xff02, 1)} << "" << "" << 0;
    QTest::newRow("later duplicate wins")
        << Nodes{node("c1", 0xff01, 1), node("e", 0xff02, 1), node("c2", 0xff01, 1), node("x", 0x0001, 6)}
        << "c2" << "e" << 3;
    QTest::newRow("other product") << Nodes{node("c", 0xff01, 1, 0xa09f), node("e", 0xff02, 1)} << "" << "" << 0;
    QTest::newRow("event interface only") << Nodes{node("e", 0xff02, 1)} << "" << "" << 0;
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

QTEST_GUILESS_MAIN(DeviceDiscoveryTest)
#include "tst_devicediscovery.moc"
