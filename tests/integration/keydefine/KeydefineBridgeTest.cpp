// The shipped key assignment page driven through its functions, with the real bridge,
// profile files and macro files, against the emulated keyboard.

#include "InputBackend.h"
#include "K3Emulator.h"
#include "Program.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

class NoGlobalInput : public InputBackend
{
public:
    bool install(InputHook &) override { return false; }
    void remove() override {}
    bool capturesKeyboard() const override { return false; }
};

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

QVariant call(QObject *object, const char *function, const QVariantList &args = {})
{
    QVariant result;
    bool ok = false;
    switch (args.size()) {
    case 0:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result));
        break;
    case 1:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]));
        break;
    default:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]),
                                       Q_ARG(QVariant, args[1]));
        break;
    }
    if (!ok)
        qFatal("cannot call %s", function);
    return result;
}

// Key matrix bytes of the keyboard's current profile, as the keyboard keeps them.
int deviceCode(int matrix)
{
    const K3State state = K3Emulator::instance().state();
    const K3Profile &profile = state.profiles[state.currentProfile];
    return profile.keyMatrix[2 * matrix] | (profile.keyMatrix[2 * matrix + 1] << 8);
}

constexpr int keyA = 49;      // matrix position of A in the shipped table
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

    QTemporaryDir m_folder;
    QString m_startFolder;
    std::unique_ptr<Program> m_program;
};

void KeydefineBridgeTest::initTestCase()
{
    // The page writes profile and macro files: work on a copy of the run-time folder.
    QVERIFY(m_folder.isValid());
    QVERIFY(copyFolder(QStringLiteral(K3_RUNTIME_DIR "/modules"), m_folder.path() + QStringLiteral("/modules")));
    m_startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
    K3Emulator::instance().reset();
    m_program = std::make_unique<Program>(Widget::mainScene(), std::make_unique<NoGlobalInput>());
    m_program->start();
    QQuickItem *root = m_program->window().view()->rootObject();
    QVERIFY(root);
    QTRY_VERIFY_WITH_TIMEOUT(!root->property("busy").toBool(), 10000);
    QTRY_VERIFY(call(keyboard(), "keyCodes").toList().size() == 128);
}

void KeydefineBridgeTest::cleanupTestCase()
{
    m_program.reset();
    if (!m_startFolder.isEmpty())
        QDir::setCurrent(m_startFolder);
}

QObject *KeydefineBridgeTest::page() const
{
    QObject *root = m_program->window().view()->rootObject();
    QObject *mainItem = call(root, "getDevItem", { 0 }).value<QObject *>();
    return mainItem->property("keyPage").value<QObject *>();
}

QObject *KeydefineBridgeTest::keyboard() const
{
    return page()->findChild<QObject *>(QStringLiteral("keyboard"));
}

int KeydefineBridgeTest::code(int matrix) const
{
    return call(keyboard(), "keyAt", { matrix }).value<QObject *>()->property("keyCode").toInt();
}

QVariantList KeydefineBridgeTest::stored(int matrix) const
{
    return m_program->window().view()->getKeydefine(matrix).toList();
}

void KeydefineBridgeTest::apply()
{
    K3Emulator::instance().clearWireLog();
    call(page(), "apply");
}

void KeydefineBridgeTest::pageShowsTheProfile()
{
    // The shipped profiles hold the default codes, as texts once read back from the file.
    QCOMPARE(stored(keyA), (QVariantList{ QStringLiteral("4"), QStringLiteral("0") }));
    QCOMPARE(code(keyA), 4);
    QCOMPARE(code(keyEsc), 41);
    call(page(), "selectKey", { keyA });
    QCOMPARE(page()->property("kind").toInt(), 0);
    QCOMPARE(page()->property("fieldLabel").toString(), QStringLiteral("A"));
}

void KeydefineBridgeTest::applySendsTheMatrixAndKeepsItInTheProfile()
{
    call(page(), "selectKey", { keyA });
    call(page(), "chooseKind", { 1 });
    call(page(), "chooseMedia", { 4 }); // MUTE
    call(page(), "selectKey", { backslash });
    call(page(), "chooseKind", { 0 });
    call(page(), "assignKey", { call(keyboard(), "keyAt", { keyEsc }) });
    QCOMPARE(code(backslash), 41);
    apply();

    QTRY_COMPARE(deviceCode(keyA), 0x30E2);
    QCOMPARE(deviceCode(backslash), 41);
    QCOMPARE(deviceCode(61), 41);
    QCOMPARE(deviceCode(keyEsc), 41);
    QCOMPARE(stored(keyA), (QVariantList{ 0xE2, 0x30 }));
    QCOMPARE(stored(backslash), (QVariantList{ 41, 0 }));
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
    call(page(), "selectKey", { keyA });
    call(page(), "chooseKind", { 2 });
    const QStringList names = page()->property("macroNames").toStringList();
    const int position = int(names.indexOf(QStringLiteral("Macro. 005")));
    QVERIFY(position >= 0);
    K3Emulator::instance().clearWireLog();
    QVERIFY(call(page(), "chooseMacro", { position }).toBool());
    QCOMPARE(code(keyA), 0x4104);

    // L Alt down, Tab down, Tab up, L Alt up, as little-endian words in slot 4.
    const QList<quint16> words{ 0x0001, 0x01E2, 0x012B, 0x812B, 0x81E2, 0x0000 };
    QTRY_VERIFY(K3Emulator::instance().state().macros[4][0] == 0x01);
    const auto macro = K3Emulator::instance().state().macros[4];
    for (int i = 0; i < words.size(); ++i)
        QCOMPARE(macro[2 * i] | (macro[2 * i + 1] << 8), int(words[i]));

    call(page(), "keyCodeToUI", { 0x4104 });
    QCOMPARE(page()->property("macroIndex").toInt(), position);
}

void KeydefineBridgeTest::resetAllBringsBackTheDefaults()
{
    QObject *root = m_program->window().view()->rootObject();
    QVERIFY(code(keyA) != 4);
    call(root, "resetAll");
    QCOMPARE(code(keyA), 4);
    QCOMPARE(code(backslash), 49);
    apply();
    QTRY_COMPARE(deviceCode(keyA), 4);
    QCOMPARE(deviceCode(61), 49);
    QCOMPARE(stored(keyA), (QVariantList{ 4, 0 }));
}

QTEST_MAIN(KeydefineBridgeTest)

#include "KeydefineBridgeTest.moc"
