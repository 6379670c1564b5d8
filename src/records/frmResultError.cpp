#include "records/frmResultError.h"

#include "app/frmMain.h"
#include "drill/AnswerDiff.h"
#include "platform/Platform.h"
#include "records/Answers.h"
#include "records/RecordPaths.h"
#include "records/frmResultAtari.h"
#include "reference/frmShowReference.h"
#include "widgets/Look.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(409, 408);
const QString kTitleFace = QStringLiteral("ＭＳ 明朝");
}

QColor DifferenceTextColor() { return QColor(0xB0, 0x00, 0x00); }
QColor DifferenceBackColor() { return QColor(0xFF, 0xF0, 0xA0); }

void MarkDifferences(QTextEdit *memo, const QVector<TextSpan> &spans,
                     QTextCharFormat::UnderlineStyle underline)
{
    QTextCharFormat mark;
    mark.setForeground(DifferenceTextColor());
    mark.setBackground(DifferenceBackColor());
    mark.setUnderlineStyle(underline);
    mark.setUnderlineColor(DifferenceTextColor());
    mark.setFontWeight(QFont::Bold);
    for (const TextSpan &span : spans) {
        QTextCursor cursor(memo->document());
        cursor.setPosition(span.start);
        cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(mark);
    }
}

bool AcceptAnswer(QWidget *parent, TfrmMain *main)
{
    const Settings &s = main->settings;
    const DrillState &d = main->drill;
    if (AppendAcceptedAnswer(AnswersFile(s), d.QuestionText, d.InputAnswer))
        return true;
    platform().message(parent, PlainCaption(), AnswersOpenErrorMessage(s), MsgKind::Plain);
    return false;
}

TfrmResultError::TfrmResultError(TfrmMain *main, QWidget *parent)
    : TResultDialogBase(main, parent)
{
    setObjectName(QStringLiteral("frmResultError"));
    setWindowTitle(QStringLiteral("☆ 不正解です ☆"));
    const Settings &s = main->settings;
    DrillState &d = main->drill;
    d.AcceptedAsCorrect = false;

    pnlTitle = MakeBlackPanel(this, QStringLiteral("pnlTitle"));
    lblTitle = MakeStyledLabel(pnlTitle, QStringLiteral("lblTitle"), QStringLiteral("☆ 不正解 ☆"),
                               kTitleFace, 40, true, Qt::red);
    lblData = MakeStyledLabel(pnlTitle, QStringLiteral("lblData"),
                              TfrmResultAtari::DataText(d.QAskedCount, d.QRate), kTitleFace, 20,
                              true, QColor(192, 192, 192));
    for (QLabel *l : {lblTitle, lblData})
        l->setAlignment(Qt::AlignCenter);
    auto *title = new QVBoxLayout(pnlTitle);
    title->setContentsMargins(4, 0, 4, 2);
    title->setSpacing(0);
    title->addWidget(lblTitle);
    title->addWidget(lblData);

    lblKaitou = MakeNamedLabel(this, "lblKaitou", QStringLiteral("あなたの解答 ： "));
    moKaitou = MakeNamedMemo(this, "moKaitou");
    lblAnswer = MakeNamedLabel(this, "lblAnswer", QStringLiteral("正解 ： "));
    moAnswer = MakeNamedMemo(this, "moAnswer");
    lblComment = MakeNamedLabel(this, "lblComment", QStringLiteral("コメント ： "));
    moComment = MakeNamedMemo(this, "moComment");
    StyleMemo(moKaitou, PixelFont(s.FontAnswer, 14), 0);
    StyleMemo(moAnswer, PixelFont(s.FontAnswer, 14), s.FontAnswerColor);
    StyleMemo(moComment, FaceFont(s.FontComment, s.FontCommentSize), s.FontCommentColor);
    SetMemoLine(moKaitou, d.InputAnswer);
    SetMemoLine(moAnswer, d.AnswerText);
    SetMemoLine(moComment, d.CommentText);
    // What differs, marked in both answers; the texts stay as they are.
    const AnswerMarks marks = WrongAnswerMarks(d, s);
    MarkDifferences(moKaitou, marks.input, QTextCharFormat::WaveUnderline);
    MarkDifferences(moAnswer, marks.answer, QTextCharFormat::SingleUnderline);

    pnlToAtari = MakeNamedLabel(this, "pnlToAtari",
                           QStringLiteral("あなたの解答が正解の場合は、『正解にする』を押します"));
    pnlToAtari->setFrameShape(QFrame::Panel);
    pnlToAtari->setFrameShadow(QFrame::Raised);
    pnlToAtari->setAlignment(Qt::AlignCenter);
    lblToAtari = MakeNamedLabel(this, "lblToAtari", QStringLiteral("よく考えてから押してください => "));

    cmdToAtari = new QPushButton(QStringLiteral("正解にする (&A)"), this);
    cmdToAtari->setObjectName(QStringLiteral("cmdToAtari"));
    cmdToAtari->setAutoDefault(false);
    cmdToAtari->setToolTip(QStringLiteral("『") + d.InputAnswer + QStringLiteral("』を正解に追加する"));
    cmdToAtari->setEnabled(!d.InputAnswer.isEmpty() && d.SelfStudyOn != 1 && s.AnswerType != 2);
    connect(cmdToAtari, &QPushButton::clicked, this, &TfrmResultError::cmdToAtariClick);

    cmdOpenReference = new QPushButton(QStringLiteral("参考書を開く (&R)"), this);
    cmdOpenReference->setObjectName(QStringLiteral("cmdOpenReference"));
    cmdOpenReference->setAutoDefault(false);
    connect(cmdOpenReference, &QPushButton::clicked, this, &TfrmResultError::cmdOpenReferenceClick);

    cmdEditQuestionFile = new QPushButton(QStringLiteral("編集 (&E)"), this);
    cmdEditQuestionFile->setObjectName(QStringLiteral("cmdEditQuestionFile"));
    cmdEditQuestionFile->setAutoDefault(false);
    connect(cmdEditQuestionFile, &QPushButton::clicked, this,
            &TfrmResultError::cmdEditQuestionFileClick);

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QGridLayout;
    texts->setVerticalSpacing(4);
    texts->addWidget(lblKaitou, 0, 0, Qt::AlignTop);
    texts->addWidget(moKaitou, 0, 1);
    texts->addWidget(lblAnswer, 1, 0, Qt::AlignTop);
    texts->addWidget(moAnswer, 1, 1);
    texts->addWidget(lblComment, 2, 0, Qt::AlignTop);
    texts->addWidget(moComment, 2, 1);
    // Answers are one sentence; the comment takes the room that is left.
    moKaitou->setFixedHeight(46);
    moAnswer->setFixedHeight(46);
    texts->setRowStretch(2, 1);
    for (QLabel *l : {lblKaitou, lblAnswer, lblComment})
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);

    auto *toAtari = new QHBoxLayout;
    toAtari->addStretch(1);
    toAtari->addWidget(lblToAtari);
    toAtari->addWidget(cmdToAtari);

    auto *commands = new QHBoxLayout;
    commands->addWidget(cmdOpenReference);
    commands->addWidget(cmdEditQuestionFile);
    commands->addStretch(1);
    commands->addWidget(cmdClose);

    auto *levelRow = new QHBoxLayout;
    levels->addTo(levelRow);
    levelRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(pnlTitle);
    layout->addLayout(texts, 1);
    layout->addWidget(pnlToAtari);
    layout->addLayout(toAtari);
    layout->addLayout(levelRow);
    layout->addLayout(commands);

    SetUpImportance();
    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
}

void TfrmResultError::showEvent(QShowEvent *event)
{
    TResultDialogBase::showEvent(event);
    cmdClose->setFocus();
}

void TfrmResultError::cmdToAtariClick()
{
    if (!cmdToAtari->isEnabled())
        return;
    // Disabled first, so that the answer is never counted or written twice.
    cmdToAtari->setEnabled(false);
    AcceptAnswer(this, m_main);
    m_main->drill.AcceptedAsCorrect = true;
}

void TfrmResultError::cmdOpenReferenceClick()
{
    ShowReference(this, m_main->settings, m_main->drill.CurrentKeyword);
}

void TfrmResultError::cmdEditQuestionFileClick()
{
    // The main window's editor command opens the question file editor on
    // the current collection.
    m_main->cmdEditQuestionFileClick();
}
