#include "authoring/frmNewText.h"

#include "authoring/NewTextFile.h"
#include "authoring/frmAuthoringCommon.h"
#include "platform/Platform.h"
#include "records/frmResultCommon.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 430;
constexpr int kHeight = 470;
constexpr int kPathRole = Qt::UserRole + 1;

QString caption() { return QStringLiteral("テキストファイルの新規作成"); }

// The drive (root) a folder lies on.
QString driveOf(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        if (clean.startsWith(root, Qt::CaseInsensitive))
            return root;
    }
    return QDir::rootPath();
}
} // namespace

// --- folder list -----------------------------------------------------------------

TFolderList::TFolderList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, &TFolderList::openItem);
}

void TFolderList::setDirectory(const QString &path)
{
    QDir dir(path);
    if (path.isEmpty() || !dir.exists() || !dir.isReadable())
        return;
    m_directory = QDir::cleanPath(dir.absolutePath());

    clear();
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    // From the root down to the open folder.
    QStringList chain;
    QDir up(m_directory);
    chain.prepend(up.absolutePath());
    while (up.cdUp())
        chain.prepend(up.absolutePath());
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(openIcon, QString(depth * 3, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    QListWidgetItem *current = item(count() - 1);
    const QStringList subs = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                         QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subs) {
        auto *item = new QListWidgetItem(closedIcon, QString(depth * 3, QLatin1Char(' ')) + sub, this);
        item->setData(kPathRole, QDir(m_directory).filePath(sub));
    }
    setCurrentItem(current);
    emit directoryChanged(m_directory);
}

QString TFolderList::selectedDirectory() const
{
    const QListWidgetItem *item = currentItem();
    const QString path = item ? item->data(kPathRole).toString() : QString();
    return path.isEmpty() ? m_directory : path;
}

void TFolderList::openItem(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(kPathRole).toString());
}

// --- dialog -------------------------------------------------------------------------

TfrmNewText::TfrmNewText(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewText"));
    setWindowTitle(caption());
    setFont(DialogFont());

    pnlTitle = MakeTitlePanel(this, QStringLiteral("ここでは、新しいテキストファイルを作成します"));

    auto *lblPlace = new QLabel(QStringLiteral("新しいファイルの作成場所を指定してください"), this);
    auto *lblDrive = new QLabel(QStringLiteral("ドライブの指定 ： "), this);
    dcb = new QComboBox(this);
    dcb->setObjectName(QStringLiteral("dcb"));
    for (const QFileInfo &drive : QDir::drives())
        dcb->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), drive.absoluteFilePath());
    dlbFolder = new TFolderList(this);
    dlbFolder->setObjectName(QStringLiteral("dlbFolder"));

    auto *lblName = new QLabel(QStringLiteral("ファイル名を記入してください （拡張子は必要ありません）"), this);
    auto *lblRule = new QLabel(QStringLiteral("短い名前にしてください。次の文字は使えません ：  \\  /  :  ,  ;  *  ?  \"  <  >  |"), this);
    lblRule->setObjectName(QStringLiteral("lblRule"));
    lblRule->setWordWrap(true);
    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));

    cmdMake = new QPushButton(QStringLiteral("作成 (&M)"), this);
    cmdMake->setObjectName(QStringLiteral("cmdMake"));
    cmdMake->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    for (QPushButton *b : {cmdMake, Button2})
        b->setMinimumWidth(100);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 12);
    body->setSpacing(6);
    body->addWidget(lblPlace);
    auto *driveRow = new QHBoxLayout;
    driveRow->addWidget(lblDrive);
    driveRow->addWidget(dcb, 1);
    body->addLayout(driveRow);
    body->addWidget(dlbFolder, 1);
    body->addSpacing(6);
    body->addWidget(lblName);
    body->addWidget(lblRule);
    body->addWidget(txtFileName);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdMake);
    buttons->addWidget(Button2);
    body->addSpacing(4);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTitle);
    layout->addLayout(body, 1);

    connect(dcb, &QComboBox::currentTextChanged, this, &TfrmNewText::dcbChange);
    connect(dlbFolder, &TFolderList::directoryChanged, this, [this](const QString &path) {
        const QSignalBlocker block(dcb);
        const int i = dcb->findText(driveOf(path), Qt::MatchFixedString);
        if (i >= 0)
            dcb->setCurrentIndex(i);
    });
    connect(cmdMake, &QPushButton::clicked, this, &TfrmNewText::cmdMakeClick);
    connect(Button2, &QPushButton::clicked, this, &TfrmNewText::Button2Click);

    dlbFolder->setDirectory(QDir::currentPath());

    setFixedSize(kWidth, kHeight);
    CenterOnScreen(this, QSize(kWidth, kHeight));
}

void TfrmNewText::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmNewText::FormShow()
{
    txtFileName->clear();
    txtFileName->setFocus();
}

void TfrmNewText::dcbChange()
{
    dlbFolder->setDirectory(dcb->currentText());
}

void TfrmNewText::cmdMakeClick()
{
    QString message;
    const NewText::Result result =
        NewText::create(dlbFolder->selectedDirectory(), txtFileName->text(), &message);
    if (result == NewText::Result::Created) {
        platform().message(this, caption(), message, MsgKind::Information);
        txtFileName->clear();
    } else {
        platform().message(this, ErrorCaption(), message, MsgKind::Warning);
    }
    txtFileName->setFocus();
}

void TfrmNewText::Button2Click()
{
    reject();
}

void ShowNewText(QWidget *parent)
{
    TfrmNewText dlg(parent);
    platform().execDialog(&dlg);
}
