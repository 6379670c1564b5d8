#include "settings/frmSetup.h"

#include "app/frmMain.h"
#include "companion/Companion.h"
#include "companion/UiCompanion.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "settings/SetupRules.h"
#include "settings/Users.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"
#include "widgets/UpDown.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QValidator>
#include <QVBoxLayout>

namespace {

const char *kTextColor = "textColor";

template <typename T>
T *named(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QCheckBox *check(QWidget *parent, const char *name, const QString &text)
{
    return named(new QCheckBox(text, parent), name);
}

QLabel *label(QWidget *parent, const QString &text)
{
    return new QLabel(text, parent);
}

QLineEdit *pathBox(QWidget *parent, const char *name)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    return box;
}

QLineEdit *numberBox(QWidget *parent, const char *name, int width = 44)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

TUpDown *spinner(QWidget *parent, const char *name, QLineEdit *box, int minimum, int maximum)
{
    auto *ud = named(new TUpDown(parent), name);
    ud->setAssociate(box);
    ud->setRange(minimum, maximum);
    return ud;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets, int indent = 0, bool stretch = true)
{
    auto *h = new QHBoxLayout;
    h->setSpacing(2);
    if (indent)
        h->addSpacing(indent);
    for (QWidget *w : widgets)
        h->addWidget(w);
    if (stretch)
        h->addStretch(1);
    return h;
}

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(3);
    return v;
}

void setPathBox(QLineEdit *box, const QString &path)
{
    box->setText(path);
    box->setToolTip(path);
    // A path longer than the box shows its end: the file's name is what the
    // learner looks for (the tooltip holds the whole path).
    box->setCursorPosition(int(path.size()));
}

void setComboColor(QComboBox *combo, const QColor &color)
{
    combo->setProperty(kTextColor, color);
    // The face is shown in the chosen colour on a background it can be read
    // on (the white hole text, black text in a dark theme).
    const QPalette theme = QApplication::palette(combo);
    QPalette pal = combo->palette();
    pal.setColor(QPalette::Text, color);
    pal.setColor(QPalette::ButtonText, color);
    pal.setColor(QPalette::Base, ReadableBackground(color, theme.color(QPalette::Base)));
    pal.setColor(QPalette::Button, ReadableBackground(color, theme.color(QPalette::Button)));
    combo->setPalette(pal);
}

QColor comboColor(const QComboBox *combo)
{
    return combo->property(kTextColor).value<QColor>();
}

// The plan purpose editor: at most 20 CP932 bytes and no ",".
class PurposeValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return PlanPurposeAcceptable(input) ? Acceptable : Invalid;
    }
};

QTreeWidget *listView(QWidget *parent, const char *name, const QStringList &columns)
{
    auto *list = named(new QTreeWidget(parent), name);
    list->setColumnCount(columns.size());
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsMovable(false);
    return list;
}

} // namespace

// --- colour swatch -------------------------------------------------------------------------

TColorPanel::TColorPanel(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedSize(40, 18);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void TColorPanel::setColor(const QColor &color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void TColorPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// --- construction ---------------------------------------------------------------------------

TfrmSetup::TfrmSetup(TfrmMain *main, QWidget *parent)
    : QDialog(parent ? parent : main), m_main(main), m_settings(main->settings)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("基本設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());

    lblTitle = named(new QLabel(QStringLiteral("ここでは、Ulvendoの各種設定を行います"), this), "lblTitle");
    PaintBlack(lblTitle);
    lblTitle->setContentsMargins(8, 5, 8, 5);

    // A page control with its tabs in two rows.
    const QStringList captions{QStringLiteral("全般"),     QStringLiteral("ファイル"), QStringLiteral("ユーザー"),
                               QStringLiteral("サウンド"), QStringLiteral("カラー"),   QStringLiteral("フォント"),
                               QStringLiteral("スケジュール"), QStringLiteral("音声"), QStringLiteral("その他")};
    auto *tabGroup = new QButtonGroup(this);
    tabGroup->setExclusive(true);
    auto *tabs = new QGridLayout;
    tabs->setSpacing(0);
    tabs->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < captions.size(); ++i) {
        auto *tab = new QToolButton(this);
        tab->setObjectName(QStringLiteral("tab%1").arg(i));
        tab->setText(captions.at(i));
        tab->setCheckable(true);
        tab->setAutoRaise(false);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // The theme's colours: readable in a light and in a dark theme.
        tab->setStyleSheet(QStringLiteral(
            "QToolButton { border: 1px solid palette(mid); border-bottom: none; background: palette(button);"
            " color: palette(button-text); padding: 3px 4px; margin-top: 2px; }"
            "QToolButton:checked { background: palette(base); color: palette(text); margin-top: 0px;"
            " font-weight: bold; }"));
        tabGroup->addButton(tab, i);
        tabPages << tab;
        const int r = i < 5 ? 0 : 1;
        const int c = i < 5 ? i * 4 : (i - 5) * 5;
        tabs->addWidget(tab, r, c, 1, i < 5 ? 4 : 5);
    }
    connect(tabGroup, &QButtonGroup::idClicked, this, &TfrmSetup::selectPage);

    pcSetup = named(new QStackedWidget(this), "pcSetup");
    pcSetup->setFrameShape(QFrame::StyledPanel);
    pcSetup->addWidget(CreateGeneralPage());
    pcSetup->addWidget(CreateFilePage());
    pcSetup->addWidget(CreateUserPage());
    pcSetup->addWidget(CreateSoundPage());
    pcSetup->addWidget(CreateColorPage());
    pcSetup->addWidget(CreateFontPage());
    pcSetup->addWidget(CreatePlanPage());
    pcSetup->addWidget(CreateVoicePage());
    pcSetup->addWidget(CreateOtherPage());

    cmdOk = named(new QPushButton(QStringLiteral("&OK"), this), "cmdOk");
    cmdOk->setDefault(true);
    cmdOk->setMinimumWidth(75);
    cmdCancel = named(new QPushButton(QStringLiteral("キャンセル"), this), "cmdCancel");
    cmdCancel->setMinimumWidth(75);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmSetup::cmdCancelClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);
    layout->addWidget(lblTitle);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(6, 0, 6, 0);
    body->setSpacing(0);
    body->addLayout(tabs);
    body->addWidget(pcSetup, 1);
    layout->addLayout(body, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 0);
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    // Client 361 x 432, grown only when the fonts of this desktop need more.
    const QSize need = layout->minimumSize().expandedTo(QSize(361, 432));
    setFixedSize(need);
    selectPage(0);
}

void TfrmSetup::selectPage(int index)
{
    if (index < 0 || index >= pcSetup->count())
        return;
    pcSetup->setCurrentIndex(index);
    tabPages.at(index)->setChecked(true);
    // On the plan page Enter adds a goal.
    const bool planPage = index == 6;
    cmdAdd->setDefault(planPage);
    cmdAdd->setAutoDefault(planPage);
    cmdOk->setDefault(!planPage);
}

int TfrmSetup::currentPage() const
{
    return pcSetup->currentIndex();
}

QWidget *TfrmSetup::CreateGeneralPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    v->setSpacing(1);
    chkTimerOn = check(page, "chkTimerOn", QStringLiteral("時間制限をする (&T)"));
    lblTime = label(page, QStringLiteral("時間設定 ： "));
    txtTime = numberBox(page, "txtTime", 36);
    udTime = spinner(page, "udTime", txtTime, 1, 60);
    lblTimeUnit = label(page, QStringLiteral("秒"));
    chkShowResult = check(page, "chkShowResult", QStringLiteral("正解／不正解の結果を表示する (&S)"));
    chkShowErrorOnly = check(page, "chkShowErrorOnly", QStringLiteral("不正解のときだけ結果を表示する (&E)"));
    chkEasyResultAtari = check(page, "chkEasyResultAtari", QStringLiteral("正解の結果表示を簡易表示にする (&A)"));
    chkEasyResultHazure =
        check(page, "chkEasyResultHazure", QStringLiteral("不正解の結果表示を簡易表示にする (&M)"));
    chkErrorDialogOn =
        check(page, "chkErrorDialogOn", QStringLiteral("全問終了時に間違え表示ダイアログを表示する (&M)"));
    chkAutoImeOn =
        check(page, "chkAutoImeOn", QStringLiteral("出題形式によって自動的に日本語入力を切り替える (&J)"));
    chkRepeatError = check(page, "chkRepeatError", QStringLiteral("間違えた問題を正解するまで繰り返す (&R)"));
    chkImportantOn = check(page, "chkImportantOn", QStringLiteral("問題毎の重要度を設定する (&I)"));
    chkAutoImportantOn = check(page, "chkAutoImportantOn", QStringLiteral("自動的に重要度を設定する (&G)"));
    chkIgnoreCase = check(page, "chkIgnoreCase", QStringLiteral("大文字／小文字を無視する (U)"));
    chkNotPeriod = check(page, "chkNotPeriod", QStringLiteral("ピリオドなどの判定は厳密に行わない (&P)"));
    chkShowComment = check(page, "chkShowComment", QStringLiteral("出題と同時にコメントを表示する (&C)"));
    chkShowHint = check(page, "chkShowHint", QStringLiteral("ヒントを表示する (&H)"));
    lblHint = label(page, QStringLiteral("使用する記号 ： "));
    cboHint = named(new QComboBox(page), "cboHint");
    cboHint->setEditable(true);
    cboHint->addItems({QStringLiteral("#"), QStringLiteral("*"), QStringLiteral("-"), QStringLiteral("+")});
    cboHint->setFixedWidth(48);
    chkMakeLogFile = check(page, "chkMakeLogFile", QStringLiteral("学習ログを作成する (&L)"));

    v->addLayout(row({chkTimerOn}));
    v->addLayout(row({lblTime, txtTime, udTime, lblTimeUnit}, 20));
    v->addLayout(row({chkShowResult}));
    v->addLayout(row({chkShowErrorOnly}, 20));
    v->addLayout(row({chkEasyResultAtari}, 20));
    v->addLayout(row({chkEasyResultHazure}, 20));
    v->addLayout(row({chkErrorDialogOn}));
    v->addLayout(row({chkAutoImeOn}));
    v->addLayout(row({chkRepeatError}));
    v->addLayout(row({chkImportantOn}));
    v->addLayout(row({chkAutoImportantOn}, 20));
    v->addLayout(row({chkIgnoreCase}));
    v->addLayout(row({chkNotPeriod}));
    v->addLayout(row({chkShowComment}));
    v->addLayout(row({chkShowHint}));
    v->addLayout(row({lblHint, cboHint}, 20));
    v->addLayout(row({chkMakeLogFile}));
    v->addStretch(1);

    connect(chkTimerOn, &QCheckBox::clicked, this, &TfrmSetup::chkTimerOnClick);
    connect(chkShowResult, &QCheckBox::clicked, this, &TfrmSetup::chkShowResultClick);
    connect(chkImportantOn, &QCheckBox::clicked, this, &TfrmSetup::chkImportantOnClick);
    connect(chkShowHint, &QCheckBox::clicked, this, &TfrmSetup::chkShowHintClick);
    return page;
}

QWidget *TfrmSetup::CreateFilePage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    auto section = [&](const QString &heading, QLineEdit *&box, const char *boxName, QPushButton *&select,
                       const char *selectName, const QString &selectText) {
        auto *group = new QGroupBox(heading, page);
        auto *g = new QVBoxLayout(group);
        g->setSpacing(3);
        box = pathBox(group, boxName);
        select = named(new QPushButton(selectText, group), selectName);
        auto *h = new QHBoxLayout;
        h->addWidget(box, 1);
        h->addWidget(select);
        g->addLayout(h);
        v->addWidget(group);
        return g;
    };
    QVBoxLayout *g = section(QStringLiteral("デフォルト問題集の設定"), txtdefQuestionFilePath,
                             "txtdefQuestionFilePath", cmdSelectDefQuestionFile, "cmdSelectDefQuestionFile",
                             QStringLiteral("ファイルの選択 (&F)"));
    chkUseEndQuestionFile = check(page, "chkUseEndQuestionFile",
                                  QStringLiteral("最後に使用した問題集をデフォルト問題集とする (&Q)"));
    g->addWidget(chkUseEndQuestionFile);
    g = section(QStringLiteral("デフォルト参考書の設定"), txtdefReferenceFilePath, "txtdefReferenceFilePath",
                cmdSelectDefReferenceFile, "cmdSelectDefReferenceFile", QStringLiteral("ファイルの選択 (&I)"));
    chkUseEndReferenceFile = check(page, "chkUseEndReferenceFile",
                                   QStringLiteral("最後に使用した参考書をデフォルト参考書とする (&R)"));
    g->addWidget(chkUseEndReferenceFile);
    section(QStringLiteral("辞書の設定"), txtdefDictionaryFilePath, "txtdefDictionaryFilePath",
            cmdSelectDefDictionaryFilePath, "cmdSelectDefDictionaryFilePath", QStringLiteral("ファイルの選択 (&L)"));
    cmdNewText = named(new QPushButton(QStringLiteral("&NEW TEXT FILE"), page), "cmdNewText");
    v->addSpacing(6);
    v->addLayout(row({label(page, QStringLiteral("テキストファイルの新規作成 ： ")), cmdNewText}));
    v->addStretch(1);

    connect(cmdSelectDefQuestionFile, &QPushButton::clicked, this, &TfrmSetup::cmdSelectDefQuestionFileClick);
    connect(cmdSelectDefReferenceFile, &QPushButton::clicked, this, &TfrmSetup::cmdSelectDefReferenceFileClick);
    connect(cmdSelectDefDictionaryFilePath, &QPushButton::clicked, this,
            &TfrmSetup::cmdSelectDefDictionaryFilePathClick);
    connect(cmdNewText, &QPushButton::clicked, this, &TfrmSetup::cmdNewTextClick);
    return page;
}

QWidget *TfrmSetup::CreateUserPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    auto *current = new QGroupBox(QStringLiteral("現在使用しているユーザー名"), page);
    auto *c = new QVBoxLayout(current);
    cboUserName = named(new QComboBox(current), "cboUserName");
    cboUserName->setMinimumWidth(200);
    c->addLayout(row({cboUserName}));
    v->addWidget(current);
    chkShowUser = check(page, "chkShowUser", QStringLiteral("複数のユーザーで使用する (&U)"));
    v->addWidget(chkShowUser);

    grpUser = named(new QGroupBox(QStringLiteral("ユーザー登録"), page), "grpUser");
    auto *g = new QVBoxLayout(grpUser);
    lstUser = listView(grpUser, "lstUser", {QStringLiteral("ユーザー名"), QStringLiteral("使用回数")});
    lstUser->header()->resizeSection(0, 180);
    g->addWidget(lstUser, 1);
    txtUserName = named(new QLineEdit(grpUser), "txtUserName");
    cmdAddUserName = named(new QPushButton(QStringLiteral("登録 (&R)"), grpUser), "cmdAddUserName");
    auto *h = new QHBoxLayout;
    h->addWidget(txtUserName, 1);
    h->addWidget(cmdAddUserName);
    g->addLayout(h);
    // The list keeps its own height; the page's free room stays below it.
    v->addWidget(grpUser);
    v->addStretch(1);

    connect(chkShowUser, &QCheckBox::clicked, this, &TfrmSetup::chkShowUserClick);
    connect(cmdAddUserName, &QPushButton::clicked, this, &TfrmSetup::cmdAddUserNameClick);
    return page;
}

QWidget *TfrmSetup::CreateSoundPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    auto sound = [&](QCheckBox *&chk, const char *chkName, const QString &chkText, QLineEdit *&box,
                     const char *boxName, QPushButton *&select, const char *selectName, const QString &selectText,
                     QPushButton *&tryButton, const char *tryName, const QString &tryText) {
        auto *group = new QGroupBox(page);
        auto *g = new QVBoxLayout(group);
        g->setSpacing(3);
        chk = check(group, chkName, chkText);
        box = pathBox(group, boxName);
        box->setAccessibleName(chkText.section(QLatin1Char(' '), 0, 0) + QStringLiteral("の音のファイル"));
        select = named(new QPushButton(selectText, group), selectName);
        tryButton = named(new QPushButton(tryText, group), tryName);
        g->addWidget(chk);
        g->addWidget(box);
        g->addLayout(row({select, tryButton}, 0, false));
        qobject_cast<QHBoxLayout *>(g->itemAt(2)->layout())->insertStretch(0, 1);
        v->addWidget(group);
    };
    sound(chkAtariOn, "chkAtariOn", QStringLiteral("正解のときに音を鳴らす (&A)"), txtAtariSoundFile,
          "txtAtariSoundFile", cmdSelectAtariSoundFile, "cmdSelectAtariSoundFile", QStringLiteral("参照 (&S)"),
          cmdTryAtariSoundFile, "cmdTryAtariSoundFile", QStringLiteral("試聴 (&T)"));
    sound(chkHazureOn, "chkHazureOn", QStringLiteral("不正解のとき音を鳴らす (&H)"), txtHazureSoundFile,
          "txtHazureSoundFile", cmdSelectHazureSoundFile, "cmdSelectHazureSoundFile", QStringLiteral("参照 (&E)"),
          cmdTryHazureSoundFile, "cmdTryHazureSoundFile", QStringLiteral("試聴 (&L)"));
    sound(chkFinishOn, "chkFinishOn", QStringLiteral("全問正解のとき音を鳴らす (&F)"), txtFinishSoundFile,
          "txtFinishSoundFile", cmdSelectFinishSoundFile, "cmdSelectFinishSoundFile", QStringLiteral("参照 (&C)"),
          cmdTryFinishSoundFile, "cmdTryFinishSoundFile", QStringLiteral("試聴 (&Y)"));
    v->addStretch(1);

    connect(chkAtariOn, &QCheckBox::clicked, this, &TfrmSetup::chkAtariOnClick);
    connect(chkHazureOn, &QCheckBox::clicked, this, &TfrmSetup::chkHazureOnClick);
    connect(chkFinishOn, &QCheckBox::clicked, this, &TfrmSetup::chkFinishOnClick);
    connect(cmdSelectAtariSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdSelectAtariSoundFileClick);
    connect(cmdSelectHazureSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdSelectHazureSoundFileClick);
    connect(cmdSelectFinishSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdSelectFinishSoundFileClick);
    connect(cmdTryAtariSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdTryAtariSoundFileClick);
    connect(cmdTryHazureSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdTryHazureSoundFileClick);
    connect(cmdTryFinishSoundFile, &QPushButton::clicked, this, &TfrmSetup::cmdTryFinishSoundFileClick);
    return page;
}

QWidget *TfrmSetup::CreateColorPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    chkChangeColorOn = check(page, "chkChangeColorOn", QStringLiteral("問題表示の文字色を変更する (&C)"));
    v->addWidget(chkChangeColorOn);
    grpChangeColor = named(new QGroupBox(page), "grpChangeColor");
    auto *g = new QVBoxLayout(grpChangeColor);
    g->setSpacing(3);
    rbByQuestion = named(new QRadioButton(QStringLiteral("問題毎の正解率によって変更する (&V)"), grpChangeColor),
                         "rbByQuestion");
    rbByStudy = named(new QRadioButton(QStringLiteral("学習毎の正解率によって変更する (&S)"), grpChangeColor),
                      "rbByStudy");
    auto *typeGroup = new QButtonGroup(grpChangeColor);
    typeGroup->addButton(rbByQuestion);
    typeGroup->addButton(rbByStudy);
    txtChangeColorPercent = numberBox(grpChangeColor, "txtChangeColorPercent", 36);
    udChangeColorPercent = spinner(grpChangeColor, "udChangeColorPercent", txtChangeColorPercent, 1, 100);
    pnlChangeColor = named(new TColorPanel(grpChangeColor), "pnlChangeColor");
    pnlChangeColor->setToolTip(QStringLiteral("クリックで変更"));
    g->addWidget(rbByQuestion);
    g->addWidget(rbByStudy);
    g->addSpacing(4);
    g->addLayout(row({label(grpChangeColor, QStringLiteral("正解率が、 ")), txtChangeColorPercent,
                      udChangeColorPercent, label(grpChangeColor, QStringLiteral("％以下のときは、")),
                      pnlChangeColor}));
    v->addWidget(grpChangeColor);

    auto *bar = new QGroupBox(QStringLiteral("データバーの色設定"), page);
    auto *grid = new QGridLayout(bar);
    grid->setHorizontalSpacing(6);
    auto swatch = [&](TColorPanel *&panel, const char *name, const QString &text, int r, int c) {
        panel = named(new TColorPanel(bar), name);
        panel->setToolTip(QStringLiteral("クリックで変更"));
        grid->addWidget(label(bar, text), r, c * 2, Qt::AlignRight);
        grid->addWidget(panel, r, c * 2 + 1, Qt::AlignLeft);
        connect(panel, &TColorPanel::clicked, this, [this, panel] { ChoosePanelColor(panel); });
    };
    swatch(pnlQuestionNumColor, "pnlQuestionNumColor", QStringLiteral("出題数 ： "), 0, 0);
    swatch(pnlAtariNumColor, "pnlAtariNumColor", QStringLiteral("正解数 ： "), 0, 1);
    swatch(pnlPercentColor, "pnlPercentColor", QStringLiteral("正解率 ： "), 1, 0);
    swatch(pnlTimeColor, "pnlTimeColor", QStringLiteral("時間 ： "), 1, 1);
    grid->setColumnStretch(4, 1);
    v->addWidget(bar);
    v->addStretch(1);

    connect(chkChangeColorOn, &QCheckBox::clicked, this, &TfrmSetup::chkChangeColorOnClick);
    connect(pnlChangeColor, &TColorPanel::clicked, this, [this] { ChoosePanelColor(pnlChangeColor); });
    return page;
}

QWidget *TfrmSetup::CreateFontPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    auto fontRow = [&](const QString &title, QComboBox *&face, const char *faceName, QComboBox **size,
                       const char *sizeName, QPushButton *&color, const char *colorName) {
        auto *group = new QGroupBox(title, page);
        auto *h = new QHBoxLayout(group);
        h->setSpacing(4);
        face = named(new QComboBox(group), faceName);
        face->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        face->setMinimumContentsLength(10);
        h->addWidget(face, 1);
        if (size) {
            *size = named(new QComboBox(group), sizeName);
            (*size)->setEditable(true);
            for (int n = 10; n <= 25; ++n)
                (*size)->addItem(QString::number(n));
            (*size)->setFixedWidth(52);
            h->addWidget(*size);
        }
        color = named(new QPushButton(QStringLiteral("文字色設定"), group), colorName);
        h->addWidget(color);
        v->addWidget(group);
        connect(color, &QPushButton::clicked, this, [this, face] { ChooseFontColor(face); });
    };
    fontRow(QStringLiteral("問題表示用フォント ： "), cboFontQuestion, "cboFontQuestion", &cboFontQuestionSize,
            "cboFontQuestionSize", cmdFontQuestionColor, "cmdFontQuestionColor");
    fontRow(QStringLiteral("穴埋め表示用フォント ： "), cboFontHole, "cboFontHole", &cboFontHoleSize,
            "cboFontHoleSize", cmdFontHoleColor, "cmdFontHoleColor");
    fontRow(QStringLiteral("解答表示用フォント ： "), cboFontAnswer, "cboFontAnswer", nullptr, nullptr,
            cmdFontAnswerColor, "cmdFontAnswerColor");
    fontRow(QStringLiteral("コメント表示用フォント ： "), cboFontComment, "cboFontComment", &cboFontCommentSize,
            "cboFontCommentSize", cmdFontCommentColor, "cmdFontCommentColor");
    fontRow(QStringLiteral("参考書表示用フォント ： "), cboFontReference, "cboFontReference", nullptr, nullptr,
            cmdFontReferenceColor, "cmdFontReferenceColor");
    v->addStretch(1);
    return page;
}

QWidget *TfrmSetup::CreatePlanPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    Label1 = named(label(page, QStringLiteral("試験などある場合は、その日にちをここで設定すれば、")), "Label1");
    Label2 = named(label(page, QStringLiteral("その日までの残り日数を表示します。")), "Label2");
    chkPlanOn = check(page, "chkPlanOn", QStringLiteral("スケジュール設定をする (&P)"));
    v->addWidget(Label1);
    v->addWidget(Label2);
    v->addSpacing(2);
    v->addWidget(chkPlanOn);

    grpPlan = named(new QWidget(page), "grpPlan");
    auto *g = new QVBoxLayout(grpPlan);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(3);
    chkShowPlanOn = check(grpPlan, "chkShowPlanOn", QStringLiteral("常に起動時に表示する (&B)"));
    Label3 = named(label(grpPlan, QStringLiteral("最大５つまで登録できます。")), "Label3");
    g->addWidget(chkShowPlanOn);
    g->addWidget(Label3);

    lstItem = listView(grpPlan, "lstItem",
                       {QStringLiteral("目的"), QStringLiteral("日程"), QStringLiteral("残り日数")});
    lstItem->setAccessibleName(QStringLiteral("登録した目的と日程"));
    lstItem->header()->resizeSection(0, 130);
    lstItem->header()->resizeSection(1, 80);
    lstItem->setFixedHeight(104);
    spnMoveItem = named(new QWidget(grpPlan), "spnMoveItem");
    auto *sv = new QVBoxLayout(spnMoveItem);
    sv->setContentsMargins(0, 0, 0, 0);
    sv->setSpacing(0);
    spnMoveItemUp = named(new QToolButton(spnMoveItem), "spnMoveItemUp");
    spnMoveItemUp->setArrowType(Qt::UpArrow);
    spnMoveItemDown = named(new QToolButton(spnMoveItem), "spnMoveItemDown");
    spnMoveItemDown->setArrowType(Qt::DownArrow);
    spnMoveItemUp->setAccessibleName(QStringLiteral("選んだ項目を上へ移動"));
    spnMoveItemDown->setAccessibleName(QStringLiteral("選んだ項目を下へ移動"));
    for (QToolButton *b : {spnMoveItemUp, spnMoveItemDown}) {
        b->setFixedSize(18, 24);
        sv->addWidget(b);
    }
    sv->addStretch(1);
    auto *listRow = new QHBoxLayout;
    listRow->setSpacing(2);
    listRow->addWidget(lstItem, 1);
    listRow->addWidget(spnMoveItem);
    g->addLayout(listRow);

    txtItem = named(new QLineEdit(grpPlan), "txtItem");
    txtItem->setValidator(new PurposeValidator(txtItem));
    txtItem->setToolTip(QStringLiteral("全角で１０文字、半角で２０文字以内で記入します"));
    auto *purposeRow = row({label(grpPlan, QStringLiteral("目的 ： ")), txtItem}, 0, false);
    purposeRow->setStretch(1, 1);
    g->addLayout(purposeRow);
    g->addWidget(label(grpPlan, QStringLiteral("全角で１０文字、半角で２０文字以内で記入します")));
    txtYear = numberBox(grpPlan, "txtYear", 44);
    udYear = spinner(grpPlan, "udYear", txtYear, 1, 10000);
    txtMonth = numberBox(grpPlan, "txtMonth", 26);
    udMonth = spinner(grpPlan, "udMonth", txtMonth, 1, 12);
    txtDay = numberBox(grpPlan, "txtDay", 26);
    udDay = spinner(grpPlan, "udDay", txtDay, 1, 31);
    g->addLayout(row({label(grpPlan, QStringLiteral("日程 ： ")), txtYear, udYear, label(grpPlan, QStringLiteral("年")),
                      txtMonth, udMonth, label(grpPlan, QStringLiteral("月")), txtDay, udDay,
                      label(grpPlan, QStringLiteral("日"))}));
    cmdAdd = named(new QPushButton(QStringLiteral("追加 (&A)"), grpPlan), "cmdAdd");
    cmdChange = named(new QPushButton(QStringLiteral("変更 (&C)"), grpPlan), "cmdChange");
    cmdDelete = named(new QPushButton(QStringLiteral("削除 (&D)"), grpPlan), "cmdDelete");
    auto *buttons = row({cmdAdd, cmdChange, cmdDelete}, 0, false);
    buttons->insertStretch(0, 1);
    g->addLayout(buttons);
    v->addWidget(grpPlan);
    v->addStretch(1);

    connect(chkPlanOn, &QCheckBox::clicked, this, &TfrmSetup::chkPlanOnClick);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmSetup::cmdAddClick);
    connect(cmdChange, &QPushButton::clicked, this, &TfrmSetup::cmdChangeClick);
    connect(cmdDelete, &QPushButton::clicked, this, &TfrmSetup::cmdDeleteClick);
    connect(lstItem, &QTreeWidget::itemClicked, this, &TfrmSetup::lstItemClick);
    connect(spnMoveItemUp, &QToolButton::clicked, this, &TfrmSetup::spnMoveItemUpClick);
    connect(spnMoveItemDown, &QToolButton::clicked, this, &TfrmSetup::spnMoveItemDownClick);
    return page;
}

QWidget *TfrmSetup::CreateVoicePage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    QFont bold = page->font();
    bold.setBold(true);

    // The built-in voice of the desktop, or the companion program.
    rbBuiltInVoice = named(new QRadioButton(QStringLiteral("内蔵の音声で英文を読み上げる (&I)"), page),
                           "rbBuiltInVoice");
    rbCompanionVoice = named(new QRadioButton(QStringLiteral("Sorbellで英文を読み上げる (&O)"), page),
                             "rbCompanionVoice");
    auto *voices = new QButtonGroup(page);
    voices->addButton(rbBuiltInVoice);
    voices->addButton(rbCompanionVoice);
    pnlNoVoice = named(label(page, QStringLiteral("この環境には英語を読み上げる音声がないため、内蔵の音声は使用できません。"
                                                   "音声合成（flite または speech-dispatcher）をインストールしてください。")),
                       "pnlNoVoice");
    auto *heading = label(page, QStringLiteral("Sorbellを使い、英文を読み上げます"));
    heading->setFont(bold);
    auto *about = label(page, QStringLiteral("この機能を使うには、Ｕｌｖｅｎｄｏとは別のソフトである、Sorbellが必要です。"
                                             "Sorbellは、私のホームページよりダウンロードできます。"));
    about->setWordWrap(true);
    // The help page installed with the program says where the voices come from.
    lblHomepage = named(label(page, QStringLiteral("<a href=\"voice\">ヘルプ「英文の読み上げ」を開く</a>")),
                        "lblHomepage");
    lblHomepage->setTextFormat(Qt::RichText);
    lblHomepage->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblHomepage->setCursor(Qt::PointingHandCursor);
    lblHomepage->setAccessibleName(QStringLiteral("ヘルプ「英文の読み上げ」を開く"));
    connect(lblHomepage, &QLabel::linkActivated, this, [this](const QString &topic) {
        platform().showHelp(Paths::helpFile(m_settings.ProgramFolder), topic);
    });
    v->addWidget(rbBuiltInVoice);
    v->addWidget(pnlNoVoice);
    v->addWidget(rbCompanionVoice);
    v->addSpacing(4);
    v->addWidget(heading);
    v->addWidget(about);
    v->addWidget(lblHomepage);
    v->addSpacing(4);

    auto *group = new QGroupBox(page);
    auto *g = new QVBoxLayout(group);
    g->addWidget(label(group, QStringLiteral("Sorbellを指定してください。")));
    txtSorbellPath = pathBox(group, "txtSorbellPath");
    txtSorbellPath->setAccessibleName(QStringLiteral("Sorbellのファイル"));
    cmdSelectSorbellPath = named(new QPushButton(QStringLiteral("参照"), group), "cmdSelectSorbellPath");
    auto *h = new QHBoxLayout;
    h->addWidget(txtSorbellPath, 1);
    h->addWidget(cmdSelectSorbellPath);
    g->addLayout(h);
    pnlInfo = named(label(group, QStringLiteral("Sorbellが見つからないため、この機能は使用できません。"
                                                "\"参照\"を押して、Sorbellを指定してください。")),
                    "pnlInfo");
    for (QLabel *warning : {pnlInfo, pnlNoVoice}) {
        warning->setWordWrap(true);
        warning->setFrameShape(QFrame::Box);
        warning->setMargin(4);
        warning->setAutoFillBackground(true);
        QPalette pal = warning->palette();
        pal.setColor(QPalette::Window, QColor(255, 230, 230));
        pal.setColor(QPalette::WindowText, Qt::red);
        warning->setPalette(pal);
        warning->hide();
    }
    g->addWidget(pnlInfo);
    chkVoiceOn = check(group, "chkVoiceOn", QStringLiteral("音声機能を使用する (&V)"));
    chkAutoVoiceOn = check(group, "chkAutoVoiceOn", QStringLiteral("出題と同時に英文を読み上げる (&R)"));
    g->addWidget(chkVoiceOn);
    g->addLayout(row({chkAutoVoiceOn}, 20));
    v->addWidget(group);
    v->addStretch(1);

    connect(cmdSelectSorbellPath, &QPushButton::clicked, this, &TfrmSetup::cmdSelectSorbellPathClick);
    connect(chkVoiceOn, &QCheckBox::clicked, this, &TfrmSetup::chkVoiceOnClick);
    connect(rbBuiltInVoice, &QRadioButton::clicked, this, &TfrmSetup::VoiceChoiceChange);
    connect(rbCompanionVoice, &QRadioButton::clicked, this, &TfrmSetup::VoiceChoiceChange);
    return page;
}

QWidget *TfrmSetup::CreateOtherPage()
{
    auto *page = new QWidget;
    auto *v = pageLayout(page);
    v->setSpacing(1);
    chkSavePosition = check(page, "chkSavePosition", QStringLiteral("終了時にウインドウ表示位置を記録する (&P)"));
    chkSaveSize = check(page, "chkSaveSize", QStringLiteral("終了時にウインドウサイズを記録する (&S)"));
    chkSaveToolBar = check(page, "chkSaveToolBar", QStringLiteral("終了時にツールバーの表示設定を記録する (&T)"));
    chkNotFlat = check(page, "chkNotFlat", QStringLiteral("ツールバーのボタンをフラットにしない (&F)"));
    chkShowDate = check(page, "chkShowDate", QStringLiteral("タイトルバーに日付を表示する (&W)"));
    for (QCheckBox *c : {chkSavePosition, chkSaveSize, chkSaveToolBar, chkNotFlat, chkShowDate})
        v->addWidget(c);

    rgDateType = named(new QGroupBox(page), "rgDateType");
    auto *r = new QVBoxLayout(rgDateType);
    r->setSpacing(1);
    r->setContentsMargins(8, 3, 8, 3);
    m_dateTypeGroup = new QButtonGroup(rgDateType);
    const QStringList items{QStringLiteral("日付と時間を表示する (&B)"), QStringLiteral("日付を表示する (&D)"),
                            QStringLiteral("時間を表示する (&M)")};
    for (int i = 0; i < items.size(); ++i) {
        auto *rb = new QRadioButton(items.at(i), rgDateType);
        rb->setObjectName(QStringLiteral("rgDateType_%1").arg(i));
        m_dateTypeGroup->addButton(rb, i);
        rgDateTypeItems << rb;
        r->addWidget(rb);
    }
    auto *dateRow = new QHBoxLayout;
    dateRow->addSpacing(20);
    dateRow->addWidget(rgDateType, 1);
    v->addLayout(dateRow);

    auto *heights = new QGroupBox(QStringLiteral("問題／コメント表示欄の高さを変更する"), page);
    auto *grid = new QGridLayout(heights);
    grid->setVerticalSpacing(2);
    auto heightRow = [&](int r0, const QString &text, QLineEdit *&box, const char *boxName, TUpDown *&ud,
                         const char *udName) {
        box = numberBox(heights, boxName, 50);
        ud = spinner(heights, udName, box, 1, 10000);
        grid->addWidget(label(heights, text), r0, 0, Qt::AlignRight);
        grid->addWidget(box, r0, 1);
        grid->addWidget(ud, r0, 2);
    };
    heightRow(0, QStringLiteral("問題表示欄の高さ ： "), txtmoQuestionSize, "txtmoQuestionSize", udmoQuestionSize,
              "udmoQuestionSize");
    heightRow(1, QStringLiteral("コメント表示欄の高さ ： "), txtmoCommentSize, "txtmoCommentSize", udmoCommentSize,
              "udmoCommentSize");
    heightRow(2, QStringLiteral("穴埋め問題表示欄の高さ ： "), txtmoHoleSize, "txtmoHoleSize", udmoHoleSize,
              "udmoHoleSize");
    grid->setColumnStretch(3, 1);
    v->addSpacing(3);
    v->addWidget(heights);

    cmdFileReset = named(new QPushButton(QStringLiteral("初期化 (&C)"), page), "cmdFileReset");
    v->addSpacing(4);
    v->addLayout(row({label(page, QStringLiteral("問題集／参考書ファイルの履歴の初期化 ： ")), cmdFileReset}));
    v->addStretch(1);

    connect(chkShowDate, &QCheckBox::clicked, this, &TfrmSetup::chkShowDateClick);
    connect(cmdFileReset, &QPushButton::clicked, this, &TfrmSetup::cmdFileResetClick);
    return page;
}

// --- first showing -------------------------------------------------------------------------

void TfrmSetup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TfrmSetup::FormShow()
{
    const Settings &s = m_settings;
    auto tick = [](QCheckBox *box, int value) { box->setChecked(value == 1); };

    // 1
    selectPage(0);

    // 2: general and file pages. The seconds box shows the seconds in use
    // even while the time limit is off (the box is then disabled).
    txtTime->setText(QString::number(s.TimeLimit));
    tick(chkTimerOn, s.TimeLimitOn);
    chkTimerOnClick();
    tick(chkShowResult, s.ShowResult);
    chkShowResultClick();
    tick(chkShowErrorOnly, s.ShowErrorOnly);
    tick(chkEasyResultAtari, s.EasyResultAtari);
    tick(chkEasyResultHazure, s.EasyResultHazure);
    if (!chkShowResult->isChecked())
        chkShowResultClick();
    tick(chkErrorDialogOn, s.ErrorDialogOn);
    tick(chkAutoImeOn, s.AutoImeOn);
    tick(chkRepeatError, s.RepeatError);
    tick(chkImportantOn, s.ImportantOn);
    chkImportantOnClick();
    tick(chkAutoImportantOn, s.AutoImportantOn);
    if (!chkImportantOn->isChecked())
        chkImportantOnClick();
    tick(chkIgnoreCase, s.IgnoreCase);
    tick(chkNotPeriod, s.NotPeriod);
    tick(chkShowComment, s.ShowComment);
    tick(chkShowHint, s.ShowHint);
    chkShowHintClick();
    cboHint->setEditText(s.HintSymbol);
    tick(chkMakeLogFile, s.MakeLogFile);
    tick(chkUseEndQuestionFile, s.UseEndQuestionFile);
    tick(chkUseEndReferenceFile, s.UseEndReferenceFile);
    setPathBox(txtdefQuestionFilePath, s.defQuestionFilePath);
    setPathBox(txtdefReferenceFilePath, s.defReferenceFilePath);
    setPathBox(txtdefDictionaryFilePath, s.defDictionaryFilePath);

    // 3: users.
    cboUserName->clear();
    lstUser->clear();
    for (const QString &name : RegisteredUsers(s.ProgramFolder)) {
        cboUserName->addItem(name);
        auto *item = new QTreeWidgetItem(lstUser);
        item->setText(0, name);
        item->setText(1, QString::number(UserStartCount(s.ProgramFolder, name)));
    }
    // The drop-down only offers registered users; a current user missing
    // from the list is offered too, so that OK keeps it.
    if (cboUserName->findText(s.UserName, Qt::MatchExactly) < 0)
        cboUserName->insertItem(0, s.UserName);
    cboUserName->setCurrentIndex(cboUserName->findText(s.UserName, Qt::MatchExactly));
    tick(chkShowUser, s.ShowUser);
    chkShowUserClick();

    // 4: sounds and colours.
    tick(chkAtariOn, s.AtariOn);
    chkAtariOnClick();
    tick(chkHazureOn, s.HazureOn);
    chkHazureOnClick();
    tick(chkFinishOn, s.FinishOn);
    chkFinishOnClick();
    tick(chkChangeColorOn, s.ChangeColorOn);
    chkChangeColorOnClick();
    txtChangeColorPercent->setText(QString::number(s.ChangeColorPercent));
    pnlChangeColor->setColor(ColorFromNumber(s.ChangeColor));
    pnlQuestionNumColor->setColor(ColorFromNumber(s.ColorQuestionNum));
    pnlAtariNumColor->setColor(ColorFromNumber(s.ColorAtariNum));
    pnlPercentColor->setColor(ColorFromNumber(s.ColorPercent));
    pnlTimeColor->setColor(ColorFromNumber(s.ColorTime));

    // 5: fonts.
    const QStringList families = platform().fontFamilies();
    for (QComboBox *face : {cboFontQuestion, cboFontHole, cboFontAnswer, cboFontComment, cboFontReference}) {
        face->clear();
        face->addItems(families);
    }
    SetFontRow(cboFontQuestion, cboFontQuestionSize, s.FontQuestion, s.FontQuestionSize, s.FontQuestionColor);
    SetFontRow(cboFontHole, cboFontHoleSize, s.FontHole, s.FontHoleSize, s.FontHoleColor);
    SetFontRow(cboFontAnswer, nullptr, s.FontAnswer, 0, s.FontAnswerColor);
    SetFontRow(cboFontComment, cboFontCommentSize, s.FontComment, s.FontCommentSize, s.FontCommentColor);
    SetFontRow(cboFontReference, nullptr, s.FontReference, 0, s.FontReferenceColor);

    // 6: the plan.
    lstItem->clear();
    txtItem->clear();
    tick(chkPlanOn, s.PlanOn);
    chkPlanOnClick();
    tick(chkShowPlanOn, s.ShowPlanOn);
    const QDate today = Clock::currentTime().date();
    udYear->setValue(today.year());
    udMonth->setValue(today.month());
    udDay->setValue(today.day());
    for (const PlanItem &item : ReadPlan(s.setupIniPath())) {
        bool ok = false;
        const int days = PlanRemainingDays(item, today, &ok);
        auto *row = new QTreeWidgetItem(lstItem);
        row->setText(0, item.Purpose);
        row->setText(1, item.DateText);
        row->setText(2, ok ? QString::number(days) : QStringLiteral("？"));
    }
    SelectedItem = 0;
    spnMoveItem->setEnabled(true);
    cmdChange->setEnabled(false);
    cmdDelete->setEnabled(false);

    // 7: the voice: the built-in one or the companion.
    setPathBox(txtSorbellPath, s.SorbellPath);
    SorbellAvailable = Companion::isAvailable(s.SorbellPath);
    BuiltInVoiceAvailable = platform().speaker().available();
    (Companion::usesBuiltInVoice(s) ? rbBuiltInVoice : rbCompanionVoice)->setChecked(true);
    tick(chkVoiceOn, s.VoiceOn);
    VoiceChoiceChange();
    tick(chkAutoVoiceOn, chkVoiceOn->isChecked() ? s.AutoVoiceOn : 0);

    // 8: the rest.
    tick(chkSavePosition, s.SavePosition);
    tick(chkSaveSize, s.SaveSize);
    tick(chkSaveToolBar, s.SaveToolBar);
    tick(chkNotFlat, s.NotFlat);
    tick(chkShowDate, s.ShowDate);
    chkShowDateClick();
    udmoQuestionSize->setValue(s.moQuestionSize);
    udmoCommentSize->setValue(s.moCommentSize);
    udmoHoleSize->setValue(s.moHoleSize);
}

void TfrmSetup::SetFontRow(QComboBox *face, QComboBox *size, const QString &faceName, int pointSize, int color)
{
    // A face that is not installed here shows the family the panes use in
    // its place; left so, OK keeps the face of the settings.
    face->setPlaceholderText(faceName);
    int index = face->findText(faceName, Qt::MatchExactly);
    const int standIn = index < 0 ? face->findText(ScreenFamily(faceName), Qt::MatchExactly) : -1;
    face->setProperty("standIn", standIn);
    face->setCurrentIndex(index < 0 ? standIn : index);
    setComboColor(face, ColorFromNumber(color));
    if (size)
        size->setEditText(QString::number(pointSize));
}

// --- enabling rules -----------------------------------------------------------------------

void TfrmSetup::chkTimerOnClick()
{
    const bool on = chkTimerOn->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{lblTime, txtTime, udTime, lblTimeUnit})
        w->setEnabled(on);
    if (on)
        txtTime->setText(QString::number(m_settings.TimeLimit));
}

void TfrmSetup::chkShowResultClick()
{
    const bool on = chkShowResult->isChecked();
    for (QCheckBox *c : {chkShowErrorOnly, chkEasyResultAtari, chkEasyResultHazure}) {
        if (!on)
            c->setChecked(false);
        c->setEnabled(on);
    }
}

void TfrmSetup::chkImportantOnClick()
{
    const bool on = chkImportantOn->isChecked();
    if (!on)
        chkAutoImportantOn->setChecked(false);
    chkAutoImportantOn->setEnabled(on);
}

void TfrmSetup::chkShowHintClick()
{
    const bool on = chkShowHint->isChecked();
    lblHint->setEnabled(on);
    cboHint->setEnabled(on);
}

void TfrmSetup::chkShowUserClick()
{
    const bool on = chkShowUser->isChecked();
    if (!on) {
        const int index = cboUserName->findText(m_settings.UserName, Qt::MatchExactly);
        if (index >= 0)
            cboUserName->setCurrentIndex(index);
    }
    cboUserName->setEnabled(on);
    grpUser->setVisible(on);
}

void TfrmSetup::SoundBoxClick(QCheckBox *check, QLineEdit *box, QPushButton *select, QPushButton *tryButton,
                              const QString &storedPath)
{
    if (check->isChecked()) {
        setPathBox(box, storedPath);
        select->setEnabled(true);
        tryButton->setEnabled(!box->text().isEmpty());
    } else {
        setPathBox(box, QString());
        select->setEnabled(false);
        tryButton->setEnabled(false);
    }
}

void TfrmSetup::chkAtariOnClick()
{
    SoundBoxClick(chkAtariOn, txtAtariSoundFile, cmdSelectAtariSoundFile, cmdTryAtariSoundFile,
                  m_settings.AtariSoundFile);
}

void TfrmSetup::chkHazureOnClick()
{
    SoundBoxClick(chkHazureOn, txtHazureSoundFile, cmdSelectHazureSoundFile, cmdTryHazureSoundFile,
                  m_settings.HazureSoundFile);
}

void TfrmSetup::chkFinishOnClick()
{
    SoundBoxClick(chkFinishOn, txtFinishSoundFile, cmdSelectFinishSoundFile, cmdTryFinishSoundFile,
                  m_settings.FinishSoundFile);
}

void TfrmSetup::chkChangeColorOnClick()
{
    if (chkChangeColorOn->isChecked()) {
        grpChangeColor->setEnabled(true);
        if (m_settings.ChangeColorType == 1)
            rbByQuestion->setChecked(true);
        else
            rbByStudy->setChecked(true);
        txtChangeColorPercent->setText(QString::number(m_settings.ChangeColorPercent));
        pnlChangeColor->setColor(ColorFromNumber(m_settings.ChangeColor));
    } else {
        auto *group = rbByQuestion->group();
        group->setExclusive(false);
        rbByQuestion->setChecked(false);
        rbByStudy->setChecked(false);
        group->setExclusive(true);
        grpChangeColor->setEnabled(false);
    }
}

void TfrmSetup::chkShowDateClick()
{
    if (chkShowDate->isChecked()) {
        rgDateType->setEnabled(true);
        if (QAbstractButton *b = m_dateTypeGroup->button(m_settings.DateType))
            b->setChecked(true);
    } else {
        m_dateTypeGroup->setExclusive(false);
        for (QRadioButton *rb : rgDateTypeItems)
            rb->setChecked(false);
        m_dateTypeGroup->setExclusive(true);
        rgDateType->setEnabled(false);
    }
}

void TfrmSetup::chkPlanOnClick()
{
    grpPlan->setVisible(chkPlanOn->isChecked());
}

void TfrmSetup::chkVoiceOnClick()
{
    const bool on = chkVoiceOn->isChecked();
    if (!on)
        chkAutoVoiceOn->setChecked(false);
    chkAutoVoiceOn->setEnabled(on);
}

int TfrmSetup::dateTypeIndex() const
{
    return m_dateTypeGroup->checkedId();
}

// --- files, sounds, colours ------------------------------------------------------------------

void TfrmSetup::SelectPath(QLineEdit *box, const QString &filter)
{
    const QString path = platform().openFileName(this, QString(), Paths::folderOf(box->text()), filter);
    if (!path.isEmpty())
        setPathBox(box, path);
}

void TfrmSetup::cmdSelectDefQuestionFileClick()
{
    SelectPath(txtdefQuestionFilePath, QStringLiteral("問題集ファイル (*.txt)|*.txt"));
}

void TfrmSetup::cmdSelectDefReferenceFileClick()
{
    SelectPath(txtdefReferenceFilePath, QStringLiteral("参考書ファイル (*.txt)|*.txt"));
}

void TfrmSetup::cmdSelectDefDictionaryFilePathClick()
{
    SelectPath(txtdefDictionaryFilePath, QStringLiteral("辞書ファイル (*.txt)|*.txt"));
}

void TfrmSetup::cmdNewTextClick()
{
    m_main->cmdNewTextClick();
}

void TfrmSetup::SelectSound(QLineEdit *box, QPushButton *tryButton)
{
    const QString path = platform().openFileName(this, QString(), Paths::folderOf(box->text()),
                                                  QStringLiteral("サウンドファイル (*.wav)|*.wav"));
    if (path.isEmpty())
        return;
    setPathBox(box, path);
    tryButton->setEnabled(true);
}

void TfrmSetup::cmdSelectAtariSoundFileClick() { SelectSound(txtAtariSoundFile, cmdTryAtariSoundFile); }
void TfrmSetup::cmdSelectHazureSoundFileClick() { SelectSound(txtHazureSoundFile, cmdTryHazureSoundFile); }
void TfrmSetup::cmdSelectFinishSoundFileClick() { SelectSound(txtFinishSoundFile, cmdTryFinishSoundFile); }

void TfrmSetup::TrySound(QLineEdit *box)
{
    if (box->text().isEmpty()) {
        platform().message(this, ErrorCaption(), QStringLiteral("WAVファイルが選択されていません"), MsgKind::Warning);
        return;
    }
    platform().playSound(box->text());
}

void TfrmSetup::cmdTryAtariSoundFileClick() { TrySound(txtAtariSoundFile); }
void TfrmSetup::cmdTryHazureSoundFileClick() { TrySound(txtHazureSoundFile); }
void TfrmSetup::cmdTryFinishSoundFileClick() { TrySound(txtFinishSoundFile); }

void TfrmSetup::cmdSelectSorbellPathClick()
{
    const QString path = platform().openFileName(this, QString(), Paths::folderOf(txtSorbellPath->text()),
                                                  QStringLiteral("Sorbell (*.exe)|*.exe"));
    if (path.isEmpty())
        return;
    // Choosing a companion file chooses the companion as the voice.
    rbCompanionVoice->setChecked(true);
    if (!IsCompanionFileName(path)) {
        setPathBox(txtSorbellPath, QString());
        SorbellAvailable = false;
        VoiceChoiceChange();
        platform().message(this, ErrorCaption(), QStringLiteral("指定されたファイルは、Sorbellではありません"),
                           MsgKind::Warning);
        return;
    }
    setPathBox(txtSorbellPath, path);
    SorbellAvailable = true;
    VoiceChoiceChange();
}

void TfrmSetup::VoiceChoiceChange()
{
    const bool builtIn = rbBuiltInVoice->isChecked();
    const bool available = builtIn ? BuiltInVoiceAvailable : SorbellAvailable;
    pnlNoVoice->setVisible(builtIn && !BuiltInVoiceAvailable);
    pnlInfo->setVisible(!builtIn && !SorbellAvailable);
    if (!available)
        chkVoiceOn->setChecked(false);
    chkVoiceOn->setEnabled(available);
    chkVoiceOnClick();
}

void TfrmSetup::ChooseFontColor(QComboBox *face)
{
    QColor color = comboColor(face);
    if (platform().chooseColor(this, color))
        setComboColor(face, color);
}

void TfrmSetup::ChoosePanelColor(TColorPanel *panel)
{
    QColor color = panel->color();
    if (platform().chooseColor(this, color))
        panel->setColor(color);
}

// --- users and file histories ------------------------------------------------------------------

void TfrmSetup::cmdAddUserNameClick()
{
    const QString name = txtUserName->text().trimmed();
    QString error;
    // Registration is written at once, whatever OK or Cancel does later.
    if (!RegisterUser(m_settings, name, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    txtUserName->clear();
    if (cboUserName->findText(name, Qt::MatchExactly) >= 0)
        return; // registered already: listed once, its count kept
    cboUserName->addItem(name);
    auto *item = new QTreeWidgetItem(lstUser);
    item->setText(0, name);
    item->setText(1, QStringLiteral("0"));
    txtUserName->clear();
}

void TfrmSetup::cmdFileResetClick()
{
    QString error;
    if (!ResetRecentFiles(m_settings, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    // The lists empty; the files in use stay named in the boxes.
    for (QComboBox *combo : {m_main->cboQuestionFile, m_main->cboReferenceFile}) {
        const QString text = combo->currentText();
        combo->clear();
        combo->setEditText(text);
    }
}

// --- the plan ---------------------------------------------------------------------------------

QList<PlanItem> TfrmSetup::planItems() const
{
    QList<PlanItem> items;
    for (int i = 0; i < lstItem->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = lstItem->topLevelItem(i);
        items << PlanItem{row->text(0), row->text(1)};
    }
    return items;
}

bool TfrmSetup::ReadPlanEditors(PlanItem *item, int *days)
{
    int year = 0, month = 0, day = 0;
    const bool numbers = SetupNumber(txtYear->text(), 1, 10000, &year) && SetupNumber(txtMonth->text(), 1, 12, &month)
                         && SetupNumber(txtDay->text(), 1, 31, &day);
    const QString dateText = numbers ? PlanDateText(year, month, day) : QString();
    bool ok = false;
    item->Purpose = txtItem->text();
    item->DateText = dateText;
    *days = PlanRemainingDays(*item, Clock::currentTime().date(), &ok);
    if (!ok) {
        platform().message(this, ErrorCaption(), QStringLiteral("日程の日付が正しくありません"), MsgKind::Warning);
        return false;
    }
    return true;
}

void TfrmSetup::cmdAddClick()
{
    if (lstItem->topLevelItemCount() >= kPlanMaxItems) {
        platform().message(this, ErrorCaption(), QStringLiteral("登録できるのは、最大５つまでです"), MsgKind::Warning);
        return;
    }
    if (txtItem->text().isEmpty()) {
        platform().message(this, ErrorCaption(), QStringLiteral("目的が記入されていません"), MsgKind::Warning);
        return;
    }
    PlanItem item;
    int days = 0;
    if (!ReadPlanEditors(&item, &days))
        return;
    auto *row = new QTreeWidgetItem(lstItem);
    row->setText(0, item.Purpose);
    row->setText(1, item.DateText);
    row->setText(2, QString::number(days));
    txtItem->clear();
}

void TfrmSetup::lstItemClick()
{
    QTreeWidgetItem *current = lstItem->currentItem();
    if (!current || !current->isSelected())
        return;
    SelectedItem = lstItem->indexOfTopLevelItem(current);
    const PlanItem item{current->text(0), current->text(1)};
    txtItem->setText(item.Purpose);
    const QDate date = PlanDate(item.DateText);
    if (date.isValid()) {
        udYear->setValue(date.year());
        udMonth->setValue(date.month());
        udDay->setValue(date.day());
    }
    SetPlanSelectionCommands(true);
}

void TfrmSetup::SetPlanSelectionCommands(bool selected)
{
    spnMoveItem->setEnabled(selected);
    cmdChange->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void TfrmSetup::SwapPlanRows(int a, int b)
{
    QTreeWidgetItem *ra = lstItem->topLevelItem(a);
    QTreeWidgetItem *rb = lstItem->topLevelItem(b);
    for (int c = 0; c < 3; ++c) {
        const QString t = ra->text(c);
        ra->setText(c, rb->text(c));
        rb->setText(c, t);
    }
    lstItem->setCurrentItem(rb);
    SelectedItem = b;
}

void TfrmSetup::spnMoveItemUpClick()
{
    const int n = lstItem->topLevelItemCount();
    if (SelectedItem <= 0 || SelectedItem >= n)
        return;
    SwapPlanRows(SelectedItem, SelectedItem - 1);
}

void TfrmSetup::spnMoveItemDownClick()
{
    const int n = lstItem->topLevelItemCount();
    if (SelectedItem < 0 || SelectedItem >= n - 1)
        return;
    SwapPlanRows(SelectedItem, SelectedItem + 1);
}

void TfrmSetup::cmdChangeClick()
{
    QTreeWidgetItem *row = lstItem->topLevelItem(SelectedItem);
    if (!row)
        return;
    PlanItem item;
    int days = 0;
    if (!ReadPlanEditors(&item, &days))
        return;
    row->setText(0, item.Purpose);
    row->setText(1, item.DateText);
    row->setText(2, QString::number(days));
    txtItem->clear();
}

void TfrmSetup::cmdDeleteClick()
{
    if (SelectedItem >= 0 && SelectedItem < lstItem->topLevelItemCount())
        delete lstItem->takeTopLevelItem(SelectedItem);
    txtItem->clear();
    SetPlanSelectionCommands(false);
}

// --- OK and Cancel ------------------------------------------------------------------------------

bool TfrmSetup::CheckNumbers()
{
    struct Field { QLineEdit *box; QString title; int min; int max; bool used; int page; };
    const Field fields[] = {
        {txtTime, QStringLiteral("時間設定"), 1, 60, chkTimerOn->isChecked(), 0},
        {txtChangeColorPercent, QStringLiteral("正解率"), 1, 100, chkChangeColorOn->isChecked(), 4},
        {cboFontQuestionSize->lineEdit(), QStringLiteral("問題表示用フォントのサイズ"), 1, 200, true, 5},
        {cboFontHoleSize->lineEdit(), QStringLiteral("穴埋め表示用フォントのサイズ"), 1, 200, true, 5},
        {cboFontCommentSize->lineEdit(), QStringLiteral("コメント表示用フォントのサイズ"), 1, 200, true, 5},
        {txtmoQuestionSize, QStringLiteral("問題表示欄の高さ"), 1, 10000, true, 8},
        {txtmoCommentSize, QStringLiteral("コメント表示欄の高さ"), 1, 10000, true, 8},
        {txtmoHoleSize, QStringLiteral("穴埋め問題表示欄の高さ"), 1, 10000, true, 8},
    };
    for (const Field &f : fields) {
        int value = 0;
        if (f.used && !SetupNumber(f.box->text(), f.min, f.max, &value)) {
            selectPage(f.page);
            platform().message(this, ErrorCaption(), SetupNumberMessage(f.title, f.min, f.max), MsgKind::Warning);
            f.box->setFocus();
            return false;
        }
    }
    return true;
}

void TfrmSetup::cmdOkClick()
{
    // Every number is checked before anything changes, so a refused box
    // leaves the settings as they were.
    if (!CheckNumbers())
        return;
    // A user the list offers but whose name cannot be a folder here (a
    // hand-edited User.ini) is refused before anything changes.
    const QString chosenUser = cboUserName->currentText();
    if (!chosenUser.isEmpty() && chosenUser != m_settings.UserName) {
        const QString problem = UserFolderProblem(m_settings.ProgramFolder, chosenUser);
        if (!problem.isEmpty()) {
            selectPage(2);
            platform().message(this, ErrorCaption(), problem, MsgKind::Warning);
            cboUserName->setFocus();
            return;
        }
    }
    auto number = [](const QString &text) { return text.trimmed().toInt(); };
    auto flag = [](const QCheckBox *box) { return box->isChecked() ? 1 : 0; };
    Settings &s = m_settings;

    // 1: controls into the settings.
    if (chkTimerOn->isChecked()) {
        s.TimeLimitOn = 1;
        s.TimeLimit = number(txtTime->text());
        m_main->drill.RemainingSeconds = s.TimeLimit;
    } else {
        s.TimeLimitOn = 0;
    }
    s.ShowResult = flag(chkShowResult);
    s.ShowErrorOnly = flag(chkShowErrorOnly);
    s.EasyResultAtari = flag(chkEasyResultAtari);
    s.EasyResultHazure = flag(chkEasyResultHazure);
    s.ErrorDialogOn = flag(chkErrorDialogOn);
    s.AutoImeOn = flag(chkAutoImeOn);
    s.RepeatError = flag(chkRepeatError);
    s.ImportantOn = flag(chkImportantOn);
    s.AutoImportantOn = flag(chkAutoImportantOn);
    s.IgnoreCase = flag(chkIgnoreCase);
    s.NotPeriod = flag(chkNotPeriod);
    s.ShowComment = flag(chkShowComment);
    s.ShowHint = flag(chkShowHint);
    // An emptied symbol box keeps the symbol in use: hints need a mark.
    if (chkShowHint->isChecked() && !cboHint->currentText().isEmpty())
        s.HintSymbol = cboHint->currentText();
    s.MakeLogFile = flag(chkMakeLogFile);
    s.UseEndQuestionFile = flag(chkUseEndQuestionFile);
    s.UseEndReferenceFile = flag(chkUseEndReferenceFile);
    s.defQuestionFilePath = txtdefQuestionFilePath->text();
    s.defReferenceFilePath = txtdefReferenceFilePath->text();
    s.defDictionaryFilePath = txtdefDictionaryFilePath->text();
    s.AtariOn = flag(chkAtariOn);
    s.AtariSoundFile = chkAtariOn->isChecked() ? txtAtariSoundFile->text() : QString();
    s.HazureOn = flag(chkHazureOn);
    s.HazureSoundFile = txtHazureSoundFile->text();
    s.FinishOn = flag(chkFinishOn);
    s.FinishSoundFile = txtFinishSoundFile->text();
    if (!cboUserName->currentText().isEmpty())
        s.UserName = cboUserName->currentText();
    s.ShowUser = flag(chkShowUser);

    auto face = [](const QComboBox *combo, QString &member) {
        const int standIn = combo->property("standIn").isValid() ? combo->property("standIn").toInt() : -1;
        if (combo->currentIndex() >= 0 && combo->currentIndex() != standIn)
            member = combo->currentText();
    };
    face(cboFontQuestion, s.FontQuestion);
    face(cboFontHole, s.FontHole);
    face(cboFontAnswer, s.FontAnswer);
    face(cboFontComment, s.FontComment);
    face(cboFontReference, s.FontReference);
    s.FontQuestionColor = NumberFromColor(comboColor(cboFontQuestion));
    s.FontHoleColor = NumberFromColor(comboColor(cboFontHole));
    s.FontAnswerColor = NumberFromColor(comboColor(cboFontAnswer));
    s.FontCommentColor = NumberFromColor(comboColor(cboFontComment));
    s.FontReferenceColor = NumberFromColor(comboColor(cboFontReference));
    s.FontQuestionSize = number(cboFontQuestionSize->currentText());
    s.FontHoleSize = number(cboFontHoleSize->currentText());
    s.FontCommentSize = number(cboFontCommentSize->currentText());

    if (chkChangeColorOn->isChecked()) {
        s.ChangeColorOn = 1;
        if (rbByQuestion->isChecked())
            s.ChangeColorType = 1;
        else if (rbByStudy->isChecked())
            s.ChangeColorType = 2;
        s.ChangeColorPercent = number(txtChangeColorPercent->text());
        s.ChangeColor = NumberFromColor(pnlChangeColor->color());
    } else {
        s.ChangeColorOn = 0;
    }
    s.ColorQuestionNum = NumberFromColor(pnlQuestionNumColor->color());
    s.ColorAtariNum = NumberFromColor(pnlAtariNumColor->color());
    s.ColorPercent = NumberFromColor(pnlPercentColor->color());
    s.ColorTime = NumberFromColor(pnlTimeColor->color());
    s.PlanOn = flag(chkPlanOn);
    s.ShowPlanOn = flag(chkShowPlanOn);
    s.SorbellPath = txtSorbellPath->text();
    s.UseBuiltInVoice = rbBuiltInVoice->isChecked() ? 1 : 0;
    s.VoiceOn = flag(chkVoiceOn);
    s.AutoVoiceOn = flag(chkAutoVoiceOn);
    s.SavePosition = flag(chkSavePosition);
    s.SaveSize = flag(chkSaveSize);
    s.SaveToolBar = flag(chkSaveToolBar);
    s.NotFlat = flag(chkNotFlat);
    s.ShowDate = flag(chkShowDate);
    s.DateType = chkShowDate->isChecked() ? qMax(0, dateTypeIndex()) : 0;
    s.moQuestionSize = number(txtmoQuestionSize->text());
    s.moCommentSize = number(txtmoCommentSize->text());
    s.moHoleSize = number(txtmoHoleSize->text());

    // 2-3: User.ini, Setup.ini and the plan.
    QString error;
    if (!SaveSetupDialog(s, planItems(), &error))
        platform().message(this, ErrorCaption(), QStringLiteral("設定を保存できませんでした\n") + error, MsgKind::Warning);

    // 4: the look of the main window.
    m_main->ApplyDisplaySettings();
    m_main->ApplyButtonStyle();

    // 5-6: the companion.
    Companion::settingsConfirmed(s, m_main->ShownFrame());

    // 7
    accept();
}

void TfrmSetup::cmdCancelClick()
{
    reject();
}
