#include "MemoryBench.h"

#include "BenchSession.h"
#include "EmulatorWire.h"
#include "K3Emulator.h"
#include "ProcessStats.h"

namespace {

constexpr double GrowthGoalPercent = 5;
constexpr int FirstMark = 10;
constexpr int SecondPicture = 1;
constexpr int QuietMs = 100;
constexpr int CycleTimeoutMs = 10000;

} // namespace

QList<Row> memoryBench(int cycles)
{
    BenchSession session;
    if (!session.startOnLightingPage()) {
        note(QStringLiteral("memory: ") + session.error());
        return {};
    }
    // The heaviest apply: palette, a user picture's three planes, effect and key matrix.
    session.chooseLighting(-1, SecondPicture);
    qint64 firstKb = -1;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        // The emulated keyboard's log is the bench's, not the program's: it does not grow.
        K3Emulator::instance().clearWireLog();
        session.applyAll();
        if (!EmulatorWire::waitForQuiet(QuietMs, CycleTimeoutMs)) {
            note(QStringLiteral("memory: cycle %1 does not end").arg(cycle));
            return {};
        }
        if (cycle == FirstMark)
            firstKb = ProcessStats::residentKb();
        if (cycle % 100 == 0)
            note(QStringLiteral("memory: %1 cycles, %2 MB")
                         .arg(cycle)
                         .arg(ProcessStats::residentKb() / 1024.0, 0, 'f', 1));
    }
    const qint64 lastKb = ProcessStats::residentKb();
    const double growth = firstKb > 0 ? 100.0 * (lastKb - firstKb) / firstKb : 0;
    return {{QStringLiteral("resident memory after %1 → %2 apply-all cycles")
                     .arg(FirstMark)
                     .arg(cycles),
             QString::number(lastKb / 1024.0, 'f', 1) + QStringLiteral(" MB"),
             QString::number(firstKb / 1024.0, 'f', 1)
                     + QStringLiteral(" MB after %1").arg(FirstMark),
             QStringLiteral("%1%2 %").arg(growth >= 0 ? "+" : "").arg(growth, 0, 'f', 1),
             QStringLiteral("≤ +%1 %").arg(GrowthGoalPercent),
             Row::check(firstKb > 0 && growth <= GrowthGoalPercent)}};
}
