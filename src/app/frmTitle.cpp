#include "app/frmTitle.h"

#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLinearGradient>
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
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(0x1f, 0x6f, 0x78));
    bg.setColorAt(1, QColor(0x24, 0x34, 0x4d));
    p.fillRect(rect(), bg);
    p.setPen(QPen(QColor(0xe9, 0xa2, 0x3b), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    appIcon(QStringLiteral("ulvendo")).paint(&p, QRect(22, 30, 64, 64));

    QFont big = PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 40);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRect(100, 22, 250, 54), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ulvendo"));
    p.setFont(PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 14));
    p.setPen(QColor(0xf4, 0xd5, 0x8d));
    p.drawText(QRect(102, 76, 250, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("英語 ドリル トレーナー"));
    p.setFont(PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 11));
    p.setPen(QColor(0xcf, 0xd8, 0xe3));
    p.drawText(QRect(0, 110, width() - 12, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("起動しています..."));
}
