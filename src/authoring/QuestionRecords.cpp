#include "authoring/QuestionRecords.h"

#include "platform/TextFile.h"
#include "reference/MakerChecks.h"

namespace {

const QChar kHash = QLatin1Char('#');

struct Field
{
    const QString *value;
    const char16_t *name;
    int limit;
};

// The fields of a record with their names and byte limits.
QVector<Field> fieldsOf(const QuestionRecord &r)
{
    return {{&r.Keyword, u"キーワード", Maker::KeywordLimit},
            {&r.English, u"英文", Maker::LineLimit},
            {&r.Japanese, u"日本語訳", Maker::LineLimit},
            {&r.Comment, u"コメント", Maker::LineLimit},
            {&r.Hole, u"穴埋め個所", Maker::LineLimit}};
}

// The first field that does not fit the file: a character the encoding
// cannot hold, or more bytes than its limit. Empty when every field fits.
QString fieldProblem(const QuestionRecord &r, TextFile::Encoding encoding)
{
    for (const Field &f : fieldsOf(r)) {
        const QString name = QString::fromUtf16(f.name);
        QString refused;
        if (!TextFile::canEncode(*f.value, encoding, &refused))
            return TextFile::unstorableMessage(name, refused);
        if (TextFile::byteLength(*f.value, encoding) > f.limit)
            return name + QStringLiteral("が長すぎます（%1 バイトまで）").arg(f.limit);
    }
    return QString();
}

} // namespace

QVector<QuestionRecord> ParseQuestionRecords(const QStringList &lines, int *cutShortLine)
{
    QVector<QuestionRecord> records;
    if (cutShortLine)
        *cutShortLine = -1;
    int record = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).contains(kHash))
            continue;
        if (i + 4 >= lines.size() && cutShortLine && *cutShortLine < 0)
            *cutShortLine = i;
        QuestionRecord r;
        r.Keyword = lines.at(i).mid(1);
        r.English = lines.value(i + 1);
        r.Japanese = lines.value(i + 2);
        r.Comment = lines.value(i + 3);
        r.Hole = lines.value(i + 4);
        // A "#" line beyond the four lines of the record before starts a
        // record; one inside them is an inner row of that record.
        if (record < 0 || i > record + 4)
            record = i;
        r.Source.Line = i;
        r.Source.Lines = QStringList{lines.at(i), r.English, r.Japanese, r.Comment, r.Hole};
        r.Source.Record = record;
        records.append(r);
    }
    // How many rows each record has and how far its lines go: to the end of
    // its last row, but never into the next record.
    for (int first = 0; first < records.size();) {
        int next = first;
        int end = -1;
        const int start = records.at(first).Source.Record;
        while (next < records.size() && records.at(next).Source.Record == start) {
            end = qMax(end, records.at(next).Source.Line + 4);
            ++next;
        }
        const bool reachesNext = next < records.size() && end >= records.at(next).Source.Record - 1;
        if (reachesNext)
            end = records.at(next).Source.Record - 1;
        for (int k = first; k < next; ++k) {
            records[k].Source.RecordRows = next - first;
            records[k].Source.RecordEnd = end;
            records[k].Source.EndsAtNext = reachesNext;
        }
        first = next;
    }
    return records;
}

namespace {

// Line `line` of the file as a loaded row gives it ("" outside its lines).
QString lineOfRow(const QuestionRecord &r, int line)
{
    return r.Source.Lines.value(line - r.Source.Line);
}

void appendRecord(QStringList &out, const QuestionRecord &r)
{
    out << (r.unchanged() ? r.Source.Lines.at(0) : kHash + r.Keyword) << r.English << r.Japanese << r.Comment << r.Hole << QString();
}

} // namespace

QStringList QuestionRecordLines(const QVector<QuestionRecord> &records)
{
    QStringList out;
    out.reserve(records.size() * 6);
    const int n = int(records.size());
    for (int i = 0; i < n;) {
        const RecordSource &src = records.at(i).Source;
        if (src.Record < 0) {
            appendRecord(out, records.at(i));
            ++i;
            continue;
        }
        int j = i;
        bool unchanged = true;
        while (j < n && records.at(j).Source.Record == src.Record) {
            unchanged = unchanged && records.at(j).unchanged();
            ++j;
        }
        unchanged = unchanged && j - i == src.RecordRows;
        if (unchanged) {
            // As loaded: the record's lines exactly as they stood.
            QStringList lines(src.RecordEnd - src.Record + 1);
            for (int k = i; k < j; ++k)
                for (int line = records.at(k).Source.Line;
                     line <= qMin(records.at(k).Source.Line + 4, src.RecordEnd); ++line)
                    lines[line - src.Record] = lineOfRow(records.at(k), line);
            out << lines;
            if (!src.EndsAtNext)
                out << QString();
        } else {
            for (int k = i; k < j; ++k) {
                const QuestionRecord &r = records.at(k);
                const bool recordRow = r.Source.Line == r.Source.Record;
                // An inner row left as it was is text inside its record's
                // lines; it is written only when it holds lines beyond them.
                bool ownLines = false;
                for (int line = r.Source.Record + 5; line <= qMin(r.Source.Line + 4, r.Source.RecordEnd);
                     ++line)
                    ownLines = ownLines || !lineOfRow(r, line).trimmed().isEmpty();
                if (recordRow || !r.unchanged() || ownLines)
                    appendRecord(out, r);
            }
        }
        i = j;
    }
    return out;
}

QString CheckEditedRecord(const QuestionRecord &r, TextFile::Encoding encoding)
{
    if (r.English.contains(kHash) || r.Japanese.contains(kHash) || r.Comment.contains(kHash)
        || r.Hole.contains(kHash))
        return QStringLiteral("英文、日本語訳、コメント、穴埋め個所には「#」を使えません");
    if (Maker::hasLineBreak(r.Keyword) || Maker::hasLineBreak(r.English)
        || Maker::hasLineBreak(r.Japanese) || Maker::hasLineBreak(r.Comment)
        || Maker::hasLineBreak(r.Hole))
        return QStringLiteral("改行を含む文は記入できません");
    return fieldProblem(r, encoding);
}

QString SaveFailedMessage()
{
    return QStringLiteral("ファイルを開く事が出来ませんでした\n指定したファイルが存在するかどうか調べてください");
}

bool SaveQuestionRecords(const QString &path, const QVector<QuestionRecord> &records,
                         QString *message, const TextFile::Text &loaded)
{
    if (path.isEmpty() || TextFile::byteLength(path) > Maker::PathLimit) {
        if (message)
            *message = SaveFailedMessage();
        return false;
    }
    for (int i = 0; i < records.size(); ++i) {
        const QString problem = fieldProblem(records.at(i), loaded.encoding);
        if (!problem.isEmpty()) {
            if (message)
                *message = QStringLiteral("%1 番目の問題の").arg(i + 1) + problem
                           + QStringLiteral("\n保存しませんでした");
            return false;
        }
    }
    TextFile::Text text = loaded;
    text.lines = QuestionRecordLines(records);
    QString why;
    if (!TextFile::write(path, text, TextFile::Policy::Shared, &why)) {
        if (message)
            *message = SaveFailedMessage() + QLatin1Char('\n') + why;
        return false;
    }
    return true;
}
