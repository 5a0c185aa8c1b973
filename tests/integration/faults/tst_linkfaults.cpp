// Keyboard faults against every command of the device link: the link never
// crashes, never waits longer than its bounded waits, reports only what it is
// meant to report, and is free for the next command afterwards.
#include "LinkCommands.h"
#include "LinkFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <thread>

namespace {

enum class Fault {
    UnpluggedBefore,
    OpenFails,
    FeatureOutFails,
    FeatureInFails,
    DataOutFails,
    DataInFails,
    DataNeverComes,
    UnplugMidTransfer,
    GarbageReplies,
    ShortReplies,
    LinkHeld,
    ShutdownMidTransfer,
};

const char *faultName(Fault fault)
{
    switch (fault) {
    case Fault::UnpluggedBefore:
        return "unplugged before";
    case Fault::OpenFails:
        return "open fails";
    case Fault::FeatureOutFails:
        return "feature out fails";
    case Fault::FeatureInFails:
        return "feature in fails";
    case Fault::DataOutFails:
        return "data out fails";
    case Fault::DataInFails:
        return "data in fails";
    case Fault::DataNeverComes:
        return "data never comes";
    case Fault::UnplugMidTransfer:
        return "unplug mid-transfer";
    case Fault::GarbageReplies:
        return "garbage replies";
    case Fault::ShortReplies:
        return "short replies";
    case Fault::LinkHeld:
        return "link held";
    case Fault::ShutdownMidTransfer:
        return "shutdown mid-transfer";
    }
    return "?";
}

bool applies(Fault fault, const LinkCommand &c)
{
    using Kind = LinkCommand::Kind;
    switch (fault) {
    case Fault::FeatureInFails:
    case Fault::GarbageReplies:
    case Fault::ShortReplies:
        return !c.writes();
    case Fault::DataOutFails:
        return c.kind == Kind::WriteData;
    case Fault::DataInFails:
    case Fault::DataNeverComes:
        return c.kind == Kind::ReadData;
    case Fault::ShutdownMidTransfer:
        return c.writes();
    case Fault::LinkHeld:
        // The token wait is the same 2 s for every command: one of each kind.
        return c.code == "02" || c.code == "0C" || c.code == "82" || c.code == "8C";
    default:
        return true;
    }
}

// Reports a command exchanges before its middle: the block of a command without data,
// the block of a command with data, the reply of a reading command.
int reportsBeforeTheMiddle(const LinkCommand &c)
{
    using Kind = LinkCommand::Kind;
    switch (c.kind) {
    case Kind::Write:
        return 0;
    case Kind::WriteData:
        return 1;
    case Kind::Read:
        return 1;
    case Kind::ReadData:
        return 2;
    }
    return 0;
}

QByteArray keyboardMemory(const K3State &s)
{
    QByteArray memory;
    const auto add = [&](const uchar *data, size_t size) {
        memory.append(reinterpret_cast<const char *>(data), qsizetype(size));
    };
    for (const K3Profile &p : s.profiles) {
        add(p.effect.data(), p.effect.size());
        add(p.keyMatrix.data(), p.keyMatrix.size());
        add(p.sevenColor.data(), p.sevenColor.size());
        for (const auto &picture : p.pictures) {
            for (const auto &plane : picture)
                add(plane.data(), plane.size());
        }
    }
    for (const auto &macro : s.macros)
        add(macro.data(), macro.size());
    memory.append(char(s.currentProfile));
    return memory;
}

QList<QByteArray> pieces(const QByteArray &data, int size)
{
    QList<QByteArray> list;
    for (int at = 0; at < data.size(); at += size)
        list.append(data.mid(at, size));
    return list;
}

// A reply report as the wire log shows it, report ID included.
QString replyIn(const QByteArray &report)
{
    return QStringLiteral("feature in ") + QString::fromLatin1(report.toHex(' ').toUpper());
}

constexpr int kLatencyMs = 30;

} // namespace

Q_DECLARE_METATYPE(Fault)

class LinkFaultsTest : public QObject, private LinkFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyCommandSurvivesEveryFault_data();
    void everyCommandSurvivesEveryFault();

private:
    void expectWire(const QStringList &expected);
    void expectLinkFree();
};

void LinkFaultsTest::initTestCase()
{
    captureMessages();
}

void LinkFaultsTest::init()
{
    openLink();
}

void LinkFaultsTest::cleanup()
{
    closeLink();
    QCOMPARE(emu.openHandles(), 0);
}

// The transfer is over once its last report is on the wire; nothing may follow it.
void LinkFaultsTest::expectWire(const QStringList &expected)
{
    QVERIFY2(emu.waitForWireLog(int(expected.size()), 5000), qPrintable(wireText().join('\n')));
    QTest::qWait(60);
    QCOMPARE(wireText(), expected);
}

// A command after the fault gets the token at once, whatever the fault did to the device.
void LinkFaultsTest::expectLinkFree()
{
    emu.reset();
    capture->clear();
    QElapsedTimer timer;
    timer.start();
    uchar profile = 9;
    link->hid_A1H_GetCurrentProfile(profile);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(capture->messages().isEmpty(), qPrintable(capture->messages().join('\n')));
    QCOMPARE(emu.openHandles(), 0);
}

void LinkFaultsTest::everyCommandSurvivesEveryFault_data()
{
    QTest::addColumn<int>("commandIndex");
    QTest::addColumn<Fault>("fault");
    for (Fault fault : {Fault::UnpluggedBefore, Fault::OpenFails, Fault::FeatureOutFails,
                        Fault::FeatureInFails, Fault::DataOutFails, Fault::DataInFails,
                        Fault::DataNeverComes, Fault::UnplugMidTransfer, Fault::GarbageReplies,
                        Fault::ShortReplies, Fault::LinkHeld, Fault::ShutdownMidTransfer}) {
        for (int i = 0; i < linkCommands().size(); ++i) {
            if (applies(fault, linkCommands().at(i)))
                QTest::addRow("%s %s", faultName(fault), qPrintable(linkCommands().at(i).code))
                        << i << fault;
        }
    }
}

void LinkFaultsTest::everyCommandSurvivesEveryFault()
{
    QFETCH(int, commandIndex);
    QFETCH(Fault, fault);
    const LinkCommand &command = linkCommands().at(commandIndex);
    const QByteArray data = pattern(command.dataSize, 0x21);
    const QByteArray preset = pattern(command.outputSize, 0x31);
    const QByteArray memoryBefore = keyboardMemory(emu.state());
    const QString blockOut = featureOut(command.block);
    const QByteArray reply = QByteArray(1, 0) + pattern(8, 0x77);
    const QByteArray dataReplies = pattern(command.dataSize, 0x55);

    QStringList expectedWire;
    QByteArray expectedOutputs = command.outputsAfterFailure(preset);
    QStringList expectedMessages;
    qint64 longestCall = command.writes() ? 300 : 800;
    qint64 shortestCall = 0;
    std::thread unplugger;

    switch (fault) {
    case Fault::UnpluggedBefore:
        emu.unplug();
        break;
    case Fault::OpenFails:
        emu.setFault(K3Emulator::Fault::OpenFails);
        break;
    case Fault::FeatureOutFails:
        emu.setFault(K3Emulator::Fault::FeatureOutFails);
        break;
    case Fault::FeatureInFails:
        emu.setFault(K3Emulator::Fault::FeatureInFails);
        expectedWire = {blockOut};
        break;
    case Fault::DataOutFails:
        emu.setFault(K3Emulator::Fault::DataOutFails);
        expectedWire = {blockOut};
        break;
    case Fault::DataInFails:
        emu.setFault(K3Emulator::Fault::DataInFails);
        expectedWire = {blockOut, replyIn(QByteArray(1, 0) + command.block)};
        break;
    case Fault::DataNeverComes:
        emu.setFault(K3Emulator::Fault::MissingDataReplies);
        expectedWire = {blockOut, replyIn(QByteArray(1, 0) + command.block)};
        shortestCall = Hid_Thread::DataReadTimeoutMs - 50;
        longestCall = Hid_Thread::DataReadTimeoutMs + 1000;
        break;
    case Fault::UnplugMidTransfer: {
        // Every report takes a while, so the unplug lands before the next one is through.
        emu.setLatency(kLatencyMs);
        const int before = reportsBeforeTheMiddle(command);
        unplugger = std::thread([this, before] {
            if (before == 0) {
                QElapsedTimer wait;
                wait.start();
                while (emu.openHandles() == 0 && wait.elapsed() < 5000)
                    std::this_thread::yield();
            } else {
                emu.waitForWireLog(before, 5000);
            }
            emu.unplug();
        });
        expectedWire = QStringList{blockOut, replyIn(QByteArray(1, 0) + command.block)}.mid(0,
                                                                                            before);
        longestCall = command.writes() ? 300 : 1000;
        break;
    }
    case Fault::GarbageReplies: {
        QList<QByteArray> script{reply};
        script += pieces(dataReplies, 64);
        emu.scriptReplies(script);
        expectedWire = {blockOut, replyIn(reply)};
        for (const QByteArray &piece : pieces(dataReplies, 64))
            expectedWire.append(dataIn(piece));
        expectedOutputs = command.outputsFrom(reply, dataReplies);
        break;
    }
    case Fault::ShortReplies: {
        // A reply of the report ID alone, data reports of 10 bytes.
        QList<QByteArray> script{QByteArray(1, 0)};
        QByteArray received;
        for (const QByteArray &piece : pieces(dataReplies, 64)) {
            script.append(piece.left(10));
            expectedWire.append(dataIn(piece.left(10)));
            received += piece.left(10) + QByteArray(54, 0);
        }
        emu.scriptReplies(script);
        expectedWire.prepend(replyIn(QByteArray(1, 0)));
        expectedWire.prepend(blockOut);
        // The preset reply stands: the version read takes its zeros, the others their current values.
        if (command.hasData())
            expectedOutputs = received;
        else if (command.code == "80")
            expectedOutputs = QByteArray(3, 0);
        break;
    }
    case Fault::LinkHeld: {
        // Profile 0 is current already: the held transfer changes nothing the keyboard keeps.
        emu.setStalled(true);
        link->hid_21H_SetCurrentProfile(0);
        QTRY_COMPARE_WITH_TIMEOUT(emu.openHandles(), 1, 2000);
        expectedMessages = {command.writes() ? QStringLiteral("cmd Failed ") + command.code
                                             : QStringLiteral("cmd Failed")};
        expectedOutputs = preset;
        shortestCall = 2000;
        longestCall = 4000;
        break;
    }
    case Fault::ShutdownMidTransfer:
        emu.setLatency(kLatencyMs);
        expectedWire = {blockOut};
        for (const QByteArray &piece : pieces(data, 64))
            expectedWire.append(dataOut(piece));
        break;
    }

    // The token wait processes events, so the interface stays responsive meanwhile.
    QTimer probe;
    probe.setSingleShot(true);
    probe.start(100);
    QElapsedTimer timer;
    timer.start();
    const QByteArray outputs = command.run(*link, data, preset);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= shortestCall && elapsed <= longestCall,
             qPrintable(QString::number(elapsed)));
    if (!command.writes())
        QCOMPARE(outputs.toHex(' '), expectedOutputs.toHex(' '));

    if (fault == Fault::ShutdownMidTransfer) {
        // The window's end waits for the transfer: the keyboard gets the whole command.
        timer.restart();
        link.reset();
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(emu.openHandles(), 0);
        QCOMPARE(wireText(), expectedWire);
        QVERIFY(capture->messages().isEmpty());
        return;
    }
    if (fault == Fault::LinkHeld) {
        QVERIFY(!probe.isActive());
        emu.setStalled(false);
        expectedWire = {featureOut({0x21, 0, 0, 0, 0, 0x55, 0xAA, 0})};
    }
    if (unplugger.joinable())
        unplugger.join();
    expectWire(expectedWire);
    QCOMPARE(capture->messages(), expectedMessages);
    // A command whose data did not all arrive changes nothing the keyboard keeps.
    if (command.kind == LinkCommand::Kind::WriteData)
        QCOMPARE(keyboardMemory(emu.state()), memoryBefore);
    expectLinkFree();
}

QTEST_GUILESS_MAIN(LinkFaultsTest)
#include "tst_linkfaults.moc"
