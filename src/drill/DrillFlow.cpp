#include "drill/DrillFlow.h"

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "drill/QuestionSet.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "records/Answers.h"
#include "records/RecordPaths.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"


namespace {
QString setupSection()
{
    return QStringLiteral("QuestionSetup");
}

int onOff(const IniFile &ini, const QString &key)
{
    return ini.readInt(setupSection(), key, 0) != 0 ? 1 : 0;
}
} // namespace

QuestionSetupValues ReadQuestionSetup(const QString &setupIni)
{
    const IniFile ini(setupIni);
    QuestionSetupValues v;
    v.SelfStudyOn = onOff(ini, QStringLiteral("SelfStudyOn"));
    if (v.SelfStudyOn)
        v.SelfStudyTime = ini.readString(setupSection(), QStringLiteral("SelfStudyTime"),
                                         QStringLiteral("5"));
    v.Option = onOff(ini, QStringLiteral("Option"));
    v.SameQuestion = onOff(ini, QStringLiteral("SameQuestion"));
    v.ErrorOnly = onOff(ini, QStringLiteral("ErrorOnly"));
    if (v.SameQuestion || v.ErrorOnly)
        v.PrevQuestionNum = ini.readString(setupSection(), QStringLiteral("PrevQuestionNum"),
                                           QStringLiteral("0"));
    v.NotSameQuestion = onOff(ini, QStringLiteral("NotSameQuestion"));
    v.NotRandom = onOff(ini, QStringLiteral("NotRandom"));
    v.NotRandomContinue = onOff(ini, QStringLiteral("NotRandomContinue"));
    return v;
}

bool WriteQuestionSetup(const QString &setupIni, const QuestionSetupValues &v, QString *error)
{
    IniFile ini(setupIni);
    const QString s = setupSection();
    ini.writeInt(s, QStringLiteral("SelfStudyOn"), v.SelfStudyOn);
    ini.writeString(s, QStringLiteral("SelfStudyTime"), v.SelfStudyTime);
    ini.writeInt(s, QStringLiteral("Option"), v.Option ? 1 : 0);
    ini.writeInt(s, QStringLiteral("SameQuestion"), v.SameQuestion);
    ini.writeInt(s, QStringLiteral("ErrorOnly"), v.ErrorOnly);
    ini.writeString(s, QStringLiteral("PrevQuestionNum"), v.PrevQuestionNum);
    ini.writeInt(s, QStringLiteral("NotSameQuestion"), v.NotSameQuestion);
    ini.writeInt(s, QStringLiteral("NotRandom"), v.NotRandom);
    ini.writeInt(s, QStringLiteral("NotRandomContinue"), v.NotRandomContinue);
    return ini.save(error);
}

DrillFilesSnapshot::DrillFilesSnapshot(const DrillState &d, const Settings &s)
    : PrevDrill(d.PrevDrill), QuestionFilePath(s.QuestionFilePath),
      ReferenceFilePath(s.ReferenceFilePath), QuestionBaseName(s.QuestionBaseName)
{
}

void DrillFilesSnapshot::restore(DrillState &d, Settings &s) const
{
    d.PrevDrill = PrevDrill;
    s.QuestionFilePath = QuestionFilePath;
    s.ReferenceFilePath = ReferenceFilePath;
    s.QuestionBaseName = QuestionBaseName;
}

void EndReviewOption(DrillState &d)
{
    d.SameQuestion = 0;
    d.ErrorOnly = 0;
}

bool UseReviewedDrillFiles(const DrillState &d, Settings &s)
{
    if (!d.SameQuestion && !d.ErrorOnly)
        return false;
    const DrillRecord *r = FinishedRecord(d, ReviewedRecordIndex(d));
    if (!r)
        return false;
    s.QuestionFilePath = r->QuestionFile;
    s.ReferenceFilePath = r->ReferenceFile;
    return true;
}

DrillStartFiles PrepareDrillStart(DrillState &d, Settings &s)
{
    DrillStartFiles out;
    s.QuestionBaseName = Paths::baseName(s.QuestionFilePath);
    if (!AddRecentFile(s, RecentList::Question, s.QuestionFilePath, &out.questionAdded, &out.error))
        out.questionAdded = false;
    if (!Paths::fileName(s.ReferenceFilePath).isEmpty()
        && !AddRecentFile(s, RecentList::Reference, s.ReferenceFilePath, &out.referenceAdded,
                          &out.error))
        out.referenceAdded = false;
    InitAnswersFile(AnswersFile(s));
    if (d.NotSameQuestion == 1)
        BuildNotSameQuestion(d);
    return out;
}
