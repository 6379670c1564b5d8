// What the correct-rate table, the rate graph and the drill history read
// from the record files, and the bytes of the history export.
#include "drill/DrillState.h"
#include "records/RecordPaths.h"
#include "records/StatsViews.h"
#include "records/StudyDetails.h"
#include "records_support.h"

#include <QtTest>

class TestStatsViews : public QObject
{
    Q_OBJECT
private slots:
    void yearList_data();
    void yearList();
    void monthOfTwoStudyDaysFromTheDrillWriters();
    void dayTable_data();
    void dayTable();
    void baseNameWithDotsReadsItsOwnFiles();
    void graphPoints_data();
    void graphPoints();
    void penColoursCycle();
    void segmentPixels_data();
    void segmentPixels();
    void graphRates_data();
    void graphRates();
    void historyRows();
    void wrongAnswerList();
    void exportBytes_data();
    void exportBytes();
    void exportAppendsAndRefusesUnwritablePath();
    void defaultExtension_data();
    void defaultExtension();
};

namespace {

DrillRecord finished(int planned, int atari, const QString &file, const QString &start,
                     const QString &end, const QVector<int> &wrong = {})
{
    DrillRecord r;
    r.PlannedCount = planned;
    r.AtariCount = atari;
    r.HazureCount = planned - atari;
    r.WrongLines = wrong;
    r.QuestionFile = file;
    r.StartTime = start;
    r.EndTime = end;
    r.CorrectRate = QString::number(planned ? (atari * 100 + planned / 2) / planned : 0);
    return r;
}

QStringList rowTexts(const PercentTable &t)
{
    QStringList out;
    for (const PercentRow &r : t.Rows)
        out << r.Date + QLatin1Char(' ') + QString::number(r.Asked) + QLatin1Char(' ')
                   + QString::number(r.Atari) + QLatin1Char(' ') + r.Rate;
    return out;
}

} // namespace

void TestStatsViews::yearList_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("years");
    QTest::newRow("2001") << 2001 << QStringList{"1999", "2000", "2001"};
    QTest::newRow("first year") << 1999 << QStringList{"1999"};
    QTest::newRow("clock before 1999") << 1985 << QStringList{"1999"};
}

void TestStatsViews::yearList()
{
    QFETCH(int, current);
    QFETCH(QStringList, years);
    QCOMPARE(ViewYears(current), years);
}

// Answers on 3 March and 9 March saved by the drill's own writers; the view
// lists both days and rates the month from the summed counts.
void TestStatsViews::monthOfTwoStudyDaysFromTheDrillWriters()
{
    RecordsFolder f(QStringLiteral("Lesson"));
    StudyDetailState st;
    auto answer = [&](const DateStrings &d, bool correct) {
        GetYearDetail(f.settings, d, st);
        GetDayDetail(f.settings, d, st);
        CountDetailAnswer(st, correct);
        QVERIFY(SaveDayDetail(f.settings, d, st));
        QVERIFY(SaveYearDetail(f.settings, d, st));
    };
    const DateStrings third = datesAt(2001, 3, 3);
    const DateStrings ninth = datesAt(2001, 3, 9);
    answer(third, true);
    answer(third, false);
    answer(third, false);          // 1 of 3 on the 3rd: 33
    for (int i = 0; i < 4; ++i)
        answer(ninth, i < 3);      // 3 of 4 on the 9th: 75

    const PercentTable t = ReadPercentTable(f.settings, QStringLiteral("Lesson"),
                                            QStringLiteral("2001"), QStringLiteral("3"), ninth);
    QCOMPARE(rowTexts(t), (QStringList{"3/3 3 1 33", "3/9 4 3 75"}));
    QCOMPARE(t.Asked, qint64(7));
    QCOMPARE(t.Atari, qint64(4));
    QCOMPARE(t.MonthRate, QStringLiteral("57")); // 4 of 7, not the mean 54
    QCOMPARE(MonthTotalText(QStringLiteral("3"), t.MonthRate),
             QStringLiteral("3月の正解率は、57 ％です"));
    QCOMPARE(PercentRateText(t.Rows.at(0).Rate), QStringLiteral("33 ％"));

    // The year file the graph reads holds the month's counts too.
    QCOMPARE(ReadGraphRates(f.settings, GraphType::Monthly, QStringLiteral("Lesson"),
                            QStringLiteral("2001"))
                 .at(2),
             QStringLiteral("57"));
    // Another month of the same year has no day file.
    QVERIFY(ReadPercentTable(f.settings, QStringLiteral("Lesson"), QStringLiteral("2001"),
                             QStringLiteral("4"), ninth)
                .Rows.isEmpty());
}

void TestStatsViews::dayTable_data()
{
    QTest::addColumn<QStringList>("file"); // day detail file lines ("" = no file)
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("monthRate");
    QTest::newRow("no file") << QStringList{} << QStringList{} << QString();
    QTest::newRow("DayNum 0") << QStringList{"[Information]", "DayNum=0", "[1]", "Date=3/3", "3/3=2,1,50"}
                              << QStringList{} << QString();
    QTest::newRow("stored rate shown as it is")
        << QStringList{"[Information]", "PrevDay=3", "DayNum=1", "[1]", "Date=3/3", "3/3=4,1,99"}
        << QStringList{"3/3 4 1 99"} << "25";
    QTest::newRow("section without Date uses today")
        << QStringList{"[Information]", "DayNum=2", "[1]", "Date=3/3", "3/3=2,2,100", "[2]", "3/9=4,2,50"}
        << QStringList{"3/3 2 2 100", "3/9 4 2 50"} << "67";
    QTest::newRow("missing section reads 0,0,0")
        << QStringList{"[Information]", "DayNum=2", "[2]", "Date=3/5", "3/5=1,1,100"}
        << QStringList{"3/9 0 0 0", "3/5 1 1 100"} << "100";
    QTest::newRow("hand-edited value counts nothing")
        << QStringList{"[Information]", "DayNum=2", "[1]", "Date=3/1", "3/1=abc", "[2]", "Date=3/2",
                       "3/2=2,1,50"}
        << QStringList{"3/1 0 0 0", "3/2 2 1 50"} << "50";
    QTest::newRow("runaway DayNum stops")
        << QStringList{"[Information]", "DayNum=2000000000", "[1]", "Date=3/1", "3/1=1,1,100"}
        << QStringList{} << "100";
    QTest::newRow("month totals beyond one count")
        << QStringList{"[Information]", "DayNum=2", "[1]", "Date=3/1", "3/1=2000000000,1000000000,50",
                       "[2]", "Date=3/2", "3/2=2000000000,500000000,25"}
        << QStringList{"3/1 2000000000 1000000000 50", "3/2 2000000000 500000000 25"} << "38";
}

void TestStatsViews::dayTable()
{
    QFETCH(QStringList, file);
    QFETCH(QStringList, rows);
    QFETCH(QString, monthRate);
    RecordsFolder f(QStringLiteral("Question"));
    if (!file.isEmpty())
        QVERIFY(TextFile::writeLines(f.user(QStringLiteral("Question_20013.dat")), file));
    const PercentTable t = ReadPercentTable(f.settings, QStringLiteral("Question"),
                                            QStringLiteral("2001"), QStringLiteral("3"),
                                            datesAt(2001, 3, 9));
    if (QByteArray(QTest::currentDataTag()) == "runaway DayNum stops") {
        QCOMPARE(t.Rows.size(), MaxDaySections);
        QCOMPARE(t.Rows.first().Date, QStringLiteral("3/1"));
    } else {
        QCOMPARE(rowTexts(t), rows);
    }
    QCOMPARE(t.MonthRate, monthRate);
}

// The day files are named after the collection's file name less ".txt", so
// "Lesson.1.txt" reads "Lesson.1_...", not the files of "Lesson.txt".
void TestStatsViews::baseNameWithDotsReadsItsOwnFiles()
{
    RecordsFolder f;
    QCOMPARE(ViewBaseName(QStringLiteral("Lesson.1.txt")), QStringLiteral("Lesson.1"));
    QCOMPARE(ViewBaseName(QStringLiteral("Question.txt")), QStringLiteral("Question"));
    QVERIFY(TextFile::writeLines(f.user(QStringLiteral("Lesson.1_200110.dat")),
                                 {"[Information]", "DayNum=1", "[1]", "Date=10/2", "10/2=5,5,100"}));
    QVERIFY(TextFile::writeLines(f.user(QStringLiteral("Lesson_200110.dat")),
                                 {"[Information]", "DayNum=1", "[1]", "Date=10/2", "10/2=5,0,0"}));
    const PercentTable t = ReadPercentTable(f.settings, ViewBaseName(QStringLiteral("Lesson.1.txt")),
                                            QStringLiteral("2001"), QStringLiteral("10"),
                                            datesAt(2001, 10, 2));
    QCOMPARE(rowTexts(t), QStringList{"10/2 5 5 100"});
}

void TestStatsViews::graphPoints_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("45") << 1 << "45" << 62 << 97;
    QTest::newRow("50") << 2 << "50" << 80 << 87;
    QTest::newRow("5") << 3 << "5" << 100 << 158;
    QTest::newRow("0") << 4 << "0" << 118 << 163;
    QTest::newRow("point 5 at a ten") << 5 << "40" << 138 << 102;
    QTest::newRow("point 5 at zero") << 5 << "0" << 138 << 163;
    QTest::newRow("point 5 otherwise") << 5 << "47" << 136 << 95;
    QTest::newRow("10") << 6 << "10" << 153 << 147;
    QTest::newRow("19") << 7 << "19" << 171 << 138;
    QTest::newRow("99") << 10 << "99" << 225 << 18;
    QTest::newRow("100") << 11 << "100" << 250 << 12;
    QTest::newRow("not a number") << 12 << "abc" << 275 << 163;
    QTest::newRow("above 100") << 12 << "150" << 275 << 12;
}

void TestStatsViews::graphPoints()
{
    QFETCH(int, k);
    QFETCH(QString, rate);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(GraphX(k, rate), x);
    QCOMPARE(GraphY(rate), y);
}

// Seven lines: black, blue, red, green, yellow, purple, then black again.
void TestStatsViews::penColoursCycle()
{
    QList<int> colours;
    int pen = 0;
    for (int i = 0; i < 7; ++i) {
        colours << GraphPenColor(pen);
        pen = NextGraphPen(pen);
    }
    QCOMPARE(colours, (QList<int>{0, 16711680, 255, 32768, 65535, 8388736, 0}));
}

void TestStatsViews::segmentPixels_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("up and right") << QPoint(62, 97) << QPoint(80, 87);
    QTest::newRow("steep") << QPoint(80, 87) << QPoint(100, 12);
    QTest::newRow("down") << QPoint(100, 12) << QPoint(118, 163);
    QTest::newRow("flat") << QPoint(153, 163) << QPoint(171, 163);
    QTest::newRow("one point") << QPoint(47, 163) << QPoint(47, 163);
}

// Every line passes exactly through both of its points, without gaps.
void TestStatsViews::segmentPixels()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    const QVector<QPoint> px = SegmentPixels(from, to);
    QCOMPARE(px.first(), from);
    QCOMPARE(px.last(), to);
    QCOMPARE(px.size(), qMax(qAbs(to.x() - from.x()), qAbs(to.y() - from.y())) + 1);
    for (int i = 1; i < px.size(); ++i) {
        QVERIFY(qAbs(px.at(i).x() - px.at(i - 1).x()) <= 1);
        QVERIFY(qAbs(px.at(i).y() - px.at(i - 1).y()) <= 1);
    }
}

void TestStatsViews::graphRates_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("rates");
    const QStringList zeros(12, QStringLiteral("0"));
    QStringList yearRates = zeros;
    yearRates[0] = QStringLiteral("45");
    yearRates[2] = QStringLiteral("100");
    QTest::newRow("monthly")
        << 0 << "2001.dat"
        << QStringList{"[Other]", "1=9,9,100", "[Question]", "Check=1", "1=20,9,45", "2=0,0,0", "3=2,2,100"}
        << "2001" << yearRates;
    QTest::newRow("monthly, other year") << 0 << "2001.dat" << QStringList{"[Question]", "1=20,9,45"}
                                          << "2000" << zeros;
    QStringList slotRates = zeros;
    slotRates[0] = QStringLiteral("80");
    slotRates[11] = QStringLiteral("5");
    QTest::newRow("recent drills in slot order")
        << 1 << "Temp.dat"
        << QStringList{"[Question]", "Check=1", "Count=1", "1=80", "2=0", "12=5", "[Other]", "1=33"}
        << "2001" << slotRates;
    QTest::newRow("no recent drill file") << 1 << "" << QStringList{} << "2001" << zeros;
}

void TestStatsViews::graphRates()
{
    QFETCH(int, type);
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(QString, year);
    QFETCH(QStringList, rates);
    RecordsFolder f;
    if (!file.isEmpty())
        QVERIFY(TextFile::writeLines(f.user(file), lines));
    const QStringList got = ReadGraphRates(f.settings, GraphType(type), QStringLiteral("Question"), year);
    QCOMPARE(got, rates);
    const QVector<QPoint> line = GraphLine(got);
    QCOMPARE(line.size(), 13);
    QCOMPARE(line.first(), QPoint(47, 163));
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(line.at(k), QPoint(GraphX(k, rates.at(k - 1)), GraphY(rates.at(k - 1))));
}

// Twelve finished drills: only records 0 .. 9 are listed; a run with two
// drills lists eight empty rows after them.
void TestStatsViews::historyRows()
{
    DrillState d;
    for (int i = 0; i < 12; ++i)
        d.Drills[i] = finished(10, i % 11, QStringLiteral("/home/u/問題集/Lesson%1.txt").arg(i),
                               QStringLiteral("9：0：0%1").arg(i % 10), QStringLiteral("9：5：00"));
    d.DrillCount = 12;
    QList<QStringList> t = HistoryTable(d);
    QCOMPARE(t.size(), 10);
    QCOMPARE(t.first(), (QStringList{"1", "9：0：00", "9：5：00", "Lesson0.txt", "10", "0", "10", "0％"}));
    QCOMPARE(t.last(), (QStringList{"10", "9：0：09", "9：5：00", "Lesson9.txt", "10", "9", "1", "90％"}));

    d.DrillCount = 2; // record 2 is being filled: not listed as a drill
    d.Drills[2].QuestionFile = QStringLiteral("/x/Running.txt");
    t = HistoryTable(d);
    QCOMPARE(t.at(1).at(3), QStringLiteral("Lesson1.txt"));
    for (int i = 2; i < 10; ++i)
        QCOMPARE(t.at(i), (QStringList{QString::number(i + 1), "", "", "", "0", "0", "0", "％"}));
}

void TestStatsViews::wrongAnswerList()
{
    RecordsFolder f;
    const QString collection = f.user(QStringLiteral("sample.txt"));
    QVERIFY(TextFile::writeLines(collection, {"#have to", "I have to go now.", "もう行かなければなりません。",
                                              "have to は義務です。", "go", "", "#can", "She can swim.",
                                              "彼女は泳げます。", "can は能力です。", "swim"}));
    DrillState d;
    d.Drills[0] = finished(3, 3, collection, "1：0：00", "1：2：00");
    d.Drills[1] = finished(3, 1, collection, "2：0：00", "2：2：00", {6, 0});
    d.Drills[2] = finished(3, 2, f.user(QStringLiteral("gone.txt")), "3：0：00", "3：2：00", {0});
    d.DrillCount = 3;

    QString list;
    QVERIFY(WrongAnswerList(d, 0, list));
    QCOMPARE(list, QString());
    QVERIFY(WrongAnswerList(d, 1, list));
    QCOMPARE(list, QStringLiteral("★間違えた問題リスト★\n"
                                  "1、She can swim.\n\t彼女は泳げます。\n\tcan は能力です。\n\n"
                                  "2、I have to go now.\n\tもう行かなければなりません。\n\thave to は義務です。\n\n"));
    QVERIFY(WrongAnswerList(d, 5, list)); // no such drill
    QCOMPARE(list, QString());
    QString error;
    QVERIFY(!WrongAnswerList(d, 2, list, &error));
    QVERIFY(error.contains(QStringLiteral("gone.txt")));
    QCOMPARE(list, QString());
}

void TestStatsViews::exportBytes_data()
{
    QTest::addColumn<bool>("csv");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << false
                          << cp932Lines({"2001年3月9日",
                                         "No.1 9：0：05～9：10：30 Lesson.txt 出：10問 正：7問 不：3問 率：70％",
                                         "No.2 10：1：00～10：4：09 単語,熟語.txt 出：5問 正：5問 不：0問 率：100％",
                                         "------------------------<<<", ""});
    QTest::newRow("csv") << true
                         << cp932Lines({"2001年3月9日",
                                        "No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率",
                                        "1,9：0：05,9：10：30,Lesson.txt,10,7,3,70％", "",
                                        "2,10：1：00,10：4：09,\"単語,熟語.txt\",5,5,0,100％", ""});
}

// Two finished drills of the run, the second from a collection whose name
// holds a comma (quoted in CSV so that the columns stay in place).
void TestStatsViews::exportBytes()
{
    QFETCH(bool, csv);
    QFETCH(QByteArray, bytes);
    RecordsFolder f;
    DrillState d;
    d.Drills[0] = finished(10, 7, QStringLiteral("C:\\教材\\Lesson.txt"), "9：0：05", "9：10：30");
    d.Drills[1] = finished(5, 5, QStringLiteral("/data/単語,熟語.txt"), "10：1：00", "10：4：09");
    d.DrillCount = 2;
    const QString path = f.user(QStringLiteral("history.out"));
    QVERIFY(ExportHistory(path, HistoryTable(d), csv ? ExportFormat::Csv : ExportFormat::Text,
                          QDate(2001, 3, 9)));
    QCOMPARE(fileBytes(path), bytes);
}

void TestStatsViews::exportAppendsAndRefusesUnwritablePath()
{
    RecordsFolder f;
    DrillState d;
    d.Drills[0] = finished(4, 2, QStringLiteral("/q/Q.txt"), "1：0：00", "1：1：00");
    d.DrillCount = 1;
    const QString path = f.user(QStringLiteral("log.txt"));
    putBytes(path, "old line"); // no line end at the end of what was there
    QVERIFY(ExportHistory(path, HistoryTable(d), ExportFormat::Text, QDate(2001, 12, 31)));
    QVERIFY(ExportHistory(path, HistoryTable(d), ExportFormat::Text, QDate(2002, 1, 1)));
    const QByteArray one = cp932Lines({"No.1 1：0：00～1：1：00 Q.txt 出：4問 正：2問 不：2問 率：50％",
                                       "------------------------<<<", ""});
    QCOMPARE(fileBytes(path), "old line\r\n" + cp932Lines({"2001年12月31日"}) + one
                                  + cp932Lines({"2002年1月1日"}) + one);

    QString error;
    QVERIFY(!ExportHistory(f.user(QStringLiteral("no/such/folder/x.txt")), HistoryTable(d),
                           ExportFormat::Csv, QDate(2001, 3, 9), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(f.user(QStringLiteral("no/such/folder/x.txt"))));
}

void TestStatsViews::defaultExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("path");
    QTest::newRow("text without extension") << "/tmp/rireki" << 0 << "/tmp/rireki.txt";
    QTest::newRow("csv without extension") << "/tmp/rireki" << 1 << "/tmp/rireki.csv";
    QTest::newRow("own extension kept") << "/tmp/rireki.log" << 1 << "/tmp/rireki.log";
    QTest::newRow("cancelled") << "" << 0 << "";
}

void TestStatsViews::defaultExtension()
{
    QFETCH(QString, chosen);
    QFETCH(int, format);
    QFETCH(QString, path);
    const ExportFormat fmt = format ? ExportFormat::Csv : ExportFormat::Text;
    QCOMPARE(WithDefaultExtension(chosen, ExportExtension(fmt)), path);
    QCOMPARE(ExportFilter(fmt), format ? QStringLiteral("CSVファイル (*.csv)|*.csv")
                                       : QStringLiteral("テキストファイル (*.txt)|*.txt"));
}

QTEST_GUILESS_MAIN(TestStatsViews)
#include "tst_statsviews.moc"
