#include "K3Emulator.h"
#include "RuntimeCopy.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

#include <optional>

namespace {

// Command codes of the feature reports the host sent, in order ("80", "A1", ...).
QStringList commandsSent()
{
    QStringList codes;
    for (const K3Emulator::Record &r : K3Emulator::instance().wireLog()) {
        if (r.kind == K3Emulator::Kind::FeatureOut && r.bytes.size() > 1)
            codes.append(QString::number(uchar(r.bytes.at(1)), 16).toUpper().rightJustified(2, QLatin1Char('0')));
    }
    return codes;
}

QObject *child(QObject *root, const char *name)
{
    QObject *mainK3 = mainItem(root);
    return mainK3 ? mainK3->property(name).value<QObject *>() : nullptr;
}

} // namespace

class SceneStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpReadsLayoutProfileAndEffectFromTheKeyboard();
    void aProfileKeyOnTheKeyboardMovesTheProfileMenu();

private:
    void startProgram();

    std::optional<RuntimeCopy> folder;
    std::unique_ptr<Widget> window;
    QObject *root = nullptr;
};

void SceneStartupTest::init()
{
    // A fresh copy of the shipped data, so the settings files of the build stay as they are.
    folder.emplace();
    QVERIFY(folder->isValid());
    K3Emulator::instance().reset();
    K3Emulator::instance().update([](K3State &state) {
        state.layout = 1;
        state.currentProfile = 2;
        state.profiles[2].effect = {0x09, 36, 3, 0, 4, 0};
    });
}

void SceneStartupTest::cleanup()
{
    window.reset();
    root = nullptr;
    folder.reset();
}

void SceneStartupTest::startProgram()
{
    window = std::make_unique<Widget>();
    K3Emulator::instance().clearWireLog();
    root = startScene(*window, 5000);
    QVERIFY(root);
    QTRY_VERIFY_WITH_TIMEOUT(root->property("profile").toInt() == 2, 5000);
}

void SceneStartupTest::startUpReadsLayoutProfileAndEffectFromTheKeyboard()
{
    startProgram();
    QCOMPARE(root->property("layout").toInt(), 1);
    QCOMPARE(child(root, "profileMenu")->property("currentIndex").toInt(), 2);
    QObject *colorPage = child(root, "colorPage");
    QVERIFY(colorPage);
    QCOMPARE(colorPage->property("effectCode").toInt(), 0x09);
    QCOMPARE(colorPage->property("brightnessLevel").toInt(), 4);
    // Layout and profile were asked of the keyboard before the scene started, the effect after.
    const QStringList codes = commandsSent();
    QVERIFY2(codes.indexOf(QStringLiteral("80")) >= 0, qPrintable(codes.join(' ')));
    QVERIFY(codes.indexOf(QStringLiteral("80")) < codes.indexOf(QStringLiteral("A1")));
    QVERIFY(codes.indexOf(QStringLiteral("A1")) < codes.lastIndexOf(QStringLiteral("88")));
    QVERIFY(window->view()->isEnabled());
}

void SceneStartupTest::aProfileKeyOnTheKeyboardMovesTheProfileMenu()
{
    startProgram();
    K3Emulator::instance().update([](K3State &state) { state.profiles[3].effect = {0x07, 63, 2, 0, 7, 0}; });
    K3Emulator::instance().clearWireLog();
    K3Emulator::instance().pressProfileKey(3);
    QTRY_COMPARE_WITH_TIMEOUT(root->property("profile").toInt(), 3, 5000);
    QCOMPARE(child(root, "profileMenu")->property("currentIndex").toInt(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(child(root, "colorPage")->property("effectCode").toInt(), 0x07, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(commandsSent().contains(QStringLiteral("21")), 5000);
}

QTEST_MAIN(SceneStartupTest)
#include "tst_scenestartup.moc"
