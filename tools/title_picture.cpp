// Draws the title picture the title window shows at start-up and writes it
// as resources/title/title.png (367 x 139) and title@2x.png (for screens
// with twice the pixels). The program shows the stored pictures, so that the
// start-up loads no fonts of its own for them; run this after changing the
// picture:  cmake --build build --target title_picture
//           build/title_picture resources/title
#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

void paintTitle(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor(0x1f, 0x6f, 0x78));
    bg.setColorAt(1, QColor(0x24, 0x34, 0x4d));
    p.fillRect(QRect(QPoint(0, 0), size), bg);
    p.setPen(QPen(QColor(0xe9, 0xa2, 0x3b), 2));
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -2, -2));

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
    p.drawText(QRect(0, 110, size.width() - 12, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("起動しています..."));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: title_picture FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QSize size(367, 139);
    for (int ratio : {1, 2}) {
        QImage image(size * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter p(&image);
        paintTitle(p, size);
        p.end();
        const QString file = folder + (ratio == 1 ? QStringLiteral("/title.png") : QStringLiteral("/title@2x.png"));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
