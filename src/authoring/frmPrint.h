#pragma once
// The print dialog: a question collection laid out as a printable sheet,
// unchanged or as a paper test, shown in an editable text area, then printed
// or saved as text.
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class TGauge;
class TStatusBar;
class TfrmMain;

class TfrmPrint : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPrint(TfrmMain *main, QWidget *parent = nullptr);

    // Prepares the dialog; runs by itself at the first showing (running it
    // earlier prevents that).
    void FormShow();

    QString PrintSource() const { return m_source; }
    int PrintType() const;
    void SetPrintType(int style);
    // The lines of the text area.
    QStringList Lines() const;

    QLabel *pnlTitle = nullptr;
    QTextEdit *moData = nullptr;
    QComboBox *cboQuestionFile = nullptr;
    QPushButton *cmdOpen = nullptr;
    QGroupBox *rgPrintType = nullptr;
    QRadioButton *rbPrintType[4] = {};
    QCheckBox *chkToEnglish = nullptr;
    QPushButton *cmdLoad = nullptr;
    QPushButton *cmdFont = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
    TGauge *cgInfo = nullptr;
    TStatusBar *sbInfo = nullptr;

public slots:
    void cmdOpenClick();
    void cboQuestionFileChange();
    void rgPrintTypeClick();
    void cmdLoadClick();
    void cmdFontClick();
    void cmdPrintClick();
    void cmdSaveClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TfrmMain *m_main;
    QButtonGroup *m_types = nullptr;
    QString m_source;
    bool m_shown = false;
};

// Creates the print dialog, shows it modally and destroys it.
void ShowPrint(TfrmMain *main, QWidget *parent);
