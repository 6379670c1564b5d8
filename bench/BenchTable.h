#pragma once
// The benchmark's table: one row per figure with its median, the median of
// its floor measured in the same run, their ratio, the goal and whether the
// goal is met.
#include <QString>
#include <QVector>

class BenchTable
{
public:
    enum Goal {
        None,                 // shown for comparison only
        RatioAtMost,          // median / floor <= a
        MedianAtMostMs,       // median <= a
        MedianAndRatioAtMost, // median <= a and median / floor <= b
    };

    static double median(QVector<double> values);

    void add(const QString &figure, const QVector<double> &values, const QVector<double> &floor,
             const QString &floorName, Goal goal = None, double a = 0, double b = 0,
             const QString &unit = QStringLiteral("ms"));

    QString render() const;
    bool allMet() const;

private:
    struct Row
    {
        QString figure, floorName, unit, goalText;
        double median = 0, floor = 0;
        int runs = 0;
        bool hasGoal = false, met = false;
    };
    QVector<Row> m_rows;
};
