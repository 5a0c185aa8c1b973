#include "ApConfigValues.h"
#include "DemoPlugSignals.h"
#include "K3Emulator.h"
#include "Program.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "SingleInstance.h"
#include "SleepWatcher.h"
#include "Ui_Controler.h"
#include "myQQuickView.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <unistd.h>

namespace {

const QString kDemo = QStringLiteral(K3_DEMO_PROGRAM);

// Runs a command line tool to its end and returns what it printed.
QString run(const QString &program, const QStringList &args, int timeoutMs = 30000)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The visible top-level windows of a process, waiting until there is one.
QStringList windowsOf(qint64 pid)
{
    return run(QStringLiteral("xdotool"),
               {"search", "--sync", "--onlyvisible", "--pid", QString::number(pid)})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString geometryOf(const QString &window)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Geometry: (\\d+x\\d+)"))
                                              .match(run(QStringLiteral("xdotool"),
                                                         {"getwindowgeometry", window}));
    return m.captured(1);
}

// A window of the process that another client has taken in: its tray icon.
bool hasEmbeddedWindow(qint64 pid)
{
    const QString root = run(QStringLiteral("xwininfo"), {"-root"});
    const QString rootId =
            QRegularExpression(QStringLiteral("Window id: (0x[0-9a-f]+)")).match(root).captured(1);
    const QStringList windows = run(QStringLiteral("xdotool"),
                                    {"search", "--pid", QString::number(pid)})
                                        .split('\n', Qt::SkipEmptyParts);
    for (const QString &window : windows) {
        const QString info = run(QStringLiteral("xwininfo"), {"-children", "-id", window});
        const QString parent = QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)"))
                                       .match(info)
                                       .captured(1);
        if (!parent.isEmpty() && parent != rootId)
            return true;
    }
    return false;
}

struct DemoProcess
{
    QProcess process;

    explicit DemoProcess(const QString &workingDirectory)
    {
        process.setWorkingDirectory(workingDirectory);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(kDemo, {});
        process.waitForStarted();
    }
    ~DemoProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
};

// A D-Bus daemon of the test's own, and logind's wake-up (PrepareForSleep false) on it.
struct PrivateBus
{
    QProcess daemon;
    QString address;

    PrivateBus()
    {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (daemon.waitForReadyRead(5000))
            address = QString::fromLatin1(daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        daemon.kill();
        daemon.waitForFinished();
    }
    bool wakeUp()
    {
        QDBusConnection logind = QDBusConnection::connectToBus(address, QStringLiteral("logind"));
        logind.registerService(QStringLiteral("org.freedesktop.login1"));
        QDBusMessage signal = QDBusMessage::createSignal(
                QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"),
                QStringLiteral("PrepareForSleep"));
        return logind.send(signal << false);
    }
};

// The command codes sent to the keyboard, in order.
QList<int> commandsSent()
{
    QList<int> codes;
    for (const K3Emulator::Record &r : K3Emulator::instance().wireLog()) {
        if (r.kind == K3Emulator::Kind::FeatureOut)
            codes.append(uchar(r.bytes.at(1)));
    }
    return codes;
}

// With K3_SCREENSHOTS_DIR set (docs/screenshots/connection-screenshots.sh), the window as it is.
void screenshot(QWidget &window, const char *name)
{
    const QString folder = qEnvironmentVariable("K3_SCREENSHOTS_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(500); // the scene's next frames, a notice's fade-in
    QVERIFY(window.grab().save(folder + u'/' + QLatin1String(name)));
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *tool : {"xdotool", "xwininfo", "trayer"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
        QVERIFY(QFile::exists(kDemo));
        m_tray.start(QStringLiteral("trayer"),
                     {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "200",
                      "--heighttype", "pixel", "--height", "32"});
        QVERIFY(m_tray.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        QFile::remove(SingleInstance::lockPathFor(kDemo));
    }

    void cleanupTestCase()
    {
        m_tray.kill();
        m_tray.waitForFinished();
    }

    void demoStartedElsewhereFindsItsDataAndShowsWindowAndTray()
    {
        const QString title = readWindowTitle(
                QStringLiteral(K3_RUNTIME_DIR "/modules/setting/apConfig.bin"));
        QVERIFY(!title.isEmpty());
        QTemporaryDir elsewhere;
        DemoProcess demo(elsewhere.path());
        const QStringList windows = windowsOf(demo.process.processId());
        QVERIFY(!windows.isEmpty());
        const QStringList named = run(QStringLiteral("xdotool"),
                                      {"search", "--sync", "--onlyvisible", "--name",
                                       "^" + QRegularExpression::escape(title) + "$"})
                                          .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(named.size(), 1);
        QCOMPARE(geometryOf(named.first()), QStringLiteral("1000x600"));
        QTRY_VERIFY_WITH_TIMEOUT(hasEmbeddedWindow(demo.process.processId()), 10000);
        QCOMPARE(demo.process.state(), QProcess::Running);
    }

    void secondCopyExitsAtOnceAndTheFirstKeepsRunning()
    {
        DemoProcess first(QDir::tempPath());
        QVERIFY(!windowsOf(first.process.processId()).isEmpty());

        QElapsedTimer clock;
        clock.start();
        DemoProcess second(QDir::tempPath());
        QVERIFY(second.process.waitForFinished(10000));
        QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process.exitCode(), 1);
        QVERIFY(clock.elapsed() < 5000);

        QTest::qWait(500);
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(!windowsOf(first.process.processId()).isEmpty());
    }

    void aCrashedCopyDoesNotBlockTheNextStart()
    {
        {
            DemoProcess crashed(QDir::tempPath());
            QVERIFY(!windowsOf(crashed.process.processId()).isEmpty());
            crashed.process.kill(); // no chance to release its lock
            QVERIFY(crashed.process.waitForFinished());
        }
        QVERIFY(QFile::exists(SingleInstance::lockPathFor(kDemo)));
        DemoProcess next(QDir::tempPath());
        QVERIFY(!windowsOf(next.process.processId()).isEmpty());
        QCOMPARE(next.process.state(), QProcess::Running);
    }

    void typedKeysReachTheShippedScene()
    {
        // The demo program's own set-up: its data folder, its scene, the emulated
        // keyboard, and no global input, whatever this machine allows. The scene's
        // detectKeyboard hands each key on as msg_KB.
        QVERIFY(QDir::setCurrent(QStringLiteral(K3_RUNTIME_DIR)));
        Program program(Widget::mainScene(), nullptr);
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
        QQuickItem *root = program.window().view()->rootObject();
        QVERIFY(root);
        QSignalSpy keys(root, SIGNAL(msg_KB(bool, int)));
        QVERIFY(keys.isValid());

        const QString window = QString::number(program.window().winId());
        QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {"windowfocus", "--sync", window})
                == 0);
        QProcess typing;
        typing.start(QStringLiteral("xdotool"), {"key", "Escape", "backslash"});
        QTRY_COMPARE_WITH_TIMEOUT(typing.state(), QProcess::NotRunning, 20000);
        // The shipped layout file says layout 0: backslash is the non-US hash-and-tilde key.
        QTRY_COMPARE(keys.size(), 4);
        const QList<QVariantList> expected{{true, 0x29}, {false, 0x29}, {true, 0x32}, {false, 0x32}};
        QCOMPARE(QList<QVariantList>(keys), expected);
    }

    void minimiseHidesToTheTrayAndDoubleClickBringsItBack()
    {
        QVERIFY(QDir::setCurrent(QStringLiteral(K3_RUNTIME_DIR)));
        Program program(Widget::mainScene(), nullptr);
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
        QTRY_VERIFY(program.window().trayIcon()->isVisible());
        QVERIFY(!program.window().trayIcon()->icon().isNull());

        program.window().controller()->onMinimize();
        QVERIFY(!program.window().isVisible());
        emit program.window().trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
    }

    // The demo's keyboard unplugged and plugged back from outside, and a wake-up from suspend.
    void theKeyboardComesAndGoes()
    {
        // The demo's watch, with logind on a bus of the test's own: this process has long
        // settled on its system bus address.
        PrivateBus bus;
        KeyboardWatch watch;
        watch.emulated = true;
        watch.sources.push_back(std::make_unique<DemoPlugSignals>());
        watch.sources.push_back(std::make_unique<SleepWatcher>(
                QDBusConnection::connectToBus(bus.address, QStringLiteral("system"))));
        K3Emulator &emu = K3Emulator::instance();
        emu.reset();
        SceneProgram scene;
        QVERIFY2(scene.start(10000, std::move(watch)), qPrintable(scene.error()));
        QObject *indicator = scene.root()->findChild<QObject *>(
                QStringLiteral("connectionIndicator"));
        QObject *notice = scene.root()->findChild<QObject *>(QStringLiteral("notice"));
        QVERIFY(indicator && notice);
        const auto shows = [indicator](const char *text) {
            return indicator->property("text").toString() == text;
        };
        QTRY_VERIFY(shows("demo: emulated keyboard"));
        screenshot(scene.program().window(), "connection-demo.png");

        QElapsedTimer clock;
        clock.start();
        QVERIFY(::kill(::getpid(), SIGUSR1) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(shows("not connected"), 1000);
        const qint64 gone = clock.elapsed();
        screenshot(scene.program().window(), "connection-not-connected.png");

        // Apply of the user's brightness: a notice, the setting kept in the profile, nothing on the
        // wire.
        QCOMPARE(scene.program().window().view()->ui_A1H_GetCurrentProfile(), QVariant(0));
        const auto lighting = [] {
            const QSettings p1(QStringLiteral("modules/setting/p1.bin"), QSettings::IniFormat);
            return p1.value("color/ledType").toStringList()
                   + p1.value("color/color").toStringList();
        };
        const QStringList before = lighting();
        QCOMPARE(before.size(), 27);
        mainItem(scene.root())
                ->property("colorPage")
                .value<QObject *>()
                ->setProperty("brightnessLevel", 5);
        emu.clearWireLog();
        QMetaObject::invokeMethod(scene.root(), "applyAll");
        QTRY_COMPARE(notice->property("text").toString(),
                     QStringLiteral("Not sent: the keyboard is not connected"));
        screenshot(scene.program().window(), "connection-not-sent.png");
        QTRY_VERIFY_WITH_TIMEOUT(!scene.root()->property("busy").toBool(), 5000);
        QTest::qWait(700); // the profile's deferred write
        const QStringList after = lighting();
        QCOMPARE(after.value(1), QStringLiteral("45"));
        QCOMPARE(after.mid(6), before.mid(6));
        QVERIFY(commandsSent().isEmpty());

        // Back: connected and read again within 2 s, and the profile key is heard.
        clock.restart();
        QVERIFY(::kill(::getpid(), SIGUSR2) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(shows("demo: emulated keyboard") && commandsSent().size() >= 2,
                                 2000);
        QCOMPARE(commandsSent().mid(0, 2), (QList<int>{0x80, 0xA1}));
        qInfo("not connected %lld ms after the unplug, connected and read again %lld ms after the "
              "arrival "
              "(to within the 50 ms steps of the wait)",
              gone, clock.elapsed());
        emu.pressProfileKey(2);
        QTRY_COMPARE(scene.root()->property("profile").toInt(), 2);
        QTRY_VERIFY(commandsSent().contains(0x21));

        // Waking up reads the keyboard again.
        emu.clearWireLog();
        QVERIFY(bus.wakeUp());
        QTRY_COMPARE_WITH_TIMEOUT(commandsSent().mid(0, 2), (QList<int>{0x80, 0xA1}), 2000);
        QTRY_VERIFY(shows("demo: emulated keyboard"));
        scene.stop();
        QDBusConnection::disconnectFromBus(QStringLiteral("system"));
        emu.reset();
    }

    // Not the demo: "connected", the keyboard's name and firmware in the tip and the tray's.
    void aConnectedKeyboardShowsItsNameAndFirmware()
    {
        K3Emulator::instance().reset();
        SceneProgram scene;
        QVERIFY2(scene.start(), qPrintable(scene.error()));
        QTRY_COMPARE(scene.program().window().trayIcon()->toolTip(),
                     QStringLiteral("Keyboard: connected\nK3 Gaming Keyboard, firmware 01.05"));
        auto *indicator = scene.root()->findChild<QQuickItem *>(
                QStringLiteral("connectionIndicator"));
        QTest::mouseMove(scene.view(),
                         indicator->mapToScene(QPointF(indicator->width() / 2, 10)).toPoint());
        QTRY_COMPARE(indicator->property("tipShown"), QVariant(true));
        screenshot(scene.program().window(), "connection-connected.png");
    }

private:
    QProcess m_tray;
};

QTEST_MAIN(DesktopTest)
#include "tst_appdesktop.moc"
