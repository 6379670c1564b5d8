#include "StaleTempFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool IsStaleTempFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+\\.(ini|dat|ans)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
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
