#include "FileError.h"

#include <cerrno>
#include <cstring>

namespace {

struct Cause
{
    int code;
    const char *english; // the text Qt gives instead of strerror(), or nullptr
    const char *japanese;
};

// Qt reports these four with texts of its own; the others as strerror()
// gives them in the program's locale.
const Cause kCauses[] = {
    {ENOENT, "No such file or directory", "ファイルまたはフォルダが見つかりません"},
    {EACCES, "Permission denied", "アクセスが許可されていません"},
    {EPERM, nullptr, "この操作は許可されていません"},
    {ENOSPC, "No space left on device", "ディスクの空き容量が足りません"},
    {EDQUOT, nullptr, "ディスクの使用量の上限を超えています"},
    {EROFS, nullptr, "読み取り専用のファイルシステムです"},
    {ENAMETOOLONG, nullptr, "名前が長すぎます"},
    {EMFILE, "Too many open files", "開いているファイルが多すぎます"},
    {EISDIR, nullptr, "同じ名前のフォルダがあります"},
    {ENOTDIR, nullptr, "パスの途中がフォルダではありません"},
    {EEXIST, nullptr, "同じ名前のファイルが既にあります"},
    {EFBIG, nullptr, "ファイルが大きすぎます"},
    {EIO, nullptr, "入出力エラーが発生しました"},
    {EBUSY, nullptr, "ファイルが使用中です"},
    // A write that stopped short without a system error (a file size limit,
    // a disk that filled up in the middle).
    {0, "Unknown error", "書き込みが途中で止まりました。ディスクの空き容量を確かめてください"},
};

QString systemTextOf(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

namespace FileError {

QString causeOfErrno(int errnoValue)
{
    for (const Cause &c : kCauses)
        if (c.code == errnoValue)
            return QString::fromUtf8(c.japanese);
    return QString();
}

QString cause(const QString &systemText)
{
    const QString text = systemText.trimmed();
    if (text.isEmpty())
        return QString();
    // Qt sometimes puts words of its own around the system's text, so a
    // cause is found inside the message as well.
    for (const Cause &c : kCauses) {
        const QString system = c.code ? systemTextOf(c.code) : QString();
        const bool byQt = c.english && text.contains(QLatin1String(c.english), Qt::CaseInsensitive);
        if (byQt || (!system.isEmpty() && text.contains(system, Qt::CaseInsensitive)))
            return QString::fromUtf8(c.japanese);
    }
    return text;
}

QString message(const QString &what, const QString &path, const QString &systemText)
{
    const QString why = cause(systemText);
    QString text = path + QStringLiteral(" を") + what;
    if (!why.isEmpty())
        text += QStringLiteral("（") + why + QStringLiteral("）");
    return text;
}

QString messageForErrno(const QString &what, const QString &path, int errnoValue)
{
    const QString why = causeOfErrno(errnoValue);
    return message(what, path, why.isEmpty() && errnoValue ? systemTextOf(errnoValue) : why);
}

} // namespace FileError
