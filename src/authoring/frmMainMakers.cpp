// The main window's commands that open the two makers and the import window. Their "&NEW" and
// "編集 (&E)" buttons open the new text file dialog and the question file
// editor on top of the maker.
#include "app/frmMain.h"
#include "authoring/frmEditQuestionFile.h"
#include "authoring/frmImport.h"
#include "authoring/frmMakeQuestion.h"
#include "authoring/frmNewText.h"
#include "platform/Platform.h"
#include "reference/frmMakeReference.h"

void TfrmMain::cmdMakeQuestionClick()
{
    TfrmMakeQuestion maker(settings, this);
    maker.onNewText = [&maker] { ShowNewText(&maker); };
    maker.onEditQuestionFile = [this, &maker] { ShowEditQuestionFile(this, &maker); };
    maker.onImport = [this, &maker] { ShowImport(settings, maker.target(), &maker); };
    platform().execDialog(&maker);
}

void TfrmMain::cmdImportQuestionClick()
{
    ShowImport(settings, settings.QuestionFilePath, this);
}

void TfrmMain::cmdMakeReferenceClick()
{
    TfrmMakeReference maker(settings, this);
    maker.onNewText = [&maker] { ShowNewText(&maker); };
    platform().execDialog(&maker);
}
