#include "frmShowReference.h"

#include "platform/Platform.h"
#include "records/frmResultCommon.h"
#include "settings/Settings.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 420;
}

QColor ColorFromSetting(int value)
{
    return ColorFromNumber(value);
}

void ApplyReferenceStyle(QTextEdit *area, const Settings &settings)
{
    QFont f = area->font();
    f.setFamily(ScreenFamily(settings.FontReference));
    area->setFont(f);
    SetPaneTextColor(area, ColorFromSetting(settings.FontReferenceColor));
    area->setTextColor(ColorFromSetting(settings.FontReferenceColor));
}

ReferenceEntry FillReferenceText(QTextEdit *area, const Settings &settings,
                                 const QString &keyword, bool reportErrors)
{
    area->clear();
    QString error;
    const ReferenceEntry entry = FindReference(settings.ReferenceFilePath, keyword, &error);
    // Plain paragraphs, one per explanation line, in the reference colour.
    area->setPlainText(entry.lines.join(QLatin1Char('\n')));
    if (entry.isError() && reportErrors)
        platform().message(area->window(), ErrorCaption(), error, MsgKind::Warning);
    return entry;
}

TfrmShowReference::TfrmShowReference(const Settings &settings, const QString &referenceKeyword,
                                     QWidget *parent)
    : QDialog(parent), ReferenceKeyword(referenceKeyword), m_settings(settings)
{
    setObjectName(QStringLiteral("frmShowReference"));
    setWindowTitle(QStringLiteral("解説の表示"));

    pnlTitle = new QLabel(this);
    pnlTitle->setObjectName(QStringLiteral("pnlTitle"));
    PaintBlack(pnlTitle);
    {
        QFont f = pnlTitle->font();
        f.setPixelSize(16);
        pnlTitle->setFont(f);
    }
    pnlTitle->setMinimumHeight(32);
    pnlTitle->setContentsMargins(8, 4, 8, 4);
    pnlTitle->setTextFormat(Qt::PlainText);

    lblReference = new QLabel(QStringLiteral("解説"), this);
    lblReference->setObjectName(QStringLiteral("lblReference"));

    moReference = new QTextEdit(this);
    moReference->setObjectName(QStringLiteral("moReference"));
    moReference->setReadOnly(true);
    moReference->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    {
        QFont f = moReference->font();
        f.setPixelSize(17);
        moReference->setFont(f);
    }

    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(pnlTitle);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addWidget(lblReference);
    body->addWidget(moReference, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    setFixedSize(kWidth, kHeight);
    CenterOnScreen(this, QSize(kWidth, kHeight));
}

void TfrmShowReference::FormShow()
{
    m_shown = true;
    moReference->clear();
    pnlTitle->setText(Reference::title(ReferenceKeyword));
    ApplyReferenceStyle(moReference, m_settings);
    m_entry = FillReferenceText(moReference, m_settings, ReferenceKeyword, true);
    cmdClose->setFocus();
}

void TfrmShowReference::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown)
        FormShow();
}

void ShowReference(QWidget *parent, const Settings &settings, const QString &keyword)
{
    TfrmShowReference viewer(settings, keyword, parent);
    platform().execDialog(&viewer);
}
