#include "authoring/QuestionMaker.h"

#include "platform/TextFile.h"
#include "reference/MakerChecks.h"


QString QuestionKeyword(const QString &keywordBox)
{
    return keywordBox.isEmpty() ? QStringLiteral("キーワードなし") : keywordBox;
}

QString CommentLine(const QStringList &commentLines)
{
    const QString joined = commentLines.join(QString());
    return joined.isEmpty() ? QStringLiteral("コメントはありません") : joined;
}

QStringList NewQuestionLines(const QuestionDraft &draft)
{
    return {QLatin1Char('#') + QuestionKeyword(draft.keyword), draft.english, draft.japanese,
            CommentLine(draft.comment), draft.hole, QString()};
}

namespace {
QuestionAdd refused(const QString &message, QuestionAdd::Field field = QuestionAdd::NoField)
{
    QuestionAdd r;
    r.message = message;
    r.field = field;
    return r;
}

QString hashText(const QString &what)
{
    return what + QStringLiteral("に「#」は使えません。\n"
                                 "「#」を含む行は問題の始まりとして読まれてしまいます。");
}
} // namespace

QuestionAdd CheckQuestion(const QuestionDraft &draft, TextFile::Encoding encoding)
{
    if (draft.english.isEmpty())
        return refused(QStringLiteral("英文が記入されていません。"), QuestionAdd::EnglishField);
    if (draft.japanese.isEmpty())
        return refused(QStringLiteral("日本語訳が記入されていません。"), QuestionAdd::JapaneseField);

    QString problem = Maker::lineProblem(QuestionKeyword(draft.keyword), QStringLiteral("キーワード"),
                                         Maker::KeywordLimit, encoding);
    if (!problem.isEmpty())
        return refused(problem, QuestionAdd::KeywordField);

    const struct {
        QString text;
        const char16_t *what;
        QuestionAdd::Field field;
    } lines[] = {
        {draft.english, u"英文", QuestionAdd::EnglishField},
        {draft.japanese, u"日本語訳", QuestionAdd::JapaneseField},
        {draft.hole, u"穴の場所指定", QuestionAdd::HoleField},
        {CommentLine(draft.comment), u"コメント", QuestionAdd::CommentField},
    };
    for (const auto &line : lines) {
        const QString what = QString::fromUtf16(line.what);
        problem = Maker::lineProblem(line.text, what, Maker::LineLimit, encoding);
        if (problem.isEmpty() && line.text.contains(QLatin1Char('#')))
            problem = hashText(what);
        if (!problem.isEmpty())
            return refused(problem, line.field);
    }
    return QuestionAdd();
}

QuestionAdd AddQuestionRecord(const QString &target, const QuestionDraft &draft)
{
    if (target.isEmpty())
        return refused(QStringLiteral("追加先の問題集が指定されていません。"));
    if (draft.english.isEmpty() || draft.japanese.isEmpty())
        return CheckQuestion(draft, TextFile::Encoding::Cp932);
    const QString problem = Maker::pathProblem(target);
    if (!problem.isEmpty())
        return refused(problem);
    const QuestionAdd checked = CheckQuestion(draft, TextFile::fileEncoding(target));
    if (!checked.message.isEmpty())
        return checked;

    if (!TextFile::append(target, NewQuestionLines(draft), TextFile::Policy::Shared))
        return refused(Maker::openFailedText());
    QuestionAdd done;
    done.written = true;
    return done;
}

QuestionAdd AddQuestionRecords(const QString &target, const QVector<QuestionDraft> &drafts,
                               QString *error)
{
    if (target.isEmpty())
        return refused(QStringLiteral("追加先の問題集が指定されていません。"));
    const QString problem = Maker::pathProblem(target);
    if (!problem.isEmpty())
        return refused(problem);
    QStringList lines;
    lines.reserve(drafts.size() * 6);
    for (const QuestionDraft &draft : drafts)
        lines << NewQuestionLines(draft);

    // One atomic rewrite in the file's encoding and line ends (a last line
    // without a line end is ended first): a failure or a crash leaves the
    // collection as it was, and every byte already in it stays.
    if (!TextFile::appendAtomically(target, lines, TextFile::Policy::Shared, error))
        return refused(Maker::openFailedText());
    QuestionAdd done;
    done.written = true;
    return done;
}
