#include "authoring/frmAuthoringCommon.h"

#include "records/frmResultCommon.h"
#include "widgets/Look.h"

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
    PaintBlack(panel);
    panel->setMinimumHeight(28);
    panel->setContentsMargins(10, 4, 10, 4);
    return panel;
}

void PlaceWindow(QDialog *window, int width, int height)
{
    window->resize(width, height);
    CenterOnScreen(window, QSize(width, height));
}
