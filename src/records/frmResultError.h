#pragma once
// The wrong-answer dialog: the answer given, the right answer and the
// comment, the button that accepts the given answer as correct after all,
// the reference book, the question file editor and the importance buttons.
#include "drill/AnswerDiff.h"
#include "records/frmResultCommon.h"

#include <QTextCharFormat>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

class TfrmResultError : public TResultDialogBase
{
    Q_OBJECT
public:
    explicit TfrmResultError(TfrmMain *main, QWidget *parent = nullptr);

    QFrame *pnlTitle = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblData = nullptr;
    QLabel *lblKaitou = nullptr;
    QTextEdit *moKaitou = nullptr;
    QLabel *lblAnswer = nullptr;
    QTextEdit *moAnswer = nullptr;
    QLabel *lblComment = nullptr;
    QTextEdit *moComment = nullptr;
    QLabel *pnlToAtari = nullptr;
    QLabel *lblToAtari = nullptr;
    QPushButton *cmdToAtari = nullptr;
    QPushButton *cmdOpenReference = nullptr;
    QPushButton *cmdEditQuestionFile = nullptr;
    QPushButton *cmdClose = nullptr;

public slots:
    // Accepts the typed answer: appends it to the answers file (a file that
    // cannot be opened is reported, the answer counts all the same), sets
    // AcceptedAsCorrect and disables the button. The dialog stays open.
    void cmdToAtariClick();
    void cmdOpenReferenceClick();
    void cmdEditQuestionFileClick();

protected:
    void showEvent(QShowEvent *event) override;
};

// The marks of what differs between the learner's answer and the right one:
// dark red bold text on light yellow, underlined (a wave under the learner's
// extra or wrong words, a line under the right answer's missed ones), so
// they show without colour too and in a dark theme. The text is unchanged.
QColor DifferenceTextColor();
QColor DifferenceBackColor();
void MarkDifferences(QTextEdit *memo, const QVector<TextSpan> &spans,
                     QTextCharFormat::UnderlineStyle underline);

// Appends QuestionText "=" InputAnswer of the current question to the answers
// file; on failure shows the message naming the file. True when written.
bool AcceptAnswer(QWidget *parent, TfrmMain *main);
