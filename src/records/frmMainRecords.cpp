// The main window's record commands.
#include "app/frmMain.h"

#include "platform/Platform.h"
#include "records/frmShowError.h"

// 成績表示 › 間違えの表示: the error review, opened on the latest drill.
void TfrmMain::cmdShowErrorClick()
{
    TfrmShowError dlg(this);
    platform().execDialog(&dlg);
}
