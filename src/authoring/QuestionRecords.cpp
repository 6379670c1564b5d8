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
        records.append(r);
    }
    return records;
}

QStringList QuestionRecordLines(const QVector<QuestionRecord> &records)
{
    QStringList out;
    out.reserve(records.size() * 6);
    for (const QuestionRecord &r : records)
        out << kHash + r.Keyword << r.English << r.Japanese << r.Comment << r.Hole << QString();
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
    if (!TextFile::write(path, text, TextFile::Policy::Shared)) {
        if (message)
            *message = SaveFailedMessage();
        return false;
    }
    return true;
}
