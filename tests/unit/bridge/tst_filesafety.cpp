// Every writer under a failing write, full disk, read-only folder or refused rename: the old
// file stays byte for byte, the page that caused it shows a notice naming what and why, and
// no temporary file stays behind.
#include "FileReplace.h"
#include "LegacyIni.h"
#include "ScriptedDialogs.h"
#include "TempWorkDir.h"
#include "WriteSeam.h"
#include "myQQuickView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QQuickItem>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// Writes succeed for `budget` bytes (a negative budget: all but that many of the first
// request), then fail with `error`; or the sync or rename fails; or every write is short.
struct FaultySeam : WriteSeam
{
    enum Point { Writes, Sync, Rename, ShortWrites };
    Point point;
    qint64 budget;
    int error;

    FaultySeam(Point p, qint64 b, int e) : point(p), budget(b), error(e) {}
    qint64 write(int fd, const char *data, qint64 size) override
    {
        if (point == ShortWrites)
            return WriteSeam::write(fd, data, qMin<qint64>(size, 1000));
        if (point != Writes)
            return WriteSeam::write(fd, data, size);
        if (budget < 0)
            budget += size;
        if (budget == 0)
            return errno = error, -1;
        const qint64 written = WriteSeam::write(fd, data, qMin(size, budget));
        budget -= written;
        return written;
    }
    int sync(int fd) override { return point == Sync ? (errno = error, -1) : WriteSeam::sync(fd); }
    int rename(const char *from, const char *to) override
    {
        return point == Rename ? (errno = error, -1) : WriteSeam::rename(from, to);
    }
};

const QString kFull = QStringLiteral("the disk is full");
const QString kError = QStringLiteral("the disk reported an error");

QByteArray big(const char *group, char fill)
{
    QByteArray text = QByteArray("[") + group + "]\n";
    for (int i = 0; i < 300; ++i)
        text += QByteArray::number(i) + '=' + QByteArray(40, fill) + '\n';
    return text;
}

using Action = std::function<void(myQQuickView &, ScriptedDialogs::Shared &)>;
struct Writer
{
    const char *name;
    QString target;
    QString notice; // what failed; the reason follows
    Action run;
};

const QList<Writer> &writers()
{
    static const QList<Writer> list{
        {"profile save", "modules/setting/p1.bin", "Profile 1 was not saved: ",
         [](myQQuickView &v, auto &) {
             v.ui_30H_SetColor(QVariantList(21, 7));
             QTest::qWait(700);
         }},
        {"settings save", "modules/setting/apConfig.bin", "The settings were not saved: ",
         [](myQQuickView &v, auto &) { v.saveApConfig({1, QString(9000, u'x')}); }},
        {"settings reset", "modules/setting/apConfig.bin", "The settings were not reset: ",
         [](myQQuickView &v, auto &) { v.resetApconfig(); }},
        {"macro save", "modules/macro/Big.bin", "The macro \"Big\" was not saved: ",
         [](myQQuickView &v, auto &) { v.saveMacroIni("Big", QStringList(700, "100      [ms]")); }},
        {"macro binding", "modules/macro/Big.bin", "The key binding of the macro \"Big\" was not saved: ",
         [](myQQuickView &v, auto &) { v.setMacroIniConfig("Big", {3, 2}); }},
        {"profile import", "modules/setting/p2.bin", "Profile 2 was not imported: ",
         [](myQQuickView &v, auto &d) {
             d.answers = {QStringLiteral("source.pf")};
             v.loadProfile(1);
         }},
        {"profile reset", "modules/setting/p3.bin", "Profile 3 was not reset: ",
         [](myQQuickView &v, auto &) { v.resetProfile(2); }},
        {"profile export", "out.pf", "Profile 1 was not exported: ",
         [](myQQuickView &v, auto &d) {
             d.answers = {QStringLiteral("out.pf")};
             v.saveProfile(0);
         }},
        {"macro import", "modules/macro/Big.bin", "The macro \"Big\" was not imported: ",
         [](myQQuickView &v, auto &d) {
             d.answers = {QStringLiteral("source.pf")};
             v.loadMacroIniFromFile("Big");
         }},
        {"macro export", "out.mc", "The macro \"Big\" was not exported: ",
         [](myQQuickView &v, auto &d) {
             d.answers = {QStringLiteral("out.mc")};
             v.saveMacroIniToFile("Big");
         }},
    };
    return list;
}

// The program's files in the current folder, a bridge over them whose scene records its
// notices, `condition` put in place, then `action`: what the scene was told.
QStringList runOnBridge(const Action &action, const std::function<void()> &condition = {})
{
    TempWorkDir::write("modules/i18n/lang_031000.ini",
                       TempWorkDir::read(QStringLiteral(K3_SOURCE_DIR "/modules/i18n/lang_031000.ini")));
    for (const char *file : {"p1.bin", "p2.bin", "p3.bin", "apConfig.bin"})
        TempWorkDir::write(QStringLiteral("modules/setting/") + file, big("common", file[1]));
    TempWorkDir::write("modules/setting/pD.bin", big("color", 'D'));
    TempWorkDir::write("modules/setting/apConfigD.bin", big("common", 'd'));
    TempWorkDir::write("modules/macro/Big.bin", big("macro", 'm'));
    TempWorkDir::write("source.pf", big("color", 's'));
    TempWorkDir::write("out.pf", "older export");
    TempWorkDir::write("out.mc", "older export");
    TempWorkDir::write("root.qml", "import QtQuick\nItem { property var notices: []\n"
                                   "function showNotice(t) { notices = notices.concat([t]) } }\n");
    ScriptedDialogs::Shared dialogs;
    myQQuickView view;
    view.setDialogs(std::make_unique<ScriptedDialogs>(dialogs));
    view.setSource(QUrl::fromLocalFile(QStringLiteral("root.qml")));
    view.getGlobalStrings(QStringLiteral("031000"));
    if (condition)
        condition();
    action(view, dialogs);
    return view.rootObject()->property("notices").toStringList();
}

// The entries of path's folder.
QStringList besides(const QString &path)
{
    return QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray version(int n)
{
    return QByteArray(200000 + 50000 * (n % 2), char('a' + n % 2));
}

}

class FileSafetyTest : public QObject
{
    Q_OBJECT
private slots:
    void writersKeepTheOldFileWhenAWriteFails_data();
    void writersKeepTheOldFileWhenAWriteFails();
    void writersOnARealFullOrReadOnlyDisk_data();
    void writersOnARealFullOrReadOnlyDisk();
    void refusalsAreTold_data();
    void refusalsAreTold();
    void staleSettingsLocksNeitherWaitNorBreakALiveOne_data();
    void staleSettingsLocksNeitherWaitNorBreakALiveOne();
    void replacementsNeitherFollowLinksNorShowHalfFiles();
    void leftoversOfACrashGoAtStart();
    void aKilledWriterLeavesTheOldOrTheNewFile();
};

void FileSafetyTest::writersKeepTheOldFileWhenAWriteFails_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("point");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<int>("error");
    const struct
    {
        const char *name;
        FaultySeam::Point point;
        qint64 budget;
        int error;
    } faults[] = {{"no space at the first byte", FaultySeam::Writes, 0, ENOSPC},
                  {"short write, then no space", FaultySeam::Writes, 1, ENOSPC},
                  {"I/O error after a page", FaultySeam::Writes, 4096, EIO},
                  {"no space mid-file", FaultySeam::Writes, 6000, ENOSPC},
                  {"I/O error at the last byte", FaultySeam::Writes, -1, EIO},
                  {"fsync fails", FaultySeam::Sync, 0, EIO},
                  {"rename fails", FaultySeam::Rename, 0, EIO},
                  {"short writes that go on", FaultySeam::ShortWrites, 0, 0}};
    for (int w = 0; w < writers().size(); ++w) {
        for (const auto &fault : faults) {
            // The settings library renames the profile itself: the mount-point case covers it.
            if (w == 0 && fault.point == FaultySeam::Rename)
                continue;
            QTest::addRow("%s: %s", writers().at(w).name, fault.name) << w << int(fault.point) << fault.budget << fault.error;
        }
    }
}

void FileSafetyTest::writersKeepTheOldFileWhenAWriteFails()
{
    QFETCH(int, writer);
    QFETCH(int, point);
    QFETCH(qint64, budget);
    QFETCH(int, error);
    const Writer &w = writers().at(writer);
    QByteArray expected;
    if (!error) {
        TempWorkDir reference;
        QCOMPARE(runOnBridge(w.run), QStringList());
        expected = TempWorkDir::read(w.target);
    }
    TempWorkDir dir;
    FaultySeam seam(FaultySeam::Point(point), budget, error);
    const WriteSeam::Use use(seam);
    QByteArray old;
    QStringList entries;
    const QStringList notices = runOnBridge(w.run, [&] {
        old = TempWorkDir::read(w.target);
        entries = besides(w.target);
    });
    QCOMPARE(besides(w.target), entries);
    if (!error) {
        QCOMPARE(notices, QStringList());
        QCOMPARE(TempWorkDir::read(w.target), expected);
        return;
    }
    QCOMPARE(TempWorkDir::read(w.target), old);
    QCOMPARE(notices, QStringList{w.notice + (error == ENOSPC ? kFull : kError)});
}

void FileSafetyTest::writersOnARealFullOrReadOnlyDisk_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("reason");
    for (int w = 0; w < writers().size(); ++w) {
        QTest::addRow("%s: 4 KiB free", writers().at(w).name) << w << "4 KiB free" << kFull;
        QTest::addRow("%s: no space", writers().at(w).name) << w << "no space" << kFull;
        QTest::addRow("%s: read-only", writers().at(w).name) << w << "read-only" << "the folder cannot be written to";
        QTest::addRow("%s: target mounted over", writers().at(w).name) << w << "mounted" << kError;
    }
}

// Runs inside a user and mount namespace of its own (the test starts itself in one), on a
// small tmpfs per row: a real disk, full or read-only, where root could not be refused.
void FileSafetyTest::writersOnARealFullOrReadOnlyDisk()
{
    if (!qEnvironmentVariableIsSet("K3_IN_NAMESPACE")) {
        // The first row runs them all in the namespace; its output shows any that fail.
        static const int failed = [] {
            if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0)
                return -1;
            QProcess inner;
            inner.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("K3_IN_NAMESPACE"), QStringLiteral("1"));
            inner.setProcessEnvironment(env);
            inner.start(QStringLiteral("unshare"), {"-rm", QCoreApplication::applicationFilePath(),
                                                    "writersOnARealFullOrReadOnlyDisk"});
            return inner.waitForFinished(300000) ? inner.exitCode() : 1;
        }();
        if (failed < 0)
            QSKIP("user namespaces are not available (unshare -rm fails): the real full and read-only disk cases did not run");
        QCOMPARE(failed, 0);
        return;
    }
    QFETCH(int, writer);
    QFETCH(QString, condition);
    QFETCH(QString, reason);
    const Writer &w = writers().at(writer);
    TempWorkDir dir;
    const QByteArray root = QFile::encodeName(dir.path("."));
    QVERIFY(::mount("tmpfs", root.constData(), "tmpfs", 0, "size=1m") == 0);
    const auto unmount = qScopeGuard([&] { ::umount2(root.constData(), MNT_DETACH); });
    QDir::setCurrent(dir.path("."));
    QByteArray old;
    const QStringList notices = runOnBridge(w.run, [&] {
        old = TempWorkDir::read(w.target);
        if (condition == "read-only") {
            QVERIFY(::mount(nullptr, root.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        } else if (condition == "mounted") {
            TempWorkDir::write("copy", old);
            QVERIFY(::mount(QFile::encodeName(dir.path("copy")).constData(),
                            QFile::encodeName(dir.path(w.target)).constData(), nullptr, MS_BIND, nullptr) == 0);
        } else {
            QFile filler(QStringLiteral("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096) {}
            if (condition == "4 KiB free")
                QVERIFY(filler.resize(filler.size() - 4096));
        }
    });
    QCOMPARE(TempWorkDir::read(w.target), old);
    QCOMPARE(notices, QStringList{w.notice + reason});
}

void FileSafetyTest::refusalsAreTold_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("notice");
    QTest::newRow("pipe") << "pipe.pf" << "Profile 1 was not imported: the chosen item is not a regular file";
    QTest::newRow("device") << "/dev/zero" << "Profile 1 was not imported: the chosen item is not a regular file";
    QTest::newRow("oversized") << "huge.pf" << "Profile 1 was not imported: the file is larger than 1 MB";
    QTest::newRow("missing") << "gone.pf" << "Profile 1 was not imported: the file is missing";
    QTest::newRow("rename onto a taken name") << "Taken" << "The macro \"Big\" was not renamed to \"Taken\": a macro of that name already exists";
    const QString longName(300, u'n');
    QTest::newRow("rename to a name too long")
        << longName << "The macro \"Big\" was not renamed to \"" + longName + "\": that name is not allowed";
}

void FileSafetyTest::refusalsAreTold()
{
    QFETCH(QString, source);
    QFETCH(QString, notice);
    TempWorkDir dir;
    QVERIFY(::mkfifo("pipe.pf", 0600) == 0);
    TempWorkDir::write("huge.pf", QByteArray(FileReplace::kMaxSize + 1, '\n'));
    TempWorkDir::write("modules/macro/Taken.bin", "[config]\n");
    QByteArray old;
    const QStringList notices = runOnBridge([&](myQQuickView &v, ScriptedDialogs::Shared &d) {
        old = TempWorkDir::read("modules/setting/p1.bin");
        d.answers = {source};
        if (source.endsWith(".pf") || source.startsWith('/'))
            v.loadProfile(0);
        else
            v.renameMacroIniFile("Big", source);
    });
    QCOMPARE(notices, QStringList{notice});
    QCOMPARE(TempWorkDir::read("modules/setting/p1.bin"), old);
    QVERIFY(QFile::exists("modules/macro/Big.bin"));
}

void FileSafetyTest::staleSettingsLocksNeitherWaitNorBreakALiveOne_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage");
    QTest::newRow("dead owner") << QByteArray("999999999\nk3config\nelsewhere\n");
    QTest::newRow("live owner") << QByteArray("live");
}

void FileSafetyTest::staleSettingsLocksNeitherWaitNorBreakALiveOne()
{
    QFETCH(QByteArray, lock);
    TempWorkDir dir;
    const QString path = QStringLiteral("modules/setting/p1.bin");
    QSettings settings(path, LegacyIni::format());
    settings.setValue("color/color", 5);
    QLockFile live(path + ".lock"); // goes first, so the settings object can write at its end
    if (lock == "live")
        QVERIFY(live.tryLock(0));
    else
        TempWorkDir::write(path + ".lock", lock);
    QElapsedTimer clock;
    clock.start();
    const FileFailure failure = FileReplace::sync(settings);
    QVERIFY(clock.elapsed() < 300);
    QCOMPARE(failure, lock == "live" ? FileFailure::NotWritable : FileFailure::None);
    QCOMPARE(TempWorkDir::read(path).contains("color=5"), lock != "live");
}

void FileSafetyTest::replacementsNeitherFollowLinksNorShowHalfFiles()
{
    TempWorkDir dir;
    TempWorkDir::write("outside.pf", "outside");
    QVERIFY(QFile::link(dir.path("outside.pf"), "link.pf"));
    QCOMPARE(FileReplace::writeOver("link.pf", "new"), FileFailure::None);
    QVERIFY(!QFileInfo("link.pf").isSymLink());
    QCOMPARE(TempWorkDir::read("outside.pf"), QByteArray("outside"));

    // An import of a file onto itself, a failed and a good replacement under a reader.
    QCOMPARE(FileReplace::copyOver("link.pf", "link.pf"), FileFailure::None);
    QFile reader(QStringLiteral("link.pf"));
    QVERIFY(reader.open(QIODevice::ReadOnly));
    {
        FaultySeam seam(FaultySeam::Writes, 4096, ENOSPC);
        const WriteSeam::Use use(seam);
        QCOMPARE(FileReplace::writeOver("link.pf", version(0)), FileFailure::DiskFull);
    }
    QCOMPARE(FileReplace::writeOver("link.pf", version(1)), FileFailure::None);
    QCOMPARE(reader.readAll(), QByteArray("new"));
    QCOMPARE(TempWorkDir::read("link.pf"), version(1));
}

void FileSafetyTest::leftoversOfACrashGoAtStart()
{
    TempWorkDir dir;
    const QStringList ours{"modules/setting/p3.bin.Ab3dE9", "modules/macro/Macro. 001.bin.x1Y2z3",
                           "modules/setting/p1.bin.lock"};
    const QStringList others{"modules/setting/p3.bin.toolong7", "modules/macro/notes.txt", "modules/setting/p3.bin"};
    for (const QString &file : ours + others)
        TempWorkDir::write(file, "x");
    myQQuickView view;
    for (const QString &file : ours)
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    for (const QString &file : others)
        QVERIFY2(QFile::exists(file), qPrintable(file));
}

// A writer killed at any moment leaves the file it replaces whole: old or new.
void FileSafetyTest::aKilledWriterLeavesTheOldOrTheNewFile()
{
    TempWorkDir dir;
    TempWorkDir::write("target", version(0));
    for (int round = 0; round < 20; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--write-loop", dir.path("target")});
        QVERIFY(writer.waitForStarted());
        QTest::qWait(30 + 7 * round);
        writer.kill();
        writer.waitForFinished();
        const QByteArray now = TempWorkDir::read("target");
        QVERIFY(now == version(0) || now == version(1));
    }
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--write-loop") == 0) {
        for (int n = 1;; ++n)
            FileReplace::writeOver(QString::fromLocal8Bit(argv[2]), version(n));
    }
    QApplication app(argc, argv);
    FileSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filesafety.moc"
