#pragma once
// Program folder and path pieces. Every path of the program is a plain
// concatenation onto the program folder, which ends with "/".
#include <QString>

namespace Paths {
// The executable's folder with a trailing "/", or $ULVENDO_HOME when set.
QString programFolder();
// Overrides the program folder (tests); an empty text restores the default.
void setProgramFolder(const QString &folder);
// The help file: "Ulvendo.hlp" in the program folder, or the one installed
// with the program (share/ulvendo beside its bin folder) when the program
// folder has none.
QString helpFile(const QString &programFolder);
// Final component of a path (after the last "/" or "\").
QString fileName(const QString &path);
// A collection's base name: its file name without the last four characters.
QString baseName(const QString &path);
// Folder part of a path with its trailing separator ("" when none).
QString folderOf(const QString &path);
// True when a name could safely become a folder or file name inside the
// program folder (not empty, not "." or "..", no "/" or "\", no control
// character such as a line break).
bool isSafeName(const QString &name);
// True when the text holds a control character, a line or a paragraph
// separator: such a text would split an INI line or a listed file name.
bool hasControlCharacter(const QString &text);
// The longest name a file or folder can have, in bytes of the file
// system's encoding.
constexpr int MaxNameBytes = 255;
// True when a single name (no folder part) is not longer than that.
bool fitsNameLength(const QString &name);
}
