#pragma once
// A pair of up and down arrows tied to an edit box: a click moves the number
// in the box by one inside the range and writes it back, and so do the Up
// and Down keys and the mouse wheel in the box. The box itself may hold any
// text; the arrows take a number that does not parse as `minimum`.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget
{
    Q_OBJECT
public:
    explicit TUpDown(QWidget *parent = nullptr);

    void setAssociate(QLineEdit *edit);
    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    // The position: the number in the box, kept inside the range.
    int value() const;
    void setValue(int v);             // clamps and writes the box
    void stepBy(int steps);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
    int m_wheel = 0; // wheel turn not yet made into a step
};
