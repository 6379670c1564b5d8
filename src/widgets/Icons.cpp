#include "widgets/Icons.h"

#include <QFile>

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

QIcon appIcon(const QString &name)
{
    registerIcons();
    const QString path = appIconPath(name);
    if (!QFile::exists(path))
        return QIcon();
    return QIcon(path);
}
