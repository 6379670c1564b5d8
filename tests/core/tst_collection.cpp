// Question collections: which lines start records, loading a question, the
// refusal of unusable collections and the drill history's room.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "drill/Collection.h"
#include "records/StatsViews.h"
#include "drill/DrillState.h"
#include "drill/Presentation.h"
#include "platform/TextFile.h"

class TestCollection : public QObject
{
    Q_OBJECT

private slots:
    void scanning_data();
    void scanning();
    void loadsFieldsOfRecordStartedMidRecord();
    void separatorsDoNotChangeQuestions();
    void keywordStatus_data();
    void keywordStatus();
    void refusesUnusableCollections_data();
    void refusesUnusableCollections();
    void scanCollectionReadsShiftJisAndRebuildsList();
    void scanCollectionMissingFile();
    void scanCollectionRefusesControlCharactersInItsName_data();
    void scanCollectionRefusesControlCharactersInItsName();
    void linesOverTheirByteLimit_data();
    void linesOverTheirByteLimit();
    void lineMadeTooLongAfterTheScan();
    void loadQuestionByQuestionType();
    void loadQuestionOutsideFileChangesNothing();
    void historyLinesStayInsideRecord();
    void historyDropsOldestWhenRoomIsFull();
    void beginClearsLeftoversOfStoppedDrill();
    void reviewableCountNeverPassesRecordedLines();
};

static QStringList lines(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

void TestCollection::scanning_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first line is question 0")
        << lines("#a|Eng.|日本語|comment|fill|#b|Two.|二|c|w")
        << QStringList{"0", "5"};
    QTest::newRow("with separators")
        << lines("#a|Eng.|日本語|comment|fill||#b|Two.|二|c|w|")
        << QStringList{"0", "6"};
    QTest::newRow("title and notes before first record")
        << lines("My collection|notes|#キーワードなし|Eng.|日|c|")
        << QStringList{"2"};
    QTest::newRow("hash in the middle of a record starts a new one")
        << lines("#a|Eng.|日本語 # 注|comment|fill|x|y")
        << QStringList{"0", "2"};
    QTest::newRow("hash anywhere in the line")
        << lines("title|see page #3|E.|J|c|f")
        << QStringList{"1"};
    QTest::newRow("no hash at all") << lines("just|text|lines") << QStringList{};
    QTest::newRow("empty file") << QStringList{} << QStringList{};
}

void TestCollection::scanning()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(ScanQuestionLines(lines), expected);
}

void TestCollection::loadsFieldsOfRecordStartedMidRecord()
{
    const QStringList file = lines("#a|Eng.|日本語 # 注|comment|fill|x|y");
    DrillState d;
    QString error;
    QVERIFY(LoadQuestionFromLines(file, 2, 0, d, &error));
    QCOMPARE(d.CurrentLine, 2);
    QCOMPARE(d.CurrentKeyword, QString::fromUtf8("日本語 # 注"));
    QCOMPARE(d.AnswerText, QStringLiteral("comment"));   // its English line
    QCOMPARE(d.QuestionText, QStringLiteral("fill"));    // its Japanese line
    QCOMPARE(d.CommentText, QStringLiteral("x"));
    QCOMPARE(d.HoleWords, QStringLiteral("y"));
}

void TestCollection::separatorsDoNotChangeQuestions()
{
    const QStringList packed = lines("#a|One.|一|c1|f1|#b|Two.|二|c2|f2");
    const QStringList spaced = lines("#a|One.|一|c1|f1||#b|Two.|二|c2|f2|");
    const QStringList pi = ScanQuestionLines(packed);
    const QStringList si = ScanQuestionLines(spaced);
    QCOMPARE(pi.size(), si.size());
    for (int i = 0; i < pi.size(); ++i) {
        DrillState a, b;
        QVERIFY(LoadQuestionFromLines(packed, pi.at(i).toInt(), 0, a, nullptr));
        QVERIFY(LoadQuestionFromLines(spaced, si.at(i).toInt(), 0, b, nullptr));
        QCOMPARE(a.AnswerText, b.AnswerText);
        QCOMPARE(a.QuestionText, b.QuestionText);
        QCOMPARE(a.CommentText, b.CommentText);
        QCOMPARE(a.HoleWords, b.HoleWords);
    }
}

void TestCollection::keywordStatus_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("status");
    QTest::newRow("no keyword") << QString::fromUtf8("#キーワードなし") << QString::fromUtf8("解説なし");
    QTest::newRow("keyword") << QString::fromUtf8("#不定詞") << QString::fromUtf8("解説あり");
    QTest::newRow("bare hash") << QStringLiteral("#") << QString::fromUtf8("解説あり");
    QTest::newRow("no keyword with trailing space")
        << QString::fromUtf8("#キーワードなし ") << QString::fromUtf8("解説あり");
}

void TestCollection::keywordStatus()
{
    QFETCH(QString, keyword);
    QFETCH(QString, status);
    // Both kinds of keyword line start questions.
    QCOMPARE(ScanQuestionLines({keyword, "E.", "J", "c", ""}), QStringList{"0"});
    QCOMPARE(KeywordStatusText(keyword), status);
}

void TestCollection::refusesUnusableCollections_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("complete") << lines("#a|E.|J|c|f") << true << QString();
    QTest::newRow("complete with separator") << lines("#a|E.|J|c|f|") << true << QString();
    QTest::newRow("no question") << lines("title|text") << false
                                 << QString::fromUtf8("問題がありません");
    QTest::newRow("empty file") << QStringList{} << false << QString::fromUtf8("問題がありません");
    QTest::newRow("last record lacks fill-in line") << lines("#a|E.|J|c|f||#b|E.|J|c") << false
                                                    << QString::fromUtf8("7 行目");
    QTest::newRow("keyword line is the last line") << lines("#a|E.|J|c|f|#b") << false
                                                   << QString::fromUtf8("6 行目");
}

void TestCollection::refusesUnusableCollections()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, usable);
    QFETCH(QString, messagePart);
    QString error;
    QCOMPARE(CheckCollectionForDrill(lines, ScanQuestionLines(lines), &error), usable);
    if (!usable)
        QVERIFY2(error.contains(messagePart), qPrintable(error));
}

void TestCollection::scanCollectionReadsShiftJisAndRebuildsList()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Question.txt");
    // Shift-JIS bytes written explicitly: "#" + "キー" on the first line.
    QByteArray bytes("\x82\xb1\x82\xea\r\n#\x83\x4c\x81\x5b\r\nI am.\r\n\x8e\x84\r\nc\r\nam\r\n");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    QStringList index{"99", "100"};   // left over from an interrupted start
    QString error;
    QVERIFY2(ScanCollection(path, index, &error), qPrintable(error));
    QCOMPARE(index, QStringList{"1"});
    QVERIFY(ScanCollection(path, index, &error));
    QCOMPARE(index, QStringList{"1"});   // built afresh, not appended

    DrillState d;
    QVERIFY(LoadQuestion(path, 1, 0, d, &error));
    QCOMPARE(d.CurrentKeyword, QString::fromUtf8("#キー"));
    QCOMPARE(d.QuestionText, QString::fromUtf8("私"));
    QCOMPARE(d.AnswerText, QStringLiteral("I am."));
}

void TestCollection::scanCollectionMissingFile()
{
    QTemporaryDir dir;
    QStringList index{"3"};
    QString error;
    QVERIFY(!ScanCollection(dir.filePath("none.txt"), index, &error));
    QVERIFY(index.isEmpty());
    QVERIFY(!error.isEmpty());
}

// A collection whose file name holds a control character would name record
// files with it: it is refused before anything is read or written.
void TestCollection::scanCollectionRefusesControlCharactersInItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << "unit1.txt" << true;
    QTest::newRow("line break") << "unit\n1.txt" << false;
    QTest::newRow("tab") << "unit\t1.txt" << false;
    QTest::newRow("carriage return") << "unit1\r.txt" << false;
}

void TestCollection::scanCollectionRefusesControlCharactersInItsName()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(TextFile::writeLines(path, lines("#k|I am a boy.|私は少年です。|c|h")));
    QStringList index;
    QString error;
    QCOMPARE(ScanCollection(path, index, &error), usable);
    QCOMPARE(index.size(), usable ? 1 : 0);
    if (!usable)
        QVERIFY2(error.contains(QStringLiteral("制御文字")), qPrintable(error));
}

void TestCollection::linesOverTheirByteLimit_data()
{
    QTest::addColumn<int>("at");          // index of the long line in the file
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("utf8");       // the file is UTF-8 instead of CP932
    const QString a = QStringLiteral("a");
    const QString kanji = QString::fromUtf8("語"); // two bytes in the file
    // The file: a title line, then two records (lines 1..5 and 6..10).
    QTest::newRow("keyword of 4,999 bytes") << 1 << QLatin1Char('#') + a.repeated(4999) << false << false;
    QTest::newRow("keyword of 5,000 bytes") << 1 << QLatin1Char('#') + a.repeated(5000) << true << false;
    QTest::newRow("keyword of 2,500 two-byte characters")
        << 6 << QLatin1Char('#') + kanji.repeated(2500) << true << false;
    QTest::newRow("English of 49,999 bytes") << 2 << a.repeated(49999) << false << false;
    QTest::newRow("English of 50,000 bytes") << 2 << a.repeated(50000) << true << false;
    QTest::newRow("Japanese of 25,000 two-byte characters") << 8 << kanji.repeated(25000) << true << false;
    QTest::newRow("fill-in line of 24,999 two-byte characters and one byte")
        << 10 << kanji.repeated(24999) + a << false << false;
    QTest::newRow("hash inside a long comment makes it a keyword")
        << 4 << a.repeated(3000) + QLatin1Char('#') + a.repeated(3000) << true << false;
    QTest::newRow("title line of 50,000 bytes") << 0 << a.repeated(50000) << true << false;
    const QString kana = QString::fromUtf8("あ");  // two bytes in CP932, three in UTF-8
    QTest::newRow("UTF-8 line of 16,666 three-byte characters")
        << 8 << kana.repeated(16666) << false << true;
    QTest::newRow("UTF-8 line of 16,667 three-byte characters")
        << 8 << kana.repeated(16667) << true << true;
    QTest::newRow("the same line in CP932") << 8 << kana.repeated(16667) << false << false;
    QTest::newRow("ten million bytes") << 3 << a.repeated(10000000) << true << false;
}

void TestCollection::linesOverTheirByteLimit()
{
    QFETCH(int, at);
    QFETCH(QString, line);
    QFETCH(bool, refused);
    QFETCH(bool, utf8);
    QStringList file = lines("title|#k|I am.|私です。|c|am|#k2|You are.|あなたです。|c|are");
    file[at] = line;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Question.txt"));
    if (utf8) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xef\xbb\xbf" + file.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    } else {
        QVERIFY(TextFile::writeLines(path, file));
        QCOMPARE(TextFile::fileEncoding(path), TextFile::Encoding::Cp932);
    }

    QStringList index{QStringLiteral("7")};
    QString error;
    QCOMPARE(ScanCollection(path, index, &error), !refused);
    if (refused) {
        QVERIFY(index.isEmpty());
        QVERIFY2(error.contains(QStringLiteral("%1 行目").arg(at + 1)), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("長すぎ")), qPrintable(error));
    } else {
        QCOMPARE(index, ScanQuestionLines(file));
    }

    // Loading a question refuses the whole file too (the drill may load a
    // version written after the scan).
    DrillState d;
    d.AnswerText = QStringLiteral("before");
    error.clear();
    QCOMPARE(LoadQuestion(path, 1, 0, d, &error), !refused);
    if (refused) {
        QCOMPARE(d.AnswerText, QStringLiteral("before"));
        QVERIFY2(error.contains(QStringLiteral("%1 行目").arg(at + 1)), qPrintable(error));
    }
}

// A collection that grows an over-long line after it was scanned is refused
// at the next question, whatever record the line is in.
void TestCollection::lineMadeTooLongAfterTheScan()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Question.txt"));
    QStringList file = lines("#k|I am.|私です。|c|am|#k2|You are.|あなたです。|c|are");
    QVERIFY(TextFile::writeLines(path, file));
    QStringList index;
    QString error;
    QVERIFY(ScanCollection(path, index, &error));
    DrillState d;
    QVERIFY(LoadQuestion(path, 0, 0, d, &error));
    file[8] = QString(50000, QLatin1Char('c'));
    QVERIFY(TextFile::writeLines(path, file));
    QVERIFY(!LoadQuestion(path, 0, 0, d, &error));
    QVERIFY2(error.contains(QStringLiteral("9 行目")), qPrintable(error));
}

void TestCollection::loadQuestionByQuestionType()
{
    const QStringList file = lines("#k|I am a boy.|私は少年です。|be動詞|am,boy");
    DrillState d;
    QVERIFY(LoadQuestionFromLines(file, 0, 1, d, nullptr));
    QCOMPARE(d.QuestionText, QStringLiteral("I am a boy."));
    QCOMPARE(d.AnswerText, QString::fromUtf8("私は少年です。"));
    QVERIFY(LoadQuestionFromLines(file, 0, 0, d, nullptr));
    QCOMPARE(d.QuestionText, QString::fromUtf8("私は少年です。"));
    QCOMPARE(d.AnswerText, QStringLiteral("I am a boy."));
    QCOMPARE(d.CommentText, QString::fromUtf8("be動詞"));
    QCOMPARE(d.HoleWords, QStringLiteral("am,boy"));
}

void TestCollection::loadQuestionOutsideFileChangesNothing()
{
    const QStringList file = lines("#k|E.|J|c|f|#cut|E2.");
    DrillState d;
    d.CurrentLine = 0;
    d.AnswerText = QStringLiteral("before");
    QString error;
    QVERIFY(!LoadQuestionFromLines(file, 5, 0, d, &error));
    QVERIFY(!LoadQuestionFromLines(file, -1, 0, d, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(d.CurrentLine, 0);
    QCOMPARE(d.AnswerText, QStringLiteral("before"));
}

void TestCollection::historyLinesStayInsideRecord()
{
    DrillState d;
    BeginDrillRecord(d, "q.txt", "r.txt", "9：5：07");
    for (int i = 0; i < 1200; ++i) {
        const bool stored = RecordAskedLine(d, i, 5 * i);
        QCOMPARE(stored, i < DrillRecord::MaxLines);
        QCOMPARE(RecordWrongLine(d, i, 5 * i), i < DrillRecord::MaxLines);
    }
    QVERIFY(!RecordAskedLine(d, -1, 0));
    const DrillRecord &r = d.Drills.at(0);
    QCOMPARE(r.AskedLines.size(), DrillRecord::MaxLines);
    QCOMPARE(r.WrongLines.size(), DrillRecord::MaxLines);
    QCOMPARE(r.AskedLines.last(), 5 * (DrillRecord::MaxLines - 1));
    // The next record is untouched.
    QVERIFY(d.Drills.at(1).AskedLines.isEmpty());
}

void TestCollection::historyDropsOldestWhenRoomIsFull()
{
    DrillState d;
    const int drills = 40;
    for (int n = 0; n < drills; ++n) {
        BeginDrillRecord(d, QStringLiteral("q%1.txt").arg(n), "r.txt", "start");
        d.QuestionNum = n + 1;
        d.AtariCount = n;
        RecordAskedLine(d, 0, n * 5);
        FinishDrillRecord(d, QString::number(n), QStringLiteral("q%1.txt").arg(n), "r.txt", "end");
        QVERIFY(d.DrillCount >= 0 && d.DrillCount <= DrillState::MaxDrills);
        QCOMPARE(d.Drills.size(), DrillState::MaxDrills + 1);
        // Fifteen finished drills are all kept, numbered 1 to 15.
        if (n + 1 == DrillState::MaxDrills) {
            QCOMPARE(d.DrillCount, DrillState::MaxDrills);
            QCOMPARE(FinishedDrill(d, 1)->QuestionFile, QStringLiteral("q0.txt"));
            QCOMPARE(FinishedDrill(d, 15)->QuestionFile, QStringLiteral("q14.txt"));
        }
    }
    QCOMPARE(d.DrillCount, DrillState::MaxDrills);
    // The newest finished drill is the last finished record, in order.
    const DrillRecord *newest = FinishedRecord(d, d.DrillCount - 1);
    QVERIFY(newest);
    QCOMPARE(newest->QuestionFile, QStringLiteral("q%1.txt").arg(drills - 1));
    QCOMPARE(newest->AskedLines.value(0), (drills - 1) * 5);
    QCOMPARE(newest->Number, drills);
    const DrillRecord *oldest = FinishedRecord(d, 0);
    QCOMPARE(oldest->QuestionFile, QStringLiteral("q%1.txt").arg(drills - d.DrillCount));
    QCOMPARE(oldest->PlannedCount, drills - d.DrillCount + 1);
    QVERIFY(!FinishedRecord(d, d.DrillCount));
    // A drill keeps its number after older ones were dropped: drill 30 is
    // still drill 30 for the history and the reviews; drill 25 is gone.
    QCOMPARE(FinishedDrill(d, 30)->QuestionFile, QStringLiteral("q29.txt"));
    d.PrevDrill = 30 - 1; // "30" typed for a review
    QCOMPARE(FinishedRecord(d, ReviewedRecordIndex(d))->QuestionFile, QStringLiteral("q29.txt"));
    QVERIFY(!FinishedDrill(d, drills - DrillState::MaxDrills));
    const QList<QStringList> history = HistoryTable(d);
    QCOMPARE(history.at(0).at(0), QString::number(drills - DrillState::MaxDrills + 1));
    QCOMPARE(history.at(0).at(3), QStringLiteral("q%1.txt").arg(drills - DrillState::MaxDrills));
    QCOMPARE(history.at(9).at(0), QString::number(drills - DrillState::MaxDrills + 10));
}

void TestCollection::beginClearsLeftoversOfStoppedDrill()
{
    DrillState d;
    BeginDrillRecord(d, "a.txt", "r.txt", "t1");
    for (int i = 0; i < 8; ++i)
        RecordAskedLine(d, i, 100 + i);
    RecordWrongLine(d, 0, 100);
    // Stopped: the record is not finished; the next drill fills it afresh.
    BeginDrillRecord(d, "b.txt", "r.txt", "t2");
    RecordAskedLine(d, 0, 7);
    d.QuestionNum = 1;
    d.AtariCount = 1;
    FinishDrillRecord(d, "100", "b.txt", "r.txt", "t3");
    const DrillRecord *r = FinishedRecord(d, 0);
    QCOMPARE(r->AskedLines, QVector<int>{7});
    QVERIFY(r->WrongLines.isEmpty());
    QCOMPARE(r->StartTime, QStringLiteral("t2"));
    QCOMPARE(r->EndTime, QStringLiteral("t3"));
    QCOMPARE(r->CorrectRate, QStringLiteral("100"));
}

void TestCollection::reviewableCountNeverPassesRecordedLines()
{
    DrillState d;
    BeginDrillRecord(d, "q.txt", "r.txt", "t");
    RecordAskedLine(d, 0, 0);
    RecordAskedLine(d, 1, 5);
    RecordWrongLine(d, 0, 5);
    d.QuestionNum = 3;   // planned more than were asked (cannot normally happen)
    d.HazureCount = 2;
    FinishDrillRecord(d, "0", "q.txt", "r.txt", "t");
    QCOMPARE(ReviewableCount(d, 0, false), 2);
    QCOMPARE(ReviewableCount(d, 0, true), 1);
    QCOMPARE(ReviewableCount(d, 1, false), 0);   // not finished yet
    QCOMPARE(ReviewableCount(d, -1, true), 0);
}

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
