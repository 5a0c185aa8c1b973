#include "PreviewBench.h"

#include "BenchSession.h"
#include "FrameDrops.h"
#include "ProcessStats.h"
#include "Stats.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <iterator>

namespace {

constexpr double TickGoal = 0.2;
constexpr int FastestSpeedPosition = 7;
constexpr int FullBrightness = 7;
constexpr int LoopColour = 7;
constexpr int RunMs = 3000;
constexpr int WarmUpMs = 500;
constexpr int MaxTickPauseMs = 40;
// Keys a fast typist presses, for the effects that answer key presses.
const int TypedKeys[] = {4, 22, 7, 9, 10, 11, 13, 14, 15, 40, 44, 30, 33, 36, 39, 45};
const char *const EffectNames[] = {
        "STATIC",         "BREATHING",          "WAVE", "INDUCTION DARKEN", "MARQUEE",
        "RIPPLE",         "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING",
        "MARQUEE CIRCLE", "SPOTLIGHT"};

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The repeating timer that drives the page's preview.
QObject *effectTimer(QObject *controller)
{
    for (QObject *child : controller->children()) {
        if (child->property("repeat").toBool()
            && child->metaObject()->indexOfSignal("triggered()") >= 0)
            return child;
    }
    return nullptr;
}

// Presses a key on the keyboard every so often, as the input hook reports it.
class Typist
{
public:
    Typist(myQQuickView *view, int everyMs)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, view] {
            const int key = TypedKeys[m_next++ % std::size(TypedKeys)];
            view->detectKeyboard(true, key);
            view->detectKeyboard(false, key);
        });
        m_timer.start(everyMs);
    }

private:
    QTimer m_timer;
    size_t m_next = 0;
};

struct PageRun
{
    int ticks = 0;
    QList<FrameDrops::Frame> frames;
    double cpuMs = 0; // the GUI thread's
};

// The page on its own timer for a while: how many ticks it runs and when frames are drawn.
// Recording starts once the typing has lit keys: a reactive effect with nothing lit yet
// draws nothing, and that is no late frame.
PageRun runPage(myQQuickView *view, QObject *controller, int intervalMs)
{
    PageRun run;
    Typist typist(view, 4 * intervalMs);
    runEventLoop(WarmUpMs);
    QElapsedTimer clock;
    const auto frames = QObject::connect(
            view->quickWindow(), &QQuickWindow::afterRendering, view,
            [&] {
                run.frames.append({clock.nsecsElapsed(), ProcessStats::threadRunQueueWaitNs()});
            },
            Qt::DirectConnection);
    const int ticks = controller->property("tickCount").toInt();
    const qint64 cpu = ProcessStats::threadCpuTimeNs();
    clock.start();
    runEventLoop(RunMs);
    run.cpuMs = (ProcessStats::threadCpuTimeNs() - cpu) / 1e6;
    run.ticks = controller->property("tickCount").toInt() - ticks;
    QObject::disconnect(frames);
    return run;
}

// The page's tick called at the timer's pace by the bench, each call timed.
QList<double> timeTicks(myQQuickView *view, QObject *controller, QObject *timer, int intervalMs,
                        int ticks)
{
    timer->setProperty("running", false);
    QList<double> costs;
    QElapsedTimer clock;
    for (int t = 0; t < ticks; ++t) {
        if (t % 4 == 0) {
            const int key = TypedKeys[(t / 4) % std::size(TypedKeys)];
            view->detectKeyboard(true, key);
            view->detectKeyboard(false, key);
        }
        clock.start();
        QMetaObject::invokeMethod(controller, "tick");
        costs.append(clock.nsecsElapsed() / 1e6);
        // Frames and key presses are handled between ticks, as on the timer (slow effects
        // need not make the bench wait their whole interval).
        runEventLoop(std::min(intervalMs, MaxTickPauseMs));
    }
    timer->setProperty("running", true);
    return costs;
}

} // namespace

QList<Row> previewBench(int ticks)
{
    BenchSession session;
    if (!session.startOnLightingPage()) {
        note(QStringLiteral("preview: ") + session.error());
        return {};
    }
    myQQuickView *view = session.program().window().view();
    QObject *controller = session.page()->property("controller").value<QObject *>();
    QObject *timer = controller ? effectTimer(controller) : nullptr;
    if (!timer) {
        note(QStringLiteral("preview: the page has no effect timer"));
        return {};
    }
    session.callPage("setBrightnessPosition", {FullBrightness});
    session.callPage("chooseColourIndex", {LoopColour});
    session.callPage("setSpeedPosition", {FastestSpeedPosition});

    QList<Row> rows;
    FrameDrops::Count all;
    int frames = 0;
    int ticksRun = 0;
    int ticksWanted = 0;
    for (int code = 0; code < int(std::size(EffectNames)); ++code) {
        session.chooseLighting(code);
        const int interval = controller->property("interval").toInt();
        const PageRun run = runPage(view, controller, interval);
        const FrameDrops::Count d = FrameDrops::count(run.frames, interval);
        all.late += d.late;
        all.dropped += d.dropped;
        frames += int(run.frames.size());
        ticksRun += run.ticks;
        ticksWanted += RunMs / interval;
        const QList<double> costs = timeTicks(view, controller, timer, interval, ticks);
        const double median = Stats::median(costs);
        const double worst = Stats::maximum(costs);
        note(QStringLiteral("preview: 0x%1 %2, %3 ms: tick median %4 ms, worst %5 ms; on its timer "
                            "%6 of %7 ticks, "
                            "%8 frames at %9 ms of GUI thread each, longest gap %10 ms, %11 late, "
                            "%12 of them dropped")
                     .arg(code, 2, 16, QLatin1Char('0'))
                     .arg(QLatin1String(EffectNames[code]))
                     .arg(interval)
                     .arg(median, 0, 'f', 3)
                     .arg(worst, 0, 'f', 3)
                     .arg(run.ticks)
                     .arg(RunMs / interval)
                     .arg(run.frames.size())
                     .arg(run.frames.isEmpty() ? 0 : run.cpuMs / run.frames.size(), 0, 'f', 1)
                     .arg(d.longestGapMs, 0, 'f', 1)
                     .arg(d.late)
                     .arg(d.dropped));
        const double ratio = worst / interval;
        rows.append(
                {QStringLiteral("preview tick, 0x%1 %2 (%3 ticks)")
                         .arg(code, 2, 16, QLatin1Char('0'))
                         .arg(QLatin1String(EffectNames[code]))
                         .arg(costs.size()),
                 QStringLiteral("median %1, worst %2").arg(formatMs(median, 3), formatMs(worst, 3)),
                 QStringLiteral("%1 ms interval").arg(interval), formatRatio(ratio),
                 QStringLiteral("worst ≤ %1").arg(TickGoal),
                 Row::check(!costs.isEmpty() && ratio <= TickGoal)});
    }
    rows.append({QStringLiteral(
                         "preview ticks run on the page's timer, all effects at the fastest speed"),
                 QStringLiteral("%1 of %2").arg(ticksRun).arg(ticksWanted), QString(),
                 formatRatio(double(ticksRun) / ticksWanted), QString(), Row::Met::NoGoal});
    rows.append(
            {QStringLiteral("preview frames dropped at the fastest speed, all effects (%1 s each)")
                     .arg(RunMs / 1000),
             QStringLiteral("%1 of %2").arg(all.dropped).arg(frames),
             QStringLiteral("%1 more late while other processes held the CPU")
                     .arg(all.late - all.dropped),
             QString(), QStringLiteral("0"), Row::check(frames > 0 && all.dropped == 0)});
    return rows;
}
