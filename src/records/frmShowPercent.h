#pragma once
// The correct-rate view: the study days of one month of one collection with
// their counts and rates, and the month's rate from the summed counts.
#include <QDialog>

#include "settings/Settings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class TfrmShowPercent : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmShowPercent(const Settings &settings, QWidget *parent = nullptr);

    QLabel *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *cboQuestionFile = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cboYear = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *cboMonth = nullptr;
    QTreeWidget *lstData = nullptr;
    QLabel *pnlAllPercent = nullptr;
    QPushButton *cmdView = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *cmdClose = nullptr;

public slots:
    void cmdViewClick();
    void Button3Click();

private:
    Settings m_settings;
};
