#include "records/frmShowHistory.h"

#include "drill/DrillState.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "records/frmResultCommon.h"
#include "records/frmViewCommon.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(666, 296);
}

TfrmShowHistory::TfrmShowHistory(const DrillState &drill, QWidget *parent)
    : QDialog(parent), m_drill(drill)
{
    Panel1 = SetUpView(this, QStringLiteral("frmShowHistory"), QStringLiteral("学習履歴の表示"),
                       QStringLiteral("ここには、起動後から１０回分の学習履歴が表示されます"));
    Label1 = new QLabel(QStringLiteral("表示されるのは１０回分のみです。１０回以上の場合は、古いものから削除されます。"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));

    lstHistory = new QTreeWidget(this);
    lstHistory->setObjectName(QStringLiteral("lstHistory"));
    SetUpReportList(lstHistory,
                    {QStringLiteral("No."), QStringLiteral("開始時間"), QStringLiteral("終了時間"),
                     QStringLiteral("使用問題集"), QStringLiteral("出題数"), QStringLiteral("正解数"),
                     QStringLiteral("不正解数"), QStringLiteral("正解率")},
                    {30, 100, 100, 100, 70, 70, 70, 70}, 1);
    connect(lstHistory, &QTreeWidget::itemSelectionChanged, this, &TfrmShowHistory::lstHistoryClick);
    connect(lstHistory, &QTreeWidget::itemDoubleClicked, this, &TfrmShowHistory::lstHistoryDblClick);

    chkHint = new QCheckBox(
        QStringLiteral("選択した学習時に間違えた問題をヒントで表示する （クリックで表示） (&H)"), this);
    chkHint->setObjectName(QStringLiteral("chkHint"));
    connect(chkHint, &QCheckBox::clicked, this, &TfrmShowHistory::chkHintClick);

    cmdTextSave = MakeViewButton(this, QStringLiteral("cmdTextSave"),
                                 QStringLiteral("テキスト形式で保存 (&T)"), false,
                                 &TfrmShowHistory::cmdTextSaveClick);
    cmdCSVSave = MakeViewButton(this, QStringLiteral("cmdCSVSave"), QStringLiteral("CSV形式で保存 (&S)"),
                                false, &TfrmShowHistory::cmdCSVSaveClick);
    Button1 = MakeViewCloseButton(this, QStringLiteral("Button1"), true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkHint);
    bottom->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdTextSave);
    buttons->addWidget(cmdCSVSave);
    buttons->addStretch(1);
    buttons->addWidget(Button1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 2, 10, 0);
    body->setSpacing(4);
    body->addWidget(Label1);
    body->addWidget(lstHistory, 1);
    body->addLayout(bottom);
    body->addLayout(buttons);
    FinishView(this, Panel1, body, 8, 4, kClientSize);
    FormShow();
}

void TfrmShowHistory::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
    m_shown = true;
}

void TfrmShowHistory::FormShow()
{
    lstHistory->clear();
    lstHistory->setToolTip(QString());
    for (const QStringList &row : HistoryTable(m_drill))
        AddReportRow(lstHistory, row, 1);
}

QList<QStringList> TfrmShowHistory::ShownTable() const
{
    QList<QStringList> table;
    for (int i = 0; i < lstHistory->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lstHistory->topLevelItem(i);
        QStringList row;
        for (int c = 0; c < lstHistory->columnCount(); ++c)
            row << item->text(c);
        table << row;
    }
    return table;
}

int TfrmShowHistory::SelectedRecord() const
{
    const QList<QTreeWidgetItem *> selected = lstHistory->selectedItems();
    if (selected.isEmpty())
        return -1;
    return lstHistory->indexOfTopLevelItem(selected.first());
}

void TfrmShowHistory::lstHistoryClick()
{
    lstHistory->setToolTip(QString());
    const int record = SelectedRecord();
    if (!chkHint->isChecked() || record < 0)
        return;
    QString list;
    if (WrongAnswerList(m_drill, record, list))
        lstHistory->setToolTip(list);
}

void TfrmShowHistory::chkHintClick()
{
    lstHistory->setToolTip(QString());
}

void TfrmShowHistory::lstHistoryDblClick()
{
    const int record = SelectedRecord();
    if (record < 0)
        return;
    QString list;
    QString error;
    if (!WrongAnswerList(m_drill, record, list, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    if (!list.isEmpty())
        platform().message(this, PlainCaption(), list, MsgKind::Plain);
}

void TfrmShowHistory::cmdTextSaveClick()
{
    Export(ExportFormat::Text);
}

void TfrmShowHistory::cmdCSVSaveClick()
{
    Export(ExportFormat::Csv);
}

void TfrmShowHistory::Export(ExportFormat format)
{
    QString path = platform().saveFileName(this, QStringLiteral("名前を付けて保存"), QString(),
                                           ExportFilter(format));
    if (path.isEmpty())
        return;
    path = WithDefaultExtension(path, ExportExtension(format));
    if (!ExportHistory(path, ShownTable(), format, Clock::currentTime().date()))
        platform().message(this, PlainCaption(), ExportFailedText(), MsgKind::Plain);
}
