// Day and month counts and the recent-drill slots.
#include "platform/IniFile.h"
#include "records/RecordPaths.h"
#include "records/StudyDetails.h"
#include "records_support.h"

#include <QtTest>

class TestDetails : public QObject
{
    Q_OBJECT
private slots:
    void countRateValues_data();
    void countRateValues();
    void firstAnswerOfMonth();
    void nextDayTakesNextSection();
    void dayNumberNeverWraps();
    void sameDayNumberOtherMonthRestarts();
    void yearFirstSaveWritesAllMonths();
    void yearLaterSavesTouchCurrentMonthOnly();
    void handEditedValueRepaired();
    void countsLoadedBeforeMidnightStayOnTheirDay();
    void thirteenDrillsWrapToSlotOne();
    void collectionsShareSlotCounter();
    void slotReadAtStartUp_data();
    void slotReadAtStartUp();
    void collectionNamesReadBackExactly_data();
    void collectionNamesReadBackExactly();
};

namespace {

// One judged first answer followed by the saves of the result command.
void answer(const Settings &s, const DateStrings &d, StudyDetailState &st, bool correct,
            bool accepted = false)
{
    GetYearDetail(s, d, st);
    GetDayDetail(s, d, st);
    CountDetailAnswer(st, correct);
    if (accepted)
        AcceptDetailAnswer(st);
    QVERIFY(SaveDayDetail(s, d, st));
    QVERIFY(SaveYearDetail(s, d, st));
}

QString read(const QString &file, const QString &section, const QString &key)
{
    const QStringList lines = TextFile::splitLines(TextFile::decode(fileBytes(file)));
    bool inSection = false;
    for (const QString &l : lines) {
        if (l.startsWith(QLatin1Char('[')))
            inSection = l.compare(QLatin1Char('[') + section + QLatin1Char(']'),
                                  Qt::CaseInsensitive) == 0;
        else if (inSection && l.startsWith(key + QLatin1Char('='), Qt::CaseInsensitive))
            return l.mid(key.size() + 1);
    }
    return QStringLiteral("<none>");
}

QStringList yearLines(const QString &section, int month, const QString &value)
{
    QStringList l{QLatin1Char('[') + section + QLatin1Char(']'), QStringLiteral("Check=1")};
    for (int m = 1; m <= 12; ++m)
        l << QString::number(m) + QLatin1Char('=') + (m == month ? value : QStringLiteral("0,0,0"));
    return l;
}

} // namespace

void TestDetails::countRateValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("atari");
    QTest::addColumn<QString>("rate");
    QTest::newRow("plain") << "12,5,42" << true << 12 << 5 << "42";
    QTest::newRow("default") << "0,0,0" << true << 0 << 0 << "0";
    QTest::newRow("spaces") << " 3 , 2 ,67" << true << 3 << 2 << "67";
    QTest::newRow("no rate") << "3,2" << true << 3 << 2 << "0";
    QTest::newRow("words") << "abc" << false << 0 << 0 << "0";
    QTest::newRow("one number") << "7" << false << 0 << 0 << "0";
    QTest::newRow("second not a number") << "7,x,50" << false << 0 << 0 << "50";
    QTest::newRow("negative") << "-1,0,0" << false << 0 << 0 << "0";
    QTest::newRow("empty") << "" << false << 0 << 0 << "0";
    QTest::newRow("too big") << "99999999999,1,0" << false << 0 << 0 << "0";
}

void TestDetails::countRateValues()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, asked);
    QFETCH(int, atari);
    QFETCH(QString, rate);
    const CountRateValue v = ParseCountRate(text);
    QCOMPARE(v.Valid, valid);
    QCOMPARE(v.Asked, asked);
    QCOMPARE(v.Atari, atari);
    QCOMPARE(v.Rate, rate);
    if (valid)
        QCOMPARE(ParseCountRate(CountRateText(v.Asked, v.Atari, v.Rate)).Asked, asked);
}

void TestDetails::firstAnswerOfMonth()
{
    RecordsFolder f;
    StudyDetailState st;
    const DateStrings d = datesAt(2001, 3, 9);
    answer(f.settings, d, st, false);
    QCOMPARE(fileBytes(DayDetailFile(f.settings, d)),
             cp932Lines({"[Information]", "PrevDay=9", "DayNum=1", "[1]", "Date=3/9",
                         "3/9=1,0,0"}));
    answer(f.settings, d, st, true);
    QCOMPARE(fileBytes(DayDetailFile(f.settings, d)),
             cp932Lines({"[Information]", "PrevDay=9", "DayNum=1", "[1]", "Date=3/9",
                         "3/9=2,1,50"}));
    QCOMPARE(MonthRateStatusText(st), QStringLiteral("今月の正解率 ： 50％"));
    QCOMPARE(TextFile::encode(MonthRateStatusText(st)).right(2), QByteArray("\x81\x93"));
}

void TestDetails::dayNumberNeverWraps()
{
    RecordsFolder f;
    const DateStrings tenth = datesAt(2001, 3, 10);
    QVERIFY(TextFile::writeLines(DayDetailFile(f.settings, tenth),
                                 {"[Information]", "PrevDay=9", "DayNum=2147483647"}));
    StudyDetailState st;
    answer(f.settings, tenth, st, true);
    QCOMPARE(st.DayNum, 2147483647);
    QCOMPARE(read(DayDetailFile(f.settings, tenth), "Information", "DayNum"),
             QStringLiteral("2147483647"));
    QCOMPARE(read(DayDetailFile(f.settings, tenth), "2147483647", "3/10"), QStringLiteral("1,1,100"));
}

void TestDetails::nextDayTakesNextSection()
{
    RecordsFolder f;
    StudyDetailState st;
    answer(f.settings, datesAt(2001, 3, 9), st, true);
    answer(f.settings, datesAt(2001, 3, 9, 20), st, true);
    const DateStrings tenth = datesAt(2001, 3, 10);
    answer(f.settings, tenth, st, false);
    answer(f.settings, tenth, st, true, false);
    QCOMPARE(st.DayNum, 2);
    QCOMPARE(fileBytes(DayDetailFile(f.settings, tenth)),
             cp932Lines({"[Information]", "PrevDay=10", "DayNum=2", "[1]", "Date=3/9",
                         "3/9=2,2,100", "[2]", "Date=3/10", "3/10=2,1,50"}));
    // The month goes on counting across days.
    QCOMPARE(read(YearDetailFile(f.settings, tenth), "Question", "3"), QStringLiteral("4,3,75"));
}

void TestDetails::sameDayNumberOtherMonthRestarts()
{
    RecordsFolder f;
    StudyDetailState st;
    answer(f.settings, datesAt(2001, 3, 9), st, true);
    answer(f.settings, datesAt(2001, 3, 12), st, true);
    QCOMPARE(st.DayNum, 2);
    const DateStrings april = datesAt(2001, 4, 12);
    answer(f.settings, april, st, false);
    QCOMPARE(st.DayNum, 1);
    QCOMPARE(fileBytes(DayDetailFile(f.settings, april)),
             cp932Lines({"[Information]", "PrevDay=12", "DayNum=1", "[1]", "Date=4/12",
                         "4/12=1,0,0"}));
    // The March file keeps its two days.
    QCOMPARE(read(DayDetailFile(f.settings, datesAt(2001, 3, 1)), "Information", "DayNum"),
             QStringLiteral("2"));
}

void TestDetails::yearFirstSaveWritesAllMonths()
{
    RecordsFolder f;
    StudyDetailState st;
    const DateStrings d = datesAt(2001, 3, 9);
    answer(f.settings, d, st, true);
    QCOMPARE(fileBytes(YearDetailFile(f.settings, d)), cp932Lines(yearLines("Question", 3, "1,1,100")));
}

void TestDetails::yearLaterSavesTouchCurrentMonthOnly()
{
    RecordsFolder f;
    StudyDetailState st;
    const QString year = YearDetailFile(f.settings, datesAt(2001, 1, 1));
    // Another collection's section and a value kept from January.
    QStringList lines = yearLines("Question", 1, "8,4,50");
    lines.prepend(QStringLiteral("1=5,5,100"));
    lines.prepend(QStringLiteral("Check=1"));
    lines.prepend(QStringLiteral("[英文法]"));
    putBytes(year, cp932Lines(lines));

    answer(f.settings, datesAt(2001, 3, 9), st, false);
    answer(f.settings, datesAt(2001, 3, 9), st, true);
    QStringList expected = lines;
    expected[2 + 2 + 3] = QStringLiteral("3=2,1,50");
    QCOMPARE(fileBytes(year), cp932Lines(expected));

    // Another collection, first save this year: all its months written.
    Settings basic = f.settings;
    basic.QuestionBaseName = QStringLiteral("Basic");
    StudyDetailState other;
    answer(basic, datesAt(2001, 12, 31), other, true);
    QCOMPARE(fileBytes(year), cp932Lines(expected + yearLines("Basic", 12, "1,1,100")));
}

void TestDetails::handEditedValueRepaired()
{
    RecordsFolder f;
    const DateStrings d = datesAt(2001, 3, 9);
    putBytes(YearDetailFile(f.settings, d),
             cp932Lines(yearLines("Question", 3, "lots,of,answers")));
    putBytes(DayDetailFile(f.settings, d),
             cp932Lines({"[Information]", "PrevDay=9", "DayNum=1", "[1]", "Date=3/9",
                         "3/9=,5,"}));
    StudyDetailState st;
    answer(f.settings, d, st, true);
    QCOMPARE(read(YearDetailFile(f.settings, d), "Question", "3"), QStringLiteral("1,1,100"));
    QCOMPARE(read(DayDetailFile(f.settings, d), "1", "3/9"), QStringLiteral("1,1,100"));
}

void TestDetails::countsLoadedBeforeMidnightStayOnTheirDay()
{
    // The result dialog stays open over midnight at the end of a year.
    RecordsFolder f;
    StudyDetailState st;
    const DateStrings before = datesAt(2001, 12, 31, 23, 59, 59);
    const DateStrings after = datesAt(2002, 1, 1, 0, 0, 3);
    GetYearDetail(f.settings, before, st);
    GetDayDetail(f.settings, before, st);
    CountDetailAnswer(st, true);
    QVERIFY(SaveDayDetail(f.settings, after, st));
    QVERIFY(SaveYearDetail(f.settings, after, st));
    QCOMPARE(read(DayDetailFile(f.settings, before), "1", "12/31"), QStringLiteral("1,1,100"));
    QCOMPARE(read(YearDetailFile(f.settings, before), "Question", "12"),
             QStringLiteral("1,1,100"));
    QVERIFY(!QFileInfo::exists(DayDetailFile(f.settings, after)));
    QVERIFY(!QFileInfo::exists(YearDetailFile(f.settings, after)));
    // The next answer belongs to the new day, month and year.
    answer(f.settings, after, st, false);
    QCOMPARE(read(DayDetailFile(f.settings, after), "1", "1/1"), QStringLiteral("1,0,0"));
    QCOMPARE(read(YearDetailFile(f.settings, after), "Question", "1"), QStringLiteral("1,0,0"));
}

void TestDetails::thirteenDrillsWrapToSlotOne()
{
    RecordsFolder f;
    StudyDetailState st;
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("70")));
    QStringList first{"[Question]", "Check=1", "1=70"};
    for (int i = 2; i <= 12; ++i)
        first << QString::number(i) + QStringLiteral("=0");
    first << QStringLiteral("Count=1");
    QCOMPARE(fileBytes(TempFile(f.settings)), cp932Lines(first));

    for (int drill = 2; drill <= 13; ++drill)
        QVERIFY(SaveNowDetail(f.settings, st, QString::number(drill)));
    QCOMPARE(st.NowCount, 1);
    QCOMPARE(read(TempFile(f.settings), "Question", "Count"), QStringLiteral("1"));
    QCOMPARE(read(TempFile(f.settings), "Question", "1"), QStringLiteral("13"));
    QCOMPARE(read(TempFile(f.settings), "Question", "2"), QStringLiteral("2"));
    QCOMPARE(read(TempFile(f.settings), "Question", "12"), QStringLiteral("12"));
}

void TestDetails::collectionsShareSlotCounter()
{
    RecordsFolder f;
    StudyDetailState st;
    st.NowCount = LoadRecentDrillSlot(f.settings);
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("80")));
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("90")));
    Settings other = f.settings;
    other.QuestionBaseName = QStringLiteral("Basic");
    QVERIFY(SaveNowDetail(other, st, QStringLiteral("40")));
    QCOMPARE(read(TempFile(f.settings), "Basic", "Count"), QStringLiteral("3"));
    QCOMPARE(read(TempFile(f.settings), "Basic", "3"), QStringLiteral("40"));
    QCOMPARE(read(TempFile(f.settings), "Basic", "1"), QStringLiteral("0"));
    QCOMPARE(read(TempFile(f.settings), "Question", "Count"), QStringLiteral("2"));
    QCOMPARE(read(TempFile(f.settings), "Question", "2"), QStringLiteral("90"));
}

void TestDetails::slotReadAtStartUp_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("nextKey");
    QTest::newRow("no file") << QByteArray() << 0 << "1";
    QTest::newRow("slot 5") << QByteArray("[question]\r\nCount=5\r\n") << 5 << "6";
    QTest::newRow("slot 12") << QByteArray("[Question]\r\nCount=12\r\n") << 12 << "1";
    QTest::newRow("other collection only") << QByteArray("[Basic]\r\nCount=4\r\n") << 0 << "1";
    QTest::newRow("hand-edited beyond 12") << QByteArray("[Question]\r\nCount=40\r\n") << 40
                                           << "1";
    QTest::newRow("hand-edited negative") << QByteArray("[Question]\r\nCount=-3\r\n") << -3
                                          << "1";
}

void TestDetails::slotReadAtStartUp()
{
    QFETCH(QByteArray, content);
    QFETCH(int, slot);
    QFETCH(QString, nextKey);
    RecordsFolder f;
    if (!content.isEmpty())
        putBytes(TempFile(f.settings), content);
    StudyDetailState st;
    st.NowCount = LoadRecentDrillSlot(f.settings);
    QCOMPARE(st.NowCount, slot);
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("55")));
    QCOMPARE(QString::number(st.NowCount), nextKey);
    QCOMPARE(read(TempFile(f.settings), "Question", nextKey), QStringLiteral("55"));
}

void TestDetails::collectionNamesReadBackExactly_data()
{
    QTest::addColumn<QString>("base");
    QTest::newRow("umlaut") << QStringLiteral("Übung");
    QTest::newRow("wave dash") << QStringLiteral("単語〜");
    QTest::newRow("lone lead byte at the end") << QStringLiteral("Unit\uF783");
    QTest::newRow("equals sign") << QStringLiteral("Room=5");
    QTest::newRow("leading [") << QStringLiteral("[x");
    QTest::newRow("leading ;") << QStringLiteral(";x");
    QTest::newRow("trail byte 0x5C") << QStringLiteral("山田表");
}

void TestDetails::collectionNamesReadBackExactly()
{
    // The year file and the recent-drill file are sectioned by collection
    // name: two answers and two drills land in one section each.
    QFETCH(QString, base);
    RecordsFolder f(base);
    const DateStrings d = datesAt(2001, 3, 9);
    StudyDetailState st;
    answer(f.settings, d, st, true);
    answer(f.settings, d, st, false);
    StudyDetailState again;
    GetYearDetail(f.settings, d, again);
    QCOMPARE(again.MonthAsked, 2);
    QCOMPARE(again.MonthAtari, 1);
    QCOMPARE(IniFile(YearDetailFile(f.settings, d)).sections(), QStringList{base});

    st.NowCount = LoadRecentDrillSlot(f.settings);
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("70")));
    QVERIFY(SaveNowDetail(f.settings, st, QStringLiteral("80")));
    QCOMPARE(LoadRecentDrillSlot(f.settings), 2);
    const IniFile temp(TempFile(f.settings));
    QCOMPARE(temp.sections(), QStringList{base});
    QCOMPARE(temp.readString(base, QStringLiteral("2")), QStringLiteral("80"));
}

QTEST_GUILESS_MAIN(TestDetails)
#include "tst_details.moc"
