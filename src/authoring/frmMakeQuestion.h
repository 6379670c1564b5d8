#pragma once
// The question maker: appends one question at a time to the end of a
// question collection, or fills a new, empty one. Opened modally by the main
// window; the target collection starts as the main window's current one and
// the keyword drop-down offers the keywords of the current reference book.
#include "authoring/frmMakerCommon.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TfrmMakeQuestion : public TfrmMaker
{
    Q_OBJECT
public:
    explicit TfrmMakeQuestion(Settings &settings, QWidget *parent = nullptr);

    // Empties the boxes, fills the collection drop-down with the recent
    // collections and the keyword drop-down with the reference book's
    // keywords, and takes the current collection as the target. A reference
    // book that cannot be read is reported; the dialog then opens with no
    // keywords and no target. Runs by itself when the dialog is first shown.
    void FormShow() override;

    void cmdSelectQuestionFileClick();
    void cboQuestionFileChange();
    void chkKJapaneseOnClick();
    void chkEJapaneseOnClick();
    void chkJJapaneseOnClick();
    void cmdAddClick() override;
    void Button1Click();
    void cmdImportClick();

    // Shows the question file editor (set by the opener); target() is the
    // collection that questions go to.
    std::function<void()> onEditQuestionFile;
    // Shows the import window (set by the opener), adding to target().
    std::function<void()> onImport;

    QComboBox *cboQuestionFile = nullptr;
    QPushButton *cmdSelectQuestionFile = nullptr;
    QComboBox *cboKeyword = nullptr;
    QCheckBox *chkKJapaneseOn = nullptr;
    QLineEdit *txtEnglish = nullptr;
    QCheckBox *chkEJapaneseOn = nullptr;
    QLineEdit *txtJapanese = nullptr;
    QCheckBox *chkJJapaneseOn = nullptr;
    QLineEdit *txtHole = nullptr;
    QPlainTextEdit *moComment = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *cmdImport = nullptr;
};
