#pragma once
// The program's version, one number for the build, the package and the
// About box (set by CMake from the project's version).
#include <QString>

QString ProgramVersion();

// The name of the desktop entry, the icon and the AppStream component.
inline QString DesktopEntryId() { return QStringLiteral("jp.example.ulvendo.Ulvendo"); }
