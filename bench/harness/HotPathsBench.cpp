#include "HotPathsBench.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

constexpr int TimeoutMs = 300000;

QString perCall(double value, const QString &unit)
{
    // Google Benchmark reports ns, us or ms; shown in the unit that keeps 3 figures readable.
    double ns = value;
    if (unit == QLatin1String("us"))
        ns *= 1e3;
    else if (unit == QLatin1String("ms"))
        ns *= 1e6;
    if (ns < 1e3)
        return QString::number(ns, 'f', 1) + QStringLiteral(" ns");
    if (ns < 1e6)
        return QString::number(ns / 1e3, 'f', 2) + QStringLiteral(" µs");
    return QString::number(ns / 1e6, 'f', 2) + QStringLiteral(" ms");
}

} // namespace

QList<Row> hotPathsBench(int minTimeTenths)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(K3_HOTPATHS_PROGRAM),
                  {QStringLiteral("--benchmark_format=json"),
                   QStringLiteral("--benchmark_min_time=%1").arg(minTimeTenths / 10.0)});
    if (!process.waitForFinished(TimeoutMs) || process.exitCode() != 0) {
        note(QStringLiteral("hotpaths: k3bench-hotpaths failed"));
        return {};
    }
    QList<Row> rows;
    const QJsonArray benchmarks =
            QJsonDocument::fromJson(process.readAllStandardOutput())["benchmarks"].toArray();
    for (const QJsonValue &entry : benchmarks) {
        const QJsonObject b = entry.toObject();
        rows.append(
                {QStringLiteral("hot path %1: %2").arg(b["name"].toString(), b["label"].toString()),
                 perCall(b["cpu_time"].toDouble(), b["time_unit"].toString())
                         + QStringLiteral(" CPU per call"),
                 QStringLiteral("%1 iterations").arg(b["iterations"].toInteger()), QString(),
                 QString(), Row::Met::NoGoal});
    }
    return rows;
}
