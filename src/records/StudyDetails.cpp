#include "records/StudyDetails.h"

#include "platform/CorrectRate.h"
#include "platform/IniFile.h"
#include "records/RecordFile.h"
#include "records/RecordPaths.h"
#include "records/RecordText.h"
#include "settings/Settings.h"

namespace {

const QString kZeroValue = QStringLiteral("0,0,0");
const QString kInformation = QStringLiteral("Information");
const QString kPrevDay = QStringLiteral("PrevDay");
const QString kDayNum = QStringLiteral("DayNum");
const QString kDate = QStringLiteral("Date");
const QString kCheck = QStringLiteral("Check");
const QString kCount = QStringLiteral("Count");
constexpr int kSlots = 12;

// The dates the held counts belong to.
const DateStrings &countDates(const StudyDetailState &state, const DateStrings &dates)
{
    return state.Loaded ? state.LoadedDates : dates;
}

QString dayKey(const DateStrings &dates)
{
    return dates.Month + QLatin1Char('/') + dates.Day;
}

} // namespace

CountRateValue ParseCountRate(const QString &text)
{
    CountRateValue v;
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() >= 2) {
        bool okAsked = false, okAtari = false;
        const int asked = fields.at(0).trimmed().toInt(&okAsked);
        const int atari = fields.at(1).trimmed().toInt(&okAtari);
        if (okAsked && okAtari && asked >= 0 && atari >= 0) {
            v.Asked = asked;
            v.Atari = atari;
            v.Valid = true;
        }
    }
    if (fields.size() >= 3) {
        const QString rate = fields.mid(2).join(QLatin1Char(',')).trimmed();
        if (!rate.isEmpty())
            v.Rate = rate;
    }
    return v;
}

QString CountRateText(int asked, int atari, const QString &rate)
{
    return QString::number(asked) + QLatin1Char(',') + QString::number(atari)
           + QLatin1Char(',') + rate;
}

void GetYearDetail(const Settings &settings, const DateStrings &dates, StudyDetailState &state)
{
    const RecordFile ini(YearDetailFile(settings, dates));
    const CountRateValue v = ParseCountRate(
        ini.readString(settings.QuestionBaseName, dates.Month, kZeroValue));
    state.MonthAsked = v.Asked;
    state.MonthAtari = v.Atari;
    state.MonthRate = CorrectRate(v.Atari, v.Asked);
    state.Loaded = true;
    state.LoadedDates = dates;
}

void GetDayDetail(const Settings &settings, const DateStrings &dates, StudyDetailState &state)
{
    const RecordFile ini(DayDetailFile(settings, dates));
    const int today = dates.Day.toInt();
    state.PrevDay = ini.readInt(kInformation, kPrevDay, today);
    state.DayNum = qMax(1, ini.readInt(kInformation, kDayNum, 1));
    const CountRateValue v = ParseCountRate(
        ini.readString(QString::number(state.DayNum), dayKey(dates), kZeroValue));
    state.DayAsked = v.Asked;
    state.DayAtari = v.Atari;
    state.DayRate = CorrectRate(v.Atari, v.Asked);
    if (state.PrevDay != today) {
        // A new study day: its counts start in a section of their own.
        AddOneToCount(state.DayNum);
        state.DayAsked = 0;
        state.DayAtari = 0;
        state.DayRate = QStringLiteral("0");
    }
    state.Loaded = true;
    state.LoadedDates = dates;
}

void CountDetailAnswer(StudyDetailState &state, bool correct)
{
    AddOneToCount(state.MonthAsked);
    AddOneToCount(state.DayAsked);
    if (correct) {
        AddOneToCount(state.MonthAtari);
        AddOneToCount(state.DayAtari);
    }
    state.MonthRate = CorrectRate(state.MonthAtari, state.MonthAsked);
    state.DayRate = CorrectRate(state.DayAtari, state.DayAsked);
}

void AcceptDetailAnswer(StudyDetailState &state)
{
    AddOneToCount(state.MonthAtari);
    AddOneToCount(state.DayAtari);
    state.MonthRate = CorrectRate(state.MonthAtari, state.MonthAsked);
    state.DayRate = CorrectRate(state.DayAtari, state.DayAsked);
}

bool SaveDayDetail(const Settings &settings, const DateStrings &dates,
                   const StudyDetailState &state, QString *error)
{
    const DateStrings &d = countDates(state, dates);
    RecordFile ini(DayDetailFile(settings, d));
    const QString section = QString::number(state.DayNum);
    ini.writeString(kInformation, kPrevDay, d.Day);
    ini.writeInt(kInformation, kDayNum, state.DayNum);
    ini.writeString(section, kDate, dayKey(d));
    ini.writeString(section, dayKey(d),
                    CountRateText(state.DayAsked, state.DayAtari, state.DayRate));
    return ini.save(error);
}

bool SaveYearDetail(const Settings &settings, const DateStrings &dates,
                    const StudyDetailState &state, QString *error)
{
    const DateStrings &d = countDates(state, dates);
    RecordFile ini(YearDetailFile(settings, d));
    const QString &section = settings.QuestionBaseName;
    const bool initialised = ini.readInt(section, kCheck, 0) != 0;
    ini.writeString(section, kCheck, QStringLiteral("1"));
    const int month = d.Month.toInt();
    for (int m = 1; m <= 12; ++m) {
        if (m == month)
            ini.writeString(section, QString::number(m),
                            CountRateText(state.MonthAsked, state.MonthAtari, state.MonthRate));
        else if (!initialised)
            ini.writeString(section, QString::number(m), kZeroValue);
    }
    return ini.save(error);
}

QString MonthRateStatusText(const StudyDetailState &state)
{
    return QStringLiteral("今月の正解率 ： ") + state.MonthRate + QStringLiteral("％");
}

int LoadRecentDrillSlot(const Settings &settings)
{
    const IniFile ini(TempFile(settings));
    return ini.readInt(settings.QuestionBaseName, kCount, 0);
}

bool SaveNowDetail(const Settings &settings, StudyDetailState &state, const QString &drillRate,
                   QString *error)
{
    // After 12 (or a value that is no slot at all) comes 1.
    state.NowCount = (state.NowCount >= 1 && state.NowCount < kSlots) ? state.NowCount + 1 : 1;
    IniFile ini(TempFile(settings));
    const QString &section = settings.QuestionBaseName;
    const bool initialised = ini.readInt(section, kCheck, 0) != 0;
    ini.writeString(section, kCheck, QStringLiteral("1"));
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (slot == state.NowCount)
            ini.writeString(section, QString::number(slot), drillRate);
        else if (!initialised)
            ini.writeString(section, QString::number(slot), QStringLiteral("0"));
    }
    ini.writeInt(section, kCount, state.NowCount);
    return ini.save(error);
}

QStringList StudyLogLines(const Settings &settings, const DateStrings &dates,
                          const QString &startTime, int questionNum, int atariCount,
                          int hazureCount, const QString &drillRate)
{
    const QString rule = QStringLiteral("======================================================="); // 55 "="
    const QString date = dates.MonthDay + QLatin1Char('/') + dates.Year + QStringLiteral("、   ");
    return {
        rule,
        QStringLiteral("学習開始 ： ") + date + startTime,
        QStringLiteral("学習終了 ： ") + date + dates.Time,
        QStringLiteral("問題集 ： ") + settings.QuestionBaseName,
        QStringLiteral("出題数 ： ") + QString::number(questionNum) + QStringLiteral("問"),
        QStringLiteral("正解数 ： ") + QString::number(atariCount) + QStringLiteral("問\t")
            + QStringLiteral("不正解数 ： ") + QString::number(hazureCount)
            + QStringLiteral("問\t") + QStringLiteral("正解率 ： ") + drillRate
            + QStringLiteral("％"),
        rule,
        QString(),
    };
}

bool MakeStudyLog(const Settings &settings, const DateStrings &dates, const QString &startTime,
                  int questionNum, int atariCount, int hazureCount, const QString &drillRate,
                  QString *error)
{
    return AppendRecordLines(StudyLogFile(settings, dates),
                             StudyLogLines(settings, dates, startTime, questionNum, atariCount,
                                           hazureCount, drillRate),
                             error);
}

QString DrillTimerLabel(int remaining, int limit, bool selfStudy)
{
    return QStringLiteral(" ： ") + QString::number(remaining) + QStringLiteral(" / ")
           + QString::number(limit) + (selfStudy ? QStringLiteral(" 秒") : QStringLiteral("秒"));
}

TimerTick DrillTimerTick(int &RemainingSeconds, bool selfStudy, int limit)
{
    TimerTick tick;
    if (RemainingSeconds > 0) {
        --RemainingSeconds;
        tick.progress = RemainingSeconds;
        tick.label = DrillTimerLabel(RemainingSeconds, limit, selfStudy);
    } else {
        tick.submit = true;
    }
    return tick;
}
