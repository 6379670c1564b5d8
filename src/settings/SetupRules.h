#pragma once
// Rules of the settings dialog that need no window: the numbers typed into
// its boxes, the companion's file name, and writing what OK confirms.
#include <QList>
#include <QString>

struct Settings;
struct PlanItem;

// A whole number typed into a box (surrounding spaces allowed) inside
// [minimum, maximum]; false for anything else.
bool SetupNumber(const QString &text, int minimum, int maximum, int *value);
// The refusal shown for such a box: "<title>には、<min>～<max>の整数を入力してください".
QString SetupNumberMessage(const QString &title, int minimum, int maximum);

// A chosen file is taken as the companion when its file name is exactly
// "qvt.exe" (letter case counts).
bool IsCompanionFileName(const QString &path);

// OK of the settings dialog: User.ini Setup/ShowUser, then every setting of
// the (possibly new) current user's Setup.ini in the dialog's order, then the
// plan. False with *error when a file cannot be written (what could be
// written stays written).
bool SaveSetupDialog(const Settings &s, const QList<PlanItem> &plan, QString *error = nullptr);
