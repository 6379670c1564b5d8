#include "settings/SettingsStore.h"

#include "platform/IniFile.h"
#include "settings/Settings.h"

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kFilePath = QStringLiteral("File Path");
const QString kFont = QStringLiteral("Font");
const QString kColor = QStringLiteral("Color");
const QString kQuestionSetup = QStringLiteral("QuestionSetup");
const QString kDefaultFace = QStringLiteral("ＭＳ Ｐゴシック");

// A pane height read from the file: a negative number is not a height.
int readHeight(const IniFile &ini, const QString &key, int def)
{
    const int v = ini.readInt(kSetup, key, def);
    return v < 0 ? def : v;
}

} // namespace

QString DefaultQuestionFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("dictionary/Question.txt");
}

QString DefaultReferenceFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("reference/Reference.txt");
}

QString DefaultDictionaryFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("dictionary/Dictionary.txt");
}

void LoadSettings(Settings &s)
{
    const IniFile ini(s.setupIniPath());
    const QString &P = s.ProgramFolder;
    auto flag = [&](const char *key, int def) { return ini.readInt(kSetup, QLatin1String(key), def); };

    s.ShowResult = flag("ShowResult", 1);
    s.ShowErrorOnly = flag("ShowErrorOnly", 0);
    s.EasyResultAtari = flag("EasyResultAtari", 0);
    s.EasyResultHazure = flag("EasyResultHazure", 0);
    s.ErrorDialogOn = flag("ErrorDialogOn", 0);
    s.AutoImeOn = flag("AutoImeOn", 1);
    s.RepeatError = flag("RepeatError", 0);
    s.ImportantOn = flag("ImportantOn", 0);
    s.AutoImportantOn = flag("AutoImportantOn", 0);
    s.IgnoreCase = flag("IgnoreCase", 0);
    s.NotPeriod = flag("NotPeriod", 0);
    s.ShowComment = flag("ShowComment", 0);
    s.ShowHint = flag("ShowHint", 0);
    s.HintSymbol = ini.readString(kSetup, QStringLiteral("HintSymbol"), QStringLiteral("#"));
    s.MakeLogFile = flag("MakeLogFile", 0);
    s.UseEndQuestionFile = flag("UseEndQuestionFile", 0);
    s.UseEndReferenceFile = flag("UseEndReferenceFile", 0);
    s.AtariOn = flag("AtariOn", 1);
    s.HazureOn = flag("HazureOn", 1);
    s.FinishOn = flag("FinishOn", 0);
    s.ChangeColorOn = flag("ChangeColorOn", 0);
    s.ChangeColorType = flag("ChangeColorType", 1);
    s.ChangeColorPercent = flag("ChangeColorPercent", 50);
    s.PlanOn = flag("PlanOn", 0);
    s.ShowPlanOn = flag("ShowPlanOn", 0);
    s.VoiceOn = flag("VoiceOn", 0);
    s.AutoVoiceOn = flag("AutoVoiceOn", 0);
    // The in-memory value (what the settings dialog shows and writes back)
    // is read with the default "1"; the start-up decision reads it with "0".
    s.SavePosition = flag("SavePosition", 1);
    s.SaveSize = flag("SaveSize", 0);
    s.SaveToolBar = flag("SaveToolBar", 0);
    s.NotFlat = flag("NotFlat", 0);
    s.ShowDate = flag("ShowDate", 0);
    s.DateType = flag("DateType", 0);
    s.moQuestionSize = readHeight(ini, QStringLiteral("moQuestionSize"), 90);
    s.moCommentSize = readHeight(ini, QStringLiteral("moCommentSize"), 50);
    s.moHoleSize = readHeight(ini, QStringLiteral("moHoleSize"), 27);
    s.AddOn = flag("AddOn", 0);

    s.defQuestionFilePath = ini.readString(kFilePath, QStringLiteral("defQuestionFilePath"),
                                           DefaultQuestionFilePath(P));
    s.defReferenceFilePath = ini.readString(kFilePath, QStringLiteral("defReferenceFilePath"),
                                            DefaultReferenceFilePath(P));
    s.defDictionaryFilePath = ini.readString(kFilePath, QStringLiteral("defDictionaryFilePath"),
                                             DefaultDictionaryFilePath(P));
    s.AtariSoundFile = ini.readString(kFilePath, QStringLiteral("AtariSoundFile"),
                                      P + QStringLiteral("hit.wav"));
    s.HazureSoundFile = ini.readString(kFilePath, QStringLiteral("HazureSoundFile"),
                                       P + QStringLiteral("out.wav"));
    s.FinishSoundFile = ini.readString(kFilePath, QStringLiteral("FinishSoundFile"), QString());
    s.SorbellPath = ini.readString(kFilePath, QStringLiteral("SorbellPath"), QString());
    // Learners who set up the companion before the built-in voice existed
    // keep it.
    s.UseBuiltInVoice = flag("UseBuiltInVoice", s.SorbellPath.isEmpty() ? 1 : 0);

    s.FontQuestion = ini.readString(kFont, QStringLiteral("FontQuestion"), kDefaultFace);
    s.FontQuestionSize = ini.readInt(kFont, QStringLiteral("FontQuestionSize"), 15);
    s.FontHole = ini.readString(kFont, QStringLiteral("FontHole"), kDefaultFace);
    s.FontHoleSize = ini.readInt(kFont, QStringLiteral("FontHoleSize"), 14);
    s.FontAnswer = ini.readString(kFont, QStringLiteral("FontAnswer"), kDefaultFace);
    s.FontComment = ini.readString(kFont, QStringLiteral("FontComment"), kDefaultFace);
    s.FontCommentSize = ini.readInt(kFont, QStringLiteral("FontCommentSize"), 14);
    s.FontReference = ini.readString(kFont, QStringLiteral("FontReference"), kDefaultFace);

    s.FontQuestionColor = ini.readInt(kColor, QStringLiteral("FontQuestionColor"), 0);
    s.FontHoleColor = ini.readInt(kColor, QStringLiteral("FontHoleColor"), 16777215);
    s.FontAnswerColor = ini.readInt(kColor, QStringLiteral("FontAnswerColor"), 0);
    s.FontCommentColor = ini.readInt(kColor, QStringLiteral("FontCommentColor"), 0);
    s.FontReferenceColor = ini.readInt(kColor, QStringLiteral("FontReferenceColor"), 0);
    s.ChangeColor = ini.readInt(kColor, QStringLiteral("ChangeColor"), 255);
    s.ColorQuestionNum = ini.readInt(kColor, QStringLiteral("QuestionNum"), 8421376);
    s.ColorAtariNum = ini.readInt(kColor, QStringLiteral("AtariNum"), 8421376);
    s.ColorPercent = ini.readInt(kColor, QStringLiteral("Percent"), 8421376);
    s.ColorTime = ini.readInt(kColor, QStringLiteral("Time"), 8421376);

    s.AnswerType = ini.readInt(kQuestionSetup, QStringLiteral("AnswerType"), 0);
    s.QuestionType = ini.readInt(kQuestionSetup, QStringLiteral("QuestionType"), 0);
    s.QuestionNum = ini.readInt(kQuestionSetup, QStringLiteral("QuestionNum"), 10);
    s.QuestionFile = ini.readString(kQuestionSetup, QStringLiteral("QuestionFile"), QString());
    s.ReferenceFile = ini.readString(kQuestionSetup, QStringLiteral("ReferenceFile"), QString());

    s.DefQuestionFilePath = FlagOn(s.UseEndQuestionFile) ? s.QuestionFile : s.defQuestionFilePath;
    s.DefReferenceFilePath = FlagOn(s.UseEndReferenceFile) ? s.ReferenceFile : s.defReferenceFilePath;
    s.DictionaryFilePath = s.defDictionaryFilePath;

    s.TimeLimitOn = 0;
    s.TimeLimit = 5;
}

bool SaveSettings(const Settings &s, QString *error)
{
    IniFile ini(s.setupIniPath());
    auto setup = [&](const char *key, int v) { ini.writeInt(kSetup, QLatin1String(key), v); };
    auto path = [&](const char *key, const QString &v) { ini.writeString(kFilePath, QLatin1String(key), v); };
    auto font = [&](const char *key, const QString &v) { ini.writeString(kFont, QLatin1String(key), v); };
    auto size = [&](const char *key, int v) { ini.writeInt(kFont, QLatin1String(key), v); };
    auto color = [&](const char *key, int v) { ini.writeInt(kColor, QLatin1String(key), v); };

    setup("ShowResult", s.ShowResult);
    setup("ShowErrorOnly", s.ShowErrorOnly);
    setup("EasyResultAtari", s.EasyResultAtari);
    setup("EasyResultHazure", s.EasyResultHazure);
    setup("ErrorDialogOn", s.ErrorDialogOn);
    setup("ImportantOn", s.ImportantOn);
    setup("AutoImportantOn", s.AutoImportantOn);
    setup("IgnoreCase", s.IgnoreCase);
    setup("NotPeriod", s.NotPeriod);
    setup("RepeatError", s.RepeatError);
    setup("ShowHint", s.ShowHint);
    ini.writeString(kSetup, QStringLiteral("HintSymbol"), s.HintSymbol);
    setup("ShowComment", s.ShowComment);
    setup("MakeLogFile", s.MakeLogFile);
    setup("AutoImeOn", s.AutoImeOn);
    path("defQuestionFilePath", s.defQuestionFilePath);
    path("defReferenceFilePath", s.defReferenceFilePath);
    path("defDictionaryFilePath", s.defDictionaryFilePath);
    setup("UseEndQuestionFile", s.UseEndQuestionFile);
    setup("UseEndReferenceFile", s.UseEndReferenceFile);
    setup("AtariOn", s.AtariOn);
    path("AtariSoundFile", s.AtariSoundFile);
    setup("HazureOn", s.HazureOn);
    path("HazureSoundFile", s.HazureSoundFile);
    setup("FinishOn", s.FinishOn);
    path("FinishSoundFile", s.FinishSoundFile);
    font("FontQuestion", s.FontQuestion);
    size("FontQuestionSize", s.FontQuestionSize);
    color("FontQuestionColor", s.FontQuestionColor);
    font("FontHole", s.FontHole);
    size("FontHoleSize", s.FontHoleSize);
    color("FontHoleColor", s.FontHoleColor);
    font("FontAnswer", s.FontAnswer);
    color("FontAnswerColor", s.FontAnswerColor);
    font("FontComment", s.FontComment);
    size("FontCommentSize", s.FontCommentSize);
    color("FontCommentColor", s.FontCommentColor);
    font("FontReference", s.FontReference);
    color("FontReferenceColor", s.FontReferenceColor);
    setup("ChangeColorOn", s.ChangeColorOn);
    setup("ChangeColorType", s.ChangeColorType);
    setup("ChangeColorPercent", s.ChangeColorPercent);
    color("ChangeColor", s.ChangeColor);
    color("QuestionNum", s.ColorQuestionNum);
    color("AtariNum", s.ColorAtariNum);
    color("Percent", s.ColorPercent);
    color("Time", s.ColorTime);
    setup("SavePosition", s.SavePosition);
    setup("SaveSize", s.SaveSize);
    setup("SaveToolBar", s.SaveToolBar);
    setup("NotFlat", s.NotFlat);
    setup("ShowDate", s.ShowDate);
    setup("DateType", s.DateType);
    setup("moQuestionSize", s.moQuestionSize);
    setup("moCommentSize", s.moCommentSize);
    setup("moHoleSize", s.moHoleSize);
    setup("PlanOn", s.PlanOn);
    setup("ShowPlanOn", s.ShowPlanOn);
    path("SorbellPath", s.SorbellPath);
    setup("VoiceOn", s.VoiceOn);
    setup("AutoVoiceOn", s.AutoVoiceOn);
    setup("UseBuiltInVoice", s.UseBuiltInVoice);
    // AddOn belongs to the result check dialog, which writes it itself.
    return ini.save(error);
}
