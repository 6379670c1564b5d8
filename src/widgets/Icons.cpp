#include "widgets/Icons.h"

#include <QFile>
#include <QHash>

QString appIconPath(const QString &name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

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

// An icon is read once and shared by every button and menu item showing it.
// The icons live as long as the process (they are never destroyed, so that
// no icon engine outlives its plugin at exit).
QIcon appIcon(const QString &name)
{
    static auto &made = *new QHash<QString, QIcon>;
    const auto it = made.constFind(name);
    if (it != made.constEnd())
        return it.value();
    registerIcons();
    const QString path = appIconPath(name);
    const QIcon icon = QFile::exists(path) ? QIcon(path) : QIcon();
    made.insert(name, icon);
    return icon;
}

QPixmap titlePicture(qreal devicePixelRatio)
{
    registerIcons();
    const bool twice = devicePixelRatio > 1.0;
    QPixmap picture(twice ? QStringLiteral(":/title/title@2x.png") : QStringLiteral(":/title/title.png"),
                    "PNG");
    picture.setDevicePixelRatio(twice ? 2.0 : 1.0);
    return picture;
}
