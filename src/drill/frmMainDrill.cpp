// The drill commands of the main window: start, quick start, result, stop,
// the word-list commands, play, the type boxes and the collection box.
#include "app/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "widgets/UpDown.h"

// Idle: Start and the set-up and file boxes enabled, the in-drill commands
// disabled. Drilling: the reverse; play only with the companion in use.
void TfrmMain::SetDrillState(bool running)
{
    drill.Running = running;
    for (QWidget *w : {static_cast<QWidget *>(cmdStart), static_cast<QWidget *>(cmdStart_1)})
        w->setEnabled(!running);
    cmdStart_2->setEnabled(!running);

    for (QWidget *w : {static_cast<QWidget *>(cmdResult), static_cast<QWidget *>(cmdResult_1),
                       static_cast<QWidget *>(cmdStop), static_cast<QWidget *>(cmdStop_1)})
        w->setEnabled(running);
    cmdResult_2->setEnabled(running);
    cmdStop_2->setEnabled(running);

    // Clear and Delete are enabled during a drill by the rearranging mode or
    // by taking a word; both states begin with them off.
    cmdClear->setEnabled(false);
    cmdClear_1->setEnabled(false);
    cmdClear_2->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdDelete_1->setEnabled(false);
    cmdDelete_2->setEnabled(false);

    const bool play = running && settings.VoiceOn == 1;
    cmdPlay->setEnabled(play);
    cmdPlay_1->setEnabled(play);
    cmdPlay_2->setEnabled(play);

    cboQuestionType->setEnabled(!running);
    cboAnswerType->setEnabled(!running && cboQuestionType->currentIndex() == 0);
    txtQuestionNum->setEnabled(!running);
    udQuestionNum->setEnabled(!running);
    cmdOk->setEnabled(!running);
    cboQuestionFile->setEnabled(!running);
    cmdSelectQuestionFile->setEnabled(!running);
    cboReferenceFile->setEnabled(!running);
    cmdSelectReferenceFile->setEnabled(!running);

    cmdStart->setDefault(!running);
    cmdResult->setDefault(running);
}

void TfrmMain::cmdStartClick() {}
void TfrmMain::cmdOkClick() {}
void TfrmMain::cmdResultClick() {}
void TfrmMain::cmdStopClick() {}
void TfrmMain::cmdDeleteClick() {}
void TfrmMain::cmdClearClick() {}
void TfrmMain::cmdPlayClick() {}
void TfrmMain::lstAnswerDblClick() {}
void TfrmMain::cboQuestionTypeChange() {}
void TfrmMain::cboAnswerTypeChange() {}
void TfrmMain::cmdSelectQuestionFileClick() {}
void TfrmMain::cboQuestionFileChange() {}
void TfrmMain::cmdQOpenByMemoClick() {}
void TfrmMain::NextQuestion() {}
void TfrmMain::CheckResult() {}
void TfrmMain::CheckRepeatResult() {}
void TfrmMain::tmrTimerTimer() {}
