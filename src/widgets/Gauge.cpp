#include "widgets/Gauge.h"

#include <QPainter>

TGauge::TGauge(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(12);
}

int TGauge::percentDone() const
{
    const qint64 span = qint64(m_max) - m_min;
    if (span <= 0)
        return 0;
    return int((qint64(m_progress) - m_min) * 100 / span);
}

void TGauge::setMinValue(int v)
{
    m_min = v;
    if (m_max < m_min)
        m_max = m_min;
    setProgress(m_progress);
    update();
}

void TGauge::setMaxValue(int v)
{
    m_max = v;
    if (m_min > m_max)
        m_min = m_max;
    setProgress(m_progress);
    update();
}

void TGauge::setProgress(int v)
{
    m_progress = qBound(m_min, v, m_max);
    update();
}

void TGauge::setForeColor(const QColor &c)
{
    m_fore = c;
    update();
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QRect inner = frame.adjusted(1, 1, 0, 0);
    const int filled = inner.width() * percentDone() / 100;
    if (filled > 0)
        p.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), m_fore);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);

    // The figure is drawn in the text colour over the empty part and in the
    // base colour over the bar, so that it stays readable on both.
    const QString text = QString::number(percentDone()) + QLatin1Char('%');
    p.setPen(palette().color(QPalette::Text));
    p.drawText(inner, Qt::AlignCenter, text);
    if (filled > 0) {
        p.setClipRect(QRect(inner.left(), inner.top(), filled, inner.height()));
        p.setPen(palette().color(QPalette::Base));
        p.drawText(inner, Qt::AlignCenter, text);
    }
}
