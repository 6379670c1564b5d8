// What a question looks like and the commands around it: the word list of
// the rearranging mode, the hint line, the blanked sentence, the question
// colour, the companion, the input method and the enabled commands.
#include "drill_support.h"

#include "widgets/Look.h"
#include "widgets/StatusBar.h"
#include "widgets/UpDown.h"

#include <QFrame>
#include <QtTest>

using namespace drilltest;

namespace {
QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

// A drill of `count` questions asked in file order.
void startInOrder(TestEnv &env, int count, int answerType = 0, int questionType = 0)
{
    startDrill(env, count, answerType, questionType, [](TfrmQuestionSetup *d) {
        d->chkOption->click();
        d->rbNotRandom->click();
    });
}

QList<bool> enabledStates(const TestEnv &env, const QStringList &names)
{
    QList<bool> out;
    for (const QString &n : names) {
        if (QWidget *w = env.find<QWidget>(n))
            out.append(w->isEnabled());
        else if (QAction *a = env.find<QAction>(n))
            out.append(a->isEnabled());
        else
            qFatal("no control %s", qPrintable(n));
    }
    return out;
}

QStringList copies(const char *command)
{
    const QString c = QLatin1String(command);
    return {c, c + QStringLiteral("_1"), c + QStringLiteral("_2")};
}

const QList<QPair<QString, QString>> kQuiet = {{QStringLiteral("ShowResult"), QStringLiteral("0")}};
} // namespace

class TestDrillWords : public QObject
{
    Q_OBJECT

private slots:
    void takeDeleteAndClear();
    void takenWordsStayWithTheirQuestion();
    void hintLine_data();
    void hintLine();
    void fillIn();
    void questionColour_data();
    void questionColour();
    void commandStates_data();
    void commandStates();
    void companionSpeaks_data();
    void companionSpeaks();
    void inputMethodAndStatus_data();
    void inputMethodAndStatus();
};

void TestDrillWords::takeDeleteAndClear()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startInOrder(env, 1, 1);
    QCOMPARE(w->drill.AnswerText, QStringLiteral("I have a pen."));
    const QStringList shuffled = items(w->lstAnswer);
    QCOMPARE(shuffled, w->drill.lstTempNarabi);
    QStringList sorted = shuffled;
    sorted.sort();
    QCOMPARE(sorted, QStringList({QStringLiteral("I"), QStringLiteral("a"), QStringLiteral("have"), QStringLiteral("pen.")}));

    // Take the words at rows 2, 0 and 1 of the list as it is at each take.
    QStringList list = shuffled;
    const QString first = list.takeAt(2);
    doubleClickWord(w->lstAnswer, 2);
    const QStringList afterFirst = list;
    QCOMPARE(w->txtAnswer->text(), first);
    QCOMPARE(enabledStates(env, copies("cmdDelete")), QList<bool>({true, true, true}));
    const QString second = list.takeAt(0);
    doubleClickWord(w->lstAnswer, 0);
    const QString third = list.takeAt(1);
    doubleClickWord(w->lstAnswer, 1);
    QCOMPARE(items(w->lstAnswer), list);
    QCOMPARE(w->txtAnswer->text(), first + QLatin1Char(' ') + second + QLatin1Char(' ') + third);
    QCOMPARE(w->drill.lstUndoNum, QStringList({QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")}));

    // Delete twice: the last two words go back where they were.
    env.find<QToolButton>(QStringLiteral("cmdDelete_1"))->click();
    env.find<QToolButton>(QStringLiteral("cmdDelete_1"))->click();
    QCOMPARE(w->txtAnswer->text(), first);
    QCOMPARE(items(w->lstAnswer), afterFirst);
    QCOMPARE(w->drill.WordTaken, 1);
    // The last word: the box empties and Delete turns off.
    w->cmdDelete_2->trigger();
    QCOMPARE(w->txtAnswer->text(), QString());
    QCOMPARE(items(w->lstAnswer), shuffled);
    QCOMPARE(w->drill.WordTaken, 0);
    QCOMPARE(enabledStates(env, copies("cmdDelete")), QList<bool>({false, false, false}));

    // Clear after taking words: the list as the question showed it.
    doubleClickWord(w->lstAnswer, 3);
    doubleClickWord(w->lstAnswer, 1);
    env.find<QToolButton>(QStringLiteral("cmdClear_1"))->click();
    QCOMPARE(w->txtAnswer->text(), QString());
    QCOMPARE(items(w->lstAnswer), shuffled);
    QVERIFY(w->drill.lstUndo.isEmpty());
    QCOMPARE(enabledStates(env, copies("cmdClear")), QList<bool>({false, false, false}));
    QCOMPARE(enabledStates(env, copies("cmdDelete")), QList<bool>({false, false, false}));

    // With every word taken, a double-click on the empty list takes nothing.
    takeWords(w, w->drill.AnswerText);
    QCOMPARE(w->lstAnswer->count(), 0);
    QTest::mouseDClick(w->lstAnswer->viewport(), Qt::LeftButton, {}, QPoint(8, 8));
    w->lstAnswerDblClick();
    QCOMPARE(w->txtAnswer->text(), QStringLiteral("I have a pen."));
    QCOMPARE(w->drill.lstUndo.size(), 4);
    env.find<QPushButton>(QStringLiteral("cmdResult"))->click();
    QCOMPARE(w->drill.Drills.at(0).AtariCount, 1);
}

// Words taken in one question cannot be put back into the next one's list.
void TestDrillWords::takenWordsStayWithTheirQuestion()
{
    TestEnv env;
    TfrmMain *w = startMain(env, kQuiet);
    startInOrder(env, 2, 1);
    doubleClickWord(w->lstAnswer, 0);
    doubleClickWord(w->lstAnswer, 0);
    answer(env, w->txtAnswer->text());
    QCOMPARE(w->drill.AnswerText, QStringLiteral("She is very kind."));
    QCOMPARE(enabledStates(env, copies("cmdDelete")), QList<bool>({false, false, false}));
    QCOMPARE(enabledStates(env, copies("cmdClear")), QList<bool>({true, true, true}));
    w->cmdDeleteClick();
    QCOMPARE(items(w->lstAnswer), w->drill.lstTempNarabi);
    QCOMPARE(w->lstAnswer->count(), 4);
}

void TestDrillWords::hintLine_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("questionType");
    QTest::addColumn<QStringList>("hints");
    QTest::newRow("Japanese to English")
        << QStringLiteral("#") << 0
        << QStringList({QStringLiteral(" # #### # ###."), QStringLiteral(" ### ## #### ####."),
                        QStringLiteral(" ## ####, ### #### #####."), QStringLiteral(" ##### ## ### ####?")});
    QTest::newRow("own symbol") << QStringLiteral("＊") << 0
                                << QStringList({QStringLiteral(" ＊ ＊＊＊＊ ＊ ＊＊＊.")});
    QTest::newRow("English to Japanese") << QStringLiteral("#") << 1 << QStringList({QString(), QString()});
}

void TestDrillWords::hintLine()
{
    QFETCH(QString, symbol);
    QFETCH(int, questionType);
    QFETCH(QStringList, hints);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ShowHint"), QStringLiteral("1")},
                                  {QStringLiteral("HintSymbol"), symbol}});
    startInOrder(env, hints.size(), 0, questionType);
    for (const QString &hint : hints) {
        QCOMPARE(w->pnlHint->text(), hint);
        answer(env, QStringLiteral("x"));
    }
    QCOMPARE(w->pnlHint->text(), QString());
}

void TestDrillWords::fillIn()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("IgnoreCase"), QStringLiteral("1")}});
    startInOrder(env, 4, 2);
    QVERIFY(w->moHole->isVisible());
    const QString blank = QStringLiteral("(        )");
    // 1: one of "have" and "pen" is blanked; the whole sentence is right too.
    QVERIFY(QStringList({QStringLiteral("have"), QStringLiteral("pen")}).contains(w->drill.HoleWord));
    QCOMPARE(w->moHole->toPlainText(), w->drill.HoleWord == QStringLiteral("have")
                                           ? QStringLiteral("I ") + blank + QStringLiteral(" a pen.")
                                           : QStringLiteral("I have a ") + blank + QStringLiteral("."));
    // The blanked sentence is shown whole: its pane is as high as the text
    // needs, never lower than moHoleSize, and the question pane grows by it.
    QVERIFY(w->moHole->height() >= w->settings.moHoleSize);
    QVERIFY2(w->moHole->document()->size().height() <= w->moHole->viewport()->height(),
             qPrintable(QStringLiteral("%1 > %2").arg(w->moHole->document()->size().height())
                            .arg(w->moHole->viewport()->height())));
    QCOMPARE(w->pnlQuestion->height(), w->settings.moQuestionSize + w->moHole->height());
    answer(env, QStringLiteral("I have a pen."));
    QCOMPARE(w->drill.AtariCount, 1);
    // 2: the blanked word is compared with its letter case.
    QCOMPARE(w->moHole->toPlainText(), QStringLiteral("She is very ") + blank + QStringLiteral("."));
    answer(env, QStringLiteral("Kind"));
    QCOMPARE(w->drill.AtariCount, 1);
    // 3
    answer(env, w->drill.HoleWord);
    QCOMPARE(w->drill.AtariCount, 2);
    // 4: no fill-in words: no blanked line, the whole sentence is the answer.
    QVERIFY(w->moHole->isVisible());
    QCOMPARE(w->moHole->toPlainText(), QString());
    QCOMPARE(w->drill.HoleWord, QStringLiteral("Where do you live?"));
    answer(env, QStringLiteral("Where do you live?"));
    QCOMPARE(w->drill.Drills.at(0).AtariCount, 3);
    QVERIFY(!w->moHole->isVisible());
    QCOMPARE(w->pnlQuestion->height(), w->settings.moQuestionSize);
}

void TestDrillWords::questionColour_data()
{
    QTest::addColumn<int>("type");        // 1 by question, 0 by drill
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("rate1");   // stored rates of questions 1 and 2
    QTest::addColumn<QString>("rate2");
    QTest::addColumn<bool>("firstRight");
    QTest::addColumn<bool>("change1");    // change colour expected
    QTest::addColumn<bool>("change2");
    QTest::newRow("by question: below / equal") << 1 << 50 << "40" << "50" << true << true << true;
    QTest::newRow("by question: above") << 1 << 50 << "51" << "90" << true << false << false;
    QTest::newRow("by question: never asked") << 1 << 0 << "" << "" << true << true << true;
    QTest::newRow("by drill: right first") << 0 << 50 << "" << "" << true << true << false;
    QTest::newRow("by drill: wrong first") << 0 << 50 << "" << "" << false << true << true;
    QTest::newRow("by drill: rate equal") << 0 << 100 << "" << "" << true << true << false;
}

void TestDrillWords::questionColour()
{
    QFETCH(int, type);
    QFETCH(int, percent);
    QFETCH(QString, rate1);
    QFETCH(QString, rate2);
    QFETCH(bool, firstRight);
    QFETCH(bool, change1);
    QFETCH(bool, change2);
    TestEnv env;
    env.presetUser();
    env.writeIni(QStringLiteral("taro/Setup.ini"), QStringLiteral("Color"), QStringLiteral("FontQuestionColor"), QStringLiteral("32768"));
    env.writeIni(QStringLiteral("taro/Setup.ini"), QStringLiteral("Color"), QStringLiteral("ChangeColor"), QStringLiteral("255"));
    if (!rate1.isEmpty())
        env.writeIni(QStringLiteral("taro/Question.dat"), QStringLiteral("I have a pen."), QStringLiteral("正解率"), rate1);
    if (!rate2.isEmpty())
        env.writeIni(QStringLiteral("taro/Question.dat"), QStringLiteral("She is very kind."), QStringLiteral("正解率"), rate2);
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ChangeColorOn"), QStringLiteral("1")},
                                  {QStringLiteral("ChangeColorType"), QString::number(type)},
                                  {QStringLiteral("ChangeColorPercent"), QString::number(percent)}});
    startInOrder(env, 2);
    const QColor normal = ColorFromNumber(32768);
    const QColor change = ColorFromNumber(255);
    QCOMPARE(w->moQuestion->palette().color(QPalette::Text), change1 ? change : normal);
    answer(env, firstRight ? w->drill.AnswerText : QString());
    QCOMPARE(w->moQuestion->palette().color(QPalette::Text), change2 ? change : normal);
}

void TestDrillWords::commandStates_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("voice");
    QTest::addColumn<QList<bool>>("expected");
    // Start, Result, Stop, Clear, Delete, Play (three copies each), then the
    // set-up and file boxes of the toolbars.
    const QList<bool> T{true, true, true}, F{false, false, false};
    auto row = [](std::initializer_list<QList<bool>> groups, bool boxes, bool answerBox) {
        QList<bool> out;
        for (const QList<bool> &g : groups)
            out += g;
        for (int i = 0; i < 9; ++i)
            out.append(boxes);
        out[out.size() - 8] = answerBox;   // cboAnswerType
        return out;
    };
    QTest::newRow("idle at start-up") << "idle" << 1 << row({T, F, F, F, F, F}, true, true);
    QTest::newRow("typing") << "typing" << 1 << row({F, T, T, F, F, T}, false, false);
    QTest::newRow("typing, no companion") << "typing" << 0 << row({F, T, T, F, F, F}, false, false);
    QTest::newRow("rearranging after set-up")
        << "rearranging" << 1 << row({F, T, T, T, {true, true, false}, T}, false, false);
    QTest::newRow("rearranging after quick start")
        << "quick rearranging" << 1 << row({F, T, T, T, F, T}, false, false);
    QTest::newRow("a word taken") << "taken" << 1 << row({F, T, T, T, T, T}, false, false);
    QTest::newRow("after Stop") << "stopped" << 1 << row({T, F, F, F, F, F}, true, true);
    QTest::newRow("after the last answer") << "finished" << 1 << row({T, F, F, F, F, F}, true, true);
    QTest::newRow("idle, English to Japanese") << "idle E-J" << 0 << row({T, F, F, F, F, F}, true, false);
}

void TestDrillWords::commandStates()
{
    QFETCH(QString, state);
    QFETCH(int, voice);
    QFETCH(QList<bool>, expected);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("VoiceOn"), QString::number(voice)}});
    if (state == QStringLiteral("typing")) {
        startDrill(env, 2);
    } else if (state == QStringLiteral("rearranging") || state == QStringLiteral("taken")) {
        startDrill(env, 2, 1);
        if (state == QStringLiteral("taken"))
            doubleClickWord(w->lstAnswer, 0);
    } else if (state == QStringLiteral("quick rearranging")) {
        w->cboAnswerType->setCurrentIndex(1);
        w->cboAnswerTypeChange();
        w->txtQuestionNum->setText(QStringLiteral("2"));
        env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
        QVERIFY(w->drill.Running);
    } else if (state == QStringLiteral("stopped")) {
        startDrill(env, 2, 1);
        env.find<QToolButton>(QStringLiteral("cmdStop_1"))->click();
    } else if (state == QStringLiteral("finished")) {
        startDrill(env, 1, 1);
        w->cmdResult_2->trigger();
    } else if (state == QStringLiteral("idle E-J")) {
        w->cboQuestionType->setCurrentIndex(1);
        w->cboQuestionTypeChange();
        startDrill(env, 1, 0, 1);
        env.find<QPushButton>(QStringLiteral("cmdStop"))->click();
    }
    QStringList names;
    for (const char *c : {"cmdStart", "cmdResult", "cmdStop", "cmdClear", "cmdDelete", "cmdPlay"})
        names += copies(c);
    names << QStringLiteral("cboQuestionType") << QStringLiteral("cboAnswerType")
          << QStringLiteral("txtQuestionNum") << QStringLiteral("udQuestionNum") << QStringLiteral("cmdOk")
          << QStringLiteral("cboQuestionFile") << QStringLiteral("cmdSelectQuestionFile")
          << QStringLiteral("cboReferenceFile") << QStringLiteral("cmdSelectReferenceFile");
    QCOMPARE(enabledStates(env, names), expected);
    QCOMPARE(w->cmdResult->isDefault(), w->drill.Running);
    QCOMPARE(w->cmdStart->isDefault(), !w->drill.Running);
}

void TestDrillWords::companionSpeaks_data()
{
    QTest::addColumn<int>("questionType");
    QTest::addColumn<QString>("autoVoice");
    QTest::newRow("Japanese to English, spoken at once") << 0 << QStringLiteral("1");
    QTest::newRow("English to Japanese, spoken at once") << 1 << QStringLiteral("1");
    QTest::newRow("only on request") << 0 << QStringLiteral("0");
}

void TestDrillWords::companionSpeaks()
{
    QFETCH(int, questionType);
    QFETCH(QString, autoVoice);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("VoiceOn"), QStringLiteral("1")},
                                  {QStringLiteral("UseBuiltInVoice"), QStringLiteral("0")},
                                  {QStringLiteral("AutoVoiceOn"), autoVoice}});
    startDrill(env, 2, 0, questionType);
    const QString english = questionType == 0 ? w->drill.AnswerText : w->drill.QuestionText;
    QVERIFY(english.endsWith(QLatin1Char('.')) || english.endsWith(QLatin1Char('?')));
    const QStringList spoken = autoVoice == QStringLiteral("1") ? QStringList({QStringLiteral("QVT;") + english})
                                                                 : QStringList();
    QCOMPARE(env.platform.clipboardHistory(), spoken);
    env.find<QPushButton>(QStringLiteral("cmdPlay"))->click();
    QCOMPARE(env.platform.clipboardHistory(), spoken + QStringList({QStringLiteral("QVT;") + english}));
}

void TestDrillWords::inputMethodAndStatus_data()
{
    QTest::addColumn<QString>("autoIme");
    QTest::addColumn<int>("questionType");
    QTest::addColumn<int>("imeCalls");
    QTest::addColumn<int>("imeOn");
    QTest::newRow("Japanese to English") << QStringLiteral("1") << 0 << 1 << 0;
    QTest::newRow("English to Japanese") << QStringLiteral("1") << 1 << 1 << 1;
    QTest::newRow("left alone") << QStringLiteral("0") << 1 << 0 << 0;
}

void TestDrillWords::inputMethodAndStatus()
{
    QFETCH(QString, autoIme);
    QFETCH(int, questionType);
    QFETCH(int, imeCalls);
    QFETCH(int, imeOn);
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ShowComment"), QStringLiteral("1")},
                                  {QStringLiteral("AutoImeOn"), autoIme}});
    startInOrder(env, 2, 0, questionType);
    const QList<PlatformCall> ime = env.platform.callsOf(QStringLiteral("ime"));
    QCOMPARE(ime.size(), imeCalls);
    if (imeCalls) {
        QCOMPARE(ime.first().caption, QStringLiteral("txtAnswer"));
        QCOMPARE(ime.first().detail, imeOn);
    }
    QCOMPARE(w->sbInfo->panelText(3), QStringLiteral("解説あり"));
    QCOMPARE(w->moComment->toPlainText(), QStringLiteral("have の基本"));
    answer(env, QStringLiteral("x"));
    QCOMPARE(w->sbInfo->panelText(3), QStringLiteral("解説なし"));
    QCOMPARE(w->moComment->toPlainText(), QStringLiteral("形容詞"));
}

QTEST_MAIN(TestDrillWords)
#include "tst_drill_words.moc"
