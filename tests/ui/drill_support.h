#pragma once
// Helpers of the drill window tests: a user with a small collection, starting
// a drill through the real set-up dialog, answering through the answer box.
#include "TestEnv.h"

#include "app/frmMain.h"
#include "drill/frmQuestionSetup.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <functional>

namespace drilltest {

// Four questions; keyword lines 0, 6, 12 and 18. The third has a comma
// word, the fourth no fill-in words.
inline QStringList smallCollection()
{
    return {
        QStringLiteral("#have"), QStringLiteral("I have a pen."),
        QStringLiteral("私はペンを持っています。"), QStringLiteral("have の基本"),
        QStringLiteral("have,pen"), QString(),
        QStringLiteral("#キーワードなし"), QStringLiteral("She is very kind."),
        QStringLiteral("彼女はとても親切です。"), QStringLiteral("形容詞"),
        QStringLiteral("kind"), QString(),
        QStringLiteral("#and"), QStringLiteral("We sing, and they dance."),
        QStringLiteral("私たちは歌い、彼らは踊る。"), QStringLiteral("カンマの後の and"),
        QStringLiteral("sing,dance"), QString(),
        QStringLiteral("#where"), QStringLiteral("Where do you live?"),
        QStringLiteral("どこに住んでいますか。"), QStringLiteral("疑問詞"),
        QString(), QString(),
    };
}

// A user "taro" with the small collection as the default collection and the
// bundled reference book; `setup` keys are written to [Setup] before start-up.
inline TfrmMain *startMain(TestEnv &env, const QList<QPair<QString, QString>> &setup = {},
                           const QStringList &collection = smallCollection())
{
    env.presetUser();
    env.copySampleData();
    env.writeLines(QStringLiteral("dictionary/Question.txt"), collection);
    for (const auto &kv : setup)
        env.writeSetup(QStringLiteral("Setup"), kv.first, kv.second);
    TfrmMain *w = env.showMain();
    env.platform.clear();
    return w;
}

inline TfrmQuestionSetup *asSetup(QDialog *d)
{
    return qobject_cast<TfrmQuestionSetup *>(d);
}

// Opens the set-up dialog with Start, lets `configure` set it up and presses
// OK; the dialog closes when the drill starts (a refused OK leaves it open,
// and the platform then rejects it).
inline void startDrill(TestEnv &env, int count, int answerType = 0, int questionType = 0,
                       const std::function<void(TfrmQuestionSetup *)> &configure = {})
{
    env.platform.dialogHandlers.enqueue([=](QDialog *d) {
        TfrmQuestionSetup *dlg = asSetup(d);
        QVERIFY(dlg);
        dlg->rbQuestionType[questionType]->click();
        if (questionType == 0)
            dlg->rbAnswerType[answerType]->click();
        dlg->txtQuestionNum->setText(QString::number(count));
        if (configure)
            configure(dlg);
        dlg->cmdOk->click();
    });
    env.find<QPushButton>(QStringLiteral("cmdStart"))->click();
}

// Opens the set-up dialog with Start and runs `body` inside it; the platform
// closes the dialog afterwards unless `body` started a drill.
inline void openSetup(TestEnv &env, const std::function<void(TfrmQuestionSetup *)> &body)
{
    bool ran = false;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        ran = true;
        QVERIFY(asSetup(d));
        body(asSetup(d));
    });
    env.find<QPushButton>(QStringLiteral("cmdStart"))->click();
    QVERIFY(ran);
}

// The expected answer of the question on display, in the form the mode takes.
inline QString rightAnswer(const TfrmMain *w)
{
    return w->settings.AnswerType == 2 ? w->drill.HoleWord : w->drill.AnswerText;
}

// Types into the answer box and presses Result.
inline void answer(TestEnv &env, const QString &text)
{
    env.main()->txtAnswer->setText(text);
    env.find<QPushButton>(QStringLiteral("cmdResult"))->click();
}

// Double-clicks entry `row` of the word list.
inline void doubleClickWord(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    const QPoint p = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

// Takes the words of `sentence` from the word list in order.
inline void takeWords(TfrmMain *w, const QString &sentence)
{
    for (const QString &word : sentence.split(QLatin1Char(' '))) {
        bool found = false;
        for (int i = 0; i < w->lstAnswer->count(); ++i) {
            if (w->lstAnswer->item(i)->text() == word) {
                doubleClickWord(w->lstAnswer, i);
                found = true;
                break;
            }
        }
        QVERIFY2(found, qPrintable(word));
    }
}

inline QString userFile(const TestEnv &env, const QString &name)
{
    return env.userFolder() + name;
}

inline QString iniValue(const TestEnv &env, const QString &file, const QString &section,
                        const QString &key)
{
    return IniFile(userFile(env, file)).readString(section, key, QStringLiteral("<none>"));
}

inline QStringList fileLines(const QString &path)
{
    QStringList lines;
    TextFile::readLines(path, lines);
    return lines;
}

// The dialogs the platform ran, by objectName.
inline QStringList dialogsShown(const ScriptedPlatform &p)
{
    QStringList out;
    for (const PlatformCall &c : p.callsOf(QStringLiteral("dialog")))
        out.append(c.caption);
    return out;
}

} // namespace drilltest
