// Malformed files in place of every file the program reads: the readers fall
// back to their defaults, the program reads them through its start-up and stays
// usable, and the damaged file is left as it was. One program runs per reader and
// takes that reader's files one after another, as it takes its files at start.
#include "AppConfigStore.h"
#include "HardwareDefinitions.h"
#include "K3Emulator.h"
#include "KeyNameTable.h"
#include "LanguageFiles.h"
#include "MacroLibrary.h"
#include "ProfileStore.h"
#include "RuntimeCopy.h"
#include "SceneAccess.h"
#include "SceneStart.h"
#include "ScriptedDialogs.h"
#include "SettingsValues.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDirIterator>
#include <QJSValue>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include <sys/stat.h>

namespace {

const QString kCorpus = QStringLiteral(K3_SOURCE_DIR "/tests/data/badfiles");
constexpr qint64 kHugeSize = 10 * 1024 * 1024;

// Where a reader's malformed files go, relative to the run-time folder.
struct Reader
{
    QString folder;
    QStringList targets;
};

const QList<Reader> &readers()
{
    static const QList<Reader> list{
            {QStringLiteral("settings"), {QStringLiteral("modules/setting/apConfig.bin")}},
            {QStringLiteral("profile"), {QStringLiteral("modules/setting/p1.bin")}},
            {QStringLiteral("macro"), {QStringLiteral("modules/macro/Macro. 001.bin")}},
            {QStringLiteral("language"), {QStringLiteral("modules/i18n/lang_031000.ini")}},
            {QStringLiteral("keynames"), {QStringLiteral("modules/setting/KeyCodeDef.bin")}},
            {QStringLiteral("hwdef"),
             {QStringLiteral("modules/setting/HWDef0.bin"),
              QStringLiteral("modules/setting/HWDef1.bin")}},
            {QStringLiteral("layout"), {QStringLiteral("modules/setting/HWDef.bin")}},
    };
    return list;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The 10 MB cases: noise, and a shipped file repeated (every key many times over).
QByteArray hugeFile(const QString &kind, const QString &shipped)
{
    QByteArray bytes;
    if (kind == QLatin1String("random")) {
        bytes.resize(kHugeSize);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        return bytes;
    }
    const QByteArray unit = readFile(shipped) + '\n';
    while (bytes.size() < kHugeSize)
        bytes += unit;
    return bytes;
}

// A bad file counts as read "with defaults" when it holds nothing any reader could take.
bool holdsNothing(const QByteArray &bytes)
{
    return bytes.isEmpty() || bytes.contains('\0');
}

// The reader's own view of the file: well-formed results always, defaults when it holds nothing.
void checkReader(const QString &reader, const QByteArray &bad)
{
    const bool empty = holdsNothing(bad);
    if (reader == QLatin1String("settings")) {
        const QVariantList values = AppConfigStore().load();
        QVERIFY(values.size() <= SettingsValues::kMaxCount);
        if (empty)
            QVERIFY(values.isEmpty());
    } else if (reader == QLatin1String("profile")) {
        ProfileStore profiles;
        for (const char *key : {"color/ledType", "color/color", "userPicture/0", "keydefine0/45"}) {
            const QVariant value = profiles.at(0).value(QLatin1String(key));
            if (empty)
                QVERIFY2(!value.isValid(), key);
        }
    } else if (reader == QLatin1String("macro")) {
        MacroLibrary library;
        const QStringList steps = library.steps(QStringLiteral("Macro. 001"));
        QVERIFY(steps.size() <= SettingsValues::kMaxCount);
        QCOMPARE(library.config(QStringLiteral("Macro. 001"), 0).size(), 2);
        if (empty) {
            QVERIFY(steps.isEmpty());
            QCOMPARE(library.config(QStringLiteral("Macro. 001"), 0), (QVariantList{-1, 1}));
        }
    } else if (reader == QLatin1String("language")) {
        const LanguageFiles::Texts texts = LanguageFiles().load(QStringLiteral("031000"));
        QCOMPARE(texts.messages.size(), 4);
        QVERIFY(!texts.strings.isEmpty() && texts.strings.size() <= 1 + SettingsValues::kMaxCount);
        if (empty)
            QCOMPARE(texts.strings, QStringList{QString()});
    } else if (reader == QLatin1String("keynames")) {
        const KeyNameTable table;
        if (empty)
            QVERIFY(table.names(0).isEmpty() && table.codes(0).isEmpty());
    } else if (reader == QLatin1String("hwdef")) {
        // No more rows than the file has lines, no matrix larger than any count from a file.
        const QVariantList table = HardwareDefinitions().table(QStringLiteral("0"), 0);
        QVERIFY(table.size() >= 2);
        QCOMPARE(table.size(), 2 + 6 * table.at(0).toInt());
        QVERIFY(table.at(0).toInt() <= bad.count('\n') + bad.count('\r') + 1);
        QVERIFY(table.at(1).toInt() >= 0 && table.at(1).toInt() <= SettingsValues::kMaxCount);
        if (empty)
            QCOMPARE(table, (QVariantList{0, 0}));
    } else if (reader == QLatin1String("layout")) {
        const uchar mode = HardwareDefinitions().initialLayoutMode();
        if (empty)
            QCOMPARE(mode, uchar(0));
    }
}

} // namespace

class BadFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void aBackgroundNamingAPipeHoldsNothing();
    void choicesThatAreNoFitFileAreRefused_data();
    void choicesThatAreNoFitFileAreRefused();
    void macroNamesNeverReachOutsideTheMacroFolder_data();
    void macroNamesNeverReachOutsideTheMacroFolder();
    // Last: its program stays up from one file of a reader to the next.
    void theProgramStartsOnEveryMalformedFile_data();
    void theProgramStartsOnEveryMalformedFile();

private:
    void enterCopyOfShippedData();
    void startProgram();
    void stopProgram();
    void readFilesAsAtStart();
    void useEveryPage();

    std::unique_ptr<QTemporaryDir> pristine;
    std::optional<RuntimeCopy> folder;
    std::unique_ptr<Widget> window;
    QObject *root = nullptr;
    // The reader whose files the running program takes; empty when none runs.
    QString running;
    int tried = 0;
};

void BadFilesTest::initTestCase()
{
    // Shipped data to start from; each case works on a copy of it.
    pristine = std::make_unique<QTemporaryDir>();
    copyTree(QStringLiteral(K3_RUNTIME_DIR "/modules"),
             pristine->path() + QStringLiteral("/modules"));
    QVERIFY(QFile::exists(pristine->path() + QStringLiteral("/modules/setting/apConfig.bin")));
}

void BadFilesTest::cleanupTestCase()
{
    stopProgram();
    qInfo("%d bad inputs tried", tried);
}

void BadFilesTest::enterCopyOfShippedData()
{
    folder.emplace(pristine->path());
    QVERIFY(folder->isValid());
}

// A reader's program goes on to its next file, unless this one failed: the next gets a fresh one.
void BadFilesTest::cleanup()
{
    if (running.isEmpty() || QTest::currentTestFailed())
        stopProgram();
}

void BadFilesTest::stopProgram()
{
    window.reset();
    root = nullptr;
    folder.reset();
    running.clear();
}

void BadFilesTest::theProgramStartsOnEveryMalformedFile_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("source");
    for (const Reader &reader : readers()) {
        for (const QString &group : {QStringLiteral("generic"), reader.folder}) {
            const QStringList files =
                    QDir(kCorpus + u'/' + group).entryList(QDir::Files, QDir::Name);
            for (const QString &file : files)
                QTest::addRow("%s %s/%s", qPrintable(reader.folder), qPrintable(group),
                              qPrintable(file))
                        << reader.folder << group + u'/' + file;
        }
        for (const char *huge : {"random", "repeated"})
            QTest::addRow("%s 10 MB %s", qPrintable(reader.folder), huge)
                    << reader.folder << QString::fromLatin1(huge);
    }
}

void BadFilesTest::theProgramStartsOnEveryMalformedFile()
{
    QFETCH(QString, reader);
    QFETCH(QString, source);
    const auto it = std::find_if(readers().cbegin(), readers().cend(),
                                 [&](const Reader &r) { return r.folder == reader; });
    QVERIFY(it != readers().cend());

    if (running != reader) {
        stopProgram();
        enterCopyOfShippedData();
        startProgram();
        if (QTest::currentTestFailed())
            return;
        running = reader;
    }
    const QByteArray bad = source.contains(u'/') ? readFile(kCorpus + u'/' + source)
                                                 : hugeFile(source, it->targets.first());
    for (const QString &target : it->targets) {
        QFile::remove(target);
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bad) == bad.size());
    }
    ++tried;

    checkReader(reader, bad);
    if (QTest::currentTestFailed())
        return;
    readFilesAsAtStart();
    if (QTest::currentTestFailed())
        return;
    // Where the damaged file holds nothing, the scene shows its built-in settings and texts.
    if (holdsNothing(bad) && reader == QLatin1String("settings"))
        QCOMPARE(root->property("skin_No").toInt(), 1);
    if (holdsNothing(bad) && reader == QLatin1String("language"))
        QCOMPARE(root->property("globalSetting_stringList").value<QJSValue>().property(1).toString(),
                 QStringLiteral("OPTIONS"));
    useEveryPage();
    if (QTest::currentTestFailed())
        return;
    // Reading a damaged file never rewrites it, also not when the program writes what it holds.
    window->view()->openFiles();
    for (const QString &target : it->targets)
        QVERIFY2(readFile(target) == bad, qPrintable(target));
}

void BadFilesTest::startProgram()
{
    K3Emulator::instance().reset();
    window = std::make_unique<Widget>();
    root = startScene(*window, 20000);
    QVERIFY(root);
    QVERIFY(window->view()->isEnabled());
    QVERIFY(mainItem(root));
}

// The files are read as at start: the bridge opens them and the scene's start-up runs again.
// The device check is not repeated: it reads the keyboard, which stays the same.
void BadFilesTest::readFilesAsAtStart()
{
    window->view()->openFiles();
    window->startUi();
    QVERIFY(QTest::qWaitFor([this] { return !root->property("busy").toBool(); }, 20000));
    QVERIFY(window->view()->isEnabled());
    const int profile = root->property("profile").toInt();
    QVERIFY(profile >= 0 && profile < 4);
}

// Every page built from the damaged data, the macro list and its first macro's steps.
void BadFilesTest::useEveryPage()
{
    QObject *area = mainItem(root)->property("pageArea").value<QObject *>();
    QVERIFY(area);
    // Short slides: what is tested is what the pages are built from, not their animation.
    root->property("page_Globalsetting").value<QObject *>()->setProperty("_AnimationSpeed", 10);
    for (int page : {0, 1, 2, -1}) {
        QMetaObject::invokeMethod(area, "show", Q_ARG(QVariant, page));
        // Polled as often as events come: the corpus shows some 800 pages.
        QVERIFY(QTest::qWaitFor(
                [&] {
                    return area->property("openPage").toInt() == page
                           && !area->property("sliding").toBool();
                },
                10000));
    }
    QObject *macroPage = mainItem(root)->property("macroPage").value<QObject *>();
    QVERIFY(macroPage);
    QMetaObject::invokeMethod(macroPage, "selectMacro", Q_ARG(QVariant, 0));
    QMetaObject::invokeMethod(root, "openGlobalSetting");
    QTest::qWait(20);
    QMetaObject::invokeMethod(root, "closeGlobalSetting");
    QVERIFY(window->view()->isEnabled());
}

// The settings can name any file as background, also one that is no picture and never ends.
void BadFilesTest::aBackgroundNamingAPipeHoldsNothing()
{
    enterCopyOfShippedData();
    ++tried;
    const QString pipe = folder->filePath(QStringLiteral("background.png"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QByteArray settings = readFile(QStringLiteral("modules/setting/apConfig.bin"));
    settings.replace("\n5=false\n", "\n5=true\n");
    settings.replace("\n6=\n", "\n6=" + QUrl::fromLocalFile(pipe).toEncoded() + '\n');
    QFile file(QStringLiteral("modules/setting/apConfig.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(settings) == settings.size());
    file.close();

    startProgram();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(root->property("isCustomBackground").toBool());
    QTest::qWait(300);
    QElapsedTimer timer;
    timer.start();
    window.reset();
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void BadFilesTest::choicesThatAreNoFitFileAreRefused_data()
{
    QTest::addColumn<QString>("use");
    QTest::addColumn<QString>("choice");
    for (const char *use : {"profile import", "macro import", "background picture"}) {
        for (const char *choice :
             {"folder", "fifo", "/dev/zero", "link to /dev/zero", "2 MB file", "missing file"})
            QTest::addRow("%s: %s", use, choice)
                    << QString::fromLatin1(use) << QString::fromLatin1(choice);
    }
}

// What the user picks in a file dialog: anything that is not a regular file of a sensible
// size is refused at once, and the file it would have replaced stays as it was.
void BadFilesTest::choicesThatAreNoFitFileAreRefused()
{
    QFETCH(QString, use);
    QFETCH(QString, choice);
    enterCopyOfShippedData();
    ++tried;

    QString path = folder->filePath(QStringLiteral("chosen"));
    if (choice == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (choice == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (choice == QLatin1String("/dev/zero")) {
        path = choice;
    } else if (choice == QLatin1String("link to /dev/zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (choice == QLatin1String("2 MB file")) {
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.write(QByteArray(2 * 1024 * 1024, 'x')) > 0);
    }

    const QString target = use == QLatin1String("profile import")
                                   ? QStringLiteral("modules/setting/p1.bin")
                                   : QStringLiteral("modules/macro/Macro. 001.bin");
    const QByteArray before = readFile(target);
    ScriptedDialogs::Shared shared;
    shared.answers = {path};
    myQQuickView view;
    view.setDialogs(std::make_unique<ScriptedDialogs>(shared));
    view.getGlobalStrings(QStringLiteral("031000"));

    // A pipe nobody writes to must not hold the program: give the test its own way out.
    std::atomic<bool> done{false};
    std::thread unblock([&] {
        for (int i = 0; i < 300 && !done; ++i)
            QThread::msleep(10);
        if (!done && choice == QLatin1String("fifo")) {
            QFile writer(path);
            if (writer.open(QIODevice::WriteOnly))
                writer.write("[x]\ny=1\n");
        }
    });
    QElapsedTimer timer;
    timer.start();
    QString picture;
    if (use == QLatin1String("profile import"))
        view.loadProfile(0);
    else if (use == QLatin1String("macro import"))
        view.loadMacroIniFromFile(QStringLiteral("Macro. 001"));
    else
        picture = view.getCustomFilePath();
    done = true;
    unblock.join();
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(readFile(target), before);
    if (use == QLatin1String("background picture")) {
        // A large picture is still a picture; anything else gets the program's warning.
        const bool large = choice == QLatin1String("2 MB file");
        QCOMPARE(picture, large ? path : QString());
        QCOMPARE(shared.warnings,
                 large ? QStringList()
                       : QStringList{
                               QStringLiteral(
                                       "Picture not readable|This picture file cannot be opened: ")
                               + path});
    } else {
        QVERIFY(shared.warnings.isEmpty());
    }
}

void BadFilesTest::macroNamesNeverReachOutsideTheMacroFolder_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names{QString(),
                            QStringLiteral("."),
                            QStringLiteral(".."),
                            QStringLiteral("../x"),
                            QStringLiteral("../setting/apConfig"),
                            QStringLiteral("a/b"),
                            QStringLiteral("a\\b"),
                            QStringLiteral("/tmp/k3-outside"),
                            QStringLiteral("line\nbreak"),
                            QStringLiteral("tab\tname"),
                            QStringLiteral("nul\0name"),
                            QStringLiteral("del\x7f"),
                            QStringLiteral("c1\u0085"),
                            QStringLiteral("esc\x1b[2J")};
    for (const QString &name : names)
        QTest::addRow("%s", qPrintable(QString::fromLatin1(name.toUtf8().toHex()))) << name;
}

// Renaming to a bad name, or from one, is refused and touches no file anywhere.
void BadFilesTest::macroNamesNeverReachOutsideTheMacroFolder()
{
    QFETCH(QString, name);
    enterCopyOfShippedData();
    tried += 2;
    const auto snapshot = [this] {
        QStringList files;
        QDirIterator it(folder->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        return files;
    };
    const QStringList before = snapshot();
    const QByteArray apConfig = readFile(QStringLiteral("modules/setting/apConfig.bin"));
    myQQuickView view;
    view.renameMacroIniFile(QStringLiteral("Macro. 001"), name);
    view.renameMacroIniFile(name, QStringLiteral("Macro. 999"));
    QVERIFY(view.loadMacroIni(name).isEmpty());
    QVERIFY(!view.saveMacroIni(name, {QStringLiteral("x")}).toBool());
    QVERIFY(!view.deleteMacroIni(name).toBool());
    QCOMPARE(snapshot(), before);
    QCOMPARE(readFile(QStringLiteral("modules/setting/apConfig.bin")), apConfig);
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/k3-outside.bin")));
}

QTEST_MAIN(BadFilesTest)
#include "tst_badfiles.moc"
