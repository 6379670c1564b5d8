// The set-up dialog: its click rules, the checks of OK, the settings it
// saves and restores, the file choice, and the quick start's own checks.
#include "drill_support.h"

#include "widgets/UpDown.h"

#include <QGroupBox>
#include <QtTest>

using namespace drilltest;

namespace {
QString setupKey(const TestEnv &env, const char *key)
{
    return env.readSetup(QStringLiteral("QuestionSetup"), QLatin1String(key), QStringLiteral("<none>"));
}
} // namespace

class TestDrillSetup : public QObject
{
    Q_OBJECT

private slots:
    void optionAndImportanceExcludeEachOther();
    void importanceNeedsItsFile();
    void englishToJapaneseForcesTyping();
    void radioRules();
    void okRefusesMissingInput_data();
    void okRefusesMissingInput();
    void okRefusesUnusableCollection_data();
    void okRefusesUnusableCollection();
    void selfScoringSeconds_data();
    void selfScoringSeconds();
    void settingsWrittenAndRestored();
    void cancelKeepsClickedOptions();
    void importanceFilterOffAtOpening();
    void fileChoiceInDialog();
    void fileChoiceOnToolbar();
    void recentListsAtOk();
    void quickStartRefusesNumber_data();
    void quickStartRefusesNumber();
    void drillQuestionCountSavedAtShutdown();
};

void TestDrillSetup::optionAndImportanceExcludeEachOther()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ImportantOn"), QStringLiteral("1")}});
    env.writeLines(env.userName() + QStringLiteral("/Question_imp.dat"), {QStringLiteral("2 6")});
    openSetup(env, [&](TfrmQuestionSetup *d) {
        QVERIFY(d->chkImportantQuestion->isEnabled());
        QVERIFY(!d->gbOption->isEnabled());
        d->chkOption->click();
        QVERIFY(d->gbOption->isEnabled());
        QVERIFY(!d->chkImportantQuestion->isEnabled());
        d->rbNotRandom->click();
        QCOMPARE(w->drill.NotRandom, 1);
        d->chkOption->click();
        QVERIFY(d->chkImportantQuestion->isEnabled());
        QCOMPARE(w->drill.NotRandom, 0);
        QVERIFY(!d->rbNotRandom->isChecked());

        // Ticking the importance box (the rule itself, reached here while an
        // option is chosen) clears every option.
        d->chkOption->click();
        d->rbNotSameQuestion->click();
        QCOMPARE(w->drill.NotSameQuestion, 1);
        d->chkImportantQuestion->setEnabled(true);
        d->chkImportantQuestion->click();
        QVERIFY(d->chkImportantQuestion->isChecked());
        QVERIFY(!d->chkOption->isChecked());
        QCOMPARE(w->drill.NotSameQuestion, 0);
        QCOMPARE(w->drill.ImportantOnly, 1);
        QVERIFY(d->chkNormalImportant->isEnabled());
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(d->levelButton(k)->isEnabled());
            QVERIFY(!d->levelButton(k)->autoRaise());
        }

        // And ticking the option box clears the importance filter.
        d->chkOption->click();
        QVERIFY(!d->chkImportantQuestion->isChecked());
        QCOMPARE(w->drill.ImportantOnly, 0);
        QVERIFY(!d->chkNormalImportant->isEnabled());
        QVERIFY(!d->cmd3->isEnabled());
        QVERIFY(d->cmd3->autoRaise());
    });
}

void TestDrillSetup::importanceNeedsItsFile()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ImportantOn"), QStringLiteral("1")}});
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->chkImportantQuestion->click();
        QVERIFY(!d->chkImportantQuestion->isChecked());
        QCOMPARE(w->drill.ImportantOnly, 0);
        QVERIFY(!d->cmd1->isEnabled());
        QVERIFY(!d->chkNormalImportant->isEnabled());
    });
    const QList<PlatformCall> msgs = env.platform.callsOf(QStringLiteral("message"));
    QCOMPARE(msgs.size(), 1);
    QCOMPARE(msgs.first().caption, QStringLiteral("選択不可能"));
    QCOMPARE(msgs.first().text, QStringLiteral("指定された辞書の単語には重要度が設定されていません"));
    QCOMPARE(msgs.first().detail, int(MsgKind::Warning));

    // Without ImportantOn the box cannot be used at all.
    TestEnv env2;
    startMain(env2);
    openSetup(env2, [](TfrmQuestionSetup *d) {
        QVERIFY(!d->chkImportantQuestion->isEnabled());
        d->chkOption->click();
        d->chkOption->click();
        QVERIFY(!d->chkImportantQuestion->isEnabled());
    });
}

void TestDrillSetup::englishToJapaneseForcesTyping()
{
    TestEnv env;
    startMain(env);
    openSetup(env, [](TfrmQuestionSetup *d) {
        d->rbAnswerType[2]->click();
        d->rbQuestionType[1]->click();
        QCOMPARE(d->answerTypeIndex(), 0);
        QVERIFY(!d->rgAnswerType->isEnabled());
        d->rbQuestionType[0]->click();
        QVERIFY(d->rgAnswerType->isEnabled());
    });
    // On the toolbar likewise.
    TfrmMain *w = env.main();
    w->cboAnswerType->setCurrentIndex(1);
    w->cboAnswerTypeChange();
    QCOMPARE(w->settings.AnswerType, 1);
    w->cboQuestionType->setCurrentIndex(1);
    w->cboQuestionTypeChange();
    QCOMPARE(w->settings.QuestionType, 1);
    QCOMPARE(w->settings.AnswerType, 0);
    QCOMPARE(w->cboAnswerType->currentText(), QStringLiteral("タイプ"));
    QVERIFY(!w->cboAnswerType->isEnabled());
    w->cboQuestionType->setCurrentIndex(0);
    w->cboQuestionTypeChange();
    QCOMPARE(w->settings.QuestionType, 0);
    QVERIFY(w->cboAnswerType->isEnabled());
}

void TestDrillSetup::radioRules()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->chkOption->click();
        QVERIFY(!d->chkNotRandomContinue->isEnabled());
        d->rbNotRandom->click();
        QVERIFY(d->chkNotRandomContinue->isEnabled());
        d->chkNotRandomContinue->click();
        QCOMPARE(w->drill.NotRandomContinue, 1);
        // Clicking the chosen option again keeps it chosen.
        d->rbNotRandom->click();
        QVERIFY(d->rbNotRandom->isChecked());
        QCOMPARE(w->drill.NotRandom, 1);
        QCOMPARE(w->drill.NotRandomContinue, 1);

        d->rbNotSameQuestion->click();
        QVERIFY(!d->rbNotRandom->isChecked());
        QVERIFY(!d->chkNotRandomContinue->isChecked());
        QVERIFY(!d->chkNotRandomContinue->isEnabled());
        QCOMPARE(w->drill.NotRandom, 0);
        QCOMPARE(w->drill.NotRandomContinue, 0);
        QCOMPARE(w->drill.NotSameQuestion, 1);
        QVERIFY(!d->txtPrevNum->isVisible());

        d->rbSameQuestion->click();
        QCOMPARE(w->drill.NotSameQuestion, 0);
        QCOMPARE(w->drill.SameQuestion, 1);
        QVERIFY(d->txtPrevNum->isVisible());
        QVERIFY(!d->cboQuestionFilePath->isEnabled());
        QVERIFY(!d->cmdSelectReferenceFilePath->isEnabled());
        QVERIFY(!d->txtQuestionNum->isEnabled());

        d->rbErrorOnly->click();
        QCOMPARE(w->drill.SameQuestion, 0);
        QCOMPARE(w->drill.ErrorOnly, 1);
        d->rbNotSameQuestion->click();
        QVERIFY(d->cboQuestionFilePath->isEnabled());
        QVERIFY(d->txtQuestionNum->isEnabled());
        QVERIFY(d->txtPrevNum->toolTip().isEmpty());

        d->chkSelfStudyOn->click();
        QCOMPARE(w->drill.SelfStudyOn, 1);
        QVERIFY(d->txtSelfStudyTime->isVisible());
        d->chkSelfStudyOn->click();
        QCOMPARE(w->drill.SelfStudyOn, 0);
        QVERIFY(!d->lblSelfStudyTime->isVisible());
    });
}

void TestDrillSetup::okRefusesMissingInput_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("collection");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("message");
    const QString noNumber = QStringLiteral("出題数が設定されていません。");
    QTest::newRow("zero") << "0" << "Question.txt" << "Reference.txt" << noNumber;
    QTest::newRow("empty") << "" << "Question.txt" << "Reference.txt" << noNumber;
    QTest::newRow("not a number") << "ten" << "Question.txt" << "Reference.txt" << noNumber;
    QTest::newRow("negative") << "-3" << "Question.txt" << "Reference.txt" << noNumber;
    QTest::newRow("no collection") << "5" << "" << "Reference.txt"
                                   << QStringLiteral("問題集が選択されていません。");
    QTest::newRow("no reference") << "5" << "Question.txt" << ""
                                  << QStringLiteral("参考書が選択されていません。");
}

void TestDrillSetup::okRefusesMissingInput()
{
    QFETCH(QString, number);
    QFETCH(QString, collection);
    QFETCH(QString, reference);
    QFETCH(QString, message);
    TestEnv env;
    TfrmMain *w = startMain(env);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->txtQuestionNum->setText(number);
        d->cboQuestionFilePath->setEditText(collection);
        d->cboReferenceFilePath->setEditText(reference);
        d->cmdOk->click();
        QVERIFY(d->isVisible());
    });
    QVERIFY(!w->drill.Running);
    QCOMPARE(env.platform.messages(), QStringList({message}));
    QCOMPARE(env.platform.callsOf(QStringLiteral("message")).first().detail, int(MsgKind::Plain));
    QCOMPARE(setupKey(env, "Option"), QStringLiteral("<none>"));
}

void TestDrillSetup::okRefusesUnusableCollection_data()
{
    QTest::addColumn<QStringList>("collection");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("no question") << QStringList({QStringLiteral("title"), QStringLiteral("notes")})
                                 << QStringLiteral("問題集に問題がありません。");
    QStringList cut = smallCollection().mid(0, 21);
    QTest::newRow("last record cut short") << cut << QStringLiteral("問題集の最後の問題が途中で終わっています");
}

void TestDrillSetup::okRefusesUnusableCollection()
{
    QFETCH(QStringList, collection);
    QFETCH(QString, messageStart);
    TestEnv env;
    TfrmMain *w = startMain(env, {}, collection);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->cmdOk->click();
        QVERIFY(d->isVisible());
    });
    QVERIFY(!w->drill.Running);
    QCOMPARE(env.platform.messages().size(), 1);
    QVERIFY(env.platform.messages().first().startsWith(messageStart));
    QCOMPARE(env.platform.callsOf(QStringLiteral("message")).first().caption, QStringLiteral("エラー"));
    // Refused before anything was written.
    QCOMPARE(setupKey(env, "Option"), QStringLiteral("<none>"));
    QVERIFY(!QFile::exists(userFile(env, QStringLiteral("Question.ans"))));

    // The quick start refuses it the same way.
    env.platform.clear();
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(!w->drill.Running);
    QCOMPARE(env.platform.messages().size(), 1);
    QVERIFY(env.platform.messages().first().startsWith(messageStart));
}

void TestDrillSetup::selfScoringSeconds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seconds"); // 0 = refused
    QTest::newRow("90, above the limit") << "90" << 0;
    QTest::newRow("0, below the limit") << "0" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("45") << "45" << 45;
    QTest::newRow("60, the limit") << "60" << 60;
    QTest::newRow("1") << "1" << 1;
}

// The seconds typed are the seconds used, within the box's limits 1 to 60;
// anything else is refused the way the settings dialog refuses numbers.
void TestDrillSetup::selfScoringSeconds()
{
    QFETCH(QString, typed);
    QFETCH(int, seconds);
    TestEnv env;
    TfrmMain *w = startMain(env);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->chkSelfStudyOn->click();
        d->txtSelfStudyTime->setText(typed);
        d->cmdOk->click();
        QCOMPARE(d->isVisible(), seconds == 0);
    });
    QCOMPARE(w->drill.Running, seconds != 0);
    if (seconds == 0) {
        QCOMPARE(env.platform.messages(),
                 QStringList{QStringLiteral("正解表示までの秒数には、1～60の整数を入力してください")});
        QCOMPARE(setupKey(env, "SelfStudyTime"), QStringLiteral("<none>"));
        return;
    }
    QCOMPARE(w->drill.SelfStudyTime, seconds);
    QCOMPARE(w->drill.RemainingSeconds, seconds);
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： %1 / %1 秒").arg(seconds));
    QCOMPARE(setupKey(env, "SelfStudyTime"), QString::number(seconds));
}

void TestDrillSetup::settingsWrittenAndRestored()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    startDrill(env, 4, 1, 0, [](TfrmQuestionSetup *d) {
        d->chkSelfStudyOn->click();
        d->udSelfStudyTime->setValue(8);
        d->chkOption->click();
        d->rbNotRandom->click();
        d->chkNotRandomContinue->click();
    });
    QVERIFY(w->drill.Running);
    QCOMPARE(setupKey(env, "SelfStudyOn"), QStringLiteral("1"));
    QCOMPARE(setupKey(env, "SelfStudyTime"), QStringLiteral("8"));
    QCOMPARE(setupKey(env, "Option"), QStringLiteral("1"));
    QCOMPARE(setupKey(env, "SameQuestion"), QStringLiteral("0"));
    QCOMPARE(setupKey(env, "ErrorOnly"), QStringLiteral("0"));
    QCOMPARE(setupKey(env, "PrevQuestionNum"), QStringLiteral("1"));
    QCOMPARE(setupKey(env, "NotSameQuestion"), QStringLiteral("0"));
    QCOMPARE(setupKey(env, "NotRandom"), QStringLiteral("1"));
    QCOMPARE(setupKey(env, "NotRandomContinue"), QStringLiteral("1"));
    QCOMPARE(w->drill.QuestionNum, 4);
    QCOMPARE(w->txtQuestionNum->text(), QStringLiteral("4"));
    QCOMPARE(w->cboAnswerType->currentIndex(), 1);
    QCOMPARE(w->drill.SelfStudyTime, 8);
    env.find<QPushButton>(QStringLiteral("cmdStop"))->click();

    // A new start: the dialog shows what was saved, and the options follow.
    env.closeMain();
    w = env.showMain();
    QCOMPARE(w->drill.NotRandom, 0);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        QVERIFY(d->chkSelfStudyOn->isChecked());
        QCOMPARE(d->txtSelfStudyTime->text(), QStringLiteral("8"));
        QVERIFY(d->txtSelfStudyTime->isVisible());
        QVERIFY(d->chkOption->isChecked());
        QVERIFY(d->gbOption->isEnabled());
        QVERIFY(d->rbNotRandom->isChecked());
        QVERIFY(d->chkNotRandomContinue->isChecked());
        QVERIFY(d->chkNotRandomContinue->isEnabled());
        QCOMPARE(d->answerTypeIndex(), 1);
        QCOMPARE(w->drill.NotRandom, 1);
        QCOMPARE(w->drill.NotRandomContinue, 1);
        QCOMPARE(w->drill.SelfStudyOn, 1);
    });
}

// Options change in memory as they are clicked; Cancel keeps that, and the
// settings file keeps what OK saved last.
void TestDrillSetup::cancelKeepsClickedOptions()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    openSetup(env, [](TfrmQuestionSetup *d) {
        d->chkOption->click();
        d->rbNotSameQuestion->click();
        d->cmdCancel->click();
    });
    QVERIFY(!w->drill.Running);
    QCOMPARE(w->drill.NotSameQuestion, 1);
    QCOMPARE(setupKey(env, "NotSameQuestion"), QStringLiteral("<none>"));
    // Opening again restores the saved (empty) set-up through the rules.
    openSetup(env, [&](TfrmQuestionSetup *d) {
        QVERIFY(!d->rbNotSameQuestion->isChecked());
        QCOMPARE(w->drill.NotSameQuestion, 0);
    });
}

void TestDrillSetup::importanceFilterOffAtOpening()
{
    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ImportantOn"), QStringLiteral("1")}});
    w->drill.ImportantOnly = 1;
    w->drill.NormalAfterImportant = 1;
    openSetup(env, [&](TfrmQuestionSetup *d) {
        QVERIFY(!d->chkImportantQuestion->isChecked());
        QCOMPARE(w->drill.ImportantOnly, 0);
        QCOMPARE(w->drill.NormalAfterImportant, 0);
    });
}

void TestDrillSetup::fileChoiceInDialog()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    env.writeLines(QStringLiteral("other/Other.txt"), smallCollection());
    const QString other = env.path(QStringLiteral("other/Other.txt"));
    env.writeSetup(QStringLiteral("Question Path"), QStringLiteral("Named.txt"), QStringLiteral("/somewhere/Named.txt"));
    env.platform.fileAnswers.enqueue(other);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->cmdSelectQuestionFilePath->click();
        QCOMPARE(w->settings.QuestionFilePath, other);
        QCOMPARE(d->cboQuestionFilePath->currentText(), QStringLiteral("Other.txt"));
        QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Other.txt"));
        QCOMPARE(env.readSetup(QStringLiteral("Question Path"), QStringLiteral("Other.txt")), other);

        d->cboQuestionFilePath->setEditText(QStringLiteral("Named.txt"));
        QCOMPARE(w->settings.QuestionFilePath, QStringLiteral("/somewhere/Named.txt"));
        QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Named.txt"));
        d->cboQuestionFilePath->setEditText(QStringLiteral("Unknown.txt"));
        QCOMPARE(w->settings.QuestionFilePath, QString());
    });
    const QList<PlatformCall> opens = env.platform.callsOf(QStringLiteral("open"));
    QCOMPARE(opens.size(), 1);
    QCOMPARE(opens.first().text, QStringLiteral("問題集ファイル (*.txt)|*.txt"));

    // The reference book's OPEN button.
    env.platform.clear();
    const QString book = env.path(QStringLiteral("reference/Reference.txt"));
    env.platform.fileAnswers.enqueue(book);
    openSetup(env, [&](TfrmQuestionSetup *d) {
        d->cmdSelectReferenceFilePath->click();
        QCOMPARE(w->settings.ReferenceFilePath, book);
        QCOMPARE(d->cboReferenceFilePath->currentText(), QStringLiteral("Reference.txt"));
        QCOMPARE(w->cboReferenceFile->currentText(), QStringLiteral("Reference.txt"));
    });
    QCOMPARE(env.platform.callsOf(QStringLiteral("open")).first().text,
             QStringLiteral("参考書ファイル (*.txt)|*.txt"));
}

void TestDrillSetup::fileChoiceOnToolbar()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    const QString other = env.path(QStringLiteral("other/Other.txt"));
    env.writeLines(QStringLiteral("other/Other.txt"), smallCollection());
    env.platform.fileAnswers.enqueue(other);
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    QCOMPARE(w->settings.QuestionFilePath, other);
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Other.txt"));
    QCOMPARE(env.readSetup(QStringLiteral("Question Path"), QStringLiteral("Other.txt")), other);

    // A name typed into the box is looked up; the editor opens that file.
    w->cboQuestionFile->setEditText(QStringLiteral("Question.txt"));
    w->cboQuestionFileChange();
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("dictionary/Question.txt")));
    env.platform.clear();
    env.find<QToolButton>(QStringLiteral("cmdQOpenByMemo"))->click();
    QCOMPARE(env.platform.callsOf(QStringLiteral("shell")).size(), 1);
    QCOMPARE(env.platform.callsOf(QStringLiteral("shell")).first().text,
             env.path(QStringLiteral("dictionary/Question.txt")));

    // Cancelling the open dialog changes nothing.
    env.find<QToolButton>(QStringLiteral("cmdSelectQuestionFile"))->click();
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("dictionary/Question.txt")));
}

void TestDrillSetup::recentListsAtOk()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    QCOMPARE(w->cboQuestionFile->findText(QStringLiteral("Question.txt")), -1);
    startDrill(env, 1);
    QVERIFY(w->drill.Running);
    QCOMPARE(env.readSetup(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("1"));
    QCOMPARE(env.readSetup(QStringLiteral("Question"), QStringLiteral("1")), QStringLiteral("Question.txt"));
    QCOMPARE(env.readSetup(QStringLiteral("Reference"), QStringLiteral("RefCount")), QStringLiteral("1"));
    QCOMPARE(env.readSetup(QStringLiteral("Reference"), QStringLiteral("1")), QStringLiteral("Reference.txt"));
    QVERIFY(w->cboQuestionFile->findText(QStringLiteral("Question.txt")) >= 0);
    QVERIFY(w->cboReferenceFile->findText(QStringLiteral("Reference.txt")) >= 0);
    env.find<QPushButton>(QStringLiteral("cmdStop"))->click();
    // A name already listed is not added again.
    startDrill(env, 1);
    QCOMPARE(env.readSetup(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("1"));
    QCOMPARE(w->cboQuestionFile->count(), 1);
}

void TestDrillSetup::quickStartRefusesNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("zero") << "0";
    QTest::newRow("empty") << "";
    QTest::newRow("not a number") << "x";
}

void TestDrillSetup::quickStartRefusesNumber()
{
    QFETCH(QString, number);
    TestEnv env;
    TfrmMain *w = startMain(env);
    w->txtQuestionNum->setText(number);
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(!w->drill.Running);
    const QList<PlatformCall> msgs = env.platform.callsOf(QStringLiteral("message"));
    QCOMPARE(msgs.size(), 1);
    QCOMPARE(msgs.first().caption, QStringLiteral("出題開始エラー"));
    QCOMPARE(msgs.first().text, QStringLiteral("出題数が設定されていません。"));
    QCOMPARE(msgs.first().detail, int(MsgKind::Warning));
    QVERIFY(!QFile::exists(userFile(env, QStringLiteral("Question.ans"))));
}

QTEST_MAIN(TestDrillSetup)
#include "tst_drill_setup.moc"

void TestDrillSetup::drillQuestionCountSavedAtShutdown()
{
    // The number of questions of the last drill is what the next start
    // offers: shutdown writes it to QuestionSetup/QuestionNum.
    TestEnv env;
    TfrmMain *w = startMain(env);
    startDrill(env, 3);
    QVERIFY(w->drill.Running);
    env.find<QPushButton>(QStringLiteral("cmdStop"))->click();
    env.closeMain();
    QCOMPARE(env.readSetup(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionNum")), QStringLiteral("3"));

    TfrmMain *again = startMain(env);
    QCOMPARE(again->udQuestionNum->value(), 3);
    again->txtQuestionNum->setText(QStringLiteral("7"));
    env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    QVERIFY(again->drill.Running);
    env.closeMain();
    QCOMPARE(env.readSetup(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionNum")), QStringLiteral("7"));
}
