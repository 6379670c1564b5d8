#include "widgets/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
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
    m_up->setAccessibleName(QStringLiteral("値を増やす"));
    m_down->setAccessibleName(QStringLiteral("値を減らす"));
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
    if (m_edit)
        m_edit->removeEventFilter(this);
    m_edit = edit;
    if (m_edit) {
        m_edit->setText(QString::number(m_value));
        m_edit->installEventFilter(this);
    }
}

bool TUpDown::eventFilter(QObject *watched, QEvent *event)
{
    // Only keys and the wheel are handled; the box is looked at for those
    // alone (it also sends events while it is being destroyed, when it is
    // no longer a line edit).
    const QEvent::Type type = event->type();
    if (watched != m_edit || (type != QEvent::KeyPress && type != QEvent::Wheel) || !isEnabled()
        || !m_edit->isEnabled() || m_edit->isReadOnly())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    } else if (event->type() == QEvent::Wheel) {
        // One step per notch (120 eighths of a degree); finer touchpad
        // scrolling adds up until it makes a notch.
        m_wheel += static_cast<QWheelEvent *>(event)->angleDelta().y();
        const int steps = m_wheel / 120;
        m_wheel -= steps * 120;
        if (steps != 0)
            stepBy(steps);
        return true;
    }
    return QWidget::eventFilter(watched, event);
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
