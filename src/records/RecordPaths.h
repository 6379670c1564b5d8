#pragma once
// Names of the per-user record files. Every path is the user folder (program
// folder + user name + "/") followed by a name made from the current
// collection's base name or the current date.
#include <QString>

struct Settings;
struct DateStrings;

// Question data (INI): user folder + base name + ".dat".
QString QuestionDataFile(const Settings &settings);
// Importance levels (plain lines "level question-line"): base name + "_imp.dat".
QString ImportanceFile(const Settings &settings);
// Scratch copy of the importance file while it is rewritten: base name +
// "_imp.old". It belongs to its collection alone, and no collection's own
// files end in ".old", so a rewrite never takes or removes another file.
QString ImportanceScratchFile(const Settings &settings);
// Accepted answers: base name + ".ans".
QString AnswersFile(const Settings &settings);
// Month counts of every collection for one year (INI): year + ".dat".
QString YearDetailFile(const Settings &settings, const DateStrings &dates);
// Day counts of one collection for one month (INI): base name + "_" + year-month + ".dat".
QString DayDetailFile(const Settings &settings, const DateStrings &dates);
// Rates of the latest twelve drills of every collection (INI): "Temp.dat".
QString TempFile(const Settings &settings);
// Readable study log of one month: year-month + ".txt".
QString StudyLogFile(const Settings &settings, const DateStrings &dates);
