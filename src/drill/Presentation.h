#pragma once
// Presenting a question: choosing the next question line, preparing the
// answer forms (hint, shuffled words, blank), the colour and the texts of the
// counters.
#include <QString>
#include <QStringList>

#include "drill/QuestionSet.h"

struct DrillState;
struct Settings;

// --- choosing ------------------------------------------------------------
// The next question line of a running drill (not used while Repeating: the
// same question comes again). By the first option on:
//  - questions review: asked line AskedCount of record PrevDrill;
//  - wrong-answer review: wrong line AskedCount of record PrevDrill;
//  - no repeats: NotSamePos advances, wrapping to 0 after the last entry;
//  - in order with resume: entry ContinuePos (advanced by AdvanceContinuePos);
//  - in order: NotRandomPos advances and wraps like NotSamePos;
//  - importance: ImportantPos advances; after the last entry either every
//    later question is random from the whole collection (NormalAfterImportant,
//    ImportantPos stays) or the list starts again from entry 0;
//  - none: a random entry of lstQuestionIndex.
// A review never reads past the lines recorded in the reviewed drill: when
// they are used up the choice is not ok with an empty message (the drill
// ends). An empty list is not ok with a message.
QuestionChoice ChooseNextQuestion(DrillState &d);

// Chooses (unless Repeating), loads the question from the collection and
// enters it as asked line AskedCount of record DrillCount. With Repeating
// the current question stays and nothing is read. False with the choice's
// message, or the reading error in choice.message, when it fails.
bool TakeNextQuestion(DrillState &d, const QString &collectionPath, int questionType,
                      QuestionChoice *choice);
// The same for a chosen first question (set-up OK, quick start): loads it
// and enters it as asked line 0 of record DrillCount.
bool TakeQuestion(DrillState &d, const QString &collectionPath, int questionType, int line,
                  QString *error);

// Resume position after a judged question: the next position of
// lstQuestionIndex, 0 after the last one.
void AdvanceContinuePos(DrillState &d);

// --- words -----------------------------------------------------------------
// Splits the English answer at single spaces. hint gets the non-empty words
// (and always the last piece); words gets every piece, empty ones from double
// spaces too, so that the words can be put back together with single spaces.
void SplitAnswerWords(const QString &answer, QStringList *hint, QStringList *words);

// The hint line: for every word a space and one hint symbol per character; a
// word holding a comma shows the comma as its last character; the last
// character of the last word is shown as it is.
QString HintLine(const QStringList &hintWords, const QString &hintSymbol);

// Rearranging: the words (lstNarabi) are drawn one by one into lstTempNarabi,
// the generator re-seeded from the clock's whole seconds before each draw.
// lstNarabi ends empty; lstTempNarabi is the order shown in the word list.
void ShuffleNarabi(DrillState &d);

// Fill-in: the blank shown in place of the fill-in word.
inline QString HoleBlank() { return QStringLiteral("(        )"); }
// The sentence with the first occurrence of the word blanked (the search is
// exact and may hit inside a longer, earlier word). A word the sentence does
// not contain gives the blank followed by the sentence from its character
// number len(word) on (counting from 1), as the line always has shown.
QString HoleLine(const QString &answer, const QString &holeWord);
// Splits HoleWords at "," into lstHoleString and draws HoleWord. Returns the
// blanked line; when the drawn word is empty HoleWord becomes the whole
// answer and the result is empty (no blanked line is shown).
QString PrepareFillIn(DrillState &d);

// Everything the window shows for a question, from steps that need no widget.
struct PreparedQuestion
{
    QString holeLine;        // fill-in: the blanked sentence ("" = none shown)
    bool showHole = false;   // fill-in mode: the hole box is visible
    QString hintText;        // pnlHint caption (empty unless ShowHint = 1)
    QString keywordStatus;   // status bar panel 3
    QString questionNumLabel;// lblQuestionNum after counting
    int countdownSeconds = 0;// 0 = no countdown
};
// Fills lstHint, lstNarabi/lstTempNarabi (rearranging), lstHoleString and
// HoleWord (fill-in) for the current question by AnswerType and QuestionType
// of the settings, counts the question (AskedCount + 1, unless Repeating) and
// makes the texts. The callers clear lstHint and lstTempNarabi before.
PreparedQuestion PrepareQuestion(DrillState &d, const Settings &s);

// --- colour ------------------------------------------------------------
// Colour of the question text when ChangeColorOn = 1 (FontQuestionColor
// otherwise). By question (ChangeColorType = 1) the stored rate of the
// question decides: a rate at or below ChangeColorPercent gives ChangeColor.
// The same rule holds for the first question of a drill. By drill, the
// drill's running rate (DrillRate(), the percent gauge) decides: a rate below
// it gives ChangeColor; the first question of a drill always gets ChangeColor.
int QuestionColor(const Settings &s, int questionRate, int drillRate, bool firstQuestion);
// A stored rate text as a number (0 when it is not a number).
int RateValue(const QString &rate);

// The English sentence of the current question.
QString EnglishSentence(const DrillState &d, int questionType);

// --- texts -------------------------------------------------------------
QString KeywordStatusText(const QString &keywordLine);   // "解説なし" / "解説あり"
QString CountLabel(int count, int total);                // " ： 3 / 10"
QString PercentLabel(int rate);                          // " ： 67 / 100 ％"
QString TimeLabel(int remaining, int limit);             // " ： 4 / 5 秒"
// Seconds of the per-question countdown: SelfStudyTime in self-scoring mode,
// TimeLimit when the time limit is on, else 0.
int CountdownSeconds(const DrillState &d, const Settings &s);

// Labels of the idle window: after a finished drill (ASCII colons) and after
// Stop (full-width colons).
struct IdleLabels
{
    QString questionNum, atariNum, percent, time;
};
IdleLabels FinishedIdleLabels();
IdleLabels StoppedIdleLabels();
