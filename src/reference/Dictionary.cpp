#include "Dictionary.h"

#include "LineScan.h"
#include "platform/TextFile.h"

#include <QFile>


#include <cstring>
#include <string.h>

namespace Dictionary {

QString trimWord(const QString &typed)
{
    QString w = typed;
    const int dot = w.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        w.truncate(dot);
    const int comma = w.indexOf(QLatin1Char(','));
    if (comma >= 0)
        w.truncate(comma);
    return w;
}

void splitLine(const QString &line, QString &english, QString &japanese, QString &comment)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) {
        english = line;
        japanese.clear();
        comment.clear();
        return;
    }
    english = line.left(eq);
    const QString rest = line.mid(eq + 1);
    const int star = rest.indexOf(QLatin1Char('*'));
    if (star < 0) {
        japanese = rest;
        comment.clear();
        return;
    }
    japanese = rest.left(star);
    comment = rest.mid(star + 1);
}

QString messageText(const DictionaryResult &result)
{
    if (result.status != DictionaryResult::Found)
        return notFoundText();
    return QStringLiteral("以下の単語が見つかりました\n\n英　 語： ") + result.english
        + QStringLiteral("\n日本語： ") + result.japanese + QStringLiteral("\n\nコメント： ")
        + result.comment;
}

} // namespace Dictionary

namespace {

// A file read in blocks of whole lines through one small buffer: each block
// starts at a line start and ends after a line feed (the last one at the end
// of the file); a line longer than the buffer grows it. A look-up then
// touches the same few pages of memory however large the file is.
class LineBlocks
{
public:
    explicit LineBlocks(QFile &file) : m_file(file), m_buffer(64 * 1024, Qt::Uninitialized) {}

    // The next block; false at the end of the file or when reading fails.
    bool next(const char *&data, qsizetype &size)
    {
        if (m_given > 0) {
            std::memmove(m_buffer.data(), m_buffer.constData() + m_given, size_t(m_have - m_given));
            m_have -= m_given;
            m_given = 0;
        }
        for (;;) {
            if (!m_end && m_have < m_buffer.size()) {
                const qint64 n = m_file.read(m_buffer.data() + m_have, m_buffer.size() - m_have);
                if (n < 0) {
                    m_failed = true;
                    return false;
                }
                m_end = n == 0;
                m_have += qsizetype(n);
            }
            const char *b = m_buffer.constData();
            if (const void *nl = memrchr(b, '\n', size_t(m_have)))
                m_given = static_cast<const char *>(nl) - b + 1;
            else if (m_end)
                m_given = m_have;
            else if (m_have == m_buffer.size())
                m_buffer.resize(m_buffer.size() * 2);
            if (m_given > 0) {
                data = b;
                size = m_given;
                return true;
            }
            if (m_end)
                return false;
        }
    }
    bool failed() const { return m_failed; }

private:
    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_have = 0, m_given = 0;
    bool m_end = false, m_failed = false;
};

void setUnreadable(DictionaryResult &result, const QString &dictPath, QString *error)
{
    result.status = DictionaryResult::Unreadable;
    if (error) {
        *error = dictPath.isEmpty() ? QStringLiteral("辞書ファイルが指定されていません。")
                                    : QStringLiteral("辞書ファイル「%1」を開くことができません。").arg(dictPath);
    }
}

void setFound(DictionaryResult &result, int lineNumber, const QString &line)
{
    result.status = DictionaryResult::Found;
    result.lineNumber = lineNumber;
    result.line = line;
    Dictionary::splitLine(result.line, result.english, result.japanese, result.comment);
}

bool isAsciiBytes(const QByteArray &bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

// The first line that begins with an ASCII word: its bytes are the same in
// every encoding of the files and no character of it is folded, so the raw
// bytes at the start of every line are compared with the word's, and only
// the line found is decoded. The file is read once, in blocks, and read on
// after the line only as far as its encoding needs.
void findAscii(QFile &file, const QString &wanted, DictionaryResult &result, bool *failed)
{
    const QByteArray needle = wanted.toLatin1();
    const QByteArray afterBreak = '\n' + needle;
    LineBlocks blocks(file);
    TextFile::EncodingScan scan;
    const char *data = nullptr;
    qsizetype size = 0;
    qint64 linesBefore = 0;
    bool firstBlock = true;
    int foundNumber = -1;
    QByteArray foundLine;
    while (blocks.next(data, size)) {
        scan.add(data, size);
        if (foundNumber < 0) {
            const QByteArray block = QByteArray::fromRawData(data, size);
            qsizetype from = firstBlock ? LineScan::firstLine(block) : 0;
            qsizetype hit = -1;
            if (size - from >= needle.size() && std::memcmp(data + from, needle.constData(), size_t(needle.size())) == 0)
                hit = from;
            else if (const void *at = memmem(data + from, size_t(size - from), afterBreak.constData(),
                                             size_t(afterBreak.size())))
                hit = static_cast<const char *>(at) - data + 1;
            if (hit >= 0) {
                foundNumber = int(linesBefore + LineScan::lineNumber(block, hit));
                foundLine = block.mid(hit, LineScan::lineEnd(block, hit) - hit);
            } else {
                linesBefore += LineScan::lineNumber(block, size);
            }
        }
        firstBlock = false;
        if (foundNumber >= 0 && (scan.settled() || isAsciiBytes(foundLine)))
            break;
    }
    *failed = blocks.failed();
    if (foundNumber < 0 || *failed)
        return;
    TextFile::Encoding encoding = scan.result();
    if (encoding == TextFile::Encoding::Utf8Bom) // the mark is not part of the line
        encoding = TextFile::Encoding::Utf8;
    setFound(result, foundNumber, TextFile::decode(foundLine, encoding));
}

} // namespace

DictionaryResult LookUpDictionary(const QString &dictPath, const QString &word, QString *error)
{
    DictionaryResult result;
    result.word = word;

    // The file is read for each look-up, so that a dictionary edited in
    // another program is seen at once. (It is read, not mapped: the pages
    // of a mapping are faulted in one by one, and a mapped file cut short by
    // another program while it is searched would stop the program.)
    QFile file(dictPath);
    if (dictPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        setUnreadable(result, dictPath, error);
        return result;
    }
    if (word.isEmpty() || word.contains(QLatin1Char('\n'))) {
        // Nothing to look for; the file must still be readable.
        char probe;
        if (file.read(&probe, 1) < 0)
            setUnreadable(result, dictPath, error);
        return result;
    }

    // The first line that begins with the word, compared after folding.
    const QString wanted = TextFile::fold(word);
    // (A CR in the word could match the CR of a line end in the bytes; such a
    // word is compared with decoded lines, whose ends are already cut off.)
    if (LineScan::isAscii(wanted) && !wanted.contains(QLatin1Char('\r'))) {
        bool failed = false;
        findAscii(file, wanted, result, &failed);
        if (failed)
            setUnreadable(result, dictPath, error);
        return result;
    }
    // Any other word is compared with every line decoded.
    file.close();
    QByteArray bytes;
    if (!TextFile::readBytes(dictPath, bytes)) {
        setUnreadable(result, dictPath, error);
        return result;
    }
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    const qsizetype found = LineScan::findLine(bytes, LineScan::firstLine(bytes), encoding,
                                               [&](const QString &line) { return TextFile::fold(line).startsWith(wanted); });
    if (found >= 0)
        setFound(result, LineScan::lineNumber(bytes, found), LineScan::lineText(bytes, found, encoding));
    return result;
}
