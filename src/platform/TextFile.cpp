#include "TextFile.h"

#include "FileError.h"
#include "InPlaceRewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QVector>

#include <limits>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using TextFile::Encoding;

// Raw code points: a byte b (0x80..0xFF) that does not decode is U+F700 + b.
constexpr ushort kRawBase = 0xF700;
constexpr ushort kRawFirst = kRawBase + 0x80;
constexpr ushort kRawLast = kRawBase + 0xFF;
constexpr ushort kNone = 0xFFFF;
const QByteArray kBom("\xEF\xBB\xBF");

constexpr bool isRaw(ushort u) { return u >= kRawFirst && u <= kRawLast; }
constexpr bool isLeadByte(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool isTrailByte(uchar b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// The characters Linux input methods type where Windows has a twin, with the
// CP932 code they are written as. They encode but do not decode back.
struct OneWay
{
    ushort unicode;
    ushort twin;
    ushort code;
};
constexpr OneWay kOneWay[] = {
    {0x301C, 0xFF5E, 0x8160}, // WAVE DASH -> FULLWIDTH TILDE
    {0x2212, 0xFF0D, 0x817C}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {0x2014, 0x2015, 0x815C}, // EM DASH -> HORIZONTAL BAR
    {0x2016, 0x2225, 0x8161}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {0x00A2, 0xFFE0, 0x8191}, // CENT SIGN -> FULLWIDTH CENT SIGN
    {0x00A3, 0xFFE1, 0x8192}, // POUND SIGN -> FULLWIDTH POUND SIGN
    {0x00AC, 0xFFE2, 0x81CA}, // NOT SIGN -> FULLWIDTH NOT SIGN
};

#include "Cp932Table.inc"

// One bit per 16-bit value.
struct Bits
{
    std::array<uchar, 8192> bytes{};
    constexpr bool operator[](int i) const { return bytes[size_t(i >> 3)] & (1u << (i & 7)); }
    constexpr void set(int i) { bytes[size_t(i >> 3)] = uchar(bytes[size_t(i >> 3)] | (1u << (i & 7))); }
};

// CP932 translation tables, made by the compiler from the stored mapping of
// the code page (Cp932Table.inc), so that decoding and encoding are plain
// look-ups and nothing is built when the program starts.
struct Tables
{
    std::array<ushort, 256> single{};   // byte -> unit (0 = raw)
    std::array<ushort, 65536> dbl{};    // lead<<8|trail -> unit (0 = raw)
    Bits duplicate;                     // code is not the one written
    std::array<ushort, 65536> enc{};    // unit -> code
    Bits oneWay;                        // unit encodes, never decodes
};

constexpr Tables makeTables()
{
    Tables t;
    for (int u = 0; u < 65536; ++u)
        t.enc[size_t(u)] = kNone;
    for (int b = 0; b < 0x80; ++b) {
        t.single[size_t(b)] = ushort(b);
        t.enc[size_t(b)] = ushort(b);
    }
    // Half-width katakana; 0x80, 0xA0 and 0xFD..0xFF stay raw bytes.
    for (int b = 0xA1; b <= 0xDF; ++b) {
        if (const ushort u = kCp932Single[b - 0xA1]) {
            t.single[size_t(b)] = u;
            t.enc[u] = ushort(b);
        }
    }
    int leadIndex = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(uchar(lead)))
            continue;
        int trailIndex = 0;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(uchar(trail)))
                continue;
            const ushort u = kCp932Double[leadIndex][trailIndex++];
            if (u < 0x80 || isRaw(u) || (u >= 0xD800 && u <= 0xDFFF))
                continue;
            const ushort code = ushort((lead << 8) | trail);
            t.dbl[code] = u;
            if (t.enc[u] == kNone)
                t.enc[u] = code;
        }
        ++leadIndex;
    }
    // Of duplicate codes the one Windows writes.
    for (const Cp932Preferred &p : kCp932Preferred)
        t.enc[p.unicode] = p.code;
    for (int code = 0x8140; code <= 0xFCFC; ++code)
        if (t.dbl[size_t(code)] && t.enc[t.dbl[size_t(code)]] != code)
            t.duplicate.set(code);
    for (const OneWay &w : kOneWay) {
        if (t.enc[w.unicode] == kNone) {
            t.enc[w.unicode] = w.code;
            t.oneWay.set(w.unicode);
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

const Tables &tables()
{
    return kTables;
}

// --- CP932 ------------------------------------------------------------------------

// Decodes CP932; *sawDuplicate tells whether a code other than the one
// written for its character was met.
QString decodeCp932(const char *data, qsizetype len, bool *sawDuplicate = nullptr)
{
    const Tables &t = tables();
    QString out(len, Qt::Uninitialized);
    QChar *o = out.data();
    qsizetype n = 0;
    bool dup = false;
    const uchar *p = reinterpret_cast<const uchar *>(data);
    for (qsizetype i = 0; i < len; ++i) {
        const uchar b = p[i];
        if (b < 0x80) {
            o[n++] = QChar(ushort(b));
            continue;
        }
        if (isLeadByte(b)) {
            if (i + 1 < len) {
                const ushort code = ushort((b << 8) | p[i + 1]);
                if (const ushort u = t.dbl[code]) {
                    dup = dup || t.duplicate[code];
                    o[n++] = QChar(u);
                    ++i;
                    continue;
                }
            }
        } else if (const ushort u = t.single[b]) {
            o[n++] = QChar(u);
            continue;
        }
        o[n++] = QChar(ushort(kRawBase + b));
    }
    out.truncate(n);
    if (sawDuplicate)
        *sawDuplicate = dup;
    return out;
}

// Encodes to CP932. Returns false at the first character CP932 cannot hold
// (its position in *bad), or, when `exact`, at the first one-way character.
bool encodeCp932(const QString &text, QByteArray &out, bool exact, qsizetype *bad = nullptr)
{
    const Tables &t = tables();
    bool ok = true;
    const QChar *s = text.constData();
    const qsizetype len = text.size();
    for (qsizetype i = 0; i < len; ++i) {
        const ushort u = s[i].unicode();
        if (u < 0x80) {
            out.append(char(u));
        } else if (isRaw(u)) {
            out.append(char(u - kRawBase));
        } else if (t.enc[u] != kNone && !(exact && t.oneWay[u])) {
            const ushort code = t.enc[u];
            if (code > 0xFF)
                out.append(char(code >> 8));
            out.append(char(code & 0xFF));
        } else {
            if (ok && bad)
                *bad = i;
            ok = false;
        }
    }
    return ok;
}

// --- UTF-8 --------------------------------------------------------------------------

bool isCont(uchar b) { return (b & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence at p (1..4), 0 when it is not valid.
int utf8Sequence(const uchar *p, qsizetype left, uint *cp)
{
    const uchar b = p[0];
    if (b < 0x80) {
        *cp = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        if (left < 2 || !isCont(p[1]))
            return 0;
        *cp = (uint(b & 0x1F) << 6) | (p[1] & 0x3F);
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !isCont(p[1]) || !isCont(p[2]))
            return 0;
        if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] > 0x9F))
            return 0; // overlong, or a surrogate
        *cp = (uint(b & 0x0F) << 12) | (uint(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !isCont(p[1]) || !isCont(p[2]) || !isCont(p[3]))
            return 0;
        if ((b == 0xF0 && p[1] < 0x90) || (b == 0xF4 && p[1] > 0x8F))
            return 0; // overlong, or beyond U+10FFFF
        *cp = (uint(b & 0x07) << 18) | (uint(p[1] & 0x3F) << 12) | (uint(p[2] & 0x3F) << 6)
              | (p[3] & 0x3F);
        return 4;
    }
    return 0;
}

QString decodeUtf8(const char *data, qsizetype len)
{
    const uchar *p = reinterpret_cast<const uchar *>(data);
    QString out(len, Qt::Uninitialized); // never more units than bytes
    QChar *o = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < len;) {
        if (p[i] < 0x80) {
            o[n++] = QChar(ushort(p[i++]));
            continue;
        }
        uint cp = 0;
        const int size = utf8Sequence(p + i, len - i, &cp);
        if (size == 0) {
            o[n++] = QChar(ushort(kRawBase + p[i++]));
            continue;
        }
        if (cp <= 0xFFFF && isRaw(ushort(cp))) {
            // A real character in the raw range is kept as its bytes, so
            // that it encodes back to them.
            for (int k = 0; k < size; ++k)
                o[n++] = QChar(ushort(kRawBase + p[i + k]));
        } else if (cp > 0xFFFF) {
            o[n++] = QChar(QChar::highSurrogate(cp));
            o[n++] = QChar(QChar::lowSurrogate(cp));
        } else {
            o[n++] = QChar(ushort(cp));
        }
        i += size;
    }
    out.truncate(n);
    return out;
}

// Encodes to UTF-8. Returns false at the first lone surrogate (left out).
bool encodeUtf8(const QString &text, QByteArray &out, qsizetype *bad = nullptr)
{
    bool ok = true;
    const QChar *s = text.constData();
    const qsizetype len = text.size();
    for (qsizetype i = 0; i < len; ++i) {
        uint u = s[i].unicode();
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        if (isRaw(ushort(u))) {
            out.append(char(u - kRawBase));
            continue;
        }
        if (QChar::isSurrogate(u)) {
            if (QChar::isHighSurrogate(u) && i + 1 < len && s[i + 1].isLowSurrogate()) {
                u = QChar::surrogateToUcs4(ushort(u), s[i + 1].unicode());
                ++i;
            } else {
                if (ok && bad)
                    *bad = i;
                ok = false;
                continue;
            }
        }
        if (u < 0x800) {
            out.append(char(0xC0 | (u >> 6)));
        } else if (u < 0x10000) {
            out.append(char(0xE0 | (u >> 12)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
        } else {
            out.append(char(0xF0 | (u >> 18)));
            out.append(char(0x80 | ((u >> 12) & 0x3F)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
        }
        out.append(char(0x80 | (u & 0x3F)));
    }
    return ok;
}

bool isUtf8(Encoding e) { return e != Encoding::Cp932; }

// The character at position i (both halves of a surrogate pair).
QString characterAt(const QString &text, qsizetype i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return text.mid(i, 2);
    return text.mid(i, 1);
}

// --- files --------------------------------------------------------------------------

QString fileError(const QString &verb, const QString &path, const QString &why)
{
    return FileError::message(verb, path, why);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

qsizetype contentStart(const QByteArray &bytes)
{
    return bytes.startsWith(kBom) ? kBom.size() : 0;
}

// LF only: the file has line ends and none of them is CR LF.
bool usesLfOnly(const QByteArray &bytes)
{
    return bytes.contains('\n') && !bytes.contains("\r\n");
}

// Calls `line(start, stop)` for every line of `bytes` from `from` on (LF or
// CR LF, line end excluded; a last line without a line end counts).
template <typename F>
void forEachLine(const QByteArray &bytes, qsizetype from, F line)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = from;
    while (start < size) {
        const qsizetype nl = bytes.indexOf('\n', start);
        qsizetype stop = nl < 0 ? size : nl;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        line(start, stop);
        if (nl < 0)
            break;
        start = nl + 1;
    }
}

// Decodes each line of `bytes` from `from` on; *dupLines gets the numbers of
// the lines that hold a duplicate CP932 code.
void decodeLines(const QByteArray &bytes, qsizetype from, Encoding encoding,
                 QStringList &lines, QList<qsizetype> *dupLines = nullptr)
{
    forEachLine(bytes, from, [&](qsizetype start, qsizetype stop) {
        const char *p = bytes.constData() + start;
        if (isUtf8(encoding)) {
            lines.append(decodeUtf8(p, stop - start));
            return;
        }
        bool dup = false;
        lines.append(decodeCp932(p, stop - start, &dup));
        if (dup && dupLines)
            dupLines->append(lines.size() - 1);
    });
}

// The bytes of each line of `bytes` from `from` on, line ends excluded.
QList<QByteArray> byteLines(const QByteArray &bytes, qsizetype from)
{
    QList<QByteArray> out;
    forEachLine(bytes, from, [&](qsizetype start, qsizetype stop) {
        out.append(bytes.mid(start, stop - start));
    });
    return out;
}

using Kept = QHash<QString, QList<QByteArray>>;

bool hasHighBytes(const QByteArray &bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return true;
    return false;
}

// Encodes lines for a file, each followed by `eol` (a byte-order mark first
// for Utf8Bom). For CP932 with `exact`, every line must read back as the same
// text; `kept` (may be null) gives the bytes of lines the program did not
// change. False with *bad set to the first character that does not fit
// (empty when a line fits but would not read back exactly: bytes that did
// not decode may form a character with what is written next to them).
bool encodeLines(const QStringList &lines, Encoding encoding, bool exact, const QByteArray &eol,
                 Kept *kept, QByteArray &out, QString *bad)
{
    auto hasRaw = [](const QString &line) {
        return std::any_of(line.cbegin(), line.cend(), [](QChar c) { return isRaw(c.unicode()); });
    };
    if (encoding == Encoding::Utf8Bom)
        out += kBom;
    for (const QString &line : lines) {
        qsizetype at = -1;
        if (isUtf8(encoding)) {
            const qsizetype before = out.size();
            if (!encodeUtf8(line, out, &at)) {
                *bad = characterAt(line, at);
                return false;
            }
            if (hasRaw(line) && decodeUtf8(out.constData() + before, out.size() - before) != line) {
                bad->clear();
                return false;
            }
        } else if (Kept::iterator k; kept && !kept->isEmpty() && (k = kept->find(line)) != kept->end()
                   && !k->isEmpty()) {
            out += k->takeFirst();
        } else {
            const qsizetype before = out.size();
            if (!encodeCp932(line, out, exact, &at)) {
                *bad = characterAt(line, at);
                return false;
            }
            // Only a raw byte before other text can read back otherwise.
            if (hasRaw(line) && decodeCp932(out.constData() + before, out.size() - before) != line) {
                bad->clear();
                return false;
            }
        }
        out += eol;
    }
    return true;
}

// Whether bytes written in `encoding` are read in it again.
bool readsAs(const QByteArray &bytes, Encoding encoding)
{
    const Encoding found = TextFile::detect(bytes);
    switch (encoding) {
    case Encoding::Cp932:
        return found == Encoding::Cp932;
    case Encoding::Utf8:
        return found == Encoding::Utf8 || !hasHighBytes(bytes);
    case Encoding::Utf8Bom:
        return true;
    }
    return false;
}

bool refuse(const QString &path, const QString &character, QString *error)
{
    if (character.isEmpty())
        setError(error, QStringLiteral("%1 には、読み込めなかったバイトを元どおりに書き戻せない行があるため、保存しませんでした。")
                            .arg(QFileInfo(path).fileName()));
    else
        setError(error, TextFile::unstorableMessage(QFileInfo(path).fileName(), character));
    return false;
}

bool lineBreakInside(const QString &path, const QStringList &lines, QString *error)
{
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\n'))) {
            setError(error, QStringLiteral("改行を含む行は %1 に書き込めません。").arg(path));
            return true;
        }
    }
    return false;
}

// The line end for lines written to a file: LF for a file that used LF only,
// unless a line ends in a bare CR, which would then read as part of a CR LF
// line end and be lost; otherwise CR LF.
QByteArray lineEnd(bool lfOnly, const QStringList &lines)
{
    const bool crAtEnd = std::any_of(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.endsWith(QLatin1Char('\r'));
    });
    return lfOnly && !crAtEnd ? QByteArray("\n") : QByteArray("\r\n");
}

// The bytes of a whole file under a policy (see the header).
bool fileBytes(const QString &path, const TextFile::Text &text, TextFile::Policy policy,
               QByteArray &out, QString *error)
{
    if (lineBreakInside(path, text.lines, error))
        return false;
    const QByteArray eol = lineEnd(text.lfOnly, text.lines);
    Kept kept = text.encoding == Encoding::Cp932 ? text.kept : Kept();
    QString bad;
    if (policy == TextFile::Policy::Own) {
        if (encodeLines(text.lines, Encoding::Cp932, true, eol, &kept, out, &bad)
            && readsAs(out, Encoding::Cp932))
            return true;
        out.clear();
        return encodeLines(text.lines, Encoding::Utf8Bom, false, eol, nullptr, out, &bad)
               || refuse(path, bad, error);
    }
    Encoding encoding = text.encoding;
    if (!encodeLines(text.lines, encoding, false, eol, &kept, out, &bad))
        return refuse(path, bad, error);
    // A CP932 text whose bytes happen to be valid UTF-8 is written as UTF-8;
    // UTF-8 holding raw bytes gets a byte-order mark.
    while (!readsAs(out, encoding)) {
        encoding = encoding == Encoding::Cp932 ? Encoding::Utf8 : Encoding::Utf8Bom;
        out.clear();
        if (!encodeLines(text.lines, encoding, false, eol, nullptr, out, &bad))
            return refuse(path, bad, error);
    }
    return true;
}

// Rewrites the whole file as the old lines plus the new ones in `encoding`.
// The bytes of the whole file `old` with `lines` after it, in `encoding`.
bool rewrittenWith(const QString &path, const QByteArray &old, const TextFile::Text &oldForm,
                   const QStringList &lines, Encoding encoding, QByteArray &out, QString *error)
{
    TextFile::Text all;
    all.encoding = encoding;
    all.lfOnly = oldForm.lfOnly;
    decodeLines(old, isUtf8(oldForm.encoding) ? contentStart(old) : 0, oldForm.encoding, all.lines);
    all.lines += lines;
    return fileBytes(path, all, TextFile::Policy::Shared, out, error);
}

bool appendBytes(const QString &path, const QByteArray &add, QString *error)
{
    QFile f(path);
    const bool existed = f.exists();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        setError(error, fileError(QStringLiteral("書き込めません"), path, f.errorString()));
        return false;
    }
    const qint64 before = f.size();
    if (f.write(add) != add.size()) {
        setError(error, fileError(QStringLiteral("書き込めません"), path, f.errorString()));
        // No half record is left behind, nor an empty file this append made.
        f.resize(before);
        f.close();
        if (!existed)
            f.remove();
        return false;
    }
    f.close();
    return true;
}

} // namespace

namespace TextFile {

void EncodingScan::add(const char *data, qsizetype size)
{
    if (!m_started && size > 0) {
        m_started = true;
        m_bom = size >= kBom.size() && std::memcmp(data, kBom.constData(), size_t(kBom.size())) == 0;
    }
    if (settled())
        return;
    const uchar *p = reinterpret_cast<const uchar *>(data);
    for (qsizetype i = 0; i < size;) {
        // Runs of ASCII (most of any file) are passed eight bytes at a time.
        quint64 word = 0;
        if (size - i >= 8 && (std::memcpy(&word, p + i, 8), (word & 0x8080808080808080ULL) == 0)) {
            i += 8;
            continue;
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        uint cp = 0;
        const int n = utf8Sequence(p + i, size - i, &cp);
        if (n == 0 || cp < 0xA0) { // invalid, or a C1 control character
            m_invalid = true;
            return;
        }
        m_multiByte = true;
        i += n;
    }
}

Encoding EncodingScan::result() const
{
    if (m_bom)
        return Encoding::Utf8Bom;
    return !m_invalid && m_multiByte ? Encoding::Utf8 : Encoding::Cp932;
}

Encoding detect(const QByteArray &bytes)
{
    EncodingScan scan;
    scan.add(bytes.constData(), bytes.size());
    return scan.result();
}

QString decode(const QByteArray &bytes, Encoding encoding)
{
    if (isUtf8(encoding)) {
        const qsizetype from = encoding == Encoding::Utf8Bom ? contentStart(bytes) : 0;
        return decodeUtf8(bytes.constData() + from, bytes.size() - from);
    }
    return decodeCp932(bytes.constData(), bytes.size());
}

QString decode(const QByteArray &bytes)
{
    return decode(bytes, detect(bytes));
}

bool canEncode(const QString &text, Encoding encoding, QString *refused)
{
    QByteArray scratch;
    qsizetype at = -1;
    const bool ok = isUtf8(encoding) ? encodeUtf8(text, scratch, &at)
                                     : encodeCp932(text, scratch, false, &at);
    if (!ok && refused)
        *refused = characterAt(text, at);
    return ok;
}

QByteArray encode(const QString &text, Encoding encoding, bool *ok)
{
    QByteArray out;
    out.reserve(text.size() * (isUtf8(encoding) ? 3 : 2));
    const bool fine = isUtf8(encoding) ? encodeUtf8(text, out) : encodeCp932(text, out, false);
    if (ok)
        *ok = fine;
    return out;
}

int byteLength(const QString &text, Encoding encoding)
{
    if (isUtf8(encoding))
        return int(encode(text, Encoding::Utf8).size());
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString c = characterAt(text, i);
        i += c.size() - 1;
        QByteArray bytes;
        if (encodeCp932(c, bytes, false))
            n += int(bytes.size());
        else
            n += int(encode(c, Encoding::Utf8).size());
    }
    return n;
}

QString fold(const QString &text)
{
    QString out = text; // shared until a character changes
    const QChar *s = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const ushort u = s[i].unicode();
        if (u < 0xA2)
            continue;
        for (const OneWay &w : kOneWay)
            if (u == w.unicode)
                out[i] = QChar(w.twin);
    }
    return out;
}

QString unstorableMessage(const QString &field, const QString &character)
{
    const QString code = character.isEmpty()
        ? QString()
        : QStringLiteral(" (U+%1)").arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
    if (character.isEmpty())
        return QStringLiteral("「%1」は、このファイルの文字コードで正しく保存できません。"
                              "何も書き込んでいません。").arg(field);
    return QStringLiteral("「%1」に、Shift-JIS のファイルには保存できない文字「%2」%3があります。"
                          "何も書き込んでいません。")
        .arg(field, character, code);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype len = text.size();
    qsizetype start = 0;
    while (start < len) {
        const qsizetype nl = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = nl < 0 ? len : nl;
        qsizetype stop = end;
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
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        setError(error, fileError(QStringLiteral("読み込めません"), path, f.errorString()));
        return false;
    }
    // A file is read into a buffer of its size in as few reads as the
    // system allows (QIODevice::readAll grows its buffer step by step, which
    // costs a large file many times the reading itself). Whatever the file
    // holds beyond that size by then (a file still being written) is read
    // after it; a file that has no size (a pipe) is read to its end.
    bool ok = true;
    const qint64 size = f.isSequential() ? 0 : f.size();
    if (size > 0 && size < qint64(std::numeric_limits<qsizetype>::max())) {
        bytes = QByteArray(qsizetype(size), Qt::Uninitialized); // exactly its size
        qint64 got = 0;
        while (got < size) {
            const qint64 n = f.read(bytes.data() + got, size - got);
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            got += n;
        }
        bytes.truncate(qsizetype(got));
    }
    if (ok) {
        const QByteArray rest = f.readAll();
        if (bytes.isEmpty())
            bytes = rest;
        else
            bytes += rest;
    }
    if (!ok || f.error() != QFileDevice::NoError) {
        setError(error, fileError(QStringLiteral("読み込めません"), path, f.errorString()));
        bytes.clear();
        return false;
    }
    return true;
}

bool read(const QString &path, Text &text, QString *error)
{
    text = Text();
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    text.encoding = detect(bytes);
    text.lfOnly = usesLfOnly(bytes);
    const qsizetype from = isUtf8(text.encoding) ? contentStart(bytes) : 0;
    QList<qsizetype> dupLines;
    decodeLines(bytes, from, text.encoding, text.lines, &dupLines);
    if (!dupLines.isEmpty()) {
        // Every line with the text of a line holding a duplicate code keeps
        // its bytes, in order, so that equal texts are not swapped.
        QSet<QString> texts;
        for (qsizetype i : dupLines)
            texts.insert(text.lines.at(i));
        const QList<QByteArray> raw = byteLines(bytes, from);
        for (qsizetype i = 0; i < text.lines.size(); ++i)
            if (texts.contains(text.lines.at(i)))
                text.kept[text.lines.at(i)].append(raw.at(i));
    }
    return true;
}

bool readLines(const QString &path, QStringList &lines, QString *error)
{
    lines.clear();
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    const Encoding e = detect(bytes);
    decodeLines(bytes, isUtf8(e) ? contentStart(bytes) : 0, e, lines);
    return true;
}

Encoding fileEncoding(const QString &path)
{
    QByteArray bytes;
    if (!QFileInfo(path).isFile() || !readBytes(path, bytes))
        return Encoding::Cp932;
    return detect(bytes);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    // File systems take names of at most 255 bytes. The atomic rewrite of an
    // existing file renames a temporary file named after it plus "." and six
    // characters; where that name would be too long, the file is rewritten
    // in place, carefully (InPlaceRewrite.h).
    constexpr qsizetype kNameMax = 255;
    constexpr qsizetype kTemporarySuffix = 7;
    const QFileInfo existing(path);
    const qsizetype nameBytes = QFile::encodeName(existing.fileName()).size();
    if (nameBytes <= kNameMax && nameBytes + kTemporarySuffix > kNameMax && existing.isFile())
        return RewriteInPlace(path, bytes, error);
    // Unbuffered, so that a short write (disk full, size limit) is seen here
    // instead of being lost in a buffer flush.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The folder takes no new file, the file itself may be written: a
        // careful rewrite in place (InPlaceRewrite.h) instead of the atomic one.
        if (existing.isFile() && existing.isWritable())
            return RewriteInPlace(path, bytes, error);
        setError(error, fileError(QStringLiteral("書き込めません"), path, f.errorString()));
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        setError(error, fileError(QStringLiteral("書き込めません"), path, f.errorString()));
        f.cancelWriting();
        return false;
    }
    return true;
}

bool write(const QString &path, const Text &text, Policy policy, QString *error)
{
    QByteArray bytes;
    if (!fileBytes(path, text, policy, bytes, error))
        return false;
    return writeBytes(path, bytes, error);
}

bool isKeptLeadByte(QChar c)
{
    return isRaw(c.unicode()) && isLeadByte(uchar(c.unicode() - kRawFirst + 0x80));
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    Text text;
    text.lines = lines;
    return write(path, text, Policy::Own, error);
}

} // namespace TextFile

namespace {

// What appending `lines` to the file `path` holding `old` writes: the bytes
// to add at its end (*whole false), or the whole new file (*whole true).
bool appended(const QString &path, const QByteArray &old, const QStringList &lines,
              TextFile::Policy policy, QByteArray &out, bool &whole, QString *error)
{
    TextFile::Text text;
    text.lines = lines;
    whole = false;
    if (old.isEmpty()) {
        // A new file: written as a whole file would be.
        return fileBytes(path, text, policy, out, error);
    }
    if (lineBreakInside(path, lines, error))
        return false;
    text.encoding = TextFile::detect(old);
    text.lfOnly = usesLfOnly(old);
    const QByteArray eol = lineEnd(text.lfOnly, lines);
    const bool own = policy == TextFile::Policy::Own;
    // A last line without a line end is ended first, so that the new lines
    // do not run on from it. One cut after its CR already reads as ended
    // (splitLines), so only the LF is added and it reads the same.
    QByteArray add;
    if (old.size() > (isUtf8(text.encoding) ? contentStart(old) : 0) && !old.endsWith('\n'))
        add = old.endsWith('\r') ? QByteArray("\n") : eol;
    const Encoding target = text.encoding == Encoding::Utf8Bom ? Encoding::Utf8 : text.encoding;
    const qsizetype prefix = add.size();
    QString bad;
    if (!encodeLines(lines, target, own, eol, nullptr, add, &bad)) {
        if (!(own && target == Encoding::Cp932))
            return refuse(path, bad, error);
        whole = true;
        return rewrittenWith(path, old, text, lines, Encoding::Utf8Bom, out, error);
    }
    if (readsAs(old + add, text.encoding)) {
        out = add;
        return true;
    }
    if (!own && target == Encoding::Cp932) {
        // Text-only ASCII so far, and the new CP932 bytes would read as UTF-8.
        add.truncate(prefix);
        encodeLines(lines, Encoding::Utf8, false, eol, nullptr, add, &bad);
        if (readsAs(old + add, Encoding::Utf8)) {
            out = add;
            return true;
        }
    }
    whole = true;
    return rewrittenWith(path, old, text, lines, Encoding::Utf8Bom, out, error);
}

// Reads the file (a missing one is empty) into `old`, then appended().
bool readAndAppend(const QString &path, const QStringList &lines, TextFile::Policy policy,
                   QByteArray &old, QByteArray &out, bool &whole, QString *error)
{
    if (QFileInfo(path).isFile() && !TextFile::readBytes(path, old, error))
        return false;
    return appended(path, old, lines, policy, out, whole, error);
}

} // namespace

namespace TextFile {

bool append(const QString &path, const QStringList &lines, Policy policy, QString *error)
{
    QByteArray old, out;
    bool whole = false;
    if (!readAndAppend(path, lines, policy, old, out, whole, error))
        return false;
    return whole ? writeBytes(path, out, error) : appendBytes(path, out, error);
}

bool appendAtomically(const QString &path, const QStringList &lines, Policy policy, QString *error)
{
    QByteArray old, out;
    bool whole = false;
    return readAndAppend(path, lines, policy, old, out, whole, error)
           && writeBytes(path, whole ? out : old + out, error);
}

bool appendLines(const QString &path, const QStringList &lines, QString *error)
{
    return append(path, lines, Policy::Own, error);
}

} // namespace TextFile
