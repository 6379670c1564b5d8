#pragma once
// The import window (取り込み): questions from a CSV, TSV or text file that
// a spreadsheet or another flashcard program wrote, appended to a question
// collection. The learner chooses the file, checks the separator, the
// header row and the HTML cleaning, maps columns to the five lines of a
// question (the last mapping is kept in Setup.ini), sees the first rows and
// every row that will not be taken with the reason, and imports: all rows or
// none are written, and a message tells how many were added and skipped.
#include "authoring/QuestionImport.h"
#include "authoring/frmMakerCommon.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

class TfrmImport : public TfrmMaker
{
    Q_OBJECT
public:
    // `target` is the collection the questions go to at first; "" takes
    // the main window's current collection.
    TfrmImport(Settings &settings, const QString &target, QWidget *parent = nullptr);

    void FormShow() override;
    void cmdAddClick() override;

    void cmdSelectQuestionFileClick();
    void cmdSelectImportFileClick();
    // Reads `path` as the file to import; false (reported) when it cannot be
    // read.
    bool LoadImportFile(const QString &path);
    void cboSeparatorChange();
    void chkHeaderRowClick();
    void chkHtmlClick();
    void MappingChange();
    void cmdSwapClick();

    Import::Mapping mapping() const;
    const Import::Plan &plan() const { return m_plan; }

    QComboBox *cboQuestionFile = nullptr;
    QPushButton *cmdSelectQuestionFile = nullptr;
    QLineEdit *txtImportFile = nullptr;
    QPushButton *cmdSelectImportFile = nullptr;
    QLabel *lblFileInfo = nullptr;
    QComboBox *cboSeparator = nullptr;
    QCheckBox *chkHeaderRow = nullptr;
    QCheckBox *chkHtml = nullptr;
    QComboBox *cboColumn[Import::RoleCount] = {};   // cboEnglish, cboJapanese, ...
    QPushButton *cmdSwap = nullptr;
    QTableWidget *tblPreview = nullptr;
    QListWidget *lstSkipped = nullptr;
    QLabel *lblSummary = nullptr;

    // Rows shown in the preview.
    static constexpr int PreviewRows = 20;

private:
    void parse(QChar forcedSeparator);
    void setMapping(const Import::Mapping &m);
    void refresh();
    // The options the boxes and the target's encoding give now.
    Import::Options options() const;
    // refresh() when the plan was made from other options or another
    // mapping (of the collection, only its encoding counts).
    void followTarget();
    // "列1", or "列1 （name）" when the file names the column.
    QStringList columnLabels() const;
    void clearSource();
    Import::Mapping rememberedMapping() const;
    bool rememberMapping(QString *error) const;

    QString m_initialTarget;
    QString m_source;          // path of the file to import ("" = none)
    QString m_text;            // its text
    QString m_encoding;        // name of its encoding, for the learner
    Import::Table m_table;
    Import::Plan m_plan;
    // What the plan was made from.
    Import::Options m_planOptions;
    Import::Mapping m_planMapping;
};

// Shows the import window modally over `parent`, adding to `target` at first.
void ShowImport(Settings &settings, const QString &target, QWidget *parent);
