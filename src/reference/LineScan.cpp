#include "LineScan.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

namespace LineScan {

int lineNumber(const QByteArray &bytes, qsizetype start)
{
    // Line feeds counted eight bytes at a time: a byte of x = word ^ "\n\n..."
    // is zero exactly where the word holds a line feed, and its top bit in
    // ((x & 0x7F..) + 0x7F..) | x is clear exactly then. Each byte lane adds
    // up its own count (at most 255 words at a time, so no lane overflows);
    // the eight lanes (up to 2040 together) are then added in 16-bit lanes.
    const char *p = bytes.constData();
    const qsizetype n = qBound<qsizetype>(0, start, bytes.size());
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    constexpr quint64 kHigh = 0x8080808080808080ULL;
    constexpr quint64 kFeeds = 0x0A0A0A0A0A0A0A0AULL;
    qsizetype count = 0;
    qsizetype i = 0;
    while (n - i >= 8) {
        const qsizetype words = qMin<qsizetype>((n - i) / 8, 255);
        quint64 lanes = 0;
        for (qsizetype k = 0; k < words; ++k, i += 8) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            const quint64 x = w ^ kFeeds;
            lanes += (~(((x & kLow7) + kLow7) | x) & kHigh) >> 7;
        }
        constexpr quint64 kEvenBytes = 0x00FF00FF00FF00FFULL;
        const quint64 pairs = (lanes & kEvenBytes) + ((lanes >> 8) & kEvenBytes);
        count += qsizetype((pairs * 0x0001000100010001ULL) >> 48);
    }
    for (; i < n; ++i)
        count += p[i] == '\n';
    return int(count);
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
