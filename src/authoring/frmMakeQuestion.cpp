#include "authoring/frmMakeQuestion.h"

#include "authoring/QuestionMaker.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "records/frmResultCommon.h"
#include "reference/ReferenceBook.h"
#include "settings/Settings.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 600;
constexpr int kTeal = 8421376;
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");

QString collectionFilter() { return QStringLiteral("問題集ファイル (*.txt)|*.txt"); }

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
    : TfrmMaker(settings, RecentList::Question, parent)
{
    SetUpMaker(QStringLiteral("frmMakeQuestion"), QStringLiteral("問題集の作成"),
               QStringLiteral("ここでは、問題の追加／問題集の新規作成を行います。"));
    QLabel *lblQuestionFile = MakeFileRow(
        QStringLiteral("Question"), QStringLiteral("追加先問題集の指定"),
        QStringLiteral("問題集を新規作成する場合は、ここを押してテキストファイルを作成してください"),
        cboQuestionFile, cmdSelectQuestionFile);

    auto *lblKeyword = MakeNamedLabel(this, "lblKeyword",
                                 QStringLiteral("キーワードの記入 （必要ない場合は、無記入にする）"));
    cboKeyword = new QComboBox(this);
    cboKeyword->setObjectName(QStringLiteral("cboKeyword"));
    cboKeyword->setEditable(true);
    cboKeyword->setInsertPolicy(QComboBox::NoInsert);
    cboKeyword->setFont(PixelFont(kFace, 14));
    chkKJapaneseOn = makeImeCheck(this, "chkKJapaneseOn", true);

    auto *lblEnglish = MakeNamedLabel(this, "lblEnglish", QStringLiteral("英文の記入"));
    txtEnglish = makeEdit(this, "txtEnglish");
    chkEJapaneseOn = makeImeCheck(this, "chkEJapaneseOn", false);

    auto *lblJapanese = MakeNamedLabel(this, "lblJapanese", QStringLiteral("日本語訳の記入"));
    txtJapanese = makeEdit(this, "txtJapanese");
    chkJJapaneseOn = makeImeCheck(this, "chkJJapaneseOn", true);

    auto *lblHole = MakeNamedLabel(this, "lblHole",
                              QStringLiteral("穴埋め形式のための穴の場所指定 （英文のみ可能です）"));
    auto *lblHole2 = MakeNamedLabel(this, "lblHole2",
                               QStringLiteral("穴にしたい部分が複数ある場合は、カンマ（ , ）で区切って記入します"));
    auto *lblHole3 = MakeNamedLabel(this, "lblHole3",
                               QStringLiteral("無記入の場合、穴埋め形式時に出題されません。"
                                              "なるべく記入するようにしてください。"));
    for (QLabel *l : {lblHole2, lblHole3}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ColorFromNumber(kTeal));
        l->setPalette(pal);
    }
    txtHole = makeEdit(this, "txtHole");

    auto *lblComment = MakeNamedLabel(this, "lblComment",
                                 QStringLiteral("コメントの記入 （書くことがない場合は、無記入にする）"));
    moComment = new QPlainTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moComment->setFont(PixelFont(kFace, 14));
    moComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moComment->setTabChangesFocus(true);

    MakeAddButton();
    Button1 = new QPushButton(QStringLiteral("編集 (&E)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    cmdImport = new QPushButton(QStringLiteral("取り込み (&I)"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setAutoDefault(false);
    cmdImport->setToolTip(QStringLiteral("CSV／TSV／テキストファイルから問題をまとめて取り込みます"));
    MakeCloseButton();
    for (QPushButton *b : {cmdAdd, Button1, cmdImport, cmdClose})
        b->setMinimumWidth(96);

    QVBoxLayout *body = StartLayout(lblQuestionFile, 3);

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
    buttons->addWidget(cmdImport);
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    FinishLayout(body, buttons);

    setTabOrder(cboKeyword, txtEnglish);
    setTabOrder(txtEnglish, txtJapanese);
    setTabOrder(txtJapanese, txtHole);
    setTabOrder(txtHole, moComment);
    setTabOrder(moComment, cmdAdd);
    setTabOrder(cmdAdd, Button1);
    setTabOrder(Button1, cmdImport);
    setTabOrder(cmdImport, cmdClose);

    connect(cmdSelectQuestionFile, &QPushButton::clicked, this,
            &TfrmMakeQuestion::cmdSelectQuestionFileClick);
    connect(chkKJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkKJapaneseOnClick);
    connect(chkEJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkEJapaneseOnClick);
    connect(chkJJapaneseOn, &QCheckBox::clicked, this, &TfrmMakeQuestion::chkJJapaneseOnClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmMakeQuestion::Button1Click);
    connect(cmdImport, &QPushButton::clicked, this, &TfrmMakeQuestion::cmdImportClick);
    FinishMaker(kWidth, kHeight);
}

void TfrmMakeQuestion::FormShow()
{
    m_shown = true;
    const QSignalBlocker block(cboQuestionFile);
    cboKeyword->clear();
    txtEnglish->clear();
    txtJapanese->clear();
    txtHole->clear();
    moComment->clear();
    FillFiles();
    cboQuestionFile->setEditText(QString());

    // The input method of each box follows its check box from the start.
    chkKJapaneseOnClick();
    chkEJapaneseOnClick();
    chkJJapaneseOnClick();

    QStringList keywords;
    QString error;
    if (!ReadReferenceKeywords(m_settings.ReferenceFilePath, keywords, &error)) {
        ShowError(error);
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
    ChooseTarget(QStringLiteral("dictionary/"), QStringLiteral("追加先問題集の指定"),
                 collectionFilter());
}

void TfrmMakeQuestion::cboQuestionFileChange()
{
    FilesChanged();
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
        ShowError(r.message);
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

void TfrmMakeQuestion::Button1Click()
{
    if (onEditQuestionFile)
        onEditQuestionFile();
}

void TfrmMakeQuestion::cmdImportClick()
{
    if (onImport)
        onImport();
}
