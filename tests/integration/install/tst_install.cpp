#include "ProfileStore.h"
#include "RunFolder.h"
#include "ShippedData.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs a tool to its end; true when it exited with 0.
bool run(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Every file below a folder with a hash of its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
        files.insert(it.filePath(), hash.result());
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
// by users whose data folders it keeps.
class InstallTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_stage.isValid() && m_home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_stage.path());
        QVERIFY(run(QStringLiteral(K3_CMAKE), {"--install", K3_BUILD_DIR, "--prefix", "/usr"}, env));
        m_shared = m_stage.filePath(QStringLiteral("usr/share/k3config"));
        m_user = m_home.filePath(QStringLiteral(".local/share/k3config"));
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
    }

    void installedProgramSeedsAndUsesTheUserFolder()
    {
        const auto installed = snapshot(m_stage.filePath(QStringLiteral("usr")));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(m_home.path());
        program.start(m_stage.filePath(QStringLiteral("usr/bin/k3config-demo")), {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_user + "/shipped.sha256"), 20000);
        for (const char *file : {"shipped.sha256", "Exo-Medium.ttf", "modules/setting/pD.bin", "modules/img/logo.ico",
                                 "modules/i18n/lang_031000.ini", "modules/macro/Macro. 001.bin"})
            QCOMPARE(read(m_user + u'/' + QLatin1String(file)), read(m_shared + u'/' + QLatin1String(file)));
        QTest::qWait(1500); // the scene is up and has done what it does at start
        program.terminate();
        QVERIFY(program.waitForFinished(10000));

        // What the program saves lands in the user's folder, from wherever it is started.
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        QVERIFY(enterRunFolder(m_stage.filePath(QStringLiteral("usr/bin/k3config"))));
        QCOMPARE(QDir::currentPath(), QDir(m_user).canonicalPath());
        {
            ProfileStore profiles;
            profiles.at(2).setValue(QStringLiteral("color/ledType"), QStringLiteral("5"));
        }
        QVERIFY(read(m_user + "/modules/setting/p3.bin").contains("ledType=5"));
        QCOMPARE(snapshot(m_stage.filePath(QStringLiteral("usr"))), installed);
    }

    // A newer version installed: copies the user never touched follow it, changed and
    // deleted ones stay as the user left them, new files arrive.
    void upgradeRefreshesOnlyUntouchedFiles()
    {
        QVERIFY(QFile::exists(m_user + "/shipped.sha256")); // seeded by the case before
        write(m_user + "/modules/setting/p2.bin", "[color]\nledType=mine\n");
        QVERIFY(QFile::remove(m_user + "/modules/macro/Macro. 002.bin"));
        for (const char *file : {"modules/setting/p2.bin", "modules/setting/p4.bin", "modules/macro/Macro. 002.bin",
                                 "modules/i18n/lang_999000.ini"})
            write(m_shared + u'/' + QLatin1String(file), "newer\n");
        QVERIFY(run(QStringLiteral(K3_CMAKE),
                    {"-DCMAKE_INSTALL_PREFIX=" + m_stage.filePath("usr"), "-DK3_SHARE_DIR=share/k3config", "-P",
                     K3_SOURCE_DIR "/packaging/WriteManifest.cmake"},
                    QProcessEnvironment::systemEnvironment()));

        QCOMPARE(chooseRunFolder(m_stage.filePath(QStringLiteral("usr/bin")), m_user), m_user);
        QCOMPARE(read(m_user + "/modules/setting/p4.bin"), QByteArray("newer\n"));
        QCOMPARE(read(m_user + "/modules/i18n/lang_999000.ini"), QByteArray("newer\n"));
        QCOMPARE(read(m_user + "/modules/setting/p2.bin"), QByteArray("[color]\nledType=mine\n"));
        QVERIFY(!QFile::exists(m_user + "/modules/macro/Macro. 002.bin"));
        QVERIFY(read(m_user + "/modules/setting/p3.bin").contains("ledType=5"));
        QCOMPARE(read(m_user + "/shipped.sha256"), read(m_shared + "/shipped.sha256"));
    }

    // The build folder and portable copies keep their files beside the executable; where no
    // user folder can be made, the installed data is still read.
    void otherFoldersTheProgramRunsIn()
    {
        QCOMPARE(chooseRunFolder(QStringLiteral(K3_RUNTIME_DIR), m_user), QStringLiteral(K3_RUNTIME_DIR));
        const QString bin = m_stage.filePath(QStringLiteral("usr/bin"));
        QVERIFY(QDir().mkpath(bin + "/modules/setting"));
        QCOMPARE(chooseRunFolder(bin, m_user), bin);
        QVERIFY(QDir(bin + "/modules").removeRecursively());
        const QString blocked = m_home.filePath(QStringLiteral("blocked"));
        write(blocked, "a file where the folder would go");
        QCOMPARE(chooseRunFolder(bin, blocked + "/k3config"), m_shared);
    }

private:
    QTemporaryDir m_stage;
    QTemporaryDir m_home;
    QString m_shared;
    QString m_user;
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
