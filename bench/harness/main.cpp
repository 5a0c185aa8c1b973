// k3bench: the measurements of scripts/bench.sh. `k3bench all` runs every part in a fresh
// process of its own and prints one table; `k3bench <part> [count]` runs one part and prints
// its rows. Runs on an X display (Xvfb); the parts that need the program run it in-process
// on the emulated keyboard.
#include "ApplyBench.h"
#include "EmulatorWire.h"
#include "HotPathsBench.h"
#include "IdleBench.h"
#include "Machine.h"
#include "MemoryBench.h"
#include "PreviewBench.h"
#include "Report.h"
#include "StartupBench.h"

#include <QApplication>
#include <QDateTime>
#include <QProcess>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

struct Part
{
    int defaultCount;
    int quickCount; // for a quick look; the goals are set for the default counts
    std::function<QList<Row>(int)> run;
};

// The order of the table; each part runs in a fresh process of its own.
const char *const TableOrder[] = {"startup", "apply", "preview", "idle", "memory", "hotpaths"};

const std::map<QString, Part> &parts()
{
    static const std::map<QString, Part> all{
            {QStringLiteral("hotpaths"), {5, 1, hotPathsBench}},
            {QStringLiteral("startup"), {9, 3, startupBench}},
            {QStringLiteral("apply"), {7, 2, applyBench}},
            {QStringLiteral("preview"), {300, 50, previewBench}},
            {QStringLiteral("idle"), {60, 10, idleBench}},
            {QStringLiteral("memory"), {1000, 100, memoryBench}},
    };
    return all;
}

int usage()
{
    QStringList names;
    for (const auto &[name, part] : parts())
        names.append(name);
    note(QStringLiteral("usage: k3bench all [quick] | k3bench %1 [count]")
                 .arg(names.join(QStringLiteral(" | "))));
    return 2;
}

int runAll(bool quick)
{
    const QString loadBefore = Machine::loadAverage();
    const QDateTime started = QDateTime::currentDateTime();
    QList<Row> rows;
    bool complete = true;
    for (const char *name : TableOrder) {
        const Part &part = parts().at(QLatin1String(name));
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(),
                      {QLatin1String(name),
                       QString::number(quick ? part.quickCount : part.defaultCount)});
        process.waitForFinished(-1);
        complete = complete && process.exitCode() == 0;
        for (const QString &line :
             QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            Row row;
            if (Row::fromLine(line, row))
                rows.append(row);
        }
    }
    QTextStream out(stdout);
    out << "k3config performance, " << started.toString(Qt::ISODate)
        << (quick ? " (quick counts)" : "") << '\n'
        << Machine::description() << '\n'
        << "load average before " << loadBefore << ", after " << Machine::loadAverage() << "\n\n"
        << table(rows);
    if (!complete)
        out << "\nSome parts did not finish; see the messages above.\n";
    return complete ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    EmulatorWire::anchorClock();
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    if (args.first() == QLatin1String("all"))
        return runAll(args.value(1) == QLatin1String("quick"));
    const auto part = parts().find(args.first());
    if (part == parts().end())
        return usage();
    const int count = args.size() > 1 ? args[1].toInt() : part->second.defaultCount;
    const QList<Row> rows = part->second.run(count);
    printRows(rows);
    return rows.isEmpty() ? 1 : 0;
}
