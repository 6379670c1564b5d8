#include "authoring/frmEditQuestionFile.h"

#include "app/frmMain.h"
#include "authoring/frmAuthoringCommon.h"
#include "drill/Collection.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "records/frmResultCommon.h"
#include "reference/ReferenceBook.h"
#include "settings/RecentFiles.h"
#include "widgets/StatusBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 780;
constexpr int kHeight = 560;

QString caption() { return QStringLiteral("問題集の編集"); }
QString notSelected() { return QStringLiteral("選択されていません"); }

QLabel *makeLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setMinimumWidth(110);
    return b;
}
} // namespace

TfrmEditQuestionFile::TfrmEditQuestionFile(TfrmMain *main, QWidget *parent)
    : QDialog(parent), m_main(main)
{
    SetUpSizableWindow(this, QStringLiteral("frmEditQuestionFile"), caption());
    pnlTitle = MakeTitlePanel(this, QStringLiteral("ここでは、問題集のデータの編集を行います"));

    lstData = new QTreeWidget(this);
    lstData->setObjectName(QStringLiteral("lstData"));
    lstData->setColumnCount(5);
    lstData->setHeaderLabels({QStringLiteral("キーワード"), QStringLiteral("英文"),
                              QStringLiteral("日本語訳"), QStringLiteral("コメント"),
                              QStringLiteral("穴埋め個所")});
    const int widths[] = {100, 170, 170, 150, 150};
    for (int c = 0; c < 5; ++c)
        lstData->setColumnWidth(c, widths[c]);
    lstData->setRootIsDecorated(false);
    lstData->setUniformRowHeights(true);
    lstData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstData->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstData->setSortingEnabled(false);
    lstData->header()->setSectionsClickable(false);
    lstData->header()->setStretchLastSection(false);
    {
        // The selected row stays marked while another control has the focus.
        QPalette pal = lstData->palette();
        pal.setColor(QPalette::Inactive, QPalette::Highlight,
                     pal.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     pal.color(QPalette::Active, QPalette::HighlightedText));
        lstData->setPalette(pal);
    }

    cboQuestionFile = new QComboBox(this);
    cboQuestionFile->setObjectName(QStringLiteral("cboQuestionFile"));
    cboQuestionFile->setEditable(true);
    cboQuestionFile->setInsertPolicy(QComboBox::NoInsert);
    cmdSelectQuestionFile = makeButton(this, "cmdSelectQuestionFile", QStringLiteral("&OPEN"));
    cmdSelectQuestionFile->setMinimumWidth(70);

    cboKeyword = new QComboBox(this);
    cboKeyword->setObjectName(QStringLiteral("cboKeyword"));
    cboKeyword->setEditable(true);
    cboKeyword->setInsertPolicy(QComboBox::NoInsert);
    txtEnglish = makeBox(this, "txtEnglish");
    txtJapanese = makeBox(this, "txtJapanese");
    txtComment = makeBox(this, "txtComment");
    txtHole = makeBox(this, "txtHole");

    cmdLoad = makeButton(this, "cmdLoad", QStringLiteral("読み込み (&L)"));
    cmdDelete = makeButton(this, "cmdDelete", QStringLiteral("削除 (&D)"));
    cmdChange = makeButton(this, "cmdChange", QStringLiteral("書き換え (&R)"));
    cmdSave = makeButton(this, "cmdSave", QStringLiteral("保存 (&S)"));
    cmdSave->setEnabled(false);
    cmdClose = makeButton(this, "cmdClose", QStringLiteral("閉じる (&C)"));

    sbInfo = new TStatusBar(1, this);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));

    // --- layout ------------------------------------------------------------
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(5);
    fields->addWidget(makeLabel(this, QStringLiteral("編集する問題集ファイルの選択 ： ")), 0, 0);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(cboQuestionFile, 1);
    fileRow->addWidget(cmdSelectQuestionFile);
    fields->addLayout(fileRow, 0, 1);
    const struct { const char16_t *text; QWidget *box; } rows[] = {
        {u"キーワード ： ", cboKeyword}, {u"英文 ： ", txtEnglish},
        {u"日本語訳 ： ", txtJapanese}, {u"コメント ： ", txtComment},
        {u"穴埋め個所 ： ", txtHole}};
    int r = 1;
    for (const auto &row : rows) {
        fields->addWidget(makeLabel(this, QString::fromUtf16(row.text)), r, 0);
        fields->addWidget(row.box, r, 1);
        ++r;
    }
    fields->setColumnStretch(1, 1);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(5);
    for (QPushButton *b : {cmdLoad, cmdDelete, cmdChange, cmdSave, cmdClose})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto *lower = new QHBoxLayout;
    lower->setContentsMargins(8, 6, 8, 4);
    lower->setSpacing(12);
    lower->addLayout(fields, 1);
    lower->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTitle);
    auto *tableBox = new QVBoxLayout;
    tableBox->setContentsMargins(8, 8, 8, 0);
    tableBox->addWidget(lstData);
    layout->addLayout(tableBox, 1);
    layout->addLayout(lower);
    layout->addWidget(sbInfo);

    connect(cmdSelectQuestionFile, &QPushButton::clicked, this,
            &TfrmEditQuestionFile::cmdSelectQuestionFileClick);
    connect(cboQuestionFile, &QComboBox::editTextChanged, this,
            &TfrmEditQuestionFile::cboQuestionFileChange);
    connect(cmdLoad, &QPushButton::clicked, this, &TfrmEditQuestionFile::cmdLoadClick);
    // The row the commands act on is the current (highlighted) row, however
    // it became current: by mouse or by keyboard.
    connect(lstData, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_settingRow)
            lstDataClick(item);
    });
    connect(lstData, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { lstDataClick(item); });
    connect(cmdChange, &QPushButton::clicked, this, &TfrmEditQuestionFile::cmdChangeClick);
    connect(cmdDelete, &QPushButton::clicked, this, &TfrmEditQuestionFile::cmdDeleteClick);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmEditQuestionFile::cmdSaveClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmEditQuestionFile::cmdCloseClick);

    PlaceWindow(this, kWidth, kHeight);
}

void TfrmEditQuestionFile::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmEditQuestionFile::FormShow()
{
    m_shown = true;
    const Settings &s = m_main->settings;
    lstData->clear();
    const QSignalBlocker block(cboQuestionFile);
    cboQuestionFile->clear();
    cboKeyword->clear();
    ClearBoxes();

    cboQuestionFile->addItems(RecentFileNames(s, RecentList::Question));

    // A reference book that cannot be read leaves the keyword list empty; the
    // editor is still usable for the collection.
    QStringList keywords;
    QString error;
    if (ReadReferenceKeywords(s.ReferenceFilePath, keywords, &error))
        cboKeyword->addItems(keywords);
    else
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
    cboKeyword->setEditText(QString());

    cboQuestionFile->setEditText(Paths::fileName(s.QuestionFilePath));
    SetEditedFile(s.QuestionFilePath);
    cmdSave->setEnabled(false);
    cboKeyword->setFocus();
}

QVector<QuestionRecord> TfrmEditQuestionFile::Records() const
{
    QVector<QuestionRecord> out;
    out.reserve(lstData->topLevelItemCount());
    for (int i = 0; i < lstData->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lstData->topLevelItem(i);
        QuestionRecord r{item->text(0), item->text(1), item->text(2), item->text(3), item->text(4)};
        // Rows keep where they came from (see QuestionRecordLines).
        r.Source = m_sources.value(item);
        out.append(r);
    }
    return out;
}

int TfrmEditQuestionFile::SelectedRow() const
{
    return lstData->currentItem() ? lstData->indexOfTopLevelItem(lstData->currentItem()) : -1;
}

void TfrmEditQuestionFile::SetCurrentRow(int row)
{
    m_settingRow = true;
    QTreeWidgetItem *item = lstData->topLevelItem(row);
    lstData->setCurrentItem(item);
    if (!item)
        lstData->clearSelection();
    m_settingRow = false;
}

void TfrmEditQuestionFile::ClearBoxes()
{
    cboKeyword->setEditText(QString());
    txtEnglish->clear();
    txtJapanese->clear();
    txtComment->clear();
    txtHole->clear();
}

void TfrmEditQuestionFile::ClearForOtherFile()
{
    cmdSave->setEnabled(false);
    lstData->clear();
    ClearBoxes();
    m_loaded = TextFile::Text();
}

void TfrmEditQuestionFile::SetEditedFile(const QString &path)
{
    m_editedFile = path;
    sbInfo->setPanelText(0, path);
}

void TfrmEditQuestionFile::SetRow(QTreeWidgetItem *item, const QuestionRecord &r)
{
    item->setText(0, r.Keyword);
    item->setText(1, r.English);
    item->setText(2, r.Japanese);
    item->setText(3, r.Comment);
    item->setText(4, r.Hole);
}

QuestionRecord TfrmEditQuestionFile::BoxRecord() const
{
    return {cboKeyword->currentText(), txtEnglish->text(), txtJapanese->text(),
            txtComment->text(), txtHole->text()};
}

void TfrmEditQuestionFile::cmdSelectQuestionFileClick()
{
    const QString path = platform().openFileName(this, QString(), Paths::folderOf(m_editedFile),
                                                 QStringLiteral("問題集ファイル (*.txt)|*.txt"));
    if (path.isEmpty())
        return;
    {
        const QSignalBlocker block(cboQuestionFile);
        cboQuestionFile->setEditText(Paths::fileName(path));
    }
    ClearForOtherFile();
    SetEditedFile(path);
}

void TfrmEditQuestionFile::cboQuestionFileChange()
{
    ClearForOtherFile();
    SetEditedFile(RecentFilePath(m_main->settings, RecentList::Question,
                                 cboQuestionFile->currentText()));
}

void TfrmEditQuestionFile::cmdLoadClick()
{
    lstData->clear();
    m_sources.clear();
    sbInfo->setPanelText(0, QStringLiteral("  読み込み中・・・・"));
    QString error;
    // A file that cannot be read, or holds a line no window could lay out in
    // reasonable time, is refused; nothing is left to save over it.
    if (TextFile::read(m_editedFile, m_loaded, &error))
        error = CollectionLineProblem(m_loaded.lines, 0, -1, m_loaded.encoding);
    if (!error.isEmpty()) {
        ClearForOtherFile();
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    int cutShort = -1;
    const QVector<QuestionRecord> records = ParseQuestionRecords(m_loaded.lines, &cutShort);
    QList<QTreeWidgetItem *> items;
    items.reserve(records.size());
    for (const QuestionRecord &r : records) {
        auto *item = new QTreeWidgetItem;
        SetRow(item, r);
        m_sources.insert(item, r.Source);
        items << item;
    }
    lstData->addTopLevelItems(items);
    // A new load starts again at the first row.
    SetCurrentRow(0);
    sbInfo->setPanelText(0, m_editedFile);
    cmdSave->setEnabled(true);
    if (cutShort >= 0)
        platform().message(this, caption(),
                           QStringLiteral("%1 行目からの問題は途中で終わっています\n"
                                          "足りない欄は空欄として読み込みました")
                               .arg(cutShort + 1),
                           MsgKind::Information);
    cboKeyword->setFocus();
}

void TfrmEditQuestionFile::lstDataClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (lstData->indexOfTopLevelItem(item) < 0)
        return;
    cboKeyword->setEditText(item->text(0));
    txtEnglish->setText(item->text(1));
    txtJapanese->setText(item->text(2));
    txtComment->setText(item->text(3));
    txtHole->setText(item->text(4));
}

void TfrmEditQuestionFile::cmdChangeClick()
{
    QTreeWidgetItem *item = lstData->topLevelItem(SelectedRow());
    if (!item) {
        platform().message(this, ErrorCaption(), notSelected(), MsgKind::Warning);
        return;
    }
    const QuestionRecord r = BoxRecord();
    const QString problem = CheckEditedRecord(r, m_loaded.encoding);
    if (!problem.isEmpty()) {
        platform().message(this, ErrorCaption(), problem, MsgKind::Warning);
        return;
    }
    SetRow(item, r);
}

void TfrmEditQuestionFile::cmdDeleteClick()
{
    const int row = SelectedRow();
    QTreeWidgetItem *item = lstData->topLevelItem(row);
    if (!item) {
        platform().message(this, ErrorCaption(), notSelected(), MsgKind::Warning);
        return;
    }
    // The row that moves into the deleted one's place becomes current; after
    // the last row none is.
    m_settingRow = true;
    delete item;
    m_settingRow = false;
    SetCurrentRow(row);
    ClearBoxes();
}

void TfrmEditQuestionFile::cmdSaveClick()
{
    ClearBoxes();
    QString message;
    if (!SaveQuestionRecords(m_editedFile, Records(), &message, m_loaded)) {
        platform().message(this, ErrorCaption(), message, MsgKind::Warning);
        return;
    }
    platform().message(this, caption(),
                       QStringLiteral("保存しました。\n再度読み込みボタンを押してリストを更新してください。"),
                       MsgKind::Information);
}

void TfrmEditQuestionFile::cmdCloseClick()
{
    reject();
}

void ShowEditQuestionFile(TfrmMain *main, QWidget *parent)
{
    TfrmEditQuestionFile dlg(main, parent);
    platform().execDialog(&dlg);
}
