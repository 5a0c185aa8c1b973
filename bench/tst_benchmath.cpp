#include "FrameDrops.h"
#include "Report.h"
#include "Stats.h"
#include "WireFloor.h"

#include <QTest>

namespace {

constexpr qint64 Ms = 1000000;

// Reports as a run of 'F' (command block) and 'D' (data report), 1 ms apart.
QList<WireFloor::Report> reports(const char *kinds)
{
    QList<WireFloor::Report> out;
    for (qint64 i = 0; kinds[i]; ++i)
        out.append({i * Ms, kinds[i] == 'D'});
    return out;
}

QList<FrameDrops::Frame> frames(const QList<double> &atMs, const QList<double> &waitedMs = {})
{
    QList<FrameDrops::Frame> out;
    for (qsizetype i = 0; i < atMs.size(); ++i)
        out.append({qint64(atMs[i] * Ms), qint64(waitedMs.value(i) * Ms)});
    return out;
}

} // namespace

class BenchMathTest : public QObject
{
    Q_OBJECT
private slots:
    void protocolFloor_data();
    void protocolFloor();
    void lateFramesAndWhoseFaultTheyAre();
    void medianAndWorst();
    void rowsTravelBetweenPartsAsLines();
};

void BenchMathTest::protocolFloor_data()
{
    QTest::addColumn<QByteArray>("kinds");
    QTest::addColumn<double>("floorMs");
    QTest::newRow("nothing") << QByteArray() << 0.0;
    QTest::newRow("one block") << QByteArray("F") << 0.0;
    // The pause after the last data report delays nothing.
    QTest::newRow("key matrix") << QByteArray("FDDFDD") << 32.0;
    QTest::newRow("palette and effect") << QByteArray("FDF") << 16.0;
    QTest::newRow("blocks without data") << QByteArray("FFF") << 16.0;
    QTest::newRow("picture apply") << QByteArray("FDFDDFDDFDDFFDDFDD") << 128.0;
}

void BenchMathTest::protocolFloor()
{
    QFETCH(QByteArray, kinds);
    QFETCH(double, floorMs);
    QCOMPARE(WireFloor::floorMs(reports(kinds.constData())), floorMs);
}

void BenchMathTest::lateFramesAndWhoseFaultTheyAre()
{
    // Every frame period, and one frame missed: 50 ms after the one before.
    FrameDrops::Count c = FrameDrops::count(frames({0, 16.7, 33.4, 83.4, 100}), 7);
    QCOMPARE(c.late, 1);
    QCOMPARE(c.dropped, 1);
    QCOMPARE(c.longestGapMs, 50.0);

    // The same gap while the GUI thread waited 30 ms for a CPU: late, not dropped.
    c = FrameDrops::count(frames({0, 16.7, 33.4, 83.4}, {0, 0, 0, 30}), 7);
    QCOMPARE(c.late, 1);
    QCOMPARE(c.dropped, 0);

    // A slow effect wants a frame per tick only: 48 ms apart at a 37 ms tick is on time.
    c = FrameDrops::count(frames({0, 48, 96, 144}), 37);
    QCOMPARE(c.late, 0);
    QCOMPARE(FrameDrops::count(frames({0, 60}), 37).late, 1);
    QCOMPARE(FrameDrops::count({}, 7).longestGapMs, 0.0);
}

void BenchMathTest::medianAndWorst()
{
    QCOMPARE(Stats::median({}), 0.0);
    QCOMPARE(Stats::median({5, 1, 3}), 3.0);
    QCOMPARE(Stats::median({4, 1, 3, 2}), 2.5);
    QCOMPARE(Stats::maximum({2, 9, 4}), 9.0);
    QCOMPARE(Stats::maximum({}), 0.0);
}

// Each part prints its rows as lines; `k3bench all` reads them back into one table.
void BenchMathTest::rowsTravelBetweenPartsAsLines()
{
    const Row sent{"apply-all click → last report",
                   "40.1 ms",
                   "56.0 ms protocol floor",
                   "0.72",
                   "≤ 1.1",
                   Row::Met::No};
    Row read;
    QVERIFY(Row::fromLine(sent.toLine(), read));
    QCOMPARE(read.measure, sent.measure);
    QCOMPARE(read.reference, sent.reference);
    QCOMPARE(read.goal, sent.goal);
    QCOMPARE(read.met, Row::Met::No);
    QVERIFY(Row::fromLine(Row{"idle", "0.1 %", "", "", "", Row::Met::NoGoal}.toLine(), read));
    QCOMPARE(read.met, Row::Met::NoGoal);
    // Messages a part prints on standard output are no rows.
    QVERIFY(!Row::fromLine("Connect 0", read));

    const QStringList lines = table({sent, read}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[3].contains("| idle "));
    QVERIFY(lines[1].startsWith("|--"));
    for (const QString &line : lines)
        QCOMPARE(line.size(), lines[0].size());
    QVERIFY(lines[2].contains("**no**"));
}

QTEST_GUILESS_MAIN(BenchMathTest)

#include "tst_benchmath.moc"
