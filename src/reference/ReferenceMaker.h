#pragma once
// Appending one explanation to a reference book:
//
//   #keyword
//   N                 the number of explanation lines that follow
//   line 1 .. line N  as the explanation box displays them
//   (empty line)
//
// Every line ends with CR LF (LF in a file that uses LF only), in the file's
// own encoding (CP932 for a new file). The entry goes to the end of the
// file, which is created when missing; a last line without a line end is
// ended first; nothing else already in the file is touched.
#include <QString>
#include <QStringList>

struct ReferenceAdd
{
    enum Field { NoField, KeywordField, ExplanationField };
    bool written = false;
    QString message;          // why nothing was written ("" when written)
    Field field = NoField;    // the box the user should correct
};

// The lines of one entry, exactly as appended.
QStringList ReferenceEntryLines(const QString &keyword, const QStringList &explanation);

// Checks, in this order: a target is chosen; the keyword is not empty; the
// first explanation line is not empty; the target path, the keyword and each
// explanation line fit the file's encoding and their byte limits, hold no
// line break, and no
// explanation line holds "#" (a reader would take such a line for the header
// of an entry). Then appends the entry. Nothing is written when a check
// fails or the file cannot be opened; `message` says why.
ReferenceAdd AddReferenceEntry(const QString &target, const QString &keyword,
                               const QStringList &explanation);
