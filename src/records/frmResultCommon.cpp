#include "records/frmResultCommon.h"

#include "app/frmMain.h"
#include "platform/Platform.h"
#include "records/Importance.h"
#include "records/RecordPaths.h"
#include "widgets/Look.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

void StyleMemo(QTextEdit *memo, const QFont &font, int colorSetting)
{
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(font);
    SetPaneTextColor(memo, ColorFromNumber(colorSetting));
    memo->setTextColor(ColorFromNumber(colorSetting));
}

void SetMemoLine(QTextEdit *memo, const QString &text)
{
    memo->clear();
    memo->setPlainText(text);
}

QFrame *MakeBlackPanel(QWidget *parent, const QString &objectName)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(objectName);
    PaintBlack(panel);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

QLabel *MakeNamedLabel(QWidget *parent, const char *objectName, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

QTextEdit *MakeNamedMemo(QWidget *parent, const char *objectName)
{
    auto *memo = new QTextEdit(parent);
    memo->setObjectName(QLatin1String(objectName));
    return memo;
}

QLabel *MakeStyledLabel(QWidget *parent, const QString &objectName, const QString &text,
                        const QString &face, int pixelSize, bool bold, const QColor &color)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    QFont f = PixelFont(face, pixelSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

// --- importance buttons -------------------------------------------------------

TImportanceButtons::TImportanceButtons(QWidget *parent) : QObject(parent)
{
    lblImportantQuestion = new QLabel(QStringLiteral("重要度の設定 >> "), parent);
    lblImportantQuestion->setObjectName(QStringLiteral("lblImportantQuestion"));
    lblImportantQuestion->setEnabled(false);
    for (int i = 0; i < 5; ++i) {
        auto *b = new QPushButton(QString::number(i + 1), parent);
        b->setObjectName(QStringLiteral("cmd%1").arg(i + 1));
        b->setCheckable(true);
        b->setFlat(true);
        b->setEnabled(false);
        b->setAutoDefault(false);
        b->setFixedSize(28, 24);
        connect(b, &QPushButton::toggled, this, [this, i](bool down) { buttonToggled(i, down); });
        cmd[i] = b;
    }
}

void TImportanceButtons::addTo(QHBoxLayout *row) const
{
    row->addWidget(lblImportantQuestion);
    for (QPushButton *b : cmd)
        row->addWidget(b);
}

void TImportanceButtons::Enable(int level)
{
    m_enabled = true;
    lblImportantQuestion->setEnabled(true);
    for (int i = 0; i < 5; ++i) {
        cmd[i]->setEnabled(true);
        cmd[i]->setFlat(false);
        cmd[i]->setChecked(i + 1 == level);
    }
}

int TImportanceButtons::chosenLevel() const
{
    for (int i = 0; i < 5; ++i)
        if (cmd[i]->isChecked())
            return i + 1;
    return 0;
}

void TImportanceButtons::buttonToggled(int index, bool down)
{
    // One group: pressing a button raises the one that was down; pressing
    // the button that is down raises it, leaving all five up.
    if (!down)
        return;
    for (int i = 0; i < 5; ++i)
        if (i != index && cmd[i]->isChecked())
            cmd[i]->setChecked(false);
}

// --- dialogs with importance buttons ----------------------------------------------

TResultDialogBase::TResultDialogBase(TfrmMain *main, QWidget *parent)
    : QDialog(parent), m_main(main)
{
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(DialogFont());
    levels = new TImportanceButtons(this);
}

void TResultDialogBase::SetUpImportance()
{
    if (m_main->settings.ImportantOn != 1)
        return;
    levels->Enable(ImportanceLevel(ImportanceFile(m_main->settings), m_main->drill.CurrentLine));
}

void TResultDialogBase::StoreImportance()
{
    if (m_stored || !levels->isEnabled())
        return;
    m_stored = true;
    QString error;
    const Settings &s = m_main->settings;
    if (!SetImportance(ImportanceFile(s), ImportanceScratchFile(s), m_main->drill.CurrentLine,
                       levels->chosenLevel(), &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
}

void TResultDialogBase::done(int result)
{
    StoreImportance();
    QDialog::done(result);
}
