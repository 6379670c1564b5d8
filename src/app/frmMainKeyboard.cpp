// Everything of the main window can be reached without a mouse and is named
// for screen readers: menu items for the commands that only a toolbar
// offers, Enter and Space on the word list, and the controls' names.
#include "app/frmMain.h"

#include "widgets/Accessibility.h"
#include "widgets/UpDown.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolButton>

namespace {

// Takes the word list's current word on Enter or Space, as a double-click
// does, and keeps the next word current for the next key.
class WordListKeys : public QObject
{
public:
    WordListKeys(TfrmMain *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        QListWidget *list = m_window->lstAnswer;
        const int row = list->currentRow();
        if (watched != list || row < 0)
            return false;
        m_window->lstAnswerDblClick();
        if (list->count() > 0)
            list->setCurrentRow(qMin(row, list->count() - 1));
        return true;
    }

private:
    TfrmMain *m_window;
};

} // namespace

void TfrmMain::CreateKeyboardAccess()
{
    // A menu twin runs its toolbar button's command while that button is
    // enabled, and shows the button's state when its menu opens.
    QList<QPair<QAction *, QAbstractButton *>> twins;
    auto twin = [&](QMenu *menu, QAction *before, const QString &text, const char *name, QAbstractButton *button) {
        auto *a = new QAction(button->icon(), text, menu);
        a->setObjectName(QString::fromLatin1(name));
        menu->insertAction(before, a);
        connect(a, &QAction::triggered, button, [button] {
            if (button->isEnabled())
                button->click();
        });
        twins.append({a, button});
        return a;
    };

    QAction *first = mnuFile->actions().value(0);
    cmdSelectQuestionFile_2 = twin(mnuFile, first, QStringLiteral("問題集の選択 (&O)"), "cmdSelectQuestionFile_2",
                                   cmdSelectQuestionFile);
    cmdQOpenByMemo_2 = twin(mnuFile, first, QStringLiteral("問題集をメモ帳で開く (&M)"), "cmdQOpenByMemo_2",
                            cmdQOpenByMemo);
    cmdSelectReferenceFile_2 = twin(mnuFile, first, QStringLiteral("参考書の選択 (&L)"), "cmdSelectReferenceFile_2",
                                    cmdSelectReferenceFile);
    cmdROpenByMemo_2 = twin(mnuFile, first, QStringLiteral("参考書をメモ帳で開く (&T)"), "cmdROpenByMemo_2",
                            cmdROpenByMemo);
    mnuFile->insertSeparator(first);
    cmdNewText_2 = twin(mnuFile, cmdExit, QStringLiteral("テキストファイルの新規作成 (&N)"), "cmdNewText_2", cmdNewText);
    mnuFile->insertSeparator(cmdExit);

    // 学習: the drill commands of the window's pop-up menu, and the quick start.
    mnuDrill = new QMenu(QStringLiteral("学習 (&L)"), menuBar());
    mnuDrill->setObjectName(QStringLiteral("mnuDrill"));
    menuBar()->insertMenu(mnuSetup->menuAction(), mnuDrill);
    for (QAction *a : pmMain->actions()) {
        if (a == cmdOpenReference_3)
            break;
        mnuDrill->addAction(a);
    }
    cmdOk_2 = twin(mnuDrill, nullptr, QStringLiteral("出題設定ツールバーの設定で始める (&Q)"), "cmdOk_2", cmdOk);
    for (QMenu *menu : {mnuFile, mnuDrill})
        connect(menu, &QMenu::aboutToShow, this, [twins] {
            for (const auto &t : twins)
                t.first->setEnabled(t.second->isEnabled());
        });

    lstAnswer->installEventFilter(new WordListKeys(this));

    // Names for screen readers where no label or text says what a control is.
    const QPair<QWidget *, const char *> names[] = {
        {moQuestion, "問題"},
        {moHole, "穴埋めの英文"},
        {txtAnswer, "解答"},
        {lstAnswer, "並べ替えの単語"},
        {moComment, "コメント"},
        {cboQuestionFile, "問題集"},
        {cboReferenceFile, "参考書"},
        {cboQuestionType, "出題形式"},
        {cboAnswerType, "解答形式"},
        {txtQuestionNum, "出題数"},
        {cmdOk, "出題の開始"},
    };
    for (const auto &n : names)
        n.first->setAccessibleName(QString::fromUtf8(n.second));
    udQuestionNum->upButton()->setAccessibleName(QStringLiteral("出題数を増やす"));
    udQuestionNum->downButton()->setAccessibleName(QStringLiteral("出題数を減らす"));
    NameControlsWhenShown(this);
}
