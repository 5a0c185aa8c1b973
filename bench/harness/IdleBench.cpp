#include "IdleBench.h"

#include "BenchSession.h"
#include "ProcessStats.h"
#include "Ui_Controler.h"
#include "Widget.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

constexpr double ShownGoal = 0.5;
constexpr double HiddenGoal = 0.2;
// Start-up work (the interface lock, first frames) is over by then.
constexpr int SettleMs = 5000;
constexpr int TrayWaitMs = 10000;

// Percent of one core the whole process used over the given time of its event loop.
double idleLoad(int seconds)
{
    const qint64 cpu = ProcessStats::cpuTimeNs();
    const qint64 wall = ProcessStats::monotonicNs();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return 100.0 * (ProcessStats::cpuTimeNs() - cpu) / (ProcessStats::monotonicNs() - wall);
}

QString percent(double value)
{
    return QString::number(value, 'f', 3) + QStringLiteral(" % of a core");
}

// A system tray on the display, so that hiding the window is what the program does.
class Tray
{
public:
    Tray()
    {
        const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
        if (trayer.isEmpty())
            return;
        m_process.start(trayer, {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                                 "--width", "200", "--heighttype", "pixel", "--height", "32"});
        m_process.waitForStarted();
    }
    ~Tray()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool available() const
    {
        return QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, TrayWaitMs);
    }

private:
    QProcess m_process;
};

} // namespace

QList<Row> idleBench(int seconds)
{
    Tray tray;
    const bool hasTray = tray.available();
    BenchSession session;
    if (!session.start()) {
        note(QStringLiteral("idle: ") + session.error());
        return {};
    }
    QTest::qWait(SettleMs);
    const double shown = idleLoad(seconds);
    note(QStringLiteral("idle: shown %1").arg(percent(shown)));
    // The minimise button hides the window to the tray when there is one.
    session.program().window().controller()->onMinimize();
    const bool hidden = !session.program().window().isVisible();
    QTest::qWait(SettleMs);
    const double tucked = idleLoad(seconds);
    note(QStringLiteral("idle: %1 %2")
                 .arg(hidden ? "hidden" : "minimised (no tray)", percent(tucked)));
    return {
            {QStringLiteral("idle CPU, window shown, event monitor running (%1 s)").arg(seconds),
             percent(shown), QString(), QString(), QStringLiteral("≤ %1 %").arg(ShownGoal),
             Row::check(shown <= ShownGoal)},
            {QStringLiteral("idle CPU, window hidden to the tray (%1 s)").arg(seconds),
             percent(tucked), hasTray && hidden ? QString() : QStringLiteral("no tray: minimised"),
             QString(), QStringLiteral("≤ %1 %").arg(HiddenGoal),
             Row::check(hasTray && hidden && tucked <= HiddenGoal)},
    };
}
