#include "DateStrings.h"

DateStrings DateStrings::from(const QDateTime &t)
{
    DateStrings d;
    const QDate date = t.date();
    d.Year = QString::number(date.year());
    d.Month = QString::number(date.month());
    d.Day = QString::number(date.day());
    d.MonthDay = d.Month + QLatin1Char('/') + d.Day;
    d.YearMonth = d.Year + d.Month;
    d.Time = timeText(t.time());
    return d;
}

QString DateStrings::timeText(const QTime &t)
{
    return QString::number(t.hour()) + QStringLiteral("：") + QString::number(t.minute())
           + QStringLiteral("：") + QStringLiteral("%1").arg(t.second(), 2, 10, QLatin1Char('0'));
}
