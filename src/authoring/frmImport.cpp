#include "authoring/frmImport.h"

#include "authoring/QuestionMaker.h"
#include "authoring/frmNewText.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "records/frmResultCommon.h"
#include "settings/Settings.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Import;

namespace {
constexpr int kWidth = 780;
constexpr int kHeight = 700;

const QString kSection = QStringLiteral("Import");
const char *const kRoleKeys[RoleCount] = {"English", "Japanese", "Comment", "Keyword", "Hole"};
const char *const kRoleNames[RoleCount] = {"cboEnglish", "cboJapanese", "cboComment",
                                           "cboKeyword", "cboHole"};

QString roleCaption(int role)
{
    static const char16_t *captions[RoleCount] = {u"英文", u"日本語訳", u"コメント", u"キーワード",
                                                  u"穴埋めの単語"};
    return QString::fromUtf16(captions[role]);
}

QString separatorCaption(QChar sep)
{
    switch (sep.unicode()) {
    case '\t': return QStringLiteral("タブ");
    case ',': return QStringLiteral("カンマ ( , )");
    case ';': return QStringLiteral("セミコロン ( ; )");
    case '|': return QStringLiteral("縦棒 ( | )");
    case ' ': return QStringLiteral("空白");
    default: return QStringLiteral("「%1」").arg(sep);
    }
}

QString importFilter()
{
    return QStringLiteral("CSV・TSV・テキストファイル (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|"
                          "すべてのファイル (*)|*");
}

QString withCommas(qsizetype n) { return QLocale(QLocale::English).toString(qlonglong(n)); }
} // namespace

TfrmImport::TfrmImport(Settings &settings, const QString &target, QWidget *parent)
    : TfrmMaker(settings, RecentList::Question, parent), m_initialTarget(target)
{
    SetUpMaker(QStringLiteral("frmImport"), QStringLiteral("取り込み"),
               QStringLiteral("ここでは、表計算ソフトや単語帳プログラムが書き出したファイルから"
                              "問題を取り込みます。"));
    QLabel *lblQuestionFile = MakeFileRow(
        QStringLiteral("Question"), QStringLiteral("追加先問題集の指定"),
        QStringLiteral("問題集を新規作成する場合は、ここを押してテキストファイルを作成してください"),
        cboQuestionFile, cmdSelectQuestionFile);

    auto *lblImportFile = MakeNamedLabel(this, "lblImportFile", QStringLiteral("取り込むファイル"));
    txtImportFile = new QLineEdit(this);
    txtImportFile->setObjectName(QStringLiteral("txtImportFile"));
    txtImportFile->setReadOnly(true);
    cmdSelectImportFile = new QPushButton(QStringLiteral("参照 (&F)"), this);
    cmdSelectImportFile->setObjectName(QStringLiteral("cmdSelectImportFile"));
    cmdSelectImportFile->setAutoDefault(false);
    lblFileInfo = MakeNamedLabel(this, "lblFileInfo", QString());

    auto *lblSeparator = MakeNamedLabel(this, "lblSeparator", QStringLiteral("区切り文字 ："));
    cboSeparator = new QComboBox(this);
    cboSeparator->setObjectName(QStringLiteral("cboSeparator"));
    for (const QChar sep : Separators())
        cboSeparator->addItem(separatorCaption(sep), QVariant(sep));
    lblSeparator->setBuddy(cboSeparator);
    chkHeaderRow = new QCheckBox(QStringLiteral("1行目は列の名前 (&N)"), this);
    chkHeaderRow->setObjectName(QStringLiteral("chkHeaderRow"));
    chkHtml = new QCheckBox(QStringLiteral("HTML のタグと文字参照を取り除く (&T)"), this);
    chkHtml->setObjectName(QStringLiteral("chkHtml"));

    auto *lblMapping = MakeNamedLabel(this, "lblMapping", QStringLiteral("列の割り当て"));
    QLabel *roleLabels[RoleCount];
    for (int role = 0; role < RoleCount; ++role) {
        roleLabels[role] = new QLabel(roleCaption(role) + QStringLiteral(" ："), this);
        cboColumn[role] = new QComboBox(this);
        cboColumn[role]->setObjectName(QLatin1String(kRoleNames[role]));
        cboColumn[role]->setMinimumWidth(150);
        roleLabels[role]->setBuddy(cboColumn[role]);
    }
    cmdSwap = new QPushButton(QStringLiteral("英文と日本語訳を入れ替える (&W)"), this);
    cmdSwap->setObjectName(QStringLiteral("cmdSwap"));
    cmdSwap->setAutoDefault(false);

    auto *lblPreview = MakeNamedLabel(this, "lblPreview",
                                      QStringLiteral("先頭の %1 行（取り込まれる形）").arg(PreviewRows));
    tblPreview = new QTableWidget(this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionMode(QAbstractItemView::NoSelection);
    tblPreview->verticalHeader()->setDefaultSectionSize(22);
    tblPreview->horizontalHeader()->setDefaultSectionSize(180);

    auto *lblSkipped = MakeNamedLabel(this, "lblSkipped", QStringLiteral("取り込まない行とその理由"));
    lstSkipped = new QListWidget(this);
    lstSkipped->setObjectName(QStringLiteral("lstSkipped"));
    lblSummary = MakeNamedLabel(this, "lblSummary", QString());

    MakeAddButton();
    cmdAdd->setText(QStringLiteral("取り込む (&A)"));
    MakeCloseButton();
    for (QPushButton *b : {cmdAdd, cmdClose})
        b->setMinimumWidth(96);

    QVBoxLayout *body = StartLayout(lblQuestionFile, 3);
    body->addSpacing(6);
    body->addWidget(lblImportFile);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txtImportFile, 1);
    fileRow->addWidget(cmdSelectImportFile);
    body->addLayout(fileRow);
    auto *optionRow = new QHBoxLayout;
    optionRow->addWidget(lblFileInfo, 1);
    optionRow->addWidget(lblSeparator);
    optionRow->addWidget(cboSeparator);
    optionRow->addSpacing(12);
    optionRow->addWidget(chkHeaderRow);
    optionRow->addSpacing(12);
    optionRow->addWidget(chkHtml);
    body->addLayout(optionRow);

    body->addSpacing(6);
    body->addWidget(lblMapping);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const int places[RoleCount][2] = {{0, 0}, {0, 2}, {1, 0}, {1, 2}, {1, 4}};
    for (int role = 0; role < RoleCount; ++role) {
        grid->addWidget(roleLabels[role], places[role][0], places[role][1], Qt::AlignRight);
        grid->addWidget(cboColumn[role], places[role][0], places[role][1] + 1);
    }
    grid->addWidget(cmdSwap, 0, 4, 1, 2);
    grid->setColumnStretch(6, 1);
    body->addLayout(grid);

    body->addSpacing(6);
    body->addWidget(lblPreview);
    body->addWidget(tblPreview, 3);
    body->addWidget(lblSkipped);
    body->addWidget(lstSkipped, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblSummary, 1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    FinishLayout(body, buttons);

    connect(cmdSelectQuestionFile, &QPushButton::clicked, this,
            &TfrmImport::cmdSelectQuestionFileClick);
    connect(cmdSelectImportFile, &QPushButton::clicked, this, &TfrmImport::cmdSelectImportFileClick);
    connect(cboSeparator, qOverload<int>(&QComboBox::activated), this,
            &TfrmImport::cboSeparatorChange);
    connect(chkHeaderRow, &QCheckBox::clicked, this, &TfrmImport::chkHeaderRowClick);
    connect(chkHtml, &QCheckBox::clicked, this, &TfrmImport::chkHtmlClick);
    for (QComboBox *c : cboColumn)
        connect(c, qOverload<int>(&QComboBox::activated), this, &TfrmImport::MappingChange);
    connect(cmdSwap, &QPushButton::clicked, this, &TfrmImport::cmdSwapClick);
    FinishMaker(kWidth, kHeight);
    // Another collection from the list: what its encoding can hold decides
    // the rows (the target follows the list first).
    connect(cboQuestionFile, &QComboBox::currentTextChanged, this, &TfrmImport::followTarget);
    clearSource();
}

void TfrmImport::FormShow()
{
    m_shown = true;
    const QSignalBlocker block(cboQuestionFile);
    FillFiles();
    m_target = m_initialTarget.isEmpty() ? m_settings.QuestionFilePath : m_initialTarget;
    cboQuestionFile->setEditText(Paths::fileName(m_target));
    cmdSelectImportFile->setFocus();
}

void TfrmImport::cmdSelectQuestionFileClick()
{
    ChooseTarget(QStringLiteral("dictionary/"), QStringLiteral("追加先問題集の指定"),
                 QStringLiteral("問題集ファイル (*.txt)|*.txt"));
    refresh();   // whether a row can be stored depends on the collection
}

void TfrmImport::cmdSelectImportFileClick()
{
    QString folder = Paths::folderOf(m_source);
    if (folder.isEmpty())
        folder = m_settings.ProgramFolder;
    const QString path = platform().openFileName(this, QStringLiteral("取り込むファイルの指定"),
                                                  folder, importFilter());
    if (!path.isEmpty())
        LoadImportFile(path);
}

bool TfrmImport::LoadImportFile(const QString &path)
{
    QString text, encoding, error;
    if (!ReadFile(path, text, encoding, &error)) {
        ShowError(error);
        return false;
    }
    m_source = path;
    m_text = text;
    m_encoding = encoding;
    txtImportFile->setText(path);
    parse(QChar());
    Mapping m;
    if (!MappingFromNames(m_table, m))
        m = rememberedMapping();
    setMapping(m);
    refresh();
    return true;
}

void TfrmImport::parse(QChar forcedSeparator)
{
    m_table = forcedSeparator.isNull() ? Parse(m_text) : Parse(m_text, forcedSeparator);
    {
        const QSignalBlocker block(cboSeparator);
        int index = cboSeparator->findData(QVariant(m_table.separator));
        if (index < 0) {
            cboSeparator->addItem(separatorCaption(m_table.separator), QVariant(m_table.separator));
            index = cboSeparator->count() - 1;
        }
        cboSeparator->setCurrentIndex(index);
    }
    chkHeaderRow->setChecked(m_table.firstRowNamesColumns);
    chkHtml->setChecked(m_table.htmlDeclared >= 0 ? m_table.htmlDeclared == 1 : m_table.looksLikeHtml);

    // The column lists: "（なし）", then each column (named in refresh()).
    for (QComboBox *c : cboColumn) {
        const QSignalBlocker block(c);
        c->clear();
        c->addItem(QStringLiteral("（なし）"));
        for (int i = 0; i < m_table.columnCount; ++i)
            c->addItem(QString());
    }
}

QStringList TfrmImport::columnLabels() const
{
    QStringList names = m_table.columnNames;
    if (names.isEmpty() && chkHeaderRow->isChecked() && !m_table.rows.isEmpty())
        names = m_table.rows.first().fields;
    QStringList labels;
    for (int i = 0; i < m_table.columnCount; ++i) {
        const QString name = i < names.size() ? CleanField(names.at(i), false) : QString();
        labels << (name.isEmpty() ? QStringLiteral("列%1").arg(i + 1)
                                  : QStringLiteral("列%1 （%2）").arg(i + 1).arg(name.left(20)));
    }
    return labels;
}

Mapping TfrmImport::mapping() const
{
    Mapping m;
    for (int role = 0; role < RoleCount; ++role)
        m.column[role] = cboColumn[role]->currentIndex() - 1;
    return m;
}

void TfrmImport::setMapping(const Mapping &m)
{
    for (int role = 0; role < RoleCount; ++role) {
        const QSignalBlocker block(cboColumn[role]);
        const int column = m.column[role];
        cboColumn[role]->setCurrentIndex(column >= 0 && column < m_table.columnCount ? column + 1 : 0);
    }
}

void TfrmImport::cboSeparatorChange()
{
    if (m_source.isEmpty())
        return;
    const Mapping kept = mapping();
    parse(cboSeparator->currentData().toChar());
    Mapping m;
    setMapping(MappingFromNames(m_table, m) ? m : kept);
    refresh();
}

void TfrmImport::chkHeaderRowClick() { refresh(); }

void TfrmImport::chkHtmlClick() { refresh(); }

void TfrmImport::MappingChange() { refresh(); }

void TfrmImport::cmdSwapClick()
{
    Mapping m = mapping();
    m.swapLanguages();
    setMapping(m);
    refresh();
}

Options TfrmImport::options() const
{
    Options options;
    options.html = chkHtml->isChecked();
    options.firstRowNamesColumns = chkHeaderRow->isChecked();
    options.encoding = TextFile::fileEncoding(m_target);
    return options;
}

void TfrmImport::refresh()
{
    const Options options = this->options();
    const Mapping m = mapping();
    m_plan = MakePlan(m_table, m, options);
    m_planOptions = options;
    m_planMapping = m;

    // The preview: the first rows, each field as it would be written, and
    // the role of each column in its heading.
    const qsizetype first = options.firstRowNamesColumns ? 1 : 0;
    const int rows = int(qBound<qsizetype>(0, m_table.rows.size() - first, qsizetype(PreviewRows)));
    const QStringList labels = columnLabels();
    for (QComboBox *box : cboColumn)
        for (int c = 0; c < labels.size(); ++c)
            box->setItemText(c + 1, labels.at(c));
    tblPreview->clear();
    tblPreview->setColumnCount(m_table.columnCount);
    tblPreview->setRowCount(rows);
    for (int c = 0; c < m_table.columnCount; ++c) {
        QString heading = labels.at(c);
        for (int role = 0; role < RoleCount; ++role)
            if (m.column[role] == c)
                heading += QStringLiteral("\n→ ") + roleCaption(role);
        tblPreview->setHorizontalHeaderItem(c, new QTableWidgetItem(heading));
    }
    QStringList lineNumbers;
    for (int r = 0; r < rows; ++r) {
        const Row &row = m_table.rows.at(first + r);
        lineNumbers << QString::number(row.line);
        for (int c = 0; c < row.fields.size(); ++c) {
            auto *item = new QTableWidgetItem(CleanField(row.fields.at(c), options.html));
            item->setToolTip(item->text());   // the whole field where the cell cuts it
            tblPreview->setItem(r, c, item);
        }
    }
    tblPreview->setVerticalHeaderLabels(lineNumbers);

    lstSkipped->clear();
    for (const Skipped &s : m_plan.skipped)
        lstSkipped->addItem(QStringLiteral("%1 行目 ： %2").arg(s.line).arg(s.reason));
    lblSummary->setText(m_source.isEmpty()
                            ? QString()
                            : QStringLiteral("取り込む問題 ： %1 件　　取り込まない行 ： %2 件")
                                  .arg(withCommas(m_plan.drafts.size()), withCommas(m_plan.skipped.size())));
    lblFileInfo->setText(m_source.isEmpty()
                             ? QString()
                             : QStringLiteral("文字コード ： %1　　%2 行")
                                   .arg(m_encoding, withCommas(m_table.rows.size())));
}

void TfrmImport::followTarget()
{
    const Options now = options();
    if (!(mapping() == m_planMapping) || now.html != m_planOptions.html
        || now.firstRowNamesColumns != m_planOptions.firstRowNamesColumns
        || now.encoding != m_planOptions.encoding)
        refresh();
}

void TfrmImport::clearSource()
{
    m_source.clear();
    m_text.clear();
    m_encoding.clear();
    m_table = Table();
    txtImportFile->clear();
    parse(QLatin1Char('\t'));
    chkHeaderRow->setChecked(false);
    chkHtml->setChecked(false);
    setMapping(rememberedMapping());
    refresh();
}

Mapping TfrmImport::rememberedMapping() const
{
    IniFile ini(m_settings.setupIniPath());
    Mapping m;
    for (int role = 0; role < RoleCount; ++role)
        m.column[role] = ini.readInt(kSection, QLatin1String(kRoleKeys[role]), m.column[role] + 1) - 1;
    return m;
}

bool TfrmImport::rememberMapping(QString *error) const
{
    IniFile ini(m_settings.setupIniPath());
    const Mapping m = mapping();
    for (int role = 0; role < RoleCount; ++role)
        ini.writeInt(kSection, QLatin1String(kRoleKeys[role]), m.column[role] + 1);
    return ini.save(error);
}

void TfrmImport::cmdAddClick()
{
    if (m_target.isEmpty()) {
        ShowError(QStringLiteral("追加先の問題集が指定されていません。"));
        return;
    }
    if (m_source.isEmpty()) {
        ShowError(QStringLiteral("取り込むファイルが指定されていません。"));
        return;
    }
    const Mapping m = mapping();
    if (m.column[English] < 0 || m.column[Japanese] < 0) {
        ShowError(QStringLiteral("英文と日本語訳の列を指定してください。"));
        return;
    }
    if (m.column[English] == m.column[Japanese]) {
        ShowError(QStringLiteral("英文と日本語訳に同じ列が指定されています。"));
        return;
    }
    // The plan is what the preview shows. Another window or program may
    // have rewritten the collection since, in an encoding that holds more or
    // fewer of the rows: then it is made again (and shown).
    followTarget();
    if (m_plan.drafts.isEmpty()) {
        ShowError(QStringLiteral("取り込める問題がありません。\n"
                                 "「取り込まない行とその理由」を確かめてください。"));
        return;
    }
    QString error;
    if (!rememberMapping(&error))
        ShowError(error);
    error.clear();
    const QuestionAdd r = AddQuestionRecords(m_target, m_plan.drafts, &error);
    if (!r.written) {
        ShowError(error.isEmpty() ? r.message : r.message + QStringLiteral("\n\n") + error);
        return;
    }
    platform().message(this, PlainCaption(),
                       QStringLiteral("「%1」に %2 件の問題を追加しました。\n取り込まなかった行 ： %3 件")
                           .arg(Paths::fileName(m_target), withCommas(m_plan.drafts.size()),
                                withCommas(m_plan.skipped.size())),
                       MsgKind::Information);
    clearSource();
}

void ShowImport(Settings &settings, const QString &target, QWidget *parent)
{
    TfrmImport window(settings, target, parent);
    window.onNewText = [&window] { ShowNewText(&window); };
    platform().execDialog(&window);
}
