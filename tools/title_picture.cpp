// Draws the title picture the title window shows at start-up and writes it
// as resources/title/title.png (367 x 139) and title@2x.png (for screens
// with twice the pixels). The program shows the stored pictures, so that the
// start-up loads no fonts of its own for them; run this after changing the
// picture:  cmake --build build --target title_picture
//           build/title_picture resources/title
// The pictures are written without PNG row filters: reading them at
// start-up then costs half what a filtered picture costs, and they are no
// bigger.
#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtEndian>

#include <array>
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

quint32 crc32(const QByteArray &data)
{
    static const auto table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : data)
        c = table[(c ^ uchar(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &body)
{
    char number[4];
    qToBigEndian(quint32(body.size()), number);
    png.append(number, 4);
    const QByteArray typed = QByteArray(type, 4) + body;
    png += typed;
    qToBigEndian(crc32(typed), number);
    png.append(number, 4);
}

// An 8-bit RGB PNG whose rows all have filter type 0 (none).
QByteArray unfilteredPng(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray rows;
    for (int y = 0; y < image.height(); ++y) {
        rows.append('\0');
        rows.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 3);
    }
    QByteArray header(13, '\0');
    qToBigEndian(quint32(image.width()), header.data());
    qToBigEndian(quint32(image.height()), header.data() + 4);
    header[8] = 8; // bits a sample
    header[9] = 2; // RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", qCompress(rows, 9).mid(4)); // the zlib stream without Qt's length
    appendChunk(png, "IEND", QByteArray());
    return png;
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
        QFile out(file);
        const QByteArray png = unfilteredPng(image);
        if (!out.open(QIODevice::WriteOnly) || out.write(png) != png.size() || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
