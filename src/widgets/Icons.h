#pragma once
// The program's own icons, drawn as SVG files in resources/icons/.
#include <QIcon>
#include <QString>

// The icon ":/icons/<name>.svg"; an unknown name gives an empty icon.
QIcon appIcon(const QString &name);
// Resource path of an icon.
QString appIconPath(const QString &name);
