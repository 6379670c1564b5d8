#include "CorrectRate.h"

namespace {
QString general15(double v)
{
    return QString::number(v, 'g', 15);
}
}

QString CorrectRate(qint64 correct, qint64 asked)
{
    return QString::number(CorrectRateValue(correct, asked));
}

int CorrectRateValue(qint64 correct, qint64 asked)
{
    if (asked <= 0)
        return 0;
    const QString quotient = general15(double(correct) / double(asked));
    const QString percent = general15(quotient.toDouble() * 100.0);
    if (percent.contains(QLatin1Char('e')) || percent.contains(QLatin1Char('E')))
        return percent.toDouble() >= 1.0 ? int(percent.toDouble()) : 0; // only tiny rates
    const int dot = percent.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return percent.toInt();
    int whole = percent.left(dot).toInt();
    const QChar first = dot + 1 < percent.size() ? percent.at(dot + 1) : QLatin1Char('0');
    if (first >= QLatin1Char('5'))
        ++whole;
    return whole;
}
