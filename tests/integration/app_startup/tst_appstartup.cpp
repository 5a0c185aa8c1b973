#include "DeviceCatalogue.h"
#include "ExecutableFolder.h"
#include "InputHook.h"
#include "K3Emulator.h"
#include "Program.h"
#include "SingleInstance.h"
#include "Ui_Controler.h"
#include "Widget.h"
#include "WindowPlacement.h"
#include "myQQuickView.h"

#include <QAction>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <linux/input-event-codes.h>
#include <unistd.h>

namespace {

QUrl recordingScene()
{
    return QUrl::fromLocalFile(
            QStringLiteral(K3_SOURCE_DIR "/tests/integration/app_startup/RecordingScene.qml"));
}

QStringList calls(Widget &window)
{
    return window.view()->rootObject()->property("log").toString().split(QLatin1Char(';'),
                                                                         Qt::SkipEmptyParts);
}

void clearCalls(Widget &window)
{
    window.view()->rootObject()->setProperty("log", QString());
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        // Every case runs in a data folder of its own, like a fresh installation.
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_folder->path()));
        K3Emulator::instance().reset();
    }

    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void startupHandshakeLocksInitialisesUnlocksAndRuns()
    {
        Program program(recordingScene(), nullptr);
        QVERIFY(calls(program.window()).isEmpty()); // nothing reaches QML while it is built
        program.start();
        QVERIFY(program.window().isVisible());
        QCOMPARE(calls(program.window()), QStringList{"setProtectUI(1)"});
        QTRY_COMPARE(calls(program.window()),
                     (QStringList{"setProtectUI(1)", "initUI", "setProtectUI(0)", "run"}));
    }

    void windowIsTheFramelessTranslucentHostOfTheShippedScene()
    {
        Widget window;
        QCOMPARE(window.size(), QSize(1000, 600));
        QCOMPARE(int(window.windowFlags()), 0x2000801);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        // The window's transparency is its own: a question over it draws a background of its own.
        QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("Replace?"),
                        QMessageBox::Yes, window.view());
        QCOMPARE(box.grab().toImage().pixelColor(1, 1), box.palette().color(QPalette::Window));
        QCOMPARE(window.objectName(), QStringLiteral("Widget"));
        QCOMPARE(window.view()->objectName(), QStringLiteral("ui_View"));
        QCOMPARE(window.view()->parentWidget(), &window);
        const auto children = window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(std::count_if(children.begin(), children.end(),
                               [](QWidget *w) { return !w->isWindow(); }),
                 1);
        QQmlContext *context = window.view()->rootContext();
        QCOMPARE(context->contextProperty("ui_View").value<QObject *>(), window.view());
        QCOMPARE(context->contextProperty("hid").value<QObject *>(), &window.device());
        QCOMPARE(context->contextProperty("ui_Ctl").value<QObject *>(), window.controller());
    }

    void windowOpensCentredFirstThenWhereItWasLeft_data()
    {
        QTest::addColumn<std::optional<QPoint>>("remembered");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("first start") << std::optional<QPoint>() << QPoint(140, 100);
        QTest::newRow("left on the primary")
                << std::optional<QPoint>(QPoint(-400, 30)) << QPoint(-400, 30);
        QTest::newRow("left on the second")
                << std::optional<QPoint>(QPoint(1500, 500)) << QPoint(1500, 500);
        QTest::newRow("its screen is gone")
                << std::optional<QPoint>(QPoint(3000, 10)) << QPoint(140, 100);
        QTest::newRow("top bar above the screen")
                << std::optional<QPoint>(QPoint(0, -40)) << QPoint(140, 100);
    }

    void windowOpensCentredFirstThenWhereItWasLeft()
    {
        QFETCH(std::optional<QPoint>, remembered);
        QFETCH(QPoint, expected);
        const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
        QCOMPARE(WindowPlacement::initialPosition(remembered, QSize(1000, 600), screens), expected);
    }

    void windowPlaceIsKeptForTheNextStart()
    {
        {
            Program program(recordingScene(), nullptr);
            program.start();
            program.window().move(50, 40);
        }
        Program program(recordingScene(), nullptr);
        program.start();
        QCOMPARE(program.window().pos(), QPoint(50, 40));
    }

    void titleComesFromTheApplicationSettings()
    {
        {
            Widget window(nullptr, recordingScene());
            QCOMPARE(window.windowTitle(), QString());
        }
        writeFile(QStringLiteral("modules/setting/apConfig.bin"), "[common]\r\nlanguage=0\r\n");
        {
            Widget window(nullptr, recordingScene());
            QCOMPARE(window.windowTitle(), QString());
        }
        writeFile(QStringLiteral("modules/setting/apConfig.bin"),
                  "[common]\r\nname=K3 Keyboard\r\n");
        Widget window(nullptr, recordingScene());
        QCOMPARE(window.windowTitle(), QStringLiteral("K3 Keyboard"));
    }

    void setBusyReachesQmlDirectlyAndDefaultsToZero()
    {
        Widget window(nullptr, recordingScene());
        window.controller()->setBusy(250);
        window.controller()->setBusy();
        QCOMPARE(calls(window), (QStringList{"setProtectUI(250)", "setProtectUI(0)"}));
    }

    void windowMovesByDeltasMinimisesAndCloses()
    {
        Widget window(nullptr, recordingScene());
        window.move(100, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.controller()->startSystemMove(); // offered nowhere here: the deltas move the window
        window.controller()->onXChanged(15);
        window.controller()->onYChanged(-7);
        window.controller()->onXChanged(-3);
        QCOMPARE(window.pos(), QPoint(112, 193));
        // Without a system tray a hidden window could never come back.
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        window.controller()->onMinimize();
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
        window.controller()->onClose();
        QVERIFY(!window.isVisible());
    }

    void trayDoubleClickShowsAHiddenWindowOtherClicksDoNot()
    {
        Widget window(nullptr, recordingScene());
        QSystemTrayIcon *tray = window.trayIcon();
        QCOMPARE(tray->parent(), &window);
        QCOMPARE(tray->toolTip(), QStringLiteral("Keyboard"));
        QMenu *menu = tray->contextMenu();
        QCOMPARE(menu->parent(), &window);
        // P01..P04, a separator, then quitting.
        QCOMPARE(menu->actions().size(), 6);
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("Quit (&Q)"));
        QCOMPARE(menu->styleSheet(),
                 QStringLiteral("QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, "
                                "69, 73); } "
                                "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
                                "QMenu::item:enabled { color: rgb(225, 225, 225); } "
                                "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
                                "QMenu::item:enabled:selected { color: rgb(230, 230, 230); "
                                "background: rgba(255, 255, 255, 40); } "
                                "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
                                "QMenu::indicator { width: 13px; height: 13px; } "
                                "QMenu::icon { padding-left: 2px; padding-right: 2px; } "));

        window.hide();
        for (auto reason :
             {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
            emit tray->activated(reason);
            QVERIFY(!window.isVisible());
        }
        emit tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
    }

    void hookAndOwnWindowReportsReachQmlQueued()
    {
        Program program(recordingScene(), nullptr);
        program.start();
        QTRY_VERIFY(calls(program.window()).contains("run"));
        clearCalls(program.window());

        program.hooks().keyboardEvent(true, 0x1E, 0);
        program.hooks().mouseEvent(kRightButtonDown, 10, 20);
        QVERIFY(calls(program.window()).isEmpty()); // queued, never from inside the hook
        // No global input here: the window's own key events take the hook's road.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, KEY_ENTER + 8, 0, 0);
        QCoreApplication::sendEvent(program.window().view(), &press);
        QTRY_COMPARE(calls(program.window()),
                     (QStringList{"detectKeyboard(true,4)", "detectMouse(true,241,10,20)",
                                  "detectKeyboard(true,40)"}));
    }

    void hookTablesKeepTheLayoutOfTheHardwareDefinitionFile_data()
    {
        QTest::addColumn<QByteArray>("hwdef");
        QTest::addColumn<int>("deviceLayout");
        QTest::addColumn<QString>("backslash");
        QTest::newRow("no file, keyboard says 1") << QByteArray() << 1 << "detectKeyboard(true,50)";
        QTest::newRow("file says 1, keyboard says 0")
                << QByteArray("[common]\r\nkbLayoutType=1\r\n") << 0 << "detectKeyboard(true,49)";
    }

    void hookTablesKeepTheLayoutOfTheHardwareDefinitionFile()
    {
        QFETCH(QByteArray, hwdef);
        QFETCH(int, deviceLayout);
        QFETCH(QString, backslash);
        if (!hwdef.isEmpty())
            writeFile(QStringLiteral("modules/setting/HWDef.bin"), hwdef);
        K3Emulator::instance().update([&](K3State &state) { state.layout = uchar(deviceLayout); });

        Program program(recordingScene(), nullptr);
        program.start();
        QTRY_VERIFY(calls(program.window()).contains("run"));
        QCOMPARE(int(program.window().view()->layoutMode()),
                 deviceLayout); // discovery read the keyboard
        clearCalls(program.window());
        program.hooks().keyboardEvent(true, 0x2B, 0);
        QTRY_COMPARE(calls(program.window()), QStringList{backslash});
    }

    void shutdownStopsTheDeviceMonitorPromptly()
    {
        auto program = std::make_unique<Program>(recordingScene(), nullptr);
        program->start();
        QTRY_VERIFY(calls(program->window()).contains("run"));
        K3Emulator::instance().pressProfileKey(2);
        QTRY_VERIFY(calls(program->window()).contains("zzzMorvel(2)"));
        QElapsedTimer clock;
        clock.start();
        program.reset();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(K3Emulator::instance().openHandles(), 0);
    }

    void workingDirectoryBecomesTheExecutableFolder()
    {
        const QString folder = QDir(m_folder->path()).canonicalPath();
        QDir().mkpath(folder + "/bin");
        QVERIFY(enterExecutableFolder(folder + "/bin/k3config"));
        QCOMPARE(QDir::currentPath(), folder + "/bin");
        QVERIFY(enterExecutableFolder(QStringLiteral("/k3config")));
        QCOMPARE(QDir::currentPath(), QStringLiteral("/"));
        QVERIFY(!enterExecutableFolder(QStringLiteral("k3config")));
        QCOMPARE(QDir::currentPath(), QStringLiteral("/"));
    }

    void singleInstanceLockBelongsToOneExecutable()
    {
        const QString exe = m_folder->filePath(QStringLiteral("k3config"));
        const QString other = m_folder->filePath(QStringLiteral("k3config-demo"));
        QCOMPARE(SingleInstance::lockPathFor(exe), SingleInstance::lockPathFor(exe));
        QVERIFY(SingleInstance::lockPathFor(exe) != SingleInstance::lockPathFor(other));

        SingleInstance first(exe);
        QVERIFY(first.acquire());
        SingleInstance second(exe);
        QVERIFY(!second.acquire());
        SingleInstance unrelated(other);
        QVERIFY(unrelated.acquire());
    }

    // Left by a crash, emptied, damaged, or another user's: no running copy holds it.
    void aLockNobodyHoldsDoesNotStopAStart()
    {
        const QString exe = m_folder->filePath(QStringLiteral("k3config"));
        const QString lock = SingleInstance::lockPathFor(exe);
        QVERIFY(lock.contains(QStringLiteral("k3config-%1-").arg(::getuid())));
        for (const char *content :
             {"", "\xff\x01garbage", "999999999\nk3config\nhost\n", "foreign"}) {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                    && file.write(content) >= 0);
            file.close();
            QVERIFY(qstrcmp(content, "foreign")
                    || ::chown(QFile::encodeName(lock).constData(), 65534, 65534) == 0);
            QVERIFY(SingleInstance(exe).acquire());
        }
    }

    void udevRuleGrantsAccessToTheCataloguedKeyboard()
    {
        const DevInfo keyboard = readDeviceCatalogue({}).entries.value(0);
        QFile rule(QStringLiteral(K3_SOURCE_DIR "/packaging/linux/70-k3config.rules"));
        QVERIFY(rule.open(QIODevice::ReadOnly));
        const QString expected =
                QStringLiteral(
                        R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="%1", ATTRS{idProduct}=="%2", TAG+="uaccess")")
                        .arg(keyboard.vid, 4, 16, QLatin1Char('0'))
                        .arg(keyboard.pid, 4, 16, QLatin1Char('0'));
        QVERIFY(QString::fromUtf8(rule.readAll()).split(QLatin1Char('\n')).contains(expected));
    }

    // Last: it runs and ends the application's own event loop.
    void trayQuitEndsTheEventLoop()
    {
        Widget window(nullptr, recordingScene());
        window.show();
        QTimer::singleShot(0, window.trayIcon()->contextMenu()->actions().last(), &QAction::trigger);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(StartupTest)
#include "tst_appstartup.moc"
