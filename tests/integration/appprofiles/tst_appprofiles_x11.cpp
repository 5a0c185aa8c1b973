#include "AppProfileSwitcher.h"
#include "K3Emulator.h"
#include "SceneStart.h"
#include "X11FocusWatcher.h"
#include "myQQuickView.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QQuickItem>
#include <QTest>

#include <memory>
#include <vector>

// The program on the emulated keyboard; its window is off screen, the watcher on the display.
class AppProfilesX11Test : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theKeyboardFollowsTheApplicationInFront();

private:
    // Runs xdotool with the event loop going, as the program needs it to see the focus.
    QString xdotool(const QStringList &args);
    void focus(const QStringList &names);
    // The profiles the keyboard was told to take since the last call.
    QList<int> profileCommands();

    QProcess m_windowManager;
    std::vector<std::unique_ptr<QProcess>> m_clients;
    QMap<QString, QString> m_windows;
    SceneProgram m_program;
};

QString AppProfilesX11Test::xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void AppProfilesX11Test::initTestCase()
{
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY(m_windowManager.waitForStarted());
    // xmessage names the instance; the class, which names the application, is set after.
    for (const QString name : {"alpha", "beta", "gamma"}) {
        auto &client = m_clients.emplace_back(std::make_unique<QProcess>());
        client->start(QStringLiteral("xmessage"), {QStringLiteral("-name"), name, name});
        const QString window =
                xdotool({"search", "--sync", "--classname", name}).section('\n', 0, 0);
        QVERIFY2(!window.isEmpty(), qPrintable(name));
        xdotool({"set_window", "--class", name + "App", window});
        m_windows.insert(name, window);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!xdotool({"getactivewindow"}).isEmpty(), 5000);
    QVERIFY2(m_program.start(), qPrintable(m_program.error()));
}

void AppProfilesX11Test::cleanupTestCase()
{
    m_program.stop();
    for (auto &client : m_clients) {
        client->kill();
        client->waitForFinished();
    }
    m_windowManager.kill();
    m_windowManager.waitForFinished();
}

void AppProfilesX11Test::focus(const QStringList &names)
{
    QStringList args;
    for (const QString &name : names)
        args << "windowactivate"
             << "--sync" << m_windows.value(name);
    xdotool(args);
}

QList<int> AppProfilesX11Test::profileCommands()
{
    QList<int> profiles;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog()) {
        if (record.kind == K3Emulator::Kind::FeatureOut && uchar(record.bytes.at(1)) == 0x21)
            profiles.append(record.bytes.at(2));
    }
    K3Emulator::instance().clearWireLog();
    return profiles;
}

void AppProfilesX11Test::theKeyboardFollowsTheApplicationInFront()
{
    myQQuickView &view = *m_program.view();
    const QVariantMap rules{
            {"enabled", true},
            {"defaultProfile", 3},
            {"rules", QVariantList{QVariantMap{{"application", "AlphaApp"}, {"profile", 1}},
                                   QVariantMap{{"application", "BETAAPP"}, {"profile", 2}}}}};
    view.saveAppProfiles(rules);
    const int settle = AppProfileSwitcher::kSettleMs + 300;
    focus({"gamma"});
    QTest::qWait(settle);
    profileCommands();

    // A second watcher sees the focus change when the program's does.
    const std::unique_ptr<X11FocusWatcher> probe = X11FocusWatcher::open();
    QElapsedTimer focusSeen;
    connect(probe.get(), &FocusWatcher::applicationFocused, this, [&] { focusSeen.start(); });
    focus({"alpha"});
    QVERIFY(QTest::qWaitFor([] { return K3Emulator::instance().wireLog().size() > 0; }, 2000));
    qInfo("from the focus change to the wire: %lld ms", focusSeen.elapsed());
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>{1});
    QCOMPARE(m_program.root()->property("profile").toInt(), 1);

    // Alt-tab through a third window and back: nothing.
    focus({"gamma", "alpha"});
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>());

    // Not while settings are on their way to the keyboard: once they are.
    QMetaObject::invokeMethod(m_program.root(), "setProtectUI", Q_ARG(QVariant, settle * 2));
    focus({"beta"});
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>());
    QVERIFY(QTest::qWaitFor([] { return !K3Emulator::instance().wireLog().isEmpty(); }, 3 * settle));
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>{2});
    // No rule: the default.
    focus({"gamma"});
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>{3});

    QVariantMap off = rules;
    off.insert("enabled", false);
    view.saveAppProfiles(off);
    focus({"alpha"});
    QTest::qWait(settle);
    QCOMPARE(profileCommands(), QList<int>());
}

QTEST_MAIN(AppProfilesX11Test)

#include "tst_appprofiles_x11.moc"
