#include "records/frmShowError.h"

#include "app/frmMain.h"
#include "drill/Collection.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "records/frmResultCommon.h"
#include "reference/frmShowReference.h"
#include "widgets/Look.h"
#include "widgets/UpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(585, 392);
constexpr int kUpDownMax = 10;
}

TfrmShowError::TfrmShowError(TfrmMain *main, QWidget *parent) : QDialog(parent), m_main(main)
{
    setObjectName(QStringLiteral("frmShowError"));
    setWindowTitle(QStringLiteral("あなたの間違えは？"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFont(DialogFont());

    pnlTitle = new QLabel(QStringLiteral("ここでは、直前の学習で間違えた問題を表示しています"), this);
    pnlTitle->setObjectName(QStringLiteral("pnlTitle"));
    PaintBlack(pnlTitle);
    {
        QFont f = pnlTitle->font();
        f.setPixelSize(15);
        f.setBold(true);
        pnlTitle->setFont(f);
    }
    pnlTitle->setAlignment(Qt::AlignCenter);
    pnlTitle->setMinimumHeight(32);

    Label1 = new QLabel(QStringLiteral("表示させる学習履歴の番号 ： "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtStudyNum = new QLineEdit(this);
    txtStudyNum->setObjectName(QStringLiteral("txtStudyNum"));
    txtStudyNum->setFixedWidth(40);
    udStudyNum = new TUpDown(this);
    udStudyNum->setObjectName(QStringLiteral("udStudyNum"));
    udStudyNum->setAssociate(txtStudyNum);
    udStudyNum->setRange(1, kUpDownMax);
    udStudyNum->setValue(1);
    connect(txtStudyNum, &QLineEdit::textChanged, this, [this] {
        if (m_shown)
            FillLists();
    });

    lblError = new QLabel(QStringLiteral("間違えた問題のリスト"), this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lstError = new QListWidget(this);
    lstError->setObjectName(QStringLiteral("lstError"));
    connect(lstError, &QListWidget::itemSelectionChanged, this, &TfrmShowError::lstErrorClick);

    lblAnswer = new QLabel(QStringLiteral("選択された問題の正解を表示"), this);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    moAnswer = new QTextEdit(this);
    moAnswer->setObjectName(QStringLiteral("moAnswer"));
    lblComment = new QLabel(QStringLiteral("コメントの表示"), this);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    moComment = new QTextEdit(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moAnswer->setReadOnly(true);
    moComment->setReadOnly(true);

    cmdOpenReference = new QPushButton(QStringLiteral("参考書を開く"), this);
    cmdOpenReference->setObjectName(QStringLiteral("cmdOpenReference"));
    cmdOpenReference->setAutoDefault(false);
    cmdOpenReference->setEnabled(false);
    connect(cmdOpenReference, &QPushButton::clicked, this, &TfrmShowError::cmdOpenReferenceClick);

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *number = new QHBoxLayout;
    number->setSpacing(0);
    number->addWidget(Label1);
    number->addWidget(txtStudyNum);
    number->addWidget(udStudyNum);
    number->addStretch(1);

    auto *left = new QVBoxLayout;
    left->addWidget(lblError);
    left->addWidget(lstError, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(lblAnswer);
    right->addWidget(moAnswer, 2);
    right->addWidget(lblComment);
    right->addWidget(moComment, 3);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOpenReference);
    buttons->addWidget(cmdClose);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addLayout(number);
    body->addLayout(columns, 1);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(pnlTitle);
    layout->addLayout(body, 1);

    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
}

void TfrmShowError::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmShowError::FormShow()
{
    m_shown = true;
    const Settings &s = m_main->settings;
    // Opens on the latest finished drill (the up-down keeps it within 1..10).
    {
        const QSignalBlocker block(txtStudyNum);
        const DrillState &d = m_main->drill;
        udStudyNum->setValue(d.DrillCount > 0 ? DrillNumberOf(d, d.DrillCount - 1) : 0);
    }
    StyleMemo(moAnswer, PixelFont(s.FontAnswer, 14), s.FontAnswerColor);
    moAnswer->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StyleMemo(moComment, FaceFont(s.FontComment, s.FontCommentSize), s.FontCommentColor);
    FillLists();
    cmdClose->setFocus();
}

void TfrmShowError::FillLists()
{
    lstError->clear();
    lstAnswer.clear();
    lstComment.clear();
    lstKeyword.clear();
    moAnswer->clear();
    moComment->clear();

    const QString text = txtStudyNum->text().trimmed();
    if (text.isEmpty())
        return; // being retyped
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok) {
        platform().message(this, ErrorCaption(),
                           QStringLiteral("'") + txtStudyNum->text()
                               + QStringLiteral("' は有効な整数値ではありません"),
                           MsgKind::Warning);
        return;
    }
    const DrillRecord *record = FinishedDrill(m_main->drill, number);
    if (!record)
        return;
    const int wrong = qMin(record->HazureCount, int(record->WrongLines.size()));
    if (wrong <= 0)
        return;

    // The drill's own collection; the current one for a record without it.
    const QString path = record->QuestionFile.isEmpty() ? m_main->settings.QuestionFilePath
                                                        : record->QuestionFile;
    QStringList lines;
    QString error;
    if (!TextFile::readLines(path, lines, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    for (int i = 0; i < wrong; ++i) {
        const int line = record->WrongLines.at(i);
        lstKeyword.append(lines.value(line));
        lstError->addItem(lines.value(line + 1));
        lstAnswer.append(lines.value(line + 2));
        lstComment.append(lines.value(line + 3));
    }
}

void TfrmShowError::lstErrorClick()
{
    const int row = lstError->currentRow();
    if (row < 0 || !lstError->currentItem() || !lstError->currentItem()->isSelected())
        return;
    moAnswer->clear();
    moComment->clear();
    cmdOpenReference->setEnabled(true);
    moAnswer->setPlainText(lstAnswer.value(row));
    moComment->setPlainText(lstComment.value(row));
}

void TfrmShowError::cmdOpenReferenceClick()
{
    const QList<QListWidgetItem *> selected = lstError->selectedItems();
    if (selected.isEmpty()) {
        platform().message(this, PlainCaption(), QStringLiteral("有効な項目が選択されていません"),
                           MsgKind::Plain);
        return;
    }
    ShowReference(this, m_main->settings, lstKeyword.value(lstError->row(selected.first())));
}
