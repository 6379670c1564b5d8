#pragma once
// The dictionary: one word per line of a CP932 text file,
//
//   English=Japanese*comment
//
// The English part is everything before the first "="; the Japanese part
// runs from there to the first "*" and the comment is the rest. A line
// without "*" has no comment (all after "=" is the Japanese part); a line
// without "=" is all English. The program never writes this file, and reads
// it anew at every look-up.
#include <QString>

struct DictionaryResult
{
    enum Status {
        Found,
        NotFound,     // no line begins with the word (an empty word never matches)
        Unreadable    // the dictionary could not be read
    };
    Status status = NotFound;
    QString word;         // the word searched for
    int lineNumber = -1;  // zero-based line of the match
    QString line;         // the whole matching line
    QString english;
    QString japanese;
    QString comment;
};

namespace Dictionary {
// The word typed in the main window cut down to the word alone: the part
// before the first "." and then the part of that before the first ",".
// "word." -> "word", "word, and more" -> "word", "." -> "".
QString trimWord(const QString &typed);

// Splits a dictionary line into its three parts (see above).
void splitLine(const QString &line, QString &english, QString &japanese, QString &comment);

// What the look-up shows: "以下の単語が見つかりました…" for a found word,
// "見つけることができませんでした" otherwise.
QString messageText(const DictionaryResult &result);
inline QString notFoundText() { return QStringLiteral("見つけることができませんでした"); }
} // namespace Dictionary

// Finds the first line of the dictionary at `dictPath` that begins with
// `word` (case-sensitive, compared character by character; no trimming is
// done here). On Unreadable, *error (when given) gets a message naming the
// file. Reads the file at each call; the scan works on the raw bytes and
// decodes only the matching line, so a large dictionary answers quickly.
DictionaryResult LookUpDictionary(const QString &dictPath, const QString &word,
                                  QString *error = nullptr);
