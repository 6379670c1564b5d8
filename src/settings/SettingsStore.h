#pragma once
// Reading and writing the per-user settings file (Setup.ini in the user
// folder) into the in-memory Settings. Every value is text in the file;
// numbers that do not parse as decimal integers take the default of the read.
#include <QString>

struct Settings;

// A flag counts as on only when it is 1 ...
inline bool FlagOn(int value) { return value == 1; }
// ... except the toolbar flags, Form Information/Maximized and User.ini Boot,
// where anything but 0 is on.
inline bool FlagNonZero(int value) { return value != 0; }

// Default paths, built on the program folder (which ends with "/").
QString DefaultQuestionFilePath(const QString &programFolder);   // P + "dictionary/Question.txt"
QString DefaultReferenceFilePath(const QString &programFolder);  // P + "reference/Reference.txt"
QString DefaultDictionaryFilePath(const QString &programFolder); // P + "dictionary/Dictionary.txt"

// Reads every key of the sections Setup, File Path, Font and Color of the
// user's Setup.ini into `s` (SavePosition with the default "1"), the drill
// set-up of the previous run (AnswerType, QuestionType, QuestionNum,
// QuestionFile, ReferenceFile), and derives the start-up paths:
// DefQuestionFilePath (QuestionFile when UseEndQuestionFile is on, else
// defQuestionFilePath), DefReferenceFilePath likewise, DictionaryFilePath.
// A missing file or key gives the default. ProgramFolder and UserName must be
// set. The time limit is reset to off and 5 seconds.
void LoadSettings(Settings &s);

// Writes every key of the sections Setup, File Path, Font and Color held in
// `s` (except AddOn, which the result check dialog keeps itself) to the user's Setup.ini (in the order the settings dialog confirms
// them). False with *error set when the file cannot be written.
bool SaveSettings(const Settings &s, QString *error = nullptr);
