#pragma once
// Appending to the record files.
#include <QString>
#include <QStringList>

// Appends lines to an own record file (TextFile::appendLines): the file is
// created when missing, and a last line without a line end (edited by hand)
// is ended first so that the new line does not run on from it.
bool AppendRecordLines(const QString &path, const QStringList &lines, QString *error = nullptr);
