#pragma once
// Line handling on the raw bytes of a text file (CP932 or UTF-8), for
// look-ups that scan a whole file and decode only the lines they need. Lines
// end with LF or CR LF; a last line without a line end counts; there is no
// phantom empty line after a final line end (the same rules as
// TextFile::splitLines).
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace LineScan {

// Where the first line starts: after a UTF-8 byte-order mark.
qsizetype firstLine(const QByteArray &bytes);

// True when every character is ASCII. The bytes of such a text are the same
// in every encoding of the files and no character of it is folded, so a
// look-up can search the raw bytes for it.
bool isAscii(const QString &text);

// Start of the line that holds byte `pos`.
inline qsizetype lineStart(const QByteArray &bytes, qsizetype pos)
{
    if (pos <= 0)
        return 0;
    const qsizetype nl = bytes.lastIndexOf('\n', pos - 1);
    return nl < 0 ? 0 : nl + 1;
}

// One past the last byte of the line starting at `start`, line end excluded.
inline qsizetype lineEnd(const QByteArray &bytes, qsizetype start)
{
    qsizetype nl = bytes.indexOf('\n', start);
    if (nl < 0)
        nl = bytes.size();
    if (nl > start && bytes.at(nl - 1) == '\r')
        return nl - 1;
    return nl;
}

// Start of the line after the line starting at `start`; bytes.size() when
// that line is the last one.
inline qsizetype nextLine(const QByteArray &bytes, qsizetype start)
{
    const qsizetype nl = bytes.indexOf('\n', start);
    return nl < 0 ? bytes.size() : nl + 1;
}

// Zero-based number of the line that starts at `start`.
int lineNumber(const QByteArray &bytes, qsizetype start);

// The decoded text of the line starting at `start`.
QString lineText(const QByteArray &bytes, qsizetype start, TextFile::Encoding encoding);

// Start of the first line from `start` on whose decoded text `matches`, or
// -1 when none does. Every line is decoded: for texts that are not ASCII.
qsizetype findLine(const QByteArray &bytes, qsizetype start, TextFile::Encoding encoding,
                   const std::function<bool(const QString &)> &matches);

} // namespace LineScan
