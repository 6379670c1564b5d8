#pragma once
// The two recent-file lists of the user's Setup.ini: question collections
// ([Question] DicCount, 1..DicCount; [Question Path] name=path) and
// references ([Reference] RefCount, 1..RefCount; [Reference Path]).
// Entries are file names without folder, oldest first; the path section maps
// a file name to the full path written last under that name.
#include <QString>
#include <QStringList>

struct Settings;

enum class RecentList { Question, Reference };

// The entries 1..count in key order, each reduced to its file name.
QStringList RecentFileNames(const Settings &s, RecentList list);

// Adds a file that is used for a drill. When no entry equals its file name
// (exact, case-sensitive text; an entry holding a folder is taken by its
// file name, as RecentFileNames lists it) the count grows by one, the name is written
// under the new count and the full path under the name in the path section,
// and *added is set true (the caller appends the name to its drop-down). A list
// damaged by hand is numbered again first, keeping every entry
// (IniFile::appendNumbered).
// When an entry matches nothing is written. False with *error when the file
// cannot be written.
bool AddRecentFile(const Settings &s, RecentList list, const QString &path, bool *added = nullptr,
                   QString *error = nullptr);

// The full path recorded for a file name ("" when none).
QString RecentFilePath(const Settings &s, RecentList list, const QString &name);

// Records a chosen file's full path under its file name in the path section
// (a file-open button or the start-up collection and reference).
bool RememberRecentPath(const Settings &s, RecentList list, const QString &path,
                        QString *error = nullptr);

// Empties both lists (entries written "", both counts "0"); the path sections
// stay as they are.
bool ResetRecentFiles(const Settings &s, QString *error = nullptr);
