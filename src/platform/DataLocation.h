#pragma once
// Where the program keeps its data (User.ini, the user folders, the bundled
// collections): the program folder of every path.
//
// - --home DIR or $ULVENDO_HOME: that folder (portable use and tests).
// - Otherwise the executable's folder, as a portable program folder, when it
//   can be written and is not an installed program (an executable whose
//   bundled data lies in ../share/ulvendo).
// - Otherwise $XDG_DATA_HOME/ulvendo (default ~/.local/share/ulvendo),
//   filled on its first start with the bundled data (from beside the
//   executable or from ../share/ulvendo), never overwriting a file.
#include <QString>
#include <QStringList>

namespace DataLocation {

// What the choice depends on; probe() gathers it from the environment and
// the file system.
struct Facts
{
    QString homeOption;             // --home DIR
    QString homeVariable;           // $ULVENDO_HOME
    QString executableFolder;       // with trailing "/"
    bool executableFolderWritable = false;
    bool executableFolderHasData = false;  // the bundled data lies beside the executable
    QString installedData;          // ../share/ulvendo/ when it holds the bundled data, else ""
    QString xdgDataHome;            // $XDG_DATA_HOME
    QString userHome;               // $HOME
};

struct Choice
{
    QString folder;       // the program folder, with trailing "/"
    bool portable = true; // false: the per-user data folder
    QString bundledData;  // where the bundled data is copied from ("" = nothing to copy)
};

Facts probe(const QString &executableFolder, const QString &homeOption);
Choice choose(const Facts &facts);

// Creates the folder and, for a per-user data folder that has not been
// started in yet (no User.ini), copies every bundled file that is missing.
// Files in `skip` (canonical paths, such as the executable) are not copied.
// False with *error (Japanese) when the folder cannot be made or a file
// cannot be copied.
bool prepare(const Choice &choice, const QStringList &skip, QString *error);

// The file whose presence marks a folder holding the bundled data.
inline QString bundledMarker() { return QStringLiteral("Ulvendo.hlp"); }

} // namespace DataLocation
