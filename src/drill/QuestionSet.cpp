#include "drill/QuestionSet.h"

#include "drill/Collection.h"
#include "drill/CollectionFile.h"
#include "drill/DrillState.h"
#include "drill/RemainingEntries.h"
#include "platform/Random.h"
#include "records/Importance.h"
#include "records/RecordFile.h"

#include <QFile>

namespace {
QString notSetMessage()
{
    return QStringLiteral("出題数が設定されていません。");
}

bool parseQuestionNum(const QString &text, int *number)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1)
        return false;
    if (number)
        *number = n;
    return true;
}

QuestionChoice refused(const QString &caption, const QString &message)
{
    QuestionChoice c;
    c.caption = caption;
    c.message = message;
    return c;
}

QuestionChoice chosen(int line)
{
    QuestionChoice c;
    c.ok = true;
    c.line = line;
    return c;
}

QuestionChoice entryOf(const QStringList &list, int pos)
{
    if (pos < 0 || pos >= list.size())
        return refused(CollectionErrorCaption(), QStringLiteral("出題できる問題がありません。"));
    return chosen(list.at(pos).toInt());
}

} // namespace

QuestionChoice ReviewQuestion(const DrillState &d, bool wrongOnly, int index)
{
    const DrillRecord *r = FinishedRecord(d, ReviewedRecordIndex(d));
    if (!r || index < 0 || index >= ReviewableCount(d, ReviewedRecordIndex(d), wrongOnly))
        return QuestionChoice(); // used up: the drill ends
    return chosen(wrongOnly ? r->WrongLines.at(index) : r->AskedLines.at(index));
}

QString CheckSetupInput(const QString &questionNumText, const QString &questionFileText,
                        const QString &referenceFileText, int *number)
{
    if (!parseQuestionNum(questionNumText, number))
        return notSetMessage();
    if (questionFileText.isEmpty())
        return QStringLiteral("問題集が選択されていません。");
    if (referenceFileText.isEmpty())
        return QStringLiteral("参考書が選択されていません。");
    return QString();
}

QString CheckQuickStartInput(const QString &questionNumText, int *number)
{
    return parseQuestionNum(questionNumText, number) ? QString() : notSetMessage();
}

QString QuickStartErrorCaption()
{
    return QStringLiteral("出題開始エラー");
}

void ChooseDrillOption(DrillState &d, DrillOption option)
{
    d.SameQuestion = option == DrillOption::SameQuestion ? 1 : 0;
    d.ErrorOnly = option == DrillOption::ErrorOnly ? 1 : 0;
    d.NotSameQuestion = option == DrillOption::NotSameQuestion ? 1 : 0;
    d.NotRandom = option == DrillOption::NotRandom ? 1 : 0;
    if (option != DrillOption::NotRandom)
        d.NotRandomContinue = 0;
}

void ClearDrillOptions(DrillState &d)
{
    ChooseDrillOption(d, DrillOption::None);
}

DrillOption ActiveOption(const DrillState &d)
{
    if (d.SameQuestion)
        return DrillOption::SameQuestion;
    if (d.ErrorOnly)
        return DrillOption::ErrorOnly;
    if (d.NotSameQuestion)
        return DrillOption::NotSameQuestion;
    if (d.NotRandom)
        return DrillOption::NotRandom;
    return DrillOption::None;
}

void ResetImportanceFilterOnOpen(DrillState &d)
{
    d.ImportantOnly = 0;
    d.NormalAfterImportant = 0;
}

void ShuffleList(const QStringList &source, QStringList &scratch, QStringList &target,
                 Random &rng)
{
    // Entry k of what is left is drawn each time, as deleting it from a copy
    // of the list would; the entries left are counted in a tree instead, so
    // that a long list is not moved up once per draw. The scratch list ends
    // empty, as the copy would.
    target.clear();
    scratch.clear();
    target.reserve(source.size());
    RemainingEntries left(int(source.size()));
    while (left.size() > 0)
        target.append(source.at(left.take(rng.index(left.size()))));
}

void BuildNotSameQuestion(DrillState &d)
{
    ShuffleList(d.lstQuestionIndex, d.lstTempNotSameQuestion, d.lstNotSameQuestion,
                Random::global());
}

int BuildImportantIndex(DrillState &d, const QVector<QPair<int, int>> &pairs)
{
    d.lstTempImportantIndex.clear();
    d.lstImportantIndex.clear();
    for (const auto &p : pairs) {
        if (p.first >= 1 && d.ImportantLevels.contains(p.first))
            d.lstTempImportantIndex.append(QString::number(p.second));
    }
    const QStringList found = d.lstTempImportantIndex;
    ShuffleList(found, d.lstTempImportantIndex, d.lstImportantIndex, Random::global());
    return int(d.lstImportantIndex.size());
}

QVector<int> ImportanceLevelsFromButtons(const bool down[5])
{
    QVector<int> levels;
    for (int k = 1; k <= 5; ++k)
        levels.append(down[k - 1] ? k : -1);
    return levels;
}

ReviewHint BuildReviewHint(const DrillState &d, int prevNum, bool wrongOnly)
{
    ReviewHint h;
    const int index = RecordIndexOfDrill(d, prevNum);
    const DrillRecord *r = FinishedRecord(d, index);
    if (!r) {
        h.hint = ReviewNoDataMark();
        return h;
    }
    h.questionFile = r->QuestionFile;
    h.referenceFile = r->ReferenceFile;
    h.hint = ReviewPlannedMark();
    if (wrongOnly && r->HazureCount == 0)
        h.hint = ReviewNoDataMark();
    h.count = ReviewableCount(d, index, wrongOnly);

    const auto file = CollectionFile::read(r->QuestionFile);
    if (!file)
        return h;
    const QVector<int> &qs = wrongOnly ? r->WrongLines : r->AskedLines;
    for (int i = 0; i < h.count; ++i) {
        h.hint += QLatin1Char('\n');
        h.hint += file->line(qs.at(i) + 1);
    }
    return h;
}

// The position is saved after every answer of a resumed drill: through the
// record store, which changes the one value in place when it can.
int ReadContinuePos(const QString &setupIni, const QString &collectionFileName)
{
    const RecordFile ini(setupIni);
    return ini.readInt(QStringLiteral("NotRandomContinue"), collectionFileName, 0);
}

bool SaveContinuePos(const QString &setupIni, const QString &collectionFileName, int pos,
                     QString *error)
{
    RecordFile ini(setupIni);
    ini.writeInt(QStringLiteral("NotRandomContinue"), collectionFileName, pos);
    return ini.save(error);
}

QuestionChoice ChooseFirstQuestion(DrillState &d, int savedContinuePos,
                                   const QString &importanceFile)
{
    d.NotSamePos = 0;
    d.NotRandomPos = 0;
    switch (ActiveOption(d)) {
    case DrillOption::SameQuestion:
    case DrillOption::ErrorOnly: {
        const bool wrongOnly = d.SameQuestion == 0;
        const int available = ReviewableCount(d, ReviewedRecordIndex(d), wrongOnly);
        if (available == 0)
            return refused(ImportanceUnavailableCaption(),
                           QStringLiteral("復習する問題の記録がありません。"));
        d.QuestionNum = qMin(d.QuestionNum, available);
        return ReviewQuestion(d, wrongOnly, 0);
    }
    case DrillOption::NotSameQuestion:
        return entryOf(d.lstNotSameQuestion, 0);
    case DrillOption::NotRandom:
        if (d.NotRandomContinue) {
            d.ContinuePos = savedContinuePos;
            if (d.ContinuePos < 0 || d.ContinuePos >= d.lstQuestionIndex.size())
                d.ContinuePos = 0;
            return entryOf(d.lstQuestionIndex, d.ContinuePos);
        }
        return entryOf(d.lstQuestionIndex, 0);
    case DrillOption::None:
        break;
    }
    if (d.ImportantOnly) {
        d.ImportantPos = 0;
        QFile file(importanceFile);
        if (!file.open(QIODevice::ReadOnly))
            return refused(QStringLiteral("エラー"), ImportanceOpenErrorMessage(importanceFile));
        file.close();
        if (BuildImportantIndex(d, ReadImportancePairs(importanceFile)) == 0)
            return refused(ImportanceUnavailableCaption(), NoImportantQuestionsMessage());
        return entryOf(d.lstImportantIndex, 0);
    }
    return ChooseQuickStartQuestion(d);
}

QuestionChoice ChooseQuickStartQuestion(DrillState &d)
{
    d.NotSamePos = 0;
    d.NotRandomPos = 0;
    const int k = Random::global().index(int(d.lstQuestionIndex.size()));
    return entryOf(d.lstQuestionIndex, k);
}

QString ImportanceUnavailableCaption()
{
    return QStringLiteral("選択不可能");
}

QString ImportanceFileMissingMessage()
{
    return QStringLiteral("指定された辞書の単語には重要度が設定されていません");
}

QString NoImportantQuestionsMessage()
{
    return QStringLiteral("指定された重要度の単語がありません");
}

QString ImportanceOpenErrorMessage(const QString &importanceFile)
{
    return importanceFile + QStringLiteral("を開くことができません");
}
