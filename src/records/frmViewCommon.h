#pragma once
// Pieces the correct-rate, graph and history views share: the window set-up,
// the black title panel, the collection and year choices, the buttons, the
// outer layout, and report lists.
#include <QPushButton>
#include <QStringList>

class QComboBox;
class QDateTime;
class QDialog;
class QLabel;
class QLayout;
class QSize;
class QTreeWidget;
class QWidget;
struct Settings;

// The black panel across the top of a view with its white title text.
QLabel *MakeViewTitle(QWidget *parent, const QString &text);

// Names and captions a view, makes it a fixed-size dialog in the dialog font
// and returns its title panel ("Panel1").
QLabel *SetUpView(QDialog *view, const QString &name, const QString &caption,
                  const QString &panelText);

// A button of a view: the default one, or one that never becomes default.
QPushButton *MakeViewButton(QWidget *parent, const QString &name, const QString &text,
                            bool isDefault);
// Such a button that runs `handler` of the view when pressed.
template <class View>
QPushButton *MakeViewButton(View *view, const QString &name, const QString &text, bool isDefault,
                            void (View::*handler)())
{
    QPushButton *button = MakeViewButton(static_cast<QWidget *>(view), name, text, isDefault);
    QObject::connect(button, &QPushButton::clicked, view, handler);
    return button;
}
// The button "閉じる (&C)" that closes a view.
QPushButton *MakeViewCloseButton(QDialog *view, const QString &name, bool isDefault);

// The title panel over the body, the given bottom margin and spacing (-1 for
// the style's); the view keeps `size`, in the middle of the screen.
void FinishView(QDialog *view, QLabel *panel, QLayout *body, int bottomMargin, int spacing,
                const QSize &size);

// The collection choice "cboQuestionFile" and the year choice "cboYear"
// with their labels "Label1" and "Label2", filled for `now`.
void MakeCollectionYearChoice(QWidget *parent, const Settings &settings, const QDateTime &now,
                              QLabel *&collectionLabel, QComboBox *&collection,
                              QLabel *&yearLabel, QComboBox *&year);

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
