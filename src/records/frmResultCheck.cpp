#include "records/frmResultCheck.h"

#include "app/frmMain.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "records/frmResultError.h"
#include "reference/frmReferenceCommands.h"
#include "reference/frmShowReference.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(545, 578);
}

TfrmResultCheck::TfrmResultCheck(TfrmMain *main, QWidget *parent)
    : TResultDialogBase(main, parent)
{
    setObjectName(QStringLiteral("frmResultCheck"));
    setWindowTitle(QStringLiteral("自己採点"));
    // A title bar without buttons: the verdict buttons close the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    const Settings &s = main->settings;
    DrillState &d = main->drill;
    // Until a verdict button is pressed the answer counts as wrong, so a
    // close by other means (Esc, the window manager) never passes it.
    d.SelfScore = 0;

    Panel1 = new QLabel(QStringLiteral("結果はどうですか？"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    PaintBlack(Panel1);
    {
        QFont f = Panel1->font();
        f.setPixelSize(16);
        f.setBold(true);
        Panel1->setFont(f);
    }
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setMinimumHeight(34);

    lblQuestion = MakeNamedLabel(this, "lblQuestion", QStringLiteral("出題された問題 ： "));
    moQuestion = MakeNamedMemo(this, "moQuestion");
    lblKaitou = MakeNamedLabel(this, "lblKaitou", QStringLiteral("あなたの解答 ： "));
    moKaitou = MakeNamedMemo(this, "moKaitou");
    lblAnswer = MakeNamedLabel(this, "lblAnswer", QStringLiteral("正解 ： "));
    moAnswer = MakeNamedMemo(this, "moAnswer");
    lblComment = MakeNamedLabel(this, "lblComment", QStringLiteral("コメント ： "));
    moComment = MakeNamedMemo(this, "moComment");
    lblReference = MakeNamedLabel(this, 
        "lblReference",
        QStringLiteral("参考書内容の表示 （キーワードが設定されていない場合は表示されません）"));
    moReference = MakeNamedMemo(this, "moReference");

    StyleMemo(moQuestion, FaceFont(s.FontQuestion, s.FontQuestionSize), s.FontQuestionColor);
    StyleMemo(moKaitou, PixelFont(s.FontAnswer, 14), 0);
    StyleMemo(moAnswer, PixelFont(s.FontAnswer, 14), s.FontAnswerColor);
    StyleMemo(moComment, FaceFont(s.FontComment, s.FontCommentSize), s.FontCommentColor);
    StyleMemo(moReference, PixelFont(s.FontReference, 14), s.FontReferenceColor);
    SetMemoLine(moQuestion, d.QuestionText);
    SetMemoLine(moKaitou, d.InputAnswer);
    SetMemoLine(moAnswer, d.AnswerText);
    SetMemoLine(moComment, d.CommentText);
    // The entry of the current question's keyword; a book that cannot be
    // read (none chosen, file missing) leaves the box empty so that the
    // answer can still be scored.
    const ReferenceEntry entry = FillReferenceText(moReference, s, d.CurrentKeyword, false);
    if (entry.status == ReferenceEntry::Unreadable)
        moReference->clear();

    chkAdd = new QCheckBox(
        QStringLiteral("『正解』を選んだ場合、あなたの解答を\"正解ファイル\"に追加する。 (&T)"), this);
    chkAdd->setObjectName(QStringLiteral("chkAdd"));
    chkAdd->setChecked(s.AddOn == 1);
    connect(chkAdd, &QCheckBox::clicked, this, &TfrmResultCheck::chkAddClick);

    cmdAtari = new QPushButton(QStringLiteral("正解 (&A)"), this);
    cmdAtari->setObjectName(QStringLiteral("cmdAtari"));
    connect(cmdAtari, &QPushButton::clicked, this, &TfrmResultCheck::cmdAtariClick);
    cmdHazure = new QPushButton(QStringLiteral("不正解 (&H)"), this);
    cmdHazure->setObjectName(QStringLiteral("cmdHazure"));
    connect(cmdHazure, &QPushButton::clicked, this, &TfrmResultCheck::cmdHazureClick);
    Button1 = new QPushButton(QStringLiteral("辞書で調べる"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TfrmResultCheck::Button1Click);
    cmdEditQuestionFile = new QPushButton(QStringLiteral("編集 (&E)"), this);
    cmdEditQuestionFile->setObjectName(QStringLiteral("cmdEditQuestionFile"));
    connect(cmdEditQuestionFile, &QPushButton::clicked, this,
            &TfrmResultCheck::cmdEditQuestionFileClick);
    for (QPushButton *b : {cmdAtari, cmdHazure, Button1, cmdEditQuestionFile})
        b->setAutoDefault(false);

    auto *texts = new QGridLayout;
    texts->setVerticalSpacing(4);
    const QList<QPair<QLabel *, QTextEdit *>> rows{
        {lblQuestion, moQuestion}, {lblKaitou, moKaitou}, {lblAnswer, moAnswer},
        {lblComment, moComment}};
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].first->setAlignment(Qt::AlignRight | Qt::AlignTop);
        texts->addWidget(rows[i].first, i, 0, Qt::AlignTop);
        texts->addWidget(rows[i].second, i, 1);
    }
    texts->setRowStretch(0, 3);
    texts->setRowStretch(1, 2);
    texts->setRowStretch(2, 2);
    texts->setRowStretch(3, 3);

    auto *verdict = new QHBoxLayout;
    verdict->addWidget(cmdAtari);
    verdict->addWidget(cmdHazure);
    verdict->addStretch(1);
    verdict->addWidget(Button1);
    verdict->addWidget(cmdEditQuestionFile);

    auto *levelRow = new QHBoxLayout;
    levels->addTo(levelRow);
    levelRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(Panel1);
    layout->addLayout(texts, 5);
    layout->addWidget(lblReference);
    layout->addWidget(moReference, 3);
    layout->addWidget(chkAdd);
    layout->addLayout(levelRow);
    layout->addLayout(verdict);

    SetUpImportance();
    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
}

void TfrmResultCheck::chkAddClick()
{
    Settings &s = m_main->settings;
    s.AddOn = chkAdd->isChecked() ? 1 : 0;
    IniFile ini(s.setupIniPath());
    ini.writeString(QStringLiteral("Setup"), QStringLiteral("AddOn"),
                    s.AddOn == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    QString error;
    if (!ini.save(&error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
}

void TfrmResultCheck::cmdAtariClick()
{
    const DrillState &d = m_main->drill;
    m_main->drill.SelfScore = 1;
    if (m_main->settings.AnswerType != 2 && chkAdd->isChecked() && !d.InputAnswer.isEmpty())
        AcceptAnswer(this, m_main);
    accept();
}

void TfrmResultCheck::cmdHazureClick()
{
    m_main->drill.SelfScore = 0;
    accept();
}

void TfrmResultCheck::Button1Click()
{
    AskDictionaryWord(this, m_main->settings, false);
}

void TfrmResultCheck::cmdEditQuestionFileClick()
{
    m_main->cmdEditQuestionFileClick();
}
