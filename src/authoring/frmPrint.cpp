#include "authoring/frmPrint.h"

#include "app/frmMain.h"
#include "authoring/frmAuthoringCommon.h"
#include "authoring/PrintSheet.h"
#include "drill/Collection.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "records/frmResultCommon.h"
#include "settings/RecentFiles.h"
#include "widgets/Gauge.h"
#include "widgets/StatusBar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

namespace {
constexpr int kWidth = 720;
constexpr int kHeight = 540;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfrmPrint::TfrmPrint(TfrmMain *main, QWidget *parent) : QDialog(parent), m_main(main)
{
    SetUpSizableWindow(this, QStringLiteral("frmPrint"), QStringLiteral("問題集の印刷"));
    pnlTitle = MakeTitlePanel(this, QStringLiteral("ここでは、問題集の印刷を行います"));

    moData = new QTextEdit(this);
    moData->setObjectName(QStringLiteral("moData"));
    moData->setAcceptRichText(false);
    moData->setTabChangesFocus(false);
    moData->setLineWrapMode(QTextEdit::WidgetWidth);
    moData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moData->setFont(DialogFont());

    auto *lblQuestionFile = new QLabel(QStringLiteral("問題集の選択"), this);
    cboQuestionFile = new QComboBox(this);
    cboQuestionFile->setObjectName(QStringLiteral("cboQuestionFile"));
    cboQuestionFile->setEditable(true);
    cboQuestionFile->setInsertPolicy(QComboBox::NoInsert);
    cmdOpen = makeButton(this, "cmdOpen", QStringLiteral("&OPEN"));

    rgPrintType = new QGroupBox(QStringLiteral("印刷方法"), this);
    rgPrintType->setObjectName(QStringLiteral("rgPrintType"));
    m_types = new QButtonGroup(this);
    auto *typeLayout = new QVBoxLayout(rgPrintType);
    const QStringList captions = PrintSheet::styleCaptions();
    for (int i = 0; i < 4; ++i) {
        rbPrintType[i] = new QRadioButton(captions.at(i), rgPrintType);
        rbPrintType[i]->setObjectName(QStringLiteral("rgPrintType_%1").arg(i));
        m_types->addButton(rbPrintType[i], i);
        typeLayout->addWidget(rbPrintType[i]);
    }
    rbPrintType[0]->setChecked(true);
    chkToEnglish = new QCheckBox(QStringLiteral("日本語から英語へ (&J)"), this);
    chkToEnglish->setObjectName(QStringLiteral("chkToEnglish"));

    cmdLoad = makeButton(this, "cmdLoad", QStringLiteral("読み込み (&L)"));
    cmdFont = makeButton(this, "cmdFont", QStringLiteral("フォント設定 (&F)"));
    cmdPrint = makeButton(this, "cmdPrint", QStringLiteral("印刷 (&P)"));
    cmdSave = makeButton(this, "cmdSave", QStringLiteral("保存 (&S)"));
    cmdClose = makeButton(this, "cmdClose", QStringLiteral("閉じる (&C)"));
    cmdPrint->setEnabled(false);
    cmdSave->setEnabled(false);

    cgInfo = new TGauge(this);
    cgInfo->setObjectName(QStringLiteral("cgInfo"));
    cgInfo->setForeColor(Qt::blue);
    cgInfo->setMinValue(0);
    cgInfo->setMaxValue(100);
    cgInfo->setProgress(0);
    sbInfo = new TStatusBar(1, this);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));

    auto *side = new QVBoxLayout;
    side->setSpacing(5);
    side->addWidget(lblQuestionFile);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(cboQuestionFile, 1);
    fileRow->addWidget(cmdOpen);
    side->addLayout(fileRow);
    side->addWidget(rgPrintType);
    side->addWidget(chkToEnglish);
    side->addSpacing(6);
    for (QPushButton *b : {cmdLoad, cmdFont, cmdPrint, cmdSave, cmdClose})
        side->addWidget(b);
    side->addStretch(1);
    auto *sideBox = new QWidget(this);
    sideBox->setLayout(side);
    sideBox->setFixedWidth(250);
    side->setContentsMargins(0, 0, 0, 0);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 8, 8, 6);
    body->setSpacing(10);
    body->addWidget(moData, 1);
    body->addWidget(sideBox);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTitle);
    layout->addLayout(body, 1);
    auto *gaugeRow = new QHBoxLayout;
    gaugeRow->setContentsMargins(8, 0, 8, 4);
    gaugeRow->addWidget(cgInfo);
    layout->addLayout(gaugeRow);
    layout->addWidget(sbInfo);

    connect(cmdOpen, &QPushButton::clicked, this, &TfrmPrint::cmdOpenClick);
    connect(cboQuestionFile, &QComboBox::editTextChanged, this, &TfrmPrint::cboQuestionFileChange);
    connect(m_types, &QButtonGroup::idClicked, this, &TfrmPrint::rgPrintTypeClick);
    connect(cmdLoad, &QPushButton::clicked, this, &TfrmPrint::cmdLoadClick);
    connect(cmdFont, &QPushButton::clicked, this, &TfrmPrint::cmdFontClick);
    connect(cmdPrint, &QPushButton::clicked, this, &TfrmPrint::cmdPrintClick);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmPrint::cmdSaveClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmPrint::cmdCloseClick);

    PlaceWindow(this, kWidth, kHeight);
}

void TfrmPrint::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmPrint::FormShow()
{
    m_shown = true;
    const Settings &s = m_main->settings;
    moData->clear();
    const QSignalBlocker block(cboQuestionFile);
    cboQuestionFile->clear();
    SetPrintType(PrintSheet::AsIs);
    cboQuestionFile->addItems(RecentFileNames(s, RecentList::Question));
    cboQuestionFile->setEditText(Paths::fileName(s.QuestionFilePath));
    m_source = s.QuestionFilePath;
    sbInfo->setPanelText(0, m_source);
    rgPrintTypeClick();
}

int TfrmPrint::PrintType() const
{
    return qMax(0, m_types->checkedId());
}

void TfrmPrint::SetPrintType(int style)
{
    if (style >= 0 && style < 4)
        rbPrintType[style]->setChecked(true);
}

QStringList TfrmPrint::Lines() const
{
    const QString text = moData->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TfrmPrint::cmdOpenClick()
{
    const QString path = platform().openFileName(this, QString(), Paths::folderOf(m_source),
                                                 QStringLiteral("問題集ファイル (*.txt)|*.txt"));
    if (path.isEmpty())
        return;
    {
        const QSignalBlocker block(cboQuestionFile);
        cboQuestionFile->setEditText(Paths::fileName(path));
    }
    m_source = path;
    sbInfo->setPanelText(0, QStringLiteral("  ") + path);
    QString error;
    if (!RememberRecentPath(m_main->settings, RecentList::Question, path, &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
}

void TfrmPrint::cboQuestionFileChange()
{
    m_source = RecentFilePath(m_main->settings, RecentList::Question, cboQuestionFile->currentText());
    sbInfo->setPanelText(0, QStringLiteral("  ") + m_source);
}

void TfrmPrint::rgPrintTypeClick()
{
    const PrintSheet::Direction d = PrintSheet::directionFor(PrintType(), chkToEnglish->isChecked());
    chkToEnglish->setChecked(d.checked);
    chkToEnglish->setEnabled(d.enabled);
}

void TfrmPrint::cmdLoadClick()
{
    moData->clear();
    const int style = PrintType();
    TextFile::Text text;
    QString error;
    if (!TextFile::read(m_source, text, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    const QStringList &lines = text.lines;
    // A line no window could lay out in reasonable time is refused (its
    // bytes counted in the encoding the file was read in).
    const QString tooLong = CollectionLineProblem(lines, 0, -1, text.encoding);
    if (!tooLong.isEmpty()) {
        platform().message(this, ErrorCaption(), tooLong, MsgKind::Warning);
        return;
    }
    cgInfo->setMinValue(0);
    cgInfo->setMaxValue(lines.size());
    // The gauge is painted at once whenever its bar moves by a percent, so
    // that it shows progress while a large sheet is composed.
    const int step = qMax(1, int(lines.size() / 100));
    const PrintSheet::Sheet sheet =
        PrintSheet::compose(lines, style, chkToEnglish->isChecked(), [this, step](int i) {
            cgInfo->setProgress(i);
            if (i % step == 0)
                cgInfo->repaint();
        });
    moData->setPlainText(sheet.lines.join(QLatin1Char('\n')));
    cgInfo->setProgress(0);
    if (!sheet.complete) {
        platform().message(this, ErrorCaption(), PrintSheet::composeFailedMessage(),
                           MsgKind::Warning);
        return;
    }
    cmdPrint->setEnabled(true);
    cmdSave->setEnabled(true);
}

void TfrmPrint::cmdFontClick()
{
    QFont font = moData->font();
    if (platform().chooseFont(this, font))
        moData->setFont(font);
}

void TfrmPrint::cmdPrintClick()
{
    std::unique_ptr<QTextDocument> doc(moData->document()->clone());
    // The printout follows the font's point size. A font sized in screen
    // pixels (the dialog's own) is given the point size it shows on the
    // screen: handed over in pixels, a 1200 dpi printer would print it at
    // a fraction of a point.
    QFont font = moData->font();
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / qMax(1, logicalDpiY()));
    doc->setDefaultFont(font);
    doc->setMetaInformation(QTextDocument::DocumentTitle, Lines().value(0));
    platform().printDocument(this, doc.get());
}

void TfrmPrint::cmdSaveClick()
{
    // The sheet is added at the end of the file: the dialog does not offer
    // to replace it, the question below says what happens.
    QString path = platform().saveFileName(this, QString(), Paths::folderOf(m_source),
                                           QStringLiteral("テキストファイル (*.txt)|*.txt"),
                                           SaveMode::Append);
    if (path.isEmpty())
        return;
    path = PrintSheet::withTextExtension(path);
    const QStringList lines = Lines();
    if (lines.isEmpty())
        return;
    const Settings &s = m_main->settings;
    if (PrintSheet::isFileInUse(path, {m_source, s.QuestionFilePath, s.ReferenceFilePath,
                                       s.DictionaryFilePath})) {
        platform().message(this, ErrorCaption(), PrintSheet::fileInUseMessage(path), MsgKind::Warning);
        return;
    }
    if (QFileInfo(path).size() > 0
        && platform().message(this, windowTitle(), PrintSheet::appendQuestion(path), MsgKind::Question)
               != MsgResult::Yes)
        return;
    QString message;
    if (!PrintSheet::appendText(path, lines, &message))
        platform().message(this, ErrorCaption(), message, MsgKind::Warning);
}

void TfrmPrint::cmdCloseClick()
{
    reject();
}

void ShowPrint(TfrmMain *main, QWidget *parent)
{
    TfrmPrint dlg(main, parent);
    platform().execDialog(&dlg);
}
