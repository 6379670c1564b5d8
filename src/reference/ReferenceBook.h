#pragma once
// The reference book: explanations filed under keywords, in a CP932 text file.
//
//   #keyword            header: "#" and the keyword (free text)
//   N                   number of explanation lines, decimal
//   line 1 .. line N    the explanation, verbatim
//   (empty line)        separator, written by the reference maker, never read
//
// Entries are only ever appended, so there is no order and no uniqueness:
// a look-up takes the first line of the file that contains "#" + keyword
// anywhere (explanation lines included) as the header. The book is read
// from disk at every look-up; nothing is cached.
#include <QString>
#include <QStringList>

namespace Reference {
// The keyword line of a question that has no explanation.
inline QString noKeyword() { return QStringLiteral("#キーワードなし"); }
// The single line shown for such a question.
inline QString noExplanationText() { return QStringLiteral("その解説はありません。"); }
// Filter of the file dialogs that choose a reference book.
inline QString fileFilter() { return QStringLiteral("参考書ファイル (*.txt)|*.txt"); }

// The viewer's title for a keyword as its opener passed it: keyword + "について".
QString title(const QString &keyword);
// The text searched for: the keyword with "#" put in front when it holds no
// "#" at all (an empty keyword becomes "#", which finds the first entry).
QString searchText(const QString &keyword);
} // namespace Reference

struct ReferenceEntry
{
    enum Status {
        Found,          // header found, all N lines read
        NotFound,       // no line contains the search text; nothing to show
        NoExplanation,  // "#キーワードなし": lines = {"その解説はありません。"}
        Unreadable,     // the book could not be read (or no book chosen)
        BadCount,       // the line after the header is missing or not a count
        Truncated       // the count reaches past the end of the file
    };
    Status status = NotFound;
    QString searchText;    // what was searched for, with its "#"
    int headerLine = -1;   // zero-based line number of the header, -1 when none
    QString header;        // the header line as it stands in the file
    QStringList lines;     // what the viewer shows (possibly only part of it)

    bool isError() const { return status == Unreadable || status == BadCount || status == Truncated; }
};

// Looks `keyword` up in the book at `bookPath` (the keyword may come with or
// without its leading "#"). On Unreadable, BadCount and Truncated, *error
// (when given) gets a message for the user that names the file; `lines`
// still holds what could be read before the fault (the viewer shows it).
ReferenceEntry FindReference(const QString &bookPath, const QString &keyword,
                             QString *error = nullptr);

// The keyword list offered by the makers and the editor: every line of the
// book that contains "#" anywhere, in file order, without its first
// character; duplicates stay. False, with `keywords` emptied and *error set
// to a message naming the file, when the book cannot be read.
bool ReadReferenceKeywords(const QString &bookPath, QStringList &keywords,
                           QString *error = nullptr);
