#include "drill/AnswerDiff.h"

#include "drill/DrillState.h"
#include "drill/Judging.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"

#include <QLocale>

#include <vector>

namespace {

struct Token
{
    int start = 0;
    int length = 0;
    QString key;      // what is compared
    bool space = false;
};

// Above this many table cells (the part between the common beginning and
// end of the two texts, tokens of one times tokens of the other) the middle
// is marked whole instead of aligned: the table would cost too much memory
// for a text nobody types as an answer.
constexpr qsizetype kMaxCells = 4'000'000;

bool isSpace(QChar c) { return c.isSpace(); }

QString keyOf(const QString &piece, const DiffRules &rules)
{
    return TextFile::fold(rules.ignoreCase ? QLocale().toLower(piece) : piece);
}

void addToken(QVector<Token> &out, const QString &text, int start, int length, bool space,
              const DiffRules &rules)
{
    out.push_back({start, length, keyOf(text.mid(start, length), rules), space});
}

// Length of the character at i: two for a surrogate pair.
int charLength(const QString &text, int i)
{
    return (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
               ? 2
               : 1;
}

// Words: runs of spaces are tokens of their own; in a run of other
// characters, punctuation at either end is split off one mark at a time,
// so that a missing full stop or comma is shown alone and not its word.
QVector<Token> words(const QString &text, const DiffRules &rules)
{
    QVector<Token> out;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        int j = i;
        const bool space = isSpace(text.at(i));
        while (j < n && isSpace(text.at(j)) == space)
            ++j;
        if (space) {
            addToken(out, text, i, j - i, true, rules);
        } else {
            int b = i, e = j;
            while (b < e && text.at(b).isPunct()) {
                addToken(out, text, b, 1, false, rules);
                ++b;
            }
            int tail = e;
            while (tail > b && text.at(tail - 1).isPunct())
                --tail;
            if (tail > b)
                addToken(out, text, b, tail - b, false, rules);
            for (int k = tail; k < e; ++k)
                addToken(out, text, k, 1, false, rules);
        }
        i = j;
    }
    return out;
}

QVector<Token> characters(const QString &text, const DiffRules &rules)
{
    QVector<Token> out;
    for (int i = 0; i < text.size();) {
        const int len = charLength(text, i);
        addToken(out, text, i, len, isSpace(text.at(i)), rules);
        i += len;
    }
    return out;
}

QVector<Token> tokens(const QString &text, const DiffRules &rules)
{
    return rules.unit == DiffUnit::Words ? words(text, rules) : characters(text, rules);
}

// Marks the tokens outside one longest common subsequence of a and b.
void align(const QVector<Token> &a, const QVector<Token> &b, std::vector<bool> &ma,
           std::vector<bool> &mb)
{
    const qsizetype n = a.size(), m = b.size();
    ma.assign(size_t(n), false);
    mb.assign(size_t(m), false);
    qsizetype head = 0;
    while (head < n && head < m && a[head].key == b[head].key)
        ++head;
    qsizetype tail = 0;
    while (tail < n - head && tail < m - head && a[n - 1 - tail].key == b[m - 1 - tail].key)
        ++tail;
    const qsizetype rows = n - head - tail, cols = m - head - tail;
    const auto markAll = [&] {
        for (qsizetype i = 0; i < rows; ++i)
            ma[size_t(head + i)] = true;
        for (qsizetype j = 0; j < cols; ++j)
            mb[size_t(head + j)] = true;
    };
    if (rows == 0 || cols == 0 || rows * cols > kMaxCells) {
        markAll();
        return;
    }
    // lcs[i][j]: length of the longest common subsequence of the middles'
    // suffixes from i and from j. It never exceeds the shorter middle, which
    // the cell limit keeps below 2,001 tokens.
    const qsizetype width = cols + 1;
    std::vector<quint16> lcs(size_t((rows + 1) * width), 0);
    const auto at = [&](qsizetype i, qsizetype j) -> quint16 & { return lcs[size_t(i * width + j)]; };
    for (qsizetype i = rows - 1; i >= 0; --i)
        for (qsizetype j = cols - 1; j >= 0; --j)
            at(i, j) = a[head + i].key == b[head + j].key ? quint16(at(i + 1, j + 1) + 1)
                                                          : qMax(at(i + 1, j), at(i, j + 1));
    qsizetype i = 0, j = 0;
    while (i < rows && j < cols) {
        if (a[head + i].key == b[head + j].key) {
            ++i;
            ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ma[size_t(head + i++)] = true;
        } else {
            mb[size_t(head + j++)] = true;
        }
    }
    for (; i < rows; ++i)
        ma[size_t(head + i)] = true;
    for (; j < cols; ++j)
        mb[size_t(head + j)] = true;
}

// A marked run of spaces at the edge of a marked word is the word's own
// separator: it is left unmarked so that the underline stops with the word.
// Spaces between two marked words stay marked (one underline for a missed
// phrase); a marked run of spaces with no marked word beside it is the
// difference itself (a doubled space) and stays.
void trimSpaces(const QVector<Token> &t, std::vector<bool> &marks)
{
    const std::vector<bool> was = marks;
    const auto markedWord = [&](qsizetype k) {
        return k >= 0 && k < t.size() && was[size_t(k)] && !t[k].space;
    };
    for (qsizetype k = 0; k < t.size(); ++k) {
        if (!was[size_t(k)] || !t[k].space)
            continue;
        const bool before = markedWord(k - 1), after = markedWord(k + 1);
        if (before != after)
            marks[size_t(k)] = false;
    }
}

QVector<TextSpan> spans(const QVector<Token> &t, const std::vector<bool> &marks)
{
    QVector<TextSpan> out;
    for (qsizetype k = 0; k < t.size(); ++k) {
        if (!marks[size_t(k)])
            continue;
        if (!out.isEmpty() && out.last().start + out.last().length == t[k].start)
            out.last().length += t[k].length;
        else
            out.push_back({t[k].start, t[k].length});
    }
    return out;
}

struct Scored
{
    AnswerMarks marks;
    qsizetype count = 0;   // marked tokens on both sides
};

Scored diff(const QString &input, const QString &answer, const DiffRules &rules)
{
    const QVector<Token> a = tokens(answer, rules), b = tokens(input, rules);
    std::vector<bool> ma, mb;
    align(a, b, ma, mb);
    Scored out;
    for (const bool x : ma)
        out.count += x;
    for (const bool x : mb)
        out.count += x;
    if (rules.unit == DiffUnit::Words) {
        trimSpaces(a, ma);
        trimSpaces(b, mb);
    }
    out.marks.answer = spans(a, ma);
    out.marks.input = spans(b, mb);
    return out;
}

Scored bestDiff(const QString &input, const QString &answer, const DiffRules &rules)
{
    Scored best = diff(input, answer, rules);
    if (rules.notPeriod) {
        // Judging also accepts the answer cut before its first "." (or "?").
        const QString cut = ShortAnswer(answer);
        if (!cut.isEmpty()) {
            Scored shorter = diff(input, cut, rules);
            if (shorter.count < best.count)
                best = shorter;
        }
    }
    return best;
}

} // namespace

AnswerMarks DiffAnswer(const QString &input, const QString &answer, const DiffRules &rules)
{
    return bestDiff(input, answer, rules).marks;
}

AnswerMarks WrongAnswerMarks(const DrillState &d, const Settings &s)
{
    DiffRules rules;
    rules.unit = s.QuestionType == 1 ? DiffUnit::Characters : DiffUnit::Words;
    rules.ignoreCase = s.IgnoreCase == 1;
    rules.notPeriod = s.NotPeriod == 1;
    Scored whole = bestDiff(d.InputAnswer, d.AnswerText, rules);
    if (s.AnswerType != 2 || d.HoleWord.isEmpty())
        return whole.marks;

    // Fill-in: the blank was the first occurrence of the word, and judging
    // compares it exactly.
    const int at = int(d.AnswerText.indexOf(d.HoleWord));
    if (at < 0)
        return whole.marks;
    DiffRules exact;
    exact.unit = rules.unit;
    Scored blank = diff(d.InputAnswer, d.HoleWord, exact);
    if (blank.count > whole.count)
        return whole.marks;
    for (TextSpan &span : blank.marks.answer)
        span.start += at;
    return blank.marks;
}
