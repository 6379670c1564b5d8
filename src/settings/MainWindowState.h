#pragma once
// What the main window restores at start-up and records at shutdown: its
// placement ([Form Information]), the visibility of its five bars
// ([Toolbar]), the drill set-up of the run ([QuestionSetup]), and the text of
// its title bar.
#include <QString>

struct Settings;
struct DateStrings;

// Where the window goes at start-up, decided from SavePosition and SaveSize
// as they are in the file (both read with the default "0").
struct WindowPlacement
{
    bool Move = false;       // move to Left/Top
    int Left = 0;
    int Top = 0;
    bool Resize = false;     // size to Width/Height
    int Width = 582;
    int Height = 441;
    bool Maximize = false;
};
WindowPlacement ReadWindowPlacement(const Settings &s);

// The five bars: basic toolbar, file toolbar, drill set-up toolbar, command
// column, status bar.
struct BarVisibility
{
    bool StandardToolBar = true;
    bool FileToolBar = true;
    bool QuestionSetupToolBar = false;
    bool RightCommandButton = true;
    bool StatusBar = true;
};
// The recorded visibility ([Toolbar], anything but 0 is shown).
BarVisibility ReadBarVisibility(const Settings &s);

// Shutdown, step by step: the drill set-up and bar visibility, then the
// window's bounds. False with *error when Setup.ini cannot be written.
struct ShutdownRecord
{
    int AnswerType = 0;
    int QuestionType = 0;
    int QuestionNum = 10;
    QString QuestionFile;
    QString ReferenceFile;
    BarVisibility Bars;
    bool Maximized = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
bool WriteShutdownSetup(const Settings &s, const ShutdownRecord &r, QString *error = nullptr);

// The title bar text for ShowDate/DateType and the current user:
// "Ulvendo   【user】", or with the date and/or time between the name and the
// user in brackets. An unknown DateType shows date and time.
QString MainCaption(const Settings &s, const DateStrings &d);

// The question pane (with the fill-in box when shown) and the comment pane
// as high as the settings ask, unless together they need more than `room`
// pixels (what the screen leaves beside the rest of the window): then both
// are cut in proportion, so the answer box stays on the screen.
struct PaneHeights
{
    int Question = 0;
    int Comment = 0;
};
PaneHeights FitPaneHeights(int question, int comment, int room);

// Width of status panel 0 for a window of the given outer width (the other
// panels are 150, 150, 100, 135 and the rest).
int StatusPanel0Width(int outerWidth);
