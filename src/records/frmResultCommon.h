#pragma once
// Pieces shared by the result dialogs and the error review: styled memo
// boxes and labels, the black title panel, the row of five importance
// buttons, and the base of the dialogs that carry it.
#include <QDialog>
#include <QFont>
#include <QString>

#include "widgets/Captions.h"
#include "widgets/Look.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class QHBoxLayout;
class TfrmMain;

// A read-only multi-line box with a vertical scroll bar, drawn in `font`
// and the text colour of a colour setting (RGB, red in the low byte).
void StyleMemo(QTextEdit *memo, const QFont &font, int colorSetting);


// Clears a memo box and puts `text` in as one line.
void SetMemoLine(QTextEdit *memo, const QString &text);

// A black panel; text colours are set on the labels put into it.
QFrame *MakeBlackPanel(QWidget *parent, const QString &objectName);

// A label with a face (mapped to an installed family), pixel size, weight
// and colour.
QLabel *MakeStyledLabel(QWidget *parent, const QString &objectName, const QString &text,
                        const QString &face, int pixelSize, bool bold, const QColor &color);

// A plain label and an answer/comment memo, named for the tests.
QLabel *MakeNamedLabel(QWidget *parent, const char *objectName, const QString &text);
QTextEdit *MakeNamedMemo(QWidget *parent, const char *objectName);


// The five importance buttons "1" .. "5" with their label. At most one
// button is down and all may be up. They start disabled and flat; Enable()
// makes them usable and puts the button of the question's current level
// down.
class TImportanceButtons : public QObject
{
    Q_OBJECT
public:
    explicit TImportanceButtons(QWidget *parent);

    // Label and buttons side by side, for a dialog's layout.
    void addTo(QHBoxLayout *row) const;

    // Enables the label and buttons, raises them and shows `level` (0: none).
    void Enable(int level);
    bool isEnabled() const { return m_enabled; }

    // Number of the button that is down, 0 when none is.
    int chosenLevel() const;

    QLabel *lblImportantQuestion = nullptr;
    QPushButton *cmd[5] = {};

private:
    void buttonToggled(int index, bool down);

    bool m_enabled = false;
};

// Base of the three dialogs with importance buttons. When ImportantOn is 1
// the buttons show the level of the current question, and the level chosen
// is written to the importance file once, whenever and however the dialog
// closes.
class TResultDialogBase : public QDialog
{
    Q_OBJECT
public:
    TResultDialogBase(TfrmMain *main, QWidget *parent);

    TImportanceButtons *levels = nullptr;

    void done(int result) override;

protected:
    // Enables the level buttons when the settings ask for them.
    void SetUpImportance();
    // Writes the chosen level (reporting a file that cannot be written).
    void StoreImportance();

    TfrmMain *m_main;

private:
    bool m_stored = false;
};
