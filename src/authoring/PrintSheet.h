#pragma once
// The print sheet: a question collection laid out as text, unchanged or as a
// paper test in one of three answer styles, and saved as a text file.
#include <QString>
#include <QStringList>
#include <functional>

namespace PrintSheet {

enum Style {
    AsIs = 0,       // "内容そのままで印刷"
    TypeTest = 1,   // "簡易テスト形式で印刷 （タイプ）"
    WordTest = 2,   // "簡易テスト形式で印刷 （並び替え）"
    HoleTest = 3    // "簡易テスト形式で印刷 （穴埋め）"
};

// The style captions, in index order.
QStringList styleCaptions();

// The direction check box "日本語から英語へ" for a style: usable only with
// the typing test; the as-is and fill-in styles clear it, the word-order
// style ticks it.
struct Direction { bool checked; bool enabled; };
Direction directionFor(int style, bool checked);

// The English words in a random order, joined by ",". The sentence is split
// at every single space (two spaces give an empty word); before each draw the
// shared generator is seeded again from the clock in whole seconds.
QString shuffledWords(const QString &english);

// The English with one of the fill-in words (split at ",") blanked: a word
// drawn at random, without seeding again, replaces its first occurrence by
// "(        )". An empty word (or one that does not occur) leaves the
// sentence unchanged.
QString blankedSentence(const QString &english, const QString &holeWords);

struct Sheet
{
    QStringList lines;       // the text so far
    int questions = 0;       // numbered questions in it
    bool complete = false;   // false when a record was cut short
};

// Lays out the collection's lines. Every line holding "#" starts a question
// numbered from 1 ("No. n : " + the style's question line) followed by the
// style's lines, each indented by a Tab, and an empty line. `progress` (when
// set) gets the index of every line scanned. A keyword line with fewer than
// four lines after it stops the sheet there (complete = false).
Sheet compose(const QStringList &collectionLines, int style, bool toEnglish,
              const std::function<void(int)> &progress = {});

// The message when a sheet cannot be laid out in full.
QString composeFailedMessage();

// Limits when saving (bytes of the file's encoding; CP932 bytes of the path).
constexpr int LineLimit = 49999;
constexpr int PathLimit = 1999;

// `path` with ".txt" added when its file name has no extension.
QString withTextExtension(const QString &path);

// Appends the lines to the file (created when missing), each with CR LF, in
// the file's own encoding (CP932 for a new file); a last line without a line
// end is ended first. Nothing is written when the path or a line is over its
// limit, a line holds a character the file's encoding cannot hold, or the
// file cannot be written (and no empty file is left); false with *message set
// to the text to show.
bool appendText(const QString &path, const QStringList &lines, QString *message);

// True when `path` names one of the files in use (the collection being
// printed, the current collection, reference book or dictionary): a sheet
// is never added to those.
bool isFileInUse(const QString &path, const QStringList &filesInUse);
// The refusal for such a target, and the question before adding a sheet to
// the end of an existing file.
QString fileInUseMessage(const QString &path);
QString appendQuestion(const QString &path);

} // namespace PrintSheet
