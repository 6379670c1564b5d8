#pragma once
// Day and month counts, the rates of the latest drills, the study log and the
// drill timer's tick.
//
// Year detail file (year + ".dat"): section = collection base name, "Check" =
// "1" once initialised, keys "1".."12" = count/rate value of each month.
// Day detail file (base + "_" + year-month + ".dat"): "Information" holds
// "PrevDay" (day of the last save) and "DayNum" (day section in use); each
// day section "1", "2", ... holds "Date" = "m/d" and "m/d" = count/rate value.
// Recent drill file ("Temp.dat"): section = base name, "Check", "Count" (slot
// of the last drill written) and "1".."12" = rate of a finished drill.
// A count/rate value is "asked,correct,rate".
#include <QString>
#include <QStringList>

#include "platform/DateStrings.h"

struct Settings;

// The counters the main window holds between loading and saving the details.
struct StudyDetailState
{
    int MonthAsked = 0;
    int MonthAtari = 0;
    QString MonthRate = QStringLiteral("0");
    int DayAsked = 0;
    int DayAtari = 0;
    QString DayRate = QStringLiteral("0");
    int PrevDay = 0;       // day of month of the last save
    int DayNum = 1;        // day section in use
    int NowCount = 0;      // recent-drill slot last written (0 = none yet)

    // Date the month and day counts were loaded for. The saves write the
    // counts under this date, so that counts loaded before midnight (a result
    // dialog left open) are not booked to the next day or month.
    bool Loaded = false;
    DateStrings LoadedDates;
};

// --- count/rate values --------------------------------------------------------
struct CountRateValue
{
    int Asked = 0;
    int Atari = 0;
    QString Rate = QStringLiteral("0"); // stored third field ("0" when missing)
    bool Valid = false;                 // false: did not start with two counts
};
// A value that does not start with two non-negative decimal counts joined by
// "," reads as 0,0 (Valid false); the next save rewrites it from the counts.
CountRateValue ParseCountRate(const QString &text);
// asked + "," + correct + "," + rate
QString CountRateText(int asked, int atari, const QString &rate);

// --- per judged answer ------------------------------------------------------------
// Month counts of the current collection from the year detail file.
void GetYearDetail(const Settings &settings, const DateStrings &dates, StudyDetailState &state);
// Day counts from the day detail file; moves to the next day section when the
// stored previous day is not today.
void GetDayDetail(const Settings &settings, const DateStrings &dates, StudyDetailState &state);
// asked + 1 for month and day, correct + 1 when right, both rates recomputed.
void CountDetailAnswer(StudyDetailState &state, bool correct);
// An answer accepted afterwards: correct + 1 for month and day, rates recomputed.
void AcceptDetailAnswer(StudyDetailState &state);

// --- after every answer submission --------------------------------------------------
bool SaveDayDetail(const Settings &settings, const DateStrings &dates,
                   const StudyDetailState &state, QString *error = nullptr);
// The first save of a collection in a year writes all twelve months.
bool SaveYearDetail(const Settings &settings, const DateStrings &dates,
                    const StudyDetailState &state, QString *error = nullptr);
// "今月の正解率 ： " + month rate + "％"
QString MonthRateStatusText(const StudyDetailState &state);

// --- end of a drill ---------------------------------------------------------------------
// Recent-drill slot of the collection in use, read once at start-up ("Count").
int LoadRecentDrillSlot(const Settings &settings);
// Advances state.NowCount (after 12 comes 1) and writes the drill's rate into
// that slot of the current collection; the first save fills all slots.
bool SaveNowDetail(const Settings &settings, StudyDetailState &state, const QString &drillRate,
                   QString *error = nullptr);

// The lines one finished drill adds to the study log (the last one empty).
QStringList StudyLogLines(const Settings &settings, const DateStrings &dates,
                          const QString &startTime, int questionNum, int atariCount,
                          int hazureCount, const QString &drillRate);
// Appends those lines to the month's study log (the caller checks MakeLogFile).
bool MakeStudyLog(const Settings &settings, const DateStrings &dates, const QString &startTime,
                  int questionNum, int atariCount, int hazureCount, const QString &drillRate,
                  QString *error = nullptr);

// --- drill timer ----------------------------------------------------------------------------
// " ： " + remaining + " / " + limit + " 秒" when self-scoring, "秒" without
// the space in time-limit mode.
QString DrillTimerLabel(int remaining, int limit, bool selfStudy);

struct TimerTick
{
    QString label;   // new lblTime text (empty when submit)
    int progress = 0; // new cgTime position
    bool submit = false; // the time is up: stop the timer and press Result
};
// One second of the countdown. While time remains it counts RemainingSeconds
// down and gives the new label and gauge position; once it is 0 the tick asks
// for the answer to be submitted.
TimerTick DrillTimerTick(int &RemainingSeconds, bool selfStudy, int limit);
