#pragma once
// A throw-away program folder with one user folder for the record tests.
#include "platform/DateStrings.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

struct RecordsFolder
{
    QTemporaryDir dir;
    Settings settings;

    explicit RecordsFolder(const QString &base = QStringLiteral("Question"))
    {
        settings.ProgramFolder = dir.path() + QLatin1Char('/');
        settings.UserName = QStringLiteral("太郎");
        settings.QuestionBaseName = base;
        QDir().mkpath(settings.userFolder());
    }
    QString user(const QString &name) const { return settings.userFolder() + name; }
};

// The bytes of a file; empty when it is missing.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Lines as they land on disk: CP932, every line ended by CR LF.
inline QByteArray cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += TextFile::encode(l) + "\r\n";
    return out;
}

inline DateStrings datesAt(int y, int m, int d, int h = 14, int min = 5, int s = 7)
{
    return DateStrings::from(QDateTime(QDate(y, m, d), QTime(h, min, s)));
}
