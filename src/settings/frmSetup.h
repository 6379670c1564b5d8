#pragma once
// The settings dialog "基本設定": nine pages that edit the settings held by
// the main window. OK copies the controls back into the main window, writes
// User.ini/Setup.ini (with the study plan) and applies the look at once;
// Cancel changes nothing but what the dialog writes immediately (a user
// registered on the user page, the reset file histories).
#include "settings/Plan.h"

#include <QDialog>
#include <QFrame>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TUpDown;
class TfrmMain;
struct Settings;

// A colour swatch: shows its colour and reports a click.
class TColorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TColorPanel(QWidget *parent = nullptr);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
private:
    QColor m_color;
};

class TfrmSetup : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSetup(TfrmMain *main, QWidget *parent = nullptr);

    // --- frame ------------------------------------------------------------------
    QLabel *lblTitle = nullptr;            // black strip with white text
    QStackedWidget *pcSetup = nullptr;     // the nine pages
    QList<QToolButton *> tabPages;          // the page tabs, in page order (two rows)
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
    void selectPage(int index);
    int currentPage() const;

    // --- 全般 ---------------------------------------------------------------------
    QCheckBox *chkTimerOn = nullptr;
    QLabel *lblTime = nullptr;
    QLineEdit *txtTime = nullptr;
    TUpDown *udTime = nullptr;
    QLabel *lblTimeUnit = nullptr;
    QCheckBox *chkShowResult = nullptr;
    QCheckBox *chkShowErrorOnly = nullptr;
    QCheckBox *chkEasyResultAtari = nullptr;
    QCheckBox *chkEasyResultHazure = nullptr;
    QCheckBox *chkErrorDialogOn = nullptr;
    QCheckBox *chkAutoImeOn = nullptr;
    QCheckBox *chkRepeatError = nullptr;
    QCheckBox *chkImportantOn = nullptr;
    QCheckBox *chkAutoImportantOn = nullptr;
    QCheckBox *chkIgnoreCase = nullptr;
    QCheckBox *chkNotPeriod = nullptr;
    QCheckBox *chkShowComment = nullptr;
    QCheckBox *chkShowHint = nullptr;
    QLabel *lblHint = nullptr;
    QComboBox *cboHint = nullptr;
    QCheckBox *chkMakeLogFile = nullptr;

    // --- ファイル -----------------------------------------------------------------
    QLineEdit *txtdefQuestionFilePath = nullptr;
    QPushButton *cmdSelectDefQuestionFile = nullptr;
    QCheckBox *chkUseEndQuestionFile = nullptr;
    QLineEdit *txtdefReferenceFilePath = nullptr;
    QPushButton *cmdSelectDefReferenceFile = nullptr;
    QCheckBox *chkUseEndReferenceFile = nullptr;
    QLineEdit *txtdefDictionaryFilePath = nullptr;
    QPushButton *cmdSelectDefDictionaryFilePath = nullptr;
    QPushButton *cmdNewText = nullptr;

    // --- ユーザー -----------------------------------------------------------------
    QComboBox *cboUserName = nullptr;
    QCheckBox *chkShowUser = nullptr;
    QGroupBox *grpUser = nullptr;          // "ユーザー登録"
    QTreeWidget *lstUser = nullptr;        // ユーザー名, 使用回数
    QLineEdit *txtUserName = nullptr;
    QPushButton *cmdAddUserName = nullptr;

    // --- サウンド -----------------------------------------------------------------
    QCheckBox *chkAtariOn = nullptr;
    QLineEdit *txtAtariSoundFile = nullptr;
    QPushButton *cmdSelectAtariSoundFile = nullptr;
    QPushButton *cmdTryAtariSoundFile = nullptr;
    QCheckBox *chkHazureOn = nullptr;
    QLineEdit *txtHazureSoundFile = nullptr;
    QPushButton *cmdSelectHazureSoundFile = nullptr;
    QPushButton *cmdTryHazureSoundFile = nullptr;
    QCheckBox *chkFinishOn = nullptr;
    QLineEdit *txtFinishSoundFile = nullptr;
    QPushButton *cmdSelectFinishSoundFile = nullptr;
    QPushButton *cmdTryFinishSoundFile = nullptr;

    // --- カラー -------------------------------------------------------------------
    QCheckBox *chkChangeColorOn = nullptr;
    QWidget *grpChangeColor = nullptr;
    QRadioButton *rbByQuestion = nullptr;
    QRadioButton *rbByStudy = nullptr;
    QLineEdit *txtChangeColorPercent = nullptr;
    TUpDown *udChangeColorPercent = nullptr;
    TColorPanel *pnlChangeColor = nullptr;
    TColorPanel *pnlQuestionNumColor = nullptr;
    TColorPanel *pnlAtariNumColor = nullptr;
    TColorPanel *pnlPercentColor = nullptr;
    TColorPanel *pnlTimeColor = nullptr;

    // --- フォント -----------------------------------------------------------------
    QComboBox *cboFontQuestion = nullptr;
    QComboBox *cboFontQuestionSize = nullptr;
    QPushButton *cmdFontQuestionColor = nullptr;
    QComboBox *cboFontHole = nullptr;
    QComboBox *cboFontHoleSize = nullptr;
    QPushButton *cmdFontHoleColor = nullptr;
    QComboBox *cboFontAnswer = nullptr;
    QPushButton *cmdFontAnswerColor = nullptr;
    QComboBox *cboFontComment = nullptr;
    QComboBox *cboFontCommentSize = nullptr;
    QPushButton *cmdFontCommentColor = nullptr;
    QComboBox *cboFontReference = nullptr;
    QPushButton *cmdFontReferenceColor = nullptr;

    // --- スケジュール -------------------------------------------------------------
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *chkPlanOn = nullptr;
    QWidget *grpPlan = nullptr;            // visible exactly when chkPlanOn is ticked
    QCheckBox *chkShowPlanOn = nullptr;
    QLabel *Label3 = nullptr;
    QTreeWidget *lstItem = nullptr;        // 目的, 日程, 残り日数
    QWidget *spnMoveItem = nullptr;
    QToolButton *spnMoveItemUp = nullptr;
    QToolButton *spnMoveItemDown = nullptr;
    QLineEdit *txtItem = nullptr;
    QLineEdit *txtYear = nullptr;
    TUpDown *udYear = nullptr;
    QLineEdit *txtMonth = nullptr;
    TUpDown *udMonth = nullptr;
    QLineEdit *txtDay = nullptr;
    TUpDown *udDay = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdChange = nullptr;
    QPushButton *cmdDelete = nullptr;
    int SelectedItem = 0;                  // the row the plan editors work on

    // --- 音声 ---------------------------------------------------------------------
    QRadioButton *rbBuiltInVoice = nullptr;   // the built-in voice reads aloud
    QRadioButton *rbCompanionVoice = nullptr; // the companion program reads aloud
    QLabel *pnlNoVoice = nullptr;          // warning: no built-in voice on this desktop
    bool BuiltInVoiceAvailable = false;
    QLineEdit *txtSorbellPath = nullptr;
    QPushButton *cmdSelectSorbellPath = nullptr;
    QLabel *lblHomepage = nullptr;
    QLabel *pnlInfo = nullptr;             // red warning: companion not found
    QCheckBox *chkVoiceOn = nullptr;
    QCheckBox *chkAutoVoiceOn = nullptr;
    bool SorbellAvailable = false;

    // --- その他 -------------------------------------------------------------------
    QCheckBox *chkSavePosition = nullptr;
    QCheckBox *chkSaveSize = nullptr;
    QCheckBox *chkSaveToolBar = nullptr;
    QCheckBox *chkNotFlat = nullptr;
    QCheckBox *chkShowDate = nullptr;
    QGroupBox *rgDateType = nullptr;
    QList<QRadioButton *> rgDateTypeItems; // date and time, date, time
    QLineEdit *txtmoQuestionSize = nullptr;
    TUpDown *udmoQuestionSize = nullptr;
    QLineEdit *txtmoCommentSize = nullptr;
    TUpDown *udmoCommentSize = nullptr;
    QLineEdit *txtmoHoleSize = nullptr;
    TUpDown *udmoHoleSize = nullptr;
    QPushButton *cmdFileReset = nullptr;

    // The plan as the list shows it now.
    QList<PlanItem> planItems() const;
    // The selected item of rgDateType, -1 when none.
    int dateTypeIndex() const;

public slots:
    void FormShow();
    void cmdOkClick();
    void cmdCancelClick();

    void chkTimerOnClick();
    void chkShowResultClick();
    void chkImportantOnClick();
    void chkShowHintClick();
    void chkShowUserClick();
    void chkAtariOnClick();
    void chkHazureOnClick();
    void chkFinishOnClick();
    void chkChangeColorOnClick();
    void chkShowDateClick();
    void chkPlanOnClick();
    void chkVoiceOnClick();

    void cmdSelectDefQuestionFileClick();
    void cmdSelectDefReferenceFileClick();
    void cmdSelectDefDictionaryFilePathClick();
    void cmdNewTextClick();
    void cmdAddUserNameClick();
    void cmdSelectAtariSoundFileClick();
    void cmdSelectHazureSoundFileClick();
    void cmdSelectFinishSoundFileClick();
    void cmdTryAtariSoundFileClick();
    void cmdTryHazureSoundFileClick();
    void cmdTryFinishSoundFileClick();
    void cmdSelectSorbellPathClick();
    // The voice chosen or its availability changed: the warnings and
    // chkVoiceOn follow (unticked and disabled without a voice).
    void VoiceChoiceChange();
    void cmdFileResetClick();

    void cmdAddClick();
    void cmdChangeClick();
    void cmdDeleteClick();
    void lstItemClick();
    void spnMoveItemUpClick();
    void spnMoveItemDownClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *CreateGeneralPage();
    QWidget *CreateFilePage();
    QWidget *CreateUserPage();
    QWidget *CreateSoundPage();
    QWidget *CreateColorPage();
    QWidget *CreateFontPage();
    QWidget *CreatePlanPage();
    QWidget *CreateVoicePage();
    QWidget *CreateOtherPage();
    void SoundBoxClick(QCheckBox *check, QLineEdit *box, QPushButton *select, QPushButton *tryButton,
                       const QString &storedPath);
    void SelectSound(QLineEdit *box, QPushButton *tryButton);
    void TrySound(QLineEdit *box);
    void SelectPath(QLineEdit *box, const QString &filter);
    void SetFontRow(QComboBox *face, QComboBox *size, const QString &faceName, int pointSize, int color);
    void ChooseFontColor(QComboBox *face);
    void ChoosePanelColor(TColorPanel *panel);
    bool ReadPlanEditors(PlanItem *item, int *days);
    void SwapPlanRows(int a, int b);
    void SetPlanSelectionCommands(bool selected);
    bool CheckNumbers();

    TfrmMain *m_main;
    Settings &m_settings;
    QButtonGroup *m_dateTypeGroup = nullptr;
    bool m_shown = false;
};
