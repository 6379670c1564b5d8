#pragma once
// The error review: the questions answered wrongly in one drill of this run,
// with their right answers, comments and reference entries. The lines are
// read from the collection the drill itself used, so that older drills stay
// right after the current collection has been changed.
#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class TUpDown;
class TfrmMain;

class TfrmShowError : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmShowError(TfrmMain *main, QWidget *parent = nullptr);

    QLabel *pnlTitle = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtStudyNum = nullptr;
    TUpDown *udStudyNum = nullptr;
    QLabel *lblError = nullptr;
    QListWidget *lstError = nullptr;
    QLabel *lblAnswer = nullptr;
    QTextEdit *moAnswer = nullptr;
    QLabel *lblComment = nullptr;
    QTextEdit *moComment = nullptr;
    QPushButton *cmdOpenReference = nullptr;
    QPushButton *cmdClose = nullptr;

    // Parallel to lstError: the Japanese line, the comment line and the
    // keyword line of each listed question.
    QStringList lstAnswer;
    QStringList lstComment;
    QStringList lstKeyword;

    // Fills the lists for the drill number now in txtStudyNum.
    void FillLists();

public slots:
    void FormShow();
    void lstErrorClick();
    void cmdOpenReferenceClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TfrmMain *m_main;
    bool m_shown = false;
};
