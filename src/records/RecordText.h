#pragma once
// Appending to the record files.
#include <QString>
#include <QStringList>

// Appends lines (each ended by CR LF), creating the file when missing. When
// the file's last line has no line end (edited by hand), one is added first
// so that the new line does not run on from it.
bool AppendRecordLines(const QString &path, const QStringList &lines, QString *error = nullptr);
