// The result dialogs: importance buttons, accepting a wrong answer, the
// drill summary and the self-scoring dialog.
#include "dialogs_fixture.h"

#include "platform/IniFile.h"
#include "records/Answers.h"
#include "records/Importance.h"
#include "records/RecordPaths.h"
#include "records/frmResult.h"
#include "records/frmResultAtari.h"
#include "records/frmResultCheck.h"
#include "records/frmResultError.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

class TestResultDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogFixture> fx;

    std::unique_ptr<QDialog> make(const QString &kind)
    {
        TfrmMain *m = fx->main;
        if (kind == QLatin1String("atari"))
            return std::make_unique<TfrmResultAtari>(m);
        if (kind == QLatin1String("error"))
            return std::make_unique<TfrmResultError>(m);
        if (kind == QLatin1String("check"))
            return std::make_unique<TfrmResultCheck>(m);
        return std::make_unique<TfrmResult>(m);
    }
    // The button that closes a dialog normally.
    static const char *closeButton(const QString &kind)
    {
        if (kind == QLatin1String("atari"))
            return "cmdOK";
        if (kind == QLatin1String("check"))
            return "cmdHazure";
        return "cmdClose";
    }
    QString impFile() const { return ImportanceFile(fx->main->settings); }

private slots:
    void init() { fx = std::make_unique<DialogFixture>(); }
    void cleanup() { fx.reset(); }

    void levelChosenIsWrittenOnClose_data();
    void levelChosenIsWrittenOnClose();
    void levelButtonsIdleWithoutImportance_data();
    void levelButtonsIdleWithoutImportance();

    void toAtariEnabled_data();
    void toAtariEnabled();
    void acceptingAppendsOnceAndCounts();
    void acceptingWithUnwritableAnswersFile();
    void showingClearsAcceptedFlag();
    void referenceButtonShowsCurrentKeyword();

    void summary_data();
    void summary();
    void summaryOpensErrorReview();

    void checkReferenceBox_data();
    void checkReferenceBox();
    void checkAddIsWrittenAtOnce();
    void checkVerdict_data();
    void checkVerdict();
    void checkDictionary_data();
    void checkDictionary();

    void texts_data();
    void texts();

    void differenceMarks_data();
    void differenceMarks();
};

namespace {
// A memo's text with every marked run in [brackets]; a run counts as marked
// only when it is coloured and underlined both.
QString markedText(const QTextEdit *memo)
{
    QString out;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            const bool underlined = fmt.underlineStyle() != QTextCharFormat::NoUnderline;
            const bool coloured = fmt.foreground().color() == DifferenceTextColor()
                                  && fmt.background().color() == DifferenceBackColor();
            if (underlined != coloured)
                return QStringLiteral("<underline and colour differ at \"%1\">").arg(f.text());
            out += underlined ? QLatin1Char('[') + f.text() + QLatin1Char(']') : f.text();
        }
    }
    return out;
}
} // namespace

// --- importance buttons --------------------------------------------------------

void TestResultDialogs::levelChosenIsWrittenOnClose_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("initial");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<int>("expected");

    for (const QString &kind : {QStringLiteral("atari"), QStringLiteral("error"), QStringLiteral("check")}) {
        const QByteArray k = kind.toLatin1();
        QTest::newRow(k + ": raising the down button removes the mark")
            << kind << 3 << QList<int>{3} << "reject" << 0;
        QTest::newRow(k + ": a level for an unmarked question")
            << kind << 0 << QList<int>{2} << "button" << 2;
        QTest::newRow(k + ": another level replaces the old one")
            << kind << 2 << QList<int>{4} << "close" << 4;
        QTest::newRow(k + ": the last of several presses counts")
            << kind << 0 << QList<int>{1, 5} << "reject" << 5;
        QTest::newRow(k + ": untouched buttons keep the level")
            << kind << 4 << QList<int>{} << "button" << 4;
        QTest::newRow(k + ": press and raise again leaves it unmarked")
            << kind << 0 << QList<int>{3, 3} << "close" << 0;
    }
}

void TestResultDialogs::levelChosenIsWrittenOnClose()
{
    QFETCH(QString, kind);
    QFETCH(int, initial);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, closeBy);
    QFETCH(int, expected);

    fx->main->settings.ImportantOn = 1;
    QStringList lines{QStringLiteral("1 6")};
    if (initial > 0)
        lines << QStringLiteral("%1 0").arg(initial);
    lines << QStringLiteral("5 12");
    QVERIFY(TextFile::writeLines(impFile(), lines));
    const QByteArray before = fileBytes(impFile());

    auto dlg = make(kind);
    fx->run(*dlg, [&](QDialog *d) {
        for (int i = 1; i <= 5; ++i) {
            auto *b = child<QPushButton>(d, QByteArray("cmd" + QByteArray::number(i)).constData());
            QVERIFY(b->isEnabled());
            QVERIFY(!b->isFlat());
            QCOMPARE(b->isChecked(), i == initial);
        }
        int down = initial;
        for (int c : clicks) {
            click(d, QByteArray("cmd" + QByteArray::number(c)).constData());
            down = down == c ? 0 : c;
            for (int i = 1; i <= 5; ++i)
                QCOMPARE(child<QPushButton>(d, QByteArray("cmd" + QByteArray::number(i)).constData())
                             ->isChecked(),
                         i == down);
        }
        // Nothing is written while the dialog is open.
        QCOMPARE(fileBytes(impFile()), before);
        if (closeBy == QLatin1String("button"))
            click(d, closeButton(kind));
        else if (closeBy == QLatin1String("close"))
            d->close();
        QVERIFY(!d->isVisible() || closeBy == QLatin1String("reject"));
    });

    QCOMPARE(ImportanceLevel(impFile(), 0), expected);
    QCOMPARE(ImportanceLevel(impFile(), 6), 1);
    QCOMPARE(ImportanceLevel(impFile(), 12), 5);
    if (expected == initial)
        QCOMPARE(fileBytes(impFile()), before);
    QVERIFY(!QFile::exists(ImportanceScratchFile(fx->main->settings)));
    QVERIFY(fx->platform.messages().isEmpty());
}

void TestResultDialogs::levelButtonsIdleWithoutImportance_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("correct answer") << "atari";
    QTest::newRow("wrong answer") << "error";
    QTest::newRow("self-scoring") << "check";
}

void TestResultDialogs::levelButtonsIdleWithoutImportance()
{
    QFETCH(QString, kind);
    fx->main->settings.ImportantOn = 0;
    QVERIFY(TextFile::writeLines(impFile(), {QStringLiteral("3 0")}));
    const QByteArray before = fileBytes(impFile());
    auto dlg = make(kind);
    fx->run(*dlg, [&](QDialog *d) {
        QVERIFY(!child<QLabel>(d, "lblImportantQuestion")->isEnabled());
        for (int i = 1; i <= 5; ++i) {
            auto *b = child<QPushButton>(d, QByteArray("cmd" + QByteArray::number(i)).constData());
            QVERIFY(!b->isEnabled());
            QVERIFY(b->isFlat());
            QVERIFY(!b->isChecked());
        }
    });
    // The mark stays although no button was down.
    QCOMPARE(fileBytes(impFile()), before);
}

// --- accepting a wrong answer ------------------------------------------------------

void TestResultDialogs::toAtariEnabled_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("selfStudy");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("typed answer") << "I must go now." << 0 << 0 << true;
    QTest::newRow("rearranged answer") << "I go now have to." << 0 << 1 << true;
    QTest::newRow("empty answer") << "" << 0 << 0 << false;
    QTest::newRow("fill-in") << "went" << 0 << 2 << false;
    QTest::newRow("self-scoring") << "I must go now." << 1 << 0 << false;
}

void TestResultDialogs::toAtariEnabled()
{
    QFETCH(QString, input);
    QFETCH(int, selfStudy);
    QFETCH(int, answerType);
    QFETCH(bool, enabled);
    fx->main->drill.InputAnswer = input;
    fx->main->drill.SelfStudyOn = selfStudy;
    fx->main->settings.AnswerType = answerType;
    TfrmResultError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *b = child<QPushButton>(d, "cmdToAtari");
        QCOMPARE(b->isEnabled(), enabled);
        QCOMPARE(b->toolTip(), QStringLiteral("『") + input + QStringLiteral("』を正解に追加する"));
        click(d, "cmdToAtari");
    });
    QCOMPARE(fx->main->drill.AcceptedAsCorrect, enabled);
    QCOMPARE(QFile::exists(AnswersFile(fx->main->settings)), enabled);
}

void TestResultDialogs::acceptingAppendsOnceAndCounts()
{
    const Settings &s = fx->main->settings;
    QVERIFY(InitAnswersFile(AnswersFile(s)));
    const QByteArray before = fileBytes(AnswersFile(s));
    TfrmResultError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *b = child<QPushButton>(d, "cmdToAtari");
        click(d, "cmdToAtari");
        QVERIFY(fx->main->drill.AcceptedAsCorrect);
        QVERIFY(!b->isEnabled());
        QVERIFY(d->isVisible());   // the dialog stays open
        click(d, "cmdToAtari");
        b->click();
    });
    QCOMPARE(fileBytes(AnswersFile(s)),
             before + TextFile::encode(QStringLiteral("もう行かなければなりません。=I must go now.\r\n")));
    QVERIFY(IsRegisteredAnswer(AnswersFile(s), fx->main->drill.QuestionText, QStringLiteral("I must go now.")));
    QVERIFY(fx->main->drill.AcceptedAsCorrect);
    QVERIFY(fx->platform.messages().isEmpty());
}

void TestResultDialogs::acceptingWithUnwritableAnswersFile()
{
    const Settings &s = fx->main->settings;
    QVERIFY(QDir().mkpath(AnswersFile(s)));   // a folder where the file should be
    TfrmResultError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) { click(d, "cmdToAtari"); });
    QCOMPARE(fx->platform.messages(), QStringList{AnswersOpenErrorMessage(s)});
    QCOMPARE(fx->platform.callsOf(QStringLiteral("message")).first().detail, int(MsgKind::Plain));
    // The answer counts as correct all the same.
    QVERIFY(fx->main->drill.AcceptedAsCorrect);
}

void TestResultDialogs::showingClearsAcceptedFlag()
{
    fx->main->drill.AcceptedAsCorrect = true;
    TfrmResultError dlg(fx->main);
    fx->run(dlg, [&](QDialog *) { QVERIFY(!fx->main->drill.AcceptedAsCorrect); });
    QVERIFY(!fx->main->drill.AcceptedAsCorrect);
}

void TestResultDialogs::referenceButtonShowsCurrentKeyword()
{
    QString title, body;
    fx->platform.dialogHandlers.enqueue([](QDialog *d) { click(d, "cmdOpenReference"); });
    fx->platform.dialogHandlers.enqueue([&](QDialog *viewer) {
        title = child<QLabel>(viewer, "pnlTitle")->text();
        body = child<QTextEdit>(viewer, "moReference")->toPlainText();
    });
    TfrmResultError dlg(fx->main);
    fx->platform.execDialog(&dlg);
    QCOMPARE(title, QStringLiteral("#have toについて"));
    QCOMPARE(body, QStringLiteral("「～しなければならない」\nmust とほぼ同じ意味です。"));
}

// --- summary ----------------------------------------------------------------------

void TestResultDialogs::summary_data()
{
    QTest::addColumn<int>("planned");
    QTest::addColumn<int>("atari");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("showError");
    QTest::newRow("every answer right") << 5 << 5 << 5 << "☆ CONGRATULATION ☆" << QColor(0, 0, 255)
                                        << "出題数 ： 5問、正解率 ： 100％" << false;
    QTest::newRow("two wrong") << 5 << 3 << 5 << "☆ 全問終了 ☆" << QColor(255, 0, 0)
                               << "出題数 ： 5問、正解率 ： 60％" << true;
    QTest::newRow("one of three") << 3 << 1 << 3 << "☆ 全問終了 ☆" << QColor(255, 0, 0)
                                  << "出題数 ： 3問、正解率 ： 33％" << true;
    QTest::newRow("none right") << 1 << 0 << 1 << "☆ 全問終了 ☆" << QColor(255, 0, 0)
                                << "出題数 ： 1問、正解率 ： 0％" << true;
}

void TestResultDialogs::summary()
{
    QFETCH(int, planned);
    QFETCH(int, atari);
    QFETCH(int, asked);
    QFETCH(QString, result);
    QFETCH(QColor, color);
    QFETCH(QString, data);
    QFETCH(bool, showError);
    DrillState &d = fx->main->drill;
    d.QuestionNum = planned;
    d.AtariCount = atari;
    d.AskedCount = asked;
    d.HazureCount = asked - atari;
    TfrmResult dlg(fx->main);
    // One-shot: the error review it may open is simply closed.
    fx->platform.dialogHandlers.enqueue([&](QDialog *w) {
        auto *lbl = child<QLabel>(w, "lblResult");
        QCOMPARE(lbl->text(), result);
        QCOMPARE(lbl->palette().color(QPalette::WindowText), color);
        QCOMPARE(child<QLabel>(w, "lblData")->text(), data);
        QCOMPARE(child<QPushButton>(w, "cmdShowError")->isEnabled(), showError);
        QVERIFY(child<QPushButton>(w, "cmdClose")->isDefault());
        click(w, "cmdShowError");   // does nothing when disabled
    });
    fx->platform.execDialog(&dlg);
    QCOMPARE(fx->platform.callsOf(QStringLiteral("dialog")).size(), showError ? 2 : 1);
}

void TestResultDialogs::summaryOpensErrorReview()
{
    DrillState &d = fx->main->drill;
    d.QuestionNum = 2;
    d.AskedCount = 2;
    d.AtariCount = 1;
    d.HazureCount = 1;
    d.Drills[0].HazureCount = 1;
    d.Drills[0].WrongLines = {6};
    d.Drills[0].QuestionFile = fx->collection;
    d.DrillCount = 1;
    QStringList listed;
    fx->platform.dialogHandlers.enqueue([](QDialog *w) { click(w, "cmdShowError"); });
    fx->platform.dialogHandlers.enqueue([&](QDialog *w) {
        auto *lst = child<QListWidget>(w, "lstError");
        for (int i = 0; i < lst->count(); ++i)
            listed << lst->item(i)->text();
    });
    TfrmResult dlg(fx->main);
    fx->platform.execDialog(&dlg);
    const auto dialogs = fx->platform.callsOf(QStringLiteral("dialog"));
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs.at(1).caption, QStringLiteral("frmShowError"));
    QCOMPARE(listed, QStringList{QStringLiteral("She can swim very well.")});
}

// --- self-scoring -------------------------------------------------------------------

void TestResultDialogs::checkReferenceBox_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("book");   // "ok", "missing" or "none"
    QTest::addColumn<QString>("shown");
    QTest::newRow("entry found") << "#have to" << "ok"
                                 << "「～しなければならない」\nmust とほぼ同じ意味です。";
    QTest::newRow("no keyword") << "#キーワードなし" << "ok" << "その解説はありません。";
    QTest::newRow("no such entry") << "#would" << "ok" << "";
    QTest::newRow("book missing") << "#have to" << "missing" << "";
    QTest::newRow("no book chosen") << "#have to" << "none" << "";
}

void TestResultDialogs::checkReferenceBox()
{
    QFETCH(QString, keyword);
    QFETCH(QString, book);
    QFETCH(QString, shown);
    Settings &s = fx->main->settings;
    if (book == QLatin1String("missing"))
        s.ReferenceFilePath = fx->folder + QStringLiteral("nothing.txt");
    else if (book == QLatin1String("none"))
        s.ReferenceFilePath.clear();
    fx->main->drill.CurrentKeyword = keyword;
    fx->main->drill.SelfScore = 0;
    TfrmResultCheck dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *box = child<QTextEdit>(d, "moReference");
        QCOMPARE(box->toPlainText(), shown);
        QVERIFY(box->isReadOnly());
        click(d, "cmdAtari");   // the answer can still be scored
    });
    QCOMPARE(fx->main->drill.SelfScore, 1);
    QVERIFY(fx->platform.messages().isEmpty());
}

void TestResultDialogs::checkAddIsWrittenAtOnce()
{
    Settings &s = fx->main->settings;
    IniFile seed(s.setupIniPath());
    seed.writeString(QStringLiteral("Setup"), QStringLiteral("ShowResult"), QStringLiteral("1"));
    QVERIFY(seed.save());
    auto stored = [&] {
        return IniFile(s.setupIniPath()).readString(QStringLiteral("Setup"), QStringLiteral("AddOn"),
                                                    QStringLiteral("none"));
    };
    s.AddOn = 0;
    TfrmResultCheck dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *chk = child<QCheckBox>(d, "chkAdd");
        QVERIFY(!chk->isChecked());
        click(d, "chkAdd");
        QCOMPARE(stored(), QStringLiteral("1"));
        QCOMPARE(s.AddOn, 1);
        click(d, "chkAdd");
        QCOMPARE(stored(), QStringLiteral("0"));
        QCOMPARE(s.AddOn, 0);
        click(d, "chkAdd");
    });
    QCOMPARE(stored(), QStringLiteral("1"));
    QCOMPARE(IniFile(s.setupIniPath()).readString(QStringLiteral("Setup"), QStringLiteral("ShowResult")),
             QStringLiteral("1"));

    // The next dialog opens ticked.
    TfrmResultCheck again(fx->main);
    fx->run(again, [&](QDialog *d) { QVERIFY(child<QCheckBox>(d, "chkAdd")->isChecked()); });
}

void TestResultDialogs::checkVerdict_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("addOn");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("appended");
    QTest::newRow("right, not added") << "cmdAtari" << 0 << 0 << "I must go now." << 1 << false;
    QTest::newRow("right, added") << "cmdAtari" << 1 << 0 << "I must go now." << 1 << true;
    QTest::newRow("right, rearranged, added") << "cmdAtari" << 1 << 1 << "I must go now." << 1 << true;
    QTest::newRow("right, fill-in never added") << "cmdAtari" << 1 << 2 << "go" << 1 << false;
    QTest::newRow("right, empty never added") << "cmdAtari" << 1 << 0 << "" << 1 << false;
    QTest::newRow("wrong") << "cmdHazure" << 1 << 0 << "I must go now." << 0 << false;
    QTest::newRow("Esc counts as wrong") << "reject" << 1 << 0 << "I must go now." << 0 << false;
    QTest::newRow("closed counts as wrong") << "close" << 1 << 0 << "I must go now." << 0 << false;
}

void TestResultDialogs::checkVerdict()
{
    QFETCH(QString, action);
    QFETCH(int, addOn);
    QFETCH(int, answerType);
    QFETCH(QString, input);
    QFETCH(int, score);
    QFETCH(bool, appended);
    Settings &s = fx->main->settings;
    s.AddOn = addOn;
    s.AnswerType = answerType;
    fx->main->drill.InputAnswer = input;
    fx->main->drill.SelfStudyOn = 1;
    fx->main->drill.SelfScore = 1;   // left by the previous self-scored answer
    TfrmResultCheck dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        if (action == QLatin1String("close"))
            d->close();
        else if (action != QLatin1String("reject"))
            click(d, action.toLatin1().constData());
        QVERIFY(!d->isVisible() || action == QLatin1String("reject"));
    });
    QCOMPARE(fx->main->drill.SelfScore, score);
    QCOMPARE(fileBytes(AnswersFile(s)),
             appended ? TextFile::encode(fx->main->drill.QuestionText + QLatin1Char('=') + input
                                         + QStringLiteral("\r\n"))
                      : QByteArray());
    QVERIFY(!fx->main->drill.AcceptedAsCorrect);
}

void TestResultDialogs::checkDictionary_data()
{
    QTest::addColumn<QStringList>("typed");   // empty: cancelled
    QTest::addColumn<QString>("message");     // empty: none
    const QString apple = QStringLiteral("以下の単語が見つかりました\n\n英　 語： apple\n日本語： りんご\n\nコメント： 果物");
    QTest::newRow("first letters") << QStringList{"app"} << apple;
    QTest::newRow("whole word") << QStringList{"apple"} << apple;
    QTest::newRow("longer prefix") << QStringList{"appli"}
                                   << "以下の単語が見つかりました\n\n英　 語： application\n日本語： 応用\n\nコメント： 名詞";
    QTest::newRow("not trimmed at a full stop") << QStringList{"apple."} << "見つけることができませんでした";
    QTest::newRow("case counts") << QStringList{"Apple"} << "見つけることができませんでした";
    QTest::newRow("empty word") << QStringList{""} << "";
    QTest::newRow("cancelled") << QStringList{} << "";
}

void TestResultDialogs::checkDictionary()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    for (const QString &t : typed)
        fx->platform.inputAnswers.enqueue(t);
    TfrmResultCheck dlg(fx->main);
    bool stillOpen = false;
    fx->run(dlg, [&](QDialog *d) {
        click(d, "Button1");
        stillOpen = d->isVisible();
    });
    QVERIFY(stillOpen);
    const auto inputs = fx->platform.callsOf(QStringLiteral("input"));
    QCOMPARE(inputs.size(), 1);
    QCOMPARE(inputs.first().caption, QStringLiteral("単語を調べる"));
    QCOMPARE(inputs.first().text, QStringLiteral("調べたい単語を記入してください"));
    QCOMPARE(fx->platform.messages(), message.isEmpty() ? QStringList() : QStringList{message});
}

// --- texts ----------------------------------------------------------------------------

void TestResultDialogs::texts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");       // empty: the dialog itself
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    auto row = [](const char *kind, const char *name, const char *prop, const QVariant &v) {
        QTest::addRow("%s %s %s", kind, *name ? name : "dialog", prop)
            << QString::fromLatin1(kind) << QString::fromLatin1(name) << QString::fromLatin1(prop) << v;
    };
    const QString data = QStringLiteral("出題数 ： 3問、正解率 ： 67％");
    row("atari", "", "windowTitle", QStringLiteral("☆正解です☆"));
    row("atari", "lblTitle", "text", QStringLiteral("☆ 正解 ☆"));
    row("atari", "lblData", "text", data);
    row("atari", "moComment", "plainText", QStringLiteral("have to は義務を表します。"));
    row("atari", "moComment", "readOnly", true);
    row("atari", "cmdOK", "text", QStringLiteral("閉じる (&C)"));
    row("atari", "cmdOK", "default", true);
    row("atari", "lblImportantQuestion", "text", QStringLiteral("重要度の設定 >> "));
    row("atari", "cmd1", "text", QStringLiteral("1"));
    row("atari", "cmd5", "text", QStringLiteral("5"));
    row("atari", "", "size", QSize(409, 234));

    row("error", "", "windowTitle", QStringLiteral("☆ 不正解です ☆"));
    row("error", "lblTitle", "text", QStringLiteral("☆ 不正解 ☆"));
    row("error", "lblData", "text", data);
    row("error", "lblKaitou", "text", QStringLiteral("あなたの解答 ： "));
    row("error", "moKaitou", "plainText", QStringLiteral("I must go now."));
    row("error", "lblAnswer", "text", QStringLiteral("正解 ： "));
    row("error", "moAnswer", "plainText", QStringLiteral("I have to go now."));
    row("error", "lblComment", "text", QStringLiteral("コメント ： "));
    row("error", "moComment", "plainText", QStringLiteral("have to は義務を表します。"));
    row("error", "pnlToAtari", "text", QStringLiteral("あなたの解答が正解の場合は、『正解にする』を押します"));
    row("error", "lblToAtari", "text", QStringLiteral("よく考えてから押してください => "));
    row("error", "cmdToAtari", "text", QStringLiteral("正解にする (&A)"));
    row("error", "cmdOpenReference", "text", QStringLiteral("参考書を開く (&R)"));
    row("error", "cmdEditQuestionFile", "text", QStringLiteral("編集 (&E)"));
    row("error", "cmdClose", "text", QStringLiteral("閉じる (&C)"));
    row("error", "cmdClose", "default", true);
    row("error", "cmdClose", "focus", true);
    row("error", "lblImportantQuestion", "text", QStringLiteral("重要度の設定 >> "));
    row("error", "", "size", QSize(409, 408));

    row("result", "", "windowTitle", QStringLiteral("☆ 全問終了 ☆"));
    row("result", "cmdShowError", "text", QStringLiteral("間違えの表示 (&E)"));
    row("result", "cmdClose", "text", QStringLiteral("閉じる （&C)"));
    row("result", "cmdClose", "default", true);
    row("result", "", "size", QSize(409, 200));

    row("check", "", "windowTitle", QStringLiteral("自己採点"));
    row("check", "Panel1", "text", QStringLiteral("結果はどうですか？"));
    row("check", "lblQuestion", "text", QStringLiteral("出題された問題 ： "));
    row("check", "moQuestion", "plainText", QStringLiteral("もう行かなければなりません。"));
    row("check", "lblKaitou", "text", QStringLiteral("あなたの解答 ： "));
    row("check", "moKaitou", "plainText", QStringLiteral("I must go now."));
    row("check", "lblAnswer", "text", QStringLiteral("正解 ： "));
    row("check", "moAnswer", "plainText", QStringLiteral("I have to go now."));
    row("check", "lblComment", "text", QStringLiteral("コメント ： "));
    row("check", "moComment", "plainText", QStringLiteral("have to は義務を表します。"));
    row("check", "lblReference", "text",
        QStringLiteral("参考書内容の表示 （キーワードが設定されていない場合は表示されません）"));
    row("check", "chkAdd", "text",
        QStringLiteral("『正解』を選んだ場合、あなたの解答を\"正解ファイル\"に追加する。 (&T)"));
    row("check", "cmdAtari", "text", QStringLiteral("正解 (&A)"));
    row("check", "cmdHazure", "text", QStringLiteral("不正解 (&H)"));
    row("check", "Button1", "text", QStringLiteral("辞書で調べる"));
    row("check", "cmdEditQuestionFile", "text", QStringLiteral("編集 (&E)"));
    row("check", "lblImportantQuestion", "text", QStringLiteral("重要度の設定 >> "));
    row("check", "", "size", QSize(545, 578));
}

void TestResultDialogs::texts()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    fx->main->drill.QuestionNum = 4;
    fx->main->drill.AtariCount = 4;
    fx->main->drill.AskedCount = 4;
    auto dlg = make(kind);
    fx->run(*dlg, [&](QDialog *d) {
        QWidget *w = name.isEmpty() ? d : d->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        if (property == QLatin1String("focus"))
            QCOMPARE(d->focusWidget() == w, value.toBool());
        else
            QCOMPARE(w->property(property.toLatin1().constData()), value);
    });
}

// --- what differs in a wrong answer --------------------------------------------

void TestResultDialogs::differenceMarks_data()
{
    QTest::addColumn<int>("questionType");
    QTest::addColumn<int>("ignoreCase");
    QTest::addColumn<int>("notPeriod");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("markedAnswer");
    QTest::addColumn<QString>("markedInput");

    QTest::newRow("wrong word") << 0 << 0 << 0 << "I have to go now." << "I must go now."
                                << "I [have to] go now." << "I [must] go now.";
    QTest::newRow("missing article") << 0 << 0 << 0 << "She has a cat." << "She has cat."
                                     << "She has [a] cat." << "She has cat.";
    QTest::newRow("case with leniency off") << 0 << 0 << 0 << "It is Tom." << "It is tom."
                                            << "It is [Tom]." << "It is [tom].";
    QTest::newRow("case and period with leniency on") << 0 << 1 << 1 << "It is Tom's." << "it is toms"
                                                      << "It is [Tom's]." << "it is [toms]";
    QTest::newRow("Japanese answer, one wrong character") << 1 << 0 << 0 << "彼女は泳げます。"
                                                          << "彼女が泳げます。" << "彼女[は]泳げます。"
                                                          << "彼女[が]泳げます。";
    QTest::newRow("empty answer") << 0 << 0 << 0 << "Go." << "" << "[Go.]" << "";
}

void TestResultDialogs::differenceMarks()
{
    QFETCH(int, questionType);
    QFETCH(int, ignoreCase);
    QFETCH(int, notPeriod);
    QFETCH(QString, answer);
    QFETCH(QString, input);
    QFETCH(QString, markedAnswer);
    QFETCH(QString, markedInput);
    Settings &s = fx->main->settings;
    s.QuestionType = questionType;
    s.IgnoreCase = ignoreCase;
    s.NotPeriod = notPeriod;
    s.FontAnswerColor = 16711680;   // blue answer font: the marks keep their own colour
    DrillState &d = fx->main->drill;
    d.AnswerText = answer;
    d.InputAnswer = input;
    TfrmResultError dlg(fx->main);
    fx->run(dlg, [&](QDialog *w) {
        auto *kaitou = child<QTextEdit>(w, "moKaitou");
        auto *right = child<QTextEdit>(w, "moAnswer");
        // Display only: the texts and the controls are what they were.
        QCOMPARE(kaitou->toPlainText(), input);
        QCOMPARE(right->toPlainText(), answer);
        QVERIFY(kaitou->isReadOnly() && right->isReadOnly());
        QCOMPARE(child<QPushButton>(w, "cmdToAtari")->isEnabled(), !input.isEmpty());
        QCOMPARE(markedText(right), markedAnswer);
        QCOMPARE(markedText(kaitou), markedInput);
        click(w, "cmdClose");
    });
    // Judging's flag and the answers file are untouched by the marks.
    QVERIFY(!d.AcceptedAsCorrect);
    QVERIFY(!QFile::exists(AnswersFile(s)));
}

QTEST_MAIN(TestResultDialogs)
#include "tst_resultdialogs.moc"
