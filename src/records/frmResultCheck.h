#pragma once
// The self-scoring dialog: the question, the answer given, the right answer,
// the comment and the reference entry side by side, and the learner's own
// verdict. Closing it without a verdict counts as wrong.
#include "records/frmResultCommon.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

class TfrmResultCheck : public TResultDialogBase
{
    Q_OBJECT
public:
    explicit TfrmResultCheck(TfrmMain *main, QWidget *parent = nullptr);

    QLabel *Panel1 = nullptr;
    QLabel *lblQuestion = nullptr;
    QTextEdit *moQuestion = nullptr;
    QLabel *lblKaitou = nullptr;
    QTextEdit *moKaitou = nullptr;
    QLabel *lblAnswer = nullptr;
    QTextEdit *moAnswer = nullptr;
    QLabel *lblComment = nullptr;
    QTextEdit *moComment = nullptr;
    QLabel *lblReference = nullptr;
    QTextEdit *moReference = nullptr;
    QCheckBox *chkAdd = nullptr;
    QPushButton *cmdAtari = nullptr;
    QPushButton *cmdHazure = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *cmdEditQuestionFile = nullptr;

public slots:
    // Writes AddOn to the user's Setup.ini at once (and keeps the setting
    // in memory in step, so that shutdown writes the same value).
    void chkAddClick();
    void cmdAtariClick();
    void cmdHazureClick();
    // Asks for a word and looks it up in the dictionary as typed.
    void Button1Click();
    void cmdEditQuestionFileClick();
};
