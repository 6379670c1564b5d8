#pragma once
// Checks shared by the two makers, the question file editor and the new text
// file dialog (and any tool that writes entries): characters the target
// file's encoding cannot hold, the room of one field in bytes of that
// encoding, line breaks in one-line fields, and the messages that go with
// them. A value that does not fit is refused with a message; nothing is ever
// cut to size or changed.
#include "platform/TextFile.h"

#include <QString>

namespace Maker {
// Largest keyword, other field or line (in bytes of the target file's
// encoding), and target path (CP932 bytes).
constexpr int KeywordLimit = 4999;
constexpr int LineLimit = 49999;
constexpr int PathLimit = 999;

// Shown when the target file cannot be opened for appending.
QString openFailedText();
// "<what>が長すぎます。..." with the limit written with a thousands comma.
QString tooLongText(const QString &what, int limit);
// "<what>に改行は使えません。"
QString lineBreakText(const QString &what);
// True when the text holds CR, LF or a Unicode line/paragraph separator:
// written as it is, such a field would become several lines of the file.
bool hasLineBreak(const QString &text);
// The problem with one field of one line of a file in `encoding`, or "" when
// it may be written: a character the encoding cannot hold first (named with
// the field, TextFile::unstorableMessage()), then too many bytes, then a line
// break.
QString lineProblem(const QString &text, const QString &what, int limit,
                    TextFile::Encoding encoding);
// The problem with a target path ("" when it fits in PathLimit bytes).
QString pathProblem(const QString &path);
} // namespace Maker
