#pragma once
// Synthetic data for the benchmark: question collections of any size with
// matching question data and importance files, and a dictionary of any size.
// Everything is generated from the question number alone, so two runs get
// the same files. The text is the benchmark's own (English sentences built
// from small word lists, with Japanese renderings), written as CP932.
#include <QString>
#include <QStringList>

namespace BenchData {

// English sentence of question i (unique for i below 100,000).
QString englishSentence(int i);
// The collection: five lines per question and an empty separator line, so
// question i has its keyword line at 6 * i.
QStringList collectionLines(int questions);
inline int questionLine(int i) { return 6 * i; }

// Question data file with one section per question (sections in question
// order), counts that differ from question to question.
QStringList questionDataLines(int questions);
// Importance file marking every question ("level line").
QStringList importanceLines(int questions);
// Answers file: its header and a few accepted answers.
QStringList answersLines(int questions);

// Writes a dictionary of at least minBytes bytes ("word=意味*comment" lines).
// Every word has the same length, so a word matches only its own line;
// *lastWord gets the word of the last line.
bool writeDictionary(const QString &path, qint64 minBytes, QString *lastWord);

// A program folder with user "bench" (no welcome, no user dialog), the
// bundled data of the source tree, and these [Setup] keys in Setup.ini.
// Returns the user folder (with "/").
QString makeProgramFolder(const QString &folder, const QString &sourceData,
                          const QList<QPair<QString, QString>> &setupKeys);

bool writeLines(const QString &path, const QStringList &lines);

} // namespace BenchData
