#include "widgets/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setFixedSize(16, 10);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    setFixedWidth(16);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void TUpDown::setAssociate(QLineEdit *edit)
{
    m_edit = edit;
    if (m_edit)
        m_edit->setText(QString::number(m_value));
}

void TUpDown::setRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = qMax(minimum, maximum);
    setValue(m_value);
}

int TUpDown::value() const
{
    if (!m_edit)
        return m_value;
    bool ok = false;
    const int v = m_edit->text().trimmed().toInt(&ok);
    return ok ? qBound(m_min, v, m_max) : m_min;
}

void TUpDown::setValue(int v)
{
    m_value = qBound(m_min, v, m_max);
    if (m_edit)
        m_edit->setText(QString::number(m_value));
    emit valueChanged(m_value);
}

void TUpDown::stepBy(int steps)
{
    setValue(value() + steps);
}
