#pragma once
// The main window's drill start, shared by the set-up dialog's OK and the
// quick start of the set-up toolbar. Each function works on the main window's
// controls and state; messages go through platform() with `parent` as owner.
#include <QString>

class QWidget;
class TfrmMain;
struct DrillStartFiles;

namespace DrillWindow {

// Reads the current collection and builds lstQuestionIndex from it. A file
// that cannot be read, holds no question or ends in a record cut short is
// refused with a warning; false then, and the drill does not start.
bool LoadCollection(TfrmMain &w, QWidget *parent);

// The file toolbar's boxes show the current collection and reference names
// (without looking their paths up again); names new to the recent-file lists
// join the boxes' lists.
void ShowFileNames(TfrmMain &w, const DrillStartFiles &added);

// Empties the question, comment and answer panes before a first question.
void ClearPanes(TfrmMain &w);

// Starts the drill with its first question line: a fresh drill record with
// the files and start time, the question read and entered as asked line 0,
// presented with the first-question counters, the drilling state, the input
// method and the focus in the answer box. `fromSetupDialog` also enables the
// Delete commands of the column and toolbar in rearranging mode. False (the
// reading error shown) when the question cannot be read.
bool BeginDrill(TfrmMain &w, int firstLine, bool fromSetupDialog, QWidget *parent);

} // namespace DrillWindow
