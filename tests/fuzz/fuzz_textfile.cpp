// The text-file layer: decoding and encoding, line splitting, whole-file
// writes and record appends.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "records/RecordText.h"

#include <QFile>

using namespace Fuzz;

namespace {

// Lines must be exactly the text between line ends: "\n", or "\r\n" taken as
// one; a last line without a line end counts, an empty one after a final
// line end does not.
void checkSplit(const QString &text, const QStringList &lines)
{
    qsizetype pos = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')), shown(line));
        FUZZ_CHECK(text.mid(pos, line.size()) == line,
                   QStringLiteral("line %1 %2 not at %3").arg(i).arg(shown(line)).arg(pos));
        pos += line.size();
        if (pos == text.size())
            break;
        if (text.at(pos) == QLatin1Char('\r') && pos + 1 < text.size()
            && text.at(pos + 1) == QLatin1Char('\n'))
            pos += 2;
        else if (text.at(pos) == QLatin1Char('\n'))
            pos += 1;
        else if (text.at(pos) == QLatin1Char('\r') && pos + 1 == text.size())
            pos += 1;   // a final CR without LF ends the last line
        else
            FUZZ_CHECK(false, QStringLiteral("line %1 ends at %2 without a line end").arg(i).arg(pos));
    }
    FUZZ_CHECK(pos == text.size(),
               QStringLiteral("%1 lines cover %2 of %3 characters").arg(lines.size()).arg(pos).arg(text.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QByteArray bytes = in.piece();
    const QByteArray appended = in.rest();
    const QString folder = Scratch::instance().reset();

    // Decoding is lossless in the encoding the bytes are taken to be in:
    // encoding gives the same bytes, except that a duplicate CP932 code
    // (two codes of one character) comes back as the code written for that
    // character, which is as long and reads as the same text.
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    const QByteArray bom = encoding == TextFile::Encoding::Utf8Bom ? QByteArray("\xef\xbb\xbf")
                                                                  : QByteArray();
    const QString text = TextFile::decode(bytes);
    FUZZ_CHECK(text == TextFile::decode(bytes, encoding), shown(text));
    bool ok = false;
    const QByteArray encoded = TextFile::encode(text, encoding, &ok);
    FUZZ_CHECK(ok, shown(text));
    if (bom + encoded != bytes) {
        // (A byte that did not decode may pair with the new code, so the
        // text is compared only when there is none.)
        FUZZ_CHECK(encoding == TextFile::Encoding::Cp932 && encoded.size() == bytes.size()
                       && (hasRawByte(text) || TextFile::decode(encoded, encoding) == text),
                   shown(text));
        // Only lines holding a duplicate code change; read() keeps their bytes.
        const QString dup = folder + QStringLiteral("dup.txt");
        writeFile(dup, bytes);
        TextFile::Text read;
        FUZZ_CHECK(TextFile::read(dup, read) && !read.kept.isEmpty(),
                   QStringLiteral("bytes changed without a duplicate code: %1").arg(shown(text)));
        QFile::remove(dup);
    }
    FUZZ_CHECK(TextFile::byteLength(text, encoding) == bytes.size() - bom.size(), shown(text));
    FUZZ_CHECK(TextFile::canEncode(text, encoding), shown(text));

    const QStringList lines = TextFile::splitLines(text);
    checkSplit(text, lines);

    // A file read back is the file written.
    const QString path = folder + QStringLiteral("file.txt");
    QString error;
    FUZZ_CHECK(TextFile::writeBytes(path, bytes, &error), error);
    QByteArray back;
    FUZZ_CHECK(TextFile::readBytes(path, back, &error), error);
    FUZZ_CHECK(back == bytes, QStringLiteral("raw bytes changed"));
    QStringList read;
    FUZZ_CHECK(TextFile::readLines(path, read, &error), error);
    FUZZ_CHECK(read == lines, QStringLiteral("readLines differs from splitLines"));

    // Lines written and read again are the same lines. Bytes that did not
    // decode may not be writable beside what follows them (a character with
    // two CP932 codes whose usual code pairs with the byte before it): then
    // nothing is written, and the message says why.
    const QString copy = folder + QStringLiteral("copy.txt");
    QStringList files{QStringLiteral("file.txt")};
    if (TextFile::writeLines(copy, lines, &error)) {
        QStringList again;
        FUZZ_CHECK(TextFile::readLines(copy, again, &error), error);
        FUZZ_CHECK(again == lines, QStringLiteral("%1 lines written, %2 read back").arg(lines.size()).arg(again.size()));
        files.prepend(QStringLiteral("copy.txt"));
    } else {
        FUZZ_CHECK(hasRawByte(text) && !error.isEmpty() && !QFile::exists(copy), error);
    }

    // A record appended to any file follows its lines, which stay as they were.
    QStringList newLines = TextFile::splitLines(TextFile::decode(appended));
    if (newLines.isEmpty())
        newLines << QString();
    if (!AppendRecordLines(path, newLines, &error)) {
        // Bytes that did not decode can be impossible to write back beside
        // the new lines (the file moved to UTF-8 for them, or is UTF-8 and the
        // new lines hold them): then nothing is written, and the message says
        // why.
        FUZZ_CHECK(!error.isEmpty() && readFile(path) == bytes
                       && (hasRawByte(text) || hasRawByte(newLines.join(QLatin1Char('\n')))),
                   error);
        FUZZ_CHECK(filesBelow(folder) == files, filesBelow(folder).join(QLatin1Char(',')));
        return 0;
    }
    QStringList after;
    FUZZ_CHECK(TextFile::readLines(path, after, &error), error);
    FUZZ_CHECK(after == lines + newLines,
               QStringLiteral("before %1 lines, appended %2, after %3; last before %4")
                   .arg(lines.size()).arg(newLines.size()).arg(after.size())
                   .arg(shown(lines.value(lines.size() - 1))));
    // Earlier bytes stay, unless the new lines needed another encoding.
    FUZZ_CHECK(readFile(path).startsWith(bytes)
                   || (TextFile::detect(readFile(path)) != encoding
                       && TextFile::detect(readFile(path)) == TextFile::Encoding::Utf8Bom),
               QStringLiteral("an append changed earlier bytes"));

    // Nothing lands outside the folder, and no scratch file stays behind.
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    FUZZ_CHECK(filesBelow(folder) == files, filesBelow(folder).join(QLatin1Char(',')));
    return 0;
}
