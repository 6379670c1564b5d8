#pragma once
// A whole-file rewrite for a file in a folder where no new file can be made.
// The atomic rewrite of the text-file layer writes a new file beside the old
// one and renames it over; where the folder refuses the new file but the
// file itself may be written, this is the fallback:
//
//  1. the old bytes are copied to a backup file in the system's temporary
//     folder (and kept in memory);
//  2. the file is truncated, written and flushed to the disk in place;
//  3. only when every new byte is there is the backup removed.
//
// When step 2 fails the old bytes are written back and the backup is kept;
// the error names it. A crash during step 2 leaves the backup behind.
#include <QByteArray>
#include <QString>

bool RewriteInPlace(const QString &path, const QByteArray &bytes, QString *error = nullptr);
