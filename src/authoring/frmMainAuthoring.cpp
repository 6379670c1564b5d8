// Main window commands of the authoring tools and the help menu: the
// question file editor, new text files, printing, help, the about box and
// the homepage.
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "authoring/frmEditQuestionFile.h"
#include "authoring/frmNewText.h"
#include "authoring/frmPrint.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

void TfrmMain::cmdEditQuestionFileClick()
{
    ShowEditQuestionFile(this, this);
}

void TfrmMain::cmdNewTextClick()
{
    ShowNewText(this);
}

void TfrmMain::cmdPrintQuestionFileClick()
{
    ShowPrint(this, this);
}

void TfrmMain::cmdHelpClick()
{
    // The contents page of the help file beside the program.
    const QString folder =
        settings.ProgramFolder.isEmpty() ? Paths::programFolder() : settings.ProgramFolder;
    platform().showHelp(Paths::helpFile(folder), QString());
}

void TfrmMain::cmdVersionClick()
{
    TfrmAbout about(this);
    platform().execDialog(&about);
}

void TfrmMain::cmdHomepageClick()
{
    platform().shellOpen(HomepageAddress());
}
