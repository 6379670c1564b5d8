#pragma once
// Temporary files of the atomic rewrite (TextFile::writeBytes): the new
// content is written to the file's name + "." + six letters or digits and
// renamed over the file. A crash between the two leaves that file behind.
// At start-up such leftovers of the program's own files (".ini", ".dat",
// ".ans") are removed (a name whose six characters are all of one kind may
// be a person's copy, and stays); nothing else is touched, and a file written in the
// last minute is left alone in case it still belongs to a running save.
#include <QString>
#include <QStringList>

// True when a file name is such a leftover of one of the program's files.
bool IsStaleTempFileName(const QString &fileName);
// Removes the leftovers in `folder` (not in its sub-folders) that are older
// than `minimumAgeSeconds`; returns the names removed.
QStringList RemoveStaleTempFiles(const QString &folder, int minimumAgeSeconds = 60);
