#include "app/frmMain.h"

#include "app/frmTitle.h"
#include "app/frmUser.h"
#include "companion/Companion.h"
#include "companion/UiCompanion.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/StaleTempFiles.h"
#include "settings/MainWindowState.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "settings/Users.h"
#include "widgets/Captions.h"
#include "widgets/Gauge.h"
#include "widgets/Icons.h"
#include "widgets/Look.h"
#include "widgets/StatusBar.h"
#include "widgets/ToolBar.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

TfrmMain *frmMain = nullptr;

namespace {

const QString kUiFace = QStringLiteral("ＭＳ Ｐゴシック");

const QString kWelcome = QStringLiteral(
    "この度は、Ulvendoをダウンロードしていただきありがとうございます m(._.)m\n\n"
    "まず最初に、ユーザー名を指定する必要があります\n"
    "次に表示されるダイアログで、ユーザー名を記入し\"OK\"を押してください\n"
    "（次回からこのウインドウは表示されません）");

// Width of the dock before the file toolbar.
constexpr int kFileToolBarLeft = 414;

QLabel *paneTitle(const QString &text, QWidget *parent, const QString &name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setIndent(4);
    l->setFixedHeight(16);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, QColor(0x2b, 0x3a, 0x55));
    pal.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(pal);
    return l;
}

QTextEdit *readOnlyText(QWidget *parent, const QString &name)
{
    auto *t = new QTextEdit(parent);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setAcceptRichText(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setContextMenuPolicy(Qt::NoContextMenu);
    return t;
}

QPushButton *columnButton(const QString &text, const QString &icon, const QString &hint,
                          QWidget *parent, const QString &name)
{
    auto *b = new QPushButton(appIcon(icon), text, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setIconSize(QSize(16, 16));
    b->setMinimumHeight(30);
    b->setAutoDefault(false);
    return b;
}

QAction *menuItem(QMenu *menu, const QString &text, const QString &name, const QString &icon = QString())
{
    QAction *a = menu->addAction(text);
    a->setObjectName(name);
    if (!icon.isEmpty())
        a->setIcon(appIcon(icon));
    return a;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent)
{
    frmMain = this;
    // The run's random choices start from the clock, so that each run asks
    // its questions in a different order.
    Random::seedFromClock();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ulvendo"));
    setWindowIcon(appIcon(QStringLiteral("ulvendo")));

    // The title picture stays on screen while the start-up runs; it goes as
    // soon as the first message loop (a start-up dialog or the main loop)
    // processes it. Showing it needs no font, so it is up before the
    // controls are made, while the font configuration may still be read.
    auto *title = new TfrmTitle;
    title->showNow();

    UseProgramFont();

    CreateControls();
    CreateMenus();
    ConnectCommands();
    CreateKeyboardAccess();

    // Commands that only make sense during a drill start disabled.
    for (QWidget *w : std::initializer_list<QWidget *>{cmdResult, cmdResult_1, cmdStop, cmdStop_1, cmdClear,
                                                       cmdClear_1, cmdDelete_1, cmdPlay, cmdPlay_1})
        w->setEnabled(false);
    for (QAction *a : {cmdResult_2, cmdStop_2, cmdClear_2, cmdDelete_2, cmdDelete, cmdPlay_2})
        a->setEnabled(false);

    // Client area 835 x 554 below the menu bar.
    resize(835, 554 + menuBar()->sizeHint().height());
    LayoutDock();
    title->release();
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
}

// --- construction ------------------------------------------------------------------

void TfrmMain::CreateControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Toolbar dock: the toolbars are placed by LayoutDock().
    dkToolBar = new QWidget(central);
    dkToolBar->setObjectName(QStringLiteral("dkToolBar"));
    outer->addWidget(dkToolBar);

    tbStandardToolBar = new TToolBar(QStringLiteral("基本操作ツールバー"), dkToolBar);
    tbStandardToolBar->setObjectName(QStringLiteral("tbStandardToolBar"));
    TToolBar *tb = tbStandardToolBar;
    cmdStart_1 = tb->addButton(QStringLiteral("cmdStart_1"), QStringLiteral("start"), QStringLiteral("始める"));
    cmdResult_1 = tb->addButton(QStringLiteral("cmdResult_1"), QStringLiteral("result"), QStringLiteral("結果"));
    cmdStop_1 = tb->addButton(QStringLiteral("cmdStop_1"), QStringLiteral("stop"), QStringLiteral("止める"));
    tb->addSeparator();
    cmdDelete_1 = tb->addButton(QStringLiteral("cmdDelete_1"), QStringLiteral("delete"), QStringLiteral("単語を一つ消す"));
    cmdClear_1 = tb->addButton(QStringLiteral("cmdClear_1"), QStringLiteral("clear"), QStringLiteral("すべて消す"));
    tb->addSeparator();
    cmdPlay_1 = tb->addButton(QStringLiteral("cmdPlay_1"), QStringLiteral("play"), QStringLiteral("音声の再生"));
    tb->addSeparator();
    cmdOpenReference_1 = tb->addButton(QStringLiteral("cmdOpenReference_1"), QStringLiteral("reference"),
                                       QStringLiteral("参考書を開く"));
    cmdOpenDictionary_1 = tb->addButton(QStringLiteral("cmdOpenDictionary_1"), QStringLiteral("dictionary"),
                                        QStringLiteral("辞書を開く"));
    tb->addSeparator();
    cmdShowError_1 = tb->addButton(QStringLiteral("cmdShowError_1"), QStringLiteral("error"), QStringLiteral("間違えの表示"));
    cmdShowPercent_1 = tb->addButton(QStringLiteral("cmdShowPercent_1"), QStringLiteral("percent"),
                                     QStringLiteral("正解率の表示"));
    cmdShowGraph_1 = tb->addButton(QStringLiteral("cmdShowGraph_1"), QStringLiteral("graph"), QStringLiteral("グラフの表示"));
    cmdShowHistory_1 = tb->addButton(QStringLiteral("cmdShowHistory_1"), QStringLiteral("history"),
                                     QStringLiteral("学習履歴の表示"));
    tb->addSeparator();
    cmdSetup_1 = tb->addButton(QStringLiteral("cmdSetup_1"), QStringLiteral("setup"), QStringLiteral("基本設定"));
    tb->addSeparator();
    cmdHelp_1 = tb->addButton(QStringLiteral("cmdHelp_1"), QStringLiteral("help"), QStringLiteral("ヘルプを開く"));
    cmdVersion_1 = tb->addButton(QStringLiteral("cmdVersion_1"), QStringLiteral("version"), QStringLiteral("バージョン情報"));
    cmdHomepage_1 = tb->addButton(QStringLiteral("cmdHomepage_1"), QStringLiteral("homepage"), QStringLiteral("ホームページへ"));
    tb->finish();

    tbFileToolBar = new TToolBar(QStringLiteral("ファイル操作ツールバー"), dkToolBar);
    tbFileToolBar->setObjectName(QStringLiteral("tbFileToolBar"));
    tb = tbFileToolBar;
    lblQuestionFile = new QLabel(QStringLiteral("問題集 ： "), tb);
    lblQuestionFile->setObjectName(QStringLiteral("lblQuestionFile"));
    tb->addWidget(lblQuestionFile);
    cboQuestionFile = new QComboBox(tb);
    cboQuestionFile->setObjectName(QStringLiteral("cboQuestionFile"));
    cboQuestionFile->setEditable(true);
    cboQuestionFile->setInsertPolicy(QComboBox::NoInsert);
    cboQuestionFile->setFixedWidth(120);
    cboQuestionFile->setEditText(QStringLiteral("Question.txt"));
    tb->addWidget(cboQuestionFile);
    tb->addSeparator();
    cmdSelectQuestionFile = tb->addButton(QStringLiteral("cmdSelectQuestionFile"), QStringLiteral("open"),
                                          QStringLiteral("問題集の選択"));
    cmdMakeQuestion_1 = tb->addButton(QStringLiteral("cmdMakeQuestion_1"), QStringLiteral("makequestion"),
                                      QStringLiteral("問題集の作成"));
    cmdQOpenByMemo = tb->addButton(QStringLiteral("cmdQOpenByMemo"), QStringLiteral("memo"), QStringLiteral("メモ帳で開く"));
    tb->addSeparator();
    lblReferenceFile = new QLabel(QStringLiteral("参考書 ： "), tb);
    lblReferenceFile->setObjectName(QStringLiteral("lblReferenceFile"));
    tb->addWidget(lblReferenceFile);
    cboReferenceFile = new QComboBox(tb);
    cboReferenceFile->setObjectName(QStringLiteral("cboReferenceFile"));
    cboReferenceFile->setEditable(true);
    cboReferenceFile->setInsertPolicy(QComboBox::NoInsert);
    cboReferenceFile->setFixedWidth(120);
    cboReferenceFile->setEditText(QStringLiteral("Reference.txt"));
    tb->addWidget(cboReferenceFile);
    tb->addSeparator();
    cmdSelectReferenceFile = tb->addButton(QStringLiteral("cmdSelectReferenceFile"), QStringLiteral("open"),
                                           QStringLiteral("参考書の選択"));
    cmdMakeReference_1 = tb->addButton(QStringLiteral("cmdMakeReference_1"), QStringLiteral("makereference"),
                                       QStringLiteral("参考書の作成"));
    cmdROpenByMemo = tb->addButton(QStringLiteral("cmdROpenByMemo"), QStringLiteral("memo"), QStringLiteral("メモ帳で開く"));
    tb->addSeparator();
    cmdPrint = tb->addButton(QStringLiteral("cmdPrint"), QStringLiteral("print"), QStringLiteral("問題集の印刷"));
    tb->addSeparator();
    cmdNewText = tb->addButton(QStringLiteral("cmdNewText"), QStringLiteral("newtext"),
                               QStringLiteral("テキストファイルの新規作成"));
    tb->finish();

    tbQuestionSetupToolBar = new TToolBar(QStringLiteral("出題設定ツールバー"), dkToolBar);
    tbQuestionSetupToolBar->setObjectName(QStringLiteral("tbQuestionSetupToolBar"));
    tb = tbQuestionSetupToolBar;
    cboQuestionType = new QComboBox(tb);
    cboQuestionType->setObjectName(QStringLiteral("cboQuestionType"));
    cboQuestionType->addItems({QStringLiteral("日本語から英語へ"), QStringLiteral("英語から日本語へ")});
    cboQuestionType->setCurrentIndex(0);
    tb->addWidget(cboQuestionType);
    tb->addSeparator();
    cboAnswerType = new QComboBox(tb);
    cboAnswerType->setObjectName(QStringLiteral("cboAnswerType"));
    cboAnswerType->addItems({QStringLiteral("タイプ"), QStringLiteral("並べ替え"), QStringLiteral("穴埋め")});
    cboAnswerType->setCurrentIndex(0);
    tb->addWidget(cboAnswerType);
    tb->addSeparator();
    lblSetupQuestionNum = new QLabel(QStringLiteral("出題数 ： "), tb);
    lblSetupQuestionNum->setObjectName(QStringLiteral("lblSetupQuestionNum"));
    tb->addWidget(lblSetupQuestionNum);
    txtQuestionNum = new QLineEdit(tb);
    txtQuestionNum->setObjectName(QStringLiteral("txtQuestionNum"));
    txtQuestionNum->setFixedWidth(44);
    tb->addWidget(txtQuestionNum);
    udQuestionNum = new TUpDown(tb);
    udQuestionNum->setObjectName(QStringLiteral("udQuestionNum"));
    udQuestionNum->setRange(1, 1000);
    udQuestionNum->setAssociate(txtQuestionNum);
    udQuestionNum->setValue(5);
    tb->addWidget(udQuestionNum);
    tb->addSeparator();
    cmdOk = new QToolButton(tb);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("OK"));
    cmdOk->setIcon(appIcon(QStringLiteral("go")));
    cmdOk->setIconSize(QSize(16, 16));
    cmdOk->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdOk->setToolTip(QStringLiteral("出題の開始"));
    cmdOk->setAutoRaise(true);
    tb->addWidget(cmdOk);
    tb->finish();
    tbQuestionSetupToolBar->hide();

    // Middle: the panes at the left, the command column at the right.
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    outer->addLayout(middle, 1);
    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    middle->addLayout(left, 1);

    pnlQuestion = new QFrame(central);
    pnlQuestion->setObjectName(QStringLiteral("pnlQuestion"));
    pnlQuestion->setFrameShape(QFrame::StyledPanel);
    auto *q = new QVBoxLayout(pnlQuestion);
    q->setContentsMargins(1, 1, 1, 1);
    q->setSpacing(0);
    lblQuestion = paneTitle(QStringLiteral("問題"), pnlQuestion, QStringLiteral("lblQuestion"));
    q->addWidget(lblQuestion);
    moQuestion = readOnlyText(pnlQuestion, QStringLiteral("moQuestion"));
    q->addWidget(moQuestion, 1);
    moHole = readOnlyText(pnlQuestion, QStringLiteral("moHole"));
    moHole->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette pal = moHole->palette();
        pal.setColor(QPalette::Base, Qt::black);
        pal.setColor(QPalette::Text, Qt::white);
        moHole->setPalette(pal);
    }
    moHole->hide();
    q->addWidget(moHole);
    left->addWidget(pnlQuestion);

    pnlAnswer = new QFrame(central);
    pnlAnswer->setObjectName(QStringLiteral("pnlAnswer"));
    pnlAnswer->setFixedHeight(58);
    auto *a = new QVBoxLayout(pnlAnswer);
    a->setContentsMargins(0, 0, 0, 0);
    a->setSpacing(1);
    lblAnswer = paneTitle(QStringLiteral("解答"), pnlAnswer, QStringLiteral("lblAnswer"));
    a->addWidget(lblAnswer);
    txtAnswer = new QLineEdit(pnlAnswer);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setFixedHeight(22);
    a->addWidget(txtAnswer);
    pnlHint = new QLabel(pnlAnswer);
    pnlHint->setObjectName(QStringLiteral("pnlHint"));
    pnlHint->setFrameShape(QFrame::Panel);
    pnlHint->setFrameShadow(QFrame::Sunken);
    pnlHint->setIndent(4);
    pnlHint->hide();
    a->addWidget(pnlHint, 1);
    a->addStretch(0);
    left->addWidget(pnlAnswer);

    lstAnswer = new QListWidget(central);
    lstAnswer->setObjectName(QStringLiteral("lstAnswer"));
    lstAnswer->setFont(PixelFont(kUiFace, 20));
    lstAnswer->setContextMenuPolicy(Qt::NoContextMenu);
    {
        QPalette pal = lstAnswer->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        lstAnswer->setPalette(pal);
    }
    left->addWidget(lstAnswer, 1);

    pnlComment = new QFrame(central);
    pnlComment->setObjectName(QStringLiteral("pnlComment"));
    auto *c = new QVBoxLayout(pnlComment);
    c->setContentsMargins(0, 0, 0, 0);
    moComment = readOnlyText(pnlComment, QStringLiteral("moComment"));
    c->addWidget(moComment);
    pnlComment->hide();
    left->addWidget(pnlComment);

    pnlData = new QFrame(central);
    pnlData->setObjectName(QStringLiteral("pnlData"));
    pnlData->setFrameShape(QFrame::StyledPanel);
    pnlData->setFixedHeight(72);
    auto *g = new QGridLayout(pnlData);
    g->setContentsMargins(6, 2, 6, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(2);
    auto addRow = [&](int row, const QString &title, const QString &titleName, QLabel *&titleLabel,
                      TGauge *&gauge, const QString &gaugeName, QLabel *&value, const QString &valueName,
                      const QString &valueText) {
        titleLabel = new QLabel(title, pnlData);
        titleLabel->setObjectName(titleName);
        titleLabel->setFixedWidth(64);
        gauge = new TGauge(pnlData);
        gauge->setObjectName(gaugeName);
        gauge->setFixedHeight(13);
        value = new QLabel(valueText, pnlData);
        value->setObjectName(valueName);
        value->setFixedWidth(110);
        g->addWidget(titleLabel, row, 0);
        g->addWidget(gauge, row, 1);
        g->addWidget(value, row, 2);
    };
    addRow(0, QStringLiteral("出題数 ： "), QStringLiteral("lblQuestionNumTitle"), lblQuestionNumTitle, cgQuestionNum,
           QStringLiteral("cgQuestionNum"), lblQuestionNum, QStringLiteral("lblQuestionNum"), QStringLiteral(" ： 0 / 0"));
    addRow(1, QStringLiteral("正解数 ： "), QStringLiteral("lblAtariNumTitle"), lblAtariNumTitle, cgAtariNum,
           QStringLiteral("cgAtariNum"), lblAtariNum, QStringLiteral("lblAtariNum"), QStringLiteral(" ： 0 / 0"));
    addRow(2, QStringLiteral("正解率 ： "), QStringLiteral("lblPercentTitle"), lblPercentTitle, cgPercent,
           QStringLiteral("cgPercent"), lblPercent, QStringLiteral("lblPercent"), QStringLiteral(" ： 0 / 100％"));
    addRow(3, QStringLiteral("時間 ： "), QStringLiteral("lblTimeTitle"), lblTimeTitle, cgTime, QStringLiteral("cgTime"),
           lblTime, QStringLiteral("lblTime"), QStringLiteral(" ： 0 / 0秒"));
    cgQuestionNum->setMaxValue(0);
    cgAtariNum->setMaxValue(0);
    cgTime->setMaxValue(0);
    left->addWidget(pnlData);

    pnlRightCommandButton = new QFrame(central);
    pnlRightCommandButton->setObjectName(QStringLiteral("pnlRightCommandButton"));
    pnlRightCommandButton->setFrameShape(QFrame::StyledPanel);
    pnlRightCommandButton->setFixedWidth(128);
    auto *col = new QVBoxLayout(pnlRightCommandButton);
    col->setContentsMargins(6, 8, 6, 8);
    col->setSpacing(6);
    cmdStart = columnButton(QStringLiteral("始める"), QStringLiteral("start"), QStringLiteral("さあ、始めましょう"),
                            pnlRightCommandButton, QStringLiteral("cmdStart"));
    cmdStart->setDefault(true);
    col->addWidget(cmdStart);
    cmdClear = new QToolButton(pnlRightCommandButton);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setText(QStringLiteral("やり直す"));
    cmdClear->setIcon(appIcon(QStringLiteral("clear")));
    cmdClear->setIconSize(QSize(16, 16));
    cmdClear->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdClear->setPopupMode(QToolButton::MenuButtonPopup);
    cmdClear->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cmdClear->setMinimumHeight(30);
    auto *clearMenu = new QMenu(cmdClear);
    clearMenu->setObjectName(QStringLiteral("pmClear"));
    cmdDelete = menuItem(clearMenu, QStringLiteral("単語を一つ消す (&D)"), QStringLiteral("cmdDelete"),
                         QStringLiteral("delete"));
    cmdClear->setMenu(clearMenu);
    col->addWidget(cmdClear);
    cmdPlay = columnButton(QStringLiteral("  再生"), QStringLiteral("play"), QStringLiteral("英文を読み上げる"),
                           pnlRightCommandButton, QStringLiteral("cmdPlay"));
    col->addWidget(cmdPlay);
    cmdResult = columnButton(QStringLiteral("  結果"), QStringLiteral("result"), QStringLiteral("結果は？"),
                             pnlRightCommandButton, QStringLiteral("cmdResult"));
    col->addWidget(cmdResult);
    cmdStop = columnButton(QStringLiteral("止める"), QStringLiteral("stop"), QStringLiteral("ギブアップ！！"),
                           pnlRightCommandButton, QStringLiteral("cmdStop"));
    col->addWidget(cmdStop);
    col->addSpacing(10);
    cmdOpenReference = columnButton(QStringLiteral("参考書を開く"), QStringLiteral("reference"),
                                    QStringLiteral("参考書で調べる"), pnlRightCommandButton,
                                    QStringLiteral("cmdOpenReference"));
    col->addWidget(cmdOpenReference);
    cmdOpenDictionary = columnButton(QStringLiteral("  辞書を開く"), QStringLiteral("dictionary"),
                                     QStringLiteral("辞書で調べる"), pnlRightCommandButton,
                                     QStringLiteral("cmdOpenDictionary"));
    col->addWidget(cmdOpenDictionary);
    col->addStretch(1);
    middle->addWidget(pnlRightCommandButton);

    sbInfo = new TStatusBar(6, central);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    outer->addWidget(sbInfo);

    tmrDate = new QTimer(this);
    tmrDate->setObjectName(QStringLiteral("tmrDate"));
    tmrDate->setInterval(500);
    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setInterval(1000);

    // Ctrl+V plays the sentence even while the answer box has the focus.
    txtAnswer->installEventFilter(this);
    // The dock learns its width only when the window's layout has run, after
    // the window's own resize event: lay the toolbars out again then.
    dkToolBar->installEventFilter(this);
    for (QWidget *w : std::initializer_list<QWidget *>{dkToolBar, tbStandardToolBar, tbFileToolBar,
                                                       tbQuestionSetupToolBar})
        w->setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TfrmMain::CreateMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));

    mnuFile = bar->addMenu(QStringLiteral("ファイル (&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    cmdMakeQuestion = menuItem(mnuFile, QStringLiteral("問題集の作成 (&Q)"), QStringLiteral("cmdMakeQuestion"),
                               QStringLiteral("makequestion"));
    cmdImportQuestion = menuItem(mnuFile, QStringLiteral("問題の取り込み (&I)"), QStringLiteral("cmdImportQuestion"));
    cmdEditQuestionFile = menuItem(mnuFile, QStringLiteral("問題集の編集 (&E)"), QStringLiteral("cmdEditQuestionFile"));
    cmdPrintQuestionFile = menuItem(mnuFile, QStringLiteral("問題集の印刷 (&P)"), QStringLiteral("cmdPrintQuestionFile"),
                                    QStringLiteral("print"));
    mnuFile->addSeparator();
    cmdMakeReference = menuItem(mnuFile, QStringLiteral("参考書の作成 (&R)"), QStringLiteral("cmdMakeReference"),
                                QStringLiteral("makereference"));
    mnuFile->addSeparator();
    cmdExit = menuItem(mnuFile, QStringLiteral("終了 (&X)"), QStringLiteral("cmdExit"));

    mnuSetup = bar->addMenu(QStringLiteral("設定 (&S)"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    cmdOpenReference_2 = menuItem(mnuSetup, QStringLiteral("参考書を開く (&R)"), QStringLiteral("cmdOpenReference_2"),
                                  QStringLiteral("reference"));
    cmdOpenDictionary_2 = menuItem(mnuSetup, QStringLiteral("辞書を開く (&D)"), QStringLiteral("cmdOpenDictionary_2"),
                                   QStringLiteral("dictionary"));
    mnuSetup->addSeparator();
    cmdSetup = menuItem(mnuSetup, QStringLiteral("基本設定 (&S)"), QStringLiteral("cmdSetup"), QStringLiteral("setup"));

    mnuRecord = bar->addMenu(QStringLiteral("成績表示 (&G)"));
    mnuRecord->setObjectName(QStringLiteral("mnuRecord"));
    cmdShowError = menuItem(mnuRecord, QStringLiteral("間違えの表示 (&E)"), QStringLiteral("cmdShowError"),
                            QStringLiteral("error"));
    cmdShowPercent = menuItem(mnuRecord, QStringLiteral("正解率の表示 (&P)"), QStringLiteral("cmdShowPercent"),
                              QStringLiteral("percent"));
    cmdShowGraph = menuItem(mnuRecord, QStringLiteral("グラフの表示 (&G)"), QStringLiteral("cmdShowGraph"),
                            QStringLiteral("graph"));
    cmdShowHistory = menuItem(mnuRecord, QStringLiteral("学習履歴の表示 (&H)"), QStringLiteral("cmdShowHistory"),
                              QStringLiteral("history"));

    mnuView = bar->addMenu(QStringLiteral("表示 (&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    pmToolBar = new QMenu(this);
    pmToolBar->setObjectName(QStringLiteral("pmToolBar"));
    struct BarItem
    {
        QAction **view;
        QAction **popup;
        const char *text;
        const char *name;
        bool checked;
    };
    const BarItem items[] = {
        {&cmdStandardToolBar, &cmdStandardToolBar_2, "基本操作ツールバー (&B)", "cmdStandardToolBar", true},
        {&cmdFileToolBar, &cmdFileToolBar_2, "ファイル操作ツールバー (&F)", "cmdFileToolBar", true},
        {&cmdQuestionSetupToolBar, &cmdQuestionSetupToolBar_2, "出題設定ツールバー (&Q)", "cmdQuestionSetupToolBar",
         false},
        {&cmdRightCommandButton, &cmdRightCommandButton_2, "ライトコマンドボタン (&R)", "cmdRightCommandButton", true},
        {&cmdStatusBar, &cmdStatusBar_2, "ステータスバー (&S)", "cmdStatusBar", true},
    };
    for (const BarItem &it : items) {
        const QString text = QString::fromUtf8(it.text);
        const QString name = QString::fromLatin1(it.name);
        *it.view = menuItem(mnuView, text, name);
        *it.popup = menuItem(pmToolBar, text, name + QStringLiteral("_2"));
        for (QAction *a : {*it.view, *it.popup}) {
            a->setCheckable(true);
            a->setChecked(it.checked);
        }
    }

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプ (&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    cmdHelp = menuItem(mnuHelp, QStringLiteral("ヘルプを開く"), QStringLiteral("cmdHelp"), QStringLiteral("help"));
    cmdHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator();
    cmdVersion = menuItem(mnuHelp, QStringLiteral("バージョン情報 (&V)"), QStringLiteral("cmdVersion"),
                          QStringLiteral("version"));
    cmdHomepage = menuItem(mnuHelp, QStringLiteral("ホームページへ (&W)"), QStringLiteral("cmdHomepage"),
                           QStringLiteral("homepage"));

    pmMain = new QMenu(this);
    pmMain->setObjectName(QStringLiteral("pmMain"));
    cmdStart_2 = menuItem(pmMain, QStringLiteral("始める (&B)"), QStringLiteral("cmdStart_2"), QStringLiteral("start"));
    cmdResult_2 = menuItem(pmMain, QStringLiteral("結果 (&R)"), QStringLiteral("cmdResult_2"), QStringLiteral("result"));
    cmdStop_2 = menuItem(pmMain, QStringLiteral("止める (&G)"), QStringLiteral("cmdStop_2"), QStringLiteral("stop"));
    pmMain->addSeparator();
    cmdDelete_2 = menuItem(pmMain, QStringLiteral("単語を一つ消す (&D)"), QStringLiteral("cmdDelete_2"),
                           QStringLiteral("delete"));
    cmdClear_2 = menuItem(pmMain, QStringLiteral("すべてやり直す (&C)"), QStringLiteral("cmdClear_2"),
                          QStringLiteral("clear"));
    pmMain->addSeparator();
    cmdPlay_2 = menuItem(pmMain, QStringLiteral("音声の再生"), QStringLiteral("cmdPlay_2"), QStringLiteral("play"));
    cmdPlay_2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    addAction(cmdPlay_2); // the shortcut works without opening the menu
    pmMain->addSeparator();
    cmdOpenReference_3 = menuItem(pmMain, QStringLiteral("参考書を開く (&R)"), QStringLiteral("cmdOpenReference_3"),
                                  QStringLiteral("reference"));
    cmdOpenDictionary_3 = menuItem(pmMain, QStringLiteral("辞書を開く (&V)"), QStringLiteral("cmdOpenDictionary_3"),
                                   QStringLiteral("dictionary"));
    pmMain->addSeparator();
    cmdSetup_2 = menuItem(pmMain, QStringLiteral("基本設定 (&S)"), QStringLiteral("cmdSetup_2"), QStringLiteral("setup"));
    pmMain->addSeparator();
    cmdExit_2 = menuItem(pmMain, QStringLiteral("終了 (&X)"), QStringLiteral("cmdExit_2"));
}

void TfrmMain::ConnectCommands()
{
    using Handler = void (TfrmMain::*)();
    auto onClick = [this](QAbstractButton *b, Handler h) {
        connect(b, &QAbstractButton::clicked, this, [this, h] { (this->*h)(); });
    };
    auto onTrigger = [this](QAction *a, Handler h) {
        connect(a, &QAction::triggered, this, [this, h] { (this->*h)(); });
    };

    onClick(cmdStart, &TfrmMain::cmdStartClick);
    onClick(cmdStart_1, &TfrmMain::cmdStartClick);
    onTrigger(cmdStart_2, &TfrmMain::cmdStartClick);
    onClick(cmdResult, &TfrmMain::cmdResultClick);
    onClick(cmdResult_1, &TfrmMain::cmdResultClick);
    onTrigger(cmdResult_2, &TfrmMain::cmdResultClick);
    onClick(cmdStop, &TfrmMain::cmdStopClick);
    onClick(cmdStop_1, &TfrmMain::cmdStopClick);
    onTrigger(cmdStop_2, &TfrmMain::cmdStopClick);
    onTrigger(cmdDelete, &TfrmMain::cmdDeleteClick);
    onClick(cmdDelete_1, &TfrmMain::cmdDeleteClick);
    onTrigger(cmdDelete_2, &TfrmMain::cmdDeleteClick);
    onClick(cmdClear, &TfrmMain::cmdClearClick);
    onClick(cmdClear_1, &TfrmMain::cmdClearClick);
    onTrigger(cmdClear_2, &TfrmMain::cmdClearClick);
    onClick(cmdPlay, &TfrmMain::cmdPlayClick);
    onClick(cmdPlay_1, &TfrmMain::cmdPlayClick);
    onTrigger(cmdPlay_2, &TfrmMain::cmdPlayClick);
    onClick(cmdOpenReference, &TfrmMain::cmdOpenReferenceClick);
    onClick(cmdOpenReference_1, &TfrmMain::cmdOpenReferenceClick);
    onTrigger(cmdOpenReference_2, &TfrmMain::cmdOpenReferenceClick);
    onTrigger(cmdOpenReference_3, &TfrmMain::cmdOpenReferenceClick);
    onClick(cmdOpenDictionary, &TfrmMain::cmdOpenDictionaryClick);
    onClick(cmdOpenDictionary_1, &TfrmMain::cmdOpenDictionaryClick);
    onTrigger(cmdOpenDictionary_2, &TfrmMain::cmdOpenDictionaryClick);
    onTrigger(cmdOpenDictionary_3, &TfrmMain::cmdOpenDictionaryClick);
    onTrigger(cmdSetup, &TfrmMain::cmdSetupClick);
    onClick(cmdSetup_1, &TfrmMain::cmdSetupClick);
    onTrigger(cmdSetup_2, &TfrmMain::cmdSetupClick);
    onTrigger(cmdShowError, &TfrmMain::cmdShowErrorClick);
    onClick(cmdShowError_1, &TfrmMain::cmdShowErrorClick);
    onTrigger(cmdShowPercent, &TfrmMain::cmdShowPercentClick);
    onClick(cmdShowPercent_1, &TfrmMain::cmdShowPercentClick);
    onTrigger(cmdShowGraph, &TfrmMain::cmdShowGraphClick);
    onClick(cmdShowGraph_1, &TfrmMain::cmdShowGraphClick);
    onTrigger(cmdShowHistory, &TfrmMain::cmdShowHistoryClick);
    onClick(cmdShowHistory_1, &TfrmMain::cmdShowHistoryClick);
    onTrigger(cmdMakeQuestion, &TfrmMain::cmdMakeQuestionClick);
    onClick(cmdMakeQuestion_1, &TfrmMain::cmdMakeQuestionClick);
    onTrigger(cmdImportQuestion, &TfrmMain::cmdImportQuestionClick);
    onTrigger(cmdEditQuestionFile, &TfrmMain::cmdEditQuestionFileClick);
    onTrigger(cmdPrintQuestionFile, &TfrmMain::cmdPrintQuestionFileClick);
    onClick(cmdPrint, &TfrmMain::cmdPrintQuestionFileClick);
    onTrigger(cmdMakeReference, &TfrmMain::cmdMakeReferenceClick);
    onClick(cmdMakeReference_1, &TfrmMain::cmdMakeReferenceClick);
    onClick(cmdNewText, &TfrmMain::cmdNewTextClick);
    onTrigger(cmdHelp, &TfrmMain::cmdHelpClick);
    onClick(cmdHelp_1, &TfrmMain::cmdHelpClick);
    onTrigger(cmdVersion, &TfrmMain::cmdVersionClick);
    onClick(cmdVersion_1, &TfrmMain::cmdVersionClick);
    onTrigger(cmdHomepage, &TfrmMain::cmdHomepageClick);
    onClick(cmdHomepage_1, &TfrmMain::cmdHomepageClick);
    onTrigger(cmdExit, &TfrmMain::cmdExitClick);
    onTrigger(cmdExit_2, &TfrmMain::cmdExitClick);

    onClick(cmdSelectQuestionFile, &TfrmMain::cmdSelectQuestionFileClick);
    onClick(cmdQOpenByMemo, &TfrmMain::cmdQOpenByMemoClick);
    onClick(cmdSelectReferenceFile, &TfrmMain::cmdSelectReferenceFileClick);
    onClick(cmdROpenByMemo, &TfrmMain::cmdROpenByMemoClick);
    onClick(cmdOk, &TfrmMain::cmdOkClick);
    // The drop-downs report what the learner does (picking or typing), not
    // the texts the program sets.
    connect(cboQuestionFile, &QComboBox::textActivated, this, [this] { cboQuestionFileChange(); });
    connect(cboQuestionFile->lineEdit(), &QLineEdit::textEdited, this, [this] { cboQuestionFileChange(); });
    connect(cboReferenceFile, &QComboBox::textActivated, this, [this] { cboReferenceFileChange(); });
    connect(cboReferenceFile->lineEdit(), &QLineEdit::textEdited, this, [this] { cboReferenceFileChange(); });
    connect(cboQuestionType, &QComboBox::activated, this, [this] { cboQuestionTypeChange(); });
    connect(cboAnswerType, &QComboBox::activated, this, [this] { cboAnswerTypeChange(); });
    connect(lstAnswer, &QListWidget::itemDoubleClicked, this, [this] { lstAnswerDblClick(); });

    // The bar items: a click inverts the View item's check itself, so the
    // automatic toggle of a checkable item is undone first.
    auto barItem = [this](QAction *a, Handler h) {
        connect(a, &QAction::triggered, this, [this, a, h](bool checked) {
            a->setChecked(!checked);
            (this->*h)();
        });
    };
    barItem(cmdStandardToolBar, &TfrmMain::cmdStandardToolBarClick);
    barItem(cmdStandardToolBar_2, &TfrmMain::cmdStandardToolBarClick);
    barItem(cmdFileToolBar, &TfrmMain::cmdFileToolBarClick);
    barItem(cmdFileToolBar_2, &TfrmMain::cmdFileToolBarClick);
    barItem(cmdQuestionSetupToolBar, &TfrmMain::cmdQuestionSetupToolBarClick);
    barItem(cmdQuestionSetupToolBar_2, &TfrmMain::cmdQuestionSetupToolBarClick);
    barItem(cmdRightCommandButton, &TfrmMain::cmdRightCommandButtonClick);
    barItem(cmdRightCommandButton_2, &TfrmMain::cmdRightCommandButtonClick);
    barItem(cmdStatusBar, &TfrmMain::cmdStatusBarClick);
    barItem(cmdStatusBar_2, &TfrmMain::cmdStatusBarClick);
    connect(tbStandardToolBar, &TToolBar::closeClicked, this, &TfrmMain::tbStandardToolBarClose);
    connect(tbFileToolBar, &TToolBar::closeClicked, this, &TfrmMain::tbFileToolBarClose);
    connect(tbQuestionSetupToolBar, &TToolBar::closeClicked, this, &TfrmMain::tbQuestionSetupToolBarClose);

    connect(tmrDate, &QTimer::timeout, this, &TfrmMain::tmrDateTimer);
    connect(tmrTimer, &QTimer::timeout, this, &TfrmMain::tmrTimerTimer);
}

// --- first showing ------------------------------------------------------------------

void TfrmMain::setVisible(bool visible)
{
    // The first showing runs before the window reaches the screen: a
    // window manager honours a recorded place only when it is given before
    // the window is first mapped.
    if (visible && !FirstShowDone) {
        FirstShowDone = true;
        FormShow();
    }
    QMainWindow::setVisible(visible);
}

void TfrmMain::FormShow()
{
    // 1-2: program folder and User.ini.
    settings.ProgramFolder = Paths::programFolder();
    settings.Boot = 0;
    const UserIniStart start = ReadUserIniStart(settings.ProgramFolder);
    settings.Boot = start.Boot;
    settings.ShowUser = start.ShowUser;
    settings.UserName = start.UserName;
    settings.UserNum = RegisteredUsers(settings.ProgramFolder).size();

    // 3: the user step.
    if (!FlagNonZero(settings.Boot))
        platform().message(this, PlainCaption(), kWelcome, MsgKind::Information);
    // A user without a folder (the user dialog was closed on a first run)
    // could keep no records; the dialog is asked again until one is chosen.
    const bool userHasFolder = Paths::isSafeName(settings.UserName)
                               && QFileInfo(settings.ProgramFolder + settings.UserName).isDir();
    if (!FlagOn(settings.ShowUser) && FlagNonZero(settings.Boot) && userHasFolder) {
        RaiseUserStartCount(settings);
    } else {
        TfrmUser dialog(settings, this);
        platform().execDialog(&dialog);
    }

    // Leftovers of saves a crash interrupted in an earlier run.
    RemoveStaleTempFiles(settings.ProgramFolder);
    if (Paths::isSafeName(settings.UserName))
        RemoveStaleTempFiles(settings.userFolder());

    // 4-6: position and size. The recorded bounds are the outer ones: the
    // position places the frame; the frame's own size is known only once
    // the window is shown, and the size is fitted then (AfterShown).
    const WindowPlacement place = ReadWindowPlacement(settings);
    if (place.Move)
        move(place.Left, place.Top);
    if (place.Resize) {
        resize(qMax(1, place.Width), qMax(1, place.Height));
        RecordedOuterSize = QSize(qMax(1, place.Width), qMax(1, place.Height));
    }
    if (place.Maximize)
        setWindowState(windowState() | Qt::WindowMaximized);

    // 7: every setting.
    LoadSettings(settings);

    // 8: the companion learns where the window is, once it is on the screen
    // (maximised, placed and framed): the first showing is still going on.
    QTimer::singleShot(0, this, [this] { AfterShown(kAfterShownTries); });

    // 9: the recent-file lists, and the start-up files under their names.
    cboQuestionFile->clear();
    cboQuestionFile->addItems(RecentFileNames(settings, RecentList::Question));
    cboReferenceFile->clear();
    cboReferenceFile->addItems(RecentFileNames(settings, RecentList::Reference));
    RememberRecentPath(settings, RecentList::Question, settings.DefQuestionFilePath);
    RememberRecentPath(settings, RecentList::Reference, settings.DefReferenceFilePath);

    // 10: current files.
    cboQuestionFile->setEditText(Paths::fileName(settings.DefQuestionFilePath));
    cboReferenceFile->setEditText(Paths::fileName(settings.DefReferenceFilePath));
    settings.QuestionFilePath = settings.DefQuestionFilePath;
    settings.ReferenceFilePath = settings.DefReferenceFilePath;
    settings.QuestionBaseName = Paths::baseName(settings.QuestionFilePath);

    // 11: the recent-drill slot of this collection.
    details.NowCount = LoadRecentDrillSlot(settings);

    // 12-14: the look.
    ApplyDisplaySettings();
    if (FlagOn(settings.SaveToolBar)) {
        const BarVisibility bars = ReadBarVisibility(settings);
        SetBarVisible(tbStandardToolBar, cmdStandardToolBar, cmdStandardToolBar_2, bars.StandardToolBar);
        SetBarVisible(tbFileToolBar, cmdFileToolBar, cmdFileToolBar_2, bars.FileToolBar);
        SetBarVisible(tbQuestionSetupToolBar, cmdQuestionSetupToolBar, cmdQuestionSetupToolBar_2,
                      bars.QuestionSetupToolBar);
        SetBarVisible(pnlRightCommandButton, cmdRightCommandButton, cmdRightCommandButton_2,
                      bars.RightCommandButton);
        SetBarVisible(sbInfo, cmdStatusBar, cmdStatusBar_2, bars.StatusBar);
    }
    ApplyButtonStyle();

    // 15: the drill set-up of the previous run.
    cboQuestionType->setCurrentIndex(qBound(0, settings.QuestionType, cboQuestionType->count() - 1));
    cboAnswerType->setCurrentIndex(qBound(0, settings.AnswerType, cboAnswerType->count() - 1));
    udQuestionNum->setValue(settings.QuestionNum);

    // 16: the companion.
    if (settings.VoiceOn == 1) {
        Companion::launch(settings);
        Companion::react(settings, Companion::Greeting);
    }

    // 17: idle.
    settings.TimeLimitOn = 0;
    settings.TimeLimit = 5;
    drill.AskedCount = 0;
    drill.AtariCount = 0;
    drill.HazureCount = 0;
    drill.Repeating = 0;
    drill.WordTaken = 0;
    drill.RemainingSeconds = 0;
    SetDrillState(false);
    moQuestion->clear();
    moHole->clear();
    txtAnswer->clear();
    moComment->clear();
    cmdStart->setFocus();

    // 18-19: the plan and the date timer.
    if (settings.ShowPlanOn == 1)
        ShowPlanSummary();
    tmrDate->start(500);
}

void TfrmMain::AfterShown(int triesLeft)
{
    if (ShutdownDone || !isVisible())
        return;
    auto again = [this, triesLeft] {
        QTimer::singleShot(50, this, [this, triesLeft] { AfterShown(triesLeft - 1); });
    };
    if (windowHandle() && !windowHandle()->isExposed() && triesLeft > 0)
        return again();
    // The frame is known now: the recorded outer size becomes the frame's.
    if (RecordedOuterSize.isValid() && !isMaximized()) {
        const QSize frame = frameGeometry().size() - size();
        if (frame != QSize(0, 0) && frameGeometry().size() != RecordedOuterSize && triesLeft > 0) {
            if (!OuterSizeFitted) {
                OuterSizeFitted = true;
                resize(qMax(1, RecordedOuterSize.width() - frame.width()),
                       qMax(1, RecordedOuterSize.height() - frame.height()));
            }
            return again(); // until the window manager has carried it out
        }
    }
    Companion::handOver(settings, ShownFrame());
}

QRect TfrmMain::RecordedGeometry() const
{
    return frameGeometry();
}

QRect TfrmMain::ShownFrame() const
{
    // A maximised window covers the screen's free area, also while the
    // window manager is still carrying out the maximising.
    if ((windowState() & Qt::WindowMaximized) && screen())
        return screen()->availableGeometry();
    return frameGeometry();
}

// --- the look -------------------------------------------------------------------------

void TfrmMain::ApplyDisplaySettings()
{
    auto setText = [](QWidget *w, const QFont &font, int color, const QColor &background = QColor()) {
        w->setFont(font);
        SetPaneTextColor(w, ColorFromNumber(color), background);
    };
    setText(moQuestion, FaceFont(settings.FontQuestion, settings.FontQuestionSize), settings.FontQuestionColor);
    setText(moHole, FaceFont(settings.FontHole, settings.FontHoleSize), settings.FontHoleColor, Qt::black);
    setText(txtAnswer, PixelFont(settings.FontAnswer, 14), settings.FontAnswerColor);
    setText(moComment, FaceFont(settings.FontComment, settings.FontCommentSize), settings.FontCommentColor);

    cgQuestionNum->setForeColor(ColorFromNumber(settings.ColorQuestionNum));
    cgAtariNum->setForeColor(ColorFromNumber(settings.ColorAtariNum));
    cgPercent->setForeColor(ColorFromNumber(settings.ColorPercent));
    cgTime->setForeColor(ColorFromNumber(settings.ColorTime));

    pnlComment->setVisible(settings.ShowComment == 1);
    pnlHint->setVisible(settings.ShowHint == 1);
    FitHolePane();
}

void TfrmMain::SetQuestionPaneHeight(int height)
{
    // Everything else of the window keeps its height; the two panes share
    // what the screen leaves (with a little room for the answer list and
    // the window frame).
    constexpr int kAnswerListAndFrame = 100;
    const QScreen *where = screen();
    const int available = where ? where->availableGeometry().height() : 768;
    const int others = menuBar()->sizeHint().height() + dkToolBar->height() + pnlAnswer->height()
                       + pnlData->height() + (sbInfo->isHidden() ? 0 : sbInfo->sizeHint().height())
                       + kAnswerListAndFrame;
    const PaneHeights h = FitPaneHeights(height, pnlComment->isHidden() ? 0 : settings.moCommentSize,
                                         available - others);
    pnlQuestion->setFixedHeight(h.Question);
    if (moHole->minimumHeight() > h.Question)
        moHole->setFixedHeight(h.Question);
    pnlComment->setFixedHeight(h.Comment);
}

void TfrmMain::FitHolePane()
{
    // The sentence laid out at the width the pane has inside the question
    // pane, with the text edit's frame around it.
    const int frame = 2 * moHole->frameWidth();
    const int width = pnlQuestion->contentsRect().width() - 2 - frame;
    QScopedPointer<QTextDocument> doc(moHole->document()->clone());
    doc->setTextWidth(qMax(1, width));
    const int needed = qCeil(doc->size().height()) + frame;
    moHole->setFixedHeight(qMax(qMax(0, settings.moHoleSize), needed));
    SetQuestionPaneHeight(settings.moQuestionSize + (moHole->isHidden() ? 0 : moHole->height()));
}

void TfrmMain::ApplyButtonStyle()
{
    const bool flat = settings.NotFlat != 1;
    for (QToolButton *b : {cmdStart_1, cmdResult_1, cmdStop_1, cmdDelete_1, cmdClear_1, cmdOpenReference_1,
                           cmdOpenDictionary_1, cmdShowError_1, cmdShowPercent_1, cmdShowGraph_1, cmdShowHistory_1,
                           cmdSetup_1, cmdHelp_1, cmdVersion_1, cmdHomepage_1, cmdSelectQuestionFile,
                           cmdMakeQuestion_1, cmdQOpenByMemo, cmdSelectReferenceFile, cmdMakeReference_1,
                           cmdROpenByMemo, cmdNewText, cmdOk})
        b->setAutoRaise(flat);
    // The play and print buttons keep their flat look.
    cmdPlay_1->setAutoRaise(true);
    cmdPrint->setAutoRaise(true);
}

// --- bars ----------------------------------------------------------------------------------

void TfrmMain::SetBarVisible(QWidget *bar, QAction *viewItem, QAction *popupItem, bool visible)
{
    viewItem->setChecked(visible);
    popupItem->setChecked(visible);
    bar->setVisible(visible);
    LayoutDock();
}

void TfrmMain::cmdStandardToolBarClick()
{
    SetBarVisible(tbStandardToolBar, cmdStandardToolBar, cmdStandardToolBar_2, !cmdStandardToolBar->isChecked());
}

void TfrmMain::cmdFileToolBarClick()
{
    SetBarVisible(tbFileToolBar, cmdFileToolBar, cmdFileToolBar_2, !cmdFileToolBar->isChecked());
}

void TfrmMain::cmdQuestionSetupToolBarClick()
{
    // Shown again, the set-up toolbar always comes back on its own row.
    SetBarVisible(tbQuestionSetupToolBar, cmdQuestionSetupToolBar, cmdQuestionSetupToolBar_2,
                  !cmdQuestionSetupToolBar->isChecked());
}

void TfrmMain::cmdRightCommandButtonClick()
{
    SetBarVisible(pnlRightCommandButton, cmdRightCommandButton, cmdRightCommandButton_2,
                  !cmdRightCommandButton->isChecked());
}

void TfrmMain::cmdStatusBarClick()
{
    SetBarVisible(sbInfo, cmdStatusBar, cmdStatusBar_2, !cmdStatusBar->isChecked());
}

void TfrmMain::tbStandardToolBarClose()
{
    SetBarVisible(tbStandardToolBar, cmdStandardToolBar, cmdStandardToolBar_2, false);
}

void TfrmMain::tbFileToolBarClose()
{
    SetBarVisible(tbFileToolBar, cmdFileToolBar, cmdFileToolBar_2, false);
}

void TfrmMain::tbQuestionSetupToolBarClose()
{
    SetBarVisible(tbQuestionSetupToolBar, cmdQuestionSetupToolBar, cmdQuestionSetupToolBar_2, false);
}

// Row 0: the basic toolbar at the left and the file toolbar from 414 pixels
// (or right after the basic toolbar when that is wider; on a row of its own
// when the window is too narrow for both). The set-up toolbar has the next
// row. The dock is as high as its rows.
void TfrmMain::LayoutDock()
{
    const int width = qMax(1, dkToolBar->width() > 1 ? dkToolBar->width() : this->width());
    int rowHeight = 0;
    for (TToolBar *t : {tbStandardToolBar, tbFileToolBar, tbQuestionSetupToolBar})
        rowHeight = qMax(rowHeight, t->sizeHint().height());

    int row = -1;
    int x = 0;
    if (!tbStandardToolBar->isHidden()) {
        row = 0;
        const int w = tbStandardToolBar->sizeHint().width();
        tbStandardToolBar->setGeometry(0, 0, w, rowHeight);
        x = w;
    }
    if (!tbFileToolBar->isHidden()) {
        const int w = tbFileToolBar->sizeHint().width();
        int left = qMax(kFileToolBarLeft, x);
        if (row == 0 && left + w > width) {
            row = 1;
            left = 0;
        } else {
            row = 0;
        }
        tbFileToolBar->setGeometry(left, row * rowHeight, qMin(w, qMax(1, width - left)), rowHeight);
    }
    if (!tbQuestionSetupToolBar->isHidden()) {
        row += 1;
        tbQuestionSetupToolBar->setGeometry(0, row * rowHeight, tbQuestionSetupToolBar->sizeHint().width(),
                                            rowHeight);
    }
    dkToolBar->setFixedHeight((row + 1) * rowHeight);
}

bool TfrmMain::IsInToolBarArea(QWidget *w) const
{
    for (; w && w != this; w = w->parentWidget())
        if (w == dkToolBar || w == pnlRightCommandButton || w == sbInfo)
            return true;
    return false;
}

// --- events ---------------------------------------------------------------------------------

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    LayoutStatusPanels();
    LayoutDock();
    if (!moHole->isHidden())
        FitHolePane();
}

void TfrmMain::LayoutStatusPanels()
{
    sbInfo->setPanelWidth(0, StatusPanel0Width(frameGeometry().width()));
    const int widths[] = {150, 150, 100, 135};
    for (int i = 0; i < 4; ++i)
        sbInfo->setPanelWidth(i + 1, widths[i]);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *event)
{
    QWidget *under = childAt(event->pos());
    QMenu *menu = IsInToolBarArea(under) ? pmToolBar : pmMain;
    menu->popup(event->globalPos());
    event->accept();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dkToolBar && event->type() == QEvent::Resize)
        LayoutDock();
    if (watched == txtAnswer && event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (cmdPlay_2->isEnabled() && key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_V)) {
            event->ignore();
            return true; // the window's shortcut plays instead of pasting
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- date timer ------------------------------------------------------------------------------

void TfrmMain::tmrDateTimer()
{
    if (settings.PlanOn == 1)
        PlanCountdown();
    else
        sbInfo->setPanelText(5, QString());
    RefreshDateAndCaption();
}

void TfrmMain::RefreshDateAndCaption()
{
    dates = DateStrings::from(Clock::currentTime());
    setWindowTitle(CaptionText());
}

QString TfrmMain::CaptionText() const
{
    return MainCaption(settings, dates);
}

// --- shutdown --------------------------------------------------------------------------------

void TfrmMain::cmdExitClick()
{
    close();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    if (ShutdownDone)
        return;
    ShutdownDone = true;

    // 1-2
    tmrDate->stop();
    tmrTimer->stop();
    settings.Boot = 1;
    Companion::shutDown(settings);

    // 3
    ShutdownRecord r;
    r.Maximized = isMaximized();
    r.Bars.StandardToolBar = !tbStandardToolBar->isHidden();
    r.Bars.FileToolBar = !tbFileToolBar->isHidden();
    r.Bars.QuestionSetupToolBar = !tbQuestionSetupToolBar->isHidden();
    r.Bars.RightCommandButton = !pnlRightCommandButton->isHidden();
    r.Bars.StatusBar = !sbInfo->isHidden();
    const QRect bounds = RecordedGeometry();
    r.Left = bounds.x();
    r.Top = bounds.y();
    r.Width = bounds.width();
    r.Height = bounds.height();

    // 4
    QString error;
    if (!WriteShutdownUser(settings, &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);

    // 5-6. Without a user folder (the user dialog closed on a first run) the
    // user's settings have nowhere to go and are dropped.
    r.AnswerType = cboAnswerType->currentIndex();
    r.QuestionType = cboQuestionType->currentIndex();
    r.QuestionNum = settings.QuestionNum;
    r.QuestionFile = settings.QuestionFilePath;
    r.ReferenceFile = settings.ReferenceFilePath;
    if (!WriteShutdownSetup(settings, r, &error) && QFileInfo(settings.userFolder()).isDir())
        platform().message(this, ErrorCaption(),
                           QStringLiteral("設定を保存できませんでした\n") + error, MsgKind::Warning);
}
