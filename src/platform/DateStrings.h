#pragma once
// The six date texts of the main window, refreshed by its date timer and
// used as "now" by the records.
#include <QDateTime>
#include <QString>

struct DateStrings
{
    QString Year;       // "yyyy", e.g. "2001"
    QString Month;      // month without leading zero, "3"
    QString Day;        // day without leading zero, "9"
    QString MonthDay;   // "3/9"
    QString YearMonth;  // year followed by month without leading zero, "20013"
    QString Time;       // "h：n：ss" with full-width colons, "14：5：07"

    static DateStrings from(const QDateTime &t);
    // Time of day in the drill/log format: hour and minute without leading
    // zero, seconds with two digits, joined by full-width colons.
    static QString timeText(const QTime &t);
};
