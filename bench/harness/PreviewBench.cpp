#include "PreviewBench.h"

#include "BenchSession.h"
#include "ProcessStats.h"
#include "SignalCounter.h"
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
constexpr double FramePeriodMs = 1000.0 / 60;
// A frame later than twice the period the preview wants means at least one went missing.
constexpr double DropFactor = 2.0;
// Keys a fast typist presses, for the effects that answer key presses.
const int TypedKeys[] = {4, 22, 7, 9, 10, 11, 13, 14, 15, 40, 44, 30, 33, 36, 39, 45};
const char *const EffectNames[] = {"STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
                                   "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING",
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
        if (child->property("repeat").toBool() && child->metaObject()->indexOfSignal("triggered()") >= 0)
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
    QList<double> frameGapsMs;
    double cpuMs = 0;       // the GUI thread's
    double runQueueMs = 0;  // the GUI thread waiting for a CPU taken by others
};

// The page on its own timer for a while: how often it ticks and when frames are drawn.
PageRun runPage(myQQuickView *view, QObject *timer, int intervalMs)
{
    PageRun run;
    QElapsedTimer clock;
    qint64 lastFrame = -1;
    const auto frames = QObject::connect(view->quickWindow(), &QQuickWindow::afterRendering, view, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastFrame >= 0)
            run.frameGapsMs.append((now - lastFrame) / 1e6);
        lastFrame = now;
    }, Qt::DirectConnection);
    SignalCounter ticks(timer, "triggered()");
    const qint64 cpu = ProcessStats::threadCpuTimeNs();
    const qint64 waited = ProcessStats::threadRunQueueWaitNs();
    clock.start();
    {
        Typist typist(view, 4 * intervalMs);
        runEventLoop(RunMs);
    }
    run.cpuMs = (ProcessStats::threadCpuTimeNs() - cpu) / 1e6;
    run.runQueueMs = (ProcessStats::threadRunQueueWaitNs() - waited) / 1e6;
    QObject::disconnect(frames);
    run.ticks = ticks.count();
    return run;
}

// The page's tick called at the timer's pace by the bench, each call timed.
QList<double> timeTicks(myQQuickView *view, QObject *controller, QObject *timer, int intervalMs, int ticks)
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
        // Frames and key presses are handled between ticks, as on the timer.
        runEventLoop(intervalMs);
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
    int dropped = 0;
    int frames = 0;
    QStringList slowest;
    for (int code = 0; code < int(std::size(EffectNames)); ++code) {
        session.chooseLighting(code);
        const int interval = controller->property("interval").toInt();
        const PageRun run = runPage(view, timer, interval);
        // The keys change at every tick, shown at most once per frame.
        const double wantedMs = std::max<double>(interval, FramePeriodMs);
        int late = 0;
        for (const double gap : run.frameGapsMs)
            late += gap > DropFactor * wantedMs;
        dropped += late;
        if (qEnvironmentVariableIsSet("K3_BENCH_TRACE")) {
            QStringList gaps;
            for (const double gap : run.frameGapsMs)
                gaps.append(QString::number(gap, 'f', 0));
            note(gaps.join(u' '));
        }
        frames += int(run.frameGapsMs.size()) + 1;
        const QList<double> costs = timeTicks(view, controller, timer, interval, ticks);
        const double median = Stats::median(costs);
        const double worst = Stats::maximum(costs);
        note(QStringLiteral("preview: 0x%1 %2 interval %3 ms: tick median %4 ms worst %5 ms; on its timer %6 ticks "
                            "(%7 expected), %8 frames, longest gap %9 ms, %10 late; GUI thread CPU %11 ms, waited %12 ms for a CPU")
                 .arg(code, 2, 16, QLatin1Char('0'))
                 .arg(QLatin1String(EffectNames[code]))
                 .arg(interval)
                 .arg(median, 0, 'f', 3)
                 .arg(worst, 0, 'f', 3)
                 .arg(run.ticks)
                 .arg(RunMs / interval)
                 .arg(run.frameGapsMs.size() + 1)
                 .arg(Stats::maximum(run.frameGapsMs), 0, 'f', 1)
                 .arg(late)
                 .arg(run.cpuMs, 0, 'f', 0)
                 .arg(run.runQueueMs, 0, 'f', 0));
        const double ratio = worst / interval;
        rows.append({QStringLiteral("preview tick, 0x%1 %2 (%3 ticks)")
                         .arg(code, 2, 16, QLatin1Char('0'))
                         .arg(QLatin1String(EffectNames[code]))
                         .arg(costs.size()),
                     QStringLiteral("median %1, worst %2").arg(formatMs(median, 3), formatMs(worst, 3)),
                     QStringLiteral("%1 ms interval").arg(interval), formatRatio(ratio),
                     QStringLiteral("worst ≤ %1").arg(TickGoal), Row::check(!costs.isEmpty() && ratio <= TickGoal)});
    }
    rows.append({QStringLiteral("preview frames dropped at the fastest speed, all effects (%1 s each)").arg(RunMs / 1000),
                 QStringLiteral("%1 of %2").arg(dropped).arg(frames), QString(), QString(), QStringLiteral("0"),
                 Row::check(frames > 0 && dropped == 0)});
    return rows;
}
