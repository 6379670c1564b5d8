#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVector>

#include <iconv.h>
#include <cstring>

namespace {

// Bytes that do not decode (or do not encode back to themselves) become
// private-use code points U+F700 + byte, which encode back to that byte.
constexpr ushort kRawBase = 0xF700;

bool isLeadByte(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(uchar b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// One conversion through iconv; returns the UTF-16 unit or 0 when the bytes
// are not exactly one BMP character.
ushort iconvDecode(iconv_t cd, const char *in, size_t inLen)
{
    char buf[8];
    char *inPtr = const_cast<char *>(in);
    char *outPtr = buf;
    size_t inLeft = inLen, outLeft = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return 0;
    if (sizeof buf - outLeft != 2)
        return 0;
    return ushort(uchar(buf[0]) | (uchar(buf[1]) << 8));
}

// Returns the CP932 bytes of one BMP character (0 bytes when not encodable).
QByteArray iconvEncode(iconv_t cd, ushort u)
{
    char in[2] = {char(u & 0xFF), char(u >> 8)};
    char out[8];
    char *inPtr = in, *outPtr = out;
    size_t inLeft = 2, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return QByteArray();
    return QByteArray(out, int(sizeof out - outLeft));
}

// Translation tables built once from iconv's CP932 mapping, so that decoding
// and encoding are plain look-ups (big dictionaries stay fast).
struct Tables
{
    QVector<ushort> single = QVector<ushort>(256, 0);         // byte -> unit (0 = raw)
    QVector<ushort> dbl = QVector<ushort>(65536, 0);          // lead<<8|trail -> unit
    QVector<ushort> enc = QVector<ushort>(65536, 0xFFFF);     // unit -> bytes (0xFFFF none)

    Tables()
    {
        iconv_t dec = iconv_open("UTF-16LE", "CP932");
        iconv_t en = iconv_open("CP932", "UTF-16LE");
        if (dec == iconv_t(-1) || en == iconv_t(-1)) {
            // Without the code page only ASCII survives as text; everything
            // else still round-trips through the raw range.
            for (int b = 0; b < 0x80; ++b) {
                single[b] = ushort(b);
                enc[b] = ushort(b);
            }
            return;
        }
        auto keep = [&](ushort u, ushort bytes) {
            // Keep the mapping only when encoding gives the very same bytes.
            const QByteArray back = iconvEncode(en, u);
            ushort b = 0xFFFF;
            if (back.size() == 1)
                b = uchar(back[0]);
            else if (back.size() == 2)
                b = ushort((uchar(back[0]) << 8) | uchar(back[1]));
            if (b != bytes)
                return false;
            enc[u] = bytes;
            return true;
        };
        for (int b = 0; b < 256; ++b) {
            if (isLeadByte(uchar(b)))
                continue;
            if (b == 0) {
                enc[0] = 0;
                continue;
            }
            char c = char(b);
            const ushort u = iconvDecode(dec, &c, 1);
            if (u && (u < kRawBase || u > kRawBase + 0xFF) && keep(u, ushort(b)))
                single[b] = u;
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrailByte(uchar(trail)))
                    continue;
                const char in[2] = {char(lead), char(trail)};
                const ushort u = iconvDecode(dec, in, 2);
                const ushort bytes = ushort((lead << 8) | trail);
                if (u && (u < kRawBase || u > kRawBase + 0xFF) && keep(u, bytes))
                    dbl[bytes] = u;
            }
        }
        iconv_close(dec);
        iconv_close(en);
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

QString fileError(const QString &verb, const QString &path, const QString &why)
{
    return verb + QStringLiteral(" ") + path + QStringLiteral(": ") + why;
}

} // namespace

namespace TextFile {

QString decode(const QByteArray &bytes)
{
    const Tables &t = tables();
    QString out;
    out.resize(bytes.size());
    QChar *o = out.data();
    int n = 0;
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    const int len = bytes.size();
    for (int i = 0; i < len; ++i) {
        const uchar b = p[i];
        if (b < 0x80) {
            o[n++] = QChar(ushort(b));
            continue;
        }
        if (isLeadByte(b) && i + 1 < len) {
            const ushort u = t.dbl[(b << 8) | p[i + 1]];
            if (u) {
                o[n++] = QChar(u);
                ++i;
                continue;
            }
        } else if (!isLeadByte(b) && t.single[b]) {
            o[n++] = QChar(t.single[b]);
            continue;
        }
        o[n++] = QChar(ushort(kRawBase + b));
    }
    out.resize(n);
    return out;
}

QByteArray encode(const QString &text)
{
    const Tables &t = tables();
    QByteArray out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x80) {
            out.append(char(u));
        } else if (u >= kRawBase && u <= kRawBase + 0xFF) {
            out.append(char(u - kRawBase));
        } else if (t.enc[u] != 0xFFFF) {
            const ushort b = t.enc[u];
            if (b > 0xFF)
                out.append(char(b >> 8));
            out.append(char(b & 0xFF));
        } else {
            out.append('?'); // not representable in the code page
        }
    }
    return out;
}

int byteLength(const QString &text)
{
    return int(encode(text).size());
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    int start = 0;
    const int len = text.size();
    while (start < len) {
        int nl = text.indexOf(QLatin1Char('\n'), start);
        int end = nl < 0 ? len : nl;
        int stop = end;
        if (stop > start && text.at(stop - 1) == QLatin1Char('\r'))
            --stop;
        lines.append(text.mid(start, stop - start));
        if (nl < 0)
            break;
        start = nl + 1;
    }
    return lines;
}

bool readBytes(const QString &path, QByteArray &bytes, QString *error)
{
    bytes.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = fileError(QStringLiteral("読み込めません"), path, f.errorString());
        return false;
    }
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = fileError(QStringLiteral("読み込めません"), path, f.errorString());
        bytes.clear();
        return false;
    }
    return true;
}

bool readLines(const QString &path, QStringList &lines, QString *error)
{
    lines.clear();
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    lines = splitLines(decode(bytes));
    return true;
}

static QByteArray joinLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        out += encode(l);
        out += "\r\n";
    }
    return out;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    // Unbuffered, so that a short write (disk full, size limit) is seen here
    // instead of being lost in a buffer flush.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = fileError(QStringLiteral("書き込めません"), path, f.errorString());
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = fileError(QStringLiteral("書き込めません"), path, f.errorString());
        f.cancelWriting();
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeBytes(path, joinLines(lines), error);
}

bool appendLines(const QString &path, const QStringList &lines, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = fileError(QStringLiteral("書き込めません"), path, f.errorString());
        return false;
    }
    const qint64 before = f.size();
    const QByteArray bytes = joinLines(lines);
    if (f.write(bytes) != bytes.size()) {
        if (error)
            *error = fileError(QStringLiteral("書き込めません"), path, f.errorString());
        f.resize(before); // no half record is left behind
        return false;
    }
    f.close();
    return true;
}

} // namespace TextFile
