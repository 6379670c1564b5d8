#pragma once
// The program's own icons, drawn as SVG files in resources/icons/.
#include <QIcon>
#include <QPixmap>
#include <QString>

// The icon ":/icons/<name>.svg"; an unknown name gives an empty icon.
QIcon appIcon(const QString &name);
// Resource path of an icon.
QString appIconPath(const QString &name);
// The title picture (367 x 139) for a screen of the given pixel ratio: the
// stored picture with twice the pixels above a ratio of 1.
QPixmap titlePicture(qreal devicePixelRatio);
