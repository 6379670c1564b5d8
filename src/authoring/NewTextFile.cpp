#include "authoring/NewTextFile.h"

#include "platform/TextFile.h"
#include "reference/MakerChecks.h"

#include <QFileInfo>

namespace NewText {

QString forbiddenCharacters()
{
    return QStringLiteral("\\/:,;*?\"<>|");
}

QString nameError(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("ファイル名が記入されていません");
    const QString forbidden = forbiddenCharacters();
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            return QStringLiteral("ファイル名に使えない文字が含まれています\n"
                                  "（ \\ / : , ; * ? \" < > | は使えません）");
    }
    bool onlyDotsAndSpaces = true;
    for (const QChar c : name) {
        if (c != QLatin1Char('.') && !c.isSpace())
            onlyDotsAndSpaces = false;
    }
    if (onlyDotsAndSpaces)
        return QStringLiteral("そのファイル名は使えません");
    return QString();
}

QString filePath(const QString &folder, const QString &name)
{
    QString f = folder;
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f + name + QStringLiteral(".txt");
}

Result create(const QString &folder, const QString &name, QString *message)
{
    auto say = [message](const QString &text) {
        if (message)
            *message = text;
    };
    const QString error = nameError(name);
    if (!error.isEmpty()) {
        say(error);
        return Result::Refused;
    }
    const QString file = name + QStringLiteral(".txt");
    const QString path = filePath(folder, name);
    if (TextFile::byteLength(path) > Maker::PathLimit) {
        say(QStringLiteral("ファイル名が長すぎます"));
        return Result::Refused;
    }
    if (QFileInfo::exists(path)) {
        say(file + QStringLiteral(" は既にあります\n別のファイル名を記入してください"));
        return Result::Exists;
    }
    QString writeError;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        say(file + QStringLiteral(" を作成できませんでした\nフォルダ ") + folder
            + QStringLiteral(" がありません"));
        return Result::Failed;
    }
    if (!TextFile::writeBytes(path, QByteArray(), &writeError)) {
        say(file + QStringLiteral(" を作成できませんでした\n") + writeError);
        return Result::Failed;
    }
    say(file + QStringLiteral(" は作成されました\n作成場所 ： ") + folder);
    return Result::Created;
}

} // namespace NewText
