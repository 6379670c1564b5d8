#include "widgets/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

TStatusBar::TStatusBar(int panelCount, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < panelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(0);
        label->setIndent(3);
        m_panels.append(label);
        layout->addWidget(label, i == panelCount - 1 ? 1 : 0);
    }
    setFixedHeight(fontMetrics().height() + 8);
}

QString TStatusBar::panelText(int index) const
{
    QLabel *l = m_panels.value(index);
    return l ? l->text() : QString();
}

void TStatusBar::setPanelText(int index, const QString &text)
{
    if (QLabel *l = m_panels.value(index))
        l->setText(text);
}

int TStatusBar::panelWidth(int index) const
{
    QLabel *l = m_panels.value(index);
    if (!l)
        return 0;
    return index == m_panels.size() - 1 ? l->width() : l->minimumWidth();
}

void TStatusBar::setPanelWidth(int index, int width)
{
    QLabel *l = m_panels.value(index);
    if (!l || index == m_panels.size() - 1)
        return;
    l->setFixedWidth(qMax(0, width));
}
