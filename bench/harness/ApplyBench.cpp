#include "ApplyBench.h"

#include "BenchSession.h"
#include "EmulatorWire.h"
#include "K3Emulator.h"
#include "Stats.h"

#include <QTest>

#include <functional>

namespace {

constexpr double Goal = 1.1;
constexpr int WaveEffect = 0x02;
constexpr int SecondPicture = 1;
constexpr int ReportTimeoutMs = 10000;
// No report for this long: the apply has ended (a transfer never waits that long between reports).
constexpr int QuietMs = 400;
// Between applies the page settles (slide, preview restart) as a user would let it.
constexpr int SettleMs = 200;

struct Scenario
{
    QString measure;
    BenchSession::Page page;
    std::function<void(BenchSession &)> prepare;
    std::function<bool(BenchSession &)> click;
    QList<double> latencyMs;
    QList<double> floorMs;
    int reports = 0;
};

// One click, and the reports it puts on the wire until they stop.
bool measure(BenchSession &session, Scenario &s)
{
    if (!session.showPage(s.page))
        return false;
    s.prepare(session);
    // Each apply locks the interface for a while; a click before it ends would be swallowed.
    if (!session.waitUntilUnlocked())
        return false;
    QTest::qWait(SettleMs);
    K3Emulator::instance().clearWireLog();
    const qint64 clickNs = EmulatorWire::nowNs();
    if (!s.click(session) || !EmulatorWire::waitForQuiet(QuietMs, ReportTimeoutMs))
        return false;
    const QList<EmulatorWire::Sent> sent = EmulatorWire::sent();
    s.latencyMs.append((sent.last().nsecs - clickNs) / 1e6);
    s.floorMs.append(WireFloor::floorMs(EmulatorWire::reports(sent)));
    s.reports = int(sent.size());
    note(QStringLiteral("apply: %1: %2 ms, floor %3 ms")
                 .arg(s.measure)
                 .arg(s.latencyMs.last(), 0, 'f', 1)
                 .arg(s.floorMs.last(), 0, 'f', 1));
    if (qEnvironmentVariableIsSet("K3_BENCH_TRACE")) {
        for (const EmulatorWire::Sent &r : sent)
            note(QStringLiteral("  %1 ms %2 %3")
                         .arg((r.nsecs - clickNs) / 1e6, 8, 'f', 2)
                         .arg(r.data ? "data " : "block")
                         .arg(r.command, 2, 16, QLatin1Char('0')));
    }
    return true;
}

Row row(const Scenario &s)
{
    const double latency = Stats::median(s.latencyMs);
    const double floor = Stats::median(s.floorMs);
    const double ratio = floor > 0 ? latency / floor : 0;
    return {QStringLiteral("%1 (%2 reports, median of %3)")
                    .arg(s.measure)
                    .arg(s.reports)
                    .arg(s.latencyMs.size()),
            formatMs(latency),
            formatMs(floor) + QStringLiteral(" protocol floor"),
            formatRatio(ratio),
            QStringLiteral("≤ %1").arg(Goal),
            Row::check(!s.latencyMs.isEmpty() && ratio <= Goal)};
}

} // namespace

QList<Row> applyBench(int repetitions)
{
    BenchSession session;
    if (!session.start()) {
        note(QStringLiteral("apply: ") + session.error());
        return {};
    }
    QList<Scenario> scenarios{
            {QStringLiteral("apply-all click → last report: lighting, built-in effect"),
             BenchSession::LightingPage,
             [](BenchSession &b) { b.chooseLighting(WaveEffect); },
             &BenchSession::clickApplyAll,
             {},
             {},
             0},
            {QStringLiteral("apply-all click → last report: lighting, user picture"),
             BenchSession::LightingPage,
             [](BenchSession &b) { b.chooseLighting(-1, SecondPicture); },
             &BenchSession::clickApplyAll,
             {},
             {},
             0},
            {QStringLiteral("key page apply click → last report: key matrix"),
             BenchSession::KeyPage,
             [](BenchSession &) {},
             &BenchSession::clickKeyPageApply,
             {},
             {},
             0},
    };
    for (int rep = 0; rep < repetitions; ++rep) {
        for (Scenario &s : scenarios) {
            if (!measure(session, s)) {
                note(QStringLiteral("apply: %1 did not complete").arg(s.measure));
                return {};
            }
        }
    }
    QList<Row> rows;
    for (const Scenario &s : scenarios)
        rows.append(row(s));
    return rows;
}
