#pragma once
// The study plan: up to five dated goals of a user, kept in Setup.ini
// section [Plan]: PlanNum = the number of goals, keys 0 .. PlanNum-1 one goal
// each as purpose + "," + year/month/day (no leading zeros: "英検,2001/3/9").
// Only the first goal is counted down; the list keeps the user's order.
#include <QDate>
#include <QList>
#include <QString>

class IniFile;

struct PlanItem
{
    QString Purpose;
    QString DateText;    // "2001/3/9"
};

// The most goals a plan holds.
constexpr int kPlanMaxItems = 5;
// The purpose takes at most this many CP932 bytes (10 full-width characters).
constexpr int kPlanPurposeMaxBytes = 20;

// "purpose,date": the purpose is the text before the first ",", the date the
// rest.
PlanItem ParsePlanItem(const QString &value);
QString PlanItemValue(const PlanItem &item);

// The date text year + "/" + month + "/" + day.
QString PlanDateText(int year, int month, int day);
// Reads a date text: year before the first "/", month up to the second "/",
// day after it. An invalid date (missing parts, not numbers, 2001/2/30) is a
// null QDate.
QDate PlanDate(const QString &dateText);
// Whole days from `today` to the goal's day: 0 today, negative when past.
// *ok is false (and 0 returned) when the date cannot be read.
int PlanRemainingDays(const PlanItem &item, const QDate &today, bool *ok = nullptr);

// A purpose the editor accepts: at most 20 CP932 bytes and no "," (which
// would end the purpose early when the goal is read back).
bool PlanPurposeAcceptable(const QString &purpose);

// Texts the user sees.
QString PlanCountdownText(const QString &purpose, int days);   // "英検まで、あと 3日"
QString PlanTodayText(const QString &purpose);                 // countdown's message on the day
QString PlanTodayCaption();                                    // "当日です"
QString PlanSummaryTodayText(const QString &purpose);          // start-up message on the day
QString PlanSummaryTodayCaption();                             // "当日"
QString PlanCaption();                                         // "スケジュール"
// The start-up closing message: a heading and one line per goal.
QString PlanClosingText(const QList<PlanItem> &items, const QDate &today);

// Reading and writing the [Plan] section of a user's Setup.ini.
QList<PlanItem> ReadPlan(const QString &setupIniPath);
// PlanNum = the number of goals, then keys 0 .. n-1.
void WritePlan(IniFile &ini, const QList<PlanItem> &items);
bool SavePlan(const QString &setupIniPath, const QList<PlanItem> &items, QString *error = nullptr);
// The first goal of the stored plan, when there is one.
bool ReadFirstPlanItem(const QString &setupIniPath, PlanItem *item);
// Drops the first goal: every key k = 1 .. PlanNum moves to k-1 and PlanNum
// falls by one. Nothing is written when the plan is empty.
bool RemoveFirstPlanItem(const QString &setupIniPath, QString *error = nullptr);

// What the date timer does with the first goal on a tick.
struct PlanTick
{
    enum Action { Nothing, Countdown, Today, Past, Unreadable };
    Action action = Nothing;
    PlanItem item;
    int days = 0;
    QString panelText;   // for Countdown
};
PlanTick PlanTickFor(const QString &setupIniPath, const QDate &today);
