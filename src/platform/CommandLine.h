#pragma once
// The program's command line: --help, --version and --home DIR. It is read
// before any window exists, so that --help and --version work without a
// display.
#include <QString>
#include <QStringList>

namespace CommandLine {

enum class Action { Run, ShowHelp, ShowVersion, Fail };

struct Options
{
    Action action = Action::Run;
    QString home;    // --home DIR: the program folder (as $ULVENDO_HOME)
    QString output;  // what --help / --version print, or the error of Fail
};

// `arguments` as the process received them (the first is the program).
Options parse(const QStringList &arguments);

// "ulvendo 1.0": the one version of the build.
QString versionText();

} // namespace CommandLine
