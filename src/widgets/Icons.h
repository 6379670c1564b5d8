#pragma once
// The program's own icons. Each is drawn as an SVG file in resources/icons/
// and stored as pictures of fixed sizes in resources/icons/stored/ (written
// by tools/icon_pictures.cpp), which is what the program shows: reading them
// needs neither the SVG library nor an image plugin at start-up.
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The icon `name` (e.g. "open"); an unknown name gives an empty icon.
QIcon appIcon(const QString &name);
// The pixel sizes an icon is stored in, smallest first.
QList<int> storedIconSizes(const QString &name);
// Resource path of the stored picture of an icon at a size.
QString storedIconPath(const QString &name, int size);
// The title picture (367 x 139) for a screen of the given pixel ratio: the
// stored picture with twice the pixels above a ratio of 1.
QPixmap titlePicture(qreal devicePixelRatio);
// A stored PNG read by the built-in reader alone (no image plugin is loaded
// to guess its format); a null image when it cannot be read.
QImage readStoredPng(const QString &path);
