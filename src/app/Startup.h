#pragma once
// What the program does before its main window exists: the command line,
// Qt's own texts in Japanese and the data folder.
#include "platform/CommandLine.h"

class QCoreApplication;

namespace Startup {

// Reads the command line; --help, --version and mistakes are printed here
// (no display needed). The caller ends with exitCode() unless the action
// is Run.
CommandLine::Options readCommandLine(int argc, char **argv);
int exitCode(const CommandLine::Options &options);

// The application's name, version and desktop entry, and Qt's texts in
// Japanese.
void prepareApplication(QCoreApplication &app);

// Qt's standard dialogs and buttons (file, font, colour, print, input and
// message boxes) in Japanese. False when the translation is not installed.
bool installJapaneseTranslations(QCoreApplication &app);

// Chooses the program folder (see platform/DataLocation.h), fills a new
// per-user data folder with the bundled data and makes it the program
// folder of the run. A failure is shown in a message box; false then.
bool useDataFolder(const QString &homeOption);

} // namespace Startup
