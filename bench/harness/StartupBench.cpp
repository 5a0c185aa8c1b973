#include "StartupBench.h"

#include "ProcessStats.h"
#include "Stats.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

namespace {

constexpr double StartupGoal = 1.5;
constexpr double MemoryGoal = 1.5;
constexpr int RunTimeoutMs = 60000;

struct Sample
{
    double startupMs;
    double cpuMs;
    double waitMs; // the GUI thread, for a CPU other processes held
    double peakMb;
};

struct Candidate
{
    QString label;
    QString path;
    QProcessEnvironment env;
    QList<double> startupMs;
    QList<double> peakMb;
};

QString megabytes(double mb)
{
    return QString::number(mb, 'f', 1) + QStringLiteral(" MB");
}

// One start of a program with the probe preloaded; nothing when it does not get to `run`.
std::optional<Sample> runOnce(const QString &program, const QProcessEnvironment &extra,
                              const QString &probeOut)
{
    QFile::remove(probeOut);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : extra.keys())
        env.insert(name, extra.value(name));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(K3_STARTUP_PROBE));
    env.insert(QStringLiteral("K3_PROBE_OUT"), probeOut);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    const qint64 started = ProcessStats::monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(RunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        note(QStringLiteral("startup: %1 did not end").arg(program));
        return std::nullopt;
    }
    QFile out(probeOut);
    if (!out.open(QIODevice::ReadOnly)) {
        note(QStringLiteral("startup: %1 ended without reaching run").arg(program));
        return std::nullopt;
    }
    const QList<QByteArray> fields = out.readAll().trimmed().split(' ');
    if (fields.size() != 5)
        return std::nullopt;
    return Sample{(fields[0].toLongLong() - started) / 1e6, fields[1].toLongLong() / 1e6,
                  fields[2].toLongLong() / 1e6, fields[4].toLongLong() / 1024.0};
}

} // namespace

QList<Row> startupBench(int runs)
{
    QTemporaryDir folder;
    const QString probeOut = folder.filePath(QStringLiteral("probe.txt"));
    QProcessEnvironment software;
    software.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    // The yardstick as Qt sets it up by default, and the same program on the renderer k3config uses.
    QList<Candidate> candidates{
            {QStringLiteral("k3config-demo"), QStringLiteral(K3_DEMO_PROGRAM), {}, {}, {}},
            {QStringLiteral("minimal"), QStringLiteral(K3_MINIMAL_PROGRAM), {}, {}, {}},
            {QStringLiteral("minimal, software renderer"),
             QStringLiteral(K3_MINIMAL_PROGRAM),
             software,
             {},
             {}},
    };
    // One unmeasured start each fills the file cache; then they take turns, each going first in turn.
    for (const Candidate &c : candidates)
        runOnce(c.path, c.env, probeOut);
    for (int run = 0; run < runs; ++run) {
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            Candidate &c = candidates[(run + i) % candidates.size()];
            if (const std::optional<Sample> s = runOnce(c.path, c.env, probeOut)) {
                c.startupMs.append(s->startupMs);
                c.peakMb.append(s->peakMb);
                note(QStringLiteral(
                             "startup: %1 %2 ms (CPU %3 ms, waited %4 ms for a CPU), peak %5 MB")
                             .arg(c.label, QString::number(s->startupMs, 'f', 1),
                                  QString::number(s->cpuMs, 'f', 1),
                                  QString::number(s->waitMs, 'f', 1),
                                  QString::number(s->peakMb, 'f', 1)));
            }
        }
    }
    const Candidate &demo = candidates[0];
    const double demoMs = Stats::median(demo.startupMs);
    const double demoMb = Stats::median(demo.peakMb);
    const QString runsText =
            QStringLiteral(" (median of %1/%2 runs)").arg(demo.startupMs.size()).arg(runs);
    QList<Row> rows;
    for (qsizetype i = 1; i < candidates.size(); ++i) {
        const Candidate &c = candidates[i];
        const bool yardstick = i == 1;
        const bool complete = demo.startupMs.size() == runs && c.startupMs.size() == runs;
        const double ms = Stats::median(c.startupMs);
        const double mb = Stats::median(c.peakMb);
        const double timeRatio = ms > 0 ? demoMs / ms : 0;
        const double memoryRatio = mb > 0 ? demoMb / mb : 0;
        rows.append(
                {QStringLiteral("start-up to QML run") + runsText, formatMs(demoMs, 0),
                 formatMs(ms, 0) + u' ' + c.label, formatRatio(timeRatio),
                 yardstick ? QStringLiteral("≤ %1").arg(StartupGoal) : QString(),
                 yardstick ? Row::check(complete && timeRatio <= StartupGoal) : Row::Met::NoGoal});
        rows.append(
                {QStringLiteral("peak resident memory at start-up") + runsText, megabytes(demoMb),
                 megabytes(mb) + u' ' + c.label, formatRatio(memoryRatio),
                 yardstick ? QStringLiteral("≤ %1").arg(MemoryGoal) : QString(),
                 yardstick ? Row::check(complete && memoryRatio <= MemoryGoal) : Row::Met::NoGoal});
    }
    return rows;
}
