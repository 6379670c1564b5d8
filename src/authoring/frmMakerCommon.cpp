#include "authoring/frmMakerCommon.h"

#include "platform/Paths.h"
#include "platform/Platform.h"
#include "records/frmResultCommon.h"
#include "settings/Settings.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");
}

TfrmMaker::TfrmMaker(Settings &settings, RecentList list, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_list(list)
{
}

void TfrmMaker::SetUpMaker(const QString &name, const QString &title, const QString &banner)
{
    setObjectName(name);
    setWindowTitle(title);
    setFont(DialogFont());

    pnlBanner = new QLabel(banner, this);
    pnlBanner->setObjectName(QStringLiteral("pnlBanner"));
    PaintBlack(pnlBanner);
    pnlBanner->setFont(PixelFont(kFace, 14));
    pnlBanner->setContentsMargins(10, 8, 10, 8);
}

QLabel *TfrmMaker::MakeFileRow(const QString &kind, const QString &caption, const QString &newTip,
                               QComboBox *&files, QPushButton *&select)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl%1File").arg(kind));
    files = m_files = new QComboBox(this);
    m_files->setObjectName(QStringLiteral("cbo%1File").arg(kind));
    m_files->setEditable(true);
    m_files->setInsertPolicy(QComboBox::NoInsert);
    select = m_select = new QPushButton(QStringLiteral("参照 (&S)"), this);
    m_select->setObjectName(QStringLiteral("cmdSelect%1File").arg(kind));
    m_select->setAutoDefault(false);
    cmdNewText = new QPushButton(QStringLiteral("&NEW"), this);
    cmdNewText->setObjectName(QStringLiteral("cmdNewText"));
    cmdNewText->setAutoDefault(false);
    cmdNewText->setToolTip(newTip);
    return label;
}

QPushButton *TfrmMaker::MakeAddButton()
{
    cmdAdd = new QPushButton(QStringLiteral("追加 (&A)"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    return cmdAdd;
}

QPushButton *TfrmMaker::MakeCloseButton()
{
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    return cmdClose;
}

QVBoxLayout *TfrmMaker::StartLayout(QLabel *fileLabel, int spacing)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 10);
    m_layout->setSpacing(6);
    m_layout->addWidget(pnlBanner);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    body->setSpacing(spacing);
    body->addWidget(fileLabel);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_files, 1);
    fileRow->addWidget(m_select);
    fileRow->addWidget(cmdNewText);
    body->addLayout(fileRow);
    return body;
}

void TfrmMaker::FinishLayout(QVBoxLayout *body, QHBoxLayout *buttons)
{
    body->addSpacing(4);
    body->addLayout(buttons);
    m_layout->addLayout(body, 1);
}

void TfrmMaker::FinishMaker(int width, int height)
{
    connect(m_files, &QComboBox::currentTextChanged, this, &TfrmMaker::FilesChanged);
    connect(cmdNewText, &QPushButton::clicked, this, &TfrmMaker::cmdNewTextClick);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmMaker::cmdAddClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmMaker::cmdCloseClick);

    setFixedSize(width, height);
    CenterOnScreen(this, QSize(width, height));
}

void TfrmMaker::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TfrmMaker::FillFiles()
{
    m_files->clear();
    m_files->addItems(RecentFileNames(m_settings, m_list));
}

void TfrmMaker::ChooseTarget(const QString &subfolder, const QString &caption, const QString &filter)
{
    QString folder = Paths::folderOf(m_target);
    if (folder.isEmpty())
        folder = m_settings.ProgramFolder + subfolder;
    const QString path = platform().openFileName(this, caption, folder, filter);
    if (path.isEmpty())
        return;
    {
        const QSignalBlocker block(m_files);
        m_files->setCurrentText(Paths::fileName(path));
    }
    m_target = path;
    QString error;
    if (!RememberRecentPath(m_settings, m_list, path, &error))
        ShowError(error);
}

void TfrmMaker::FilesChanged()
{
    m_target = RecentFilePath(m_settings, m_list, m_files->currentText());
}

void TfrmMaker::ShowError(const QString &message)
{
    platform().message(this, ErrorCaption(), message, MsgKind::Warning);
}

void TfrmMaker::cmdNewTextClick()
{
    if (onNewText)
        onNewText();
}

void TfrmMaker::cmdCloseClick()
{
    reject();
}
