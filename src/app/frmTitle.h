#pragma once
// The title window shown while the main window prepares itself: no caption,
// no border, on top of other windows, centred on the screen; its client
// area is the 367 x 139 title picture.
#include <QPixmap>
#include <QWidget>

class TfrmTitle : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmTitle(QWidget *parent = nullptr);

    // Shows the window and paints it at once.
    void showNow();
    // Closes and destroys it the next time window messages are processed.
    void release();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_painted = false;
    QPixmap m_picture;
};
