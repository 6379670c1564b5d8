// The main window's correct-rate, graph and history commands.
#include "app/frmMain.h"

#include "platform/Platform.h"
#include "records/frmShowGraph.h"
#include "records/frmShowHistory.h"
#include "records/frmShowPercent.h"

// 成績表示 › 正解率の表示
void TfrmMain::cmdShowPercentClick()
{
    TfrmShowPercent dlg(settings, this);
    platform().execDialog(&dlg);
}

// 成績表示 › グラフの表示
void TfrmMain::cmdShowGraphClick()
{
    TfrmShowGraph dlg(settings, this);
    platform().execDialog(&dlg);
}

// 成績表示 › 学習履歴の表示
void TfrmMain::cmdShowHistoryClick()
{
    TfrmShowHistory dlg(drill, this);
    platform().execDialog(&dlg);
}
