#pragma once
// A horizontal bar gauge: a range, a progress value inside it and a bar
// colour. The percentage of the range reached is written in the middle.
#include <QColor>
#include <QWidget>

class TGauge : public QWidget
{
    Q_OBJECT
public:
    explicit TGauge(QWidget *parent = nullptr);

    int minValue() const { return m_min; }
    int maxValue() const { return m_max; }
    int progress() const { return m_progress; }
    QColor foreColor() const { return m_fore; }
    // Whole percent of the range reached (0 when the range is empty).
    int percentDone() const;

    void setMinValue(int v);
    void setMaxValue(int v);
    void setProgress(int v);      // kept inside the range
    void setForeColor(const QColor &c);

    QSize sizeHint() const override { return QSize(120, 16); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_progress = 0;
    QColor m_fore = Qt::black;
};
