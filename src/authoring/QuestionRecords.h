#pragma once
// The question file editor's view of a collection: one row per record, and
// the whole file written back from the rows.
//
// Every line that holds "#" anywhere starts a row, as it starts a question
// in a drill: its keyword is the line without its first character, the four
// lines after it are the English sentence, the Japanese translation, the
// comment and the fill-in words. The scan goes on with the next line, so a
// "#" inside one of those four lines starts a further row (an inner row of
// the record whose lines hold it).
//
// Writing puts each row back as six lines: "#" + keyword, English, Japanese,
// comment, fill-in words, an empty line. A record loaded from the file whose
// rows are all still there and unchanged is written back as the lines it
// came from, so loading and saving without an edit gives the same questions
// and a "#" inside a sentence never makes a question twice. When a record
// was edited, its inner rows are left out unless they were edited
// themselves or hold lines no other row writes.
#include "platform/TextFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Where a row came from in the file it was loaded from.
struct RecordSource
{
    int Line = -1;            // its "#" line (zero-based); -1 for a row not loaded
    QStringList Lines;        // that line and the four after it, as loaded
    int Record = -1;          // first line of the record whose lines hold it
    int RecordRows = 0;       // rows of that record when loaded
    int RecordEnd = -1;       // last line of that record, before the next one
    bool EndsAtNext = false;  // the next record follows right after RecordEnd
};

struct QuestionRecord
{
    QuestionRecord() = default;
    QuestionRecord(const QString &keyword, const QString &english, const QString &japanese,
                   const QString &comment, const QString &hole)
        : Keyword(keyword), English(english), Japanese(japanese), Comment(comment), Hole(hole)
    {
    }

    QString Keyword;    // without its leading "#"
    QString English;
    QString Japanese;
    QString Comment;
    QString Hole;       // fill-in words, separated by ","
    RecordSource Source;

    // True for a loaded row whose fields are still the lines it came from.
    bool unchanged() const
    {
        return Source.Lines.size() == 5 && Keyword == Source.Lines.at(0).mid(1)
               && English == Source.Lines.at(1) && Japanese == Source.Lines.at(2)
               && Comment == Source.Lines.at(3) && Hole == Source.Lines.at(4);
    }

    // The visible fields only.
    bool operator==(const QuestionRecord &o) const
    {
        return Keyword == o.Keyword && English == o.English && Japanese == o.Japanese
               && Comment == o.Comment && Hole == o.Hole;
    }
};

// The rows of a collection's lines. A keyword line with fewer than four lines
// after it still gives a row, its missing fields empty; *cutShortLine gets
// the zero-based number of that keyword line (-1 when every record is whole).
QVector<QuestionRecord> ParseQuestionRecords(const QStringList &lines, int *cutShortLine = nullptr);

// The lines the rows are written as (six per row).
QStringList QuestionRecordLines(const QVector<QuestionRecord> &records);

// What the learner typed for a row, checked before it replaces the row:
// "#" would start a record of its own inside the English, Japanese, comment
// or fill-in line, a field holds no line break, every character fits the
// file's encoding and every field its byte limit (bytes of that encoding).
// Empty when fine, otherwise the message to show.
QString CheckEditedRecord(const QuestionRecord &record,
                          TextFile::Encoding encoding = TextFile::Encoding::Cp932);

// Writes the rows over the file at `path` in one atomic step (a missing file
// is created), in the form `loaded` was read in (encoding, line ends, and the
// bytes of every line that did not change; a default Text is a new CP932
// file). Nothing is written when the path or a field is over its byte limit,
// a field holds a character the encoding cannot hold, or the file cannot be
// written; false with *message set to the text to show.
bool SaveQuestionRecords(const QString &path, const QVector<QuestionRecord> &records,
                         QString *message, const TextFile::Text &loaded = TextFile::Text());

// The message for a collection that cannot be written.
QString SaveFailedMessage();
