#pragma once
// Question collections and the drill history of this run.
//
// A collection is a list of lines. Every line that holds "#" anywhere is the
// keyword line of a question record and starts it; the four lines after it
// are the English sentence, the Japanese translation, the comment and the
// fill-in words, whatever they hold. Lines without "#" (titles, notes, blank
// separators) never start a record. A question is known by its question line:
// the zero-based number of its keyword line.
#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

struct DrillState;
struct DrillRecord;

// Keyword line of a question that has no explanation in the reference book.
inline QString NoKeywordLine() { return QStringLiteral("#キーワードなし"); }

// Question lines of every line holding "#", as decimal texts, in file order.
QStringList ScanQuestionLines(const QStringList &lines);

// Byte limits of a collection's lines, counted in the file's encoding: the
// keyword (a keyword line without its first character) holds at most
// Maker::KeywordLimit bytes, any other line at most Maker::LineLimit. A
// collection with a longer line is refused whole when it is loaded.
// The message naming the first line (from `first`, `count` lines; -1 = to the
// end) over its limit, or "" when every line fits.
QString CollectionLineProblem(const QStringList &lines, int first = 0, int count = -1,
                              TextFile::Encoding encoding = TextFile::Encoding::Cp932);
// The same for the single line number `index` (0-based).
QString CollectionLineProblemAt(const QString &line, int index, TextFile::Encoding encoding);

// True when a collection can start a drill: it holds at least one question
// and its last record has all five lines. Otherwise false with *error set to
// the message to show (caption CollectionErrorCaption()).
bool CheckCollectionForDrill(const QStringList &lines, const QStringList &questionIndex,
                             QString *error);
QString CollectionErrorCaption();

// Reads the collection and rebuilds lstQuestionIndex from it (the list is
// cleared first). False with *error set when the file cannot be read, holds
// a line over its byte limit, holds no question or ends in a record cut
// short; the list is then empty.
bool ScanCollection(const QString &path, QStringList &lstQuestionIndex, QString *error);

// Fills the current question (CurrentLine, CurrentKeyword, QuestionText,
// AnswerText, CommentText, HoleWords) from lines line .. line + 4. Question
// type 0 shows the Japanese line and expects the English one, type 1 the
// other way round. False with *error set, and nothing changed, when the
// record does not lie inside the lines or one of its lines is over its limit.
bool LoadQuestionFromLines(const QStringList &lines, int line, int questionType,
                           DrillState &d, QString *error,
                           TextFile::Encoding encoding = TextFile::Encoding::Cp932);
// The same after reading the whole file again.
bool LoadQuestion(const QString &path, int line, int questionType, DrillState &d,
                  QString *error);

// --- drill history ---------------------------------------------------------
// Record DrillCount is the one being filled by the running drill. The room
// holds the DrillState::MaxDrills latest finished drills besides it; when
// one more finishes, the oldest record is dropped and the others move down
// one place. Every finished record keeps its drill's number in the run
// (Number: 1 for the first drill, ...), so the history, the error review
// and a review set-up name the same drill whatever has been dropped. A record keeps at most DrillRecord::MaxLines asked lines
// and wrong lines; entries beyond that are not kept.

// Clears record DrillCount for a new drill (a stopped drill may have left
// lines in it) and notes its files and start time.
void BeginDrillRecord(DrillState &d, const QString &questionFile,
                      const QString &referenceFile, const QString &startTime);
// Enters a question line as asked line / wrong line number `index` of record
// DrillCount. False (nothing written) when index is outside 0 .. MaxLines - 1.
bool RecordAskedLine(DrillState &d, int index, int line);
bool RecordWrongLine(DrillState &d, int index, int line);
// Fills record DrillCount at the end of a drill and moves on to the next
// record (dropping the oldest one when the room is full). The counts come
// from the drill counters (QuestionNum, AtariCount, HazureCount).
void FinishDrillRecord(DrillState &d, const QString &correctRate, const QString &questionFile,
                       const QString &referenceFile, const QString &endTime);

// A finished record, or nullptr when `index` names no finished drill
// (index < 0 or index >= DrillCount).
const DrillRecord *FinishedRecord(const DrillState &d, int index);
// The drill number of finished record `index` (a record made without one
// counts by its place: index + 1); 0 when there is no such record.
int DrillNumberOf(const DrillState &d, int index);
// The place of drill `number` among the finished records, or -1 when that
// drill has not finished or is no longer kept; the record itself or nullptr.
int RecordIndexOfDrill(const DrillState &d, int number);
const DrillRecord *FinishedDrill(const DrillState &d, int number);
// The record a review asks from: drill PrevDrill + 1 (PrevDrill is the
// drill number typed in the set-up dialog, minus one).
int ReviewedRecordIndex(const DrillState &d);
// Number of question lines a review of record `index` can ask: its planned
// count (questions review) or its wrong count (wrong-answer review), never
// more than the lines actually recorded; 0 when there is no such record.
int ReviewableCount(const DrillState &d, int index, bool wrongOnly);
