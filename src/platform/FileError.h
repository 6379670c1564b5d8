#pragma once
// The one form of every message about a file that cannot be read, written,
// created or renamed: what failed, the path, and the cause in Japanese. The
// common causes the system reports in English (missing file, no permission,
// disk full, read-only file system, name too long, ...) are put into
// Japanese here; a cause without a Japanese wording is kept as the system
// gave it.
#include <QString>

namespace FileError {

// The Japanese wording of an errno value; "" when there is none.
QString causeOfErrno(int errnoValue);
// The Japanese wording of a system message as a file object reports it
// (QFileDevice::errorString(), strerror()); the message itself when it
// names no known cause.
QString cause(const QString &systemText);

// path + " を" + what + "（" + cause + "）", for example
// "/home/a/Setup.ini を書き込めません（ディスクの空き容量が足りません）".
// `what` is the failed action: "読み込めません", "書き込めません", ...
QString message(const QString &what, const QString &path, const QString &systemText);
QString messageForErrno(const QString &what, const QString &path, int errnoValue);

} // namespace FileError
