// The reference maker and the question maker, opened from the main window:
// what they offer, what they append, what they refuse, and the file choice.
#include "TestEnv.h"

#include "authoring/frmMakeQuestion.h"
#include "platform/TextFile.h"
#include "reference/frmMakeReference.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += TextFile::encode(l) + "\r\n";
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QStringList kBook{QStringLiteral("#現在完了"), QStringLiteral("1"), QStringLiteral("have + 過去分詞"),
                        QString(), QStringLiteral("#受動態"), QStringLiteral("1"),
                        QStringLiteral("be + 過去分詞"), QString(), QStringLiteral("#現在完了"),
                        QStringLiteral("0"), QString()};
const QStringList kCollection{QStringLiteral("#受動態"), QStringLiteral("It was made in Japan."),
                              QStringLiteral("それは日本で作られた。"), QStringLiteral("受け身"),
                              QStringLiteral("made"), QString()};

// A user whose current collection and reference are the ones in the program
// folder, with two entries in each recent list (the second one the current
// file) and a path section naming both.
TfrmMain *start(TestEnv &env)
{
    env.presetUser();
    env.writeLines(QStringLiteral("reference/Reference.txt"), kBook);
    env.writeLines(QStringLiteral("reference/Other.txt"), {});
    env.writeLines(QStringLiteral("dictionary/Question.txt"), kCollection);
    env.writeLines(QStringLiteral("dictionary/Other.txt"), {});
    const QString ref = QStringLiteral("Reference");
    env.writeSetup(ref, QStringLiteral("RefCount"), QStringLiteral("2"));
    env.writeSetup(ref, QStringLiteral("1"), QStringLiteral("Other.txt"));
    env.writeSetup(ref, QStringLiteral("2"), QStringLiteral("Reference.txt"));
    env.writeSetup(QStringLiteral("Reference Path"), QStringLiteral("Other.txt"),
                   env.path(QStringLiteral("reference/Other.txt")));
    env.writeSetup(QStringLiteral("Reference Path"), QStringLiteral("Reference.txt"),
                   env.path(QStringLiteral("reference/Reference.txt")));
    const QString q = QStringLiteral("Question");
    env.writeSetup(q, QStringLiteral("DicCount"), QStringLiteral("2"));
    env.writeSetup(q, QStringLiteral("1"), QStringLiteral("Other.txt"));
    env.writeSetup(q, QStringLiteral("2"), QStringLiteral("Question.txt"));
    env.writeSetup(QStringLiteral("Question Path"), QStringLiteral("Other.txt"),
                   env.path(QStringLiteral("dictionary/Other.txt")));
    env.writeSetup(QStringLiteral("Question Path"), QStringLiteral("Question.txt"),
                   env.path(QStringLiteral("dictionary/Question.txt")));
    TfrmMain *w = env.showMain();
    env.platform.clear();
    return w;
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Opens a maker through the main window's toolbar button, runs `act` inside
// it and closes it with its own button. Returns false when it never opened.
template <typename Dialog>
bool runMaker(TestEnv &env, const QString &button, const std::function<void(Dialog *)> &act)
{
    bool opened = false;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *dlg = qobject_cast<Dialog *>(d);
        if (!dlg)
            return;
        opened = true;
        act(dlg);
        dlg->cmdClose->click();
    });
    env.find<QAbstractButton>(button)->click();
    return opened;
}

bool runReferenceMaker(TestEnv &env, const std::function<void(TfrmMakeReference *)> &act)
{
    return runMaker<TfrmMakeReference>(env, QStringLiteral("cmdMakeReference_1"), act);
}
bool runQuestionMaker(TestEnv &env, const std::function<void(TfrmMakeQuestion *)> &act)
{
    return runMaker<TfrmMakeQuestion>(env, QStringLiteral("cmdMakeQuestion_1"), act);
}

} // namespace

class TestMakerWindows : public QObject
{
    Q_OBJECT

private slots:
    // --- reference maker -------------------------------------------------------
    void referenceMakerAppends()
    {
        TestEnv env;
        start(env);
        const QString book = env.path(QStringLiteral("reference/Reference.txt"));
        const bool opened = runReferenceMaker(env, [&](TfrmMakeReference *m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("参考書の作成"));
            QCOMPARE(items(m->cboReferenceFile), (QStringList{QStringLiteral("Other.txt"),
                                                              QStringLiteral("Reference.txt")}));
            QCOMPARE(m->cboReferenceFile->currentText(), QStringLiteral("Reference.txt"));
            QCOMPARE(m->target(), book);
            QCOMPARE(m->cmdAdd->isDefault(), true);

            m->txtKeyword->setText(QStringLiteral("不定詞"));
            m->moReference->setPlainText(QStringLiteral("to + 動詞の原形\n\n名詞的用法"));
            m->cmdAdd->click();
            QVERIFY(env.platform.messages().isEmpty());
            QCOMPARE(m->txtKeyword->text(), QString());
            QCOMPARE(m->moReference->toPlainText(), QString());
            QCOMPARE(m->target(), book);

            // A second entry under the same keyword is appended all the same.
            m->txtKeyword->setText(QStringLiteral("不定詞"));
            m->moReference->setPlainText(QStringLiteral("二つ目"));
            m->cmdAdd->click();
        });
        QVERIFY(opened);
        QCOMPARE(fileBytes(book), crlf(kBook) + crlf({QStringLiteral("#不定詞"), QStringLiteral("3"),
                                                      QStringLiteral("to + 動詞の原形"), QString(),
                                                      QStringLiteral("名詞的用法"), QString(),
                                                      QStringLiteral("#不定詞"), QStringLiteral("1"),
                                                      QStringLiteral("二つ目"), QString()}));
    }

    // A long line is written as the box shows it: one line per wrapped row.
    void referenceMakerWritesWrappedRows()
    {
        TestEnv env;
        start(env);
        const QString book = env.path(QStringLiteral("reference/Other.txt"));
        QString typed;
        for (int i = 0; i < 12; ++i)
            typed += QStringLiteral("現在完了形は過去と今をつなぐ形です。");
        QStringList rows;
        runReferenceMaker(env, [&](TfrmMakeReference *m) {
            m->cboReferenceFile->setCurrentText(QStringLiteral("Other.txt"));
            QCOMPARE(m->target(), book);
            m->txtKeyword->setText(QStringLiteral("長い解説"));
            m->moReference->setPlainText(typed + QStringLiteral("\n次の行"));
            rows = DisplayedLines(m->moReference);
            m->cmdAdd->click();
        });
        QVERIFY2(rows.size() > 3, "the long line should wrap in the box");
        QCOMPARE(rows.mid(0, rows.size() - 1).join(QString()), typed);
        QCOMPARE(rows.last(), QStringLiteral("次の行"));
        QStringList expected{QStringLiteral("#長い解説"), QString::number(rows.size())};
        expected << rows << QString();
        QCOMPARE(fileBytes(book), crlf(expected));
    }

    void referenceMakerRefuses_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("message");
        QTest::addRow("name not in the path section")
            << QStringLiteral("Unknown.txt") << QStringLiteral("k") << QStringLiteral("x")
            << QStringLiteral("追加先の参考書が指定されていません。");
        QTest::addRow("no keyword") << QStringLiteral("Reference.txt") << QString()
                                    << QStringLiteral("x") << QStringLiteral("キーワードが記入されていません。");
        QTest::addRow("first explanation line empty")
            << QStringLiteral("Reference.txt") << QStringLiteral("k") << QStringLiteral("\n後の行")
            << QStringLiteral("解説が記入されていません。");
    }
    void referenceMakerRefuses()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, keyword);
        QFETCH(QString, explanation);
        QFETCH(QString, message);
        TestEnv env;
        start(env);
        runReferenceMaker(env, [&](TfrmMakeReference *m) {
            m->cboReferenceFile->setCurrentText(fileText);
            m->txtKeyword->setText(keyword);
            m->moReference->setPlainText(explanation);
            m->cmdAdd->click();
            // What was typed stays for the learner to correct.
            QCOMPARE(m->txtKeyword->text(), keyword);
            QCOMPARE(m->moReference->toPlainText(), explanation);
        });
        QCOMPARE(env.platform.messages(), QStringList{message});
        QCOMPARE(env.platform.callsOf(QStringLiteral("message")).first().caption, QStringLiteral("エラー"));
        QCOMPARE(fileBytes(env.path(QStringLiteral("reference/Reference.txt"))), crlf(kBook));
    }

    // "参照 (&S)" names the file in the path section only; the numbered list
    // stays. A new book is created by the first entry.
    void referenceMakerChoosesFile()
    {
        TestEnv env;
        start(env);
        const QString chosen = env.path(QStringLiteral("mine/新しい参考書.txt"));
        QVERIFY(QDir().mkpath(env.path(QStringLiteral("mine"))));
        env.platform.fileAnswers.enqueue(chosen);
        runReferenceMaker(env, [&](TfrmMakeReference *m) {
            m->cmdSelectReferenceFile->click();
            QCOMPARE(m->cboReferenceFile->currentText(), QStringLiteral("新しい参考書.txt"));
            QCOMPARE(m->target(), chosen);
            m->txtKeyword->setText(QStringLiteral("最初"));
            m->moReference->setPlainText(QStringLiteral("一行"));
            m->cmdAdd->click();
        });
        const PlatformCall open = env.platform.callsOf(QStringLiteral("open")).value(0);
        QCOMPARE(open.text, QStringLiteral("参考書ファイル (*.txt)|*.txt"));
        QCOMPARE(env.readSetup(QStringLiteral("Reference Path"), QStringLiteral("新しい参考書.txt")), chosen);
        QCOMPARE(env.readSetup(QStringLiteral("Reference"), QStringLiteral("RefCount")), QStringLiteral("2"));
        QCOMPARE(fileBytes(chosen), crlf({QStringLiteral("#最初"), QStringLiteral("1"),
                                          QStringLiteral("一行"), QString()}));
        // The main window's own reference is not changed by the maker.
        QCOMPARE(env.main()->settings.ReferenceFilePath, env.path(QStringLiteral("reference/Reference.txt")));
    }

    // --- question maker --------------------------------------------------------
    void questionMakerAppends()
    {
        TestEnv env;
        start(env);
        const QString collection = env.path(QStringLiteral("dictionary/Question.txt"));
        const bool opened = runQuestionMaker(env, [&](TfrmMakeQuestion *m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("問題集の作成"));
            QCOMPARE(items(m->cboQuestionFile), (QStringList{QStringLiteral("Other.txt"),
                                                             QStringLiteral("Question.txt")}));
            QCOMPARE(m->cboQuestionFile->currentText(), QStringLiteral("Question.txt"));
            QCOMPARE(m->target(), collection);
            // The reference book's keyword list, duplicates kept, none chosen.
            QCOMPARE(items(m->cboKeyword), (QStringList{QStringLiteral("現在完了"), QStringLiteral("受動態"),
                                                        QStringLiteral("現在完了")}));
            QCOMPARE(m->cboKeyword->currentText(), QString());

            m->cboKeyword->setCurrentIndex(1);
            m->txtEnglish->setText(QStringLiteral("This book was written by him."));
            m->txtJapanese->setText(QStringLiteral("この本は彼によって書かれた。"));
            m->txtHole->setText(QStringLiteral("was,written"));
            m->moComment->setPlainText(QStringLiteral("受け身の過去。\nby の後は目的格。"));
            m->cmdAdd->click();
            QVERIFY(env.platform.messages().isEmpty());
            for (QLineEdit *box : {m->txtEnglish, m->txtJapanese, m->txtHole})
                QCOMPARE(box->text(), QString());
            QCOMPARE(m->cboKeyword->currentText(), QString());
            QCOMPARE(m->moComment->toPlainText(), QString());

            // Nothing but the two sentences: no keyword, no comment.
            m->txtEnglish->setText(QStringLiteral("Good night."));
            m->txtJapanese->setText(QStringLiteral("おやすみ。"));
            m->cmdAdd->click();
        });
        QVERIFY(opened);
        QCOMPARE(fileBytes(collection),
                 crlf(kCollection)
                     + crlf({QStringLiteral("#受動態"), QStringLiteral("This book was written by him."),
                             QStringLiteral("この本は彼によって書かれた。"),
                             QStringLiteral("受け身の過去。by の後は目的格。"), QStringLiteral("was,written"),
                             QString(), QStringLiteral("#キーワードなし"), QStringLiteral("Good night."),
                             QStringLiteral("おやすみ。"), QStringLiteral("コメントはありません"), QString(),
                             QString()}));
    }

    void questionMakerRefuses_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::addRow("English empty") << QString() << QStringLiteral("日") << QString()
                                       << QStringLiteral("英文が記入されていません。") << QStringLiteral("txtEnglish");
        QTest::addRow("Japanese empty") << QStringLiteral("E.") << QString() << QString()
                                        << QStringLiteral("日本語訳が記入されていません。")
                                        << QStringLiteral("txtJapanese");
        QTest::addRow("# in the comment")
            << QStringLiteral("E.") << QStringLiteral("日") << QStringLiteral("注意\n#1 を見よ")
            << QStringLiteral("コメントに「#」は使えません。\n「#」を含む行は問題の始まりとして読まれてしまいます。")
            << QStringLiteral("moComment");
    }
    void questionMakerRefuses()
    {
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QFETCH(QString, comment);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        TestEnv env;
        start(env);
        QString focus;
        runQuestionMaker(env, [&](TfrmMakeQuestion *m) {
            m->activateWindow();
            m->txtEnglish->setText(english);
            m->txtJapanese->setText(japanese);
            m->moComment->setPlainText(comment);
            m->cmdAdd->click();
            focus = m->focusWidget() ? m->focusWidget()->objectName() : QString();
            QCOMPARE(m->txtEnglish->text(), english);
            QCOMPARE(m->moComment->toPlainText(), comment);
        });
        QCOMPARE(env.platform.messages(), QStringList{message});
        QCOMPARE(focus, focused);
        QCOMPARE(fileBytes(env.path(QStringLiteral("dictionary/Question.txt"))), crlf(kCollection));
    }

    // The input method follows the check boxes: on for the keyword and the
    // Japanese box, off for the English box, and switched by a click.
    void questionMakerInputMethod()
    {
        TestEnv env;
        start(env);
        QList<PlatformCall> atShow, afterClicks;
        runQuestionMaker(env, [&](TfrmMakeQuestion *m) {
            QCOMPARE(m->chkKJapaneseOn->text(), QStringLiteral("日本語入力を\"オン\"にする"));
            atShow = env.platform.callsOf(QStringLiteral("ime"));
            env.platform.clear();
            m->chkEJapaneseOn->click();
            m->chkKJapaneseOn->click();
            afterClicks = env.platform.callsOf(QStringLiteral("ime"));
        });
        const auto summary = [](const QList<PlatformCall> &calls) {
            QStringList out;
            for (const PlatformCall &c : calls)
                out << c.caption + QLatin1Char('=') + QString::number(c.detail);
            return out;
        };
        QCOMPARE(summary(atShow), (QStringList{QStringLiteral("cboKeyword=1"), QStringLiteral("txtEnglish=0"),
                                               QStringLiteral("txtJapanese=1")}));
        QCOMPARE(summary(afterClicks), (QStringList{QStringLiteral("txtEnglish=1"), QStringLiteral("cboKeyword=0")}));
    }

    // A reference book that cannot be read is reported; the maker opens with
    // no keywords and no target, and a file chosen by "参照 (&S)" is created
    // by the first question.
    void questionMakerWithoutReference()
    {
        TestEnv env;
        start(env);
        QFile::remove(env.path(QStringLiteral("reference/Reference.txt")));
        const QString chosen = env.path(QStringLiteral("dictionary/新しい問題集.txt"));
        env.platform.fileAnswers.enqueue(chosen);
        QStringList messagesAtShow;
        runQuestionMaker(env, [&](TfrmMakeQuestion *m) {
            messagesAtShow = env.platform.messages();
            QCOMPARE(m->cboKeyword->count(), 0);
            QCOMPARE(m->target(), QString());
            QCOMPARE(m->cboQuestionFile->currentText(), QString());
            m->txtEnglish->setText(QStringLiteral("Yes."));
            m->txtJapanese->setText(QStringLiteral("はい。"));
            m->cmdAdd->click();
            QCOMPARE(env.platform.messages().value(1), QStringLiteral("追加先の問題集が指定されていません。"));
            m->cmdSelectQuestionFile->click();
            QCOMPARE(m->cboQuestionFile->currentText(), QStringLiteral("新しい問題集.txt"));
            m->cmdAdd->click();
        });
        QCOMPARE(messagesAtShow.size(), 1);
        QVERIFY2(messagesAtShow.first().contains(QStringLiteral("Reference.txt")), qPrintable(messagesAtShow.first()));
        QCOMPARE(env.platform.callsOf(QStringLiteral("open")).value(0).text,
                 QStringLiteral("問題集ファイル (*.txt)|*.txt"));
        QCOMPARE(env.readSetup(QStringLiteral("Question Path"), QStringLiteral("新しい問題集.txt")), chosen);
        QCOMPARE(env.readSetup(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("2"));
        QCOMPARE(fileBytes(chosen), crlf({QStringLiteral("#キーワードなし"), QStringLiteral("Yes."),
                                          QStringLiteral("はい。"), QStringLiteral("コメントはありません"),
                                          QString(), QString()}));
    }

    // "&NEW" and "編集 (&E)" open the new text file dialog and the question
    // file editor on top of the maker.
    void makerButtonsOpenTheOtherTools()
    {
        TestEnv env;
        start(env);
        QStringList opened;
        const auto watch = [&](QDialog *d) {
            opened << d->objectName() + QLatin1Char('/')
                    + (d->parentWidget() ? d->parentWidget()->objectName() : QString());
        };
        runQuestionMaker(env, [&](TfrmMakeQuestion *m) {
            QCOMPARE(m->cmdNewText->toolTip(),
                     QStringLiteral("問題集を新規作成する場合は、ここを押してテキストファイルを作成してください"));
            env.platform.dialogHandler = watch;
            m->cmdNewText->click();
            m->Button1->click();
            env.platform.dialogHandler = nullptr;
        });
        runReferenceMaker(env, [&](TfrmMakeReference *m) {
            QCOMPARE(m->cmdNewText->toolTip(),
                     QStringLiteral("参考書を新規作成する場合は、ここを押してテキストファイルを作成してください"));
            env.platform.dialogHandler = watch;
            m->cmdNewText->click();
            env.platform.dialogHandler = nullptr;
        });
        QCOMPARE(opened, (QStringList{QStringLiteral("frmNewText/frmMakeQuestion"),
                                      QStringLiteral("frmEditQuestionFile/frmMakeQuestion"),
                                      QStringLiteral("frmNewText/frmMakeReference")}));
    }
};

QTEST_MAIN(TestMakerWindows)
#include "tst_makerwindows.moc"
