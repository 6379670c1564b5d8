#pragma once
// The drill set-up dialog ("出題の設定"): collection and reference book,
// question and answer types, number of questions, one drill option or the
// importance filter. The option controls change the main window's drill
// options as they are clicked; OK checks the choice, saves it, builds the
// question set, presents the first question and starts the drill.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TfrmMain;
class TUpDown;

class TfrmQuestionSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmQuestionSetup(TfrmMain *main, QWidget *parent = nullptr);

    QLabel *lblTitle = nullptr;                 // "ここでは、出題／解答方法の設定を行います"
    QCheckBox *chkSelfStudyOn = nullptr;
    QLineEdit *txtSelfStudyTime = nullptr;
    TUpDown *udSelfStudyTime = nullptr;         // 1..60
    QLabel *lblSelfStudyTime = nullptr;         // "秒後に正解表示"
    QCheckBox *chkOption = nullptr;
    QGroupBox *gbOption = nullptr;
    QRadioButton *rbSameQuestion = nullptr;
    QRadioButton *rbErrorOnly = nullptr;
    QRadioButton *rbNotSameQuestion = nullptr;
    QRadioButton *rbNotRandom = nullptr;
    QCheckBox *chkNotRandomContinue = nullptr;
    QLabel *lblPrevNum = nullptr;               // "何回目の？"
    QLineEdit *txtPrevNum = nullptr;            // its tool tip is the review hint
    TUpDown *udPrevNum = nullptr;               // 1..10
    QLabel *lblPrevNum_1 = nullptr;             // "回目"
    QLabel *lblSelectQuestionFilePath = nullptr;
    QComboBox *cboQuestionFilePath = nullptr;
    QPushButton *cmdSelectQuestionFilePath = nullptr;
    QLabel *lblSelectReferenceFilePath = nullptr;
    QComboBox *cboReferenceFilePath = nullptr;
    QPushButton *cmdSelectReferenceFilePath = nullptr;
    QCheckBox *chkImportantQuestion = nullptr;
    QToolButton *cmd1 = nullptr;                // importance levels, toggle buttons
    QToolButton *cmd2 = nullptr;
    QToolButton *cmd3 = nullptr;
    QToolButton *cmd4 = nullptr;
    QToolButton *cmd5 = nullptr;
    QCheckBox *chkNormalImportant = nullptr;
    QGroupBox *rgQuestionType = nullptr;        // "出題形式の設定"
    QRadioButton *rbQuestionType[2] = {};       // "日本語から英語へ", "英語から日本語へ"
    QGroupBox *rgAnswerType = nullptr;          // "解答形式の設定"
    QRadioButton *rbAnswerType[3] = {};         // "タイプ", "並べ替え", "穴埋め"
    QLabel *lblQuestionNum = nullptr;           // "出題数の設定 ： "
    QLineEdit *txtQuestionNum = nullptr;
    TUpDown *udQuestionNum = nullptr;           // 1..1000
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    // Index of the checked radio button of a group (-1 when none).
    int questionTypeIndex() const;
    int answerTypeIndex() const;
    void setQuestionTypeIndex(int index);
    void setAnswerTypeIndex(int index);
    // Button k (1..5) of the importance levels.
    QToolButton *levelButton(int k) const;

public slots:
    void FormShow();
    void chkSelfStudyOnClick();
    void chkOptionClick();
    void rbSameQuestionClick();
    void rbErrorOnlyClick();
    void rbNotSameQuestionClick();
    void rbNotRandomClick();
    void chkNotRandomContinueClick();
    void txtPrevNumChange();
    void rgQuestionTypeClick();
    void chkImportantQuestionClick();
    void chkNormalImportantClick();
    void cmdSelectQuestionFilePathClick();
    void cmdSelectReferenceFilePathClick();
    void cboQuestionFilePathChange();
    void cboReferenceFilePathChange();
    void cmdOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    void radioClick(QRadioButton *chosen);
    void ReviewNumberRule();
    void SetFileChoiceEnabled(bool enabled);
    void ShowFileNames(const QString &questionPath, const QString &referencePath);

    TfrmMain *m_main;
    bool m_shown = false;
};
