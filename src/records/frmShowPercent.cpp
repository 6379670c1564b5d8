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
    setObjectName(QStringLiteral("frmShowPercent"));
    setWindowTitle(QStringLiteral("正解率の表示"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFont(DialogFont());

    Panel1 = MakeViewTitle(this, QStringLiteral("ここでは、正解率を表示します"));

    const QDateTime now = Clock::currentTime();
    Label1 = new QLabel(QStringLiteral("問題集の選択 ： "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cboQuestionFile = new QComboBox(this);
    cboQuestionFile->setObjectName(QStringLiteral("cboQuestionFile"));
    FillCollectionChoice(cboQuestionFile, m_settings);

    Label2 = new QLabel(QStringLiteral("年の選択 ： "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cboYear = new QComboBox(this);
    cboYear->setObjectName(QStringLiteral("cboYear"));
    FillYearChoice(cboYear, now);

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

    cmdView = new QPushButton(QStringLiteral("表示 (&V)"), this);
    cmdView->setObjectName(QStringLiteral("cmdView"));
    cmdView->setDefault(true);
    connect(cmdView, &QPushButton::clicked, this, &TfrmShowPercent::cmdViewClick);
    Button3 = new QPushButton(QStringLiteral("グラフを表示 (&G)"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);
    connect(Button3, &QPushButton::clicked, this, &TfrmShowPercent::Button3Click);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

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

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(Panel1);
    layout->addLayout(body, 1);

    setFixedSize(kClientSize);
    CenterOnScreen(this, kClientSize);
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
