#include "records/Importance.h"

#include "platform/TextFile.h"
#include "records/RecordText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <climits>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr int kHighestLevel = 5;

// The pair a line holds, when it starts with two integers: the first two
// pieces between white space (space, tab, CR, LF, VT, FF) read as decimal
// numbers (a sign allowed).
bool pairOfLineSlow(const QString &line, int &level, int &questionLine)
{
    static const QRegularExpression ws(QStringLiteral("\\s+"));
    const QStringList tokens = line.split(ws, Qt::SkipEmptyParts);
    if (tokens.size() < 2)
        return false;
    bool okLevel = false, okLine = false;
    level = tokens.at(0).toInt(&okLevel);
    questionLine = tokens.at(1).toInt(&okLine);
    return okLevel && okLine;
}

template <typename C>
bool isBlank(C c)
{
    return c == C(' ') || c == C('\t') || c == C('\r') || c == C('\n') || c == C('\v') || c == C('\f');
}

template <typename C>
bool isPlain(C c)
{
    return isBlank(c) || c == C('+') || c == C('-') || (c >= C('0') && c <= C('9'));
}

// An ASCII piece as a number: an optional sign and decimal digits that fit.
template <typename C>
bool asciiNumber(const C *p, qsizetype n, int &value)
{
    qsizetype i = 0;
    const bool negative = n > 0 && p[0] == C('-');
    if (n > 0 && (p[0] == C('-') || p[0] == C('+')))
        ++i;
    if (i == n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        if (p[i] < C('0') || p[i] > C('9'))
            return false;
        v = v * 10 + (p[i] - C('0'));
        if (v > qint64(INT_MAX) + 1)
            return false;
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = int(v);
    return true;
}

// The pair of a line of digits, signs and white space only, read as
// pairOfLineSlow reads it.
template <typename C>
bool plainPair(const C *p, qsizetype n, int &level, int &questionLine)
{
    qsizetype at = 0;
    auto piece = [&](int &value) {
        while (at < n && isBlank(p[at]))
            ++at;
        const qsizetype start = at;
        while (at < n && !isBlank(p[at]))
            ++at;
        return at > start && asciiNumber(p + start, at - start, value);
    };
    int l = 0, q = 0;
    if (!piece(l) || !piece(q))
        return false;
    level = l;
    questionLine = q;
    return true;
}

// The same reading without a regular expression for lines of digits,
// signs and white space (all the program writes); any other line goes the
// long way.
bool pairOfLine(const QString &line, int &level, int &questionLine)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(line.constData());
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i)
        if (!isPlain(p[i]))
            return pairOfLineSlow(line, level, questionLine);
    return plainPair(p, n, level, questionLine);
}

// An importance file as the program writes it: only digits, signs, spaces
// and tabs, every line ended by the line end the text layer writes for it
// (CR LF; LF in a file without CR LF). Such a file is read and changed on
// its bytes: what comes out is byte for byte what decoding it, changing the
// line and writing it through the text layer gives, without decoding the
// other lines. Any other file goes through the text layer.
bool isPlainFile(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith('\n'))
        return false;
    // In a file with CR LF every LF follows a CR and every CR comes before an
    // LF; in a file without, there is no CR. Checked as: the LFs are where
    // the CRs are, one byte on (`crBefore` carries a CR from one stretch to
    // the next).
    const bool lfOnly = !bytes.contains("\r\n");
    const uchar *d = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    unsigned crBefore = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time.
    const __m128i before0 = _mm_set1_epi8('0' - 1), after9 = _mm_set1_epi8('9' + 1);
    const __m128i space = _mm_set1_epi8(' '), tab = _mm_set1_epi8('\t'), plus = _mm_set1_epi8('+'),
                  minus = _mm_set1_epi8('-'), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + i));
        // Signed compares: bytes from 0x80 on are below '0'.
        const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(x, before0), _mm_cmplt_epi8(x, after9));
        const __m128i isCr = _mm_cmpeq_epi8(x, cr), isLf = _mm_cmpeq_epi8(x, lf);
        const __m128i allowed = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(digit, _mm_cmpeq_epi8(x, space)), _mm_or_si128(_mm_cmpeq_epi8(x, tab), _mm_cmpeq_epi8(x, plus))),
            _mm_or_si128(_mm_cmpeq_epi8(x, minus), _mm_or_si128(isCr, isLf)));
        if (_mm_movemask_epi8(allowed) != 0xFFFF)
            return false;
        const unsigned crs = unsigned(_mm_movemask_epi8(isCr)), lfs = unsigned(_mm_movemask_epi8(isLf));
        if (lfOnly ? crs != 0 : lfs != (((crs << 1) | crBefore) & 0xFFFFu))
            return false;
        crBefore = crs >> 15;
    }
#endif
    // What each byte is: 0 not allowed, 1 a digit, sign, space or tab, 2 CR, 3 LF.
    static const auto kinds = [] {
        std::array<uchar, 256> k{};
        for (int c = 0; c < 256; ++c)
            k[c] = isPlain(char(c)) && c != '\v' && c != '\f' && c != '\r' && c != '\n' ? 1 : 0;
        k['\r'] = 2;
        k['\n'] = 3;
        return k;
    }();
    for (; i < n; ++i) {
        const uchar kind = kinds[d[i]];
        if (kind == 0 || (kind == 2 && lfOnly))
            return false;
        if ((kind == 3) != (crBefore == 1) && !lfOnly)
            return false;
        crBefore = kind == 2 ? 1 : 0;
    }
    return crBefore == 0;
}

QByteArray lineEndOf(const QByteArray &bytes)
{
    return bytes.contains('\n') && !bytes.contains("\r\n") ? QByteArrayLiteral("\n")
                                                            : QByteArrayLiteral("\r\n");
}

// The first line of a plain file holding the question: where it starts,
// where the next line starts, and its level. start is -1 when none does.
struct PlainLine
{
    qsizetype start = -1;
    qsizetype next = -1;
    int level = 0;
};

PlainLine findPlainLine(const QByteArray &bytes, int questionLine, qsizetype from = 0)
{
    // However the number is written (a sign, leading zeros), a line holding
    // the question holds the digits of its number: only the lines where they
    // occur are read. `from` is the start of a line.
    const QByteArray digits = QByteArray::number(qAbs(qint64(questionLine)));
    const char *d = bytes.constData();
    const qsizetype n = bytes.size();
    auto find = [&](qsizetype at) -> qsizetype {
        const void *hit = memmem(d + at, size_t(n - at), digits.constData(), size_t(digits.size()));
        return hit ? static_cast<const char *>(hit) - d : -1;
    };
    for (qsizetype hit = find(from); hit >= 0;) {
        qsizetype start = hit;
        while (start > from && d[start - 1] != '\n')
            --start;
        const char *nl = static_cast<const char *>(std::memchr(d + hit, '\n', size_t(n - hit)));
        const qsizetype next = nl ? nl - d + 1 : n;
        const qsizetype stop = nl && nl > d + start && nl[-1] == '\r' ? nl - d - 1 : (nl ? nl - d : n);
        int l = 0, q = 0;
        if (plainPair(d + start, stop - start, l, q) && q == questionLine)
            return {start, next, l};
        hit = next < n ? find(next) : -1;
    }
    return {};
}

// Index of the first line holding the question, or -1; its level in *level.
int findLine(const QStringList &lines, int questionLine, int *level)
{
    for (int i = 0; i < lines.size(); ++i) {
        int l = 0, q = 0;
        if (pairOfLine(lines.at(i), l, q) && q == questionLine) {
            if (level)
                *level = l;
            return i;
        }
    }
    return -1;
}

QString pairLine(int level, int questionLine)
{
    return QString::number(level) + QLatin1Char(' ') + QString::number(questionLine);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// A scratch file left by an interrupted rewrite while the importance file is
// gone holds the marks: it is put back before anything else is done.
bool restoreScratch(const QString &impFile, const QString &scratchFile, QString *error)
{
    if (!QFileInfo::exists(scratchFile) || QFileInfo::exists(impFile))
        return true;
    if (QFile::rename(scratchFile, impFile))
        return true;
    setError(error, scratchFile + QStringLiteral(" を ") + impFile
                        + QStringLiteral(" に戻せませんでした"));
    return false;
}

// Before a rewrite: a scratch file beside an existing importance file is
// stale and is removed, so that the rename can take its name.
bool recoverScratch(const QString &impFile, const QString &scratchFile, QString *error)
{
    if (!restoreScratch(impFile, scratchFile, error))
        return false;
    if (!QFileInfo::exists(scratchFile) || QFile::remove(scratchFile))
        return true;
    setError(error, scratchFile + QStringLiteral(" を削除できませんでした"));
    return false;
}

// A plain importance file as a look-up read it, with the question's first
// line, so that a rewrite right after it reads and searches nothing again.
struct PlainMarks
{
    QByteArray bytes;
    PlainLine found;
    bool read = false;
};

// Writes `to` as the file `from` with the question's line replaced by
// `newLevel` (left out when 0, added when missing). Read and written back as
// a whole, so that lines not changed keep their bytes. `known` is `from` as
// read already, when it was read as a plain file.
bool writeChanged(const QString &from, const QString &to, int questionLine, int newLevel,
                  QString *why, PlainMarks *known)
{
    QByteArray bytes;
    if (known && known->read)
        bytes = std::move(known->bytes);
    else if (!TextFile::readBytes(from, bytes, why))
        return false;
    if ((known && known->read) || isPlainFile(bytes)) {
        const PlainLine found = known && known->read ? known->found : findPlainLine(bytes, questionLine);
        const QByteArray line = newLevel > 0
            ? pairLine(newLevel, questionLine).toLatin1() + lineEndOf(bytes)
            : QByteArray();
        if (found.start >= 0) {
            // Further lines of the question (a hand-edited file) go, so that
            // the level set is the level every reader sees.
            for (PlainLine more = findPlainLine(bytes, questionLine, found.next); more.start >= 0;
                 more = findPlainLine(bytes, questionLine, more.start))
                bytes.remove(more.start, more.next - more.start);
            bytes.replace(found.start, found.next - found.start, line);
        } else {
            bytes += line;
        }
        return TextFile::writeBytes(to, bytes, why);
    }
    TextFile::Text text;
    if (!TextFile::read(from, text, why))
        return false;
    QStringList &lines = text.lines;
    const int at = findLine(lines, questionLine, nullptr);
    for (int i = int(lines.size()) - 1; i > at && at >= 0; --i) {
        int level = 0, q = 0;
        if (pairOfLine(lines.at(i), level, q) && q == questionLine)
            lines.removeAt(i);
    }
    if (at >= 0) {
        if (newLevel > 0)
            lines[at] = pairLine(newLevel, questionLine);
        else
            lines.removeAt(at);
    } else if (newLevel > 0) {
        lines.append(pairLine(newLevel, questionLine));
    }
    return TextFile::write(to, text, TextFile::Policy::Own, why);
}

// Moves the importance file aside and copies it back with the question's
// line replaced by `newLevel` (left out when 0). On any failure the original
// file is put back (or, failing that, kept as the scratch file).
bool rewrite(const QString &impFile, const QString &scratchFile, int questionLine, int newLevel,
             QString *error, PlainMarks *known)
{
    if (!recoverScratch(impFile, scratchFile, error))
        return false;
    if (!QFile::rename(impFile, scratchFile)) {
        setError(error, impFile + QStringLiteral(" の名前を変更できませんでした"));
        return false;
    }
    QString why;
    const bool ok = writeChanged(scratchFile, impFile, questionLine, newLevel, &why, known);
    if (!ok) {
        // The scratch file still holds every mark: it takes the place of
        // whatever was (or was not) written.
        if (QFileInfo(impFile).isFile())
            QFile::remove(impFile);
        if (!QFileInfo::exists(impFile))
            QFile::rename(scratchFile, impFile);
        setError(error, why);
        return false;
    }
    QFile::remove(scratchFile); // a leftover is removed before the next rewrite
    return true;
}

// The level of the question's first line in the importance file; false
// when the file has none or cannot be read. A plain file's bytes and the line
// found are kept in *read for a rewrite.
bool markedLevel(const QString &impFile, int questionLine, int *level, PlainMarks *read = nullptr)
{
    QByteArray bytes;
    if (!TextFile::readBytes(impFile, bytes))
        return false;
    if (isPlainFile(bytes)) {
        const PlainLine found = findPlainLine(bytes, questionLine);
        *level = found.level;
        if (read) {
            read->bytes = std::move(bytes);
            read->found = found;
            read->read = true;
        }
        return found.start >= 0;
    }
    QStringList lines;
    return TextFile::readLines(impFile, lines) && findLine(lines, questionLine, level) >= 0;
}

bool appendPair(const QString &impFile, int level, int questionLine, QString *error)
{
    return AppendRecordLines(impFile, {pairLine(level, questionLine)}, error);
}

} // namespace

int ImportanceLevel(const QString &impFile, int questionLine)
{
    int level = 0;
    return markedLevel(impFile, questionLine, &level) ? level : 0;
}

QVector<QPair<int, int>> ReadImportancePairs(const QString &impFile)
{
    QVector<QPair<int, int>> pairs;
    QStringList lines;
    if (!TextFile::readLines(impFile, lines))
        return pairs;
    for (const QString &line : lines) {
        int level = 0, q = 0;
        if (pairOfLine(line, level, q))
            pairs.append(qMakePair(level, q));
    }
    return pairs;
}

bool AdjustImportance(const QString &impFile, const QString &scratchFile, int questionLine,
                      bool correct, QString *error)
{
    if (!restoreScratch(impFile, scratchFile, error))
        return false;
    int level = 0;
    PlainMarks read;
    if (!markedLevel(impFile, questionLine, &level, &read))
        return correct ? true : appendPair(impFile, 1, questionLine, error);

    // Hand-edited levels are brought back into 1..5.
    const int newLevel = correct ? qMin(level - 1, kHighestLevel)
                                 : qBound(1, level + 1, kHighestLevel);
    if (newLevel == level)
        return true;
    return rewrite(impFile, scratchFile, questionLine, qMax(newLevel, 0), error, &read);
}

bool SetImportance(const QString &impFile, const QString &scratchFile, int questionLine,
                   int level, QString *error)
{
    if (level < 0 || level > kHighestLevel) {
        setError(error, QStringLiteral("重要度は0から5です"));
        return false;
    }
    if (!restoreScratch(impFile, scratchFile, error))
        return false;
    int current = 0;
    PlainMarks read;
    if (!markedLevel(impFile, questionLine, &current, &read))
        return level == 0 ? true : appendPair(impFile, level, questionLine, error);
    if (current == level)
        return true;
    return rewrite(impFile, scratchFile, questionLine, level, error, &read);
}
