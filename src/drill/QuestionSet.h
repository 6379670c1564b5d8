#pragma once
// The question set of a drill: checking the set-up, the option switches, the
// shuffled lists, the review hint and the first question.
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class Random;
struct DrillState;

// --- checking the set-up -------------------------------------------------
// The three texts OK checks, in order: the number of questions, the collection
// name and the reference name. Returns the message to show (plain box), or an
// empty text when the set-up may start; *number gets the number of questions.
// A number that is empty, not a whole number or below 1 counts as not set.
QString CheckSetupInput(const QString &questionNumText, const QString &questionFileText,
                        const QString &referenceFileText, int *number = nullptr);
// The quick start checks only the number; caption QuickStartErrorCaption().
QString CheckQuickStartInput(const QString &questionNumText, int *number = nullptr);
QString QuickStartErrorCaption();

// --- options -----------------------------------------------------------
enum class DrillOption { None, SameQuestion, ErrorOnly, NotSameQuestion, NotRandom };

// A radio button of the option group was chosen: the other options go to 0,
// NotRandomContinue goes to 0 unless the choice is NotRandom, and the chosen
// option becomes 1.
void ChooseDrillOption(DrillState &d, DrillOption option);
// The option group was switched off: every option, resume included, is 0.
void ClearDrillOptions(DrillState &d);
// The option that decides the questions: the first one that is on, in the
// order SameQuestion, ErrorOnly, NotSameQuestion, NotRandom, then importance.
DrillOption ActiveOption(const DrillState &d);
// The set-up dialog opens with the importance box unticked; the drill must
// agree with what the dialog shows, so the filter is switched off as it opens.
void ResetImportanceFilterOnOpen(DrillState &d);

// --- shuffles ----------------------------------------------------------
// Copies source into scratch, then draws from scratch until it is empty:
// k = rng.index(count), entry k appended to target and removed. target and
// scratch are cleared first.
void ShuffleList(const QStringList &source, QStringList &scratch, QStringList &target,
                 Random &rng);
// No-repeat list: lstQuestionIndex shuffled into lstNotSameQuestion through
// lstTempNotSameQuestion with the program's generator.
void BuildNotSameQuestion(DrillState &d);

// Importance filter: the question lines of the pairs (level, question line)
// whose level is one of ImportantLevels go, in file order, to
// lstTempImportantIndex and then shuffled into lstImportantIndex.
// Returns the number found.
int BuildImportantIndex(DrillState &d, const QVector<QPair<int, int>> &pairs);
// The five level buttons: level k when button k (1..5) is down, else -1.
QVector<int> ImportanceLevelsFromButtons(const bool down[5]);

// --- review hint -------------------------------------------------------
struct ReviewHint
{
    QString hint;            // "★出題予定★" / "▼記録データなし▼" + "\n" + sentence ...
    int count = 0;           // number of questions for txtQuestionNum
    QString questionFile;    // full paths of the reviewed drill's files
    QString referenceFile;   // (empty when the drill record does not exist)
};
inline QString ReviewPlannedMark() { return QStringLiteral("★出題予定★"); }
inline QString ReviewNoDataMark() { return QStringLiteral("▼記録データなし▼"); }
// The review-number rule for review number prevNum (1 = drill record 0):
// the English sentence of each question the review will ask is read from the
// reviewed drill's collection (a file that cannot be read adds nothing).
ReviewHint BuildReviewHint(const DrillState &d, int prevNum, bool wrongOnly);

// --- resume position ----------------------------------------------------
// Saved position of the in-order resume for a collection (file name without
// folder), section "NotRandomContinue" of the user's settings file.
int ReadContinuePos(const QString &setupIni, const QString &collectionFileName);
bool SaveContinuePos(const QString &setupIni, const QString &collectionFileName, int pos,
                     QString *error = nullptr);

// --- first question ------------------------------------------------------
struct QuestionChoice
{
    bool ok = false;
    int line = -1;          // the question line when ok
    // When not ok: the drill cannot go on. A text means a warning box with
    // that caption and text; an empty text means the questions simply ran out
    // (a review that has asked every recorded line).
    QString caption;
    QString message;
};

// The first question of a drill started by OK of the set-up dialog, by the
// first option that is on. Sets the positions (NotSamePos, NotRandomPos,
// ImportantPos, ContinuePos). savedContinuePos is ReadContinuePos() for the
// collection; importanceFile is read only with ImportantOnly (refused with
// ImportanceOpenErrorMessage() when it cannot be opened, with
// NoImportantQuestionsMessage() when no question has a chosen level).
// lstQuestionIndex and, with NotSameQuestion, lstNotSameQuestion must
// already be built.
// A review drill asks no more questions than its record holds: QuestionNum
// is lowered to ReviewableCount(), and a record without lines refuses.
QuestionChoice ChooseFirstQuestion(DrillState &d, int savedContinuePos,
                                   const QString &importanceFile);
// Question line number `index` of the reviewed record PrevDrill (its asked
// lines, or its wrong lines). Not ok, with an empty message, once the
// recorded lines are used up.
QuestionChoice ReviewQuestion(const DrillState &d, bool wrongOnly, int index);
// The first question of a quick start: always a random question.
QuestionChoice ChooseQuickStartQuestion(DrillState &d);

// Messages of the importance filter (caption "選択不可能" unless stated).
QString ImportanceUnavailableCaption();
QString ImportanceFileMissingMessage();          // ticking the box without a file
QString NoImportantQuestionsMessage();           // no question at the chosen levels
QString ImportanceOpenErrorMessage(const QString &importanceFile); // caption "エラー"
