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

DictionaryResult LookUpDictionary(const QString &dictPath, const QString &word, QString *error)
{
    DictionaryResult result;
    result.word = word;

    // The file is mapped rather than read: the look-up then uses the pages
    // the system already holds for it instead of copying them into fresh
    // memory, so that the first look-up of a run costs what the later ones
    // do. A file that cannot be mapped (an empty one) is read.
    QFile file(dictPath);
    QByteArray bytes;
    const uchar *mapped = nullptr;
    if (!dictPath.isEmpty() && file.open(QIODevice::ReadOnly) && file.size() > 0)
        mapped = file.map(0, file.size());
    if (mapped) {
        bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), qsizetype(file.size()));
    } else if (dictPath.isEmpty() || !TextFile::readBytes(dictPath, bytes)) {
        result.status = DictionaryResult::Unreadable;
        if (error) {
            *error = dictPath.isEmpty()
                ? QStringLiteral("辞書ファイルが指定されていません。")
                : QStringLiteral("辞書ファイル「%1」を開くことができません。").arg(dictPath);
        }
        return result;
    }

    if (word.isEmpty() || word.contains(QLatin1Char('\n')))
        return result;

    // The first line that begins with the word, compared after folding. An
    // ASCII word is searched for in the raw bytes at the start of every line
    // (the first line, or after a line feed), and only a line whose bytes
    // match is decoded and checked character by character; any other word
    // is compared line by line.
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    const QString wanted = TextFile::fold(word);
    auto begins = [&](const QString &line) { return TextFile::fold(line).startsWith(wanted); };
    qsizetype found = -1;
    if (LineScan::isAscii(wanted)) {
        const QByteArray needle = wanted.toLatin1();
        const QByteArray afterBreak = '\n' + needle;
        const char *data = bytes.constData();
        const qsizetype size = bytes.size();
        const qsizetype first = LineScan::firstLine(bytes);
        if (size - first >= needle.size()
            && std::memcmp(data + first, needle.constData(), size_t(needle.size())) == 0
            && begins(LineScan::lineText(bytes, first, encoding)))
            found = first;
        for (qsizetype from = first; found < 0 && from < size;) {
            const void *hit = memmem(data + from, size_t(size - from), afterBreak.constData(),
                                     size_t(afterBreak.size()));
            if (!hit)
                break;
            const qsizetype start = static_cast<const char *>(hit) - data + 1;
            if (begins(LineScan::lineText(bytes, start, encoding)))
                found = start;
            from = start;
        }
    } else {
        found = LineScan::findLine(bytes, LineScan::firstLine(bytes), encoding, begins);
    }
    if (found >= 0) {
        result.status = DictionaryResult::Found;
        result.lineNumber = LineScan::lineNumber(bytes, found);
        result.line = LineScan::lineText(bytes, found, encoding);
        Dictionary::splitLine(result.line, result.english, result.japanese, result.comment);
    }
    return result;
}
