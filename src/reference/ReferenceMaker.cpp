#include "reference/ReferenceMaker.h"

#include "platform/TextFile.h"
#include "reference/MakerChecks.h"

QStringList ReferenceEntryLines(const QString &keyword, const QStringList &explanation)
{
    QStringList lines;
    lines.reserve(explanation.size() + 3);
    lines << QLatin1Char('#') + keyword << QString::number(explanation.size());
    lines << explanation;
    lines << QString();
    return lines;
}

namespace {
ReferenceAdd refused(const QString &message, ReferenceAdd::Field field = ReferenceAdd::NoField)
{
    ReferenceAdd r;
    r.message = message;
    r.field = field;
    return r;
}
} // namespace

ReferenceAdd AddReferenceEntry(const QString &target, const QString &keyword,
                               const QStringList &explanation)
{
    if (target.isEmpty())
        return refused(QStringLiteral("追加先の参考書が指定されていません。"));
    if (keyword.isEmpty())
        return refused(QStringLiteral("キーワードが記入されていません。"), ReferenceAdd::KeywordField);
    if (explanation.isEmpty() || explanation.first().isEmpty())
        return refused(QStringLiteral("解説が記入されていません。"), ReferenceAdd::ExplanationField);

    QString problem = Maker::pathProblem(target);
    if (!problem.isEmpty())
        return refused(problem);
    const TextFile::Encoding encoding = TextFile::fileEncoding(target);
    problem = Maker::lineProblem(keyword, QStringLiteral("キーワード"), Maker::KeywordLimit,
                                 encoding);
    if (!problem.isEmpty())
        return refused(problem, ReferenceAdd::KeywordField);
    for (int i = 0; i < explanation.size(); ++i) {
        const QString &line = explanation.at(i);
        const QString what = QStringLiteral("解説の %1 行目").arg(i + 1);
        problem = Maker::lineProblem(line, what, Maker::LineLimit, encoding);
        if (problem.isEmpty() && line.contains(QLatin1Char('#')))
            problem = what + QStringLiteral("に「#」は使えません。\n"
                                            "「#」を含む行はキーワードの行として読まれてしまいます。");
        if (!problem.isEmpty())
            return refused(problem, ReferenceAdd::ExplanationField);
    }

    if (!TextFile::append(target, ReferenceEntryLines(keyword, explanation),
                          TextFile::Policy::Shared))
        return refused(Maker::openFailedText());
    ReferenceAdd done;
    done.written = true;
    return done;
}
