#include "authoring/frmAuthoringCommon.h"

#include "records/frmResultCommon.h"

#include <QDialog>
#include <QLabel>

void SetUpSizableWindow(QDialog *window, const QString &name, const QString &caption)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowFlags(window->windowFlags() | Qt::WindowMaximizeButtonHint);
    window->setFont(DialogFont());
    window->setSizeGripEnabled(true);
}

QLabel *MakeTitlePanel(QWidget *parent, const QString &text)
{
    auto *panel = new QLabel(text, parent);
    panel->setObjectName(QStringLiteral("pnlTitle"));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
    panel->setMinimumHeight(28);
    panel->setContentsMargins(10, 4, 10, 4);
    return panel;
}

void PlaceWindow(QDialog *window, int width, int height)
{
    window->resize(width, height);
    CenterOnScreen(window, QSize(width, height));
}
