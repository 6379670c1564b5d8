#include "LineScan.h"

#include "platform/TextFile.h"

#include <algorithm>

namespace LineScan {

int lineNumber(const QByteArray &bytes, qsizetype start)
{
    return int(std::count(bytes.constBegin(), bytes.constBegin() + start, '\n'));
}

bool encodable(const QString &text, QByteArray *bytes)
{
    const QByteArray encoded = TextFile::encode(text);
    if (TextFile::decode(encoded) != text)
        return false;
    if (bytes)
        *bytes = encoded;
    return true;
}

QString lineText(const QByteArray &bytes, qsizetype start)
{
    const qsizetype end = lineEnd(bytes, start);
    return TextFile::decode(bytes.mid(start, end - start));
}

} // namespace LineScan
