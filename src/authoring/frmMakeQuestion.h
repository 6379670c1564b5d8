#pragma once
// The question maker: appends one question at a time to the end of a
// question collection, or fills a new, empty one. Opened modally by the main
// window; the target collection starts as the main window's current one and
// the keyword drop-down offers the keywords of the current reference book.
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct Settings;

class TfrmMakeQuestion : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmMakeQuestion(Settings &settings, QWidget *parent = nullptr);

    // Empties the boxes, fills the collection drop-down with the recent
    // collections and the keyword drop-down with the reference book's
    // keywords, and takes the current collection as the target. A reference
    // book that cannot be read is reported; the dialog then opens with no
    // keywords and no target. Runs by itself when the dialog is first shown.
    void FormShow();

    void cmdSelectQuestionFileClick();
    void cboQuestionFileChange();
    void chkKJapaneseOnClick();
    void chkEJapaneseOnClick();
    void chkJJapaneseOnClick();
    void cmdAddClick();
    void cmdNewTextClick();
    void Button1Click();
    void cmdCloseClick();

    // The collection that questions go to ("" = none chosen).
    QString target() const { return m_target; }

    // Show the new text file dialog and the question file editor (set by
    // the opener).
    std::function<void()> onNewText;
    std::function<void()> onEditQuestionFile;

    QLabel *pnlBanner = nullptr;
    QComboBox *cboQuestionFile = nullptr;
    QPushButton *cmdSelectQuestionFile = nullptr;
    QPushButton *cmdNewText = nullptr;
    QComboBox *cboKeyword = nullptr;
    QCheckBox *chkKJapaneseOn = nullptr;
    QLineEdit *txtEnglish = nullptr;
    QCheckBox *chkEJapaneseOn = nullptr;
    QLineEdit *txtJapanese = nullptr;
    QCheckBox *chkJJapaneseOn = nullptr;
    QLineEdit *txtHole = nullptr;
    QPlainTextEdit *moComment = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings &m_settings;
    QString m_target;
    bool m_shown = false;
};
