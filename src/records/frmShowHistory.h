#pragma once
// The history view: the first ten drills of this run with their times,
// collection, counts and rate; the wrong answers of a drill as the list's
// hint or in a message; the list appended to a text or CSV file.
#include <QDialog>

#include "records/StatsViews.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct DrillState;

class TfrmShowHistory : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmShowHistory(const DrillState &drill, QWidget *parent = nullptr);

    QLabel *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QTreeWidget *lstHistory = nullptr;
    QCheckBox *chkHint = nullptr;
    QPushButton *cmdTextSave = nullptr;
    QPushButton *cmdCSVSave = nullptr;
    QPushButton *Button1 = nullptr;

    // The rows as the list shows them.
    QList<QStringList> ShownTable() const;

public slots:
    void FormShow();
    void lstHistoryClick();
    void chkHintClick();
    void lstHistoryDblClick();
    void cmdTextSaveClick();
    void cmdCSVSaveClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Export(ExportFormat format);
    // Record number of the selected row, -1 when none is selected.
    int SelectedRecord() const;

    const DrillState &m_drill;
    bool m_shown = false;
};
