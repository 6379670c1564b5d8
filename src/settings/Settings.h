#pragma once
// Every setting of User.ini and Setup.ini held in memory, one member per key,
// named after the key, plus the run-only members. Flags and numbers are ints
// (a flag is on when it equals 1), paths, font names and the hint symbol text.
// Colours are RGB numbers with red in the low byte.
#include <QString>

struct Settings
{
    // --- run-only -----------------------------------------------------------
    QString ProgramFolder;          // with trailing "/"
    QString UserName = QStringLiteral(" ");
    int UserNum = 0;                // registered users
    int Boot = 0;                   // User.ini Setup/Boot
    int ShowUser = 0;               // User.ini Setup/ShowUser
    QString DefQuestionFilePath;    // start-up collection (def... or QuestionFile)
    QString DefReferenceFilePath;   // start-up reference
    QString DictionaryFilePath;     // from defDictionaryFilePath
    QString QuestionFilePath;       // current collection
    QString ReferenceFilePath;      // current reference
    QString QuestionBaseName;       // file name of the collection without ".txt"
    int TimeLimitOn = 0;            // never stored: off and 5 at every start
    int TimeLimit = 5;

    // --- Setup.ini [Setup] --------------------------------------------------
    int ShowResult = 1;
    int ShowErrorOnly = 0;
    int EasyResultAtari = 0;
    int EasyResultHazure = 0;
    int ErrorDialogOn = 0;
    int AutoImeOn = 1;
    int RepeatError = 0;
    int ImportantOn = 0;
    int AutoImportantOn = 0;
    int IgnoreCase = 0;
    int NotPeriod = 0;
    int ShowComment = 0;
    int ShowHint = 0;
    QString HintSymbol = QStringLiteral("#");
    int MakeLogFile = 0;
    int UseEndQuestionFile = 0;
    int UseEndReferenceFile = 0;
    int AtariOn = 1;
    int HazureOn = 1;
    int FinishOn = 0;
    int ChangeColorOn = 0;
    int ChangeColorType = 1;
    int ChangeColorPercent = 50;
    int PlanOn = 0;
    int ShowPlanOn = 0;
    int VoiceOn = 0;
    int AutoVoiceOn = 0;
    // 1: the built-in voice reads the sentences, 0: the companion program.
    // Absent from Setup.ini: 1 unless a companion is set (SorbellPath).
    int UseBuiltInVoice = 1;
    int SavePosition = 1;           // in-memory value is read with default "1"
    int SaveSize = 0;
    int SaveToolBar = 0;
    int NotFlat = 0;
    int ShowDate = 0;
    int DateType = 0;
    int moQuestionSize = 90;
    int moCommentSize = 50;
    int moHoleSize = 27;
    int AddOn = 0;

    // --- [File Path] --------------------------------------------------------
    QString defQuestionFilePath;    // default: P + "dictionary/Question.txt"
    QString defReferenceFilePath;   // default: P + "reference/Reference.txt"
    QString defDictionaryFilePath;  // default: P + "dictionary/Dictionary.txt"
    QString AtariSoundFile;         // default: P + "hit.wav"
    QString HazureSoundFile;        // default: P + "out.wav"
    QString FinishSoundFile;        // default: ""
    QString SorbellPath;            // default: ""

    // --- [Font] -------------------------------------------------------------
    QString FontQuestion = QStringLiteral("ＭＳ Ｐゴシック");
    int FontQuestionSize = 15;
    QString FontHole = QStringLiteral("ＭＳ Ｐゴシック");
    int FontHoleSize = 14;
    QString FontAnswer = QStringLiteral("ＭＳ Ｐゴシック");
    QString FontComment = QStringLiteral("ＭＳ Ｐゴシック");
    int FontCommentSize = 14;
    QString FontReference = QStringLiteral("ＭＳ Ｐゴシック");

    // --- [Color] ------------------------------------------------------------
    int FontQuestionColor = 0;
    int FontHoleColor = 16777215;
    int FontAnswerColor = 0;
    int FontCommentColor = 0;
    int FontReferenceColor = 0;
    int ChangeColor = 255;
    int ColorQuestionNum = 8421376; // [Color] QuestionNum (gauge bar colours)
    int ColorAtariNum = 8421376;    // [Color] AtariNum
    int ColorPercent = 8421376;     // [Color] Percent
    int ColorTime = 8421376;        // [Color] Time

    // --- [QuestionSetup] (read at start, written at shutdown / by set-up) ---
    int AnswerType = 0;             // 0 typing, 1 rearranging, 2 fill-in
    int QuestionType = 0;           // 0 Japanese->English, 1 English->Japanese
    int QuestionNum = 10;
    QString QuestionFile;           // collection of the previous run
    QString ReferenceFile;          // reference of the previous run

    // Paths of the two INI files.
    QString userIniPath() const { return ProgramFolder + QStringLiteral("User.ini"); }
    QString userFolder() const { return ProgramFolder + UserName + QStringLiteral("/"); }
    QString setupIniPath() const { return userFolder() + QStringLiteral("Setup.ini"); }
};
