// Draws every icon of resources/icons/*.svg at the sizes the program stores
// and writes them as resources/icons/stored/NAME-SIZE.png, the pictures the
// program shows. Run it after changing or adding an icon, then list any new
// picture in resources/icons.qrc:
//   cmake --build build --target icon_pictures
//   QT_QPA_PLATFORM=offscreen build/icon_pictures resources/icons
#include "widgets/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: icon_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("stored"));
    const QFileInfoList drawings = folder.entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QFileInfo &svg : drawings) {
        const QIcon drawing(svg.absoluteFilePath());
        for (int size : storedIconSizes(svg.baseName())) {
            const QImage picture = drawing.pixmap(QSize(size, size), 1.0).toImage();
            const QString file = folder.filePath(QStringLiteral("stored/%1-%2.png").arg(svg.baseName()).arg(size));
            if (picture.size() != QSize(size, size) || !picture.save(file)) {
                std::fprintf(stderr, "cannot draw or write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
        }
    }
    return 0;
}
