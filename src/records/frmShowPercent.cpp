#include "records/frmShowPercent.h"

#include "platform/Clock.h"
#include "platform/DateStrings.h"
#include "platform/Platform.h"
#include "records/StatsViews.h"
#include "records/frmResultCommon.h"
#include "records/frmShowGraph.h"
#include "records/frmViewCommon.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(457, 416);
}

TfrmShowPercent::TfrmShowPercent(const Settings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    Panel1 = SetUpView(this, QStringLiteral("frmShowPercent"), QStringLiteral("正解率の表示"),
                       QStringLiteral("ここでは、正解率を表示します"));

    const QDateTime now = Clock::currentTime();
    MakeCollectionYearChoice(this, m_settings, now, Label1, cboQuestionFile, Label2, cboYear);

    Label3 = new QLabel(QStringLiteral("月の選択 ： "), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    cboMonth = new QComboBox(this);
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    for (int m = 1; m <= 12; ++m)
        cboMonth->addItem(QString::number(m));
    cboMonth->setCurrentIndex(now.date().month() - 1);

    lstData = new QTreeWidget(this);
    lstData->setObjectName(QStringLiteral("lstData"));
    SetUpReportList(lstData,
                    {QStringLiteral("日付"), QStringLiteral("出題数"), QStringLiteral("正解数"),
                     QStringLiteral("正解率")},
                    {100, 100, 100, 100}, 1);

    pnlAllPercent = new QLabel(this);
    pnlAllPercent->setObjectName(QStringLiteral("pnlAllPercent"));
    pnlAllPercent->setFrameShape(QFrame::Panel);
    pnlAllPercent->setFrameShadow(QFrame::Sunken);
    pnlAllPercent->setAlignment(Qt::AlignCenter);
    pnlAllPercent->setFixedHeight(26);

    cmdView = MakeViewButton(this, QStringLiteral("cmdView"), QStringLiteral("表示 (&V)"), true,
                             &TfrmShowPercent::cmdViewClick);
    Button3 = MakeViewButton(this, QStringLiteral("Button3"), QStringLiteral("グラフを表示 (&G)"),
                             false, &TfrmShowPercent::Button3Click);
    cmdClose = MakeViewCloseButton(this, QStringLiteral("cmdClose"), false);

    auto *choices = new QGridLayout;
    choices->setHorizontalSpacing(4);
    choices->addWidget(Label1, 0, 0, Qt::AlignRight);
    choices->addWidget(cboQuestionFile, 0, 1);
    choices->addWidget(Label2, 1, 0, Qt::AlignRight);
    choices->addWidget(cboYear, 1, 1, Qt::AlignLeft);
    choices->addWidget(Label3, 2, 0, Qt::AlignRight);
    choices->addWidget(cboMonth, 2, 1, Qt::AlignLeft);
    choices->setColumnStretch(1, 1);
    cboYear->setMinimumWidth(80);
    cboMonth->setMinimumWidth(80);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdView);
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    body->addLayout(choices);
    body->addWidget(lstData, 1);
    body->addWidget(pnlAllPercent);
    body->addLayout(buttons);
    FinishView(this, Panel1, body, 10, -1, kClientSize);
}

void TfrmShowPercent::cmdViewClick()
{
    lstData->clear();
    const QString base = ViewBaseName(cboQuestionFile->currentText());
    const QString month = cboMonth->currentText();
    const PercentTable table = ReadPercentTable(m_settings, base, cboYear->currentText(), month,
                                                DateStrings::from(Clock::currentTime()));
    for (const PercentRow &row : table.Rows)
        AddReportRow(lstData,
                     {row.Date, QString::number(row.Asked), QString::number(row.Atari),
                      PercentRateText(row.Rate)},
                     1);
    if (!table.Rows.isEmpty())
        pnlAllPercent->setText(MonthTotalText(month, table.MonthRate));
}

void TfrmShowPercent::Button3Click()
{
    TfrmShowGraph graph(m_settings, this);
    platform().execDialog(&graph);
}
