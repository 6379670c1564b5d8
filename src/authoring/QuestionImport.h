#pragma once
// Questions from the text files that spreadsheets and other flashcard
// programs write: one question per row, fields separated by a tab, comma,
// semicolon or vertical bar, quoted the usual CSV way (a field in double
// quotes may hold the separator, line breaks and doubled quotes). A quote
// that does not enclose a whole field is text, as the file holds it.
//
// Such files may start with lines of the form "#key:value":
//   #separator:tab       the separator (tab, comma, semicolon, pipe, space,
//                        colon, or the character itself)
//   #html:true           fields hold HTML
//   #columns:a<sep>b...  names of the columns
//   #tags column:3       the column a kind of value is in (named after it)
// Other "#key:value" lines at the top are skipped as well.
//
// Fields are cleaned before they become a question (CleanField), mapped to
// the five lines of a question by a Mapping, and checked row by row with the
// question maker's own checks (MakePlan). Rows that cannot become a question
// are listed with the reason; nothing is changed or dropped silently.
#include "authoring/QuestionMaker.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Import {

// Reads the file to import: UTF-8 (with or without a byte-order mark) or
// CP932, as the text layer detects it. `encoding` names it for the learner.
// False with *error set (naming the file) when it cannot be read or is
// larger than MaxFileBytes.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
bool ReadFile(const QString &path, QString &text, QString &encoding, QString *error);

struct Row
{
    int line = 0;          // line of the file the row starts on, from 1
    QStringList fields;    // as read, unquoted, not yet cleaned
};

struct Table
{
    QChar separator = QLatin1Char('\t');
    bool separatorDeclared = false;   // given by a "#separator:" line
    int htmlDeclared = -1;            // "#html:" line: 1 true, 0 false, -1 none
    bool looksLikeHtml = false;       // some field holds a tag or an entity
    QStringList columnNames;          // from "#columns:" and "... column:N" lines
    int directiveLines = 0;           // "#key:value" lines at the top
    QVector<Row> rows;                // blank lines left out
    int columnCount = 0;              // fields of the widest row
    // The first row names the columns (it names at least the English and
    // the Japanese column in words that KnownColumn() knows).
    bool firstRowNamesColumns = false;
};

// Reads the text of a file. The separator is the declared one, else the one
// that splits the first rows into the same number (above one) of fields
// most often (ties: tab, comma, semicolon, vertical bar).
Table Parse(const QString &text);
// The same with the separator given (the learner's choice).
Table Parse(const QString &text, QChar separator);

// The separators the learner can choose from, in the order of detection.
QVector<QChar> Separators();

// A field as it becomes a line of the collection. With `html`: tags are
// removed (a <br>, and the start or end of a paragraph, division or list
// item, counts as a line break) and character entities decoded. Then line
// breaks, tabs, no-break spaces and other control characters count as
// spaces, every run of spaces becomes one space, and the ends are trimmed.
QString CleanField(const QString &raw, bool html);

enum Role { English, Japanese, Comment, Keyword, Hole, RoleCount };

// Column of each role, from 0; -1 = none.
struct Mapping
{
    int column[RoleCount] = {0, 1, -1, -1, -1};
    bool operator==(const Mapping &o) const;
    void swapLanguages() { std::swap(column[English], column[Japanese]); }
};

// The role a column name stands for (English: "english", "英語", "英文" ...;
// Japanese: "japanese", "日本語", "和訳" ...; comment, keyword, fill-in
// words), or -1 when the name is none of them. Case and spaces around are
// ignored.
int KnownColumn(const QString &name);

// The mapping that the column names (the "#columns:" line, else a first
// row that names columns) give, when they name both the English and the
// Japanese column; false otherwise.
bool MappingFromNames(const Table &table, Mapping &mapping);

struct Skipped
{
    int line = 0;
    QString reason;
};

struct Plan
{
    QVector<QuestionDraft> drafts;   // in file order
    QVector<int> lines;              // the row line of each draft
    QVector<Skipped> skipped;        // in file order
};

struct Options
{
    bool html = false;
    bool firstRowNamesColumns = false;   // the first row is not a question
    // The encoding of the target collection: what it cannot hold, and its
    // byte counts.
    TextFile::Encoding encoding = TextFile::Encoding::Cp932;
};

// The questions of the rows: the mapped fields cleaned, the question maker's
// defaults for a missing comment and keyword, the question maker's checks
// (empty English or Japanese, characters the collection's encoding cannot
// hold, byte limits, "#" outside the keyword line); a row that fails is
// skipped with the first reason.
Plan MakePlan(const Table &table, const Mapping &mapping, const Options &options);

} // namespace Import
