// The day, year and recent-drill files and the study log: whatever they
// hold, the counts of an answer are loaded, counted and saved so that they
// read back as saved, other collections' and days' values stay, and the
// log only grows by its own lines.
#include "FuzzSupport.h"

#include "platform/DateStrings.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "records/RecordPaths.h"
#include "records/StudyDetails.h"
#include "settings/Settings.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int options = in.byte();
    const int dayPick = in.byte();
    // The base name comes from a collection's file name: one line, no "/",
    // and base name + ".txt" fits in a file name (255 bytes).
    const QString base = TextFile::splitLines(TextFile::decode(in.piece())).value(0);
    const QByteArray yearBytes = in.piece();
    const QByteArray dayBytes = in.piece();
    const QByteArray tempBytes = in.piece();
    const QByteArray logBytes = in.rest();
    if (base.contains(QLatin1Char('/')) || base.contains(QLatin1Char('\\')) || base.contains(QLatin1Char('\0'))
        || !fitsOnDisk(base + QStringLiteral(".txt")))
        return 0;

    const QString folder = Scratch::instance().reset();
    Settings s;
    s.ProgramFolder = folder;
    s.UserName = QStringLiteral("u");
    s.QuestionBaseName = base;
    const DateStrings dates = DateStrings::from(
        QDateTime(QDate(2001 + (options >> 4), 1 + dayPick % 12, 1 + dayPick % 28), QTime(14, 5, 7)));
    writeFile(YearDetailFile(s, dates), yearBytes);
    // The day file's name is longer than the collection's: for the longest
    // names it cannot exist, and saving the day counts fails with a message.
    const bool dayFits = fitsOnDisk(Paths::fileName(DayDetailFile(s, dates)));
    if (dayFits)
        writeFile(DayDetailFile(s, dates), dayBytes);
    writeFile(TempFile(s), tempBytes);
    writeFile(StudyLogFile(s, dates), logBytes);
    const QVector<IniValue> yearBefore = iniValues(YearDetailFile(s, dates));
    const QVector<IniValue> dayBefore = iniValues(DayDetailFile(s, dates));
    const QVector<IniValue> tempBefore = iniValues(TempFile(s));

    // One answer: load, count, save, load again.
    StudyDetailState state;
    GetYearDetail(s, dates, state);
    GetDayDetail(s, dates, state);
    const StudyDetailState loaded = state;
    FUZZ_CHECK(state.MonthAsked >= 0 && state.MonthAtari >= 0 && state.DayAsked >= 0
                   && state.DayAtari >= 0 && state.DayNum >= 1,
               QStringLiteral("negative count or day section"));
    CountDetailAnswer(state, options & 1);
    if (options & 2)
        AcceptDetailAnswer(state);
    FUZZ_CHECK(state.MonthAsked >= loaded.MonthAsked && state.DayAsked >= loaded.DayAsked
                   && state.MonthAtari >= loaded.MonthAtari && state.DayAtari >= loaded.DayAtari,
               QStringLiteral("a count went down (wrapped)"));
    QString error;
    FUZZ_CHECK(SaveDayDetail(s, dates, state, &error) == dayFits, error);
    FUZZ_CHECK(dayFits || !error.isEmpty(), QStringLiteral("day counts not saved, no message"));
    FUZZ_CHECK(SaveYearDetail(s, dates, state, &error), error);

    StudyDetailState again;
    GetYearDetail(s, dates, again);
    GetDayDetail(s, dates, again);
    FUZZ_CHECK(again.MonthAsked == state.MonthAsked && again.MonthAtari == state.MonthAtari,
               QStringLiteral("month %1,%2 saved, %3,%4 read (base %5)")
                   .arg(state.MonthAsked).arg(state.MonthAtari).arg(again.MonthAsked)
                   .arg(again.MonthAtari).arg(shown(base)));
    FUZZ_CHECK(!dayFits
                   || (again.DayNum == state.DayNum && again.DayAsked == state.DayAsked
                       && again.DayAtari == state.DayAtari),
               QStringLiteral("day section %1 %2,%3 saved, %4 %5,%6 read")
                   .arg(state.DayNum).arg(state.DayAsked).arg(state.DayAtari)
                   .arg(again.DayNum).arg(again.DayAsked).arg(again.DayAtari));

    // Other collections' months and other days stay.
    checkIniKept(yearBefore, YearDetailFile(s, dates), [&](const QString &sec, const QString &) {
        return sameIniName(sec, base);
    });
    checkIniKept(dayBefore, DayDetailFile(s, dates), [&](const QString &sec, const QString &) {
        return sameIniName(sec, QStringLiteral("Information"))
               || sameIniName(sec, QString::number(state.DayNum));
    });

    // A finished drill goes into the next recent-drill slot.
    state.NowCount = LoadRecentDrillSlot(s);
    const int slot = state.NowCount;
    const QString rate = QString::number(options * 7 % 101);
    FUZZ_CHECK(SaveNowDetail(s, state, rate, &error), error);
    FUZZ_CHECK(state.NowCount >= 1 && state.NowCount <= 12, QString::number(state.NowCount));
    FUZZ_CHECK(state.NowCount == (slot >= 1 && slot < 12 ? slot + 1 : 1), QString::number(slot));
    FUZZ_CHECK(LoadRecentDrillSlot(s) == state.NowCount,
               QStringLiteral("slot %1 saved, %2 read (base %3)")
                   .arg(state.NowCount).arg(LoadRecentDrillSlot(s)).arg(shown(base)));
    checkIniKept(tempBefore, TempFile(s), [&](const QString &sec, const QString &) {
        return sameIniName(sec, base);
    });

    // The study log: the old lines, then the drill's.
    QStringList logBefore;
    TextFile::readLines(StudyLogFile(s, dates), logBefore);
    const QStringList added = StudyLogLines(s, dates, QStringLiteral("14：0：00"), 10, 7, 3, rate);
    FUZZ_CHECK(MakeStudyLog(s, dates, QStringLiteral("14：0：00"), 10, 7, 3, rate, &error), error);
    QStringList logAfter;
    TextFile::readLines(StudyLogFile(s, dates), logAfter);
    FUZZ_CHECK(logAfter == logBefore + added, QStringLiteral("study log lines"));

    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    FUZZ_CHECK(filesBelow(folder).size() == (dayFits ? 5 : 4), filesBelow(folder).join(QLatin1Char(',')));
    return 0;
}
