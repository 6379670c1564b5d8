#pragma once
// The main window: the drill display, every command of the program and, as
// plain members, the run's whole state (settings, drill state, date texts).
//
// Where the handlers live:
//   src/app/frmMain.cpp               construction, first showing, layout,
//                                     bars, date timer, shutdown
//   src/drill/frmMainDrill.cpp        drill commands and the drill timer
//   src/reference/frmMainReference.cpp reference book and dictionary commands
//   src/records/frmMainRecords.cpp    error review
//   src/records/frmMainViews.cpp      correct-rate table, graph and history
//   src/settings/frmMainSetup.cpp     settings dialog and study plan
//   src/authoring/frmMainMakers.cpp   question and reference makers, import
//   src/authoring/frmMainAuthoring.cpp editor, new text, printing, help,
//                                     version and homepage
//   src/app/frmMainKeyboard.cpp       keyboard access and screen-reader names
//
// Command copies: a command's right-column button (or main-menu item) has the
// plain name, its toolbar button the suffix "_1", its pop-up-menu item "_2"
// (the reference and dictionary commands keep "_2" for the main menu and use
// "_3" for the pop-up menu). Column buttons are QPushButton (cmdClear is a
// QToolButton with a drop-down menu), toolbar buttons QToolButton, menu items
// QAction.
#include "drill/DrillState.h"
#include "platform/DateStrings.h"
#include "records/SaveReport.h"
#include "records/StudyDetails.h"
#include "settings/Settings.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;
class QWidget;
class QFrame;
class TGauge;
class TStatusBar;
class TToolBar;
class TUpDown;

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    // The first showing (FormShow) runs before the window reaches the screen.
    void setVisible(bool visible) override;
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // --- the run's state ------------------------------------------------------
    Settings settings;
    DrillState drill;
    DateStrings dates;             // empty until the first date-timer tick
    StudyDetailState details;      // month/day counts; NowCount read at start-up
    bool FirstShowDone = false;    // the first showing has run
    bool ShutdownDone = false;     // the shutdown steps have run
    // The goal of today announced by the countdown ("date,purpose"), kept
    // in memory so that it is announced once even when Setup.ini cannot
    // be rewritten to drop it; and whether that failure was reported.
    QString PlanAnnounced;
    bool PlanRemovalReported = false;
    // What the answer being judged could not save; reported once by Result.
    SaveReport AnswerSaves;

    // --- toolbar dock and toolbars ------------------------------------------------
    QWidget *dkToolBar = nullptr;
    TToolBar *tbStandardToolBar = nullptr;
    TToolBar *tbFileToolBar = nullptr;
    TToolBar *tbQuestionSetupToolBar = nullptr;

    // basic toolbar
    QToolButton *cmdStart_1 = nullptr;
    QToolButton *cmdResult_1 = nullptr;
    QToolButton *cmdStop_1 = nullptr;
    QToolButton *cmdDelete_1 = nullptr;
    QToolButton *cmdClear_1 = nullptr;
    QToolButton *cmdPlay_1 = nullptr;
    QToolButton *cmdOpenReference_1 = nullptr;
    QToolButton *cmdOpenDictionary_1 = nullptr;
    QToolButton *cmdShowError_1 = nullptr;
    QToolButton *cmdShowPercent_1 = nullptr;
    QToolButton *cmdShowGraph_1 = nullptr;
    QToolButton *cmdShowHistory_1 = nullptr;
    QToolButton *cmdSetup_1 = nullptr;
    QToolButton *cmdHelp_1 = nullptr;
    QToolButton *cmdVersion_1 = nullptr;
    QToolButton *cmdHomepage_1 = nullptr;

    // file toolbar
    QLabel *lblQuestionFile = nullptr;       // "問題集 ： "
    QComboBox *cboQuestionFile = nullptr;    // editable; text = file name
    QToolButton *cmdSelectQuestionFile = nullptr;
    QToolButton *cmdMakeQuestion_1 = nullptr;
    QToolButton *cmdQOpenByMemo = nullptr;
    QLabel *lblReferenceFile = nullptr;      // "参考書 ： "
    QComboBox *cboReferenceFile = nullptr;
    QToolButton *cmdSelectReferenceFile = nullptr;
    QToolButton *cmdMakeReference_1 = nullptr;
    QToolButton *cmdROpenByMemo = nullptr;
    QToolButton *cmdPrint = nullptr;
    QToolButton *cmdNewText = nullptr;

    // drill set-up toolbar
    QComboBox *cboQuestionType = nullptr;
    QComboBox *cboAnswerType = nullptr;
    QLabel *lblSetupQuestionNum = nullptr;   // "出題数 ： "
    QLineEdit *txtQuestionNum = nullptr;
    TUpDown *udQuestionNum = nullptr;        // 1..1000, tied to txtQuestionNum
    QToolButton *cmdOk = nullptr;

    // --- panes ------------------------------------------------------------------------
    QFrame *pnlQuestion = nullptr;
    QLabel *lblQuestion = nullptr;           // pane title "問題"
    QTextEdit *moQuestion = nullptr;
    QTextEdit *moHole = nullptr;
    QFrame *pnlAnswer = nullptr;
    QLabel *lblAnswer = nullptr;             // pane title "解答"
    QLineEdit *txtAnswer = nullptr;
    QLabel *pnlHint = nullptr;               // hint line; its text is the caption
    QListWidget *lstAnswer = nullptr;
    QFrame *pnlComment = nullptr;
    QTextEdit *moComment = nullptr;

    // data bar
    QFrame *pnlData = nullptr;
    QLabel *lblQuestionNumTitle = nullptr;   // "出題数 ： "
    QLabel *lblAtariNumTitle = nullptr;      // "正解数 ： "
    QLabel *lblPercentTitle = nullptr;       // "正解率 ： "
    QLabel *lblTimeTitle = nullptr;          // "時間 ： "
    TGauge *cgQuestionNum = nullptr;
    TGauge *cgAtariNum = nullptr;
    TGauge *cgPercent = nullptr;
    TGauge *cgTime = nullptr;
    QLabel *lblQuestionNum = nullptr;
    QLabel *lblAtariNum = nullptr;
    QLabel *lblPercent = nullptr;
    QLabel *lblTime = nullptr;

    // command column
    QFrame *pnlRightCommandButton = nullptr;
    QPushButton *cmdStart = nullptr;         // default button while idle
    QToolButton *cmdClear = nullptr;         // "やり直す", drop-down holds cmdDelete
    QAction *cmdDelete = nullptr;            // "単語を一つ消す (&D)"
    QPushButton *cmdPlay = nullptr;
    QPushButton *cmdResult = nullptr;
    QPushButton *cmdStop = nullptr;
    QPushButton *cmdOpenReference = nullptr;
    QPushButton *cmdOpenDictionary = nullptr;

    TStatusBar *sbInfo = nullptr;            // panels 0..5

    QTimer *tmrDate = nullptr;               // 500 ms, enabled at the end of the first showing
    QTimer *tmrTimer = nullptr;              // 1000 ms drill countdown

    // --- main menu ------------------------------------------------------------------
    QMenu *mnuFile = nullptr;                // ファイル (&F)
    QAction *cmdMakeQuestion = nullptr;
    QAction *cmdImportQuestion = nullptr;
    QAction *cmdEditQuestionFile = nullptr;
    QAction *cmdPrintQuestionFile = nullptr;
    QAction *cmdMakeReference = nullptr;
    QAction *cmdExit = nullptr;
    QMenu *mnuSetup = nullptr;               // 設定 (&S)
    QAction *cmdOpenReference_2 = nullptr;
    QAction *cmdOpenDictionary_2 = nullptr;
    QAction *cmdSetup = nullptr;
    QMenu *mnuRecord = nullptr;              // 成績表示 (&G)
    QAction *cmdShowError = nullptr;
    QAction *cmdShowPercent = nullptr;
    QAction *cmdShowGraph = nullptr;
    QAction *cmdShowHistory = nullptr;
    QMenu *mnuView = nullptr;                // 表示 (&V)
    QAction *cmdStandardToolBar = nullptr;
    QAction *cmdFileToolBar = nullptr;
    QAction *cmdQuestionSetupToolBar = nullptr;
    QAction *cmdRightCommandButton = nullptr;
    QAction *cmdStatusBar = nullptr;
    QMenu *mnuHelp = nullptr;                // ヘルプ (&H)
    QAction *cmdHelp = nullptr;
    QAction *cmdVersion = nullptr;
    QAction *cmdHomepage = nullptr;

    // --- window pop-up menu -----------------------------------------------------------
    QMenu *pmMain = nullptr;
    QAction *cmdStart_2 = nullptr;
    QAction *cmdResult_2 = nullptr;
    QAction *cmdStop_2 = nullptr;
    QAction *cmdDelete_2 = nullptr;
    QAction *cmdClear_2 = nullptr;
    QAction *cmdPlay_2 = nullptr;            // Ctrl+V
    QAction *cmdOpenReference_3 = nullptr;
    QAction *cmdOpenDictionary_3 = nullptr;
    QAction *cmdSetup_2 = nullptr;
    QAction *cmdExit_2 = nullptr;

    // --- keyboard twins of toolbar-only commands (src/app/frmMainKeyboard.cpp) -----------
    QMenu *mnuDrill = nullptr;               // 学習 (&L): the drill commands of the pop-up menu
    QAction *cmdOk_2 = nullptr;              // quick start
    QAction *cmdSelectQuestionFile_2 = nullptr;
    QAction *cmdQOpenByMemo_2 = nullptr;
    QAction *cmdSelectReferenceFile_2 = nullptr;
    QAction *cmdROpenByMemo_2 = nullptr;
    QAction *cmdNewText_2 = nullptr;

    // --- toolbar pop-up menu (twins of the View menu's items) --------------------------
    QMenu *pmToolBar = nullptr;
    QAction *cmdStandardToolBar_2 = nullptr;
    QAction *cmdFileToolBar_2 = nullptr;
    QAction *cmdQuestionSetupToolBar_2 = nullptr;
    QAction *cmdRightCommandButton_2 = nullptr;
    QAction *cmdStatusBar_2 = nullptr;

    // --- helpers other parts of the window use -------------------------------------------
    // Idle (false) or drilling (true): enables and disables the commands
    // (src/drill/frmMainDrill.cpp).
    void SetDrillState(bool running);
    // Refreshes `dates` and the caption from Clock::currentTime().
    void RefreshDateAndCaption();
    // The caption the date timer shows for the settings and dates in memory.
    QString CaptionText() const;
    // Applies fonts, colours, pane heights and pane visibility of `settings`.
    void ApplyDisplaySettings();
    // Flat or raised toolbar buttons by `settings.NotFlat`.
    void ApplyButtonStyle();
    // The study plan's start-up summary and its countdown in status panel 5
    // (run by the first showing and by the date timer; src/settings/frmMainSetup.cpp).
    void ShowPlanSummary();
    void PlanCountdown();
    void RemovePlanGoal(const QString &purpose);
    // The window's outer bounds as shown (the screen's free area when
    // maximised), what the companion is told.
    QRect ShownFrame() const;
    // The bounds [Form Information] records at shutdown.
    QRect RecordedGeometry() const;
    // Once the window is on the screen (checked every 50 ms, `triesLeft`
    // times): fits the recorded outer size to the frame the window got, then
    // hands the shown bounds over to the companion.
    void AfterShown(int triesLeft);
    static constexpr int kAfterShownTries = 40;
    QSize RecordedOuterSize;       // the [Form Information] size restored, if any
    bool OuterSizeFitted = false;
    // Question-pane height: moQuestionSize, plus moHoleSize while moHole shows.
    void SetQuestionPaneHeight(int height);
    // The fill-in pane as high as its sentence needs (at least moHoleSize),
    // and the question pane above it moQuestionSize higher while it shows.
    void FitHolePane();

public slots:
    // start-up and shutdown
    void FormShow();
    void FormClose();
    void tmrDateTimer();

    // showing and hiding the bars
    void cmdStandardToolBarClick();
    void cmdFileToolBarClick();
    void cmdQuestionSetupToolBarClick();
    void cmdRightCommandButtonClick();
    void cmdStatusBarClick();
    void tbStandardToolBarClose();
    void tbFileToolBarClose();
    void tbQuestionSetupToolBarClose();

    // drill commands (src/drill/frmMainDrill.cpp)
    void cmdStartClick();
    void cmdOkClick();
    void cmdResultClick();
    void cmdStopClick();
    void cmdDeleteClick();
    void cmdClearClick();
    void cmdPlayClick();
    void lstAnswerDblClick();
    void cboQuestionTypeChange();
    void cboAnswerTypeChange();
    void cmdSelectQuestionFileClick();
    void cboQuestionFileChange();
    void cmdQOpenByMemoClick();
    void NextQuestion();
    void CheckResult();
    void CheckRepeatResult();
    void tmrTimerTimer();

    // reference book and dictionary (src/reference/frmMainReference.cpp)
    void cmdOpenReferenceClick();
    void cmdOpenDictionaryClick();
    void cmdSelectReferenceFileClick();
    void cboReferenceFileChange();
    void cmdROpenByMemoClick();

    // dialogs and views (see the list at the top of this file)
    void cmdSetupClick();
    void cmdShowErrorClick();
    void cmdShowPercentClick();
    void cmdShowGraphClick();
    void cmdShowHistoryClick();
    void cmdMakeQuestionClick();
    void cmdImportQuestionClick();
    void cmdEditQuestionFileClick();
    void cmdPrintQuestionFileClick();
    void cmdMakeReferenceClick();
    void cmdNewTextClick();
    void cmdHelpClick();
    void cmdVersionClick();
    void cmdHomepageClick();
    void cmdExitClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    // Menu items for the commands that only a toolbar offers, the word list's
    // keys and the controls' names for screen readers.
    void CreateKeyboardAccess();
    void ConnectCommands();
    void LayoutStatusPanels();
    void SetBarVisible(QWidget *bar, QAction *viewItem, QAction *popupItem, bool visible);
    void LayoutDock();
    bool IsInToolBarArea(QWidget *w) const;
};

// The one main window of the run (set by its constructor, cleared by its
// destructor); dialogs reach the run's state through it.
extern TfrmMain *frmMain;
