// The question set of a drill: set-up checks, option switches, shuffles, the
// importance filter, the review hint and the first question.
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "drill/QuestionSet.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "platform/TextFile.h"

class TestQuestionSet : public QObject
{
    Q_OBJECT

private slots:
    void setupInput_data();
    void setupInput();
    void quickStartInput();
    void optionSwitches_data();
    void optionSwitches();
    void importanceResetOnOpen();
    void shuffleIsPermutationAndReproducible();
    void noRepeatStartsAtEntryZeroOfShuffledList();
    void importantIndexFiltersLevels();
    void firstQuestionByOption_data();
    void firstQuestionByOption();
    void resumeWrapsSavedPositionAtEnd_data();
    void resumeWrapsSavedPositionAtEnd();
    void reviewLimitsQuestionNumAndRefusesEmptyRecord();
    void importanceFirstQuestionMessages();
    void reviewHint();
    void continuePosRoundTrip();

private:
    static DrillState stateWithIndex(int count);
    static void finishDrill(DrillState &d, const QString &file, const QVector<int> &asked,
                            const QVector<int> &wrong);
};

DrillState TestQuestionSet::stateWithIndex(int count)
{
    DrillState d;
    for (int i = 0; i < count; ++i)
        d.lstQuestionIndex.append(QString::number(i * 6));
    return d;
}

void TestQuestionSet::finishDrill(DrillState &d, const QString &file, const QVector<int> &asked,
                                  const QVector<int> &wrong)
{
    BeginDrillRecord(d, file, "ref.txt", "t");
    for (int i = 0; i < asked.size(); ++i)
        RecordAskedLine(d, i, asked.at(i));
    for (int i = 0; i < wrong.size(); ++i)
        RecordWrongLine(d, i, wrong.at(i));
    d.QuestionNum = int(asked.size());
    d.HazureCount = int(wrong.size());
    d.AtariCount = d.QuestionNum - d.HazureCount;
    FinishDrillRecord(d, "0", file, "ref.txt", "t");
    d.HazureCount = d.AtariCount = 0;
}

void TestQuestionSet::setupInput_data()
{
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("qfile");
    QTest::addColumn<QString>("rfile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("number");

    const QString notSet = QString::fromUtf8("出題数が設定されていません。");
    QTest::newRow("ok") << "12" << "Q.txt" << "R.txt" << QString() << 12;
    QTest::newRow("zero") << "0" << "Q.txt" << "R.txt" << notSet << -1;
    QTest::newRow("empty number") << "" << "Q.txt" << "R.txt" << notSet << -1;
    QTest::newRow("not a number") << "1O" << "Q.txt" << "R.txt" << notSet << -1;
    QTest::newRow("negative") << "-4" << "Q.txt" << "R.txt" << notSet << -1;
    QTest::newRow("number checked first") << "0" << "" << "" << notSet << -1;
    QTest::newRow("no collection") << "5" << "" << "R.txt"
                                   << QString::fromUtf8("問題集が選択されていません。") << 5;
    QTest::newRow("no reference") << "5" << "Q.txt" << ""
                                  << QString::fromUtf8("参考書が選択されていません。") << 5;
}

void TestQuestionSet::setupInput()
{
    QFETCH(QString, num);
    QFETCH(QString, qfile);
    QFETCH(QString, rfile);
    QFETCH(QString, message);
    QFETCH(int, number);
    int n = -1;
    QCOMPARE(CheckSetupInput(num, qfile, rfile, &n), message);
    QCOMPARE(n, number);
}

void TestQuestionSet::quickStartInput()
{
    int n = 0;
    QVERIFY(CheckQuickStartInput("7", &n).isEmpty());
    QCOMPARE(n, 7);
    QCOMPARE(CheckQuickStartInput("0"), QString::fromUtf8("出題数が設定されていません。"));
    QCOMPARE(QuickStartErrorCaption(), QString::fromUtf8("出題開始エラー"));
}

void TestQuestionSet::optionSwitches_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("resumeBefore");
    QTest::addColumn<QVector<int>>("expected"); // same, error, notSame, notRandom, continue

    QTest::newRow("same question") << int(DrillOption::SameQuestion) << 1
                                   << QVector<int>{1, 0, 0, 0, 0};
    QTest::newRow("error only") << int(DrillOption::ErrorOnly) << 1
                                << QVector<int>{0, 1, 0, 0, 0};
    QTest::newRow("no repeat") << int(DrillOption::NotSameQuestion) << 1
                               << QVector<int>{0, 0, 1, 0, 0};
    QTest::newRow("in order keeps resume") << int(DrillOption::NotRandom) << 1
                                           << QVector<int>{0, 0, 0, 1, 1};
    QTest::newRow("option group off") << int(DrillOption::None) << 1
                                      << QVector<int>{0, 0, 0, 0, 0};
}

void TestQuestionSet::optionSwitches()
{
    QFETCH(int, option);
    QFETCH(int, resumeBefore);
    QFETCH(QVector<int>, expected);
    DrillState d;
    d.SameQuestion = d.ErrorOnly = d.NotSameQuestion = d.NotRandom = 1;
    d.NotRandomContinue = resumeBefore;
    ChooseDrillOption(d, DrillOption(option));
    QCOMPARE((QVector<int>{d.SameQuestion, d.ErrorOnly, d.NotSameQuestion, d.NotRandom,
                           d.NotRandomContinue}),
             expected);
    QCOMPARE(ActiveOption(d), DrillOption(option));
}

void TestQuestionSet::importanceResetOnOpen()
{
    DrillState d;
    d.ImportantOnly = 1;
    d.NormalAfterImportant = 1;
    ResetImportanceFilterOnOpen(d);
    QCOMPARE(d.ImportantOnly, 0);
    QCOMPARE(d.NormalAfterImportant, 0);
}

void TestQuestionSet::shuffleIsPermutationAndReproducible()
{
    QStringList source;
    for (int i = 0; i < 30; ++i)
        source.append(QString::number(i * 6));
    Random a, b;
    a.seed(12345);
    b.seed(12345);
    QStringList scratch{"left", "over"}, first{"old"}, second;
    ShuffleList(source, scratch, first, a);
    ShuffleList(source, scratch, second, b);
    QVERIFY(scratch.isEmpty());
    QCOMPARE(first, second);
    QVERIFY(first != source);   // 30 entries: the identity would be a broken draw
    QStringList sorted = first;
    std::sort(sorted.begin(), sorted.end());
    QStringList expected = source;
    std::sort(expected.begin(), expected.end());
    QCOMPARE(sorted, expected);
}

void TestQuestionSet::noRepeatStartsAtEntryZeroOfShuffledList()
{
    DrillState d = stateWithIndex(12);
    d.NotSameQuestion = 1;
    d.NotSamePos = 7;
    Random::global().seed(99);
    BuildNotSameQuestion(d);
    QCOMPARE(d.lstNotSameQuestion.size(), 12);
    QVERIFY(d.lstTempNotSameQuestion.isEmpty());
    const QuestionChoice c = ChooseFirstQuestion(d, 0, QString());
    QVERIFY(c.ok);
    QCOMPARE(c.line, d.lstNotSameQuestion.at(0).toInt());
    QCOMPARE(d.NotSamePos, 0);
}

void TestQuestionSet::importantIndexFiltersLevels()
{
    DrillState d;
    const bool down[5] = {false, true, false, true, false};
    d.ImportantLevels = ImportanceLevelsFromButtons(down);
    QCOMPARE(d.ImportantLevels, (QVector<int>{-1, 2, -1, 4, -1}));
    const QVector<QPair<int, int>> pairs{{2, 0}, {1, 6}, {4, 12}, {-1, 18}, {5, 24}, {2, 30}};
    Random::global().seed(7);
    QCOMPARE(BuildImportantIndex(d, pairs), 3);
    QStringList got = d.lstImportantIndex;
    std::sort(got.begin(), got.end());
    QCOMPARE(got, (QStringList{"0", "12", "30"}));   // "-1 18" matches no button
}

void TestQuestionSet::firstQuestionByOption_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("expectedLine");
    // Collection lines 0, 6, 12, 18, 24; an earlier drill asked 24, 6, 12 and
    // got 6 and 12 wrong.
    QTest::newRow("questions review") << int(DrillOption::SameQuestion) << 24;
    QTest::newRow("wrong-answer review") << int(DrillOption::ErrorOnly) << 12;
    QTest::newRow("in order") << int(DrillOption::NotRandom) << 0;
}

void TestQuestionSet::firstQuestionByOption()
{
    QFETCH(int, option);
    QFETCH(int, expectedLine);
    DrillState d = stateWithIndex(5);
    finishDrill(d, "q.txt", {24, 6, 12}, {12, 6});
    d.PrevDrill = 0;
    d.QuestionNum = 3;
    ChooseDrillOption(d, DrillOption(option));
    const QuestionChoice c = ChooseFirstQuestion(d, 3, QString());
    QVERIFY(c.ok);
    QCOMPARE(c.line, expectedLine);
}

void TestQuestionSet::resumeWrapsSavedPositionAtEnd_data()
{
    QTest::addColumn<int>("saved");
    QTest::addColumn<int>("pos");
    QTest::newRow("inside") << 3 << 3;
    QTest::newRow("last") << 4 << 4;
    QTest::newRow("equal to count") << 5 << 0;
    QTest::newRow("beyond") << 17 << 0;
    QTest::newRow("negative") << -2 << 0;
}

void TestQuestionSet::resumeWrapsSavedPositionAtEnd()
{
    QFETCH(int, saved);
    QFETCH(int, pos);
    DrillState d = stateWithIndex(5);
    ChooseDrillOption(d, DrillOption::NotRandom);
    d.NotRandomContinue = 1;
    const QuestionChoice c = ChooseFirstQuestion(d, saved, QString());
    QVERIFY(c.ok);
    QCOMPARE(d.ContinuePos, pos);
    QCOMPARE(c.line, pos * 6);
}

void TestQuestionSet::reviewLimitsQuestionNumAndRefusesEmptyRecord()
{
    DrillState d = stateWithIndex(5);
    finishDrill(d, "q.txt", {24, 6, 12}, {});
    ChooseDrillOption(d, DrillOption::SameQuestion);
    d.PrevDrill = 0;
    d.QuestionNum = 10;
    QuestionChoice c = ChooseFirstQuestion(d, 0, QString());
    QVERIFY(c.ok);
    QCOMPARE(d.QuestionNum, 3);

    ChooseDrillOption(d, DrillOption::ErrorOnly);   // that drill had no wrong answer
    c = ChooseFirstQuestion(d, 0, QString());
    QVERIFY(!c.ok);
    QVERIFY(!c.message.isEmpty());

    ChooseDrillOption(d, DrillOption::SameQuestion);
    d.PrevDrill = 4;   // no such drill yet
    c = ChooseFirstQuestion(d, 0, QString());
    QVERIFY(!c.ok);
    QVERIFY(!c.message.isEmpty());
}

void TestQuestionSet::importanceFirstQuestionMessages()
{
    QTemporaryDir dir;
    const QString imp = dir.filePath("Question_imp.dat");
    DrillState d = stateWithIndex(5);
    d.ImportantOnly = 1;
    d.ImportantLevels = {-1, -1, 3, -1, -1};
    d.ImportantPos = 4;

    QuestionChoice c = ChooseFirstQuestion(d, 0, imp);
    QVERIFY(!c.ok);
    QCOMPARE(c.caption, QString::fromUtf8("エラー"));
    QCOMPARE(c.message, imp + QString::fromUtf8("を開くことができません"));

    QVERIFY(TextFile::writeLines(imp, {"1 0", "2 6", "5 12"}));
    c = ChooseFirstQuestion(d, 0, imp);
    QVERIFY(!c.ok);
    QCOMPARE(c.caption, QString::fromUtf8("選択不可能"));
    QCOMPARE(c.message, QString::fromUtf8("指定された重要度の単語がありません"));

    QVERIFY(TextFile::writeLines(imp, {"1 0", "3 6", "5 12", "3 24"}));
    Random::global().seed(3);
    c = ChooseFirstQuestion(d, 0, imp);
    QVERIFY(c.ok);
    QCOMPARE(d.ImportantPos, 0);
    QCOMPARE(d.lstImportantIndex.size(), 2);
    QCOMPARE(c.line, d.lstImportantIndex.at(0).toInt());
    QVERIFY(c.line == 6 || c.line == 24);
}

void TestQuestionSet::reviewHint()
{
    QTemporaryDir dir;
    const QString q = dir.filePath("q.txt");
    QVERIFY(TextFile::writeLines(q, {"#a", "One.", "一", "c", "", "", "#b", "Two.", "二", "c", "",
                                     "", "#c", "Three.", "三", "c", ""}));
    DrillState d;
    finishDrill(d, q, {12, 0, 6}, {6});
    finishDrill(d, q, {0}, {});

    ReviewHint h = BuildReviewHint(d, 1, false);
    QCOMPARE(h.hint, QString::fromUtf8("★出題予定★\nThree.\nOne.\nTwo."));
    QCOMPARE(h.count, 3);
    QCOMPARE(h.questionFile, q);
    QCOMPARE(h.referenceFile, QStringLiteral("ref.txt"));

    h = BuildReviewHint(d, 1, true);
    QCOMPARE(h.hint, QString::fromUtf8("★出題予定★\nTwo."));
    QCOMPARE(h.count, 1);

    h = BuildReviewHint(d, 2, true);   // a drill without wrong answers
    QCOMPARE(h.hint, QString::fromUtf8("▼記録データなし▼"));
    QCOMPARE(h.count, 0);

    h = BuildReviewHint(d, 3, false);  // not finished yet
    QCOMPARE(h.hint, QString::fromUtf8("▼記録データなし▼"));
    QCOMPARE(h.count, 0);
    QVERIFY(h.questionFile.isEmpty());

    // The collection is gone: the count stands, the sentences are missing.
    QFile::remove(q);
    h = BuildReviewHint(d, 1, false);
    QCOMPARE(h.hint, QString::fromUtf8("★出題予定★"));
    QCOMPARE(h.count, 3);
}

void TestQuestionSet::continuePosRoundTrip()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Setup.ini");
    QCOMPARE(ReadContinuePos(ini, "Question.txt"), 0);
    QVERIFY(SaveContinuePos(ini, "Question.txt", 7));
    QVERIFY(SaveContinuePos(ini, "Other.txt", 2));
    QCOMPARE(ReadContinuePos(ini, "Question.txt"), 7);
    QCOMPARE(IniFile(ini).readString("NotRandomContinue", "Other.txt"), QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestQuestionSet)
#include "tst_questionset.moc"
