#include "records/Importance.h"

#include "platform/TextFile.h"
#include "records/RecordText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <climits>

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

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

// An ASCII piece as a number: an optional sign and decimal digits that fit.
bool asciiNumber(const char16_t *p, qsizetype n, int &value)
{
    qsizetype i = 0;
    const bool negative = n > 0 && p[0] == u'-';
    if (n > 0 && (p[0] == u'-' || p[0] == u'+'))
        ++i;
    if (i == n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        if (p[i] < u'0' || p[i] > u'9')
            return false;
        v = v * 10 + (p[i] - u'0');
        if (v > qint64(INT_MAX) + 1)
            return false;
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = int(v);
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
        if (!isBlank(p[i]) && p[i] != u'+' && p[i] != u'-' && (p[i] < u'0' || p[i] > u'9'))
            return pairOfLineSlow(line, level, questionLine);
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

// Moves the importance file aside and copies it back with the question's
// line replaced by `newLevel` (left out when 0). On any failure the original
// file is put back (or, failing that, kept as the scratch file).
bool rewrite(const QString &impFile, const QString &scratchFile, int questionLine, int newLevel,
             QString *error)
{
    if (!recoverScratch(impFile, scratchFile, error))
        return false;
    if (!QFile::rename(impFile, scratchFile)) {
        setError(error, impFile + QStringLiteral(" の名前を変更できませんでした"));
        return false;
    }
    // Read and written back as a whole, so that lines not changed keep
    // their bytes.
    TextFile::Text text;
    QStringList &lines = text.lines;
    QString why;
    bool ok = TextFile::read(scratchFile, text, &why);
    if (ok) {
        const int at = findLine(lines, questionLine, nullptr);
        if (at >= 0) {
            if (newLevel > 0)
                lines[at] = pairLine(newLevel, questionLine);
            else
                lines.removeAt(at);
        } else if (newLevel > 0) {
            lines.append(pairLine(newLevel, questionLine));
        }
        ok = TextFile::write(impFile, text, TextFile::Policy::Own, &why);
    }
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

bool appendPair(const QString &impFile, int level, int questionLine, QString *error)
{
    return AppendRecordLines(impFile, {pairLine(level, questionLine)}, error);
}

} // namespace

int ImportanceLevel(const QString &impFile, int questionLine)
{
    QStringList lines;
    if (!TextFile::readLines(impFile, lines))
        return 0;
    int level = 0;
    return findLine(lines, questionLine, &level) >= 0 ? level : 0;
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
    QStringList lines;
    int level = 0;
    const bool found = TextFile::readLines(impFile, lines)
                       && findLine(lines, questionLine, &level) >= 0;
    if (!found)
        return correct ? true : appendPair(impFile, 1, questionLine, error);

    // Hand-edited levels are brought back into 1..5.
    const int newLevel = correct ? qMin(level - 1, kHighestLevel)
                                 : qBound(1, level + 1, kHighestLevel);
    if (newLevel == level)
        return true;
    return rewrite(impFile, scratchFile, questionLine, qMax(newLevel, 0), error);
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
    QStringList lines;
    int current = 0;
    const bool found = TextFile::readLines(impFile, lines)
                       && findLine(lines, questionLine, &current) >= 0;
    if (!found)
        return level == 0 ? true : appendPair(impFile, level, questionLine, error);
    if (current == level)
        return true;
    return rewrite(impFile, scratchFile, questionLine, level, error);
}
