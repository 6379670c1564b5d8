// Judging answers: the comparison, the verdict of each answer form, what a
// judged answer counts, plays and shows, and what comes after it.
#include <QTemporaryDir>
#include <QtTest>

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "drill/Judging.h"
#include "platform/TextFile.h"
#include "records/Answers.h"
#include "settings/Settings.h"

class TestJudging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shortAnswer_data();
    void shortAnswer();
    void comparison_data();
    void comparison();
    void verdict_data();
    void verdict();
    void beginJudgingClearsAcceptedFlag();
    void answerIsOneLine_data();
    void answerIsOneLine();
    void firstAnswerEffects_data();
    void firstAnswerEffects();
    void repeatAnswerEffects_data();
    void repeatAnswerEffects();
    void messageTexts();
    void countingFirstAnswers();
    void repeatModeCountsFirstWrongAnswerOnce();
    void afterJudging_data();
    void afterJudging();
    void resetDrill();

private:
    QTemporaryDir m_dir;
    QString m_answers;
};

void TestJudging::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_answers = m_dir.filePath("Question.ans");
    QVERIFY(InitAnswersFile(m_answers));
    QVERIFY(AppendAcceptedAnswer(m_answers, QString::fromUtf8("私は少年です。"),
                                 QStringLiteral("I'm a boy.")));
    QVERIFY(AppendAcceptedAnswer(m_answers, QString::fromUtf8("彼は走る。"),
                                 QStringLiteral("he runs.")));
}

void TestJudging::shortAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shortText");
    QTest::newRow("full stop") << "I am a boy." << "I am a boy";
    QTest::newRow("question mark") << "Are you ready?" << "Are you ready";
    QTest::newRow("abbreviation") << "I met Mr. Smith." << "I met Mr";
    QTest::newRow("full stop before question mark") << "Is it 3.5 now?" << "Is it 3";
    QTest::newRow("neither") << "Hello!" << "";
}

void TestJudging::shortAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, shortText);
    QCOMPARE(ShortAnswer(answer), shortText);
}

void TestJudging::comparison_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("ignoreCase");
    QTest::addColumn<int>("notPeriod");
    QTest::addColumn<bool>("correct");

    QTest::newRow("exact") << "I am a boy." << "I am a boy." << 0 << 0 << true;
    QTest::newRow("case differs, strict") << "i am a boy." << "I am a boy." << 0 << 0 << false;
    QTest::newRow("case differs, ignored") << "i AM a boy." << "I am a boy." << 1 << 0 << true;
    QTest::newRow("no full stop, strict") << "I am a boy" << "I am a boy." << 0 << 0 << false;
    QTest::newRow("no full stop, allowed") << "I am a boy" << "I am a boy." << 0 << 1 << true;
    QTest::newRow("no question mark, allowed") << "Are you ready" << "Are you ready?" << 0 << 1
                                               << true;
    QTest::newRow("abbreviation cut") << "I met Mr" << "I met Mr. Smith." << 0 << 1 << true;
    QTest::newRow("abbreviation, whole without stop")
        << "I met Mr. Smith" << "I met Mr. Smith." << 0 << 1 << false;
    QTest::newRow("no stop, case, both on") << "i am a BOY" << "I am a boy." << 1 << 1 << true;
    QTest::newRow("no stop, case, case strict") << "i am a boy" << "I am a boy." << 0 << 1
                                                << false;
    QTest::newRow("extra space") << "I am a boy. " << "I am a boy." << 1 << 1 << false;
    QTest::newRow("empty against sentence without stop") << "" << "Hello!" << 1 << 1 << false;
    QTest::newRow("empty against bare stop") << "" << "." << 0 << 1 << false;
    // What Linux input methods type equals the collection's CP932 twin.
    QTest::newRow("wave dash typed, tilde stored") << "〜ing" << "～ing" << 0 << 0 << true;
    QTest::newRow("minus sign typed") << "−5度" << "－5度" << 0 << 0 << true;
    QTest::newRow("em dash, case ignored") << "A—B" << "a―b" << 1 << 0 << true;
    QTest::newRow("tilde stored, without its stop") << "〜ing" << "～ing." << 0 << 1 << true;
    QTest::newRow("ASCII tilde is another character") << "~ing" << "～ing" << 0 << 0 << false;
    QTest::newRow("pound sign, UTF-8 collection") << "￡5" << "£5" << 0 << 0 << true;
}

void TestJudging::comparison()
{
    QFETCH(QString, input);
    QFETCH(QString, answer);
    QFETCH(int, ignoreCase);
    QFETCH(int, notPeriod);
    QFETCH(bool, correct);
    QCOMPARE(IsAnswerCorrect(input, answer, ignoreCase, notPeriod), correct);
}

void TestJudging::verdict_data()
{
    QTest::addColumn<int>("selfStudy");
    QTest::addColumn<int>("selfScore");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<int>("ignoreCase");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("correct");

    const QString q = QString::fromUtf8("私は少年です。");
    for (int type = 0; type <= 2; ++type) {
        QTest::addRow("empty, answer type %d", type) << 0 << 1 << type << 1 << q << "" << false;
        QTest::addRow("self-scoring correct, empty, type %d", type) << 1 << 1 << type << 0 << q
                                                                    << "" << true;
        QTest::addRow("self-scoring wrong, exact, type %d", type) << 1 << 0 << type << 0 << q
                                                                  << "I am a boy." << false;
    }
    QTest::newRow("typed exact") << 0 << 0 << 0 << 0 << q << "I am a boy." << true;
    QTest::newRow("typed wrong") << 0 << 0 << 0 << 0 << q << "I am boy." << false;
    QTest::newRow("registered answer") << 0 << 0 << 0 << 0 << q << "I'm a boy." << true;
    QTest::newRow("registered answer, other case") << 0 << 0 << 0 << 1 << q << "i'm a boy."
                                                   << false;
    QTest::newRow("registered for another question")
        << 0 << 0 << 0 << 0 << QString::fromUtf8("私は少年です") << "I'm a boy." << false;
    QTest::newRow("registered answer, rearranging") << 0 << 0 << 1 << 0 << q << "I'm a boy."
                                                    << true;
    QTest::newRow("fill-in word") << 0 << 0 << 2 << 0 << q << "boy" << true;
    QTest::newRow("fill-in word, case, ignore on") << 0 << 0 << 2 << 1 << q << "Boy" << false;
    QTest::newRow("fill-in whole sentence") << 0 << 0 << 2 << 0 << q << "I am a boy." << true;
    QTest::newRow("fill-in whole sentence, case ignored") << 0 << 0 << 2 << 1 << q
                                                          << "i am a boy." << true;
    QTest::newRow("fill-in word, folded") << 0 << 0 << 2 << 0 << q << "〜" << true;
    QTest::newRow("fill-in ignores registered answers") << 0 << 0 << 2 << 0 << q << "I'm a boy."
                                                        << false;
}

void TestJudging::verdict()
{
    QFETCH(int, selfStudy);
    QFETCH(int, selfScore);
    QFETCH(int, answerType);
    QFETCH(int, ignoreCase);
    QFETCH(QString, question);
    QFETCH(QString, input);
    QFETCH(bool, correct);

    DrillState d;
    d.SelfStudyOn = selfStudy;
    d.SelfScore = selfScore;
    d.QuestionText = question;
    d.AnswerText = QStringLiteral("I am a boy.");
    d.HoleWord = input == QStringLiteral("〜") ? QStringLiteral("～") : QStringLiteral("boy");
    Settings s;
    s.AnswerType = answerType;
    s.IgnoreCase = ignoreCase;
    s.NotPeriod = 0;
    BeginJudging(d, input);
    QCOMPARE(d.InputAnswer, input);
    QCOMPARE(JudgeAnswer(d, s, m_answers), correct);
}

void TestJudging::beginJudgingClearsAcceptedFlag()
{
    DrillState d;
    d.AcceptedAsCorrect = true;
    d.Repeating = 1;
    BeginJudging(d, QStringLiteral("x"));
    QVERIFY(!d.AcceptedAsCorrect);
    QCOMPARE(d.Repeating, 0);
}

void TestJudging::answerIsOneLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("judged");
    QTest::newRow("one line") << "Yes, I do." << "Yes, I do.";
    QTest::newRow("LF") << "Yes\nNo" << "Yes No";
    QTest::newRow("CR LF") << "Yes\r\nNo" << "Yes No";
    QTest::newRow("bare CR") << "Yes\rNo" << "Yes No";
    QTest::newRow("two breaks") << "a\n\nb" << "a  b";
    QTest::newRow("line separator") << "a\u2028b" << "a b";
}

void TestJudging::answerIsOneLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, judged);
    DrillState d;
    BeginJudging(d, typed);
    QCOMPARE(d.InputAnswer, judged);
    // Accepted, it is one line of the answers file and is found again.
    const QString ans = m_dir.filePath(QStringLiteral("oneline.ans"));
    QFile::remove(ans);
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("問"), d.InputAnswer));
    QStringList lines;
    QVERIFY(TextFile::readLines(ans, lines));
    QCOMPARE(lines, QStringList{QStringLiteral("問=") + judged});
    DrillState again;
    BeginJudging(again, typed);
    QVERIFY(IsRegisteredAnswer(ans, QStringLiteral("問"), again.InputAnswer));
    // Unflattened, the answer is refused rather than split.
    if (typed != judged)
        QVERIFY(!AppendAcceptedAnswer(ans, QStringLiteral("問"), typed));
    QVERIFY(TextFile::readLines(ans, lines));
    QCOMPARE(lines.size(), 1);
}

void TestJudging::firstAnswerEffects_data()
{
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("showResult");
    QTest::addColumn<int>("errorOnly");
    QTest::addColumn<int>("easy");
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("voiceOn");
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("voice");

    const int none = int(ResultDisplay::None), box = int(ResultDisplay::EasyBox),
              dialog = int(ResultDisplay::Dialog);
    QTest::newRow("correct, dialog") << true << 1 << 0 << 0 << 1 << 1 << dialog << "hit.wav"
                                     << "ANI;1";
    QTest::newRow("correct, easy box") << true << 1 << 0 << 1 << 0 << 0 << box << "" << "";
    QTest::newRow("correct, errors only") << true << 1 << 1 << 1 << 1 << 0 << none << "hit.wav"
                                          << "";
    QTest::newRow("correct, no result") << true << 0 << 0 << 1 << 1 << 0 << none << "hit.wav"
                                        << "";
    QTest::newRow("wrong, dialog") << false << 1 << 0 << 0 << 1 << 1 << dialog << "out.wav"
                                   << "ANI;2";
    QTest::newRow("wrong, errors only still shown") << false << 1 << 1 << 1 << 0 << 0 << box
                                                    << "" << "";
    QTest::newRow("wrong, no result") << false << 0 << 1 << 1 << 1 << 1 << none << "out.wav"
                                      << "ANI;2";
}

void TestJudging::firstAnswerEffects()
{
    QFETCH(bool, correct);
    QFETCH(int, showResult);
    QFETCH(int, errorOnly);
    QFETCH(int, easy);
    QFETCH(int, soundOn);
    QFETCH(int, voiceOn);
    QFETCH(int, display);
    QFETCH(QString, sound);
    QFETCH(QString, voice);

    Settings s;
    s.ShowResult = showResult;
    s.ShowErrorOnly = errorOnly;
    s.EasyResultAtari = easy;
    s.EasyResultHazure = easy;
    s.AtariOn = s.HazureOn = soundOn;
    s.VoiceOn = voiceOn;
    s.AtariSoundFile = QStringLiteral("hit.wav");
    s.HazureSoundFile = QStringLiteral("out.wav");
    s.AutoImportantOn = soundOn;
    DrillState d;
    d.QAskedCount = 3;
    d.QRate = QStringLiteral("67");
    d.AnswerText = QStringLiteral("I am a boy.");
    d.CommentText = QStringLiteral("be");
    const AnswerEffects e = FirstAnswerEffects(d, s, correct);
    QCOMPARE(int(e.display), display);
    QCOMPARE(e.sound, sound);
    QCOMPARE(e.voiceCommand, voice);
    QCOMPARE(e.adjustImportance, soundOn == 1);
    if (e.display == ResultDisplay::EasyBox) {
        QCOMPARE(e.caption, correct ? CorrectCaption() : WrongCaption());
        QCOMPARE(e.text, correct ? EasyCorrectText(3, "67", "be")
                                 : EasyWrongText(3, "67", "I am a boy.", "be"));
    }
}

void TestJudging::repeatAnswerEffects_data()
{
    QTest::addColumn<bool>("correct");
    QTest::addColumn<int>("showResult");
    QTest::addColumn<int>("errorOnly");
    QTest::addColumn<bool>("box");
    QTest::newRow("correct shown") << true << 1 << 0 << true;
    QTest::newRow("correct, errors only") << true << 1 << 1 << false;
    QTest::newRow("wrong, errors only") << false << 1 << 1 << true;
    QTest::newRow("wrong, no result") << false << 0 << 0 << false;
}

void TestJudging::repeatAnswerEffects()
{
    QFETCH(bool, correct);
    QFETCH(int, showResult);
    QFETCH(int, errorOnly);
    QFETCH(bool, box);
    Settings s;
    s.ShowResult = showResult;
    s.ShowErrorOnly = errorOnly;
    s.EasyResultAtari = s.EasyResultHazure = 0;   // repeats always use the box
    s.VoiceOn = 1;
    s.AutoImportantOn = 1;
    DrillState d;
    d.AnswerText = QStringLiteral("Go.");
    d.CommentText = QStringLiteral("c");
    const AnswerEffects e = RepeatAnswerEffects(d, s, correct);
    QCOMPARE(e.display, box ? ResultDisplay::EasyBox : ResultDisplay::None);
    QVERIFY(e.voiceCommand.isEmpty());
    QVERIFY(!e.adjustImportance);
    if (box)
        QCOMPARE(e.text, correct ? RepeatCorrectText("c") : RepeatWrongText("Go.", "c"));
}

void TestJudging::messageTexts()
{
    QCOMPARE(CorrectCaption(), QString::fromUtf8("☆ 正解です ☆"));
    QCOMPARE(WrongCaption(), QString::fromUtf8("☆ 不正解です ☆"));
    QCOMPARE(EasyCorrectText(4, "75", "c"),
             QString::fromUtf8("☆ 正解 ☆\n\n出題数 ： 4問\n正解率 ： 75％\n\nコメント ： c"));
    QCOMPARE(EasyWrongText(2, "0", "Go.", "c"),
             QString::fromUtf8("☆ 不正解 ☆\n\n出題数 ： 2問\n正解率 ： 0％\n\n正解 ： Go.\n"
                               "コメント ： c"));
    QCOMPARE(RepeatCorrectText("c"),
             QString::fromUtf8("☆ 正解 ☆\n\nコメント ： c\n\n次の問題に進みます"));
    QCOMPARE(RepeatWrongText("Go.", "c"),
             QString::fromUtf8("☆ 不正解 ☆\n\n正解 ： Go.\nコメント ： c\n\n問題を繰り返します"));
}

void TestJudging::countingFirstAnswers()
{
    DrillState d;
    Settings s;
    s.RepeatError = 0;
    BeginDrillRecord(d, "q.txt", "r.txt", "t");
    d.CurrentLine = 12;
    CountWrongAnswer(d, s);
    d.CurrentLine = 30;
    CountWrongAnswer(d, s);
    CountCorrectAnswer(d);
    QCOMPARE(d.HazureCount, 2);
    QCOMPARE(d.AtariCount, 1);
    QCOMPARE(d.Repeating, 0);
    QCOMPARE(d.Drills.at(0).WrongLines, (QVector<int>{12, 30}));
    d.AskedCount = 3;
    QCOMPARE(DrillRate(d), 33);

    // More wrong answers than the record has room for never write past it.
    d.HazureCount = DrillRecord::MaxLines;
    CountWrongAnswer(d, s);
    QCOMPARE(d.Drills.at(0).WrongLines.size(), 2);
    QCOMPARE(d.HazureCount, DrillRecord::MaxLines + 1);
}

void TestJudging::repeatModeCountsFirstWrongAnswerOnce()
{
    DrillState d;
    Settings s;
    s.RepeatError = 1;
    BeginDrillRecord(d, "q.txt", "r.txt", "t");
    d.QuestionNum = 1;
    d.AskedCount = 1;
    d.CurrentLine = 6;

    // First answer wrong: counted, and the question repeats.
    BeginJudging(d, "x");
    QVERIFY(!UseRepeatCheck(d, s));
    CountWrongAnswer(d, s);
    QCOMPARE(d.Repeating, 1);
    QCOMPARE(AfterJudging(d), AfterResult::NextQuestion);

    // Repeat wrong again: nothing counted, still repeating.
    QVERIFY(UseRepeatCheck(d, s));
    BeginJudging(d, "y");
    FinishRepeatAnswer(d, s, false);
    QCOMPARE(d.Repeating, 1);
    QCOMPARE(d.HazureCount, 1);

    // Repeat right: moves on; the drill of one question is finished.
    QVERIFY(UseRepeatCheck(d, s));
    BeginJudging(d, "Go.");
    FinishRepeatAnswer(d, s, true);
    QCOMPARE(d.Repeating, 0);
    QCOMPARE(d.HazureCount, 1);
    QCOMPARE(d.AtariCount, 0);
    QCOMPARE(d.Drills.at(0).WrongLines, QVector<int>{6});
    QCOMPARE(AfterJudging(d), AfterResult::Finished);
}

void TestJudging::afterJudging_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("planned");
    QTest::addColumn<int>("repeating");
    QTest::addColumn<int>("resume");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("advance");
    QTest::newRow("middle") << 3 << 10 << 0 << 1 << false << true;
    QTest::newRow("middle, repeating") << 3 << 10 << 1 << 1 << false << false;
    QTest::newRow("last, repeating") << 10 << 10 << 1 << 1 << false << false;
    QTest::newRow("last") << 10 << 10 << 0 << 1 << true << true;
    QTest::newRow("last, no resume") << 10 << 10 << 0 << 0 << true << false;
    QTest::newRow("middle, no resume") << 2 << 10 << 0 << 0 << false << false;
}

void TestJudging::afterJudging()
{
    QFETCH(int, asked);
    QFETCH(int, planned);
    QFETCH(int, repeating);
    QFETCH(int, resume);
    QFETCH(bool, finished);
    QFETCH(bool, advance);
    DrillState d;
    d.AskedCount = asked;
    d.QuestionNum = planned;
    d.Repeating = repeating;
    d.NotRandomContinue = resume;
    const AfterResult after = AfterJudging(d);
    QCOMPARE(after == AfterResult::Finished, finished);
    QCOMPARE(ShouldAdvanceContinue(d, after), advance);
}

void TestJudging::resetDrill()
{
    DrillState d;
    d.AskedCount = d.AtariCount = d.HazureCount = d.WordTaken = d.Repeating = 3;
    d.Running = true;
    d.lstQuestionIndex = QStringList{"0"};
    d.lstHint = d.lstNarabi = d.lstTempNarabi = d.lstUndo = d.lstUndoNum = QStringList{"a"};
    d.DrillCount = 2;
    ResetDrill(d);
    QCOMPARE(d.AskedCount + d.AtariCount + d.HazureCount + d.WordTaken + d.Repeating, 0);
    QVERIFY(!d.Running);
    QVERIFY(d.lstQuestionIndex.isEmpty() && d.lstHint.isEmpty() && d.lstNarabi.isEmpty()
            && d.lstTempNarabi.isEmpty() && d.lstUndo.isEmpty() && d.lstUndoNum.isEmpty());
    QCOMPARE(d.DrillCount, 2);
}

QTEST_GUILESS_MAIN(TestJudging)
#include "tst_judging.moc"
