#pragma once
// Appending one question to a question collection, in the record form the
// drill reads:
//
//   #keyword            "#キーワードなし" when no keyword is given
//   English sentence
//   Japanese translation
//   comment             the comment box's lines run together on one line,
//                       "コメントはありません" when they hold nothing
//   fill-in words       separated by ","; may be empty
//   (empty line)
//
// Every line ends with CR LF (LF in a file that uses LF only), in the file's
// own encoding (CP932 for a new file). The record goes to the end of the
// file, which is created when missing; a last line without a line end is
// ended first; nothing else already in the file is touched.
#include "platform/TextFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct QuestionDraft
{
    QString keyword;          // "" = no keyword
    QString english;
    QString japanese;
    QString hole;             // fill-in words
    QStringList comment;      // the comment box, line by line
};

struct QuestionAdd
{
    enum Field { NoField, KeywordField, EnglishField, JapaneseField, HoleField, CommentField };
    bool written = false;
    QString message;          // why nothing was written ("" when written)
    Field field = NoField;    // the box the user should correct
};

// The keyword written for a keyword box text: the text, or "キーワードなし".
QString QuestionKeyword(const QString &keywordBox);
// The comment line: the lines joined with nothing between them, or
// "コメントはありません" when that leaves nothing.
QString CommentLine(const QStringList &commentLines);
// The six lines of one record, exactly as appended.
QStringList NewQuestionLines(const QuestionDraft &draft);

// The checks of one question for a file in `encoding`, in this order: the
// English and the Japanese are not empty; the keyword (4,999 bytes) and
// every other line (49,999 bytes) fit (characters and bytes in the file's
// encoding), the one-line fields hold no line break, and no line but the
// keyword line holds "#" (the reader would start a new question there and
// shift every field after it). `message` is empty when the question passes.
QuestionAdd CheckQuestion(const QuestionDraft &draft, TextFile::Encoding encoding);

// Checks, in this order: a target is chosen; the English and the Japanese
// box are not empty; the target path fits; CheckQuestion() in the target's
// encoding. Then appends the record. Nothing is written when a check fails
// or the file cannot be opened; `message` says why.
QuestionAdd AddQuestionRecord(const QString &target, const QuestionDraft &draft);

// Appends the records of several questions (already checked) at once, in
// the file's own encoding: all of them are written or, when the file cannot
// be written, none, and nothing already in the file changes. *error gets
// the system's reason.
QuestionAdd AddQuestionRecords(const QString &target, const QVector<QuestionDraft> &drafts,
                               QString *error = nullptr);
