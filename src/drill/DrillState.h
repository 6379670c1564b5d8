#pragma once
// The drill engine's state: the tables built from the collection, the current
// question, the counters, the drill options and the history of finished
// drills. Owned by the main window; core functions take it by reference.
#include <QString>
#include <QStringList>
#include <QVector>

// One finished drill of this run.
struct DrillRecord
{
    static constexpr int MaxLines = 1010;
    int Number = 0;            // the drill's number in this run (1, 2, ...), set when it finishes
    int PlannedCount = 0;
    int AtariCount = 0;
    int HazureCount = 0;
    QVector<int> AskedLines;   // question line of each question presented (at most MaxLines)
    QVector<int> WrongLines;   // question line of each wrong answer (at most MaxLines)
    QString CorrectRate;
    QString QuestionFile;
    QString ReferenceFile;
    QString StartTime;
    QString EndTime;
};

struct DrillState
{
    static constexpr int MaxDrills = 15;

    // --- tables (entries are decimal texts of question lines) ---------------
    QStringList lstQuestionIndex;
    QStringList lstNotSameQuestion;
    QStringList lstImportantIndex;
    QStringList lstTempNotSameQuestion;
    QStringList lstTempImportantIndex;
    QStringList lstHint;
    QStringList lstNarabi;
    QStringList lstTempNarabi;
    QStringList lstUndo;
    QStringList lstUndoNum;
    QStringList lstHoleString;

    // --- current question ---------------------------------------------------
    int CurrentLine = 0;
    QString CurrentKeyword;
    QString QuestionText;
    QString AnswerText;
    QString CommentText;
    QString HoleWords;
    QString HoleWord;
    QString InputAnswer;
    // Per-question data of the current question (question data file).
    int QAskedCount = 0;
    int QAtariCount = 0;
    QString QRate = QStringLiteral("0");

    // --- counters -------------------------------------------------------------
    int QuestionNum = 0;       // planned questions of the running drill
    int AskedCount = 0;
    int AtariCount = 0;
    int HazureCount = 0;
    int Repeating = 0;
    int RemainingSeconds = 0;
    int WordTaken = 0;
    bool Running = false;
    bool AcceptedAsCorrect = false;
    int SelfScore = 0;         // verdict of the self-scoring dialog (1 correct)

    // --- drill options (set by the set-up dialog) ------------------------------
    int SelfStudyOn = 0;
    int SelfStudyTime = 5;
    int Option = 0;
    int SameQuestion = 0;
    int ErrorOnly = 0;
    int PrevQuestionNum = 0;
    int PrevDrill = 0;
    int NotSameQuestion = 0;
    int NotRandom = 0;
    int NotRandomContinue = 0;
    int ImportantOnly = 0;
    int NormalAfterImportant = 0;
    QVector<int> ImportantLevels; // levels chosen for the importance filter

    // --- positions --------------------------------------------------------------
    int NotSamePos = 0;
    int NotRandomPos = 0;
    int ContinuePos = 0;
    int ImportantPos = 0;

    // --- history of this run --------------------------------------------------
    // Drills[DrillCount] is the record being filled; records below it are the
    // finished drills kept, oldest first (MaxDrills of them at most). When the
    // room is full the oldest record is dropped (drill/Collection.h), so
    // DrillCount never passes MaxDrills. FinishedDrills counts every drill
    // finished in the run: a record's Number stays its drill's number.
    int DrillCount = 0;
    int FinishedDrills = 0;
    QVector<DrillRecord> Drills = QVector<DrillRecord>(MaxDrills + 1);
};
