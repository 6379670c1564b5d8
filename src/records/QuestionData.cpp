#include "records/QuestionData.h"

#include "platform/CorrectRate.h"
#include "records/RecordFile.h"

namespace {
const QString kAsked = QStringLiteral("出題数");
const QString kAtari = QStringLiteral("正解数");
const QString kRate = QStringLiteral("正解率");
}

QString QuestionDataSection(int questionType, const QString &questionText,
                            const QString &answerText)
{
    return questionType == 1 ? questionText : answerText;
}

QuestionData LoadQuestionData(const QString &dataFile, const QString &englishSentence)
{
    const RecordFile ini(dataFile);
    QuestionData d;
    d.Asked = qMax(0, ini.readInt(englishSentence, kAsked, 0));
    d.Atari = qMax(0, ini.readInt(englishSentence, kAtari, 0));
    d.Rate = ini.readString(englishSentence, kRate, QStringLiteral("0"));
    return d;
}

bool SaveQuestionData(const QString &dataFile, const QString &englishSentence,
                      const QuestionData &d, QString *error)
{
    RecordFile ini(dataFile);
    ini.writeInt(englishSentence, kAsked, d.Asked);
    ini.writeInt(englishSentence, kAtari, d.Atari);
    ini.writeString(englishSentence, kRate, d.Rate);
    return ini.save(error);
}

void CountQuestionAnswer(QuestionData &d, bool correct)
{
    AddOneToCount(d.Asked);
    if (correct)
        AddOneToCount(d.Atari);
    d.Rate = CorrectRate(d.Atari, d.Asked);
}

void AcceptQuestionAnswer(QuestionData &d)
{
    AddOneToCount(d.Atari);
    d.Rate = CorrectRate(d.Atari, d.Asked);
}
