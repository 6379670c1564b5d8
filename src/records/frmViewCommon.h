#pragma once
// Pieces the correct-rate, graph and history views share: the black title
// panel, the collection and year choices, and report lists.
#include <QStringList>

class QComboBox;
class QDateTime;
class QLabel;
class QTreeWidget;
class QWidget;
struct Settings;

// The black panel across the top of a view with its white title text.
QLabel *MakeViewTitle(QWidget *parent, const QString &text);

// The user's recent collections (in list order), showing the current
// collection's file name; it is put first when the list does not hold it.
void FillCollectionChoice(QComboBox *cbo, const Settings &settings);
// "1999" .. the current year, showing the current year.
void FillYearChoice(QComboBox *cbo, const QDateTime &now);

// A read-only report list with whole-row selection and no sorting; columns
// of the given widths, centred from column `firstCentred` on.
void SetUpReportList(QTreeWidget *list, const QStringList &columns, const QList<int> &widths,
                     int firstCentred);
// Appends a row to such a list.
void AddReportRow(QTreeWidget *list, const QStringList &texts, int firstCentred);
