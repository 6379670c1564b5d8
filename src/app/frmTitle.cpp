#include "app/frmTitle.h"

#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWindow>

TfrmTitle::TfrmTitle(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmTitle"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(367, 139);
    CenterOnScreen(this, size());
}

void TfrmTitle::showNow()
{
    show();
    // Under a window manager the window is on the screen some moments after
    // show(), and a picture painted before that is lost; the start-up then
    // goes on without processing window events. So the window events are
    // processed until the picture has been painted on the shown window (a
    // second at most), and no longer.
    QElapsedTimer waited;
    waited.start();
    while (!m_painted && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (!m_painted)
        repaint();
}

void TfrmTitle::release()
{
    deleteLater();
}

void TfrmTitle::paintEvent(QPaintEvent *)
{
    // Painted for the screen only once the window is exposed there.
    if (windowHandle() && windowHandle()->isExposed())
        m_painted = true;
    // The picture is stored (drawn by tools/title_picture.cpp), so showing
    // it loads no fonts: the start-up does not wait for them.
    if (m_picture.isNull())
        m_picture = titlePicture(devicePixelRatioF());
    QPainter p(this);
    p.drawPixmap(rect(), m_picture);
}
