#include "reference/frmMakeReference.h"

#include "platform/Paths.h"
#include "reference/ReferenceBook.h"
#include "reference/ReferenceMaker.h"
#include "settings/Settings.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 520;
constexpr int kHeight = 480;
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");
} // namespace

QStringList DisplayedLines(const QPlainTextEdit *box)
{
    QStringList lines;
    const QTextDocument *doc = box->document();
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(doc->documentLayout());
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        if (layout)
            layout->ensureBlockLayout(b);
        const QTextLayout *tl = b.layout();
        if (!tl || tl->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

TfrmMakeReference::TfrmMakeReference(Settings &settings, QWidget *parent)
    : TfrmMaker(settings, RecentList::Reference, parent)
{
    SetUpMaker(QStringLiteral("frmMakeReference"), QStringLiteral("参考書の作成"),
               QStringLiteral("ここでは、解説の追加／参考書の新規作成を行います。"));
    QLabel *lblReferenceFile = MakeFileRow(
        QStringLiteral("Reference"), QStringLiteral("追加先参考書の指定"),
        QStringLiteral("参考書を新規作成する場合は、ここを押してテキストファイルを作成してください"),
        cboReferenceFile, cmdSelectReferenceFile);

    auto *lblKeyword = new QLabel(QStringLiteral("キーワードの記入"), this);
    lblKeyword->setObjectName(QStringLiteral("lblKeyword"));
    txtKeyword = new QLineEdit(this);
    txtKeyword->setObjectName(QStringLiteral("txtKeyword"));
    txtKeyword->setFont(PixelFont(kFace, 17));

    auto *lblReference = new QLabel(QStringLiteral("解説の記入"), this);
    lblReference->setObjectName(QStringLiteral("lblReference"));
    moReference = new QPlainTextEdit(this);
    moReference->setObjectName(QStringLiteral("moReference"));
    moReference->setFont(PixelFont(kFace, 17));
    moReference->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moReference->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    moReference->setTabChangesFocus(true);

    MakeAddButton();
    MakeCloseButton();
    for (QPushButton *b : {cmdAdd, cmdClose})
        b->setMinimumWidth(100);

    QVBoxLayout *body = StartLayout(lblReferenceFile, 4);
    body->addSpacing(8);
    body->addWidget(lblKeyword);
    body->addWidget(txtKeyword);
    body->addSpacing(8);
    body->addWidget(lblReference);
    body->addWidget(moReference, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    FinishLayout(body, buttons);

    setTabOrder(txtKeyword, moReference);
    setTabOrder(moReference, cmdAdd);
    setTabOrder(cmdAdd, cmdClose);
    setTabOrder(cmdClose, cboReferenceFile);

    connect(cmdSelectReferenceFile, &QPushButton::clicked, this,
            &TfrmMakeReference::cmdSelectReferenceFileClick);
    FinishMaker(kWidth, kHeight);
}

void TfrmMakeReference::FormShow()
{
    m_shown = true;
    const QSignalBlocker block(cboReferenceFile);
    txtKeyword->clear();
    moReference->clear();
    FillFiles();
    cboReferenceFile->setCurrentText(Paths::fileName(m_settings.ReferenceFilePath));
    m_target = m_settings.ReferenceFilePath;
    txtKeyword->setFocus();
}

void TfrmMakeReference::cmdSelectReferenceFileClick()
{
    ChooseTarget(QStringLiteral("reference/"), QStringLiteral("追加先参考書の指定"),
                 Reference::fileFilter());
}

void TfrmMakeReference::cboReferenceFileChange()
{
    FilesChanged();
}

void TfrmMakeReference::cmdAddClick()
{
    const ReferenceAdd r = AddReferenceEntry(m_target, txtKeyword->text(), DisplayedLines(moReference));
    if (!r.written) {
        ShowError(r.message);
        if (r.field == ReferenceAdd::KeywordField)
            txtKeyword->setFocus();
        else if (r.field == ReferenceAdd::ExplanationField)
            moReference->setFocus();
        return;
    }
    moReference->clear();
    txtKeyword->clear();
    txtKeyword->setFocus();
}
