// The shipped key assignment page driven through its functions, with the real bridge,
// profile files and macro files, against the emulated keyboard.

#include "K3Emulator.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "myQQuickView.h"

#include <QQuickItem>
#include <QTest>

namespace {

// Key matrix bytes of the keyboard's current profile, as the keyboard keeps them.
int deviceCode(int matrix)
{
    const K3State state = K3Emulator::instance().state();
    const K3Profile &profile = state.profiles[state.currentProfile];
    return profile.keyMatrix[2 * matrix] | (profile.keyMatrix[2 * matrix + 1] << 8);
}

constexpr int keyA = 49; // matrix position of A in the shipped table
constexpr int keyEsc = 0;
constexpr int backslash = 45; // its ISO twin 61 carries its code on the keyboard

} // namespace

class KeydefineBridgeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pageShowsTheProfile();
    void applySendsTheMatrixAndKeepsItInTheProfile();
    void profileSwitchShowsEachProfilesKeys();
    void choosingAMacroSendsItAndBindsTheKey();
    void resetAllBringsBackTheDefaults();

private:
    QObject *page() const;
    QObject *keyboard() const;
    int code(int matrix) const;
    QVariantList stored(int matrix) const;
    void apply();

    SceneProgram m_program;
};

void KeydefineBridgeTest::initTestCase()
{
    // The page writes profile and macro files: work on a copy of the run-time folder.
    K3Emulator::instance().reset();
    QVERIFY2(m_program.start(), qPrintable(m_program.error()));
    QTRY_VERIFY(callQml(keyboard(), "keyCodes").toList().size() == 128);
}

void KeydefineBridgeTest::cleanupTestCase()
{
    m_program.stop();
}

QObject *KeydefineBridgeTest::page() const
{
    return mainItem(m_program.root())->property("keyPage").value<QObject *>();
}

QObject *KeydefineBridgeTest::keyboard() const
{
    return page()->findChild<QObject *>(QStringLiteral("keyboard"));
}

int KeydefineBridgeTest::code(int matrix) const
{
    return callQml(keyboard(), "keyAt", {matrix}).value<QObject *>()->property("keyCode").toInt();
}

QVariantList KeydefineBridgeTest::stored(int matrix) const
{
    return m_program.view()->getKeydefine(matrix).toList();
}

void KeydefineBridgeTest::apply()
{
    K3Emulator::instance().clearWireLog();
    callQml(page(), "apply");
}

void KeydefineBridgeTest::pageShowsTheProfile()
{
    // The shipped profiles hold the default codes, as texts once read back from the file.
    QCOMPARE(stored(keyA), (QVariantList{QStringLiteral("4"), QStringLiteral("0")}));
    QCOMPARE(code(keyA), 4);
    QCOMPARE(code(keyEsc), 41);
    callQml(page(), "selectKey", {keyA});
    QCOMPARE(page()->property("kind").toInt(), 0);
    QCOMPARE(page()->property("fieldLabel").toString(), QStringLiteral("A"));
}

void KeydefineBridgeTest::applySendsTheMatrixAndKeepsItInTheProfile()
{
    callQml(page(), "selectKey", {keyA});
    callQml(page(), "chooseKind", {1});
    callQml(page(), "chooseMedia", {4}); // MUTE
    callQml(page(), "selectKey", {backslash});
    callQml(page(), "chooseKind", {0});
    callQml(page(), "assignKey", {callQml(keyboard(), "keyAt", {keyEsc})});
    QCOMPARE(code(backslash), 41);
    apply();

    QTRY_COMPARE(deviceCode(keyA), 0x30E2);
    QCOMPARE(deviceCode(backslash), 41);
    QCOMPARE(deviceCode(61), 41);
    QCOMPARE(deviceCode(keyEsc), 41);
    QCOMPARE(stored(keyA), (QVariantList{0xE2, 0x30}));
    QCOMPARE(stored(backslash), (QVariantList{41, 0}));
}

void KeydefineBridgeTest::profileSwitchShowsEachProfilesKeys()
{
    // The page's M2 key asks the profile menu for profile 1.
    QMetaObject::invokeMethod(page(), "profileKeyClicked", Q_ARG(int, 1));
    QTRY_COMPARE(K3Emulator::instance().state().currentProfile, uchar(1));
    QCOMPARE(code(keyA), 4);
    QMetaObject::invokeMethod(page(), "profileKeyClicked", Q_ARG(int, 0));
    QTRY_COMPARE(K3Emulator::instance().state().currentProfile, uchar(0));
    QCOMPARE(code(keyA), 0x30E2);
    // The selection survives the switch.
    QCOMPARE(keyboard()->property("curKeyMatrix").toInt(), backslash);
}

void KeydefineBridgeTest::choosingAMacroSendsItAndBindsTheKey()
{
    callQml(page(), "selectKey", {keyA});
    callQml(page(), "chooseKind", {2});
    const QStringList names = page()->property("macroNames").toStringList();
    const int position = int(names.indexOf(QStringLiteral("Macro. 005")));
    QVERIFY(position >= 0);
    K3Emulator::instance().clearWireLog();
    QVERIFY(callQml(page(), "chooseMacro", {position}).toBool());
    QCOMPARE(code(keyA), 0x4104);

    // L Alt down, Tab down, Tab up, L Alt up, as little-endian words in slot 4.
    const QList<quint16> words{0x0001, 0x01E2, 0x012B, 0x812B, 0x81E2, 0x0000};
    QTRY_VERIFY(K3Emulator::instance().state().macros[4][0] == 0x01);
    const auto macro = K3Emulator::instance().state().macros[4];
    for (int i = 0; i < words.size(); ++i)
        QCOMPARE(macro[2 * i] | (macro[2 * i + 1] << 8), int(words[i]));

    callQml(page(), "keyCodeToUI", {0x4104});
    QCOMPARE(page()->property("macroIndex").toInt(), position);
}

void KeydefineBridgeTest::resetAllBringsBackTheDefaults()
{
    QVERIFY(code(keyA) != 4);
    callQml(m_program.root(), "resetAll");
    QCOMPARE(code(keyA), 4);
    QCOMPARE(code(backslash), 49);
    apply();
    QTRY_COMPARE(deviceCode(keyA), 4);
    QCOMPARE(deviceCode(61), 49);
    QCOMPARE(stored(keyA), (QVariantList{4, 0}));
}

QTEST_MAIN(KeydefineBridgeTest)

#include "tst_keydefine_bridge.moc"
