#include "LineScan.h"

#include "platform/TextFile.h"

#include <algorithm>

namespace LineScan {

int lineNumber(const QByteArray &bytes, qsizetype start)
{
    return int(std::count(bytes.constBegin(), bytes.constBegin() + start, '\n'));
}

qsizetype firstLine(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QString lineText(const QByteArray &bytes, qsizetype start, TextFile::Encoding encoding)
{
    const qsizetype end = lineEnd(bytes, start);
    // Only the first line starts with the byte-order mark.
    if (start > 0 && encoding == TextFile::Encoding::Utf8Bom)
        encoding = TextFile::Encoding::Utf8;
    return TextFile::decode(bytes.mid(start, end - start), encoding);
}

qsizetype findLine(const QByteArray &bytes, qsizetype start, TextFile::Encoding encoding,
                   const std::function<bool(const QString &)> &matches)
{
    while (start < bytes.size()) {
        if (matches(lineText(bytes, start, encoding)))
            return start;
        start = nextLine(bytes, start);
    }
    return -1;
}

} // namespace LineScan
