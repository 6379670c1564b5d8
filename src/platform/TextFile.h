#pragma once
// The one place where text meets the disk and where every encoding question
// is decided. Inside the program everything is QString; on disk a file is
// CP932 (the Windows Japanese code page) or UTF-8.
//
// Reading. A file that starts with a UTF-8 byte-order mark is UTF-8. A file
// that is valid UTF-8 as a whole and holds at least one multi-byte sequence
// (and no C1 control character, U+0080..U+009F) is UTF-8. Everything else is
// CP932. Japanese CP932 text is practically never valid UTF-8: hiragana,
// katakana and the common kanji start with a byte 0x81..0x9F, which UTF-8
// only allows inside a sequence. The rare CP932 bytes that also read as
// UTF-8 (a few half-width katakana pairs such as "ﾃｨ", which is "è" in
// UTF-8) are taken as UTF-8; the program never writes such a file itself
// (see Own below), so its own files always read back as written.
//
// Decoding is lossless. CP932 codes decode to the characters Windows shows,
// duplicates included (the NEC row 13 codes such as 0x8790, the NEC-selected
// IBM extensions 0xED40..0xEEFC and the IBM extensions 0xFA40..0xFC4B). A
// byte that is not valid in the file's encoding becomes a raw code point
// U+F780 + (byte - 0x80), which encodes back to that very byte.
//
// Encoding never writes "?". CP932 encoding writes each character with the
// code Windows writes for it (the preferred one of duplicates) and maps the
// one-way characters Linux input methods type to their CP932 codes: U+301C
// -> 0x8160, U+2212 -> 0x817C, U+2014 -> 0x815C, U+2016 -> 0x8161, U+00A2 ->
// 0x8191, U+00A3 -> 0x8192, U+00AC -> 0x81CA. Those decode to their twins
// (U+FF5E, U+FF0D, U+2015, U+2225, U+FFE0, U+FFE1, U+FFE2), so text is
// compared after fold().
//
// Writing a file follows one of two policies:
//  - Own: the program's own files (settings, records, logs). CP932 when the
//    text reads back from CP932 exactly (no one-way character, nothing CP932
//    cannot hold), otherwise UTF-8 with a byte-order mark.
//  - Shared: the learner's files (collections, reference books, the
//    dictionary, print sheets, new texts). A file keeps the encoding it has
//    (a missing or empty file is CP932); text that a CP932 file cannot hold
//    is refused before anything is written, with a message naming the
//    character. Callers check their fields first with canEncode() and
//    unstorableMessage() so the message also names the field.
// A whole-file rewrite keeps the bytes of every line the program did not
// change (duplicate codes included) and the file's line ends (LF when it used
// LF only, otherwise CR LF; CR LF also when a line ends in a bare CR, which
// an LF would not keep apart from its line end). An append first ends a last line that has no
// line end, in the file's own style.
//
// Byte limits are byte counts in the file's encoding (byteLength()).
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace TextFile {

enum class Encoding { Cp932, Utf8, Utf8Bom };
enum class Policy { Own, Shared };

// --- text <-> bytes -----------------------------------------------------------
// The encoding of a file's bytes by the rule above (an empty file is CP932).
Encoding detect(const QByteArray &bytes);
// Lossless decoding; a leading byte-order mark is skipped for Utf8Bom.
QString decode(const QByteArray &bytes, Encoding encoding);
// The same rule applied to a file read piece by piece: add() every piece in
// order (pieces split at line ends, so that no character is cut), then
// result() is what detect() gives for the whole. settled() tells that no
// later piece can change the answer.
class EncodingScan
{
public:
    void add(const char *data, qsizetype size);
    bool settled() const { return m_bom || m_invalid; }
    Encoding result() const;

private:
    bool m_started = false, m_bom = false, m_invalid = false, m_multiByte = false;
};
// detect() then decode().
QString decode(const QByteArray &bytes);
// True when the encoding holds every character of the text (for CP932 the
// one-way characters count as held). Otherwise *refused is set to the first
// character it cannot hold.
bool canEncode(const QString &text, Encoding encoding, QString *refused = nullptr);

// Whether `c` is a byte that did not decode (kept as U+F780 + byte - 0x80)
// and is a CP932 lead byte, which pairs with a trail byte written after it.
bool isKeptLeadByte(QChar c);
// The bytes of the text (no byte-order mark). A character the encoding
// cannot hold is left out and *ok set to false: check with canEncode() first.
QByteArray encode(const QString &text, Encoding encoding = Encoding::Cp932, bool *ok = nullptr);
// Length in bytes in the given encoding (the unit of every byte limit); a
// character CP932 cannot hold counts with its UTF-8 length.
int byteLength(const QString &text, Encoding encoding = Encoding::Cp932);

// Text for comparisons: the one-way characters become their CP932 twins.
QString fold(const QString &text);
inline bool sameText(const QString &a, const QString &b)
{
    return a == b || (a.size() == b.size() && fold(a) == fold(b));
}

// "「<field>」に、Shift-JIS のファイルには保存できない文字「c」(U+XXXX) があります。"
QString unstorableMessage(const QString &field, const QString &character);

// Splits decoded text into lines: CR LF or LF; a last line without a line end
// counts; no phantom empty line after a final line end.
QStringList splitLines(const QString &text);

// --- files ----------------------------------------------------------------------
// A file's lines together with what a rewrite needs to keep its bytes.
struct Text
{
    QStringList lines;
    Encoding encoding = Encoding::Cp932;
    bool lfOnly = false; // the file ended its lines with LF only
    // Lines whose bytes a fresh encoding would change (duplicate CP932
    // codes), by text, in file order; a rewrite writes them back as they were.
    QHash<QString, QList<QByteArray>> kept;
};

// Reads a whole file. Returns false (text emptied, *error set to a message
// naming the file) when the file cannot be read.
bool read(const QString &path, Text &text, QString *error = nullptr);
bool readLines(const QString &path, QStringList &lines, QString *error = nullptr);
bool readBytes(const QString &path, QByteArray &bytes, QString *error = nullptr);
// The encoding new text of a shared file is written in: the file's own, or
// CP932 when it is missing or empty.
Encoding fileEncoding(const QString &path);

// Rewrites a whole file atomically (written beside, then renamed), every
// line followed by a line end. A Text from read() keeps what it read.
bool write(const QString &path, const Text &text, Policy policy, QString *error = nullptr);
// write() of new lines as an own file.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);
// Atomic rewrite of raw bytes.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// Appends lines, creating the file when missing; a failed append leaves the
// file as it was. An own CP932 file that cannot hold the new lines is
// rewritten whole as UTF-8 with a byte-order mark.
bool append(const QString &path, const QStringList &lines, Policy policy,
            QString *error = nullptr);
// append() done as one atomic rewrite of the whole file (read once, written
// beside it, renamed over it): a failure or a crash leaves the file as it was,
// even for a file append() would only add to.
bool appendAtomically(const QString &path, const QStringList &lines, Policy policy,
                      QString *error = nullptr);
// append() to an own file.
bool appendLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile
