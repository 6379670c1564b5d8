#include "drill/Collection.h"

#include "drill/CollectionFile.h"
#include "drill/DrillState.h"
#include "platform/Paths.h"
#include "reference/MakerChecks.h"

#include <QLocale>

#include <climits>

namespace {
constexpr int kRecordLines = 5;

DrillRecord &recordInUse(DrillState &d)
{
    // DrillCount stays inside the room (FinishDrillRecord sees to it); guard
    // anyway so that no caller can write outside it.
    if (d.Drills.size() != DrillState::MaxDrills + 1)
        d.Drills.resize(DrillState::MaxDrills + 1);
    const int i = qBound(0, d.DrillCount, DrillState::MaxDrills);
    return d.Drills[i];
}

bool setLine(QVector<int> &lines, int index, int line)
{
    if (index < 0 || index >= DrillRecord::MaxLines)
        return false;
    if (index >= lines.size())
        lines.resize(index + 1);
    lines[index] = line;
    return true;
}
} // namespace

QStringList ScanQuestionLines(const QStringList &lines)
{
    QStringList index;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(QLatin1Char('#')))
            index.append(QString::number(i));
    }
    return index;
}

QString CollectionLineProblemAt(const QString &line, int index, TextFile::Encoding encoding)
{
    // No character takes more than three bytes per UTF-16 unit, so short
    // lines need no counting.
    if (line.size() * 3 <= Maker::KeywordLimit)
        return QString();
    const bool keyword = line.contains(QLatin1Char('#'));
    const int limit = keyword ? Maker::KeywordLimit : Maker::LineLimit;
    const int bytes = TextFile::byteLength(keyword ? line.mid(1) : line, encoding);
    if (bytes <= limit)
        return QString();
    const QString what = keyword ? QStringLiteral("キーワード") : QStringLiteral("行");
    return QStringLiteral("問題集の %1 行目が長すぎるため、この問題集は使えません。\n"
                          "%2は %3 バイトまでです（この行は %4 バイト）。")
        .arg(index + 1)
        .arg(what, QLocale(QLocale::English).toString(limit),
             QLocale(QLocale::English).toString(bytes));
}

QString CollectionLineProblem(const QStringList &lines, int first, int count,
                              TextFile::Encoding encoding)
{
    const int end = count < 0 ? int(lines.size()) : qMin(int(lines.size()), first + count);
    for (int i = qMax(0, first); i < end; ++i) {
        const QString problem = CollectionLineProblemAt(lines.at(i), i, encoding);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

QString CollectionErrorCaption()
{
    return QStringLiteral("エラー");
}

namespace {

bool checkForDrill(int lineCount, int lastQuestionLine, bool empty, QString *error)
{
    if (empty) {
        if (error)
            *error = QStringLiteral("問題集に問題がありません。\n"
                                    "「#」で始まるキーワード行のある問題集を選んでください。");
        return false;
    }
    if (lastQuestionLine + kRecordLines > lineCount) {
        if (error)
            *error = QStringLiteral("問題集の最後の問題が途中で終わっています（%1 行目）。\n"
                                    "キーワード行の後には、英文・日本文・コメント・"
                                    "穴埋め単語の 4 行が必要です。")
                         .arg(lastQuestionLine + 1);
        return false;
    }
    return true;
}

bool refuseOverLongLine(const CollectionFile &file, QString *error)
{
    if (file.lineProblem().isEmpty())
        return false;
    if (error)
        *error = file.lineProblem();
    return true;
}

// Lines line .. line + 4 as the current question.
bool fillQuestion(const QStringList &record, int line, int questionType, DrillState &d,
                  QString *error)
{
    if (line < 0 || record.size() < kRecordLines) {
        if (error)
            *error = QStringLiteral("問題集の %1 行目から問題を読み込めません。\n"
                                    "問題集が変更された可能性があります。")
                         .arg(line + 1);
        return false;
    }
    const QString &english = record.at(1);
    const QString &japanese = record.at(2);
    d.CurrentLine = line;
    d.CurrentKeyword = record.at(0);
    if (questionType == 1) {
        d.QuestionText = english;
        d.AnswerText = japanese;
    } else {
        d.QuestionText = japanese;
        d.AnswerText = english;
    }
    d.CommentText = record.at(3);
    d.HoleWords = record.at(4);
    return true;
}

} // namespace

bool CheckCollectionForDrill(const QStringList &lines, const QStringList &questionIndex,
                             QString *error)
{
    return checkForDrill(int(lines.size()),
                         questionIndex.isEmpty() ? 0 : questionIndex.constLast().toInt(),
                         questionIndex.isEmpty(), error);
}

bool ScanCollection(const QString &path, QStringList &lstQuestionIndex, QString *error)
{
    lstQuestionIndex.clear();
    // The collection's name names its record files in the user folder: a
    // line break or another control character cannot be part of them.
    if (Paths::hasControlCharacter(Paths::fileName(path))) {
        if (error)
            *error = QStringLiteral("問題集のファイル名に改行などの制御文字が含まれているため、"
                                    "この問題集では学習できません。\n") + path;
        return false;
    }
    const auto file = CollectionFile::read(path, error);
    if (!file || refuseOverLongLine(*file, error))
        return false;
    const QVector<int> &questions = file->questionLines();
    if (!checkForDrill(file->lineCount(), questions.isEmpty() ? 0 : questions.constLast(),
                       questions.isEmpty(), error))
        return false;
    lstQuestionIndex.reserve(questions.size());
    for (int line : questions)
        lstQuestionIndex.append(QString::number(line));
    return true;
}

bool LoadQuestionFromLines(const QStringList &lines, int line, int questionType,
                           DrillState &d, QString *error, TextFile::Encoding encoding)
{
    const QStringList record = line >= 0 && line + kRecordLines <= lines.size()
                                   ? lines.mid(line, kRecordLines)
                                   : QStringList();
    const QString tooLong =
        record.isEmpty() ? QString() : CollectionLineProblem(lines, line, kRecordLines, encoding);
    if (!tooLong.isEmpty()) {
        if (error)
            *error = tooLong;
        return false;
    }
    return fillQuestion(record, line, questionType, d, error);
}

bool LoadQuestion(const QString &path, int line, int questionType, DrillState &d,
                  QString *error)
{
    // A file changed since it was scanned is refused as a whole again.
    const auto file = CollectionFile::read(path, error);
    if (!file || refuseOverLongLine(*file, error))
        return false;
    QStringList record;
    if (line >= 0 && line + kRecordLines <= file->lineCount())
        for (int i = line; i < line + kRecordLines; ++i)
            record.append(file->line(i));
    return fillQuestion(record, line, questionType, d, error);
}

void BeginDrillRecord(DrillState &d, const QString &questionFile,
                      const QString &referenceFile, const QString &startTime)
{
    DrillRecord &r = recordInUse(d);
    r = DrillRecord();
    r.QuestionFile = questionFile;
    r.ReferenceFile = referenceFile;
    r.StartTime = startTime;
}

bool RecordAskedLine(DrillState &d, int index, int line)
{
    return setLine(recordInUse(d).AskedLines, index, line);
}

bool RecordWrongLine(DrillState &d, int index, int line)
{
    return setLine(recordInUse(d).WrongLines, index, line);
}

void FinishDrillRecord(DrillState &d, const QString &correctRate, const QString &questionFile,
                       const QString &referenceFile, const QString &endTime)
{
    DrillRecord &r = recordInUse(d);
    r.PlannedCount = d.QuestionNum;
    r.AtariCount = d.AtariCount;
    r.HazureCount = d.HazureCount;
    r.CorrectRate = correctRate;
    r.QuestionFile = questionFile;
    r.ReferenceFile = referenceFile;
    r.EndTime = endTime;
    if (d.FinishedDrills < INT_MAX)
        ++d.FinishedDrills;
    r.Number = d.FinishedDrills;

    d.DrillCount = qBound(0, d.DrillCount, DrillState::MaxDrills) + 1;
    if (d.DrillCount > DrillState::MaxDrills) {
        // Room full: the oldest drill makes way for the next one.
        d.Drills.removeFirst();
        d.Drills.append(DrillRecord());
        d.DrillCount = DrillState::MaxDrills;
    }
}

int DrillNumberOf(const DrillState &d, int index)
{
    const DrillRecord *r = FinishedRecord(d, index);
    if (!r)
        return 0;
    return r->Number > 0 ? r->Number : index + 1;
}

int RecordIndexOfDrill(const DrillState &d, int number)
{
    for (int i = 0; i < d.DrillCount && i < d.Drills.size(); ++i)
        if (DrillNumberOf(d, i) == number)
            return i;
    return -1;
}

int ReviewedRecordIndex(const DrillState &d)
{
    return RecordIndexOfDrill(d, d.PrevDrill + 1);
}

const DrillRecord *FinishedDrill(const DrillState &d, int number)
{
    return FinishedRecord(d, RecordIndexOfDrill(d, number));
}

const DrillRecord *FinishedRecord(const DrillState &d, int index)
{
    if (index < 0 || index >= d.DrillCount || index >= d.Drills.size())
        return nullptr;
    return &d.Drills.at(index);
}

int ReviewableCount(const DrillState &d, int index, bool wrongOnly)
{
    const DrillRecord *r = FinishedRecord(d, index);
    if (!r)
        return 0;
    if (wrongOnly)
        return qMax(0, qMin(r->HazureCount, int(r->WrongLines.size())));
    return qMax(0, qMin(r->PlannedCount, int(r->AskedLines.size())));
}
