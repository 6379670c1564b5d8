// The main window's reference and dictionary commands, reached through its
// buttons, toolbar buttons and menu items, before and during a drill, and the
// reference-book choice of the file toolbar.
#include "drill_support.h"

#include "reference/frmShowReference.h"

#include <QtTest>

using namespace drilltest;

namespace {

// One question, so that the drill is the same every time.
QStringList oneQuestion()
{
    return {QStringLiteral("#have"), QStringLiteral("I have a pen."),
            QStringLiteral("私はペンを持っています。"), QStringLiteral("have の基本"),
            QStringLiteral("have,pen"), QString()};
}

QStringList book()
{
    return {QStringLiteral("#have"), QStringLiteral("2"), QStringLiteral("have は「持っている」。"),
            QStringLiteral("三人称単数では has。"), QString(),
            QStringLiteral("#キーワードの例"), QStringLiteral("1"), QStringLiteral("例です。"),
            QString()};
}

const QString kHave = QStringLiteral("have は「持っている」。\n三人称単数では has。");

struct Viewer
{
    int opened = 0;
    QString title, text;
};

// Records what each reference viewer showed and closes it.
void watchViewer(TestEnv &env, Viewer &seen)
{
    env.platform.dialogHandler = [&seen](QDialog *d) {
        if (auto *v = qobject_cast<TfrmShowReference *>(d)) {
            ++seen.opened;
            seen.title = v->pnlTitle->text();
            seen.text = v->moReference->toPlainText();
            v->cmdClose->click();
        }
    };
}

TfrmMain *start(TestEnv &env)
{
    TfrmMain *w = startMain(env, {}, oneQuestion());
    env.writeLines(QStringLiteral("reference/Reference.txt"), book());
    env.writeLines(QStringLiteral("dictionary/Dictionary.txt"),
                   {QStringLiteral("a=ひとつの*冠詞"), QStringLiteral("have=持っている*動詞"),
                    QStringLiteral("pen=ペン*名詞")});
    return w;
}

void press(TestEnv &env, const QString &name)
{
    if (QAbstractButton *b = env.find<QAbstractButton>(name))
        b->click();
    else if (QAction *a = env.find<QAction>(name))
        a->trigger();
    else
        QFAIL(qPrintable(QStringLiteral("no control ") + name));
}

} // namespace

class TestMainReference : public QObject
{
    Q_OBJECT

private slots:
    void referenceOutsideDrill_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("column button") << QStringLiteral("cmdOpenReference");
        QTest::newRow("toolbar button") << QStringLiteral("cmdOpenReference_1");
        QTest::newRow("menu item") << QStringLiteral("cmdOpenReference_2");
        QTest::newRow("pop-up item") << QStringLiteral("cmdOpenReference_3");
    }

    void referenceOutsideDrill()
    {
        QFETCH(QString, control);
        TestEnv env;
        start(env);
        Viewer seen;
        watchViewer(env, seen);

        env.platform.inputAnswers.enqueue(QStringLiteral("hav"));
        press(env, control);
        const QList<PlatformCall> inputs = env.platform.callsOf(QStringLiteral("input"));
        QCOMPARE(inputs.size(), 1);
        QCOMPARE(inputs.first().caption, QStringLiteral("参考書内の検索"));
        QCOMPARE(inputs.first().text, QStringLiteral("調べたいことを記入してください"));
        QCOMPARE(seen.opened, 1);
        QCOMPARE(seen.title, QStringLiteral("havについて"));
        QCOMPARE(seen.text, kHave);

        // Cancelled: no viewer.
        press(env, control);
        QCOMPARE(seen.opened, 1);
    }

    void referenceDuringDrill()
    {
        TestEnv env;
        TfrmMain *w = start(env);
        startDrill(env, 1, 0);
        QVERIFY(w->drill.Running);
        QCOMPARE(w->drill.CurrentKeyword, QStringLiteral("#have"));
        Viewer seen;
        watchViewer(env, seen);
        env.platform.clear();
        env.platform.inputAnswers.enqueue(QStringLiteral("never asked"));

        press(env, QStringLiteral("cmdOpenReference"));
        QVERIFY(env.platform.callsOf(QStringLiteral("input")).isEmpty());
        QCOMPARE(seen.opened, 1);
        QCOMPARE(seen.title, QStringLiteral("haveについて"));
        QCOMPARE(seen.text, kHave);
    }

    void dictionaryWhileRearranging()
    {
        TestEnv env;
        TfrmMain *w = start(env);
        startDrill(env, 1, 1);
        QCOMPARE(w->lstAnswer->count(), 4);
        env.platform.clear();

        w->lstAnswer->clearSelection();
        press(env, QStringLiteral("cmdOpenDictionary"));
        QCOMPARE(env.platform.messages(),
                 QStringList{QStringLiteral("単語が選択されていません。")});
        QVERIFY(env.platform.callsOf(QStringLiteral("input")).isEmpty());

        // The last word keeps its full stop in the list; it is looked up without.
        const QList<QListWidgetItem *> pen =
            w->lstAnswer->findItems(QStringLiteral("pen."), Qt::MatchExactly);
        QCOMPARE(pen.size(), 1);
        w->lstAnswer->setCurrentItem(pen.first());
        env.platform.clear();
        press(env, QStringLiteral("cmdOpenDictionary_1"));
        QCOMPARE(env.platform.messages(),
                 QStringList{QStringLiteral("以下の単語が見つかりました\n\n英　 語： pen\n"
                                            "日本語： ペン\n\nコメント： 名詞")});
    }

    void dictionaryTyped_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("word with full stop") << QStringLiteral("cmdOpenDictionary_2")
            << QStringLiteral("have.")
            << QStringLiteral("以下の単語が見つかりました\n\n英　 語： have\n日本語： 持っている"
                              "\n\nコメント： 動詞");
        QTest::newRow("full stop alone") << QStringLiteral("cmdOpenDictionary_3")
            << QStringLiteral(".") << QStringLiteral("見つけることができませんでした");
    }

    void dictionaryTyped()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TestEnv env;
        start(env);
        env.platform.inputAnswers.enqueue(typed);
        press(env, control);
        const QList<PlatformCall> inputs = env.platform.callsOf(QStringLiteral("input"));
        QCOMPARE(inputs.size(), 1);
        QCOMPARE(inputs.first().caption, QStringLiteral("単語を調べる"));
        QCOMPARE(env.platform.messages(), QStringList{message});
    }

    void chooseReferenceBook()
    {
        TestEnv env;
        TfrmMain *w = start(env);
        QVERIFY(env.writeLines(QStringLiteral("books/Grammar.txt"),
                               {QStringLiteral("#have"), QStringLiteral("1"),
                                QStringLiteral("別の参考書の解説")}));
        const QString grammar = env.path(QStringLiteral("books/Grammar.txt"));
        auto *combo = env.find<QComboBox>(QStringLiteral("cboReferenceFile"));
        QVERIFY(combo);

        env.platform.fileAnswers.enqueue(grammar);
        press(env, QStringLiteral("cmdSelectReferenceFile"));
        const QList<PlatformCall> opens = env.platform.callsOf(QStringLiteral("open"));
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens.first().text, QStringLiteral("参考書ファイル (*.txt)|*.txt"));
        QCOMPARE(combo->currentText(), QStringLiteral("Grammar.txt"));
        QCOMPARE(w->settings.ReferenceFilePath, grammar);
        QCOMPARE(env.readSetup(QStringLiteral("Reference Path"), QStringLiteral("Grammar.txt")),
                 grammar);

        Viewer seen;
        watchViewer(env, seen);
        env.platform.inputAnswers.enqueue(QStringLiteral("have"));
        press(env, QStringLiteral("cmdOpenReference"));
        QCOMPARE(seen.text, QStringLiteral("別の参考書の解説"));

        // Typing a known name switches back; the editor opens that book.
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Reference.txt"));
        QCOMPARE(w->settings.ReferenceFilePath, env.path(QStringLiteral("reference/Reference.txt")));
        env.platform.clear();
        press(env, QStringLiteral("cmdROpenByMemo"));
        const QList<PlatformCall> shells = env.platform.callsOf(QStringLiteral("shell"));
        QCOMPARE(shells.size(), 1);
        QCOMPARE(shells.first().text, env.path(QStringLiteral("reference/Reference.txt")));

        // An unknown name leaves no reference book.
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
        QCOMPARE(w->settings.ReferenceFilePath, QString());
    }
};

QTEST_MAIN(TestMainReference)
#include "tst_mainreference.moc"
