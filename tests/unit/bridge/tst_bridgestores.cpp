#include "AppConfigStore.h"
#include "DesktopAutostart.h"
#include "LegacyIni.h"
#include "ProfileStore.h"
#include "ScriptedDialogs.h"
#include "SettingsValues.h"
#include "TempWorkDir.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kApConfig = QStringLiteral("modules/setting/apConfig.bin");

QVariantList numbers(int count, int first = 0)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(first + i);
    return list;
}

QVariantList texts(const QVariantList &values)
{
    QVariantList out;
    for (const QVariant &v : values)
        out.append(v.toString());
    return out;
}

} // namespace

class BridgeStoresTest : public QObject
{
    Q_OBJECT
private slots:
    void apConfigKeepsTheTailOfALongerSaveButReadsOnlyTotal();
    void apConfigMissingElementsAndShippedKeys();
    void apConfigResetTakesTheDefaultsAndKeepsTheFileWithout();
    void skinChoiceNeedsTwoSkinFolders();
    void customPictureDialog();
    void profileExportAndImportCopyByteForByte();
    void profileResetReplacesOnlyItsOwnFile();
    void aFailedReplacementKeepsTheOldProfile();
    void pendingWritesDoNotLeakIntoAReplacedProfile();
    void aForeignFileBecomesAnEmptyProfile();
    void aBurstOfProfileChangesIsWrittenOnceItIsOver();
    void autostartEntryStartsThisProgramHidden();
};

void BridgeStoresTest::apConfigKeepsTheTailOfALongerSaveButReadsOnlyTotal()
{
    TempWorkDir dir;
    {
        AppConfigStore store;
        store.save(numbers(32, 100));
        store.save(numbers(5));
        QCOMPARE(store.load(), texts(numbers(5)));
    }
    const QSettings file(kApConfig, LegacyIni::format());
    QCOMPARE(file.value("common/total").toInt(), 5);
    QCOMPARE(file.value("common/4").toInt(), 4);
    QCOMPARE(file.value("common/5").toInt(), 105);
    QCOMPARE(file.value("common/31").toInt(), 131);
    AppConfigStore reread;
    QCOMPARE(reread.load(), texts(numbers(5)));
}

void BridgeStoresTest::apConfigMissingElementsAndShippedKeys()
{
    TempWorkDir dir;
    TempWorkDir::write(kApConfig, "[common]\r\n"
                                  "name=K3 \\x8bbe\\x5b9a\r\n"
                                  "product_name=K3, M3\r\n"
                                  "total=3\r\n"
                                  "0=1\r\n"
                                  "2=file:///a b.png\r\n");
    {
        AppConfigStore store;
        QCOMPARE(store.load(),
                 (QVariantList{QStringLiteral("1"), 0, QStringLiteral("file:///a b.png")}));
        store.save({1, 2, true, QStringLiteral("x")});
    }
    const QSettings file(kApConfig, LegacyIni::format());
    QCOMPARE(file.value("common/name").toString(), QStringLiteral("K3 \u8BBE\u5B9A"));
    QCOMPARE(file.value("common/product_name").toStringList(), QStringList({"K3", "M3"}));
    QCOMPARE(file.value("common/2").toString(), QStringLiteral("true"));

    // Every element below the total, 0 where none is stored; a damaged total is bounded and fast.
    TempWorkDir::write(kApConfig, "[common]\ntotal=4\n0=4\n2=6\n");
    QCOMPARE(AppConfigStore().load(), (QVariantList{"4", 0, "6", 0}));
    TempWorkDir::write(kApConfig, "[common]\ntotal=2000000000\n1=x\n");
    QElapsedTimer timer;
    timer.start();
    const QVariantList padded = AppConfigStore().load();
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(padded.size(), SettingsValues::kMaxCount);
    QCOMPARE(padded.at(1), "x");
    QCOMPARE(padded.last(), 0);
}

void BridgeStoresTest::apConfigResetTakesTheDefaultsAndKeepsTheFileWithout()
{
    TempWorkDir dir;
    AppConfigStore store;
    store.save(numbers(3, 7));
    // No defaults shipped: the current settings stay.
    store.reset();
    QCOMPARE(store.load(), texts(numbers(3, 7)));

    const QByteArray defaults = "[common]\ntotal=2\n0=1\n1=2\nname=K3\n";
    TempWorkDir::write(QStringLiteral("modules/setting/apConfigD.bin"), defaults);
    store.save(numbers(4));
    store.reset();
    QCOMPARE(store.load(), (QVariantList{QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(TempWorkDir::read(kApConfig), defaults);
}

void BridgeStoresTest::skinChoiceNeedsTwoSkinFolders()
{
    TempWorkDir dir;
    QVERIFY(!AppConfigStore::skinChoiceOffered(QStringLiteral("modules/nothing")));
    QVERIFY(!AppConfigStore::skinChoiceOffered());
    QDir().mkpath(QStringLiteral("modules/img/skin1"));
    TempWorkDir::write(QStringLiteral("modules/img/logo.ico"), "x");
    TempWorkDir::write(QStringLiteral("modules/img/readme.txt"), "x");
    QVERIFY(!AppConfigStore::skinChoiceOffered());
    QDir().mkpath(QStringLiteral("modules/img/skin2"));
    QVERIFY(AppConfigStore::skinChoiceOffered());
}

void BridgeStoresTest::customPictureDialog()
{
    TempWorkDir dir;
    ScriptedDialogs::Shared shared;
    ScriptedDialogs dialogs(shared);
    const QStringList messages{"m0", "m1", "Picture", "Cannot open: "};

    shared.answers = {QString()};
    QCOMPARE(AppConfigStore::chooseCustomPicture(dialogs, messages), QString());
    QCOMPARE(shared.questions, QStringList{"open Open File Image Files(*.png)"});
    QVERIFY(shared.warnings.isEmpty());

    TempWorkDir::write(QStringLiteral("pic.png"), "png");
    const QString readable = dir.path(QStringLiteral("pic.png"));
    shared.answers = {readable};
    QCOMPARE(AppConfigStore::chooseCustomPicture(dialogs, messages), readable);
    QVERIFY(shared.warnings.isEmpty());

    const QString missing = dir.path(QStringLiteral("gone.png"));
    shared.answers = {missing};
    QCOMPARE(AppConfigStore::chooseCustomPicture(dialogs, messages), QString());
    QCOMPARE(shared.warnings, QStringList{"Picture|Cannot open: " + missing});

    // Before any language is loaded the warning has empty texts.
    shared.answers = {missing};
    AppConfigStore::chooseCustomPicture(dialogs, {});
    QCOMPARE(shared.warnings.last(), QStringLiteral("|") + missing);
}

void BridgeStoresTest::profileExportAndImportCopyByteForByte()
{
    TempWorkDir dir;
    ProfileStore store;
    store.at(0).setValue("color/color", numbers(21, 200));
    store.at(0).setValue("color/ledType", QVariantList{1, 63, 0, 0, 5, 0});
    const QString exported = dir.path(QStringLiteral("mine.pf"));
    TempWorkDir::write(QStringLiteral("mine.pf"), "an older export");
    QCOMPARE(store.exportTo(0, exported), FileFailure::None);
    const QByteArray p1 = TempWorkDir::read(QStringLiteral("modules/setting/p1.bin"));
    QVERIFY(p1.contains("color=200, 201, 202"));
    QCOMPARE(TempWorkDir::read(QStringLiteral("mine.pf")), p1);

    QCOMPARE(store.replace(3, exported), FileFailure::None);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p4.bin")), p1);
    QCOMPARE(store.at(3).value("color/color").toStringList().size(), 21);
    QCOMPARE(store.at(3).value("color/color").toStringList().first(), QStringLiteral("200"));
}

void BridgeStoresTest::profileResetReplacesOnlyItsOwnFile()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/pD.bin"), "[color]\ncolor=1, 2, 3\n");
    ProfileStore store;
    for (int n = 0; n < ProfileStore::kCount; ++n)
        store.at(n).setValue("color/color", numbers(3, 10 * n));
    QSettings *before[ProfileStore::kCount];
    for (int n = 0; n < ProfileStore::kCount; ++n)
        before[n] = &store.at(n);

    QCOMPARE(store.resetToDefault(2), FileFailure::None);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p3.bin")),
             QByteArray("[color]\ncolor=1, 2, 3\n"));
    QCOMPARE(store.at(2).value("color/color").toStringList(), QStringList({"1", "2", "3"}));
    for (int n : {0, 1, 3}) {
        QCOMPARE(&store.at(n), before[n]);
        QCOMPARE(store.at(n).value("color/color").toList(), numbers(3, 10 * n));
    }
}

void BridgeStoresTest::aFailedReplacementKeepsTheOldProfile()
{
    TempWorkDir dir;
    ProfileStore store;
    store.at(1).setValue("color/color", numbers(21));
    store.at(1).sync();
    const QByteArray old = TempWorkDir::read(QStringLiteral("modules/setting/p2.bin"));
    QVERIFY(!old.isEmpty());

    // No pD.bin, an unreadable source, a folder as source.
    QCOMPARE(store.resetToDefault(1), FileFailure::Missing);
    QCOMPARE(store.replace(1, dir.path(QStringLiteral("missing.pf"))), FileFailure::Missing);
    QCOMPARE(store.replace(1, dir.path(QStringLiteral("modules"))), FileFailure::NotAFile);
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p2.bin")), old);
    QCOMPARE(store.at(1).value("color/color").toStringList().size(), 21);

    // A failed export leaves the file that was at the target.
    TempWorkDir::write(QStringLiteral("keep.pf"), "keep");
    QCOMPARE(store.exportTo(2, dir.path(QStringLiteral("keep.pf"))), FileFailure::Missing);
    QCOMPARE(TempWorkDir::read(QStringLiteral("keep.pf")), QByteArray("keep"));
}

void BridgeStoresTest::pendingWritesDoNotLeakIntoAReplacedProfile()
{
    TempWorkDir dir;
    TempWorkDir::write(QStringLiteral("modules/setting/pD.bin"), "[color]\ncolor=9, 9\n");
    ProfileStore store;
    store.at(0).setValue("userPicture/0", numbers(384));
    QCOMPARE(store.resetToDefault(0), FileFailure::None);
    QCoreApplication::processEvents();
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p1.bin")),
             QByteArray("[color]\ncolor=9, 9\n"));
    QVERIFY(!store.at(0).contains("userPicture/0"));
}

void BridgeStoresTest::aForeignFileBecomesAnEmptyProfile()
{
    TempWorkDir dir;
    QByteArray binary(512, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 37);
    TempWorkDir::write(QStringLiteral("photo.pf"), binary);
    ProfileStore store;
    QCOMPARE(store.replace(2, dir.path(QStringLiteral("photo.pf"))), FileFailure::None);
    QVERIFY(!store.at(2).contains("color/color"));
    QCOMPARE(TempWorkDir::read(QStringLiteral("modules/setting/p3.bin")), binary);
}

// An apply changes colours, pictures and effect while the event loop turns between device
// commands: the file is written after the burst, and a change still held back when the
// program ends is written then.
void BridgeStoresTest::aBurstOfProfileChangesIsWrittenOnceItIsOver()
{
    TempWorkDir dir;
    const QString p1 = QStringLiteral("modules/setting/p1.bin");
    {
        ProfileStore store;
        store.current().setValue("color/color", numbers(21));
        QTest::qWait(50);
        store.current().setValue("color/ledType", QVariantList{2, 63, 1, 0, 7, 0});
        QTest::qWait(50);
        QVERIFY(!QFile::exists(p1));
        QTRY_VERIFY_WITH_TIMEOUT(TempWorkDir::read(p1).contains("ledType=2, 63, 1, 0, 7, 0"), 2000);
        QVERIFY(TempWorkDir::read(p1).contains("color=0, 1, 2"));

        store.current().setValue("userPicture/0", numbers(3, 7));
    }
    QVERIFY(TempWorkDir::read(p1).contains("0=7, 8, 9"));
}

void BridgeStoresTest::autostartEntryStartsThisProgramHidden()
{
    TempWorkDir dir;
    const QString entry = dir.path(QStringLiteral("config/autostart/k3config.desktop"));
    const DesktopAutostart autostart(entry, QStringLiteral("/opt/my \"k3\" $HOME\\50%/k3config"));
    QVERIFY(!autostart.isEnabled());
    QVERIFY(autostart.setEnabled(true));
    QVERIFY(autostart.isEnabled());
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(
            R"(Exec="/opt/my \\"k3\\" \\$HOME\\\\50%%/k3config" --minimized)"));
    const QString validator = QStandardPaths::findExecutable(
            QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty())
        QCOMPARE(QProcess::execute(validator, {entry}), 0);
    QVERIFY(autostart.setEnabled(false));
    QVERIFY(!autostart.isEnabled());
    QVERIFY(autostart.setEnabled(false));

    TempWorkDir::write(QStringLiteral("blocked"), "a file where the folder would go");
    const DesktopAutostart blocked(dir.path(QStringLiteral("blocked/autostart/k3config.desktop")),
                                   QStringLiteral("/k3"));
    QVERIFY(!blocked.setEnabled(true));
    QVERIFY(!blocked.isEnabled());
}

QTEST_GUILESS_MAIN(BridgeStoresTest)
#include "tst_bridgestores.moc"
