#include "records/frmViewCommon.h"

#include "platform/Paths.h"
#include "records/StatsViews.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

QLabel *MakeViewTitle(QWidget *parent, const QString &text)
{
    auto *panel = new QLabel(text, parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
    QFont f = panel->font();
    f.setPixelSize(14);
    f.setBold(true);
    panel->setFont(f);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedHeight(30);
    return panel;
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
