#pragma once
// The reference maker: appends one explanation at a time to the end of a
// reference book, or fills a new, empty one. Opened modally by the main
// window; the target book starts as the main window's current reference.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct Settings;

class TfrmMakeReference : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmMakeReference(Settings &settings, QWidget *parent = nullptr);

    // Empties the boxes, fills the drop-down with the recent reference books
    // and takes the main window's current reference as the target. Runs by
    // itself when the dialog is first shown.
    void FormShow();

    void cmdSelectReferenceFileClick();
    void cboReferenceFileChange();
    void cmdAddClick();
    void cmdNewTextClick();
    void cmdCloseClick();

    // The book that entries go to ("" = none chosen).
    QString target() const { return m_target; }

    // Shows the new text file dialog (set by the opener).
    std::function<void()> onNewText;

    QLabel *pnlBanner = nullptr;
    QComboBox *cboReferenceFile = nullptr;
    QPushButton *cmdSelectReferenceFile = nullptr;
    QPushButton *cmdNewText = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPlainTextEdit *moReference = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings &m_settings;
    QString m_target;
    bool m_shown = false;
};

// The lines of a multi-line box as it displays them: each paragraph broken
// where the box wraps it at its present width.
QStringList DisplayedLines(const QPlainTextEdit *box);
