// The error review: which drill it opens on, what it lists, and its memo
// boxes and reference button.
#include "dialogs_fixture.h"

#include "records/frmShowError.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

class TestShowError : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogFixture> fx;

    // Finishes drill record `index` with these wrong answers.
    void finishDrill(int index, const QVector<int> &wrong, const QString &file = QString())
    {
        DrillRecord &r = fx->main->drill.Drills[index];
        r.PlannedCount = 5;
        r.HazureCount = wrong.size();
        r.AtariCount = 5 - wrong.size();
        r.WrongLines = wrong;
        r.QuestionFile = file.isEmpty() ? fx->collection : file;
        fx->main->drill.DrillCount = qMax(fx->main->drill.DrillCount, index + 1);
    }
    static QStringList items(QListWidget *lst)
    {
        QStringList out;
        for (int i = 0; i < lst->count(); ++i)
            out << lst->item(i)->text();
        return out;
    }
    static void clickRow(QListWidget *lst, int row)
    {
        const QRect r = lst->visualItemRect(lst->item(row));
        QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void init() { fx = std::make_unique<DialogFixture>(); }
    void cleanup() { fx.reset(); }

    void opensOnLatestDrill_data();
    void opensOnLatestDrill();
    void drillNumberTyped_data();
    void drillNumberTyped();
    void entryShowsAnswerAndComment();
    void referenceOfSelectedEntry();
    void referenceWithoutSelection();
    void readsTheDrillsOwnCollection();
    void unreadableCollection();
    void menuCommandOpensReview();
    void texts_data();
    void texts();
};

void TestShowError::opensOnLatestDrill_data()
{
    QTest::addColumn<int>("finished");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("listed");
    const QString have = QStringLiteral("I have to go now.");
    const QString can = QStringLiteral("She can swim very well.");
    const QString fine = QStringLiteral("It is fine today.");
    QTest::newRow("no drill finished") << 0 << "1" << QStringList{};
    QTest::newRow("one drill") << 1 << "1" << QStringList{have, can};
    QTest::newRow("latest of three") << 3 << "3" << QStringList{fine, have, fine};
    QTest::newRow("more than ten") << 12 << "10" << QStringList{can};
}

void TestShowError::opensOnLatestDrill()
{
    QFETCH(int, finished);
    QFETCH(QString, number);
    QFETCH(QStringList, listed);
    for (int i = 0; i < finished; ++i)
        finishDrill(i, {6});
    if (finished >= 1)
        finishDrill(0, {0, 6});
    if (finished >= 3)
        finishDrill(2, {12, 0, 12});   // a question missed twice is listed twice
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        QCOMPARE(child<QLineEdit>(d, "txtStudyNum")->text(), number);
        QCOMPARE(items(child<QListWidget>(d, "lstError")), listed);
        QVERIFY(!child<QPushButton>(d, "cmdOpenReference")->isEnabled());
        QVERIFY(child<QTextEdit>(d, "moAnswer")->toPlainText().isEmpty());
    });
    QVERIFY(fx->platform.messages().isEmpty());
}

void TestShowError::drillNumberTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("messages");
    const QString have = QStringLiteral("I have to go now.");
    const QString can = QStringLiteral("She can swim very well.");
    QTest::newRow("first drill") << "1" << QStringList{have, can} << QStringList{};
    QTest::newRow("drill without wrong answers") << "2" << QStringList{} << QStringList{};
    QTest::newRow("beyond the up-down") << "12" << QStringList{have} << QStringList{};
    QTest::newRow("not finished yet") << "14" << QStringList{} << QStringList{};
    QTest::newRow("outside the history") << "16" << QStringList{} << QStringList{};
    QTest::newRow("zero") << "0" << QStringList{} << QStringList{};
    QTest::newRow("being retyped") << "" << QStringList{} << QStringList{};
    QTest::newRow("not a number") << "x" << QStringList{}
                                  << QStringList{QStringLiteral("'x' は有効な整数値ではありません")};
}

void TestShowError::drillNumberTyped()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, messages);
    for (int i = 0; i < 13; ++i)
        finishDrill(i, {12});
    finishDrill(0, {0, 6});
    finishDrill(1, {});
    finishDrill(11, {0});
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *txt = child<QLineEdit>(d, "txtStudyNum");
        QCOMPARE(txt->text(), QStringLiteral("10"));
        txt->selectAll();
        QTest::keyClick(txt, Qt::Key_Delete);
        QTest::keyClicks(txt, typed);
        QCOMPARE(items(child<QListWidget>(d, "lstError")), listed);
        QVERIFY(!child<QPushButton>(d, "cmdOpenReference")->isEnabled());
    });
    QCOMPARE(fx->platform.messages(), messages);
}

void TestShowError::entryShowsAnswerAndComment()
{
    finishDrill(0, {0, 6});
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *lst = child<QListWidget>(d, "lstError");
        auto *answer = child<QTextEdit>(d, "moAnswer");
        auto *comment = child<QTextEdit>(d, "moComment");
        clickRow(lst, 1);
        QVERIFY(child<QPushButton>(d, "cmdOpenReference")->isEnabled());
        QCOMPARE(answer->toPlainText(), QStringLiteral("彼女はとても上手に泳げます。"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("can は能力を表します。"));
        clickRow(lst, 0);
        QCOMPARE(answer->toPlainText(), QStringLiteral("もう行かなければなりません。"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("have to は義務を表します。"));
        QVERIFY(answer->isReadOnly());
        QVERIFY(comment->isReadOnly());
    });
}

void TestShowError::referenceOfSelectedEntry()
{
    finishDrill(0, {6, 0});
    QString title, body;
    fx->platform.dialogHandlers.enqueue([this](QDialog *d) {
        clickRow(child<QListWidget>(d, "lstError"), 1);
        click(d, "cmdOpenReference");
    });
    fx->platform.dialogHandlers.enqueue([&](QDialog *viewer) {
        title = child<QLabel>(viewer, "pnlTitle")->text();
        body = child<QTextEdit>(viewer, "moReference")->toPlainText();
    });
    TfrmShowError dlg(fx->main);
    fx->platform.execDialog(&dlg);
    QCOMPARE(title, QStringLiteral("#have toについて"));
    QCOMPARE(body, QStringLiteral("「～しなければならない」\nmust とほぼ同じ意味です。"));
}

void TestShowError::referenceWithoutSelection()
{
    finishDrill(0, {6, 0});
    finishDrill(1, {0});
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        clickRow(child<QListWidget>(d, "lstError"), 0);
        // Another drill number empties the lists but leaves the button usable.
        auto *txt = child<QLineEdit>(d, "txtStudyNum");
        txt->selectAll();
        QTest::keyClicks(txt, QStringLiteral("1"));
        QVERIFY(child<QTextEdit>(d, "moAnswer")->toPlainText().isEmpty());
        click(d, "cmdOpenReference");
    });
    QCOMPARE(fx->platform.messages(), QStringList{QStringLiteral("有効な項目が選択されていません")});
    QCOMPARE(fx->platform.callsOf(QStringLiteral("dialog")).size(), 1);
}

void TestShowError::readsTheDrillsOwnCollection()
{
    finishDrill(0, {6});
    // The learner chose another collection after the drill.
    const QString other = fx->folder + QStringLiteral("other.txt");
    QVERIFY(TextFile::writeLines(other, {QStringLiteral("#x"), QStringLiteral("other 1"),
                                         QStringLiteral("ほか"), QString(), QString(),
                                         QString(), QStringLiteral("#y"),
                                         QStringLiteral("other 2")}));
    fx->main->settings.QuestionFilePath = other;
    finishDrill(1, {6}, other);
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        auto *lst = child<QListWidget>(d, "lstError");
        QCOMPARE(items(lst), QStringList{QStringLiteral("other 2")});
        auto *txt = child<QLineEdit>(d, "txtStudyNum");
        txt->selectAll();
        QTest::keyClicks(txt, QStringLiteral("1"));
        QCOMPARE(items(lst), QStringList{QStringLiteral("She can swim very well.")});
    });
}

void TestShowError::unreadableCollection()
{
    finishDrill(0, {6}, fx->folder + QStringLiteral("gone.txt"));
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) { QCOMPARE(child<QListWidget>(d, "lstError")->count(), 0); });
    QCOMPARE(fx->platform.messages().size(), 1);
    QVERIFY(fx->platform.messages().first().contains(QStringLiteral("gone.txt")));
}

void TestShowError::menuCommandOpensReview()
{
    finishDrill(0, {0});
    finishDrill(1, {6});
    QString number;
    fx->platform.dialogHandler = [&](QDialog *d) { number = child<QLineEdit>(d, "txtStudyNum")->text(); };
    fx->main->cmdShowErrorClick();
    const auto dialogs = fx->platform.callsOf(QStringLiteral("dialog"));
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first().caption, QStringLiteral("frmShowError"));
    QCOMPARE(number, QStringLiteral("2"));
}

void TestShowError::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    auto row = [](const char *name, const char *prop, const QVariant &v) {
        QTest::addRow("%s %s", *name ? name : "dialog", prop)
            << QString::fromLatin1(name) << QString::fromLatin1(prop) << v;
    };
    row("", "windowTitle", QStringLiteral("あなたの間違えは？"));
    row("", "size", QSize(585, 392));
    row("pnlTitle", "text", QStringLiteral("ここでは、直前の学習で間違えた問題を表示しています"));
    row("Label1", "text", QStringLiteral("表示させる学習履歴の番号 ： "));
    row("lblError", "text", QStringLiteral("間違えた問題のリスト"));
    row("lblAnswer", "text", QStringLiteral("選択された問題の正解を表示"));
    row("lblComment", "text", QStringLiteral("コメントの表示"));
    row("cmdOpenReference", "text", QStringLiteral("参考書を開く"));
    row("cmdClose", "text", QStringLiteral("閉じる (&C)"));
    row("cmdClose", "default", true);
}

void TestShowError::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    TfrmShowError dlg(fx->main);
    fx->run(dlg, [&](QDialog *d) {
        QWidget *w = name.isEmpty() ? d : d->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->property(property.toLatin1().constData()), value);
    });
}

QTEST_MAIN(TestShowError)
#include "tst_showerror.moc"
