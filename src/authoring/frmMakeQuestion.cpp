#include "authoring/frmMakeQuestion.h"

#include "authoring/QuestionMaker.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "reference/ReferenceBook.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 600;
constexpr int kTeal = 8421376;
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");

QString errorCaption() { return QStringLiteral("エラー"); }
QString collectionFilter() { return QStringLiteral("問題集ファイル (*.txt)|*.txt"); }

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QCheckBox *makeImeCheck(QWidget *parent, const char *name, bool ticked)
{
    auto *c = new QCheckBox(QStringLiteral("日本語入力を\"オン\"にする"), parent);
    c->setObjectName(QLatin1String(name));
    c->setChecked(ticked);
    return c;
}

QLineEdit *makeEdit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setFont(PixelFont(kFace, 14));
    return e;
}

QStringList paragraphs(const QPlainTextEdit *box)
{
    return box->toPlainText().split(QLatin1Char('\n'));
}
} // namespace

TfrmMakeQuestion::TfrmMakeQuestion(Settings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMakeQuestion"));
    setWindowTitle(QStringLiteral("問題集の作成"));
    setFont(PixelFont(kFace, 12));

    pnlBanner = new QLabel(QStringLiteral("ここでは、問題の追加／問題集の新規作成を行います。"), this);
    pnlBanner->setObjectName(QStringLiteral("pnlBanner"));
    pnlBanner->setAutoFillBackground(true);
    {
        QPalette pal = pnlBanner->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, Qt::white);
        pnlBanner->setPalette(pal);
    }
    pnlBanner->setFont(PixelFont(kFace, 14));
    pnlBanner->setContentsMargins(10, 8, 10, 8);

    auto *lblQuestionFile = makeLabel(this, "lblQuestionFile", QStringLiteral("追加先問題集の指定"));
    cboQuestionFile = new QComboBox(this);
    cboQuestionFile->setObjectName(QStringLiteral("cboQuestionFile"));
    cboQuestionFile->setEditable(true);
    cboQuestionFile->setInsertPolicy(QComboBox::NoInsert);
    cmdSelectQuestionFile = new QPushButton(QStringLiteral("参照 (&S)"), this);
    cmdSelectQuestionFile->setObjectName(QStringLiteral("cmdSelectQuestionFile"));
    cmdSelectQuestionFile->setAutoDefault(false);
    cmdNewText = new QPushButton(QStringLiteral("&NEW"), this);
    cmdNewText->setObjectName(QStringLiteral("cmdNewText"));
    cmdNewText->setAutoDefault(false);
    cmdNewText->setToolTip(QStringLiteral(
        "問題集を新規作成する場合は、ここを押してテキストファイルを作成してください"));

    auto *lblKeyword = makeLabel(this, "lblKeyword",
                                 QStringLiteral("キーワードの記入 （必要ない場合は、無記入にする）"));
    cboKeyword = new QComboBox(this);
    cboKeyword->setObjectName(QStringLiteral("cboKeyword"));
    cboKeyword->setEditable(true);
    cboKeyword->setInsertPolicy(QComboBox::NoInsert);
    cboKeyword->setFont(PixelFont(kFace, 14));
    chkKJapaneseOn = makeImeCheck(this, "chkKJapaneseOn", true);

    auto *lblEnglish = makeLabel(this, "lblEnglish", QStringLiteral("英文の記入"));
    txtEnglish = makeEdit(this, "txtEnglish");
    chkEJapaneseOn = makeImeCheck(this, "chkEJapaneseOn", false);

    auto *lblJapanese = makeLabel(this, "lblJapanese", QStringLiteral("日本語訳の記入"));
    txtJapanese = makeEdit(this, "txtJapanese");
    chkJJapaneseOn = makeImeCheck(this, "chkJJapaneseOn", true);

    auto *lblHole = makeLabel(this, "lblHole",
                              QStringLiteral("穴埋め形式のための穴の場所指定 （英文のみ可能です）"));
    auto *lblHole2 = makeLabel(this, "lblHole2",
                               QStringLiteral("穴にしたい部分が複数ある場合は、カンマ（ , ）で区切って記入します"));
    auto *lblHole3 = makeLabel(this, "lblHole3",
                               QStringLiteral("無記入の場合、穴埋め形式時に出題されません。"
                                              "なるべく記入するようにしてください。"));
    for (QLabel *l : {lblHole2, lblHole3}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ColorFromNumber(kTeal));
        l->setPalette(pal);
    }
    txtHole = makeEdit(this, "txtHole");

    auto *lblComment = makeLabel(this, "lblComment",
                                 QStringLiteral("コメントの記入 （書くことがない場合は、無記入にする）"));
    moComment = new QPlainTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moComment->setFont(PixelFont(kFace, 14));
    moComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moComment->setTabChangesFocus(true);

    cmdAdd = new QPushButton(QStringLiteral("追加 (&A)"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("編集 (&E)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    for (QPushButton *b : {cmdAdd, Button1, cmdClose})
        b->setMinimumWidth(96);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(6);
    layout->addWidget(pnlBanner);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    body->setSpacing(3);
    body->addWidget(lblQuestionFile);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(cboQuestionFile, 1);
    fileRow->addWidget(cmdSelectQuestionFile);
    fileRow->addWidget(cmdNewText);
    body->addLayout(fileRow);

    // Each entry box: its label with the input-method check box beside it.
    const auto labelled = [body](QLabel *label, QCheckBox *check, QWidget *box) {
        body->addSpacing(6);
        auto *row = new QHBoxLayout;
        row->addWidget(label, 1);
        row->addWidget(check);
        body->addLayout(row);
        body->addWidget(box);
    };
    labelled(lblKeyword, chkKJapaneseOn, cboKeyword);
    labelled(lblEnglish, chkEJapaneseOn, txtEnglish);
    labelled(lblJapanese, chkJJapaneseOn, txtJapanese);
    body->addSpacing(6);
    body->addWidget(lblHole);
    body->addWidget(lblHole2);
    body->addWidget(lblHole3);
    body->addWidget(txtHole);
    body->addSpacing(6);
    body->addWidget(lblComment);
    body->addWidget(moComment, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    body->addSpacing(4);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    setTabOrder(cboKeyword, txtEnglish);
    setTabOrder(txtEnglish, txtJapanese);
    setTabOrder(txtJapanese, txtHole);
    setTabOrder(txtHole, moComment);
    setTabOrder(moComment, cmdAdd);
    setTabOrder(cmdAdd, Button1);
    setTabOrder(Button1, cmdClose);

    connect(cmdSelectQuestionFile, &QPushButton::clicked, this,
            &TfrmMakeQuestion::cmdSelectQuestionFileClick);
    connect(cboQuestionFile, &QComboBox::currentTextChanged, this,
            &TfrmMakeQuestion::cboQuestionFileChange);
    connect(chkKJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkKJapaneseOnClick);
    connect(chkEJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkEJapaneseOnClick);
    connect(chkJJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkJJapaneseOnClick);
    connect(cmdNewText, &QPushButton::clicked, this, &TfrmMakeQuestion::cmdNewTextClick);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmMakeQuestion::cmdAddClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmMakeQuestion::Button1Click);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmMakeQuestion::cmdCloseClick);

    setFixedSize(kWidth, kHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
}

void TfrmMakeQuestion::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmMakeQuestion::FormShow()
{
    m_shown = true;
    const QSignalBlocker block(cboQuestionFile);
    cboQuestionFile->clear();
    cboKeyword->clear();
    txtEnglish->clear();
    txtJapanese->clear();
    txtHole->clear();
    moComment->clear();
    cboQuestionFile->addItems(RecentFileNames(m_settings, RecentList::Question));
    cboQuestionFile->setEditText(QString());

    // The input method of each box follows its check box from the start.
    chkKJapaneseOnClick();
    chkEJapaneseOnClick();
    chkJJapaneseOnClick();

    QStringList keywords;
    QString error;
    if (!ReadReferenceKeywords(m_settings.ReferenceFilePath, keywords, &error)) {
        platform().message(this, errorCaption(), error, MsgKind::Warning);
        m_target.clear();
        return;
    }
    cboKeyword->addItems(keywords);
    cboKeyword->setCurrentIndex(-1);
    cboKeyword->setEditText(QString());
    cboQuestionFile->setCurrentText(Paths::fileName(m_settings.QuestionFilePath));
    m_target = m_settings.QuestionFilePath;
    cboKeyword->setFocus();
}

void TfrmMakeQuestion::cmdSelectQuestionFileClick()
{
    QString folder = Paths::folderOf(m_target);
    if (folder.isEmpty())
        folder = m_settings.ProgramFolder + QStringLiteral("dictionary/");
    const QString path = platform().openFileName(this, QStringLiteral("追加先問題集の指定"), folder,
                                                 collectionFilter());
    if (path.isEmpty())
        return;
    {
        const QSignalBlocker block(cboQuestionFile);
        cboQuestionFile->setCurrentText(Paths::fileName(path));
    }
    m_target = path;
    QString error;
    if (!RememberRecentPath(m_settings, RecentList::Question, path, &error))
        platform().message(this, errorCaption(), error, MsgKind::Warning);
}

void TfrmMakeQuestion::cboQuestionFileChange()
{
    m_target = RecentFilePath(m_settings, RecentList::Question, cboQuestionFile->currentText());
}

void TfrmMakeQuestion::chkKJapaneseOnClick()
{
    platform().setInputMethod(cboKeyword, chkKJapaneseOn->isChecked());
}

void TfrmMakeQuestion::chkEJapaneseOnClick()
{
    platform().setInputMethod(txtEnglish, chkEJapaneseOn->isChecked());
}

void TfrmMakeQuestion::chkJJapaneseOnClick()
{
    platform().setInputMethod(txtJapanese, chkJJapaneseOn->isChecked());
}

void TfrmMakeQuestion::cmdAddClick()
{
    QuestionDraft draft;
    draft.keyword = cboKeyword->currentText();
    draft.english = txtEnglish->text();
    draft.japanese = txtJapanese->text();
    draft.hole = txtHole->text();
    draft.comment = paragraphs(moComment);
    const QuestionAdd r = AddQuestionRecord(m_target, draft);
    if (!r.written) {
        platform().message(this, errorCaption(), r.message, MsgKind::Warning);
        switch (r.field) {
        case QuestionAdd::KeywordField: cboKeyword->setFocus(); break;
        case QuestionAdd::EnglishField: txtEnglish->setFocus(); break;
        case QuestionAdd::JapaneseField: txtJapanese->setFocus(); break;
        case QuestionAdd::HoleField: txtHole->setFocus(); break;
        case QuestionAdd::CommentField: moComment->setFocus(); break;
        case QuestionAdd::NoField: break;
        }
        return;
    }
    cboKeyword->setEditText(QString());
    txtEnglish->clear();
    txtJapanese->clear();
    txtHole->clear();
    moComment->clear();
    cboKeyword->setFocus();
}

void TfrmMakeQuestion::cmdNewTextClick()
{
    if (onNewText)
        onNewText();
}

void TfrmMakeQuestion::Button1Click()
{
    if (onEditQuestionFile)
        onEditQuestionFile();
}

void TfrmMakeQuestion::cmdCloseClick()
{
    reject();
}
