#include "Report.h"

#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int Fields = 6;

QString metText(Row::Met met)
{
    switch (met) {
    case Row::Met::Yes:
        return QStringLiteral("yes");
    case Row::Met::No:
        return QStringLiteral("**no**");
    case Row::Met::NoGoal:
        break;
    }
    return QString();
}

} // namespace

QString Row::toLine() const
{
    const QString metField = met == Met::Yes  ? QStringLiteral("yes")
                             : met == Met::No ? QStringLiteral("no")
                                              : QString();
    return QStringList{measure, figure, reference, ratio, goal, metField}.join(u'\t');
}

bool Row::fromLine(const QString &line, Row &row)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != Fields)
        return false;
    row = {fields[0],
           fields[1],
           fields[2],
           fields[3],
           fields[4],
           fields[5] == QLatin1String("yes")  ? Met::Yes
           : fields[5] == QLatin1String("no") ? Met::No
                                              : Met::NoGoal};
    return true;
}

void printRows(const QList<Row> &rows)
{
    QTextStream out(stdout);
    for (const Row &row : rows)
        out << row.toLine() << '\n';
    out.flush();
}

QString table(const QList<Row> &rows)
{
    QList<QStringList> cells{{QStringLiteral("measure"), QStringLiteral("k3config"),
                              QStringLiteral("compared with"), QStringLiteral("ratio"),
                              QStringLiteral("goal"), QStringLiteral("met")}};
    for (const Row &row : rows)
        cells.append(
                {row.measure, row.figure, row.reference, row.ratio, row.goal, metText(row.met)});
    QList<qsizetype> widths(Fields, 3);
    for (const QStringList &line : cells)
        for (int i = 0; i < Fields; ++i)
            widths[i] = std::max(widths[i], line[i].size());
    QString text;
    for (int n = 0; n < cells.size(); ++n) {
        QStringList padded;
        for (int i = 0; i < Fields; ++i)
            padded.append(cells[n][i].leftJustified(widths[i]));
        text += QStringLiteral("| ") + padded.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
        if (n == 0) {
            QStringList rule;
            for (int i = 0; i < Fields; ++i)
                rule.append(QString(widths[i], u'-'));
            text += QStringLiteral("|-") + rule.join(QStringLiteral("-|-"))
                    + QStringLiteral("-|\n");
        }
    }
    return text;
}

void note(const QString &text)
{
    QTextStream err(stderr);
    err << text << '\n';
    err.flush();
}

QString formatMs(double ms, int decimals)
{
    return QString::number(ms, 'f', decimals) + QStringLiteral(" ms");
}

QString formatRatio(double ratio)
{
    return QString::number(ratio, 'f', 2);
}
