// The demo program under a real X server: a macro is recorded by typing on
// the keyboard (xdotool), bound to a key and applied; the macro file and the
// emulated keyboard's wire log must show it.

#include "InputBackend.h"
#include "K3Emulator.h"
#include "Program.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// No system-wide input: key events reach the program through its own window,
// as they do wherever global capture is not allowed.
class WindowOnlyInput : public InputBackend
{
public:
    bool install(InputHook &) override { return false; }
    void remove() override {}
    bool capturesKeyboard() const override { return false; }
};

bool copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QList<QQuickItem *> descendants(QQuickItem *item)
{
    QList<QQuickItem *> all;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        all.append(child);
        all.append(descendants(child));
    }
    return all;
}

bool shown(QQuickItem *item)
{
    for (QQuickItem *it = item; it; it = it->parentItem()) {
        if (!it->isVisible() || it->opacity() <= 0.0)
            return false;
    }
    return true;
}

// The macro block as the keyboard stores it: little-endian words.
QByteArray macroBlock(const QList<quint16> &words)
{
    QByteArray block(128, '\0');
    for (int i = 0; i < words.size(); ++i) {
        block[2 * i] = char(words[i] & 0xFF);
        block[2 * i + 1] = char(words[i] >> 8);
    }
    return block;
}

} // namespace

class MacroEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsAMacroByTyping();
    void bindsTheMacroToAKeyAndApplies();
    void cleanupTestCase();

private:
    QQuickItem *root() const { return m_program->window().view()->rootObject(); }
    QQuickItem *mainItem() const;
    QQuickItem *macroPage() const;
    QQuickItem *keyPage() const;
    QQuickItem *child(QQuickItem *scope, const char *objectName) const;
    QQuickItem *textItem(QQuickItem *scope, const QString &text) const;
    void xdotool(const QStringList &arguments);
    void click(QQuickItem *item, int button = 1);
    void openPage(int index, const QString &menuText);
    QByteArray sentBlock(uchar command, int slot) const;
    QByteArray fileText(const QString &name) const;

    QTemporaryDir m_folder;
    QString m_startFolder;
    std::unique_ptr<Program> m_program;
};

void MacroEndToEndTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0);

    // The program edits its macro files in place: work on a copy of the run-time folder.
    QVERIFY(m_folder.isValid());
    QVERIFY(copyTree(QStringLiteral(K3_RUNTIME_DIR "/modules"), m_folder.path() + QStringLiteral("/modules")));
    QFile::copy(QStringLiteral(K3_RUNTIME_DIR "/Exo-Medium.ttf"), m_folder.path() + QStringLiteral("/Exo-Medium.ttf"));
    m_startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));

    K3Emulator::instance().reset();
    m_program = std::make_unique<Program>(Widget::mainScene(), std::make_unique<WindowOnlyInput>());
    m_program->start();
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->window()));
    QVERIFY(root());
    QTRY_VERIFY_WITH_TIMEOUT(!root()->property("busy").toBool(), 10000);
    QTRY_VERIFY(child(macroPage(), "macroList")->property("count").toInt() > 0);

    // Keys typed with xdotool go to the window that has the input focus.
    xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"),
              QString::number(m_program->window().winId()) });
    QTRY_VERIFY(m_program->window().isActiveWindow());
}

void MacroEndToEndTest::cleanupTestCase()
{
    m_program.reset();
    if (!m_startFolder.isEmpty())
        QDir::setCurrent(m_startFolder);
}

QQuickItem *MacroEndToEndTest::mainItem() const
{
    QVariant item;
    QMetaObject::invokeMethod(root(), "getDevItem", Q_RETURN_ARG(QVariant, item), Q_ARG(QVariant, 0));
    return item.value<QQuickItem *>();
}

QQuickItem *MacroEndToEndTest::macroPage() const
{
    return mainItem()->property("macroPage").value<QQuickItem *>();
}

QQuickItem *MacroEndToEndTest::keyPage() const
{
    return mainItem()->property("keyPage").value<QQuickItem *>();
}

QQuickItem *MacroEndToEndTest::child(QQuickItem *scope, const char *objectName) const
{
    QQuickItem *item = scope->findChild<QQuickItem *>(QLatin1String(objectName));
    if (!item)
        qFatal("the scene has no item %s", objectName);
    return item;
}

// The shown text item with this text inside scope.
QQuickItem *MacroEndToEndTest::textItem(QQuickItem *scope, const QString &text) const
{
    const QList<QQuickItem *> items = descendants(scope);
    for (QQuickItem *item : items) {
        if (item->property("text").toString() == text && shown(item))
            return item;
    }
    qWarning("no shown text \"%s\"", qPrintable(text));
    return nullptr;
}

void MacroEndToEndTest::xdotool(const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(QStringLiteral("xdotool"), arguments);
    QVERIFY2(process.waitForStarted(), "xdotool does not start");
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    // The program keeps running while xdotool drives it.
    loop.exec();
    QCOMPARE(process.exitCode(), 0);
    // Let the X server's events reach the scene.
    QTest::qWait(150);
}

void MacroEndToEndTest::click(QQuickItem *item, int button)
{
    QVERIFY(item);
    myQQuickView *view = m_program->window().view();
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    const QPoint global = view->mapToGlobal(centre.toPoint());
    xdotool({ QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
              QString::number(global.y()), QStringLiteral("click"), QString::number(button) });
}

void MacroEndToEndTest::openPage(int index, const QString &menuText)
{
    QQuickItem *menu = mainItem()->property("functionMenu").value<QQuickItem *>();
    QVERIFY(menu);
    click(textItem(menu, menuText));
    QQuickItem *area = mainItem()->property("pageArea").value<QQuickItem *>();
    QTRY_COMPARE(area->property("openPage").toInt(), index);
    QTRY_VERIFY(!area->property("sliding").toBool());
}

// The data that followed the last command block with this code and slot byte.
QByteArray MacroEndToEndTest::sentBlock(uchar command, int slot) const
{
    const QList<K3Emulator::Record> log = K3Emulator::instance().wireLog();
    QByteArray data;
    bool inside = false;
    for (const K3Emulator::Record &record : log) {
        if (record.kind == K3Emulator::Kind::FeatureOut) {
            inside = record.bytes.size() >= 4 && uchar(record.bytes[1]) == command
                     && (slot < 0 || uchar(record.bytes[3]) == slot);
            if (inside)
                data.clear();
        } else if (record.kind == K3Emulator::Kind::DataOut && inside) {
            data += record.bytes.mid(1);
        }
    }
    return data;
}

QByteArray MacroEndToEndTest::fileText(const QString &name) const
{
    QFile file(QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void MacroEndToEndTest::recordsAMacroByTyping()
{
    openPage(1, root()->property("globalSetting_stringList").toStringList().value(75));
    QQuickItem *page = macroPage();

    // Macro. 003 is bound to the keyboard's macro slot 2.
    QVERIFY(fileText(QStringLiteral("Macro. 003")).contains("index=2"));
    click(textItem(child(page, "macroList"), QStringLiteral("Macro. 003")));
    QTRY_COMPARE(child(page, "stepList")->property("count").toInt(), 4);

    click(child(page, "recordButton"));
    QTRY_VERIFY(page->property("isRecordStart").toBool());
    K3Emulator::instance().clearWireLog();
    xdotool({ QStringLiteral("key"), QStringLiteral("a") });
    xdotool({ QStringLiteral("key"), QStringLiteral("b") });
    QTRY_COMPARE(child(page, "stepList")->property("count").toInt(), 4);
    QVERIFY2(K3Emulator::instance().wireLog().isEmpty(), "the macro was sent while recording");
    click(child(page, "stopButton"));
    QTRY_VERIFY(!page->property("isRecordStart").toBool());

    const QByteArray file = fileText(QStringLiteral("Macro. 003"));
    QVERIFY2(file.contains("total=4"), file.constData());
    QVERIFY2(file.contains("0=A       [\\x25bc]\n") || file.contains("0=A       [\\x25bc]\r\n"), file.constData());
    QVERIFY(file.contains("1=A       [\\x25b2]"));
    QVERIFY(file.contains("2=B       [\\x25bc]"));
    QVERIFY(file.contains("3=B       [\\x25b2]"));
    QVERIFY(!file.contains("4="));

    // Saving a bound macro sends it to its slot at once.
    const QByteArray expected = macroBlock({ 0x0001, 0x0104, 0x8104, 0x0105, 0x8105, 0x0000 });
    QTRY_COMPARE(sentBlock(0x10, 2), expected);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(K3Emulator::instance().state().macros[2].data()), 128),
             expected);
}

void MacroEndToEndTest::bindsTheMacroToAKeyAndApplies()
{
    openPage(0, root()->property("globalSetting_stringList").toStringList().value(74));
    QQuickItem *page = keyPage();
    QQuickItem *keyboard = child(page, "keyboard");

    click(textItem(keyboard, QStringLiteral("F1")));
    const int matrix = keyboard->property("curKeyMatrix").toInt();
    QVERIFY(matrix >= 0 && matrix < 128);

    const QStringList strings = root()->property("globalSetting_stringList").toStringList();
    click(textItem(child(page, "kindMenu"), strings.value(50)));
    QQuickItem *macroMenu = child(page, "macroMenu");
    QTRY_VERIFY(shown(macroMenu));
    click(macroMenu);
    QTRY_VERIFY(macroMenu->property("opened").toBool());
    K3Emulator::instance().clearWireLog();
    click(textItem(macroMenu, QStringLiteral("Macro. 003")));
    QTRY_VERIFY(!macroMenu->property("opened").toBool());

    // Choosing the macro sends it to its slot; Apply sends the key matrix with
    // the key bound to macro slot 2, repeat 1: key code 0x4102, low byte first.
    const QByteArray expected = macroBlock({ 0x0001, 0x0104, 0x8104, 0x0105, 0x8105, 0x0000 });
    QTRY_COMPARE(sentBlock(0x10, 2), expected);
    click(textItem(page, strings.value(107)));
    QTRY_COMPARE(sentBlock(0x0D, -1).size(), 128);
    const QByteArray matrixBytes = sentBlock(0x0C, -1) + sentBlock(0x0D, -1);
    QCOMPARE(matrixBytes.size(), 256);
    QCOMPARE(uchar(matrixBytes[2 * matrix]), uchar(0x02));
    QCOMPARE(uchar(matrixBytes[2 * matrix + 1]), uchar(0x41));
    const K3State state = K3Emulator::instance().state();
    const K3Profile &profile = state.profiles[state.currentProfile];
    QCOMPARE(profile.keyMatrix[2 * matrix], uchar(0x02));
    QCOMPARE(profile.keyMatrix[2 * matrix + 1], uchar(0x41));
}

QTEST_MAIN(MacroEndToEndTest)

#include "MacroEndToEndTest.moc"
