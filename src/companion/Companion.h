#pragma once
// The companion speech program: a separate executable ("qvt.exe") that this
// program launches, drives with one-line clipboard commands and closes by
// its window caption. This file holds the rules and texts; UiCompanion.h
// does the launching, the clipboard and the closing.
#include <QString>

namespace Companion {

// Caption of the companion's window, used to close it.
inline QString windowCaption() { return QStringLiteral("Qvt"); }
// The executable's required file name (exact letter case).
inline QString executableName() { return QStringLiteral("qvt.exe"); }

// Reaction codes of "ANI;" commands.
enum Reaction { Correct = 1, Wrong = 2, Greeting = 3, Farewell = 4, AcceptedAsCorrect = 13 };

// Available: a file exists at `path` and its file name is exactly "qvt.exe".
bool isAvailable(const QString &path);
// Available, and named by an absolute path: only then is anything written
// into its folder.
bool canHandOver(const QString &path);

// "QVT;" + the English sentence: speak it.
QString speakCommand(const QString &english);
// "ANI;" + code: show a reaction.
QString reactionCommand(int code);

// Writes the main window's lower right corner into "Setup.ini" beside the
// companion (section "Setup": "left" = left + width, "top" = top + height).
// Nothing is written unless the companion is available at an absolute path
// (a hand-edited or relative SorbellPath names no folder of the companion's).
// False with *error when the file cannot be written.
bool handOverPosition(const QString &path, int left, int top, int width, int height,
                      QString *error = nullptr);

} // namespace Companion
