#pragma once
// The correct-answer dialog: "☆ 正解 ☆", the question's asked count and
// correct rate, the comment, and the importance buttons.
#include "records/frmResultCommon.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

class TfrmResultAtari : public TResultDialogBase
{
    Q_OBJECT
public:
    explicit TfrmResultAtari(TfrmMain *main, QWidget *parent = nullptr);

    QFrame *pnlTitle = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblData = nullptr;
    QTextEdit *moComment = nullptr;
    QPushButton *cmdOK = nullptr;

    // "出題数 ： " + asked + "問、正解率 ： " + rate + "％"
    static QString DataText(int asked, const QString &rate);
};
