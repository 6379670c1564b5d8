#include "widgets/Look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

QColor ColorFromNumber(int number)
{
    const quint32 n = quint32(number);
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

int NumberFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

namespace {

QString firstInstalled(const QStringList &families)
{
    for (const QString &f : families)
        if (QFontDatabase::hasFamily(f))
            return f;
    return QString();
}

} // namespace

QString ScreenFamily(const QString &face)
{
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    const bool serif = face.contains(QStringLiteral("明朝")) || face.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive)
                       || face.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
    const QString serifFamily = firstInstalled({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho"),
                                                QStringLiteral("IPAMincho")});
    const QString sansFamily = firstInstalled({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                                               QStringLiteral("IPAGothic")});
    if (serif && !serifFamily.isEmpty())
        return serifFamily;
    if (!sansFamily.isEmpty())
        return sansFamily;
    return face;
}

QFont FaceFont(const QString &face, int pointSize)
{
    QFont f(ScreenFamily(face));
    if (pointSize > 0)
        f.setPointSize(pointSize);
    return f;
}

QFont PixelFont(const QString &face, int pixelSize)
{
    QFont f(ScreenFamily(face));
    f.setPixelSize(pixelSize);
    return f;
}

void PaintBlack(QWidget *panel)
{
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
}

QFont DialogFont()
{
    return PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
}

void CenterOnScreen(QWidget *window, const QSize &size)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}
