#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvendo"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Ulvendo"));
    w.show();
    return app.exec();
}
