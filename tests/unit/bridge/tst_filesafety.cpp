// Every writer under a failing write, a full disk, a read-only folder or a refused source:
// the old file stays byte for byte, no temporary file stays behind, and the page that
// caused it shows a notice naming what failed and why.
#include "FileReplace.h"
#include "LegacyIni.h"
#include "ProfileStore.h"
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
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes go through for `budget` bytes (a negative one: all but that many of the first
// call's), then fail with `error`; or the sync or the rename fails; or writes come out short.
struct FaultySeam : WriteSeam
{
    enum Point { Writes, Sync, Rename, ShortWrites } point;
    qint64 budget;
    int error;

    FaultySeam(Point p, qint64 b, int e)
        : point(p)
        , budget(b)
        , error(e)
    {}
    qint64 write(int fd, const char *data, qint64 size) override
    {
        if (point != Writes)
            return WriteSeam::write(fd, data,
                                    point == ShortWrites ? qMin<qint64>(size, 1000) : size);
        budget += budget < 0 ? size : 0;
        const qint64 written = budget ? WriteSeam::write(fd, data, qMin(size, budget))
                                      : (errno = error, -1);
        budget -= qMax<qint64>(written, 0);
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

struct Writer
{
    const char *name, *target, *answer; // answer: to the file dialog
    QString notice;                     // what failed; the reason follows
    void (*run)(myQQuickView &);
};

#define ON(call) [](myQQuickView &v) { v.call; }
const Writer kWriters[] = {
        {"profile save", "modules/setting/p1.bin", "", "Profile 1 was not saved: ",
         ON(profiles().current().setValue("color/color", 7); QTest::qWait(700))},
        {"settings save", "modules/setting/apConfig.bin", "",
         "The settings were not saved: ", ON(saveApConfig({1, QString(9000, u'x')}))},
        {"settings reset", "modules/setting/apConfig.bin", "",
         "The settings were not reset: ", ON(resetApconfig())},
        {"macro save", "modules/macro/Big.bin", "", "The macro \"Big\" was not saved: ",
         ON(saveMacroIni("Big", QStringList(700, "1      [ms]")))},
        {"macro binding", "modules/macro/Big.bin", "",
         "The key binding of the macro \"Big\" was not saved: ",
         ON(setMacroIniConfig("Big", {3, 2}))},
        {"profile import", "modules/setting/p2.bin", "source",
         "Profile 2 was not imported: ", ON(loadProfile(1))},
        {"profile reset", "modules/setting/p3.bin", "",
         "Profile 3 was not reset: ", ON(resetProfile(2))},
        {"profile export", "out.pf", "out.pf", "Profile 1 was not exported: ", ON(saveProfile(0))},
        {"macro import", "modules/macro/Big.bin", "source",
         "The macro \"Big\" was not imported: ", ON(loadMacroIniFromFile("Big"))},
        {"macro export", "out.mc", "out.mc",
         "The macro \"Big\" was not exported: ", ON(saveMacroIniToFile("Big"))},
        // Refused without a fault; the notice is whole.
        {"import of a pipe", "modules/setting/p1.bin", "pipe",
         "Profile 1 was not imported: the chosen item is not a regular file", ON(loadProfile(0))},
        {"import of an oversized file", "modules/setting/p1.bin", "huge",
         "Profile 1 was not imported: the file is larger than 1 MB", ON(loadProfile(0))},
        {"rename onto a taken name", "modules/macro/Big.bin", "",
         "The macro \"Big\" was not renamed to \"p1\": a macro of that name already exists",
         ON(renameMacroIniFile("Big", "p1"))},
};
constexpr int kFaultWriters = 10;

QByteArray big(char fill)
{
    QByteArray text = "[common]\n";
    for (int i = 0; i < 300; ++i)
        text += QByteArray::number(i) + '=' + QByteArray(40, fill) + '\n';
    return text;
}

QStringList besides(const char *path)
{
    return QFileInfo(QString::fromLatin1(path))
            .dir()
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// The program's files in the current folder, a bridge over them whose scene records its
// notices, `condition` in place, then w. Checks the target's folder, the target (the old
// one, or `expected` when there is no reason) and the notice; gives the target.
QByteArray check(const Writer &w, const QString &reason,
                 const std::function<void()> &condition = {}, const QByteArray &expected = {})
{
    TempWorkDir::write("modules/i18n/lang_031000.ini",
                       TempWorkDir::read(K3_SOURCE_DIR "/modules/i18n/lang_031000.ini"));
    for (const char *file : {"setting/p1", "setting/p2", "setting/p3", "setting/pD",
                             "setting/apConfig", "setting/apConfigD", "macro/Big", "macro/p1"})
        TempWorkDir::write(QStringLiteral("modules/%1.bin").arg(file), big(file[qstrlen(file) - 1]));
    TempWorkDir::write("source", big('s'));
    TempWorkDir::write("out.pf", "older export");
    TempWorkDir::write("out.mc", "older export");
    ::mkfifo("pipe", 0600);
    TempWorkDir::write("huge", "");
    ::truncate("huge", FileReplace::kMaxSize + 1);
    TempWorkDir::write("root.qml", "import QtQuick\nItem { property var notices: []\n"
                                   "function showNotice(t) { notices = notices.concat([t]) } }\n");
    ScriptedDialogs::Shared dialogs{{QString::fromLatin1(w.answer)}, {}, {}};
    myQQuickView view;
    view.setDialogs(std::make_unique<ScriptedDialogs>(dialogs));
    view.setSource(QUrl::fromLocalFile(QStringLiteral("root.qml")));
    view.getGlobalStrings(QStringLiteral("031000"));
    if (condition)
        condition();
    const QByteArray old = TempWorkDir::read(w.target);
    const QStringList entries = besides(w.target);
    w.run(view);
    const QByteArray now = TempWorkDir::read(w.target);
    [&] {
        QCOMPARE(besides(w.target), entries);
        QCOMPARE(now, reason.isNull() && !expected.isNull() ? expected
                      : reason.isNull()                     ? now
                                                            : old);
        QCOMPARE(view.rootObject()->property("notices").toStringList().join(u'|'),
                 reason.isNull() ? QString() : w.notice + reason);
    }();
    return now;
}

QByteArray version(int n)
{
    return QByteArray(200000 + 50000 * (n % 2), char('a' + n % 2));
}

} // namespace

class FileSafetyTest : public QObject
{
    Q_OBJECT
private slots:
    void writersKeepTheOldFile_data();
    void writersKeepTheOldFile();
    void writersOnARealFullOrReadOnlyDisk_data();
    void writersOnARealFullOrReadOnlyDisk();
    void staleSettingsLocksNeitherWaitNorBreakALiveOne();
    void replacementsNeitherFollowLinksNorShowHalfFiles();
    void leftoversOfACrashGoAtStart();
    void aKilledWriterLeavesTheOldOrTheNewFile();
};

void FileSafetyTest::writersKeepTheOldFile_data()
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
    for (int w = 0; w < int(std::size(kWriters)); ++w) {
        for (const auto &f : faults) {
            // The settings library renames a profile itself: the mount-point case covers that.
            if ((w || f.point != FaultySeam::Rename) && (w < kFaultWriters || !f.error))
                QTest::addRow("%s: %s", kWriters[w].name, w < kFaultWriters ? f.name : "")
                        << w << int(f.point) << f.budget << f.error;
        }
    }
}

void FileSafetyTest::writersKeepTheOldFile()
{
    QFETCH(int, writer);
    QFETCH(int, point);
    QFETCH(qint64, budget);
    QFETCH(int, error);
    QByteArray expected;
    if (writer < kFaultWriters && !error) {
        const TempWorkDir reference;
        expected = check(kWriters[writer], QString());
    }
    const TempWorkDir dir;
    FaultySeam seam(FaultySeam::Point(point), budget, error);
    const WriteSeam::Use use(seam);
    check(kWriters[writer],
          writer >= kFaultWriters ? ""
          : error                 ? (error == ENOSPC ? kFull : kError)
                                  : QString(),
          {}, expected);
}

void FileSafetyTest::writersOnARealFullOrReadOnlyDisk_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("reason");
    for (int w = 0; w < kFaultWriters; ++w) {
        QTest::addRow("%s: 4 KiB free", kWriters[w].name) << w << "4 KiB free" << kFull;
        QTest::addRow("%s: no space", kWriters[w].name) << w << "no space" << kFull;
        QTest::addRow("%s: read-only", kWriters[w].name) << w << "read-only"
                                                         << "the folder cannot be written to";
        QTest::addRow("%s: target mounted over", kWriters[w].name) << w << "mounted" << kError;
    }
}

// A small tmpfs per row, in a user and mount namespace of the test's own: a real disk, full
// or read-only, where root could not be refused.
void FileSafetyTest::writersOnARealFullOrReadOnlyDisk()
{
    if (!qEnvironmentVariableIsSet("K3_IN_NAMESPACE")) {
        // The first row runs them all in the namespace; its output names any that fail.
        static const int failed = [] {
            QProcess inner;
            inner.setProcessChannelMode(QProcess::ForwardedChannels);
            inner.setEnvironment(QProcess::systemEnvironment() << "K3_IN_NAMESPACE=1");
            inner.start("unshare", {"-rm", QCoreApplication::applicationFilePath(),
                                    "writersOnARealFullOrReadOnlyDisk"});
            const bool ran = QProcess::execute("unshare", {"-rm", "true"}) == 0
                             && inner.waitForFinished(300000);
            return ran ? inner.exitCode() : -1;
        }();
        if (failed < 0)
            QSKIP("user namespaces are unavailable (unshare -rm fails): real full and read-only "
                  "disks not tried");
        QCOMPARE(failed, 0);
        return;
    }
    QFETCH(int, writer);
    QFETCH(QString, condition);
    QFETCH(QString, reason);
    const TempWorkDir dir;
    const QByteArray root = QFile::encodeName(dir.path("."));
    QVERIFY(::mount("tmpfs", root, "tmpfs", 0, "size=1m") == 0);
    const auto unmount = qScopeGuard([&] { ::umount2(root, MNT_DETACH); });
    QDir::setCurrent(dir.path("."));
    check(kWriters[writer], reason, [&] {
        const QByteArray target = QFile::encodeName(dir.path(kWriters[writer].target));
        TempWorkDir::write("modules/i18n/copy", TempWorkDir::read(target));
        QFile filler(QStringLiteral("modules/i18n/filler"));
        if (condition == "read-only")
            ::mount(nullptr, root, nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        else if (condition == "mounted")
            ::mount(QFile::encodeName(dir.path("modules/i18n/copy")), target, nullptr, MS_BIND,
                    nullptr);
        else if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(QByteArray(4096, 'f')) == 4096) {
            }
        if (condition == "4 KiB free")
            filler.resize(filler.size() - 4096);
    });
}

void FileSafetyTest::staleSettingsLocksNeitherWaitNorBreakALiveOne()
{
    for (const QByteArray lock :
         {"", "\x01\xff garbage", "999999999\nk3config\nelsewhere\n", "live"}) {
        const TempWorkDir dir;
        const QString path = QStringLiteral("modules/setting/p1.bin");
        QSettings settings(path, LegacyIni::format());
        settings.setValue("color/color", 5);
        QLockFile live(path + ".lock"); // goes first: the settings object writes at its end
        QVERIFY(lock == "live" ? live.tryLock(0) : (TempWorkDir::write(path + ".lock", lock), true));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(FileReplace::sync(settings),
                 lock == "live" ? FileFailure::NotWritable : FileFailure::None);
        QVERIFY(clock.elapsed() < 300);
        QCOMPARE(TempWorkDir::read(path).contains("color=5"), lock != "live");
    }
}

void FileSafetyTest::replacementsNeitherFollowLinksNorShowHalfFiles()
{
    const TempWorkDir dir;
    TempWorkDir::write("outside.pf", "outside");
    QVERIFY(QFile::link(dir.path("outside.pf"), "link.pf"));
    QCOMPARE(FileReplace::writeOver("link.pf", "new"), FileFailure::None);
    QVERIFY(!QFileInfo("link.pf").isSymLink());
    QCOMPARE(TempWorkDir::read("outside.pf"), QByteArray("outside"));

    // An import of a file onto itself, then a failed and a good replacement under a reader.
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
    const TempWorkDir dir;
    const QStringList ours{"modules/setting/p3.bin.Ab3dE9", "modules/macro/M. 001.bin.x1Y2z3",
                           "modules/setting/p1.bin.lock"};
    const QStringList others{"modules/setting/p3.bin.toolong7", "modules/macro/notes.txt",
                             "modules/setting/p3.bin"};
    for (const QString &file : ours + others)
        TempWorkDir::write(file, "x");
    const myQQuickView view;
    for (const QString &file : ours + others)
        QVERIFY2(QFile::exists(file) == others.contains(file), qPrintable(file));
}

// A writer killed at any moment leaves the file it replaces whole: old or new.
void FileSafetyTest::aKilledWriterLeavesTheOldOrTheNewFile()
{
    const TempWorkDir dir;
    TempWorkDir::write("target", version(0));
    for (int round = 0; round < 20; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--write-loop", dir.path("target")});
        QTest::qWait(30 + 7 * round);
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QVERIFY(TempWorkDir::read("target") == version(0)
                || TempWorkDir::read("target") == version(1));
    }
}

int main(int argc, char *argv[])
{
    for (int n = 1; argc == 3 && qstrcmp(argv[1], "--write-loop") == 0; ++n)
        FileReplace::writeOver(QString::fromLocal8Bit(argv[2]), version(n));
    QApplication app(argc, argv);
    FileSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filesafety.moc"
