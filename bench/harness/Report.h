#pragma once

#include <QList>
#include <QString>

// One line of the result table. Every part of the bench prints its rows as tab-separated
// lines on standard output; `k3bench all` gathers them into one table.
struct Row
{
    enum class Met { NoGoal, Yes, No };

    QString measure;
    QString figure;    // the program's figure
    QString reference; // what it is compared with, if anything
    QString ratio;
    QString goal;
    Met met = Met::NoGoal;

    static Met check(bool ok) { return ok ? Met::Yes : Met::No; }
    QString toLine() const;
    static bool fromLine(const QString &line, Row &row);
};

void printRows(const QList<Row> &rows);
// A Markdown table with a header.
QString table(const QList<Row> &rows);

// Progress and diagnostics of a part, on standard error.
void note(const QString &text);

QString formatMs(double ms, int decimals = 1);
QString formatRatio(double ratio);
