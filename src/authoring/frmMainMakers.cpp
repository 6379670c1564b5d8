// The main window's commands that open the two makers.
#include "app/frmMain.h"
#include "authoring/frmMakeQuestion.h"
#include "platform/Platform.h"
#include "reference/frmMakeReference.h"

void TfrmMain::cmdMakeQuestionClick()
{
    TfrmMakeQuestion maker(settings, this);
    maker.onNewText = [this] { cmdNewTextClick(); };
    maker.onEditQuestionFile = [this] { cmdEditQuestionFileClick(); };
    platform().execDialog(&maker);
}

void TfrmMain::cmdMakeReferenceClick()
{
    TfrmMakeReference maker(settings, this);
    maker.onNewText = [this] { cmdNewTextClick(); };
    platform().execDialog(&maker);
}
