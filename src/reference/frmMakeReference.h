#pragma once
// The reference maker: appends one explanation at a time to the end of a
// reference book, or fills a new, empty one. Opened modally by the main
// window; the target book starts as the main window's current reference.
#include "authoring/frmMakerCommon.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TfrmMakeReference : public TfrmMaker
{
    Q_OBJECT
public:
    explicit TfrmMakeReference(Settings &settings, QWidget *parent = nullptr);

    // Empties the boxes, fills the drop-down with the recent reference books
    // and takes the main window's current reference as the target. Runs by
    // itself when the dialog is first shown.
    void FormShow() override;

    void cmdSelectReferenceFileClick();
    void cboReferenceFileChange();
    void cmdAddClick() override;

    // target() is the book that entries go to.
    QComboBox *cboReferenceFile = nullptr;
    QPushButton *cmdSelectReferenceFile = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPlainTextEdit *moReference = nullptr;
};

// The lines of a multi-line box as it displays them: each paragraph broken
// where the box wraps it at its present width.
QStringList DisplayedLines(const QPlainTextEdit *box);
