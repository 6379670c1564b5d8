// The reference book and dictionary commands of the main window.
#include "app/frmMain.h"

void TfrmMain::cmdOpenReferenceClick() {}
void TfrmMain::cmdOpenDictionaryClick() {}
void TfrmMain::cmdSelectReferenceFileClick() {}
void TfrmMain::cboReferenceFileChange() {}
void TfrmMain::cmdROpenByMemoClick() {}
