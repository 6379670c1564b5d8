#include "BenchTable.h"

#include <QStringList>

#include <algorithm>

double BenchTable::median(QVector<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return v < 0; }),
                 values.end());
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const int n = int(values.size());
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

void BenchTable::add(const QString &figure, const QVector<double> &values,
                     const QVector<double> &floor, const QString &floorName, Goal goal, double a,
                     double b, const QString &unit)
{
    Row r;
    r.figure = figure;
    r.floorName = floorName;
    r.unit = unit;
    r.median = median(values);
    r.floor = median(floor);
    r.runs = int(values.size());
    const double ratio = r.floor > 0 ? r.median / r.floor : 0;
    const bool measured = r.median >= 0;
    switch (goal) {
    case None:
        break;
    case RatioAtMost:
        r.hasGoal = true;
        r.goalText = QStringLiteral("<= %1x").arg(a);
        r.met = measured && r.floor > 0 && ratio <= a;
        break;
    case MedianAtMostMs:
        r.hasGoal = true;
        r.goalText = QStringLiteral("<= %1 %2").arg(a).arg(unit);
        r.met = measured && r.median <= a;
        break;
    case MedianAndRatioAtMost:
        r.hasGoal = true;
        r.goalText = QStringLiteral("<= %1 %2, <= %3x").arg(a).arg(unit).arg(b);
        r.met = measured && r.median <= a && r.floor > 0 && ratio <= b;
        break;
    }
    m_rows.append(r);
}

QString BenchTable::render() const
{
    const QStringList head{QStringLiteral("figure"), QStringLiteral("median"), QStringLiteral("floor"),
                           QStringLiteral("floor is"), QStringLiteral("ratio"), QStringLiteral("goal"),
                           QStringLiteral("met")};
    QVector<QStringList> cells;
    for (const Row &r : m_rows) {
        auto number = [&](double v) {
            return v < 0 ? QStringLiteral("failed")
                         : QString::number(v, 'f', v < 10 ? 2 : 1) + QLatin1Char(' ') + r.unit;
        };
        cells.append({r.figure, number(r.median), number(r.floor), r.floorName,
                      r.floor > 0 && r.median >= 0
                          ? QString::number(r.median / r.floor, 'f', 2) + QLatin1Char('x')
                          : QStringLiteral("-"),
                      r.hasGoal ? r.goalText : QStringLiteral("-"),
                      r.hasGoal ? (r.met ? QStringLiteral("yes") : QStringLiteral("NO"))
                                : QStringLiteral("-")});
    }
    QVector<int> width(head.size());
    for (int c = 0; c < head.size(); ++c) {
        width[c] = int(head.at(c).size());
        for (const QStringList &row : cells)
            width[c] = qMax(width[c], int(row.at(c).size()));
    }
    auto line = [&](const QStringList &row) {
        QString s = QStringLiteral("|");
        for (int c = 0; c < row.size(); ++c)
            s += QLatin1Char(' ') + row.at(c).leftJustified(width[c]) + QStringLiteral(" |");
        return s + QLatin1Char('\n');
    };
    QString out = line(head);
    QStringList rule;
    for (int w : width)
        rule.append(QString(w, QLatin1Char('-')));
    out += line(rule);
    for (const QStringList &row : cells)
        out += line(row);
    return out;
}

bool BenchTable::allMet() const
{
    for (const Row &r : m_rows)
        if (r.hasGoal && !r.met)
            return false;
    return true;
}
