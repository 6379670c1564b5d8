#include "widgets/Icons.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

// The icons are compiled into the static UI library; registering them here
// keeps the linker from dropping them.
static void registerIcons()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(done);
}

QList<int> storedIconSizes(const QString &name)
{
    QList<int> sizes{16, 24, 32, 48, 64};
    if (name == QLatin1String("close"))
        sizes.prepend(8);
    // The program's own icon is also the windows' icon, and a window hands
    // every stored size of it to the desktop when it is first shown.
    if (name == QLatin1String("ulvendo"))
        sizes << 128;
    return sizes;
}

QString storedIconPath(const QString &name, int size)
{
    return QStringLiteral(":/icons/stored/%1-%2.png").arg(name).arg(size);
}

QImage readStoredPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

// A disabled icon: the picture in grey, mostly see-through, so that it
// stands out less from any background than the enabled one, light or dark
// (the style's own greying turns light parts white on a dark tool bar).
QPixmap faded(const QPixmap &picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    QPixmap out = QPixmap::fromImage(image);
    out.setDevicePixelRatio(picture.devicePixelRatio());
    return out;
}

// Shows an icon from its stored pictures, each read the first time a size
// needs it. A size between two stored ones is scaled down from the next
// larger picture; a disabled icon is faded, and the selected or active
// look is made by the style, as for any icon.
class StoredIconEngine : public QIconEngine
{
public:
    StoredIconEngine(const QString &name, const QList<int> &sizes) : m_name(name), m_sizes(sizes) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        const qint64 paletteKey =
            mode == QIcon::Normal || mode == QIcon::Disabled ? 0 : QApplication::palette().cacheKey();
        const QString key = QStringLiteral("%1:%2:%3").arg(side).arg(int(mode)).arg(paletteKey);
        const auto it = m_made.constFind(key);
        if (it != m_made.constEnd())
            return it.value();
        QPixmap picture = stored(side);
        if (!picture.isNull() && picture.width() != side)
            picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!picture.isNull() && mode == QIcon::Disabled) {
            picture = faded(picture);
        } else if (!picture.isNull() && mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        m_made.insert(key, picture);
        return picture;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap p = pixmap(rect.size() * ratio, mode, state);
        p.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, p);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(qMin(side, m_sizes.last()), qMin(side, m_sizes.last()));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : m_sizes)
            sizes << QSize(s, s);
        return sizes;
    }

    QIconEngine *clone() const override { return new StoredIconEngine(m_name, m_sizes); }
    QString key() const override { return QStringLiteral("UlvendoStoredIcon"); }
    QString iconName() override { return m_name; }

private:
    // The smallest stored picture at least `side` pixels wide, or the largest.
    QPixmap stored(int side)
    {
        int pick = m_sizes.last();
        for (int s : m_sizes)
            if (s >= side) {
                pick = s;
                break;
            }
        auto it = m_read.find(pick);
        if (it == m_read.end())
            it = m_read.insert(pick, QPixmap::fromImage(readStoredPng(storedIconPath(m_name, pick))));
        return it.value();
    }

    QString m_name;
    QList<int> m_sizes;
    QHash<int, QPixmap> m_read;
    QHash<QString, QPixmap> m_made;
};

} // namespace

// An icon is made once and shared by every button and menu item showing it.
QIcon appIcon(const QString &name)
{
    static auto &made = *new QHash<QString, QIcon>;
    const auto it = made.constFind(name);
    if (it != made.constEnd())
        return it.value();
    registerIcons();
    const QList<int> sizes = storedIconSizes(name);
    const QIcon icon = QFile::exists(storedIconPath(name, sizes.first()))
                           ? QIcon(new StoredIconEngine(name, sizes))
                           : QIcon();
    made.insert(name, icon);
    return icon;
}

QPixmap titlePicture(qreal devicePixelRatio)
{
    registerIcons();
    const bool twice = devicePixelRatio > 1.0;
    QPixmap picture = QPixmap::fromImage(
        readStoredPng(twice ? QStringLiteral(":/title/title@2x.png") : QStringLiteral(":/title/title.png")));
    picture.setDevicePixelRatio(twice ? 2.0 : 1.0);
    return picture;
}
