#pragma once
// A status bar of text panels side by side; every panel but the last has a
// width of its own, the last takes the rest of the bar.
#include <QWidget>

class QLabel;

class TStatusBar : public QWidget
{
    Q_OBJECT
public:
    explicit TStatusBar(int panelCount, QWidget *parent = nullptr);

    int panelCount() const { return m_panels.size(); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    QLabel *panel(int index) const { return m_panels.value(index); }

private:
    QList<QLabel *> m_panels;
};
