#pragma once
// The reference viewer: shows the explanation filed under one keyword of the
// current reference book.
//
// Openers set the keyword (with or without its leading "#"), create the
// viewer, show it modally and destroy it; ShowReference() does all of that.
// The viewer reads the book at Settings::ReferenceFilePath itself. A book
// that cannot be read, or a broken entry, is reported in a message box
// naming the file, and the viewer still opens with what could be read.
#include <QDialog>

#include "reference/ReferenceBook.h"

class QLabel;
class QPushButton;
class QTextEdit;
struct Settings;

class TfrmShowReference : public QDialog
{
    Q_OBJECT
public:
    TfrmShowReference(const Settings &settings, const QString &referenceKeyword,
                      QWidget *parent = nullptr);

    // Fills the viewer for ReferenceKeyword: title, font and colour, then
    // the entry (reporting faults through platform()). Runs by itself when
    // the viewer is first shown; running it earlier prevents that.
    void FormShow();

    // What was found by the last FormShow().
    const ReferenceEntry &entry() const { return m_entry; }

    QString ReferenceKeyword;   // as the opener passed it

    QLabel *pnlTitle = nullptr;
    QLabel *lblReference = nullptr;
    QTextEdit *moReference = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    const Settings &m_settings;
    ReferenceEntry m_entry;
    bool m_shown = false;
};

// Creates the viewer for `keyword`, prepares it, shows it modally through
// platform().execDialog and destroys it.
void ShowReference(QWidget *parent, const Settings &settings, const QString &keyword);

// For windows with a reference text area of their own (the result dialogs):
// sets the area's font family and text colour from the reference settings.
void ApplyReferenceStyle(QTextEdit *area, const Settings &settings);
// Fills such an area with the entry for `keyword` (the area is emptied
// first). Faults are reported through platform() when `reportErrors` is
// set; either way the area shows what could be read. Returns the entry.
ReferenceEntry FillReferenceText(QTextEdit *area, const Settings &settings,
                                 const QString &keyword, bool reportErrors = true);

// A colour setting (RGB with red in the low byte) as a QColor.
QColor ColorFromSetting(int value);
