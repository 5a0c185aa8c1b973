#include "K3Emulator.h"
#include "Program.h"
#include "RuntimeCopy.h"
#include "SingleInstance.h"
#include "myQQuickView.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kService = QStringLiteral("org.k3config.Keyboard.Demo");

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool sentToKeyboard(const QByteArray &line)
{
    for (const K3Emulator::Record &r : K3Emulator::instance().wireLog()) {
        if (r.kind == K3Emulator::Kind::FeatureOut && "F " + r.bytes.toHex(' ').toUpper() == line)
            return true;
    }
    return false;
}

} // namespace

// The ProfileChanged signals the window sends on the bus.
class BusSignals : public QObject
{
    Q_OBJECT
public:
    QList<int> profiles;
public slots:
    void profileChanged(int profile) { profiles.append(profile); }
};

class ScriptingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void switchingThroughTheWindowMovesItsMenuAndIsSignalled();
    void aScriptReportsTheApplicationInFront();
    void exportThenImportCopiesAProfileByteForByte();
    void withoutAWindowTheCommandLineTalksToTheKeyboardItself();
    void aSecondPlainStartShowsTheHiddenWindowAndExits1();
    void badInputFailsWithOneLineAndChangesNothing_data();
    void badInputFailsWithOneLineAndChangesNothing();

private:
    Run demo(const QStringList &args, const QString &wireLog = QString());
    void startWindow();
    QByteArray profileFiles() const;

    std::unique_ptr<RuntimeCopy> m_copy;
    QString m_demo;
    std::unique_ptr<Program> m_program;
};

void ScriptingTest::initTestCase()
{
    // The demo works on the files beside it: a copy of it beside a copy of the data.
    m_copy = std::make_unique<RuntimeCopy>();
    QVERIFY(m_copy->isValid());
    m_demo = m_copy->filePath(QStringLiteral("k3config-demo"));
    QVERIFY(QFile::copy(QStringLiteral(K3_DEMO_PROGRAM), m_demo));
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void ScriptingTest::init()
{
    K3Emulator::instance().reset();
}

void ScriptingTest::cleanup()
{
    m_program.reset();
}

// Runs the demo with the event loop turning: the window of this process answers its requests.
Run ScriptingTest::demo(const QStringList &args, const QString &wireLog)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!wireLog.isEmpty())
        env.insert(QStringLiteral("K3EMU_WIRE_LOG"), wireLog);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_copy->filePath(QStringLiteral("modules")));
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(m_demo, args);
    if (!finished.wait(30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

void ScriptingTest::startWindow()
{
    m_program = std::make_unique<Program>(Widget::mainScene(), nullptr);
    m_program->start(false);
    QVERIFY(m_program->offerOnBus(kService));
    // The scene's initUI is queued.
    QTest::qWait(100);
}

QByteArray ScriptingTest::profileFiles() const
{
    QByteArray all;
    for (int n = 1; n <= 4; ++n)
        all += fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p%1.bin").arg(n)));
    return all;
}

void ScriptingTest::switchingThroughTheWindowMovesItsMenuAndIsSignalled()
{
    startWindow();
    BusSignals bus;
    QVERIFY(QDBusConnection::sessionBus().connect(
            kService, QStringLiteral("/Keyboard"), QStringLiteral("org.k3config.Keyboard"),
            QStringLiteral("ProfileChanged"), &bus, SLOT(profileChanged(int))));
    const auto statusProfile = [this] {
        const Run status = demo({QStringLiteral("--status"), QStringLiteral("--json")});
        const QJsonObject json = QJsonDocument::fromJson(status.out).object();
        return status.code == 0 && json.value(QStringLiteral("connected")).toBool()
                       ? json.value(QStringLiteral("profile")).toInt()
                       : -1;
    };
    QCOMPARE(statusProfile(), 1);

    QCOMPARE(demo({QStringLiteral("--profile"), QStringLiteral("3")}).code, 0);
    QTRY_VERIFY(sentToKeyboard("F 00 21 02 00 00 00 55 AA 00"));
    QObject *menu = m_program->window().view()->rootObject()->findChild<QObject *>(
            QStringLiteral("profileMenu"));
    QCOMPARE(menu->property("currentIndex").toInt(), 2);
    QTRY_COMPARE(bus.profiles, QList<int>{3});
    QCOMPARE(statusProfile(), 3);

    // The keyboard's own profile key, and the tray menu, are followed and signalled the same way.
    K3Emulator::instance().pressProfileKey(0);
    QTRY_COMPARE(bus.profiles, (QList<int>{3, 1}));
    QMenu *tray = m_program->window().trayIcon()->contextMenu();
    QVERIFY(tray->actions().at(0)->isChecked());
    tray->actions().at(1)->trigger();
    QCOMPARE(menu->property("currentIndex").toInt(), 1);
    QVERIFY(tray->actions().at(1)->isChecked() && !tray->actions().at(0)->isChecked());
    QTRY_COMPARE(bus.profiles, (QList<int>{3, 1, 2}));
}

// Where the desktop cannot be watched, a script names the application in front.
void ScriptingTest::aScriptReportsTheApplicationInFront()
{
    startWindow();
    QDBusInterface rules(kService, QStringLiteral("/Keyboard"),
                         QStringLiteral("org.k3config.AppProfiles"));
    QCOMPARE(rules.call(QStringLiteral("SetRule"), QStringLiteral("steam"), 3).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(rules.call(QStringLiteral("SetRule"), QStringLiteral(" "), 2).type(),
             QDBusMessage::ErrorMessage);
    QCOMPARE(rules.call(QStringLiteral("SetRule"), QStringLiteral("x"), 5).type(),
             QDBusMessage::ErrorMessage);
    QVERIFY(rules.setProperty("Enabled", true));
    const QDBusReply<QVariantMap> stored = rules.call(QStringLiteral("Rules"));
    QCOMPARE(stored.value(), (QVariantMap{{"steam", 3}}));
    rules.call(QStringLiteral("ReportActiveApplication"), QStringLiteral("Steam"));
    QTRY_VERIFY(sentToKeyboard("F 00 21 02 00 00 00 55 AA 00"));
    QCOMPARE(rules.property("ActiveApplication").toString(), QStringLiteral("Steam"));
}

void ScriptingTest::exportThenImportCopiesAProfileByteForByte()
{
    startWindow();
    const QByteArray first = fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p1.bin")));
    QVERIFY(first != fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p4.bin"))));
    // Relative to the command line's folder, not the window's.
    QCOMPARE(demo({QStringLiteral("--export-profile"), QStringLiteral("1"),
                   QStringLiteral("first.pf")})
                     .code,
             0);
    QCOMPARE(fileBytes(m_copy->filePath(QStringLiteral("modules/first.pf"))), first);
    QCOMPARE(demo({QStringLiteral("--import-profile"), QStringLiteral("4"),
                   QStringLiteral("first.pf")})
                     .code,
             0);
    QCOMPARE(fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p4.bin"))), first);
}

void ScriptingTest::withoutAWindowTheCommandLineTalksToTheKeyboardItself()
{
    const QString wireLog = m_copy->filePath(QStringLiteral("wire.log"));
    const Run run = demo({QStringLiteral("--profile"), QStringLiteral("2")}, wireLog);
    QCOMPARE(run.code, 0);
    QVERIFY(fileBytes(wireLog).split('\n').contains("F 00 21 01 00 00 00 55 AA 00"));
    const Run status = demo({QStringLiteral("--status")});
    QCOMPARE(status.code, 0);
    QVERIFY(status.out.contains("connected: yes\n"));

    // Brightness 3 of 7 is 27 of the keyboard's 63; what is not given stays as stored.
    const QByteArray stored = fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p1.bin")));
    QVERIFY(stored.contains("ledType=0, 63, 3, 0, 7, 0"));
    QCOMPARE(demo({"--effect", "breathing", "--brightness", "3", "--colour", "2"}, wireLog).code, 0);
    QVERIFY(fileBytes(wireLog).split('\n').contains("F 00 08 01 1B 03 00 02 00 00"));
    QVERIFY(fileBytes(m_copy->filePath(QStringLiteral("modules/setting/p1.bin")))
                    .contains("ledType=1, 27, 3, 0, 2, 0"));
}

void ScriptingTest::aSecondPlainStartShowsTheHiddenWindowAndExits1()
{
    startWindow();
    QVERIFY(!m_program->window().isVisible());
    // The window of this process stands in for the demo's first copy.
    SingleInstance first(m_demo);
    QVERIFY(first.acquire());
    QCOMPARE(demo({}).code, 1);
    QTRY_VERIFY(m_program->window().isVisible());
}

void ScriptingTest::badInputFailsWithOneLineAndChangesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("code");
    const QString missing = QStringLiteral("missing.pf");
    const QString folder = QStringLiteral("setting");
    QTest::newRow("profile 9") << QStringList{"--profile", "9"} << false << 1;
    QTest::newRow("profile not a number") << QStringList{"--profile", "two"} << false << 1;
    QTest::newRow("two actions") << QStringList{"--profile", "2", "--reset-profile", "2"} << false
                                 << 1;
    QTest::newRow("export without file") << QStringList{"--export-profile", "2"} << false << 1;
    QTest::newRow("unknown option") << QStringList{"--profiles", "2"} << false << 1;
    QTest::newRow("unknown effect") << QStringList{"--effect", "sparkle"} << false << 1;
    QTest::newRow("import missing file")
            << QStringList{"--import-profile", "2", missing} << false << 2;
    QTest::newRow("import missing file, window")
            << QStringList{"--import-profile", "2", missing} << true << 2;
    QTest::newRow("import a folder, window")
            << QStringList{"--import-profile", "2", folder} << true << 2;
    QTest::newRow("export onto a folder")
            << QStringList{"--export-profile", "2", folder} << false << 2;
}

void ScriptingTest::badInputFailsWithOneLineAndChangesNothing()
{
    QFETCH(QStringList, args);
    QFETCH(bool, window);
    QFETCH(int, code);
    if (window)
        startWindow();
    const QByteArray before = profileFiles();
    const QString wireLog = m_copy->filePath(QStringLiteral("wire.log"));
    const Run run = demo(args, wireLog);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.startsWith("k3config: ") && run.err.count('\n') == 1, run.err.constData());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(profileFiles(), before);
    if (!window)
        QVERIFY(!fileBytes(wireLog).contains("F 00 21"));
}

QTEST_MAIN(ScriptingTest)
#include "tst_scripting.moc"
