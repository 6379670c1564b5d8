#pragma once
// A toolbar that sits in the main window's dock: a caption, a grip at its
// left, its buttons, and a small close box at its right whose use hides the
// toolbar and reports it through closeClicked().
#include <QToolBar>

class QToolButton;

class TToolBar : public QToolBar
{
    Q_OBJECT
public:
    TToolBar(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return windowTitle(); }
    // The close box (objectName = toolbar's objectName + "_close").
    QToolButton *closeButton() const { return m_close; }
    // Adds a flat tool button with an icon from the resources and a hint.
    QToolButton *addButton(const QString &name, const QString &iconName, const QString &hint);
    void finish();   // adds the close box after the last button

signals:
    void closeClicked();

private:
    QToolButton *m_close = nullptr;
};
