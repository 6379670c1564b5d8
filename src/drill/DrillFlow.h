#pragma once
// What both ways of starting a drill share (the set-up dialog's OK and the
// quick start of the set-up toolbar), without any window: the saved drill
// set-up, the review's files and the files and tables of a drill start.
#include <QString>
#include <QStringList>

struct DrillState;
struct Settings;

// Open-dialog filter of question collections.
inline QString QuestionFileFilter() { return QStringLiteral("問題集ファイル (*.txt)|*.txt"); }

// --- the saved drill set-up (section "QuestionSetup") ------------------------
struct QuestionSetupValues
{
    int SelfStudyOn = 0;
    QString SelfStudyTime = QStringLiteral("5");
    int Option = 0;
    int SameQuestion = 0;
    int ErrorOnly = 0;
    QString PrevQuestionNum = QStringLiteral("0");
    int NotSameQuestion = 0;
    int NotRandom = 0;
    int NotRandomContinue = 0;
};
// Reads the keys the set-up dialog restores. A number counts as on when it is
// not 0 (a value that is not a number reads as 0); SelfStudyTime is read only
// when SelfStudyOn is on and PrevQuestionNum only with a review option on.
QuestionSetupValues ReadQuestionSetup(const QString &setupIni);
// Writes every key as decimal text (the two texts as given).
bool WriteQuestionSetup(const QString &setupIni, const QuestionSetupValues &v,
                        QString *error = nullptr);

// --- drill start --------------------------------------------------------------
// A review asks the questions of a recorded drill, whose question lines
// belong to the collection that drill used: when a review option is on and the
// reviewed record exists, its collection and reference book become current.
// True when a review record was found.
// The current files and reviewed drill before a start that may be refused;
// restore() puts them back.
struct DrillFilesSnapshot
{
    DrillFilesSnapshot(const DrillState &d, const Settings &s);
    void restore(DrillState &d, Settings &s) const;
    int PrevDrill;
    QString QuestionFilePath;
    QString ReferenceFilePath;
    QString QuestionBaseName;
};

// A collection chosen on the toolbar ends a review set up before: the
// quick start then drills the collection chosen, not the reviewed drill's.
void EndReviewOption(DrillState &d);

bool UseReviewedDrillFiles(const DrillState &d, Settings &s);

struct DrillStartFiles
{
    bool questionAdded = false;   // the collection's name joined the recent list
    bool referenceAdded = false;  // the reference book's name joined its list
    QString error;                // the settings file could not be written
};
// The steps after the input is checked and lstQuestionIndex is built (both
// starts): the base name of the current collection, the two recent-file
// lists (an empty reference path adds nothing), the answers file entry ("正解ファイル"/"問題" = "新しい正解") and, in
// no-repeat mode, the shuffled lstNotSameQuestion.
DrillStartFiles PrepareDrillStart(DrillState &d, Settings &s);
