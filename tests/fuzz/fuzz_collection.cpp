// Question collections end to end: scanning, the line limits, loading a
// question, preparing it in every answer form, judging a typed answer, the
// print sheet and the question file editor's rows.
#include "FuzzSupport.h"

#include "authoring/PrintSheet.h"
#include "authoring/QuestionRecords.h"
#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "drill/Judging.h"
#include "drill/Presentation.h"
#include "platform/Clock.h"
#include "platform/TextFile.h"
#include "records/Answers.h"
#include "reference/MakerChecks.h"
#include "settings/Settings.h"

#include <QFile>

#include <algorithm>

using namespace Fuzz;

namespace {

constexpr int kMaxQuestions = 16;   // questions prepared per input

int firstLineOverLimit(const QStringList &lines, int first, int count, TextFile::Encoding encoding)
{
    for (int i = first; i < qMin(int(lines.size()), first + count); ++i) {
        const QString &l = lines.at(i);
        const bool keyword = l.contains(QLatin1Char('#'));
        const int bytes = TextFile::byteLength(keyword ? l.mid(1) : l, encoding);
        if (bytes > (keyword ? Maker::KeywordLimit : Maker::LineLimit))
            return i;
    }
    return -1;
}

QStringList sorted(QStringList l)
{
    std::sort(l.begin(), l.end());
    return l;
}

void checkPrepared(const DrillState &before, const DrillState &d, const Settings &s,
                   const PreparedQuestion &p)
{
    const QString &answer = before.AnswerText;
    const QStringList pieces = answer.split(QLatin1Char(' '));
    QStringList hint;
    for (int i = 0; i < pieces.size(); ++i)
        if (!pieces.at(i).isEmpty() || i == pieces.size() - 1)
            hint << pieces.at(i);
    const bool toEnglish = s.QuestionType == 0;
    FUZZ_CHECK(d.lstHint == (toEnglish ? hint : QStringList()), shown(answer));
    if (s.AnswerType == 1 && toEnglish) {
        FUZZ_CHECK(d.lstNarabi.isEmpty(), shown(answer));
        FUZZ_CHECK(sorted(d.lstTempNarabi) == sorted(pieces), shown(answer));
    }
    if (s.AnswerType == 2) {
        FUZZ_CHECK(p.showHole, shown(answer));
        const QStringList holes = before.HoleWords.split(QLatin1Char(','));
        FUZZ_CHECK(d.lstHoleString == holes, shown(before.HoleWords));
        if (p.holeLine.isEmpty()) {
            FUZZ_CHECK(d.HoleWord == answer, shown(d.HoleWord));
        } else {
            FUZZ_CHECK(holes.contains(d.HoleWord), shown(d.HoleWord));
            FUZZ_CHECK(p.holeLine.contains(HoleBlank()), shown(p.holeLine));
        }
    }
    FUZZ_CHECK(d.AskedCount == before.AskedCount + 1, QStringLiteral("counted once"));
    if (s.ShowHint == 1)
        FUZZ_CHECK(p.hintText.count(QLatin1Char(' ')) == d.lstHint.size(), shown(p.hintText));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SettableClock clock;
    Clock::install(&clock);
    Input in(data, size);
    const int options = in.byte();
    const QString typed = TextFile::decode(in.piece());
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    const QString path = folder + QStringLiteral("Question.txt");
    writeFile(path, bytes);

    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes));
    // Every line holding "#" starts a question, and no other.
    const QStringList index = ScanQuestionLines(lines);
    QStringList expected;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(QLatin1Char('#')))
            expected << QString::number(i);
    FUZZ_CHECK(index == expected, QStringLiteral("scan"));

    // The line limits name the first line over its limit.
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    const int tooLong = firstLineOverLimit(lines, 0, int(lines.size()), encoding);
    const QString problem = CollectionLineProblem(lines, 0, -1, encoding);
    FUZZ_CHECK(problem.isEmpty() == (tooLong < 0), problem);
    if (tooLong >= 0)
        FUZZ_CHECK(problem.contains(QStringLiteral(" %1 行目").arg(tooLong + 1)), problem);

    // A drill starts exactly when the collection is whole.
    QStringList started{QStringLiteral("3")};
    QString error;
    const bool whole = tooLong < 0 && !index.isEmpty()
                       && index.constLast().toInt() + 5 <= lines.size();
    FUZZ_CHECK(ScanCollection(path, started, &error) == whole, error);
    FUZZ_CHECK(started == (whole ? index : QStringList()), QStringLiteral("index after start"));
    FUZZ_CHECK(whole || !error.isEmpty(), QStringLiteral("refused without a message"));

    Settings s;
    s.AnswerType = (options & 3) % 3;
    s.QuestionType = (options >> 2) & 1;
    s.IgnoreCase = (options >> 3) & 1;
    s.NotPeriod = (options >> 4) & 1;
    s.ShowHint = (options >> 5) & 1;
    const QString answers = folder + QStringLiteral("Question.ans");

    for (int q = 0; q < qMin(int(index.size()), kMaxQuestions); ++q) {
        const int line = index.at(q).toInt();
        DrillState d;
        const bool loadable = line + 5 <= lines.size() && firstLineOverLimit(lines, line, 5, encoding) < 0;
        FUZZ_CHECK(LoadQuestion(path, line, s.QuestionType, d, &error) == loadable, error);
        if (!loadable)
            continue;
        FUZZ_CHECK(d.CurrentLine == line && d.CurrentKeyword == lines.at(line),
                   QStringLiteral("keyword"));
        const QString english = lines.at(line + 1), japanese = lines.at(line + 2);
        FUZZ_CHECK(d.AnswerText == (s.QuestionType == 0 ? english : japanese), shown(d.AnswerText));
        FUZZ_CHECK(d.QuestionText == (s.QuestionType == 0 ? japanese : english), shown(d.QuestionText));
        FUZZ_CHECK(d.CommentText == lines.at(line + 3) && d.HoleWords == lines.at(line + 4),
                   QStringLiteral("comment, fill-in"));

        const DrillState before = d;
        const PreparedQuestion p = PrepareQuestion(d, s);
        checkPrepared(before, d, s, p);

        // Judging: the expected answer is right (when there is one), the
        // answer typed is right exactly when it matches or was accepted.
        const QString shortAnswer = ShortAnswer(d.AnswerText);
        FUZZ_CHECK(d.AnswerText.startsWith(shortAnswer), shown(shortAnswer));
        FUZZ_CHECK(IsAnswerCorrect(d.AnswerText, d.AnswerText, s.IgnoreCase, s.NotPeriod)
                       == !d.AnswerText.isEmpty(),
                   shown(d.AnswerText));
        QFile::remove(answers);
        BeginJudging(d, typed);
        const bool typedRight = !typed.isEmpty()
                                && IsAnswerCorrect(typed, d.AnswerText, s.IgnoreCase, s.NotPeriod);
        if (s.AnswerType != 2) {
            FUZZ_CHECK(JudgeAnswer(d, s, answers) == typedRight, shown(typed));
            if (!typed.isEmpty() && !typed.contains(QLatin1Char('\n'))
                && !typed.contains(QLatin1Char('\r'))) {
                FUZZ_CHECK(AppendAcceptedAnswer(answers, d.QuestionText, typed), answers);
                FUZZ_CHECK(JudgeAnswer(d, s, answers), QStringLiteral("accepted answer not found"));
            }
        } else {
            FUZZ_CHECK(JudgeAnswer(d, s, answers) == (typedRight || (!typed.isEmpty() && typed == d.HoleWord)),
                       shown(typed));
        }
    }

    // The print sheet numbers the whole records up to the first cut one.
    int printable = 0;
    bool complete = true;
    for (const QString &e : index) {
        if (e.toInt() + 4 >= lines.size()) {
            complete = false;
            break;
        }
        ++printable;
    }
    const PrintSheet::Sheet sheet = PrintSheet::compose(lines, options % 4, s.QuestionType == 0);
    FUZZ_CHECK(sheet.questions == printable && sheet.complete == complete,
               QStringLiteral("%1 of %2 printed").arg(sheet.questions).arg(printable));

    // The editor's rows: one per keyword line; written out and parsed again
    // they are the same rows (when no field but the keyword holds "#").
    int cut = -2;
    const QVector<QuestionRecord> rows = ParseQuestionRecords(lines, &cut);
    FUZZ_CHECK(rows.size() == index.size(), QStringLiteral("rows"));
    FUZZ_CHECK(cut == (complete ? -1 : index.at(printable).toInt()), QStringLiteral("cut row"));
    bool plain = true;
    for (const QuestionRecord &r : rows)
        for (const QString &f : {r.English, r.Japanese, r.Comment, r.Hole})
            plain = plain && !f.contains(QLatin1Char('#'));
    if (plain) {
        const QStringList written = QuestionRecordLines(rows);
        FUZZ_CHECK(ParseQuestionRecords(written) == rows, QStringLiteral("rows written and read"));
        const QString saved = folder + QStringLiteral("Saved.txt");
        QString message;
        if (SaveQuestionRecords(saved, rows, &message)) {
            // A new file is CP932, where the one-way characters read back
            // as their twins.
            QStringList back;
            FUZZ_CHECK(TextFile::readLines(saved, back) && sameLines(back, written),
                       QStringLiteral("saved rows read back"));
        }
    }

    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
