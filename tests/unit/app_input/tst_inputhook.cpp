#include "EvdevInput.h"
#include "EvdevKeyMap.h"
#include "InputHook.h"
#include "WindowKeyFilter.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <linux/input-event-codes.h>

#include <vector>

namespace {

struct Report
{
    int code;
    bool isDown;
    int x = 0;
    int y = 0;
    bool operator==(const Report &o) const
    {
        return code == o.code && isDown == o.isDown && x == o.x && y == o.y;
    }
};

struct Recorder
{
    std::vector<Report> keys;
    std::vector<Report> buttons;

    static void onKey(std::uint8_t usage, bool isDown, void *context)
    {
        static_cast<Recorder *>(context)->keys.push_back({usage, isDown});
    }
    static void onButton(std::uint8_t button, bool isDown, std::int32_t x, std::int32_t y,
                         void *context)
    {
        static_cast<Recorder *>(context)->buttons.push_back({button, isDown, x, y});
    }
    void attach(InputHook &hook)
    {
        hook.setKeyboardCallback(&Recorder::onKey, this);
        hook.setMouseCallback(&Recorder::onButton, this);
    }
};

// A backend that only says whether it captures the keyboard.
class FakeBackend : public InputBackend
{
public:
    explicit FakeBackend(bool captures)
        : m_captures(captures)
    {}
    bool install(InputHook &) override { return m_captures; }
    void remove() override {}
    bool capturesKeyboard() const override { return m_captures; }

private:
    bool m_captures;
};

// Rows as the key tables are documented: "key value" or "first-last first-last".
template<typename Map>
Map expandRows(const QStringList &rows, int keyStep)
{
    Map map;
    for (const QString &row : rows) {
        const QStringList parts = row.split(QLatin1Char(' '));
        const QStringList keys = parts[0].split(QLatin1Char('-'));
        const QStringList values = parts[1].split(QLatin1Char('-'));
        const int firstKey = keys[0].toInt(nullptr, 16);
        const int firstValue = values[0].toInt(nullptr, 16);
        const int lastValue = values.last().toInt(nullptr, 16);
        for (int v = firstValue; v <= lastValue; ++v)
            map[typename Map::key_type(firstKey + (v - firstValue) * keyStep)] =
                    typename Map::mapped_type(v);
        if (keys.size() == 2)
            Q_ASSERT(keys[1].toInt(nullptr, 16) == firstKey + (lastValue - firstValue) * keyStep);
    }
    return map;
}

const QStringList kScanCodeRows = {
        "0100 1B",         "0200-0A00 31-39", "0B00 30", "0C00 BD",         "0D00 BB",
        "0E00-0F00 08-09", "1000 51",         "1100 57", "1200 45",         "1300 52",
        "1400 54",         "1500 59",         "1600 55", "1700 49",         "1800-1900 4F-50",
        "1A00 DB",         "1B00 DD",         "1C00 0D", "1C01 0E",         "1D00 A2",
        "1D01 A3",         "1E00 41",         "1F00 53", "2000 44",         "2100-2300 46-48",
        "2400-2600 4A-4C", "2700 BA",         "2800 DE", "2900 C0",         "2A00 A0",
        "2B00 DC",         "2C00 5A",         "2D00 58", "2E00 43",         "2F00 56",
        "3000 42",         "3100 4E",         "3200 4D", "3300 BC",         "3400-3500 BE-BF",
        "3501 6F",         "3601 A1",         "3700 6A", "3701 2C",         "3800 A4",
        "3801 A5",         "3900 20",         "3A00 14", "3B00-4400 70-79", "4500 13",
        "4501 90",         "4600 91",         "4700 67", "4701 24",         "4800 68",
        "4801 26",         "4900 69",         "4901 21", "4A00 6D",         "4B00 64",
        "4B01 25",         "4C00-4D00 65-66", "4D01 27", "4E00 6B",         "4F00 61",
        "4F01 23",         "5000 62",         "5001 28", "5100 63",         "5101 22",
        "5200 60",         "5201 2D",         "5300 6E", "5301 2E",         "5600 E2",
        "5700-5800 7A-7B", "5B01 5B",         "5D01 5D", "6E00 86",
};

const QStringList kUsageRows = {
        "08-09 2A-2B", "0D 28", "0E 58", "13 48",       "14 39",       "1B 29",       "20 2C",
        "21 4B",       "22 4E", "23 4D", "24 4A",       "25 50",       "26 52",       "27 4F",
        "28 51",       "2C 46", "2D 49", "2E 4C",       "30 27",       "31-39 1E-26", "41-5A 04-1D",
        "5B E3",       "5C E7", "5D 65", "60 62",       "61-69 59-61", "6A 55",       "6B 57",
        "6D 56",       "6E 63", "6F 54", "70-7B 3A-45", "7C-87 68-73", "90 53",       "91 47",
        "A0 E1",       "A1 E5", "A2 E0", "A3 E4",       "A4 E2",       "A5 E6",       "BA 33",
        "BB 2E",       "BC 36", "BD 2D", "BE-BF 37-38", "C0 35",       "C1 87",       "C2 85",
        "DB 2F",       "DD 30", "DE 34", "E2 64",       "EB 8B",       "FF 66",
};

// The usage a key with this scan code and flag reports through the whole chain.
int usageOf(InputHook &hook, std::uint32_t scan, std::uint32_t flags)
{
    Recorder r;
    r.attach(hook);
    hook.keyboardEvent(true, scan, flags);
    hook.keyboardEvent(false, scan, flags);
    return r.keys.empty() ? 0 : r.keys.front().code;
}

void sendKey(QObject *target, QEvent::Type type, quint32 nativeScanCode, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_A, Qt::NoModifier, nativeScanCode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class InputHookTest : public QObject
{
    Q_OBJECT
private slots:
    void tablesHaveEveryDocumentedRow()
    {
        const ScanCodeTable scanCodes = expandRows<ScanCodeTable>(kScanCodeRows, 0x100);
        QCOMPARE(scanCodes.size(), size_t(105));
        QVERIFY(buildScanCodeTable() == scanCodes);

        UsageTable usages = expandRows<UsageTable>(kUsageRows, 1);
        usages[0xDC] = 0x31;
        QCOMPARE(usages.size(), size_t(121));
        QVERIFY(buildUsageTable(false) == usages);
        usages[0xDC] = 0x32;
        QVERIFY(buildUsageTable(true) == usages);
    }

    void keyRules_data()
    {
        QTest::addColumn<uint>("scan");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<bool>("layoutFlag");
        QTest::addColumn<int>("usage");
        QTest::newRow("Enter") << 0x1Cu << 0u << true << 0x28;
        QTest::newRow("keypad Enter") << 0x1Cu << uint(kExtendedKeyFlag) << true << 0x58;
        QTest::newRow("Pause") << 0x45u << 0u << true << 0x48;
        QTest::newRow("Ctrl+Pause (Break)") << 0x46u << uint(kExtendedKeyFlag) << true << 0x48;
        QTest::newRow("Scroll Lock") << 0x46u << 0u << true << 0x47;
        QTest::newRow("Num Lock") << 0x45u << uint(kExtendedKeyFlag) << true << 0x53;
        QTest::newRow("Print Screen") << 0x37u << uint(kExtendedKeyFlag) << true << 0x46;
        QTest::newRow("Alt+Print Screen (SysRq)") << 0x54u << uint(kAltDownFlag) << true << 0x46;
        QTest::newRow("SysRq without Alt") << 0x54u << 0u << true << 0;
        QTest::newRow("right Windows") << 0x5Cu << uint(kExtendedKeyFlag) << true << 0;
        QTest::newRow("scan code above FF") << 0x11Eu << 0u << true << 0; // 1E would be A
        QTest::newRow("backslash, layout 0") << 0x2Bu << 0u << true << 0x32;
        QTest::newRow("backslash, other layout") << 0x2Bu << 0u << false << 0x31;
    }

    void keyRules()
    {
        QFETCH(uint, scan);
        QFETCH(uint, flags);
        QFETCH(bool, layoutFlag);
        QFETCH(int, usage);
        InputHook hook(layoutFlag, nullptr);
        QCOMPARE(usageOf(hook, scan, flags), usage);
    }

    void heldKeyIsReportedOnceAndUnseenReleaseIsDropped()
    {
        InputHook hook(true, nullptr);
        hook.keyboardEvent(true, 0x30, 0); // no callback yet: passed on, state kept
        Recorder r;
        r.attach(hook);
        hook.keyboardEvent(true, 0x30, 0);
        hook.keyboardEvent(false, 0x1E, 0); // release without press
        for (int i = 0; i < 5; ++i)
            hook.keyboardEvent(true, 0x1E, 0);
        hook.keyboardEvent(false, 0x1E, 0);
        hook.keyboardEvent(false, 0x1E, 0);
        hook.keyboardEvent(true, 0x1E, 0);
        const std::vector<Report> expected{{0x04, true}, {0x04, false}, {0x04, true}};
        QVERIFY(r.keys == expected);
    }

    void mouseButtonsAreReportedWithPositionAndDoubleClicksAreNot()
    {
        InputHook hook(true, nullptr);
        Recorder r;
        r.attach(hook);
        for (std::uint32_t message = 0x0200; message <= 0x020A; ++message)
            hook.mouseEvent(message, int(message), -5);
        hook.mouseEvent(kLeftButtonDown, 7, 8); // no repeat filter for buttons
        const std::vector<Report> expected{{0xF0, true, 0x201, -5}, {0xF0, false, 0x202, -5},
                                           {0xF1, true, 0x204, -5}, {0xF1, false, 0x205, -5},
                                           {0xF2, true, 0x207, -5}, {0xF2, false, 0x208, -5},
                                           {0xF0, true, 7, 8}};
        QVERIFY(r.buttons == expected);
    }

    void everyTableKeyHasAnEvdevCode()
    {
        std::map<std::uint16_t, unsigned> reached;
        for (unsigned code = 0; code < KEY_MAX; ++code)
            if (const auto key = scanKeyFromEvdev(code))
                reached[std::uint16_t((key->scanCode << 8) | key->flags)] = code;
        for (const auto &[key, vk] : buildScanCodeTable())
            QVERIFY2(reached.count(key), qPrintable(QString::number(key, 16)));
    }

    void evdevEventsTakeTheHookRoad()
    {
        InputHook hook(true, nullptr);
        Recorder r;
        r.attach(hook);
        const auto pointer = []() -> std::pair<std::int32_t, std::int32_t> { return {640, 480}; };
        for (unsigned code :
             {KEY_KPENTER, KEY_NUMLOCK, KEY_PAUSE, KEY_RIGHTSHIFT, KEY_RIGHTMETA, KEY_VOLUMEUP}) {
            feedEvdevKey(hook, code, 1, pointer);
            feedEvdevKey(hook, code, 2, pointer); // auto-repeat
            feedEvdevKey(hook, code, 0, pointer);
        }
        feedEvdevKey(hook, BTN_RIGHT, 1, pointer);
        feedEvdevKey(hook, BTN_SIDE, 1, pointer);
        const std::vector<Report> keys{{0x58, true}, {0x58, false}, {0x53, true}, {0x53, false},
                                       {0x48, true}, {0x48, false}, {0xE5, true}, {0xE5, false}};
        QVERIFY(r.keys == keys);
        const std::vector<Report> buttons{{0xF1, true, 640, 480}};
        QVERIFY(r.buttons == buttons);
    }

    void evdevInstallFailsWithoutReadableDevices()
    {
        QTemporaryDir folder;
        QFile junk(folder.filePath(QStringLiteral("event0")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.close();
        auto backend = std::make_unique<EvdevInput>(folder.path());
        EvdevInput *evdev = backend.get();
        InputHook hook(true, std::move(backend));
        QVERIFY(!hook.installHooks());
        QVERIFY(!hook.capturesKeyboard());

        // A node appearing later is looked at, and skipped when it is no device.
        QFile later(folder.filePath(QStringLiteral("event1")));
        QVERIFY(later.open(QIODevice::WriteOnly));
        later.close();
        QTest::qWait(200);
        QCOMPARE(evdev->openDeviceCount(), 0);

        InputHook missing(true,
                          std::make_unique<EvdevInput>(folder.filePath(QStringLiteral("absent"))));
        QVERIFY(!missing.capturesKeyboard());
    }

    void ownWindowKeysFeedTheHookOnlyWithoutGlobalCapture()
    {
        QObject target;
        const quint32 xKeycodeA = KEY_A + 8;

        InputHook fallback(true, std::make_unique<FakeBackend>(false));
        Recorder r;
        r.attach(fallback);
        WindowKeyFilter filter(fallback);
        target.installEventFilter(&filter);
        sendKey(&target, QEvent::KeyPress, xKeycodeA);
        sendKey(&target, QEvent::KeyRelease, xKeycodeA, true); // X11 auto-repeat pair
        sendKey(&target, QEvent::KeyPress, xKeycodeA, true);
        sendKey(&target, QEvent::KeyRelease, xKeycodeA);
        sendKey(&target, QEvent::KeyPress, 0); // no native code (offscreen)
        const std::vector<Report> expected{{0x04, true}, {0x04, false}};
        QVERIFY(r.keys == expected);
        target.removeEventFilter(&filter);

        InputHook global(true, std::make_unique<FakeBackend>(true));
        Recorder g;
        g.attach(global);
        WindowKeyFilter globalFilter(global);
        target.installEventFilter(&globalFilter);
        sendKey(&target, QEvent::KeyPress, xKeycodeA);
        QVERIFY(g.keys.empty());
    }
};

QTEST_GUILESS_MAIN(InputHookTest)
#include "tst_inputhook.moc"
