#pragma once
// Importance levels 1 to 5 of marked questions. The importance file holds one
// line per marked question: the level, a space and the question line (the
// zero-based line number of the question's keyword line in its collection).
// Lines that do not start with two integers (blank or hand-edited lines) are
// skipped when reading and kept as they are when the file is rewritten. A
// question with several lines (a hand-edited file) has the level of its
// first one; a change of its level leaves it one line at most.
//
// A rewrite renames the file to the scratch file, copies it back line by line
// with the one line changed or left out, and deletes the scratch file. A
// scratch file left behind by an interrupted rewrite is put back in place
// when the importance file is missing, and removed otherwise; when the copy
// cannot be made the scratch file is renamed back, so no mark is ever lost.
// The scratch file is the collection's own (see ImportanceScratchFile): no
// other file of the user folder is ever renamed or removed.
#include <QPair>
#include <QString>
#include <QVector>

// Level of a question; 0 when it is not marked or the file cannot be read.
int ImportanceLevel(const QString &impFile, int questionLine);

// The automatic adjustment after a judged answer: a marked question goes one
// level down when right (its line is removed below level 1) and one level up
// when wrong (never above 5); an unmarked question answered wrongly is added
// at level 1. False with *error set when the file could not be written; the
// marks are then as they were.
bool AdjustImportance(const QString &impFile, const QString &scratchFile, int questionLine,
                      bool correct, QString *error = nullptr);

// Sets a level by hand: 1 to 5 marks, 0 removes the mark; the level the
// question already has leaves the file untouched. Levels outside 0..5 are
// refused.
bool SetImportance(const QString &impFile, const QString &scratchFile, int questionLine,
                   int level, QString *error = nullptr);

// Every (level, question line) pair of the file in file order; empty when the
// file is missing or unreadable.
QVector<QPair<int, int>> ReadImportancePairs(const QString &impFile);
