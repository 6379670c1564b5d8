// Whole drills through the main window: answers typed (or words taken) and
// judged with Result, the records every judged answer and every finished
// drill leaves, repeat mode, the result displays and the idle labels.
#include "FileSizeLimit.h"
#include "drill_support.h"

#include "platform/Clock.h"
#include "platform/CorrectRate.h"
#include "platform/DateStrings.h"
#include "records/RecordPaths.h"
#include "widgets/Gauge.h"
#include "widgets/StatusBar.h"

#include <QMap>
#include <QtTest>

using namespace drilltest;

class TestDrillRun : public QObject
{
    Q_OBJECT

private slots:
    void wholeDrill_data();
    void wholeDrill();
    void repeatMode_data();
    void repeatMode();
    void showErrorOnly_data();
    void showErrorOnly();
    void acceptedInWrongAnswerDialog();
    void fullDiskReportedOncePerAnswer();
    void shutdownWriteFailureReported();
    void monthCountsKeptWhenDayFileFails();
    void selfScoring_data();
    void selfScoring();
    void timeLimitSubmits();
    void finishedAndStoppedLabels_data();
    void finishedAndStoppedLabels();
    void finishDisplay_data();
    void finishDisplay();
    void automaticImportance_data();
    void automaticImportance();
    void historyRoomNeverOverflows();
    void enterInAnswerBoxJudges();
    void acceptedFlagOfEarlierQuestionIgnored();
};

void TestDrillRun::wholeDrill_data()
{
    QTest::addColumn<int>("answerType");
    QTest::addColumn<int>("questionType");
    QTest::newRow("typing, Japanese to English") << 0 << 0;
    QTest::newRow("typing, English to Japanese") << 0 << 1;
    QTest::newRow("rearranging") << 1 << 0;
    QTest::newRow("fill-in") << 2 << 0;
}

// Three questions: right, wrong (empty answer), right.
void TestDrillRun::wholeDrill()
{
    QFETCH(int, answerType);
    QFETCH(int, questionType);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("MakeLogFile"), QStringLiteral("1")}});
    startDrill(env, 3, answerType, questionType);
    QVERIFY(w->drill.Running);
    QCOMPARE(w->settings.AnswerType, answerType);
    QCOMPARE(w->settings.QuestionType, questionType);
    QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 1 / 3"));
    QCOMPARE(w->lblAtariNum->text(), QStringLiteral(" ： 0 / 3"));
    QCOMPARE(w->lblPercent->text(), QStringLiteral(" ： 0 / 100 ％"));
    QCOMPARE(w->sbInfo->panelText(1), QStringLiteral("Question.txt"));
    QCOMPARE(w->sbInfo->panelText(2), QStringLiteral("Reference.txt"));

    struct Asked { int line; QString english; bool right; };
    QList<Asked> asked;
    const bool pattern[3] = {true, false, true};
    for (int i = 0; i < 3; ++i) {
        const QString english = questionType == 0 ? w->drill.AnswerText : w->drill.QuestionText;
        QCOMPARE(w->moQuestion->toPlainText(), w->drill.QuestionText);
        asked.append({w->drill.CurrentLine, english, pattern[i]});
        if (pattern[i]) {
            if (answerType == 1)
                takeWords(w, w->drill.AnswerText);
            else
                w->txtAnswer->setText(rightAnswer(w));
        } else {
            w->txtAnswer->clear();
        }
        env.find<QPushButton>(QStringLiteral("cmdResult"))->click();
        if (i == 0) {
            QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 2 / 3"));
            QCOMPARE(w->lblAtariNum->text(), QStringLiteral(" ： 1 / 3"));
            QCOMPARE(w->lblPercent->text(), QStringLiteral(" ： 100 / 100 ％"));
            QCOMPARE(w->sbInfo->panelText(4), QStringLiteral("今月の正解率 ： 100％"));
        }
    }
    QVERIFY(!w->drill.Running);

    // The question data: one section per English sentence.
    QMap<QString, QPair<int, int>> counts;
    for (const Asked &a : asked) {
        counts[a.english].first += 1;
        counts[a.english].second += a.right ? 1 : 0;
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QString file = QStringLiteral("Question.dat");
        QCOMPARE(iniValue(env, file, it.key(), QStringLiteral("出題数")), QString::number(it->first));
        QCOMPARE(iniValue(env, file, it.key(), QStringLiteral("正解数")), QString::number(it->second));
        QCOMPARE(iniValue(env, file, it.key(), QStringLiteral("正解率")), CorrectRate(it->second, it->first));
    }

    // Day and month counts, the recent-drill rate and the study log.
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("Information"), QStringLiteral("PrevDay")), QStringLiteral("9"));
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("Information"), QStringLiteral("DayNum")), QStringLiteral("1"));
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("1"), QStringLiteral("Date")), QStringLiteral("3/9"));
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("1"), QStringLiteral("3/9")), QStringLiteral("3,2,67"));
    QCOMPARE(iniValue(env, QStringLiteral("2001.dat"), QStringLiteral("Question"), QStringLiteral("3")), QStringLiteral("3,2,67"));
    QCOMPARE(iniValue(env, QStringLiteral("2001.dat"), QStringLiteral("Question"), QStringLiteral("4")), QStringLiteral("0,0,0"));
    QCOMPARE(iniValue(env, QStringLiteral("Temp.dat"), QStringLiteral("Question"), QStringLiteral("Count")), QStringLiteral("1"));
    QCOMPARE(iniValue(env, QStringLiteral("Temp.dat"), QStringLiteral("Question"), QStringLiteral("1")), QStringLiteral("67"));
    QCOMPARE(iniValue(env, QStringLiteral("Temp.dat"), QStringLiteral("Question"), QStringLiteral("2")), QStringLiteral("0"));
    QCOMPARE(iniValue(env, QStringLiteral("Question.ans"), QStringLiteral("正解ファイル"), QStringLiteral("問題")), QStringLiteral("新しい正解"));
    const QStringList log = fileLines(userFile(env, QStringLiteral("20013.txt")));
    const QString rule = QString(55, QLatin1Char('='));
    QCOMPARE(log, QStringList({rule, QStringLiteral("学習開始 ： 3/9/2001、   14：5：07"),
                               QStringLiteral("学習終了 ： 3/9/2001、   14：5：07"),
                               QStringLiteral("問題集 ： Question"), QStringLiteral("出題数 ： 3問"),
                               QStringLiteral("正解数 ： 2問\t不正解数 ： 1問\t正解率 ： 67％"), rule, QString()}));

    // The drill record.
    QCOMPARE(w->drill.DrillCount, 1);
    const DrillRecord &r = w->drill.Drills.at(0);
    QCOMPARE(r.PlannedCount, 3);
    QCOMPARE(r.AtariCount, 2);
    QCOMPARE(r.HazureCount, 1);
    QCOMPARE(r.AskedLines.mid(0, 3), QVector<int>({asked[0].line, asked[1].line, asked[2].line}));
    QCOMPARE(r.WrongLines.value(0), asked[1].line);
    QCOMPARE(r.CorrectRate, QStringLiteral("67"));
    QCOMPARE(r.QuestionFile, env.path(QStringLiteral("dictionary/Question.txt")));
    QCOMPARE(r.ReferenceFile, env.path(QStringLiteral("reference/Reference.txt")));
    QCOMPARE(r.StartTime, QStringLiteral("14：5：07"));
    QCOMPARE(r.EndTime, QStringLiteral("14：5：07"));

    // Sounds and displays, in order; the summary last.
    QCOMPARE(env.platform.sounds(), QStringList({env.path(QStringLiteral("hit.wav")), env.path(QStringLiteral("out.wav")),
                                                 env.path(QStringLiteral("hit.wav"))}));
    QCOMPARE(dialogsShown(env.platform),
             QStringList({QStringLiteral("frmQuestionSetup"), QStringLiteral("frmResultAtari"),
                          QStringLiteral("frmResultError"), QStringLiteral("frmResultAtari"),
                          QStringLiteral("frmResult")}));
    QVERIFY(w->moQuestion->toPlainText().isEmpty());
    QVERIFY(w->lstAnswer->count() == 0);
    QVERIFY(w->drill.lstQuestionIndex.isEmpty());
}

void TestDrillRun::repeatMode_data()
{
    QTest::addColumn<int>("wrongAt");
    QTest::newRow("every first answer right") << -1;
    QTest::newRow("first question answered wrong") << 0;
    QTest::newRow("last question answered wrong") << 1;
}

// Repeat mode: a wrongly answered question comes back without counting; the
// drill ends after the last question is answered right; the finish sound only
// when every first answer was right.
void TestDrillRun::repeatMode()
{
    QFETCH(int, wrongAt);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("RepeatError"), QStringLiteral("1")},
                                  {QStringLiteral("FinishOn"), QStringLiteral("1")}});
    w->settings.FinishSoundFile = env.path(QStringLiteral("finish.wav"));
    startDrill(env, 2);
    QStringList english;
    for (int i = 0; i < 2; ++i) {
        const QString label = QStringLiteral(" ： %1 / 2").arg(i + 1);
        QCOMPARE(w->lblQuestionNum->text(), label);
        english.append(w->drill.AnswerText);
        if (i == wrongAt) {
            const int line = w->drill.CurrentLine;
            answer(env, QStringLiteral("wrong"));
            QVERIFY(w->drill.Running);
            QVERIFY(w->drill.Repeating);
            QCOMPARE(w->drill.CurrentLine, line);
            QCOMPARE(w->lblQuestionNum->text(), label);
            answer(env, QStringLiteral("still wrong"));
            QVERIFY(w->drill.Running);
            QVERIFY(w->drill.Repeating);
            QCOMPARE(w->lblQuestionNum->text(), label);
            QCOMPARE(env.platform.messages().last(),
                     QStringLiteral("☆ 不正解 ☆\n\n正解 ： ") + english.last()
                         + QStringLiteral("\nコメント ： ") + w->drill.CommentText
                         + QStringLiteral("\n\n問題を繰り返します"));
            const QString comment = w->drill.CommentText;
            answer(env, w->drill.AnswerText);
            QCOMPARE(env.platform.messages().last(),
                     QStringLiteral("☆ 正解 ☆\n\nコメント ： ") + comment
                         + QStringLiteral("\n\n次の問題に進みます"));
        } else {
            answer(env, w->drill.AnswerText);
        }
        QVERIFY(!w->drill.Repeating);
    }
    QVERIFY(!w->drill.Running);

    const bool allRight = wrongAt < 0;
    const DrillRecord &r = w->drill.Drills.at(0);
    QCOMPARE(r.AtariCount, allRight ? 2 : 1);
    QCOMPARE(r.HazureCount, allRight ? 0 : 1);
    QCOMPARE(r.AskedLines.size(), 2);
    // The first wrong answer is counted once; the repeats only report.
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("1"), QStringLiteral("3/9")),
             allRight ? QStringLiteral("2,2,100") : QStringLiteral("2,1,50"));
    if (!allRight && english.at(0) != english.at(1)) {
        const QString wrong = english.at(wrongAt);
        QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), wrong, QStringLiteral("出題数")), QStringLiteral("1"));
        QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), wrong, QStringLiteral("正解数")), QStringLiteral("0"));
    }
    QCOMPARE(env.platform.sounds().contains(env.path(QStringLiteral("finish.wav"))), allRight);
}

void TestDrillRun::showErrorOnly_data()
{
    QTest::addColumn<QString>("easyWrong");
    QTest::newRow("wrong-answer dialog") << QStringLiteral("0");
    QTest::newRow("wrong-answer box") << QStringLiteral("1");
}

// ShowResult 1 with ShowErrorOnly 1: right answers show nothing at all.
void TestDrillRun::showErrorOnly()
{
    QFETCH(QString, easyWrong);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowErrorOnly"), QStringLiteral("1")},
                                  {QStringLiteral("EasyResultHazure"), easyWrong},
                                  {QStringLiteral("EasyResultAtari"), QStringLiteral("1")}});
    startDrill(env, 3);
    env.platform.clear();
    answer(env, w->drill.AnswerText);
    QVERIFY(env.platform.callsOf(QStringLiteral("dialog")).isEmpty());
    QVERIFY(env.platform.messages().isEmpty());
    const QString comment = w->drill.CommentText;
    const QString english = w->drill.AnswerText;
    answer(env, QStringLiteral("nonsense"));
    if (easyWrong == QStringLiteral("1")) {
        QVERIFY(env.platform.callsOf(QStringLiteral("dialog")).isEmpty());
        QCOMPARE(env.platform.messages().size(), 1);
        QVERIFY(env.platform.messages().first().startsWith(QStringLiteral("☆ 不正解 ☆\n\n出題数 ： ")));
        QVERIFY(env.platform.messages().first().endsWith(QStringLiteral("\n\n正解 ： ") + english
                                                         + QStringLiteral("\nコメント ： ") + comment));
    } else {
        QCOMPARE(dialogsShown(env.platform), QStringList({QStringLiteral("frmResultError")}));
        QVERIFY(env.platform.messages().isEmpty());
    }
}

// Accepting the answer in the wrong-answer dialog makes it a right answer in
// every count.
void TestDrillRun::acceptedInWrongAnswerDialog()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("VoiceOn"), QStringLiteral("1")},
                                  {QStringLiteral("UseBuiltInVoice"), QStringLiteral("0")}}); // the companion
    startDrill(env, 1);
    const QString english = w->drill.AnswerText;
    const QString question = w->drill.QuestionText;
    env.platform.dialogHandlers.enqueue([](QDialog *d) {
        QPushButton *accept = d->findChild<QPushButton *>(QStringLiteral("cmdToAtari"));
        QVERIFY(accept);
        QVERIFY(accept->isEnabled());
        accept->click();
        QVERIFY(!accept->isEnabled());
        d->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    });
    env.platform.clear();
    answer(env, QStringLiteral("my own answer"));

    QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), english, QStringLiteral("出題数")), QStringLiteral("1"));
    QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), english, QStringLiteral("正解数")), QStringLiteral("1"));
    QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), english, QStringLiteral("正解率")), QStringLiteral("100"));
    QCOMPARE(iniValue(env, QStringLiteral("Question_20013.dat"), QStringLiteral("1"), QStringLiteral("3/9")), QStringLiteral("1,1,100"));
    QCOMPARE(iniValue(env, QStringLiteral("2001.dat"), QStringLiteral("Question"), QStringLiteral("3")), QStringLiteral("1,1,100"));
    const DrillRecord &r = w->drill.Drills.at(0);
    QCOMPARE(r.AtariCount, 1);
    QCOMPARE(r.HazureCount, 0);
    QCOMPARE(r.CorrectRate, QStringLiteral("100"));
    QVERIFY(fileLines(userFile(env, QStringLiteral("Question.ans")))
                .contains(question + QStringLiteral("=my own answer")));
    // Wrong reaction first, then the accepted one, then the whole-drill one.
    QCOMPARE(env.platform.clipboardHistory(),
             QStringList({QStringLiteral("ANI;2"), QStringLiteral("ANI;13"), QStringLiteral("ANI;1")}));
}

void TestDrillRun::selfScoring_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << QStringLiteral("cmdAtari") << true;
    QTest::newRow("wrong") << QStringLiteral("cmdHazure") << false;
    QTest::newRow("closed without a verdict") << QString() << false;
}

void TestDrillRun::selfScoring()
{
    QFETCH(QString, button);
    QFETCH(bool, right);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    startDrill(env, 2, 0, 0, [](TfrmQuestionSetup *d) {
        d->chkSelfStudyOn->click();
        d->txtSelfStudyTime->setText(QStringLiteral("7"));
    });
    QVERIFY(w->drill.Running);
    QCOMPARE(w->drill.SelfStudyOn, 1);
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 7 / 7 秒"));
    QVERIFY(w->tmrTimer->isActive());
    // A verdict left over from an earlier question must not count.
    w->drill.SelfScore = 1;
    env.platform.dialogHandlers.enqueue([button](QDialog *d) {
        QCOMPARE(d->objectName(), QStringLiteral("frmResultCheck"));
        if (!button.isEmpty())
            d->findChild<QPushButton *>(button)->click();
    });
    answer(env, QString());
    QCOMPARE(w->drill.AtariCount, right ? 1 : 0);
    QCOMPARE(w->drill.HazureCount, right ? 0 : 1);
}

// The countdown of the time limit, then the answer typed so far is judged.
void TestDrillRun::timeLimitSubmits()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    w->settings.TimeLimitOn = 1;
    w->settings.TimeLimit = 3;
    startDrill(env, 2);
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 3 / 3 秒"));
    QCOMPARE(w->cgTime->maxValue(), 3);
    w->tmrTimerTimer();
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 2 / 3秒"));
    QCOMPARE(w->cgTime->progress(), 2);
    w->txtAnswer->setText(w->drill.AnswerText);
    w->tmrTimerTimer();
    w->tmrTimerTimer();
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 0 / 3秒"));
    QCOMPARE(w->drill.AskedCount, 1);
    w->tmrTimerTimer();
    QCOMPARE(w->drill.AskedCount, 2);
    QCOMPARE(w->drill.AtariCount, 1);
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 3 / 3 秒"));
}

void TestDrillRun::finishedAndStoppedLabels_data()
{
    QTest::addColumn<bool>("stop");
    QTest::newRow("finished") << false;
    QTest::newRow("stopped") << true;
}

void TestDrillRun::finishedAndStoppedLabels()
{
    QFETCH(bool, stop);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    startDrill(env, 1, 2);
    QVERIFY(w->moHole->isVisible());
    if (stop)
        env.find<QPushButton>(QStringLiteral("cmdStop"))->click();
    else
        answer(env, w->drill.HoleWord);
    QVERIFY(!w->drill.Running);
    const QString colon = stop ? QStringLiteral(" ： ") : QStringLiteral(" : ");
    QCOMPARE(w->lblQuestionNum->text(), colon + QStringLiteral("0 / 0"));
    QCOMPARE(w->lblAtariNum->text(), colon + QStringLiteral("0 / 0"));
    QCOMPARE(w->lblPercent->text(), colon + QStringLiteral("0 / 100％"));
    QCOMPARE(w->lblTime->text(), colon + QStringLiteral("0 / 0秒"));
    QVERIFY(!w->moHole->isVisible());
    QVERIFY(w->moQuestion->toPlainText().isEmpty());
    QCOMPARE(w->cgQuestionNum->progress(), 0);
    QCOMPARE(w->sbInfo->panelText(4), QString());
    // Stop records nothing; a finished drill fills record 0.
    QCOMPARE(w->drill.DrillCount, stop ? 0 : 1);
    QCOMPARE(QFile::exists(userFile(env, QStringLiteral("Temp.dat"))), !stop);
}

void TestDrillRun::finishDisplay_data()
{
    QTest::addColumn<QString>("errorDialogOn");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("summary") << QStringLiteral("0") << QStringLiteral("frmResult");
    QTest::newRow("error review") << QStringLiteral("1") << QStringLiteral("frmShowError");
}

void TestDrillRun::finishDisplay()
{
    QFETCH(QString, errorDialogOn);
    QFETCH(QString, dialog);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ErrorDialogOn"), errorDialogOn}});
    startDrill(env, 2);
    env.platform.clear();
    // The window opened at the end sees the finished drill and its counts.
    env.platform.dialogHandlers.enqueue([w](QDialog *) {
        QCOMPARE(w->drill.DrillCount, 1);
        QCOMPARE(w->drill.AtariCount, 1);
        QCOMPARE(w->drill.HazureCount, 1);
    });
    answer(env, QStringLiteral("wrong"));
    answer(env, w->drill.AnswerText);
    QCOMPARE(dialogsShown(env.platform), QStringList({dialog}));
    QCOMPARE(w->drill.AtariCount, 0);
}

void TestDrillRun::automaticImportance_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("wrong answer marked") << false << QStringList({QStringLiteral("1 %1")});
    QTest::newRow("accepted answer unmarked again") << true << QStringList();
}

void TestDrillRun::automaticImportance()
{
    QFETCH(bool, accept);
    QFETCH(QStringList, marks);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("AutoImportantOn"), QStringLiteral("1")}});
    startDrill(env, 2);
    const int line = w->drill.CurrentLine;
    env.platform.dialogHandlers.enqueue([accept](QDialog *d) {
        if (accept)
            d->findChild<QPushButton *>(QStringLiteral("cmdToAtari"))->click();
    });
    answer(env, QStringLiteral("wrong"));
    for (QString &m : marks)
        m = m.arg(line);
    QCOMPARE(fileLines(userFile(env, QStringLiteral("Question_imp.dat"))), marks);
}

// Finishing more drills than the history holds keeps the newest ones.
void TestDrillRun::historyRoomNeverOverflows()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    for (int k = 1; k <= DrillState::MaxDrills + 2; ++k) {
        startDrill(env, 1);
        QVERIFY(w->drill.Running);
        answer(env, k % 2 ? w->drill.AnswerText : QString());
        QVERIFY(!w->drill.Running);
    }
    QCOMPARE(w->drill.Drills.size(), DrillState::MaxDrills + 1);
    QCOMPARE(w->drill.DrillCount, DrillState::MaxDrills);
    // The newest finished drill (the 17th, answered right) is the last one
    // kept; the fifteen kept are drills 3 to 17.
    QCOMPARE(w->drill.Drills.at(DrillState::MaxDrills - 1).AtariCount, 1);
    QCOMPARE(w->drill.Drills.at(DrillState::MaxDrills - 1).Number, DrillState::MaxDrills + 2);
    QCOMPARE(w->drill.Drills.at(DrillState::MaxDrills - 2).AtariCount, 0);
    QCOMPARE(w->drill.Drills.at(0).Number, 3);
}

void TestDrillRun::enterInAnswerBoxJudges()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    QTest::keyClick(w->txtAnswer, Qt::Key_Return);
    QVERIFY(!w->drill.Running);
    QCOMPARE(w->drill.AskedCount, 0);
    startDrill(env, 2);
    w->txtAnswer->setText(w->drill.AnswerText);
    QTest::keyClick(w->txtAnswer, Qt::Key_Return);
    QCOMPARE(w->drill.AtariCount, 1);
    QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 2 / 2"));
}

// No wrong-answer dialog is shown, so nothing can accept this answer: a flag
// left over from an earlier question does not turn it into a right one.
void TestDrillRun::acceptedFlagOfEarlierQuestionIgnored()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    startDrill(env, 2);
    w->drill.AcceptedAsCorrect = true;
    answer(env, QStringLiteral("wrong"));
    QCOMPARE(w->drill.AtariCount, 0);
    QCOMPARE(w->drill.HazureCount, 1);
}

QTEST_MAIN(TestDrillRun)
#include "tst_drill_run.moc"

// One failed store does not cost the other: with the day file blocked (a
// folder stands where it should be written), the month count still lands in
// the year file, and the failure is reported.
// A full disk: each answer's failed saves are reported in one message that
// names every file; the drill's end reports its recent rate and study log
// the same way, and the failed log leaves no empty file behind.
void TestDrillRun::fullDiskReportedOncePerAnswer()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ImportantOn"), QStringLiteral("1")},
                                  {QStringLiteral("AutoImportantOn"), QStringLiteral("1")},
                                  {QStringLiteral("MakeLogFile"), QStringLiteral("1")}});
    startDrill(env, 3);
    const DateStrings now = DateStrings::from(Clock::currentTime());
    const QString logFile = StudyLogFile(w->settings, now);
    env.platform.clear();
    {
        FileSizeLimit full(4);
        answer(env, QStringLiteral("wrong"));
        answer(env, QStringLiteral("wrong"));
        answer(env, w->drill.AnswerText);
    }
    QVERIFY(!w->drill.Running);
    const QStringList msgs = env.platform.messages();
    QCOMPARE(msgs.size(), 4);
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(msgs.at(i).startsWith(QStringLiteral("この解答の記録を保存できませんでした\n")), qPrintable(msgs.at(i)));
        for (const QString &file : {QuestionDataFile(w->settings), DayDetailFile(w->settings, now),
                                    YearDetailFile(w->settings, now)})
            QVERIFY2(msgs.at(i).contains(file), qPrintable(msgs.at(i)));
    }
    // The wrong answers also failed to mark their questions.
    QVERIFY(msgs.at(0).contains(ImportanceFile(w->settings)));
    QVERIFY2(msgs.at(3).startsWith(QStringLiteral("この学習の記録を保存できませんでした\n")), qPrintable(msgs.at(3)));
    QVERIFY(msgs.at(3).contains(TempFile(w->settings)));
    QVERIFY(msgs.at(3).contains(logFile));
    QVERIFY(!QFileInfo::exists(logFile));
    QVERIFY(!QFileInfo::exists(ImportanceFile(w->settings)));
    QVERIFY(!msgs.join(QLatin1Char('\n')).contains(QStringLiteral("error"), Qt::CaseInsensitive));
}

// The settings written at shutdown are checked: a failure is reported.
void TestDrillRun::shutdownWriteFailureReported()
{
    TestEnv env;
    startMain(env);
    {
        FileSizeLimit full(16);
        env.closeMain();
    }
    // User.ini holds the same values and is not rewritten; Setup.ini fails.
    const QStringList msgs = env.platform.messages();
    QCOMPARE(msgs.size(), 1);
    QVERIFY2(msgs.at(0).startsWith(QStringLiteral("設定を保存できませんでした\n")), qPrintable(msgs.at(0)));
    QVERIFY(msgs.at(0).contains(env.userFolder() + QStringLiteral("Setup.ini")));
}

void TestDrillRun::monthCountsKeptWhenDayFileFails()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")}});
    startDrill(env, 2);
    const DateStrings now = DateStrings::from(Clock::currentTime());
    const QString dayFile = DayDetailFile(w->settings, now);
    const QString yearFile = YearDetailFile(w->settings, now);
    QVERIFY(QDir().mkpath(dayFile));
    env.platform.clear();
    answer(env, w->drill.AnswerText);
    QCOMPARE(env.platform.callsOf(QStringLiteral("message")).size(), 1);
    QCOMPARE(env.platform.callsOf(QStringLiteral("message")).first().detail, int(MsgKind::Warning));
    QVERIFY(QFileInfo(yearFile).isFile());
    QVERIFY(QFileInfo(yearFile).size() > 0);
}
