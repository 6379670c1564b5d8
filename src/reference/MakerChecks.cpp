#include "reference/MakerChecks.h"

#include "platform/TextFile.h"

namespace Maker {

QString openFailedText()
{
    return QStringLiteral("ファイルを開く事が出来ませんでした\n"
                          "指定したファイルが存在するかどうか調べてください");
}

static QString withThousands(int n)
{
    QString digits = QString::number(n);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

QString tooLongText(const QString &what, int limit)
{
    return what + QStringLiteral("が長すぎます。\n") + withThousands(limit)
        + QStringLiteral(" バイト（全角 ") + withThousands(limit / 2)
        + QStringLiteral(" 文字）以内にしてください。");
}

QString lineBreakText(const QString &what)
{
    return what + QStringLiteral("に改行は使えません。");
}

bool hasLineBreak(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

QString lineProblem(const QString &text, const QString &what, int limit,
                    TextFile::Encoding encoding)
{
    QString refused;
    if (!TextFile::canEncode(text, encoding, &refused))
        return TextFile::unstorableMessage(what, refused);
    if (TextFile::byteLength(text, encoding) > limit)
        return tooLongText(what, limit);
    if (hasLineBreak(text))
        return lineBreakText(what);
    return QString();
}

QString pathProblem(const QString &path)
{
    if (TextFile::byteLength(path) > PathLimit)
        return tooLongText(QStringLiteral("追加先のファイル名"), PathLimit);
    return QString();
}

} // namespace Maker
