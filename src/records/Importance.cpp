#include "records/Importance.h"

#include "platform/TextFile.h"
#include "records/RecordText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kHighestLevel = 5;

// The pair a line holds, when it starts with two integers.
bool pairOfLine(const QString &line, int &level, int &questionLine)
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
