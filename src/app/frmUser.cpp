#include "app/frmUser.h"

#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/Users.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmUser::TfrmUser(Settings &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmUser"));
    setWindowTitle(QStringLiteral("ユーザーの設定"));
    // Fixed border with only a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());

    Label1 = new QLabel(QStringLiteral("ユーザー名の選択 （初めての場合は名前を記入）"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cboUserName = new QComboBox(this);
    cboUserName->setObjectName(QStringLiteral("cboUserName"));
    cboUserName->setEditable(true);
    cboUserName->setInsertPolicy(QComboBox::NoInsert);
    cboUserName->setMinimumWidth(240);
    chkNotShow = new QCheckBox(QStringLiteral("次回からは表示しない (&V)"), this);
    chkNotShow->setObjectName(QStringLiteral("chkNotShow"));
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdOk->setMinimumWidth(75);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    layout->addWidget(cboUserName);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkNotShow);
    bottom->addStretch(1);
    bottom->addWidget(cmdOk);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkNotShow, &QCheckBox::clicked, this, &TfrmUser::chkNotShowClick);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmUser::cmdOkClick);
}

void TfrmUser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmUser::FormShow()
{
    cboUserName->clear();
    cboUserName->addItems(RegisteredUsers(m_settings.ProgramFolder));
    cboUserName->setEditText(m_settings.UserName);
    cboUserName->setFocus();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TfrmUser::chkNotShowClick()
{
    // Every click turns the dialog off for later starts; only the settings
    // dialog turns it on again.
    m_settings.ShowUser = 0;
    WriteShowUser(m_settings.ProgramFolder, 0);
    chkNotShow->setToolTip(chkNotShow->isChecked()
                               ? QStringLiteral("解除するには、基本設定の『複数のユーザーで使用する』をチェックします")
                               : QString());
}

void TfrmUser::cmdOkClick()
{
    const QString name = cboUserName->currentText();
    const QString problem = UserNameProblem(name);
    if (problem == EmptyUserNameMessage()) {
        platform().message(this, PlainCaption(), problem, MsgKind::Plain);
        return;
    }
    if (!problem.isEmpty()) {
        platform().message(this, ErrorCaption(), problem, MsgKind::Warning);
        return;
    }
    QString error;
    if (!ChooseUser(m_settings, name, &error)) {
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    Chosen = true;
    accept();
}
