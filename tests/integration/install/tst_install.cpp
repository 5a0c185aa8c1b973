#include "ProfileStore.h"
#include "RunFolder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool run(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

// Relative path -> content hash of every file below a folder.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
        files.insert(it.filePath().mid(folder.size()), hash.result());
    }
    return files;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

// The program installed into a staging folder as a package would install it, then started
// by a user whose data folder it keeps. The cases build on each other, in order.
class InstallTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_stage.path());
        QVERIFY(run(QStringLiteral(K3_CMAKE), {"--install", K3_BUILD_DIR, "--prefix", "/usr"}, env));
        m_bin = m_stage.filePath(QStringLiteral("usr/bin"));
        m_shared = m_stage.filePath(QStringLiteral("usr/share/k3config"));
        m_user = m_home.filePath(QStringLiteral(".local/share/k3config"));
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
    }

    void installedProgramSeedsAndUsesTheUserFolder()
    {
        const auto installed = snapshot(m_stage.filePath(QStringLiteral("usr")));
        QProcess program;
        program.setWorkingDirectory(m_home.path());
        program.start(m_bin + "/k3config-demo", {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_user + "/shipped.sha256"), 20000);
        QTest::qWait(1500); // the scene is up and has done what it does at start
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(snapshot(m_user), snapshot(m_shared));

        // What the program saves lands in the user's folder, from wherever it is started.
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        QVERIFY(enterRunFolder(m_bin + "/k3config"));
        QCOMPARE(QDir::currentPath(), QDir(m_user).canonicalPath());
        ProfileStore().at(2).setValue(QStringLiteral("color/ledType"), QStringLiteral("5"));
        QVERIFY(read(m_user + "/modules/setting/p3.bin").contains("ledType=5"));
        QCOMPARE(snapshot(m_stage.filePath(QStringLiteral("usr"))), installed);
    }

    // A newer version installed: copies the user never touched follow it, changed and
    // deleted ones stay as the user left them, new files arrive.
    void upgradeRefreshesOnlyUntouchedFiles()
    {
        write(m_user + "/modules/setting/p2.bin", "[color]\nledType=mine\n");
        QVERIFY(QFile::remove(m_user + "/modules/macro/Macro. 002.bin"));
        for (const char *file : {"modules/setting/p2.bin", "modules/setting/p4.bin",
                                 "modules/macro/Macro. 002.bin", "modules/i18n/lang_999000.ini"})
            write(m_shared + u'/' + QLatin1String(file), "newer\n");
        QVERIFY(run(QStringLiteral(K3_CMAKE),
                    {"-DCMAKE_INSTALL_PREFIX=" + m_stage.filePath("usr"),
                     "-DK3_SHARE_DIR=share/k3config", "-P",
                     K3_SOURCE_DIR "/packaging/WriteManifest.cmake"},
                    QProcessEnvironment::systemEnvironment()));

        QCOMPARE(chooseRunFolder(m_bin, m_user), m_user);
        QCOMPARE(read(m_user + "/modules/setting/p4.bin"), QByteArray("newer\n"));
        QCOMPARE(read(m_user + "/modules/i18n/lang_999000.ini"), QByteArray("newer\n"));
        QCOMPARE(read(m_user + "/modules/setting/p2.bin"), QByteArray("[color]\nledType=mine\n"));
        QVERIFY(!QFile::exists(m_user + "/modules/macro/Macro. 002.bin"));
        QVERIFY(read(m_user + "/modules/setting/p3.bin").contains("ledType=5"));
        QCOMPARE(read(m_user + "/shipped.sha256"), read(m_shared + "/shipped.sha256"));
    }

    // A writable run-time folder beside the executable (the build folder, a portable copy)
    // wins; where no user folder can be made, the installed data is still read.
    void otherFoldersTheProgramRunsIn()
    {
        QCOMPARE(chooseRunFolder(QStringLiteral(K3_RUNTIME_DIR), m_user),
                 QStringLiteral(K3_RUNTIME_DIR));
        QVERIFY(QDir().mkpath(m_bin + "/modules/setting"));
        QCOMPARE(chooseRunFolder(m_bin, m_user), m_bin);
        QVERIFY(QDir(m_bin + "/modules").removeRecursively());
        write(m_home.filePath(QStringLiteral("blocked")), "a file where the folder would go");
        QCOMPARE(chooseRunFolder(m_bin, m_home.filePath(QStringLiteral("blocked/k3config"))),
                 m_shared);
    }

private:
    QTemporaryDir m_stage;
    QTemporaryDir m_home;
    QString m_bin;
    QString m_shared;
    QString m_user;
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
