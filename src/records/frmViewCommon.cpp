#include "records/frmViewCommon.h"

#include "platform/Paths.h"
#include "records/StatsViews.h"
#include "records/frmResultCommon.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

QLabel *MakeViewTitle(QWidget *parent, const QString &text)
{
    auto *panel = new QLabel(text, parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    PaintBlack(panel);
    QFont f = panel->font();
    f.setPixelSize(14);
    f.setBold(true);
    panel->setFont(f);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedHeight(30);
    return panel;
}

QLabel *SetUpView(QDialog *view, const QString &name, const QString &caption,
                  const QString &panelText)
{
    view->setObjectName(name);
    view->setWindowTitle(caption);
    view->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    view->setFont(DialogFont());
    return MakeViewTitle(view, panelText);
}

QPushButton *MakeViewButton(QWidget *parent, const QString &name, const QString &text,
                            bool isDefault)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    if (isDefault)
        button->setDefault(true);
    else
        button->setAutoDefault(false);
    return button;
}

QPushButton *MakeViewCloseButton(QDialog *view, const QString &name, bool isDefault)
{
    QPushButton *button = MakeViewButton(view, name, QStringLiteral("閉じる (&C)"), isDefault);
    QObject::connect(button, &QPushButton::clicked, view, &QDialog::reject);
    return button;
}

void FinishView(QDialog *view, QLabel *panel, QLayout *body, int bottomMargin, int spacing,
                const QSize &size)
{
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, bottomMargin);
    if (spacing >= 0)
        layout->setSpacing(spacing);
    layout->addWidget(panel);
    layout->addLayout(body, 1);

    view->setFixedSize(size);
    CenterOnScreen(view, size);
}

void MakeCollectionYearChoice(QWidget *parent, const Settings &settings, const QDateTime &now,
                              QLabel *&collectionLabel, QComboBox *&collection,
                              QLabel *&yearLabel, QComboBox *&year)
{
    collectionLabel = new QLabel(QStringLiteral("問題集の選択 ： "), parent);
    collectionLabel->setObjectName(QStringLiteral("Label1"));
    collection = new QComboBox(parent);
    collection->setObjectName(QStringLiteral("cboQuestionFile"));
    FillCollectionChoice(collection, settings);
    yearLabel = new QLabel(QStringLiteral("年の選択 ： "), parent);
    yearLabel->setObjectName(QStringLiteral("Label2"));
    year = new QComboBox(parent);
    year->setObjectName(QStringLiteral("cboYear"));
    FillYearChoice(year, now);
}

void FillCollectionChoice(QComboBox *cbo, const Settings &settings)
{
    cbo->clear();
    cbo->addItems(RecentFileNames(settings, RecentList::Question));
    const QString current = Paths::fileName(settings.QuestionFilePath);
    if (current.isEmpty())
        return;
    int index = cbo->findText(current, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        cbo->insertItem(0, current);
        index = 0;
    }
    cbo->setCurrentIndex(index);
}

void FillYearChoice(QComboBox *cbo, const QDateTime &now)
{
    cbo->clear();
    const QStringList years = ViewYears(now.date().year());
    cbo->addItems(years);
    cbo->setCurrentIndex(years.size() - 1);
}

void SetUpReportList(QTreeWidget *list, const QStringList &columns, const QList<int> &widths,
                     int firstCentred)
{
    list->setColumnCount(columns.size());
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    for (int c = 0; c < columns.size(); ++c) {
        list->setColumnWidth(c, widths.value(c, 100));
        if (c >= firstCentred)
            list->headerItem()->setTextAlignment(c, Qt::AlignCenter);
    }
}

void AddReportRow(QTreeWidget *list, const QStringList &texts, int firstCentred)
{
    auto *item = new QTreeWidgetItem(list, texts);
    for (int c = firstCentred; c < texts.size(); ++c)
        item->setTextAlignment(c, Qt::AlignCenter);
}
