#include "StaleTempFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool IsStaleTempFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+\\.(ini|dat|ans)\\.([A-Za-z0-9]{6})$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    // The six characters are drawn at random from letters of both cases and
    // digits; a name a person gives a copy ("User.ini.backup", "Setup.ini.
    // 241209") keeps to one kind, and is never taken for a leftover. (About
    // one leftover in ninety keeps to one kind too; it stays, harmless.)
    bool lower = false, upper = false, digit = false;
    for (QChar c : match.capturedView(2)) {
        lower = lower || c.isLower();
        upper = upper || c.isUpper();
        digit = digit || c.isDigit();
    }
    return int(lower) + int(upper) + int(digit) >= 2;
}

QStringList RemoveStaleTempFiles(const QString &folder, int minimumAgeSeconds)
{
    QStringList removed;
    if (folder.isEmpty())
        return removed;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &f : files) {
        if (!IsStaleTempFileName(f.fileName()) || f.lastModified().toUTC() > before)
            continue;
        if (QFile::remove(f.absoluteFilePath()))
            removed << f.fileName();
    }
    return removed;
}
