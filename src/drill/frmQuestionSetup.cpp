#include "drill/frmQuestionSetup.h"

#include "app/frmMain.h"
#include "drill/Collection.h"
#include "drill/DrillFlow.h"
#include "drill/QuestionSet.h"
#include "drill/frmMainDrill.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "records/RecordPaths.h"
#include "records/frmResultCommon.h"
#include "reference/frmReferenceCommands.h"
#include "settings/RecentFiles.h"
#include "settings/SetupRules.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"
#include "widgets/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &text)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

QRadioButton *makeRadio(QWidget *parent, const char *name, const QString &text)
{
    auto *r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    // The four options may all be off; the click rules keep at most one on.
    r->setAutoExclusive(false);
    return r;
}

QLineEdit *makeNumberBox(QWidget *parent, const char *name, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

TUpDown *makeUpDown(QWidget *parent, const char *name, QLineEdit *buddy, int min, int max)
{
    auto *u = new TUpDown(parent);
    u->setObjectName(QLatin1String(name));
    u->setAssociate(buddy);
    u->setRange(min, max);
    return u;
}

QComboBox *makeFileCombo(QWidget *parent, const char *name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(220);
    return c;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void setChecked(QAbstractButton *b, bool on)
{
    const QSignalBlocker block(b);
    b->setChecked(on);
}

void setComboText(QComboBox *c, const QString &text)
{
    const QSignalBlocker block(c);
    c->setEditText(text);
}

int numberOf(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}
} // namespace

TfrmQuestionSetup::TfrmQuestionSetup(TfrmMain *main, QWidget *parent)
    : QDialog(parent ? parent : main), m_main(main)
{
    setObjectName(QStringLiteral("frmQuestionSetup"));
    setWindowTitle(QStringLiteral("出題の設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());
    CreateControls();
}

void TfrmQuestionSetup::CreateControls()
{
    lblTitle = MakeNamedLabel(this, "lblTitle", QStringLiteral("ここでは、出題／解答方法の設定を行います"));
    PaintBlack(lblTitle);
    lblTitle->setContentsMargins(10, 8, 10, 8);

    // Self-scoring.
    chkSelfStudyOn = makeCheck(this, "chkSelfStudyOn", QStringLiteral("自己採点形式で学習する (&A)： "));
    txtSelfStudyTime = makeNumberBox(this, "txtSelfStudyTime", 36);
    txtSelfStudyTime->setAccessibleName(QStringLiteral("正解を表示するまでの秒数"));
    udSelfStudyTime = makeUpDown(this, "udSelfStudyTime", txtSelfStudyTime, 1, 60);
    udSelfStudyTime->setValue(5);
    lblSelfStudyTime = MakeNamedLabel(this, "lblSelfStudyTime", QStringLiteral("秒後に正解表示"));
    for (QWidget *w : {static_cast<QWidget *>(txtSelfStudyTime),
                       static_cast<QWidget *>(udSelfStudyTime),
                       static_cast<QWidget *>(lblSelfStudyTime)})
        w->setVisible(false);

    // Drill options.
    chkOption = makeCheck(this, "chkOption", QStringLiteral("出題オプションの設定 (&Q)"));
    gbOption = new QGroupBox(this);
    gbOption->setObjectName(QStringLiteral("gbOption"));
    gbOption->setEnabled(false);
    rbSameQuestion = makeRadio(gbOption, "rbSameQuestion", QStringLiteral("過去の問題を復習する (&U)"));
    rbErrorOnly = makeRadio(gbOption, "rbErrorOnly", QStringLiteral("過去の間違えを復習する (&M)"));
    rbNotSameQuestion = makeRadio(gbOption, "rbNotSameQuestion",
                                  QStringLiteral("同じ問題を繰り返し出題しない (&N)"));
    rbNotRandom = makeRadio(gbOption, "rbNotRandom", QStringLiteral("ランダムに出題しない (&R)"));
    chkNotRandomContinue = makeCheck(gbOption, "chkNotRandomContinue",
                                     QStringLiteral("前回の続きから始める (&C)"));
    chkNotRandomContinue->setEnabled(false);
    lblPrevNum = MakeNamedLabel(gbOption, "lblPrevNum", QStringLiteral("何回目の？"));
    txtPrevNum = makeNumberBox(gbOption, "txtPrevNum", 36);
    udPrevNum = makeUpDown(gbOption, "udPrevNum", txtPrevNum, 1, 10);
    udPrevNum->setValue(1);
    lblPrevNum_1 = MakeNamedLabel(gbOption, "lblPrevNum_1", QStringLiteral("回目"));
    for (QWidget *w : {static_cast<QWidget *>(lblPrevNum), static_cast<QWidget *>(txtPrevNum),
                       static_cast<QWidget *>(udPrevNum), static_cast<QWidget *>(lblPrevNum_1)})
        w->setVisible(false);
    {
        auto *g = new QGridLayout(gbOption);
        g->setContentsMargins(10, 8, 10, 8);
        g->setVerticalSpacing(4);
        g->addWidget(rbSameQuestion, 0, 0);
        g->addWidget(rbErrorOnly, 1, 0);
        auto *prev = new QHBoxLayout;
        prev->setSpacing(2);
        prev->addWidget(lblPrevNum);
        prev->addWidget(txtPrevNum);
        prev->addWidget(udPrevNum);
        prev->addWidget(lblPrevNum_1);
        prev->addStretch(1);
        g->addLayout(prev, 0, 1, 2, 1, Qt::AlignVCenter);
        g->addWidget(rbNotSameQuestion, 2, 0, 1, 2);
        g->addWidget(rbNotRandom, 3, 0);
        g->addWidget(chkNotRandomContinue, 3, 1);
    }

    // Files.
    lblSelectQuestionFilePath = MakeNamedLabel(this, "lblSelectQuestionFilePath", QStringLiteral("問題集の指定"));
    cboQuestionFilePath = makeFileCombo(this, "cboQuestionFilePath");
    cmdSelectQuestionFilePath = makeButton(this, "cmdSelectQuestionFilePath", QStringLiteral("O&PEN"));
    lblSelectReferenceFilePath = MakeNamedLabel(this, "lblSelectReferenceFilePath", QStringLiteral("参考書の指定"));
    cboReferenceFilePath = makeFileCombo(this, "cboReferenceFilePath");
    cmdSelectReferenceFilePath = makeButton(this, "cmdSelectReferenceFilePath", QStringLiteral("OP&EN"));

    // Importance filter.
    chkImportantQuestion = makeCheck(this, "chkImportantQuestion",
                                     QStringLiteral("指定した重要度の問題を出題する (&F)"));
    chkImportantQuestion->setEnabled(false);
    QToolButton **levels[5] = {&cmd1, &cmd2, &cmd3, &cmd4, &cmd5};
    for (int k = 0; k < 5; ++k) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("cmd%1").arg(k + 1));
        b->setText(QString::number(k + 1));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setEnabled(false);
        b->setFixedSize(26, 24);
        *levels[k] = b;
    }
    chkNormalImportant = makeCheck(this, "chkNormalImportant",
                                   QStringLiteral("すべて出題した後は、通常どおり問題集から出題する"));
    chkNormalImportant->setEnabled(false);

    // Question and answer types.
    rgQuestionType = new QGroupBox(QStringLiteral("出題形式の設定"), this);
    rgQuestionType->setObjectName(QStringLiteral("rgQuestionType"));
    {
        auto *v = new QVBoxLayout(rgQuestionType);
        auto *group = new QButtonGroup(rgQuestionType);
        const QString texts[2] = {QStringLiteral("日本語から英語へ"), QStringLiteral("英語から日本語へ")};
        for (int i = 0; i < 2; ++i) {
            rbQuestionType[i] = new QRadioButton(texts[i], rgQuestionType);
            rbQuestionType[i]->setObjectName(QStringLiteral("rgQuestionType_%1").arg(i));
            group->addButton(rbQuestionType[i], i);
            v->addWidget(rbQuestionType[i]);
        }
    }
    rgAnswerType = new QGroupBox(QStringLiteral("解答形式の設定"), this);
    rgAnswerType->setObjectName(QStringLiteral("rgAnswerType"));
    {
        auto *v = new QVBoxLayout(rgAnswerType);
        auto *group = new QButtonGroup(rgAnswerType);
        const QString texts[3] = {QStringLiteral("タイプ"), QStringLiteral("並べ替え"),
                                  QStringLiteral("穴埋め")};
        for (int i = 0; i < 3; ++i) {
            rbAnswerType[i] = new QRadioButton(texts[i], rgAnswerType);
            rbAnswerType[i]->setObjectName(QStringLiteral("rgAnswerType_%1").arg(i));
            group->addButton(rbAnswerType[i], i);
            v->addWidget(rbAnswerType[i]);
        }
    }
    setQuestionTypeIndex(0);
    setAnswerTypeIndex(0);

    lblQuestionNum = MakeNamedLabel(this, "lblQuestionNum", QStringLiteral("出題数の設定 ： "));
    txtQuestionNum = makeNumberBox(this, "txtQuestionNum", 48);
    udQuestionNum = makeUpDown(this, "udQuestionNum", txtQuestionNum, 1, 1000);
    udQuestionNum->setValue(10);

    cmdOk = makeButton(this, "cmdOk", QStringLiteral("&OK"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdOk->setMinimumWidth(90);
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("キャンセル"));
    cmdCancel->setMinimumWidth(90);

    // Layout: options and files on the left, importance and types on the right.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 10);
    outer->setSpacing(8);
    outer->addWidget(lblTitle);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(12, 0, 12, 0);
    body->setSpacing(14);
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    auto *self = new QHBoxLayout;
    self->setSpacing(2);
    self->addWidget(chkSelfStudyOn);
    self->addWidget(txtSelfStudyTime);
    self->addWidget(udSelfStudyTime);
    self->addWidget(lblSelfStudyTime);
    self->addStretch(1);
    left->addLayout(self);
    left->addWidget(chkOption);
    left->addWidget(gbOption);
    auto *files = new QGridLayout;
    files->setHorizontalSpacing(6);
    files->addWidget(lblSelectQuestionFilePath, 0, 0, 1, 2);
    files->addWidget(cboQuestionFilePath, 1, 0);
    files->addWidget(cmdSelectQuestionFilePath, 1, 1);
    files->addWidget(lblSelectReferenceFilePath, 2, 0, 1, 2);
    files->addWidget(cboReferenceFilePath, 3, 0);
    files->addWidget(cmdSelectReferenceFilePath, 3, 1);
    left->addLayout(files);
    left->addStretch(1);

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(chkImportantQuestion);
    auto *levelRow = new QHBoxLayout;
    levelRow->setSpacing(2);
    levelRow->addSpacing(20);
    for (QToolButton *b : {cmd1, cmd2, cmd3, cmd4, cmd5})
        levelRow->addWidget(b);
    levelRow->addStretch(1);
    right->addLayout(levelRow);
    right->addWidget(chkNormalImportant);
    right->addWidget(rgQuestionType);
    right->addWidget(rgAnswerType);
    auto *num = new QHBoxLayout;
    num->setSpacing(2);
    num->addWidget(lblQuestionNum);
    num->addWidget(txtQuestionNum);
    num->addWidget(udQuestionNum);
    num->addStretch(1);
    right->addLayout(num);
    right->addStretch(1);

    body->addLayout(left, 1);
    body->addLayout(right);
    outer->addLayout(body);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 0, 12, 0);
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkSelfStudyOn, &QCheckBox::clicked, this, &TfrmQuestionSetup::chkSelfStudyOnClick);
    connect(chkOption, &QCheckBox::clicked, this, &TfrmQuestionSetup::chkOptionClick);
    connect(rbSameQuestion, &QRadioButton::clicked, this, &TfrmQuestionSetup::rbSameQuestionClick);
    connect(rbErrorOnly, &QRadioButton::clicked, this, &TfrmQuestionSetup::rbErrorOnlyClick);
    connect(rbNotSameQuestion, &QRadioButton::clicked, this,
            &TfrmQuestionSetup::rbNotSameQuestionClick);
    connect(rbNotRandom, &QRadioButton::clicked, this, &TfrmQuestionSetup::rbNotRandomClick);
    connect(chkNotRandomContinue, &QCheckBox::clicked, this,
            &TfrmQuestionSetup::chkNotRandomContinueClick);
    connect(txtPrevNum, &QLineEdit::textChanged, this, &TfrmQuestionSetup::txtPrevNumChange);
    for (QRadioButton *r : rbQuestionType)
        connect(r, &QRadioButton::clicked, this, &TfrmQuestionSetup::rgQuestionTypeClick);
    connect(chkImportantQuestion, &QCheckBox::clicked, this,
            &TfrmQuestionSetup::chkImportantQuestionClick);
    connect(chkNormalImportant, &QCheckBox::clicked, this,
            &TfrmQuestionSetup::chkNormalImportantClick);
    connect(cmdSelectQuestionFilePath, &QPushButton::clicked, this,
            &TfrmQuestionSetup::cmdSelectQuestionFilePathClick);
    connect(cmdSelectReferenceFilePath, &QPushButton::clicked, this,
            &TfrmQuestionSetup::cmdSelectReferenceFilePathClick);
    connect(cboQuestionFilePath, &QComboBox::currentTextChanged, this,
            &TfrmQuestionSetup::cboQuestionFilePathChange);
    connect(cboReferenceFilePath, &QComboBox::currentTextChanged, this,
            &TfrmQuestionSetup::cboReferenceFilePathChange);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmQuestionSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmQuestionSetup::questionTypeIndex() const
{
    for (int i = 0; i < 2; ++i)
        if (rbQuestionType[i]->isChecked())
            return i;
    return -1;
}

int TfrmQuestionSetup::answerTypeIndex() const
{
    for (int i = 0; i < 3; ++i)
        if (rbAnswerType[i]->isChecked())
            return i;
    return -1;
}

void TfrmQuestionSetup::setQuestionTypeIndex(int index)
{
    rbQuestionType[qBound(0, index, 1)]->setChecked(true);
}

void TfrmQuestionSetup::setAnswerTypeIndex(int index)
{
    rbAnswerType[qBound(0, index, 2)]->setChecked(true);
}

QToolButton *TfrmQuestionSetup::levelButton(int k) const
{
    switch (k) {
    case 1: return cmd1;
    case 2: return cmd2;
    case 3: return cmd3;
    case 4: return cmd4;
    case 5: return cmd5;
    default: return nullptr;
    }
}

void TfrmQuestionSetup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

// The showing step: the files and types in use, then the saved options,
// each through its click rule so that the held options follow the controls.
void TfrmQuestionSetup::FormShow()
{
    Settings &s = m_main->settings;
    DrillState &d = m_main->drill;
    const QString ini = s.setupIniPath();

    {
        const QSignalBlocker b1(cboQuestionFilePath);
        const QSignalBlocker b2(cboReferenceFilePath);
        cboQuestionFilePath->clear();
        cboQuestionFilePath->addItems(RecentFileNames(s, RecentList::Question));
        cboReferenceFilePath->clear();
        cboReferenceFilePath->addItems(RecentFileNames(s, RecentList::Reference));
    }
    ShowFileNames(s.QuestionFilePath, s.ReferenceFilePath);

    udSelfStudyTime->setValue(d.SelfStudyTime);
    udQuestionNum->setValue(m_main->udQuestionNum->value());
    setQuestionTypeIndex(s.QuestionType);
    setAnswerTypeIndex(s.AnswerType);
    rgQuestionTypeClick();

    // The importance box starts unticked, so the filter starts off too.
    ResetImportanceFilterOnOpen(d);

    const QuestionSetupValues v = ReadQuestionSetup(ini);
    setChecked(chkSelfStudyOn, v.SelfStudyOn);
    if (v.SelfStudyOn)
        udSelfStudyTime->setValue(numberOf(v.SelfStudyTime));
    chkSelfStudyOnClick();

    setChecked(chkOption, v.Option);
    chkOptionClick();
    if (v.SameQuestion || v.ErrorOnly) {
        const QSignalBlocker block(txtPrevNum);
        udPrevNum->setValue(numberOf(v.PrevQuestionNum));
    }
    if (v.SameQuestion) {
        setChecked(rbSameQuestion, true);
        rbSameQuestionClick();
    }
    if (v.ErrorOnly) {
        setChecked(rbErrorOnly, true);
        rbErrorOnlyClick();
    }
    if (v.NotSameQuestion) {
        setChecked(rbNotSameQuestion, true);
        rbNotSameQuestionClick();
    }
    if (v.NotRandom) {
        setChecked(rbNotRandom, true);
        rbNotRandomClick();
    }
    // Resume belongs to the in-order option; alone it would move the saved
    // position of a random drill.
    setChecked(chkNotRandomContinue, v.NotRandomContinue && rbNotRandom->isChecked());
    chkNotRandomContinueClick();

    setChecked(chkImportantQuestion, false);
    chkImportantQuestionClick();
    chkImportantQuestion->setEnabled(s.ImportantOn == 1 && !chkOption->isChecked());

    cmdOk->setFocus();
}

void TfrmQuestionSetup::chkSelfStudyOnClick()
{
    const bool on = chkSelfStudyOn->isChecked();
    m_main->drill.SelfStudyOn = on ? 1 : 0;
    txtSelfStudyTime->setVisible(on);
    udSelfStudyTime->setVisible(on);
    lblSelfStudyTime->setVisible(on);
}

void TfrmQuestionSetup::chkOptionClick()
{
    if (chkOption->isChecked()) {
        gbOption->setEnabled(true);
        if (chkImportantQuestion->isChecked()) {
            setChecked(chkImportantQuestion, false);
            chkImportantQuestionClick();
        }
        chkImportantQuestion->setEnabled(false);
        return;
    }
    SetFileChoiceEnabled(true);
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(rbSameQuestion),
                               static_cast<QAbstractButton *>(rbErrorOnly),
                               static_cast<QAbstractButton *>(rbNotSameQuestion),
                               static_cast<QAbstractButton *>(rbNotRandom),
                               static_cast<QAbstractButton *>(chkNotRandomContinue)})
        setChecked(b, false);
    ClearDrillOptions(m_main->drill);
    for (QWidget *w : {static_cast<QWidget *>(lblPrevNum), static_cast<QWidget *>(txtPrevNum),
                       static_cast<QWidget *>(udPrevNum), static_cast<QWidget *>(lblPrevNum_1)})
        w->setVisible(false);
    chkNotRandomContinue->setEnabled(false);
    gbOption->setEnabled(false);
    chkImportantQuestion->setEnabled(m_main->settings.ImportantOn == 1);
    // The boxes show the files in use again (a review showed its own).
    ShowFileNames(m_main->settings.QuestionFilePath, m_main->settings.ReferenceFilePath);
}

// Rule of every option radio button: the others go off, the review-number
// controls hide, resume goes off (the in-order option keeps it usable), then
// the chosen option goes on.
void TfrmQuestionSetup::radioClick(QRadioButton *chosen)
{
    DrillState &d = m_main->drill;
    SetFileChoiceEnabled(true);
    for (QRadioButton *r : {rbSameQuestion, rbErrorOnly, rbNotSameQuestion, rbNotRandom})
        setChecked(r, r == chosen);
    for (QWidget *w : {static_cast<QWidget *>(lblPrevNum), static_cast<QWidget *>(txtPrevNum),
                       static_cast<QWidget *>(udPrevNum), static_cast<QWidget *>(lblPrevNum_1)})
        w->setVisible(false);
    txtPrevNum->setToolTip(QString());
    if (chosen == rbNotRandom) {
        chkNotRandomContinue->setEnabled(true);
    } else {
        setChecked(chkNotRandomContinue, false);
        chkNotRandomContinue->setEnabled(false);
    }
    DrillOption option = DrillOption::None;
    if (chosen == rbSameQuestion)
        option = DrillOption::SameQuestion;
    else if (chosen == rbErrorOnly)
        option = DrillOption::ErrorOnly;
    else if (chosen == rbNotSameQuestion)
        option = DrillOption::NotSameQuestion;
    else if (chosen == rbNotRandom)
        option = DrillOption::NotRandom;
    ChooseDrillOption(d, option);

    if (chosen == rbSameQuestion || chosen == rbErrorOnly) {
        for (QWidget *w : {static_cast<QWidget *>(lblPrevNum), static_cast<QWidget *>(txtPrevNum),
                           static_cast<QWidget *>(udPrevNum), static_cast<QWidget *>(lblPrevNum_1)})
            w->setVisible(true);
        ReviewNumberRule();
    } else {
        ShowFileNames(m_main->settings.QuestionFilePath, m_main->settings.ReferenceFilePath);
    }
}

void TfrmQuestionSetup::rbSameQuestionClick()
{
    radioClick(rbSameQuestion);
}

void TfrmQuestionSetup::rbErrorOnlyClick()
{
    radioClick(rbErrorOnly);
}

void TfrmQuestionSetup::rbNotSameQuestionClick()
{
    radioClick(rbNotSameQuestion);
}

void TfrmQuestionSetup::rbNotRandomClick()
{
    radioClick(rbNotRandom);
}

void TfrmQuestionSetup::chkNotRandomContinueClick()
{
    m_main->drill.NotRandomContinue = chkNotRandomContinue->isChecked() ? 1 : 0;
}

void TfrmQuestionSetup::txtPrevNumChange()
{
    const DrillState &d = m_main->drill;
    if (d.SameQuestion || d.ErrorOnly)
        ReviewNumberRule();
}

// The review shows the reviewed drill's files and the sentences it will ask,
// proposes their number and locks the file and number choice.
void TfrmQuestionSetup::ReviewNumberRule()
{
    const DrillState &d = m_main->drill;
    const bool wrongOnly = d.SameQuestion == 0 && d.ErrorOnly != 0;
    const int prevNum = numberOf(txtPrevNum->text());
    const ReviewHint h = BuildReviewHint(d, prevNum, wrongOnly);
    if (FinishedDrill(d, prevNum))
        ShowFileNames(h.questionFile, h.referenceFile);
    txtPrevNum->setToolTip(h.hint);
    txtQuestionNum->setText(QString::number(h.count));
    SetFileChoiceEnabled(false);
}

void TfrmQuestionSetup::rgQuestionTypeClick()
{
    if (questionTypeIndex() == 1) {
        setAnswerTypeIndex(0);
        rgAnswerType->setEnabled(false);
    } else {
        rgAnswerType->setEnabled(true);
    }
}

void TfrmQuestionSetup::chkImportantQuestionClick()
{
    DrillState &d = m_main->drill;
    Settings &s = m_main->settings;
    if (chkImportantQuestion->isChecked()) {
        if (chkOption->isChecked()) {
            setChecked(chkOption, false);
            chkOptionClick();
        }
        chkNormalImportant->setEnabled(true);
        s.QuestionBaseName = Paths::baseName(s.QuestionFilePath);
        QFile file(ImportanceFile(s));
        if (!file.open(QIODevice::ReadOnly)) {
            platform().message(this, ImportanceUnavailableCaption(),
                               ImportanceFileMissingMessage(), MsgKind::Warning);
            setChecked(chkImportantQuestion, false);
            chkImportantQuestionClick();
            return;
        }
        d.ImportantOnly = 1;
        for (int k = 1; k <= 5; ++k) {
            levelButton(k)->setEnabled(true);
            levelButton(k)->setAutoRaise(false);
        }
        return;
    }
    setChecked(chkNormalImportant, false);
    chkNormalImportant->setEnabled(false);
    d.NormalAfterImportant = 0;
    d.ImportantOnly = 0;
    for (int k = 1; k <= 5; ++k) {
        levelButton(k)->setEnabled(false);
        levelButton(k)->setAutoRaise(true);
    }
}

void TfrmQuestionSetup::chkNormalImportantClick()
{
    m_main->drill.NormalAfterImportant = chkNormalImportant->isChecked() ? 1 : 0;
}

void TfrmQuestionSetup::cmdSelectQuestionFilePathClick()
{
    Settings &s = m_main->settings;
    QString folder = Paths::folderOf(s.QuestionFilePath);
    if (folder.isEmpty())
        folder = s.ProgramFolder + QStringLiteral("dictionary/");
    const QString path = platform().openFileName(this, QStringLiteral("問題集の選択"), folder,
                                                 QuestionFileFilter());
    if (path.isEmpty())
        return;
    QString error;
    if (!RememberRecentPath(s, RecentList::Question, path, &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
    s.QuestionFilePath = path;
    setComboText(cboQuestionFilePath, Paths::fileName(path));
    setComboText(m_main->cboQuestionFile, Paths::fileName(path));
}

void TfrmQuestionSetup::cmdSelectReferenceFilePathClick()
{
    const QString name = SelectReferenceFile(this, m_main->settings);
    if (name.isEmpty())
        return;
    setComboText(cboReferenceFilePath, name);
    setComboText(m_main->cboReferenceFile, name);
}

void TfrmQuestionSetup::cboQuestionFilePathChange()
{
    Settings &s = m_main->settings;
    const QString name = cboQuestionFilePath->currentText();
    s.QuestionFilePath = RecentFilePath(s, RecentList::Question, name);
    setComboText(m_main->cboQuestionFile, name);
}

void TfrmQuestionSetup::cboReferenceFilePathChange()
{
    const QString name = cboReferenceFilePath->currentText();
    ReferenceFileChanged(m_main->settings, name);
    setComboText(m_main->cboReferenceFile, name);
}

void TfrmQuestionSetup::SetFileChoiceEnabled(bool enabled)
{
    for (QWidget *w : {static_cast<QWidget *>(cboQuestionFilePath),
                       static_cast<QWidget *>(cmdSelectQuestionFilePath),
                       static_cast<QWidget *>(cboReferenceFilePath),
                       static_cast<QWidget *>(cmdSelectReferenceFilePath),
                       static_cast<QWidget *>(txtQuestionNum), static_cast<QWidget *>(udQuestionNum)})
        w->setEnabled(enabled);
}

void TfrmQuestionSetup::ShowFileNames(const QString &questionPath, const QString &referencePath)
{
    setComboText(cboQuestionFilePath, Paths::fileName(questionPath));
    setComboText(cboReferenceFilePath, Paths::fileName(referencePath));
}

void TfrmQuestionSetup::cmdOkClick()
{
    TfrmMain &w = *m_main;
    Settings &s = w.settings;
    DrillState &d = w.drill;

    // 1. The number of questions and the two files must be given.
    int number = 0;
    const QString problem = CheckSetupInput(txtQuestionNum->text(), cboQuestionFilePath->currentText(),
                                            cboReferenceFilePath->currentText(), &number);
    if (!problem.isEmpty()) {
        platform().message(this, PlainCaption(), problem, MsgKind::Plain);
        return;
    }
    // The seconds of self-scoring, within the box's own limits: the drill
    // uses the number typed, or refuses it.
    int selfStudyTime = d.SelfStudyTime;
    if (chkSelfStudyOn->isChecked()
        && !SetupNumber(txtSelfStudyTime->text(), udSelfStudyTime->minimum(),
                        udSelfStudyTime->maximum(), &selfStudyTime)) {
        platform().message(this, PlainCaption(),
                           SetupNumberMessage(QStringLiteral("正解表示までの秒数"),
                                              udSelfStudyTime->minimum(), udSelfStudyTime->maximum()),
                           MsgKind::Plain);
        txtSelfStudyTime->setFocus();
        return;
    }
    // A review asks lines of the reviewed drill's collection: that
    // collection and its reference book become current. The collection is
    // read and checked before anything is written; when it cannot be used,
    // the refused OK leaves the current files as they were.
    const DrillFilesSnapshot before(d, s);
    d.PrevDrill = numberOf(txtPrevNum->text()) - 1;
    UseReviewedDrillFiles(d, s);
    if (!DrillWindow::LoadCollection(w, this)) {
        before.restore(d, s);
        return;
    }

    // 2. The set-up is saved.
    QuestionSetupValues v;
    v.SelfStudyOn = chkSelfStudyOn->isChecked() ? 1 : 0;
    v.SelfStudyTime = txtSelfStudyTime->text();
    v.Option = chkOption->isChecked() ? 1 : 0;
    v.SameQuestion = d.SameQuestion;
    v.ErrorOnly = d.ErrorOnly;
    v.PrevQuestionNum = txtPrevNum->text();
    v.NotSameQuestion = d.NotSameQuestion;
    v.NotRandom = d.NotRandom;
    v.NotRandomContinue = d.NotRandomContinue;
    QString error;
    if (!WriteQuestionSetup(s.setupIniPath(), v, &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);

    // 3-7. Number, recent-file lists, answers file, shuffled list.
    d.QuestionNum = number;
    s.QuestionNum = number; // what the next start offers
    w.txtQuestionNum->setText(QString::number(number));
    const DrillStartFiles files = PrepareDrillStart(d, s);
    if (!files.error.isEmpty())
        platform().message(this, ErrorCaption(), files.error, MsgKind::Warning);
    DrillWindow::ShowFileNames(w, files);

    // 8. Panes, types and the reviewed drill.
    DrillWindow::ClearPanes(w);
    const int questionType = questionTypeIndex() == 1 ? 1 : 0;
    const int answerType = questionType == 1 ? 0 : qMax(0, answerTypeIndex());
    w.cboQuestionType->setCurrentIndex(questionType);
    w.cboAnswerType->setCurrentIndex(answerType);
    s.QuestionType = questionType;
    s.AnswerType = answerType;
    d.SelfStudyTime = selfStudyTime;

    // 9. The first question by the option in force.
    bool down[5];
    for (int k = 1; k <= 5; ++k)
        down[k - 1] = levelButton(k)->isChecked();
    d.ImportantLevels = ImportanceLevelsFromButtons(down);
    const QuestionChoice first = ChooseFirstQuestion(
        d, ReadContinuePos(s.setupIniPath(), Paths::fileName(s.QuestionFilePath)),
        ImportanceFile(s));
    if (!first.ok) {
        platform().message(this, first.caption.isEmpty() ? ErrorCaption() : first.caption,
                           first.message, MsgKind::Warning);
        return;
    }
    if (d.QuestionNum != number)
        w.txtQuestionNum->setText(QString::number(d.QuestionNum));

    // 10-15. The drill starts.
    if (!DrillWindow::BeginDrill(w, first.line, true, this))
        return;
    accept();
}
