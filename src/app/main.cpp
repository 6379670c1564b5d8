#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulvendo"));
    TfrmMain w;
    w.show();
    return app.exec();
}
