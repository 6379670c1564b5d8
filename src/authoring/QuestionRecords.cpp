#include "authoring/QuestionRecords.h"

#include "platform/TextFile.h"
#include "reference/MakerChecks.h"

namespace {

const QChar kHash = QLatin1Char('#');

// The first field of `record` over its limit, as "<name>" text; empty when
// every field fits.
QString overLimitField(const QuestionRecord &r)
{
    if (TextFile::byteLength(r.Keyword) > Maker::KeywordLimit)
        return QStringLiteral("キーワード");
    const struct { const QString *value; const char16_t *name; } fields[] = {
        {&r.English, u"英文"}, {&r.Japanese, u"日本語訳"},
        {&r.Comment, u"コメント"}, {&r.Hole, u"穴埋め個所"}};
    for (const auto &f : fields) {
        if (TextFile::byteLength(*f.value) > Maker::LineLimit)
            return QString::fromUtf16(f.name);
    }
    return QString();
}

QString limitText(const QString &field)
{
    const int limit = field == QStringLiteral("キーワード") ? Maker::KeywordLimit
                                                           : Maker::LineLimit;
    return field + QStringLiteral("が長すぎます（%1 バイトまで）").arg(limit);
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

QString CheckEditedRecord(const QuestionRecord &r)
{
    if (r.English.contains(kHash) || r.Japanese.contains(kHash) || r.Comment.contains(kHash)
        || r.Hole.contains(kHash))
        return QStringLiteral("英文、日本語訳、コメント、穴埋め個所には「#」を使えません");
    if (Maker::hasLineBreak(r.Keyword) || Maker::hasLineBreak(r.English)
        || Maker::hasLineBreak(r.Japanese) || Maker::hasLineBreak(r.Comment)
        || Maker::hasLineBreak(r.Hole))
        return QStringLiteral("改行を含む文は記入できません");
    const QString field = overLimitField(r);
    return field.isEmpty() ? QString() : limitText(field);
}

QString SaveFailedMessage()
{
    return QStringLiteral("ファイルを開く事が出来ませんでした\n指定したファイルが存在するかどうか調べてください");
}

bool SaveQuestionRecords(const QString &path, const QVector<QuestionRecord> &records,
                         QString *message)
{
    if (path.isEmpty() || TextFile::byteLength(path) > Maker::PathLimit) {
        if (message)
            *message = SaveFailedMessage();
        return false;
    }
    for (int i = 0; i < records.size(); ++i) {
        const QString field = overLimitField(records.at(i));
        if (!field.isEmpty()) {
            if (message)
                *message = QStringLiteral("%1 番目の問題の").arg(i + 1) + limitText(field)
                           + QStringLiteral("\n保存しませんでした");
            return false;
        }
    }
    if (!TextFile::writeLines(path, QuestionRecordLines(records))) {
        if (message)
            *message = SaveFailedMessage();
        return false;
    }
    return true;
}
