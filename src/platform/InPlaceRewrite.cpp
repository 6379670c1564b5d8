#include "InPlaceRewrite.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <unistd.h>

namespace {

bool writeAll(QFile &f, const QByteArray &bytes)
{
    if (!f.resize(0) || !f.seek(0))
        return false;
    if (f.write(bytes) != bytes.size() || !f.flush())
        return false;
    return ::fsync(f.handle()) == 0;
}

} // namespace

bool RewriteInPlace(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(FileError::message(QStringLiteral("書き込めません"), path, file.errorString()));
    const QByteArray old = file.readAll();

    // The backup is named after the file, unless that makes too long a name.
    QString backupName = QStringLiteral("ulvendo-") + QFileInfo(path).fileName()
                         + QStringLiteral("-XXXXXX.bak");
    if (QFile::encodeName(backupName).size() > 255)
        backupName = QStringLiteral("ulvendo-XXXXXX.bak");
    QTemporaryFile backup(QDir::tempPath() + QLatin1Char('/') + backupName);
    if (!backup.open() || backup.write(old) != old.size() || !backup.flush()
        || ::fsync(backup.handle()) != 0)
        return fail(FileError::message(QStringLiteral("書き込めません"), path, backup.errorString())
                    + QStringLiteral("\n（控えのファイルを作成できませんでした）"));

    if (writeAll(file, bytes))
        return true; // the backup goes with `backup`

    const QString why = FileError::message(QStringLiteral("書き込めません"), path, file.errorString());
    backup.setAutoRemove(false);
    const bool restored = writeAll(file, old);
    return fail(why + (restored ? QStringLiteral("\n元の内容に戻しました。控え： ")
                                : QStringLiteral("\n元の内容は控えにあります： "))
                + backup.fileName());
}
