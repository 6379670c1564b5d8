// Presenting questions: the option rules for the next question, the hint
// line, rearranging, fill-in blanks, the question colour and the counters.
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "drill/Presentation.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void hintLine_data();
    void hintLine();
    void doubleSpaceGivesEmptyWordButNoHint();
    void splitsVeryLongSentences_data();
    void splitsVeryLongSentences();
    void rearrangingShufflesTheWords_data();
    void rearrangingShufflesTheWords();
    void rearrangingIsReproducibleForAFixedSecond();
    void holeLine_data();
    void holeLine();
    void fillInWithEmptyLineAnswersWholeSentence();
    void fillInDrawsFromCommaList();
    void noRepeatCyclesThroughShuffledList();
    void inOrderCyclesAndResumeWraps();
    void importanceWithAndWithoutNormalAfter();
    void reviewsStopAtRecordedLines_data();
    void reviewsStopAtRecordedLines();
    void randomChoiceMayRepeat();
    void takeNextQuestionLoadsAndRecords();
    void repeatingKeepsQuestionAndCounter();
    void questionColour_data();
    void questionColour();
    void prepareQuestionByAnswerType();
    void labelsAndCountdown();

private:
    SettableClock m_clock;
};

void TestPresentation::cleanup()
{
    Clock::install(nullptr);
}

void TestPresentation::hintLine_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("hint");

    QTest::newRow("four words and a full stop") << "I am a boy." << "#" << " # ## # ###.";
    QTest::newRow("comma word") << "Yes, I do." << "*" << " ***, * **.";
    QTest::newRow("no final punctuation shows the last letter") << "I am a boy" << "#"
                                                                << " # ## # ##y";
    QTest::newRow("question mark") << "Are you?" << "_" << " ___ ___?";
    QTest::newRow("one word") << "Go!" << "#" << " ##!";
    QTest::newRow("longer symbol") << "Hi there." << "ab" << " abab ababababab.";
    QTest::newRow("double space") << "I  am." << "#" << " # ##.";
}

void TestPresentation::hintLine()
{
    QFETCH(QString, answer);
    QFETCH(QString, symbol);
    QFETCH(QString, hint);
    QStringList words;
    SplitAnswerWords(answer, &words, nullptr);
    QCOMPARE(HintLine(words, symbol), hint);
}

void TestPresentation::doubleSpaceGivesEmptyWordButNoHint()
{
    QStringList hint, words;
    SplitAnswerWords("I  like tea.", &hint, &words);
    QCOMPARE(hint, (QStringList{"I", "like", "tea."}));
    QCOMPARE(words, (QStringList{"I", "", "like", "tea."}));
    QCOMPARE(words.join(QLatin1Char(' ')), QStringLiteral("I  like tea."));
}

void TestPresentation::splitsVeryLongSentences_data()
{
    QTest::addColumn<int>("wordCount");
    QTest::addColumn<int>("doubleEvery");  // a double space after every n-th word (0 = none)
    QTest::addColumn<bool>("endSpace");    // the sentence ends with a space
    QTest::newRow("a million words") << 1000000 << 0 << false;
    QTest::newRow("a million words, some double spaces") << 1000000 << 1000 << false;
    QTest::newRow("a million words and a final space") << 1000000 << 0 << true;
    QTest::newRow("two words") << 2 << 1 << false;
}

void TestPresentation::splitsVeryLongSentences()
{
    QFETCH(int, wordCount);
    QFETCH(int, doubleEvery);
    QFETCH(bool, endSpace);
    QStringList expectedWords, expectedHint;
    QString sentence;
    for (int i = 0; i < wordCount; ++i) {
        const QString w = QStringLiteral("w%1").arg(i);
        if (i > 0) {
            sentence += QLatin1Char(' ');
            if (doubleEvery && i % doubleEvery == 0) {
                sentence += QLatin1Char(' ');
                expectedWords << QString();
            }
        }
        sentence += w;
        expectedWords << w;
        expectedHint << w;
    }
    if (endSpace) {
        sentence += QLatin1Char(' ');
        expectedWords << QString();
        expectedHint << QString();   // the last piece is always kept
    }
    QStringList hint, words;
    SplitAnswerWords(sentence, &hint, &words);
    QCOMPARE(words.size(), expectedWords.size());
    QCOMPARE(words, expectedWords);
    QCOMPARE(hint, expectedHint);
    QCOMPARE(words.join(QLatin1Char(' ')), sentence);

    // The hint line has one symbol per character but the last one.
    const QString line = HintLine(hint, QStringLiteral("#"));
    QCOMPARE(line.count(QLatin1Char(' ')), hint.size());
    QCOMPARE(line.size(), hint.join(QLatin1Char(' ')).size() + 1);
}

void TestPresentation::rearrangingShufflesTheWords_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("four words") << "I am a boy." << QStringList{"I", "am", "a", "boy."};
    QTest::newRow("double space") << "I  am." << QStringList{"I", "", "am."};
    QTest::newRow("one word") << "Go." << QStringList{"Go."};
}

void TestPresentation::rearrangingShufflesTheWords()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, words);
    Clock::install(&m_clock);
    DrillState d;
    d.AnswerText = answer;
    Settings s;
    s.QuestionType = 0;
    s.AnswerType = 1;
    PrepareQuestion(d, s);
    QVERIFY(d.lstNarabi.isEmpty());
    QStringList got = d.lstTempNarabi;
    std::sort(got.begin(), got.end());
    std::sort(words.begin(), words.end());
    QCOMPARE(got, words);
}

void TestPresentation::rearrangingIsReproducibleForAFixedSecond()
{
    Clock::install(&m_clock);
    const QString answer = QStringLiteral("She has lived in this town for ten years.");
    auto shuffled = [&] {
        DrillState d;
        Random::global().seed(1);   // the shuffle must not depend on earlier draws
        SplitAnswerWords(answer, nullptr, &d.lstNarabi);
        ShuffleNarabi(d);
        return d.lstTempNarabi;
    };
    const QStringList first = shuffled();
    Random::global().seed(77777);
    QCOMPARE(shuffled(), first);
    QCOMPARE(first.size(), 9);

    // Another second gives (for this sentence) another order.
    m_clock.advanceSeconds(1);
    QStringList other = shuffled();
    m_clock.advanceSeconds(1);
    const QStringList third = shuffled();
    QVERIFY(other != first || third != first);
}

void TestPresentation::holeLine_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("line");

    QTest::newRow("middle word") << "I am a boy." << "am" << "I (        ) a boy.";
    QTest::newRow("first occurrence only") << "I see the sea and the sky." << "the"
                                           << "I see (        ) sea and the sky.";
    QTest::newRow("inside a longer earlier word") << "Other people like the sea." << "the"
                                                  << "O(        )r people like the sea.";
    QTest::newRow("case counts") << "The cat saw the dog." << "the"
                                 << "The cat saw (        ) dog.";
    QTest::newRow("first word") << "Run fast." << "Run" << "(        ) fast.";
    // A word that is not in the sentence: the blank, then the sentence from
    // its character number len(word) on.
    QTest::newRow("word not in sentence") << "I am a boy." << "cat" << "(        )am a boy.";
    QTest::newRow("one-letter word not in sentence") << "I am." << "x" << "(        )I am.";
}

void TestPresentation::holeLine()
{
    QFETCH(QString, answer);
    QFETCH(QString, word);
    QFETCH(QString, line);
    QCOMPARE(HoleLine(answer, word), line);
}

void TestPresentation::fillInWithEmptyLineAnswersWholeSentence()
{
    DrillState d;
    d.AnswerText = QStringLiteral("I am a boy.");
    d.HoleWords = QString();
    QCOMPARE(PrepareFillIn(d), QString());
    QCOMPARE(d.HoleWord, d.AnswerText);
    QCOMPARE(d.lstHoleString, QStringList{QString()});
}

void TestPresentation::fillInDrawsFromCommaList()
{
    DrillState d;
    d.AnswerText = QStringLiteral("I am a boy.");
    d.HoleWords = QStringLiteral("am,boy,");
    QSet<QString> seen;
    Random::global().seed(2024);
    for (int i = 0; i < 60; ++i) {
        const QString line = PrepareFillIn(d);
        QCOMPARE(d.lstHoleString, (QStringList{"am", "boy", ""}));
        seen.insert(d.HoleWord);
        if (d.HoleWord == QStringLiteral("am"))
            QCOMPARE(line, QStringLiteral("I (        ) a boy."));
        else if (d.HoleWord == QStringLiteral("boy"))
            QCOMPARE(line, QStringLiteral("I am a (        )."));
        else
            QVERIFY(d.HoleWord == d.AnswerText && line.isEmpty());
    }
    QCOMPARE(seen.size(), 3);
}

void TestPresentation::noRepeatCyclesThroughShuffledList()
{
    DrillState d;
    d.NotSameQuestion = 1;
    d.lstNotSameQuestion = QStringList{"12", "0", "6"};
    d.NotSamePos = 0;   // entry 0 was the first question
    QVector<int> got;
    for (int i = 0; i < 5; ++i) {
        const QuestionChoice c = ChooseNextQuestion(d);
        QVERIFY(c.ok);
        got.append(c.line);
    }
    QCOMPARE(got, (QVector<int>{0, 6, 12, 0, 6}));
}

void TestPresentation::inOrderCyclesAndResumeWraps()
{
    DrillState d;
    d.NotRandom = 1;
    d.lstQuestionIndex = QStringList{"0", "5", "10"};
    QVector<int> got;
    for (int i = 0; i < 4; ++i)
        got.append(ChooseNextQuestion(d).line);
    QCOMPARE(got, (QVector<int>{5, 10, 0, 5}));

    d.NotRandomContinue = 1;
    d.ContinuePos = 1;   // saved: the drill started at entry 1
    got.clear();
    for (int i = 0; i < 4; ++i) {
        AdvanceContinuePos(d);   // Result advances before the next question
        got.append(ChooseNextQuestion(d).line);
    }
    QCOMPARE(got, (QVector<int>{10, 0, 5, 10}));
}

void TestPresentation::importanceWithAndWithoutNormalAfter()
{
    DrillState d;
    d.ImportantOnly = 1;
    d.lstImportantIndex = QStringList{"30", "6"};
    d.lstQuestionIndex = QStringList{"100"};   // distinct from the important ones
    d.ImportantPos = 0;
    QVector<int> got;
    for (int i = 0; i < 4; ++i)
        got.append(ChooseNextQuestion(d).line);
    QCOMPARE(got, (QVector<int>{6, 30, 6, 30}));

    d.ImportantPos = 0;
    d.NormalAfterImportant = 1;
    got.clear();
    for (int i = 0; i < 4; ++i)
        got.append(ChooseNextQuestion(d).line);
    QCOMPARE(got, (QVector<int>{6, 100, 100, 100}));
    QCOMPARE(d.ImportantPos, 1);
}

void TestPresentation::reviewsStopAtRecordedLines_data()
{
    QTest::addColumn<bool>("wrongOnly");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("questions review") << false << QVector<int>{18, 0, 6};
    QTest::newRow("wrong-answer review") << true << QVector<int>{6, 18};
}

void TestPresentation::reviewsStopAtRecordedLines()
{
    QFETCH(bool, wrongOnly);
    QFETCH(QVector<int>, expected);
    DrillState d;
    BeginDrillRecord(d, "q.txt", "r.txt", "t");
    const QVector<int> asked{18, 0, 6};
    for (int i = 0; i < asked.size(); ++i)
        RecordAskedLine(d, i, asked.at(i));
    RecordWrongLine(d, 0, 6);
    RecordWrongLine(d, 1, 18);
    d.QuestionNum = 3;
    d.HazureCount = 2;
    FinishDrillRecord(d, "33", "q.txt", "r.txt", "t");
    // A record left in the next room by a stopped drill must not be read.
    RecordAskedLine(d, 3, 999);

    d.PrevDrill = 0;
    d.SameQuestion = wrongOnly ? 0 : 1;
    d.ErrorOnly = wrongOnly ? 1 : 0;
    QVector<int> got;
    for (d.AskedCount = 0; d.AskedCount < 6; ++d.AskedCount) {
        const QuestionChoice c = ChooseNextQuestion(d);
        if (!c.ok) {
            QVERIFY(c.message.isEmpty());   // used up: the drill just ends
            break;
        }
        got.append(c.line);
    }
    QCOMPARE(got, expected);
}

void TestPresentation::randomChoiceMayRepeat()
{
    DrillState d;
    d.lstQuestionIndex = QStringList{"0", "6", "12"};
    Random::global().seed(5);
    bool repeated = false;
    int previous = -1;
    for (int i = 0; i < 50; ++i) {
        const QuestionChoice c = ChooseNextQuestion(d);
        QVERIFY(c.ok);
        QVERIFY(d.lstQuestionIndex.contains(QString::number(c.line)));
        repeated = repeated || c.line == previous;
        previous = c.line;
    }
    QVERIFY(repeated);

    d.lstQuestionIndex.clear();
    const QuestionChoice none = ChooseNextQuestion(d);
    QVERIFY(!none.ok);
    QVERIFY(!none.message.isEmpty());
}

void TestPresentation::takeNextQuestionLoadsAndRecords()
{
    QTemporaryDir dir;
    const QString q = dir.filePath("q.txt");
    QVERIFY(TextFile::writeLines(q, {"#a", "One.", "一", "c1", "", "", "#b", "Two.", "二", "c2",
                                     "w"}));
    DrillState d;
    QVERIFY(ScanCollection(q, d.lstQuestionIndex, nullptr));
    BeginDrillRecord(d, q, "r.txt", "t");
    d.NotRandom = 1;
    d.QuestionNum = 2;
    QString error;
    QVERIFY(TakeQuestion(d, q, 0, 0, &error));
    Settings s;
    PrepareQuestion(d, s);
    QCOMPARE(d.AskedCount, 1);
    QuestionChoice c;
    QVERIFY(TakeNextQuestion(d, q, 1, &c));
    QCOMPARE(d.CurrentLine, 6);
    QCOMPARE(d.QuestionText, QStringLiteral("Two."));
    QCOMPARE(d.Drills.at(0).AskedLines, (QVector<int>{0, 6}));

    // The collection was cut short after the start.
    QVERIFY(TextFile::writeLines(q, {"#a", "One.", "一", "c1", "", "", "#b"}));
    PrepareQuestion(d, s);
    d.NotRandomPos = 0;   // the next in order is line 6 again
    QVERIFY(!TakeNextQuestion(d, q, 0, &c));
    QVERIFY(!c.message.isEmpty());
}

void TestPresentation::repeatingKeepsQuestionAndCounter()
{
    DrillState d;
    d.lstQuestionIndex = QStringList{"0", "6"};
    d.CurrentLine = 6;
    d.AnswerText = QStringLiteral("Two.");
    d.AskedCount = 2;
    d.QuestionNum = 5;
    d.Repeating = 1;
    QuestionChoice c;
    QVERIFY(TakeNextQuestion(d, QStringLiteral("/nonexistent/file.txt"), 0, &c));
    QCOMPARE(d.CurrentLine, 6);
    Settings s;
    const PreparedQuestion p = PrepareQuestion(d, s);
    QCOMPARE(d.AskedCount, 2);
    QCOMPARE(p.questionNumLabel, QString::fromUtf8(" ： 2 / 5"));
}

void TestPresentation::questionColour_data()
{
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("questionRate");
    QTest::addColumn<int>("drillRate");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("change");

    QTest::newRow("off") << 0 << 1 << 0 << 0 << true << false;
    QTest::newRow("by question below") << 1 << 1 << 49 << 100 << false << true;
    QTest::newRow("by question equal") << 1 << 1 << 50 << 0 << false << true;
    QTest::newRow("by question equal, first question") << 1 << 1 << 50 << 0 << true << true;
    QTest::newRow("by question above") << 1 << 1 << 51 << 0 << true << false;
    QTest::newRow("by drill below") << 1 << 0 << 100 << 49 << false << true;
    QTest::newRow("by drill equal") << 1 << 0 << 0 << 50 << false << false;
    QTest::newRow("by drill above") << 1 << 0 << 0 << 80 << false << false;
    QTest::newRow("by drill first question") << 1 << 0 << 100 << 100 << true << true;
}

void TestPresentation::questionColour()
{
    QFETCH(int, on);
    QFETCH(int, type);
    QFETCH(int, questionRate);
    QFETCH(int, drillRate);
    QFETCH(bool, first);
    QFETCH(bool, change);
    Settings s;
    s.ChangeColorOn = on;
    s.ChangeColorType = type;
    s.ChangeColorPercent = 50;
    s.ChangeColor = 255;
    s.FontQuestionColor = 0x123456;
    QCOMPARE(QuestionColor(s, questionRate, drillRate, first), change ? 255 : 0x123456);
}

void TestPresentation::prepareQuestionByAnswerType()
{
    Clock::install(&m_clock);
    Settings s;
    s.ShowHint = 1;
    s.HintSymbol = QStringLiteral("#");

    DrillState d;
    d.AnswerText = QStringLiteral("I am a boy.");
    d.QuestionText = QString::fromUtf8("私は少年です。");
    d.HoleWords = QStringLiteral("boy");
    d.CurrentKeyword = QString::fromUtf8("#キーワードなし");
    d.QuestionNum = 10;

    s.AnswerType = 2;
    PreparedQuestion p = PrepareQuestion(d, s);
    QVERIFY(p.showHole);
    QCOMPARE(p.holeLine, QStringLiteral("I am a (        )."));
    QCOMPARE(p.hintText, QStringLiteral(" # ## # ###."));
    QCOMPARE(p.keywordStatus, QString::fromUtf8("解説なし"));
    QCOMPARE(p.questionNumLabel, QString::fromUtf8(" ： 1 / 10"));

    // English to Japanese: no hint, no words.
    d.lstHint.clear();
    s.QuestionType = 1;
    s.AnswerType = 0;
    d.QuestionText = QStringLiteral("I am a boy.");
    d.AnswerText = QString::fromUtf8("私は少年です。");
    p = PrepareQuestion(d, s);
    QVERIFY(d.lstHint.isEmpty());
    QVERIFY(p.hintText.isEmpty());
    QVERIFY(!p.showHole);
    QCOMPARE(EnglishSentence(d, 1), QStringLiteral("I am a boy."));
    QCOMPARE(d.AskedCount, 2);

    s.ShowHint = 0;
    s.QuestionType = 0;
    d.AnswerText = QStringLiteral("Yes.");
    p = PrepareQuestion(d, s);
    QVERIFY(p.hintText.isEmpty());
    QCOMPARE(d.lstHint, QStringList{"Yes."});
}

void TestPresentation::labelsAndCountdown()
{
    QCOMPARE(PercentLabel(67), QString::fromUtf8(" ： 67 / 100 ％"));
    QCOMPARE(TimeLabel(4, 5), QString::fromUtf8(" ： 4 / 5 秒"));
    QCOMPARE(FinishedIdleLabels().percent, QString::fromUtf8(" : 0 / 100％"));
    QCOMPARE(StoppedIdleLabels().questionNum, QString::fromUtf8(" ： 0 / 0"));
    QCOMPARE(FinishedIdleLabels().time, QString::fromUtf8(" : 0 / 0秒"));

    DrillState d;
    Settings s;
    QCOMPARE(CountdownSeconds(d, s), 0);
    s.TimeLimitOn = 1;
    s.TimeLimit = 8;
    QCOMPARE(CountdownSeconds(d, s), 8);
    d.SelfStudyOn = 1;
    d.SelfStudyTime = 3;
    QCOMPARE(CountdownSeconds(d, s), 3);
    QCOMPARE(RateValue(QStringLiteral("67")), 67);
    QCOMPARE(RateValue(QStringLiteral("x")), 0);
}

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
