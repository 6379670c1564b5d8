#include "records/frmResult.h"

#include "app/frmMain.h"
#include "platform/CorrectRate.h"
#include "platform/Platform.h"
#include "records/frmResultCommon.h"
#include "records/frmShowError.h"
#include "widgets/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(409, 200);
const QString kFace = QStringLiteral("ＭＳ 明朝");
}

TfrmResult::TfrmResult(TfrmMain *main, QWidget *parent) : QDialog(parent), m_main(main)
{
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("☆ 全問終了 ☆"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFont(DialogFont());
    const DrillState &d = main->drill;

    // Every planned question right at its first answer (or accepted).
    const bool allRight = d.AtariCount == d.QuestionNum;
    lblResult = MakeStyledLabel(this, QStringLiteral("lblResult"),
                                allRight ? QStringLiteral("☆ CONGRATULATION ☆")
                                         : QStringLiteral("☆ 全問終了 ☆"),
                                kFace, 28, true, ColorFromNumber(allRight ? 16711680 : 255));
    lblResult->setAlignment(Qt::AlignCenter);

    // The drill's final rate, as the main window's rate gauge shows it.
    const QString rate = CorrectRate(d.AtariCount, d.AskedCount);
    lblData = MakeStyledLabel(this, QStringLiteral("lblData"),
                              QStringLiteral("出題数 ： ") + QString::number(d.QuestionNum)
                                  + QStringLiteral("問、正解率 ： ") + rate + QStringLiteral("％"),
                              kFace, 18, true, palette().color(QPalette::WindowText));
    lblData->setAlignment(Qt::AlignCenter);

    cmdShowError = new QPushButton(QStringLiteral("間違えの表示 (&E)"), this);
    cmdShowError->setObjectName(QStringLiteral("cmdShowError"));
    cmdShowError->setAutoDefault(false);
    cmdShowError->setEnabled(!allRight);
    connect(cmdShowError, &QPushButton::clicked, this, &TfrmResult::cmdShowErrorClick);

    cmdClose = new QPushButton(QStringLiteral("閉じる （&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdShowError);
    buttons->addWidget(cmdClose);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 14, 10, 14);
    layout->addWidget(lblResult, 1);
    layout->addWidget(lblData, 1);
    layout->addLayout(buttons);

    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
}

void TfrmResult::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cmdClose->setFocus();
}

void TfrmResult::cmdShowErrorClick()
{
    TfrmShowError dlg(m_main, this);
    platform().execDialog(&dlg);
}
