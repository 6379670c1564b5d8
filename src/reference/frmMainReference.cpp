// The reference book and dictionary commands of the main window. The rules
// live in frmReferenceCommands; these handlers hand them the window's state
// and controls.
#include "app/frmMain.h"
#include "reference/frmReferenceCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void TfrmMain::cmdOpenReferenceClick()
{
    // A drill is running exactly while the start command is disabled.
    const bool running = cmdStart && !cmdStart->isEnabled();
    if (OpenReferenceCommand(this, settings, drill.CurrentKeyword, running) && txtAnswer)
        txtAnswer->setFocus();
}

void TfrmMain::cmdOpenDictionaryClick()
{
    QStringList items;
    int selected = -1;
    if (lstAnswer) {
        for (int i = 0; i < lstAnswer->count(); ++i)
            items << lstAnswer->item(i)->text();
        const QList<QListWidgetItem *> chosen = lstAnswer->selectedItems();
        if (!chosen.isEmpty())
            selected = lstAnswer->row(chosen.first());
    }
    OpenDictionaryCommand(this, settings, items, selected);
}

void TfrmMain::cmdSelectReferenceFileClick()
{
    const QString name = SelectReferenceFile(this, settings);
    if (name.isEmpty() || !cboReferenceFile)
        return;
    // The chosen path is current already; showing its name must not look
    // it up again.
    const QSignalBlocker block(cboReferenceFile);
    cboReferenceFile->setCurrentText(name);
}

void TfrmMain::cboReferenceFileChange()
{
    if (cboReferenceFile)
        ReferenceFileChanged(settings, cboReferenceFile->currentText());
}

void TfrmMain::cmdROpenByMemoClick()
{
    if (cboReferenceFile)
        OpenReferenceInEditor(this, settings, cboReferenceFile->currentText());
}
