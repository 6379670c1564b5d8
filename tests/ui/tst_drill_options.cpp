// The drill options through the set-up dialog and the quick start: which
// questions come, in which order, across drills and program starts.
#include "drill_support.h"

#include <QtTest>

using namespace drilltest;

namespace {
const QList<QPair<QString, QString>> kQuiet = {{QStringLiteral("ShowResult"), QStringLiteral("0")}};

// Answers every remaining question of the running drill right (or as the
// pattern says) and returns the question lines asked.
QList<int> runDrill(TestEnv &env, const QList<bool> &rightAnswers = {})
{
    TfrmMain *w = env.main();
    QList<int> lines;
    int i = 0;
    while (w->drill.Running) {
        lines.append(w->drill.CurrentLine);
        const bool right = i < rightAnswers.size() ? rightAnswers.at(i) : true;
        answer(env, right ? rightAnswer(w) : QStringLiteral("wrong"));
        ++i;
        if (i > 50)
            break;
    }
    return lines;
}

QList<int> toLines(const QStringList &entries)
{
    QList<int> out;
    for (const QString &e : entries)
        out.append(e.toInt());
    return out;
}

void chooseOption(TfrmQuestionSetup *d, QRadioButton *TfrmQuestionSetup::*option)
{
    d->chkOption->click();
    (d->*option)->click();
}
} // namespace

class TestDrillOptions : public QObject
{
    Q_OBJECT

private slots:
    void noRepeatCycles();
    void inOrder();
    void resumeAcrossStartsAndWraps();
    void resumeFromSavedEnd();
    void importance_data();
    void importance();
    void importanceWithoutChosenLevel();
    void reviews_data();
    void reviews();
    void reviewOfMissingDrill();
    void reviewUsesTheReviewedCollection();
    void refusedReviewChangesNothing();
    void toolbarCollectionEndsReview();
    void reviewAsksNoMoreThanRecorded();
    void quickStartFirstQuestion_data();
    void quickStartFirstQuestion();
};

void TestDrillOptions::noRepeatCycles()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 6, 0, 0, [](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbNotSameQuestion);
    });
    const QList<int> shuffled = toLines(w->drill.lstNotSameQuestion);
    QCOMPARE(shuffled.size(), 4);
    QList<int> sorted = shuffled;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, QList<int>({0, 6, 12, 18}));
    const QList<int> asked = runDrill(env);
    QCOMPARE(asked, QList<int>({shuffled[0], shuffled[1], shuffled[2], shuffled[3], shuffled[0], shuffled[1]}));
}

void TestDrillOptions::inOrder()
{
    TestEnv env;
    startMain(env, kQuiet);
    startDrill(env, 6, 0, 0, [](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbNotRandom);
    });
    QCOMPARE(runDrill(env), QList<int>({0, 6, 12, 18, 0, 6}));
}

void TestDrillOptions::resumeAcrossStartsAndWraps()
{
    TestEnv env;
    startMain(env, kQuiet);
    auto resume = [](TfrmQuestionSetup *d) {
        if (!d->chkOption->isChecked())
            d->chkOption->click();
        d->rbNotRandom->click();
        if (!d->chkNotRandomContinue->isChecked())
            d->chkNotRandomContinue->click();
    };
    startDrill(env, 3, 0, 0, resume);
    QCOMPARE(runDrill(env, {true, false, true}), QList<int>({0, 6, 12}));
    QCOMPARE(env.readSetup(QStringLiteral("NotRandomContinue"), QStringLiteral("Question.txt")), QStringLiteral("3"));

    // The next start of the program goes on from there, round the end.
    env.closeMain();
    env.showMain();
    startDrill(env, 3, 0, 0, resume);
    QCOMPARE(runDrill(env), QList<int>({18, 0, 6}));
    QCOMPARE(env.readSetup(QStringLiteral("NotRandomContinue"), QStringLiteral("Question.txt")), QStringLiteral("2"));
}

void TestDrillOptions::resumeFromSavedEnd()
{
    TestEnv env;
    startMain(env, kQuiet);
    env.writeSetup(QStringLiteral("NotRandomContinue"), QStringLiteral("Question.txt"), QStringLiteral("4"));
    startDrill(env, 2, 0, 0, [](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbNotRandom);
        d->chkNotRandomContinue->click();
    });
    QCOMPARE(runDrill(env), QList<int>({0, 6}));
    QCOMPARE(env.readSetup(QStringLiteral("NotRandomContinue"), QStringLiteral("Question.txt")), QStringLiteral("2"));
}

void TestDrillOptions::importance_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<bool>("normalAfter");
    QTest::addColumn<int>("marked");   // questions at the chosen levels
    QTest::newRow("one level, one question") << QList<int>({3}) << false << 1;
    QTest::newRow("two levels, cycling") << QList<int>({1, 3}) << false << 2;
    QTest::newRow("two levels, then the whole collection") << QList<int>({1, 3}) << true << 2;
}

void TestDrillOptions::importance()
{
    QFETCH(QList<int>, levels);
    QFETCH(bool, normalAfter);
    QFETCH(int, marked);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ImportantOn"), QStringLiteral("1")}});
    env.writeLines(env.userName() + QStringLiteral("/Question_imp.dat"),
                   {QStringLiteral("3 6"), QStringLiteral("1 12"), QStringLiteral("5 18")});
    startDrill(env, 5, 0, 0, [&](TfrmQuestionSetup *d) {
        d->chkImportantQuestion->click();
        for (int k : levels)
            d->levelButton(k)->click();
        if (normalAfter)
            d->chkNormalImportant->click();
    });
    QVERIFY(w->drill.Running);
    const QList<int> list = toLines(w->drill.lstImportantIndex);
    QCOMPARE(list.size(), marked);
    const QList<int> asked = runDrill(env);
    QCOMPARE(asked.size(), 5);
    for (int i = 0; i < 5; ++i) {
        if (i < marked || !normalAfter)
            QCOMPARE(asked[i], list[i % marked]);
        else
            QVERIFY(QList<int>({0, 6, 12, 18}).contains(asked[i]));
    }
    if (normalAfter)
        QCOMPARE(w->drill.ImportantPos, marked - 1);
}

// No question at the chosen level: the dialog stays open; a second OK with
// another level starts with the collection's questions listed once.
void TestDrillOptions::importanceWithoutChosenLevel()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ImportantOn"), QStringLiteral("1")}});
    env.writeLines(env.userName() + QStringLiteral("/Question_imp.dat"), {QStringLiteral("3 6")});
    startDrill(env, 2, 0, 0, [&](TfrmQuestionSetup *d) {
        d->chkImportantQuestion->click();
        d->cmd5->click();
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        QVERIFY(!w->drill.Running);
        d->cmd5->click();
        d->cmd3->click();
    });
    const QList<PlatformCall> msgs = env.platform.callsOf(QStringLiteral("message"));
    QCOMPARE(msgs.size(), 1);
    QCOMPARE(msgs.first().caption, QStringLiteral("選択不可能"));
    QCOMPARE(msgs.first().text, QStringLiteral("指定された重要度の単語がありません"));
    QVERIFY(w->drill.Running);
    QCOMPARE(w->drill.lstQuestionIndex.size(), 4);
    QCOMPARE(w->drill.CurrentLine, 6);
}

void TestDrillOptions::reviews_data()
{
    QTest::addColumn<bool>("wrongOnly");
    QTest::addColumn<int>("drillNumber");
    QTest::newRow("questions of drill 1") << false << 1;
    QTest::newRow("questions of drill 2") << false << 2;
    QTest::newRow("wrong answers of drill 1") << true << 1;
    QTest::newRow("wrong answers of drill 2") << true << 2;
}

// Two drills, then a review of one of them.
void TestDrillOptions::reviews()
{
    QFETCH(bool, wrongOnly);
    QFETCH(int, drillNumber);
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    QList<int> asked[2];
    QList<int> wrong[2];
    const QList<bool> pattern[2] = {{false, true, false}, {true, false, true, true}};
    for (int k = 0; k < 2; ++k) {
        startDrill(env, pattern[k].size());
        asked[k] = runDrill(env, pattern[k]);
        for (int i = 0; i < asked[k].size(); ++i)
            if (!pattern[k][i])
                wrong[k].append(asked[k][i]);
    }
    QCOMPARE(w->drill.DrillCount, 2);

    const QList<int> expected = wrongOnly ? wrong[drillNumber - 1] : asked[drillNumber - 1];
    QStringList sentences;
    QStringList lines;
    TextFile::readLines(env.path(QStringLiteral("dictionary/Question.txt")), lines);
    for (int q : expected)
        sentences.append(lines.at(q + 1));
    startDrill(env, 9, 0, 0, [&](TfrmQuestionSetup *d) {
        chooseOption(d, wrongOnly ? &TfrmQuestionSetup::rbErrorOnly : &TfrmQuestionSetup::rbSameQuestion);
        d->txtPrevNum->setText(QString::number(drillNumber));
        QCOMPARE(d->txtQuestionNum->text(), QString::number(expected.size()));
        QCOMPARE(d->txtPrevNum->toolTip(),
                 QStringLiteral("★出題予定★\n") + sentences.join(QLatin1Char('\n')));
        QVERIFY(!d->txtQuestionNum->isEnabled());
        QVERIFY(!d->cboQuestionFilePath->isEnabled());
    });
    QVERIFY(w->drill.Running);
    QCOMPARE(w->drill.PrevDrill, drillNumber - 1);
    QCOMPARE(runDrill(env), expected);
    QCOMPARE(w->drill.DrillCount, 3);
}

void TestDrillOptions::reviewOfMissingDrill()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 2);
    runDrill(env);
    env.platform.clear();
    openSetup(env, [&](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbSameQuestion);
        QVERIFY(d->txtPrevNum->toolTip().startsWith(QStringLiteral("★出題予定★\n")));
        d->txtPrevNum->setText(QStringLiteral("3"));
        QCOMPARE(d->txtPrevNum->toolTip(), QStringLiteral("▼記録データなし▼"));
        QCOMPARE(d->txtQuestionNum->text(), QStringLiteral("0"));
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        // A drill whose answers were all right has nothing to review.
        d->rbErrorOnly->click();
        d->txtPrevNum->setText(QStringLiteral("1"));
        QCOMPARE(d->txtPrevNum->toolTip(), QStringLiteral("▼記録データなし▼"));
    });
    QVERIFY(!w->drill.Running);
    QCOMPARE(env.platform.messages(), QStringList({QStringLiteral("出題数が設定されていません。")}));
}

// The recorded question lines belong to the reviewed drill's collection,
// whatever collection is current when the review starts.
void TestDrillOptions::reviewUsesTheReviewedCollection()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 2);
    const QList<int> asked = runDrill(env);
    QStringList other;
    for (int i = 0; i < 3; ++i)
        other << QStringLiteral("#k%1").arg(i) << QStringLiteral("Other %1.").arg(i)
              << QStringLiteral("別 %1").arg(i) << QStringLiteral("c") << QString();
    env.writeLines(QStringLiteral("other/Other.txt"), other);
    env.platform.fileAnswers.enqueue(env.path(QStringLiteral("other/Other.txt")));
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("other/Other.txt")));

    startDrill(env, 2, 0, 0, [&](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbSameQuestion);
        QCOMPARE(d->cboQuestionFilePath->currentText(), QStringLiteral("Question.txt"));
    });
    QVERIFY(w->drill.Running);
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("dictionary/Question.txt")));
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Question.txt"));
    QCOMPARE(w->drill.CurrentLine, asked.first());
    QStringList lines;
    TextFile::readLines(env.path(QStringLiteral("dictionary/Question.txt")), lines);
    QCOMPARE(w->drill.AnswerText, lines.at(asked.first() + 1));
}

// A review OK refused because the reviewed drill's collection is gone
// leaves the current collection as it was.
void TestDrillOptions::refusedReviewChangesNothing()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    env.writeLines(QStringLiteral("review/Gone.txt"), smallCollection());
    env.platform.fileAnswers.enqueue(env.path(QStringLiteral("review/Gone.txt")));
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    startDrill(env, 2);
    runDrill(env);
    QVERIFY(QFile::remove(env.path(QStringLiteral("review/Gone.txt"))));
    env.platform.fileAnswers.enqueue(env.path(QStringLiteral("dictionary/Question.txt")));
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    const QString current = w->settings.QuestionFilePath;
    const QString reference = w->settings.ReferenceFilePath;
    env.platform.clear();
    openSetup(env, [&](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbSameQuestion);
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        d->cmdCancel->click();
    });
    QVERIFY(!w->drill.Running);
    QCOMPARE(env.platform.messages().size(), 1);
    QCOMPARE(w->settings.QuestionFilePath, current);
    QCOMPARE(w->settings.ReferenceFilePath, reference);
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Question.txt"));
    // The quick start refuses it the same way and changes nothing either.
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(!w->drill.Running);
    QCOMPARE(w->settings.QuestionFilePath, current);
}

// Choosing a collection on the toolbar ends the review set up before: the
// quick start drills the collection chosen.
void TestDrillOptions::toolbarCollectionEndsReview()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 2);
    runDrill(env);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbSameQuestion);
        d->cmdCancel->click();
    });
    QCOMPARE(w->drill.SameQuestion, 1);
    QStringList other;
    for (int i = 0; i < 3; ++i)
        other << QStringLiteral("#k%1").arg(i) << QStringLiteral("Other %1.").arg(i)
              << QStringLiteral("別 %1").arg(i) << QStringLiteral("c") << QString() << QString();
    env.writeLines(QStringLiteral("other/Other.txt"), other);
    env.platform.fileAnswers.enqueue(env.path(QStringLiteral("other/Other.txt")));
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    QCOMPARE(w->drill.SameQuestion, 0);

    w->txtQuestionNum->setText(QStringLiteral("2"));
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(w->drill.Running);
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("other/Other.txt")));
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Other.txt"));
    QVERIFY(w->drill.AnswerText.startsWith(QStringLiteral("Other ")));
}

void TestDrillOptions::reviewAsksNoMoreThanRecorded()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 2);
    const QList<int> asked = runDrill(env);
    startDrill(env, 2, 0, 0, [](TfrmQuestionSetup *d) {
        chooseOption(d, &TfrmQuestionSetup::rbSameQuestion);
        // The box is locked; even a larger number typed in is not used.
        d->txtQuestionNum->setText(QStringLiteral("7"));
    });
    QVERIFY(w->drill.Running);
    QCOMPARE(w->drill.QuestionNum, 2);
    QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 1 / 2"));
    QCOMPARE(runDrill(env), asked);
}

void TestDrillOptions::quickStartFirstQuestion_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("no repeats") << QStringLiteral("rbNotSameQuestion");
    QTest::newRow("in order") << QStringLiteral("rbNotRandom");
    QTest::newRow("review") << QStringLiteral("rbSameQuestion");
}

// The quick start follows the options of the last set-up from its first
// question on.
void TestDrillOptions::quickStartFirstQuestion()
{
    QFETCH(QString, option);
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startDrill(env, 3);
    const QList<int> first = runDrill(env);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->chkOption->click();
        d->findChild<QRadioButton *>(option)->click();
        d->cmdCancel->click();
    });
    QVERIFY(!w->drill.Running);
    w->txtQuestionNum->setText(QStringLiteral("3"));
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(w->drill.Running);
    QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 1 / 3"));
    QList<int> expected;
    if (option == QStringLiteral("rbNotSameQuestion")) {
        const QList<int> shuffled = toLines(w->drill.lstNotSameQuestion);
        expected = shuffled.mid(0, 3);
    } else if (option == QStringLiteral("rbNotRandom")) {
        expected = {0, 6, 12};
    } else {
        expected = first;
    }
    QCOMPARE(runDrill(env), expected);
}

QTEST_MAIN(TestDrillOptions)
#include "tst_drill_options.moc"
