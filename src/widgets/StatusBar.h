#pragma once
// A status bar of text panels side by side; every panel but the last has a
// width of its own, the last takes the rest of the bar. Panels that do not
// fit are cut off at the right edge; the bar never makes the window wider.
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
    // The width set for a panel; for the last one the width it has now.
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    QLabel *panel(int index) const { return m_panels.value(index); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutPanels();
    QList<QLabel *> m_panels;
    QList<int> m_widths;
};
