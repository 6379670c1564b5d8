#include "reference/frmMakeReference.h"

#include "platform/Paths.h"
#include "platform/Platform.h"
#include "reference/ReferenceBook.h"
#include "reference/ReferenceMaker.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 520;
constexpr int kHeight = 480;
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");

QString errorCaption() { return QStringLiteral("エラー"); }
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
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMakeReference"));
    setWindowTitle(QStringLiteral("参考書の作成"));
    setFont(PixelFont(kFace, 12));

    pnlBanner = new QLabel(QStringLiteral("ここでは、解説の追加／参考書の新規作成を行います。"), this);
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

    auto *lblReferenceFile = new QLabel(QStringLiteral("追加先参考書の指定"), this);
    lblReferenceFile->setObjectName(QStringLiteral("lblReferenceFile"));
    cboReferenceFile = new QComboBox(this);
    cboReferenceFile->setObjectName(QStringLiteral("cboReferenceFile"));
    cboReferenceFile->setEditable(true);
    cboReferenceFile->setInsertPolicy(QComboBox::NoInsert);
    cmdSelectReferenceFile = new QPushButton(QStringLiteral("参照 (&S)"), this);
    cmdSelectReferenceFile->setObjectName(QStringLiteral("cmdSelectReferenceFile"));
    cmdSelectReferenceFile->setAutoDefault(false);
    cmdNewText = new QPushButton(QStringLiteral("&NEW"), this);
    cmdNewText->setObjectName(QStringLiteral("cmdNewText"));
    cmdNewText->setAutoDefault(false);
    cmdNewText->setToolTip(QStringLiteral(
        "参考書を新規作成する場合は、ここを押してテキストファイルを作成してください"));

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

    cmdAdd = new QPushButton(QStringLiteral("追加 (&A)"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    for (QPushButton *b : {cmdAdd, cmdClose})
        b->setMinimumWidth(100);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(6);
    layout->addWidget(pnlBanner);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    body->setSpacing(4);
    body->addWidget(lblReferenceFile);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(cboReferenceFile, 1);
    fileRow->addWidget(cmdSelectReferenceFile);
    fileRow->addWidget(cmdNewText);
    body->addLayout(fileRow);
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
    body->addSpacing(4);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    setTabOrder(txtKeyword, moReference);
    setTabOrder(moReference, cmdAdd);
    setTabOrder(cmdAdd, cmdClose);
    setTabOrder(cmdClose, cboReferenceFile);

    connect(cmdSelectReferenceFile, &QPushButton::clicked, this,
            &TfrmMakeReference::cmdSelectReferenceFileClick);
    connect(cboReferenceFile, &QComboBox::currentTextChanged, this,
            &TfrmMakeReference::cboReferenceFileChange);
    connect(cmdNewText, &QPushButton::clicked, this, &TfrmMakeReference::cmdNewTextClick);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmMakeReference::cmdAddClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmMakeReference::cmdCloseClick);

    setFixedSize(kWidth, kHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
}

void TfrmMakeReference::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmMakeReference::FormShow()
{
    m_shown = true;
    const QSignalBlocker block(cboReferenceFile);
    cboReferenceFile->clear();
    txtKeyword->clear();
    moReference->clear();
    cboReferenceFile->addItems(RecentFileNames(m_settings, RecentList::Reference));
    cboReferenceFile->setCurrentText(Paths::fileName(m_settings.ReferenceFilePath));
    m_target = m_settings.ReferenceFilePath;
    txtKeyword->setFocus();
}

void TfrmMakeReference::cmdSelectReferenceFileClick()
{
    QString folder = Paths::folderOf(m_target);
    if (folder.isEmpty())
        folder = m_settings.ProgramFolder + QStringLiteral("reference/");
    const QString path = platform().openFileName(this, QStringLiteral("追加先参考書の指定"), folder,
                                                 Reference::fileFilter());
    if (path.isEmpty())
        return;
    {
        const QSignalBlocker block(cboReferenceFile);
        cboReferenceFile->setCurrentText(Paths::fileName(path));
    }
    m_target = path;
    QString error;
    if (!RememberRecentPath(m_settings, RecentList::Reference, path, &error))
        platform().message(this, errorCaption(), error, MsgKind::Warning);
}

void TfrmMakeReference::cboReferenceFileChange()
{
    m_target = RecentFilePath(m_settings, RecentList::Reference, cboReferenceFile->currentText());
}

void TfrmMakeReference::cmdAddClick()
{
    const ReferenceAdd r = AddReferenceEntry(m_target, txtKeyword->text(), DisplayedLines(moReference));
    if (!r.written) {
        platform().message(this, errorCaption(), r.message, MsgKind::Warning);
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

void TfrmMakeReference::cmdNewTextClick()
{
    if (onNewText)
        onNewText();
}

void TfrmMakeReference::cmdCloseClick()
{
    reject();
}
