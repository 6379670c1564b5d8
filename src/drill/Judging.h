#pragma once
// Judging an answer: the comparison with the expected answer, the verdict of
// each answer form, what a judged answer counts and what it shows.
//
// Order of a first answer (CheckResult), as the main window runs it:
//   1. BeginJudging(d, txtAnswer text)            Repeating = 0, accepted flag cleared
//      load the question / month / day counters; add 1 to the three asked counts
//   2. self-scoring: show the self-scoring dialog (it sets SelfScore)
//      correct = JudgeAnswer(d, settings, answersFile)
//   3. correct: add 1 to the three correct counts, recompute the rates;
//      e = FirstAnswerEffects(d, settings, true): sound, voice, importance
//      update, then e.display (easy box e.caption/e.text, or the correct-answer
//      dialog); CountCorrectAnswer(d)
//   4. wrong: recompute the rates; e = FirstAnswerEffects(d, settings, false):
//      sound, voice, importance update, display (the wrong-answer dialog may
//      set AcceptedAsCorrect);
//      AcceptedAsCorrect: add 1 to the three correct counts, recompute,
//      "ANI;13" when VoiceOn, importance update as correct, CountCorrectAnswer(d);
//      otherwise CountWrongAnswer(d, settings)  (repeat flag, wrong line, HazureCount)
//   5. store the question counters
// Order of a repeated answer (CheckRepeatResult; UseRepeatCheck() tells which):
//   BeginJudging; self-scoring dialog; correct = JudgeAnswer;
//   e = RepeatAnswerEffects(...): sound, box; FinishRepeatAnswer(d, settings, correct).
//   Nothing is counted or stored.
// Then the Result command: AfterJudging() says whether the next question
// comes or the drill is finished.
#include <QString>

struct DrillState;
struct Settings;

// Text of the answer before its first "."; without ".", before its first "?";
// empty when it has neither.
QString ShortAnswer(const QString &answerText);

// The typed answer against the expected one: equal (after TextFile::fold(),
// so that a typed WAVE DASH equals a collection's FULLWIDTH TILDE); or, with
// ignoreCase = 1, equal after lower-casing both; or, with notPeriod = 1,
// equal to ShortAnswer() (with ignoreCase = 1 also after lower-casing).
// An empty input is never correct.
bool IsAnswerCorrect(const QString &input, const QString &answerText, int ignoreCase,
                     int notPeriod);

enum class VerdictMode { SelfScoring, FillIn, Typed };
VerdictMode VerdictModeOf(const DrillState &d, const Settings &s);

// The verdict on InputAnswer:
//  - self-scoring (SelfStudyOn = 1): SelfScore = 1;
//  - fill-in (AnswerType = 2): not empty and equal to HoleWord (case
//    included, after folding), or IsAnswerCorrect (the whole sentence);
//  - otherwise: not empty and IsAnswerCorrect, or the answers file holds this
//    answer for exactly this QuestionText.
bool JudgeAnswer(const DrillState &d, const Settings &s, const QString &answersFile);

// The answer box holds one line: a pasted line break (CR LF, CR, LF or a
// Unicode line or paragraph separator) becomes one space, so that what is
// judged is what an accepted answer stores on its one line.
QString OneLineAnswer(const QString &typed);

// Starts judging: InputAnswer = OneLineAnswer(input), Repeating = 0 and the
// accepted flag is cleared, so a flag left from an earlier question never
// counts a wrong answer as correct.
void BeginJudging(DrillState &d, const QString &input);

// True when the answer is a repeat after a wrong answer (RepeatError = 1 and
// Repeating set): judge with the repeat steps.
bool UseRepeatCheck(const DrillState &d, const Settings &s);

enum class ResultDisplay { None, EasyBox, Dialog };
struct AnswerEffects
{
    QString sound;           // wave file to play; empty = none
    QString voiceCommand;    // companion reaction; empty = none
    bool adjustImportance = false;
    ResultDisplay display = ResultDisplay::None;
    QString caption;         // of the easy box (information icon)
    QString text;
};
// What a judged first answer plays, says and shows. The easy texts use the
// question's counters as already counted (QAskedCount, QRate of d).
AnswerEffects FirstAnswerEffects(const DrillState &d, const Settings &s, bool correct);
// The same for a repeated answer: no voice, no importance, only easy boxes.
AnswerEffects RepeatAnswerEffects(const DrillState &d, const Settings &s, bool correct);
// The reaction when the learner accepts a wrong answer as correct.
inline QString AcceptedVoiceCommand() { return QStringLiteral("ANI;13"); }

// Drill counters of a judged first answer.
void CountCorrectAnswer(DrillState &d);
// Wrong and not accepted: Repeating = 1 with RepeatError = 1; the question
// line is entered as wrong line HazureCount of record DrillCount; HazureCount + 1.
void CountWrongAnswer(DrillState &d, const Settings &s);
// After a repeated answer: a wrong one (not accepted) repeats again.
void FinishRepeatAnswer(DrillState &d, const Settings &s, bool correct);

// The message boxes of the easy result display and of the repeats.
QString CorrectCaption();     // "☆ 正解です ☆"
QString WrongCaption();       // "☆ 不正解です ☆"
QString EasyCorrectText(int questionAsked, const QString &questionRate, const QString &comment);
QString EasyWrongText(int questionAsked, const QString &questionRate, const QString &answer,
                      const QString &comment);
QString RepeatCorrectText(const QString &comment);
QString RepeatWrongText(const QString &answer, const QString &comment);

// --- after judging (the Result command) ------------------------------------
// The drill's running rate: AtariCount of AskedCount, whole percent.
int DrillRate(const DrillState &d);
enum class AfterResult { NextQuestion, Finished };
// NextQuestion while questions remain or the question repeats.
AfterResult AfterJudging(const DrillState &d);
// Whether the resume position advances now: in the middle of a drill when
// NotRandomContinue = 1 and the question does not repeat; at the end of a
// drill whenever NotRandomContinue = 1.
bool ShouldAdvanceContinue(const DrillState &d, AfterResult after);
// Every counter and per-drill list back to idle (finished drill or Stop):
// AskedCount, AtariCount, HazureCount, WordTaken, Repeating = 0; Running off;
// lstQuestionIndex, lstUndo, lstUndoNum, lstNarabi, lstTempNarabi, lstHint
// cleared. The drill record is left alone.
void ResetDrill(DrillState &d);
