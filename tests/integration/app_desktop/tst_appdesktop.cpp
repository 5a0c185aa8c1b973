#include "ApConfigValues.h"
#include "Program.h"
#include "SingleInstance.h"
#include "Ui_Controler.h"
#include "myQQuickView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    return run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--pid", QString::number(pid)})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString geometryOf(const QString &window)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Geometry: (\\d+x\\d+)"))
                                          .match(run(QStringLiteral("xdotool"), {"getwindowgeometry", window}));
    return m.captured(1);
}

// A window of the process that another client has taken in: its tray icon.
bool hasEmbeddedWindow(qint64 pid)
{
    const QString root = run(QStringLiteral("xwininfo"), {"-root"});
    const QString rootId = QRegularExpression(QStringLiteral("Window id: (0x[0-9a-f]+)")).match(root).captured(1);
    const QStringList windows =
        run(QStringLiteral("xdotool"), {"search", "--pid", QString::number(pid)}).split('\n', Qt::SkipEmptyParts);
    for (const QString &window : windows) {
        const QString info = run(QStringLiteral("xwininfo"), {"-children", "-id", window});
        const QString parent = QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)")).match(info).captured(1);
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
        m_tray.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                                                  "--width", "200", "--heighttype", "pixel", "--height", "32"});
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
        const QString title = readWindowTitle(QStringLiteral(K3_RUNTIME_DIR "/modules/setting/apConfig.bin"));
        QVERIFY(!title.isEmpty());
        QTemporaryDir elsewhere;
        DemoProcess demo(elsewhere.path());
        const QStringList windows = windowsOf(demo.process.processId());
        QVERIFY(!windows.isEmpty());
        const QStringList named = run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name",
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
        QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {"windowfocus", "--sync", window}) == 0);
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

private:
    QProcess m_tray;
};

QTEST_MAIN(DesktopTest)
#include "tst_appdesktop.moc"
