#include "AppConfigStore.h"
#include "AppProfileSwitcher.h"
#include "KWinFocusWatcher.h"
#include "LegacyIni.h"
#include "TempWorkDir.h"

#include <QJSEngine>
#include <QTest>

namespace {

const QString kApConfig = QStringLiteral("modules/setting/apConfig.bin");
const QByteArray kOlderFile = "[common]\nname=K3\ntotal=2\n0=1\n1=2\n";

AppProfileRules rules(bool enabled, int defaultProfile, const QList<AppProfileRule> &list)
{
    AppProfileRules r;
    r.enabled = enabled;
    r.defaultProfile = defaultProfile;
    r.rules = list;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(AppProfileRules)

class AppProfilesTest : public QObject
{
    Q_OBJECT
private slots:
    void rulesKeepToTheirGroupAndSurviveARestart();
    void damagedRulesReadAsTheSoundOnes_data();
    void damagedRulesReadAsTheSoundOnes();
    void switching_data();
    void switching();
    void kwinScriptReportsTheWindowInFront_data();
    void kwinScriptReportsTheWindowInFront();
};

void AppProfilesTest::rulesKeepToTheirGroupAndSurviveARestart()
{
    TempWorkDir dir;
    TempWorkDir::write(kApConfig, kOlderFile);
    const AppProfileRules stored = rules(true, 3,
                                         {{"Firefox", 1}, {"a, b", 2}, {"\u00e9diteur", 0}});
    {
        AppConfigStore store;
        QCOMPARE(store.appProfiles(), AppProfileRules());
        QCOMPARE(TempWorkDir::read(kApConfig), kOlderFile);
        store.saveAppProfiles(rules(true, 0, {{"x", 1}, {"y", 1}, {"z", 1}, {"w", 1}}));
        store.saveAppProfiles(stored);
    }
    const QSettings file(kApConfig, LegacyIni::format());
    QCOMPARE(file.value("common/1").toString(), QStringLiteral("2"));
    QVERIFY(!file.contains("appprofiles/3"));
    QVERIFY(TempWorkDir::read(kApConfig).contains("\\xe9"));
    AppConfigStore restarted;
    QCOMPARE(restarted.appProfiles(), stored);
    // A reset brings back the shipped preferences, not a world without rules.
    TempWorkDir::write(QStringLiteral("modules/setting/apConfigD.bin"), kOlderFile);
    restarted.reset();
    QCOMPARE(restarted.load(), (QVariantList{"1", "2"}));
    QCOMPARE(restarted.appProfiles(), stored);
}

void AppProfilesTest::damagedRulesReadAsTheSoundOnes_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<AppProfileRules>("expected");
    QTest::newRow("profiles outside 1..4 and nameless rules go")
            << QByteArray("enabled=true\ndefault=9\ntotal=4\n0=a, 4\n1=, 1\n2=b\n3=c, 2\n")
            << rules(true, -1, {{"c", 2}});
    QTest::newRow("an application counts once, whatever its case")
            << QByteArray("enabled=true\ndefault=1\ntotal=2\n0=Steam, 1\n1=steam, 3\n")
            << rules(true, 1, {{"Steam", 1}});
    QTest::newRow("a claimed total beyond the stored rules")
            << QByteArray("enabled=false\ntotal=2000000000\n1=d, 3\n")
            << rules(false, -1, {{"d", 3}});
}

void AppProfilesTest::damagedRulesReadAsTheSoundOnes()
{
    QFETCH(QByteArray, group);
    QFETCH(AppProfileRules, expected);
    TempWorkDir dir;
    TempWorkDir::write(kApConfig, "[appprofiles]\n" + group);
    QCOMPARE(AppConfigStore().appProfiles(), expected);
}

// Steps: a name focuses that application, "-" this program's own window, "wait" lets the focus
// settle, "pass" is a focus too short to count, "hold"/"release" a macro recording or an apply,
// "pick N" a profile chosen by hand or on the keyboard.
void AppProfilesTest::switching_data()
{
    QTest::addColumn<AppProfileRules>("rules");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("switches");
    const AppProfileRules two = rules(true, -1, {{"a", 1}, {"b", 2}, {"c", 3}, {"home", 0}});
    QTest::newRow("each settled focus once")
            << two << "a wait b wait a wait a wait" << QList<int>{1, 2, 1};
    QTest::newRow("passing through switches nothing")
            << two << "a wait c pass b pass a wait" << QList<int>{1};
    QTest::newRow("already there") << two << "home wait" << QList<int>();
    QTest::newRow("no rule: the default")
            << rules(true, 3, {{"a", 1}}) << "z wait a wait" << QList<int>{3, 1};
    QTest::newRow("no rule, leave as is") << two << "z wait" << QList<int>();
    QTest::newRow("off") << rules(false, 3, {{"a", 1}}) << "a wait z wait" << QList<int>();
    QTest::newRow("own window stops a focus on its way") << two << "a pass - wait" << QList<int>();
    QTest::newRow("held until released") << two << "hold a wait release" << QList<int>{1};
    QTest::newRow("picked while held") << two << "hold a wait pick 3 release" << QList<int>();
    QTest::newRow("picked after the focus changed") << two << "a pass pick 3 wait" << QList<int>();
    QTest::newRow("picked stays until another application")
            << two << "a wait pick 3 - a wait b wait" << QList<int>{1, 2};
}

void AppProfilesTest::switching()
{
    QFETCH(AppProfileRules, rules);
    QFETCH(QString, steps);
    QFETCH(QList<int>, switches);
    int current = 0;
    QList<int> switched;
    AppProfileSwitcher *switcherPtr = nullptr;
    // As the scene does: the switch reaches the keyboard through the same slot as a pick.
    AppProfileSwitcher switcher([&] { return current; },
                                [&](int profile) {
                                    switched.append(profile);
                                    current = profile;
                                    switcherPtr->profileSet(profile);
                                });
    switcherPtr = &switcher;
    switcher.setRules(rules);
    const QStringList words = steps.split(' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &step = words.at(i);
        if (step == "wait" || step == "pass")
            QTest::qWait(step == "wait" ? AppProfileSwitcher::kSettleMs + 150
                                        : AppProfileSwitcher::kSettleMs / 3);
        else if (step == "hold" || step == "release")
            switcher.setHeld(step == "hold");
        else if (step == "pick")
            switcher.profileSet(current = words.at(++i).toInt());
        else
            switcher.focusChanged(step == "-" ? QString() : step);
    }
    QCOMPARE(switched, switches);
}

// KWin itself is not at hand: its script runs against a stand-in workspace of either generation.
void AppProfilesTest::kwinScriptReportsTheWindowInFront_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("active");
    QTest::newRow("Plasma 6") << "windowActivated"
                              << "activeWindow";
    QTest::newRow("Plasma 5") << "clientActivated"
                              << "activeClient";
}

void AppProfilesTest::kwinScriptReportsTheWindowInFront()
{
    QFETCH(QString, signal);
    QFETCH(QString, active);
    QJSEngine engine;
    engine.evaluate(
            QStringLiteral(
                    "var calls = [], handlers = [];"
                    "function callDBus() { calls.push(Array.prototype.join.call(arguments, '|')) }"
                    "var workspace = { %1: { connect: function (f) { handlers.push(f) } },"
                    "                  %2: { pid: 7, resourceClass: 'steam' } };")
                    .arg(signal, active));
    const QJSValue result = engine.evaluate(QString::fromUtf8(KWinFocusWatcher::script(
            {"org.k3config.Keyboard", "/Keyboard", "org.k3config.AppProfiles", "Report"}, 42)));
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    engine.evaluate(QStringLiteral(
            "handlers[0]({ pid: 42, resourceClass: 'k3config' }); handlers[0](null)"));
    const QString call = QStringLiteral(
            "org.k3config.Keyboard|/Keyboard|org.k3config.AppProfiles|Report|");
    QCOMPARE(engine.evaluate(QStringLiteral("calls")).toVariant().toStringList(),
             QStringList({call + "steam", call, call}));
}

QTEST_GUILESS_MAIN(AppProfilesTest)

#include "tst_appprofiles.moc"
