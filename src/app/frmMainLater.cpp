// Menu and toolbar commands that open the program's other dialogs and views.
#include "app/frmMain.h"

void TfrmMain::cmdMakeQuestionClick() {}
void TfrmMain::cmdEditQuestionFileClick() {}
void TfrmMain::cmdPrintQuestionFileClick() {}
void TfrmMain::cmdMakeReferenceClick() {}
void TfrmMain::cmdNewTextClick() {}
void TfrmMain::cmdHelpClick() {}
void TfrmMain::cmdVersionClick() {}
void TfrmMain::cmdHomepageClick() {}
