#include "widgets/StatusBar.h"

#include <QLabel>

namespace {
constexpr int kGap = 2;
}

TStatusBar::TStatusBar(int panelCount, QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < panelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(3);
        m_panels.append(label);
        m_widths.append(50);
    }
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().height() + 8);
}

QSize TStatusBar::sizeHint() const
{
    int w = 0;
    for (int v : m_widths)
        w += v + kGap;
    return QSize(w, height());
}

QSize TStatusBar::minimumSizeHint() const
{
    return QSize(0, height());
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
    if (index < 0 || index >= m_panels.size())
        return 0;
    return index == m_panels.size() - 1 ? m_panels.at(index)->width() : m_widths.at(index);
}

void TStatusBar::setPanelWidth(int index, int width)
{
    if (index < 0 || index >= m_widths.size())
        return;
    m_widths[index] = qMax(0, width);
    layoutPanels();
}

void TStatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPanels();
}

void TStatusBar::layoutPanels()
{
    const int h = height() - 2;
    int x = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        const bool last = i == m_panels.size() - 1;
        const int w = last ? qMax(0, width() - x) : m_widths.at(i);
        m_panels.at(i)->setGeometry(x, 2, w, h);
        x += w + kGap;
    }
}
