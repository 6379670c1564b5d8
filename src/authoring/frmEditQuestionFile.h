#pragma once
// The question file editor: a whole collection in a table, one row per
// question; rows can be rewritten and deleted, and the table is written back
// over the file.
#include "authoring/QuestionRecords.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TStatusBar;
class TfrmMain;

class TfrmEditQuestionFile : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmEditQuestionFile(TfrmMain *main, QWidget *parent = nullptr);

    // Prepares the editor (collection list, keyword list, the main window's
    // collection). Runs by itself at the first showing; running it earlier
    // prevents that.
    void FormShow();

    // The table as records, in row order.
    QVector<QuestionRecord> Records() const;
    QString EditedFile() const { return m_editedFile; }
    // The current (highlighted) row the commands act on; -1 when none.
    int SelectedRow() const;

    QLabel *pnlTitle = nullptr;
    QTreeWidget *lstData = nullptr;
    QComboBox *cboQuestionFile = nullptr;
    QPushButton *cmdSelectQuestionFile = nullptr;
    QComboBox *cboKeyword = nullptr;
    QLineEdit *txtEnglish = nullptr;
    QLineEdit *txtJapanese = nullptr;
    QLineEdit *txtComment = nullptr;
    QLineEdit *txtHole = nullptr;
    QPushButton *cmdLoad = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdChange = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
    TStatusBar *sbInfo = nullptr;

public slots:
    void cmdSelectQuestionFileClick();
    void cboQuestionFileChange();
    void cmdLoadClick();
    void lstDataClick(QTreeWidgetItem *item);
    void cmdChangeClick();
    void cmdDeleteClick();
    void cmdSaveClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ClearBoxes();
    void ClearForOtherFile();
    void SetEditedFile(const QString &path);
    void SetRow(QTreeWidgetItem *item, const QuestionRecord &r);
    QuestionRecord BoxRecord() const;
    void SetCurrentRow(int row);   // without copying the row into the boxes

    TfrmMain *m_main;
    QString m_editedFile;
    // The file as last loaded: a save keeps its encoding, line ends and the
    // bytes of unchanged lines.
    TextFile::Text m_loaded;
    bool m_settingRow = false;
    // Where each loaded row came from; filled by a load.
    QHash<const QTreeWidgetItem *, RecordSource> m_sources;
    bool m_shown = false;
};

// Creates the editor over the main window's state, shows it modally and
// destroys it (the main window's menu, the makers and the result dialogs).
void ShowEditQuestionFile(TfrmMain *main, QWidget *parent);
