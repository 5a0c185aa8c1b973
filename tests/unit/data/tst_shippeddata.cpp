// Loads every shipped data file with the program's own readers and checks that
// the pieces fit together: tables, languages, defaults, macros, skins, sounds, font, icon.
#include "AppConfigStore.h"
#include "HardwareDefinitions.h"
#include "KeyNameTable.h"
#include "LanguageFiles.h"
#include "LegacyIni.h"
#include "LegacyIniCodec.h"
#include "MacroCodec.h"
#include "MacroLibrary.h"
#include "ProfileStore.h"
#include "ShippedFiles.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QImageReader>
#include <QRawFont>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace ShippedFiles;

namespace {

const int kMatrixSize = 128;
const QStringList kSkins = {QStringLiteral("skin1"), QStringLiteral("skin2")};

struct Key
{
    int x, y, type;
    QString name;
    int matrix;
    uint code;
};

QList<Key> rows(const QVariantList &table)
{
    QList<Key> keys;
    for (int r = 0; r < table.value(0).toInt(); ++r) {
        const int at = 2 + 6 * r;
        keys.append({table.value(at).toInt(), table.value(at + 1).toInt(),
                     table.value(at + 2).toInt(), table.value(at + 3).toString(),
                     table.value(at + 4).toInt(), table.value(at + 5).toUInt()});
    }
    return keys;
}

QSize pictureSize(const QString &skin, const QString &path)
{
    return QImageReader(modules(QStringLiteral("img/%1/%2").arg(skin, path))).size();
}

QString capPicture(int type, int state)
{
    return QStringLiteral("model_kb/k%1-%2.png").arg(type).arg(state);
}

// The pictures the window shell names, under skin<N>/; "_0/1" stands for both states.
QStringList namedPictures()
{
    const QStringList named = {"background.png",
                               "keyboard.png",
                               "frame/web_0/1",
                               "frame/frameBackground.png",
                               "frame/decoration1.png",
                               "frame/decoration2.png",
                               "list_up/cmdBg.png",
                               "list_up/applicationSetting_0/1",
                               "list_up/applicationMinimize_0/1",
                               "list_up/applicationClose_0/1",
                               "list_up/listUpContainer.png",
                               "list_dn/listDownButtonBg.png",
                               "list_dn/listDnContainer.png",
                               "list_pf/listPfContainer.png",
                               "list_pf/profileFW_0/1",
                               "list_fn/listFnBtn_0/1",
                               "list_fn/fnKeydefine_0/1",
                               "list_fn/fnMacro_0/1",
                               "list_fn/fnColor_0/1",
                               "list_center/globalsettingBackground.png",
                               "list_center/fnColorBackground.png",
                               "list_center/fnKeydefineBackground.png",
                               "list_center/fnMacroBackground.png",
                               "list_center/fnCommonBackground.png",
                               "model_ms/model_M3_Color.png",
                               "model_ms/model_M3_KeyDefine.png",
                               "common/slider_BASE.png",
                               "common/keyboardLogo.png",
                               "common/sliderBG.png",
                               "common/draw_line.png",
                               "common/resetBtn.png",
                               "common/steelBG.png",
                               "common/settingBtn.png",
                               "common/filelist_BASE.png",
                               "common/draw_inputValue.png",
                               "common/draw_paletteIndex.png",
                               "common/checkbox_0/1",
                               "common/draw_palette.png",
                               "common/reset_0/1",
                               "common/apply_0/1",
                               "common/fram_2btn.png",
                               "common/add_0/1",
                               "common/delete_0/1",
                               "common/record_0/1",
                               "common/stop_0/1",
                               "common/solid-delete_0/1",
                               "common/solid-cut_0/1",
                               "common/solid-paste_0/1",
                               "common/solid-copy_0/1",
                               "common/slider_FILLER_0/1",
                               "common/btnGroup_4_BASE.png",
                               "common/btnGroup_8_BASE.png",
                               "common/btnGroup_FILLER_0/1",
                               "common/btnGroup2_FILLER_0/1",
                               "common/slider_11_BASE.png",
                               "common/slider_11_FILLER_0/1",
                               "common/btnFileListFrame.png",
                               "common/btnFrame.png"};
    QStringList paths;
    for (const QString &name : named) {
        if (name.endsWith(QLatin1String("_0/1"))) {
            const QString base = name.chopped(4);
            paths << base + QStringLiteral("_0.png") << base + QStringLiteral("_1.png");
        } else {
            paths << name;
        }
    }
    return paths;
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyNameTable();
    void hardwareTables();
    void languages();
    void settingsFilesAreWrittenAsTheProgramWritesThem();
    void applicationSettings();
    void profiles();
    void macros();
    void skins();
    void scenePictures();
    void sounds();
    void fontCoversEveryText();
    void icons();

private:
    QJSEngine m_engine;
    QVariantMap m_enTosp;
    QVariantList m_names;
    QVariantList m_codes;
};

void TestShippedData::initTestCase()
{
    const QJSValue labels = sceneScript(m_engine, QStringLiteral("common/KeyLabels.js"));
    QVERIFY2(!labels.isError(), qPrintable(labels.toString()));
    m_enTosp = labels.property(QStringLiteral("enTosp")).toVariant().toMap();
    QCOMPARE(m_enTosp.size(), 128);
    const KeyNameTable table(modules(QStringLiteral("setting/KeyCodeDef.bin")));
    m_names = table.names(0);
    m_codes = table.codes(0);
}

void TestShippedData::keyNameTable()
{
    const KeyNameTable table(modules(QStringLiteral("setting/KeyCodeDef.bin")));
    for (uchar layout : {0, 1}) {
        QCOMPARE(table.names(layout).size(), 128);
        QCOMPARE(table.codes(layout).size(), table.names(layout).size());
        // Macro steps store English names in every layout, so both sections hold the same pairs.
        QCOMPARE(table.names(layout), m_names);
        QCOMPARE(table.codes(layout), m_codes);
    }
    const QMap<QString, uchar> map = KeyNameTable::map(m_names, m_codes);
    QCOMPARE(map.size(), 128);
    QSet<uchar> codes;
    for (const QVariant &code : m_codes) {
        QVERIFY(code.toUInt() >= 1 && code.toUInt() <= 255);
        codes.insert(uchar(code.toUInt()));
    }
    QCOMPARE(codes.size(), 128);
    // Every name has a Spanish label in the scene's table and nothing else is there.
    QCOMPARE(QSet<QString>(map.keyBegin(), map.keyEnd()),
             QSet<QString>(m_enTosp.keyBegin(), m_enTosp.keyEnd()));
    QCOMPARE(map.value(QStringLiteral("A")), uchar(0x04));
    QCOMPARE(map.value(QStringLiteral("\\ |")), uchar(0x31));
    QCOMPARE(map.value(QStringLiteral("; :")), uchar(0x33));
    QCOMPARE(map.value(QStringLiteral(", <")), uchar(0x36));
    QCOMPARE(map.value(QStringLiteral("' \"")), uchar(0x34));
    QCOMPARE(map.value(QStringLiteral("\u25b2")), uchar(0x52));
    QCOMPARE(map.value(QStringLiteral("R WIN")), uchar(0xe7));
}

void TestShippedData::hardwareTables()
{
    const HardwareDefinitions definitions(modules(QStringLiteral("setting")));
    QCOMPARE(definitions.initialLayoutMode(), uchar(0));
    const QMap<QString, uchar> codeOf = KeyNameTable::map(m_names, m_codes);
    const QVariantList reference = definitions.table(QStringLiteral("0"), 0);

    for (const QString &file : {QStringLiteral("0"), QStringLiteral("1")}) {
        const QList<Key> us = rows(definitions.table(file, 0));
        for (uint layout : {0u, 1u}) {
            const QVariantList table = definitions.table(file, layout);
            const QString where = QStringLiteral("HWDef%1.bin section %2").arg(file).arg(layout);
            QVERIFY2(table.value(0).toInt() >= 116, qPrintable(where));
            QCOMPARE(table.value(1).toInt(), kMatrixSize);
            QCOMPARE(table.size(), 2 + 6 * table.value(0).toInt());
            const QList<Key> keys = rows(table);
            QSet<int> matrices;
            QList<QRect> areas;
            for (int i = 0; i < keys.size(); ++i) {
                const Key &key = keys.at(i);
                const QString what = where
                                     + QStringLiteral(" row %1 (%2)").arg(i + 1).arg(key.name);
                QVERIFY2(key.matrix >= 0 && key.matrix < kMatrixSize, qPrintable(what));
                QVERIFY2(!matrices.contains(key.matrix),
                         qPrintable(what + QStringLiteral(": matrix used twice")));
                matrices.insert(key.matrix);
                QVERIFY2(!key.name.isEmpty(), qPrintable(what));
                // Only the label depends on layout and file.
                const Key &twin = us.at(i);
                QVERIFY2(key.x == twin.x && key.y == twin.y && key.type == twin.type
                                 && key.matrix == twin.matrix && key.code == twin.code,
                         qPrintable(what));
                const QString english = rows(reference).at(i).name;
                QCOMPARE(key.name,
                         layout == 0 ? english : m_enTosp.value(english, english).toString());
                // A key that sends a keyboard usage carries that usage's name.
                if (key.code > 0 && key.code < 0x100)
                    QVERIFY2(codeOf.contains(english) && codeOf.value(english) == key.code,
                             qPrintable(what));
                const QSize size = pictureSize(kSkins.first(), capPicture(key.type, 0));
                QVERIFY2(size.isValid(), qPrintable(what + QStringLiteral(": no key-cap picture")));
                const QRect area(QPoint(key.x, key.y), size);
                for (const QRect &other : areas)
                    QVERIFY2(!area.intersects(other),
                             qPrintable(what + QStringLiteral(": overlaps another key")));
                areas.append(area);
            }
            // Fixed positions of the K3 matrix.
            const auto codeAt = [&keys](int matrix) {
                for (const Key &key : keys)
                    if (key.matrix == matrix)
                        return int(key.code);
                return -1;
            };
            QCOMPARE(codeAt(45), 0x31);
            QCOMPARE(codeAt(83), 0x64);
            QCOMPARE(codeAt(85), 0x2c);
            QCOMPARE(codeAt(89), 0);
            for (int m : {116, 117, 118, 119})
                QCOMPARE(codeAt(m), 0);
            // Positions that are dark in the static picture, Eur 1 among them, have no key.
            for (int m : {61, 76, 77, 84, 86, 87, 92, 93, 114, 126, 127})
                QCOMPARE(codeAt(m), -1);
        }
    }
    QCOMPARE(definitions.table(QStringLiteral("1"), 2), (QVariantList{0, 0}));
}

void TestShippedData::languages()
{
    const LanguageFiles files(modules(QStringLiteral("i18n")));
    const QVariantMap menu = files.menu();
    // The scene takes menu position 0 for English and 1 for Spanish.
    QCOMPARE(menu.keys(), (QStringList{QStringLiteral("ENGLISH"), QStringLiteral("SPANISH")}));
    QCOMPARE(menu.value(QStringLiteral("ENGLISH")).toString(), QStringLiteral("031000"));
    QCOMPARE(menu.value(QStringLiteral("SPANISH")).toString(), QStringLiteral("111000"));

    const LanguageFiles::Texts english = files.load(QStringLiteral("031000"));
    const LanguageFiles::Texts spanish = files.load(QStringLiteral("111000"));
    for (const LanguageFiles::Texts *texts : {&english, &spanish}) {
        QCOMPARE(texts->strings.size(), 125);
        QCOMPARE(texts->strings.at(0), QStringLiteral("Exo"));
        for (int k = 1; k <= 115; ++k)
            QVERIFY2(!texts->strings.at(k).trimmed().isEmpty(), qPrintable(QString::number(k)));
        QCOMPARE(texts->messages.size(), 4);
        for (const QString &message : texts->messages)
            QVERIFY(!message.isEmpty());
        // The unreadable-picture text has the file path appended directly.
        QVERIFY(texts->messages.at(3).endsWith(QLatin1String(": ")));
    }
    QCOMPARE(english.strings.at(74), QStringLiteral("KEY"));
    QCOMPARE(english.strings.at(113), QStringLiteral("ALL RESET"));
    QCOMPARE(english.strings.at(107), QStringLiteral("APPLY"));
    // The macro page shows 100..103 as record tooltip, key field, empty key field and pause field.
    QCOMPARE(english.strings.mid(100, 4),
             (QStringList{QStringLiteral("RECORD"), QStringLiteral("KEY"),
                          QStringLiteral("PRESS A KEY"), QStringLiteral("DELAY")}));
    int translated = 0;
    for (int k = 1; k <= 115; ++k)
        translated += english.strings.at(k) != spanish.strings.at(k);
    QVERIFY2(translated > 100, qPrintable(QString::number(translated)));
}

void TestShippedData::settingsFilesAreWrittenAsTheProgramWritesThem()
{
    // Files the program rewrites stay byte for byte the same when it saves them unchanged.
    QStringList files = {QStringLiteral("setting/apConfig.bin"),
                         QStringLiteral("setting/apConfigD.bin"),
                         QStringLiteral("setting/HWDef.bin"), QStringLiteral("setting/pD.bin")};
    for (int n = 1; n <= 4; ++n)
        files << QStringLiteral("setting/p%1.bin").arg(n);
    for (const QString &name : MacroLibrary(modules(QStringLiteral("macro"))).fileNames())
        files << QStringLiteral("macro/") + name;
    for (const QString &name : files) {
        QFile file(modules(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        // The legacy dialect is plain ASCII: other characters are \x escapes.
        QVERIFY2(std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; }),
                 qPrintable(name));
        QSettings::SettingsMap map;
        QVERIFY2(LegacyIniCodec::parse(bytes, map), qPrintable(name));
        QVERIFY2(LegacyIniCodec::serialize(map) == bytes, qPrintable(name));
    }
}

void TestShippedData::applicationSettings()
{
    QFile shipped(modules(QStringLiteral("setting/apConfig.bin")));
    QFile defaults(modules(QStringLiteral("setting/apConfigD.bin")));
    QVERIFY(shipped.open(QIODevice::ReadOnly) && defaults.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), defaults.readAll());

    QTemporaryDir dir;
    const AppConfigStore store(copyOf(QStringLiteral("setting"), dir.path()));
    const QVariantList values = store.load();
    QCOMPARE(values.size(), 32);
    QCOMPARE(values.at(0).toInt(), 1);
    QVERIFY(kSkins.contains(QStringLiteral("skin") + values.at(1).toString()));
    QVERIFY(values.at(4).toInt() >= 0 && values.at(4).toInt() < 2);
    QCOMPARE(values.at(5).toString(), QStringLiteral("false"));
    for (int i = 8; i <= 28; ++i)
        QVERIFY(values.at(i).toInt() >= 0 && values.at(i).toInt() <= 255);
    QVERIFY(values.at(29).toInt() >= 0 && values.at(29).toInt() <= 6);
    QVERIFY(values.at(30).toInt() >= 0 && values.at(30).toInt() <= 7);
    // The logo opens the shipped guide, addressed relative to the program's folder.
    const QUrl guide(values.at(31).toString());
    QCOMPARE(guide.scheme(), QStringLiteral("file"));
    QVERIFY2(QFile::exists(repository(QStringLiteral("modules/").append(guide.path().mid(8)))),
             qPrintable(guide.toString()));
    QVERIFY(guide.path().startsWith(QLatin1String("modules/")));

    const QSettings file(modules(QStringLiteral("setting/apConfig.bin")), LegacyIni::format());
    QVERIFY(!file.value(QStringLiteral("common/name")).toString().isEmpty());
    QCOMPARE(file.value(QStringLiteral("common/product_name")).toStringList().size(), 2);
    QVERIFY(AppConfigStore::skinChoiceOffered(modules(QStringLiteral("img"))));
}

void TestShippedData::profiles()
{
    QTemporaryDir dir;
    const QString folder = copyOf(QStringLiteral("setting"), dir.path());
    QFile::copy(folder + QStringLiteral("/pD.bin"), folder + QStringLiteral("/p5.bin"));
    const QList<Key> keys = rows(HardwareDefinitions(folder).table(QStringLiteral("0"), 0));
    QList<uint> defaults(kMatrixSize, 0);
    for (const Key &key : keys)
        defaults[key.matrix] = key.code;

    // Profiles 1..4 carry the effect the lighting page's reset gives them; the default profile that
    // of profile 1.
    const QList<int> effects = {0x00, 0x09, 0x07, 0x06, 0x00};
    for (int n = 0; n < effects.size(); ++n) {
        const QSettings profile(folder + QStringLiteral("/p%1.bin").arg(n + 1), LegacyIni::format());
        const QString which = QStringLiteral("profile %1").arg(n + 1);
        const QStringList led = profile.value(QStringLiteral("color/ledType")).toStringList();
        QCOMPARE(led.size(), 6);
        QCOMPARE(led.at(0).toInt(), effects.at(n));
        QCOMPARE(led.at(1).toInt(), 63);
        QCOMPARE(profile.value(QStringLiteral("color/color")).toStringList().size(), 21);
        for (int p = 0; p < 5; ++p) {
            const QStringList picture =
                    profile.value(QStringLiteral("userPicture/%1").arg(p)).toStringList();
            QCOMPARE(picture.size(), 3 * kMatrixSize);
            for (const QString &v : picture)
                QVERIFY2(v.toInt() >= 0 && v.toInt() <= 255, qPrintable(which));
        }
        for (int layout : {0, 1}) {
            for (int k = 0; k < kMatrixSize; ++k) {
                const QStringList pair =
                        profile.value(QStringLiteral("keydefine%1/%2").arg(layout).arg(k))
                                .toStringList();
                QCOMPARE(pair.size(), 2);
                QCOMPARE(pair.at(0).toUInt() | pair.at(1).toUInt() << 8, defaults.at(k));
            }
        }
    }
    // The store opens the shipped files as the program does.
    ProfileStore store(folder);
    QCOMPARE(store.at(3).value(QStringLiteral("color/ledType")).toStringList().value(0),
             QStringLiteral("6"));
}

void TestShippedData::macros()
{
    QTemporaryDir dir;
    const MacroLibrary library(copyOf(QStringLiteral("macro"), dir.path()));
    const QStringList files = library.fileNames();
    QCOMPARE(files.size(), MacroLibrary::kLastSlot + 1);
    const QMap<QString, uchar> codes = KeyNameTable::map(m_names, m_codes);
    int withSteps = 0;
    for (int n = 0; n < files.size(); ++n) {
        const QString name = QStringLiteral("Macro. %1").arg(n + 1, 3, 10, QLatin1Char('0'));
        QCOMPARE(files.at(n), name + QStringLiteral(".bin"));
        // Bound to slot n for device 0, the keyboard.
        QCOMPARE(library.config(name, 0), (QVariantList{n, 1}));
        const QStringList steps = library.steps(name);
        withSteps += !steps.isEmpty();
        // Every step encodes: 2 bytes per key step, 4 per pause, between start and end words.
        int expected = 4;
        for (const QString &step : steps)
            expected += step.endsWith(MacroCodec::kPauseTag) ? 4 : 2;
        const QList<uchar> encoded = MacroCodec::encode(steps, codes);
        QVERIFY2(encoded.size() == expected, qPrintable(name));
        QVERIFY(encoded.size() <= MacroCodec::kBlockSize);
    }
    QVERIFY(withSteps >= 3);
}

void TestShippedData::skins()
{
    QSet<int> types;
    for (const Key &key :
         rows(HardwareDefinitions(modules(QStringLiteral("setting"))).table(QStringLiteral("0"), 0)))
        types.insert(key.type);
    QStringList paths = namedPictures();
    for (int type : types)
        paths << capPicture(type, 0) << capPicture(type, 1);

    for (const QString &path : paths) {
        const QSize size = pictureSize(kSkins.first(), path);
        QVERIFY2(size.isValid(), qPrintable(kSkins.first() + QLatin1Char('/') + path));
        // Skins are interchangeable: the same picture has the same size in each.
        for (const QString &skin : kSkins)
            QVERIFY2(pictureSize(skin, path) == size, qPrintable(skin + QLatin1Char('/') + path));
    }
    for (int type : types)
        QCOMPARE(pictureSize(kSkins.first(), capPicture(type, 1)),
                 pictureSize(kSkins.first(), capPicture(type, 0)));
    QCOMPARE(pictureSize(kSkins.first(), QStringLiteral("background.png")), QSize(1000, 600));
    // The keyboard picture stays clear of the profile menu and the bottom bar (it sits at 152, 141).
    const QSize keyboard = pictureSize(kSkins.first(), QStringLiteral("keyboard.png"));
    QVERIFY(152 + keyboard.width() <= 1000 - 15 - 50 && 141 + keyboard.height() <= 600 - 49);
}

void TestShippedData::scenePictures()
{
    QStringList wanted;
    QFile extra(repository(QStringLiteral("tools/scene-pictures.txt")));
    if (extra.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString &line : QString::fromUtf8(extra.readAll()).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
                wanted << line.trimmed();
        }
    }
    // Literals of the scene: complete names, or prefixes completed with the two states.
    for (const QString &literal : scenePictureLiterals()) {
        if (literal.startsWith(QLatin1String("model_kb/")))
            continue;
        if (literal.endsWith(QLatin1String(".png")))
            wanted << literal;
        else
            wanted << literal + QStringLiteral("_0.png") << literal + QStringLiteral("_1.png");
    }
    QVERIFY(wanted.size() > 10);
    for (const QString &skin : kSkins) {
        for (const QString &path : wanted)
            QVERIFY2(pictureSize(skin, path).isValid(), qPrintable(skin + QLatin1Char('/') + path));
    }
}

void TestShippedData::sounds()
{
    const double background = mp3Seconds(modules(QStringLiteral("media/00.mp3")));
    QVERIFY2(background >= 20 && background <= 60, qPrintable(QString::number(background)));
    const QList<double> longest = {2.0, 1.0, 1.0, 0.3};
    for (int cue = 1; cue <= 4; ++cue) {
        const double seconds = wavSeconds(modules(QStringLiteral("media/0%1.wav").arg(cue)));
        QVERIFY2(seconds > 0.02 && seconds <= longest.at(cue - 1), qPrintable(QString::number(cue)));
    }
}

void TestShippedData::fontCoversEveryText()
{
    const int id = QFontDatabase::addApplicationFont(
            modules(QStringLiteral("font/Exo-Medium.ttf")));
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Exo")));
    QVERIFY(QFile::exists(modules(QStringLiteral("font/OFL.txt"))));
    QVERIFY(QFile::exists(modules(QStringLiteral("font/k3config-Symbols-OFL.txt"))));
    // What Exo lacks, the symbol font that falls back for it draws: nothing shows as a box.
    const QRawFont font(modules(QStringLiteral("font/Exo-Medium.ttf")), 12);
    const QRawFont symbols(modules(QStringLiteral("font/k3config-Symbols.ttf")), 12);
    const auto check = [&](const QString &where, const QString &text) {
        for (const QChar c : text) {
            if (c.unicode() > 0x7e && !font.supportsCharacter(c))
                QVERIFY2(symbols.supportsCharacter(c), qPrintable(where + QStringLiteral(": ") + c));
        }
    };
    const LanguageFiles files(modules(QStringLiteral("i18n")));
    for (const QString &code : {QStringLiteral("031000"), QStringLiteral("111000")}) {
        const LanguageFiles::Texts texts = files.load(code);
        for (const QString &text : texts.strings + texts.messages)
            check(code, text);
    }
    QDirIterator scene(modules(QStringLiteral("qml")),
                       {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (scene.hasNext()) {
        QFile file(scene.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        check(file.fileName(), QString::fromUtf8(file.readAll()));
    }
}

void TestShippedData::icons()
{
    QImageReader ico(modules(QStringLiteral("img/logo.ico")));
    QSet<int> sizes;
    for (int i = 0; i < ico.imageCount(); ++i) {
        QVERIFY(ico.jumpToImage(i));
        const QImage image = ico.read();
        QVERIFY2(!image.isNull(), qPrintable(ico.errorString()));
        sizes.insert(image.width());
    }
    QVERIFY(sizes.contains(16) && sizes.contains(32) && sizes.contains(48));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon =
                QStringLiteral("packaging/icons/hicolor/%1x%1/apps/k3config.png").arg(size);
        QCOMPARE(QImageReader(repository(icon)).size(), QSize(size, size));
    }
}

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
