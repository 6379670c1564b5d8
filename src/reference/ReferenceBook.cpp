#include "ReferenceBook.h"

#include "LineScan.h"
#include "platform/TextFile.h"

namespace {

QString unreadableMessage(const QString &bookPath)
{
    if (bookPath.isEmpty())
        return QStringLiteral("参考書ファイルが指定されていません。");
    return QStringLiteral("参考書ファイル「%1」を開くことができません。").arg(bookPath);
}

// A count line is a decimal number of lines: digits, optionally signed and
// surrounded by blanks. Negative counts are refused like any other bad count.
bool parseCount(const QString &line, int &count)
{
    const QString t = line.trimmed();
    if (t.isEmpty())
        return false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (!(c.isDigit() && c.unicode() < 0x80) && !(i == 0 && c == QLatin1Char('+')))
            return false;
    }
    bool ok = false;
    count = t.toInt(&ok, 10);
    return ok;
}

} // namespace

namespace Reference {

QString title(const QString &keyword)
{
    return keyword + QStringLiteral("について");
}

QString searchText(const QString &keyword)
{
    if (keyword.contains(QLatin1Char('#')))
        return keyword;
    return QLatin1Char('#') + keyword;
}

} // namespace Reference

ReferenceEntry FindReference(const QString &bookPath, const QString &keyword, QString *error)
{
    ReferenceEntry entry;
    entry.searchText = Reference::searchText(keyword);
    if (entry.searchText == Reference::noKeyword()) {
        entry.status = ReferenceEntry::NoExplanation;
        entry.lines << Reference::noExplanationText();
        return entry;
    }

    QByteArray bytes;
    if (bookPath.isEmpty() || !TextFile::readBytes(bookPath, bytes)) {
        entry.status = ReferenceEntry::Unreadable;
        if (error)
            *error = unreadableMessage(bookPath);
        return entry;
    }

    // The search text holds no line end, or no line of the book can contain it.
    if (entry.searchText.contains(QLatin1Char('\n')))
        return entry;

    // First line holding the search text, compared after folding (a typed
    // WAVE DASH finds the book's FULLWIDTH TILDE). An ASCII search text is
    // looked for in the bytes, and the line found is decoded and checked, so
    // that a match that only exists in the middle of a two-byte character is
    // passed over; any other text is compared line by line.
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    const QString wanted = TextFile::fold(entry.searchText);
    auto holds = [&](const QString &line) { return TextFile::fold(line).contains(wanted); };
    qsizetype headerStart = -1;
    if (LineScan::isAscii(wanted)) {
        const QByteArray needle = wanted.toLatin1();
        qsizetype from = 0;
        while (from <= bytes.size()) {
            const qsizetype hit = bytes.indexOf(needle, from);
            if (hit < 0)
                break;
            const qsizetype start = LineScan::lineStart(bytes, hit);
            if (holds(LineScan::lineText(bytes, start, encoding))) {
                headerStart = start;
                break;
            }
            from = hit + 1;
        }
    } else {
        headerStart = LineScan::findLine(bytes, LineScan::firstLine(bytes), encoding, holds);
    }
    if (headerStart < 0)
        return entry;
    entry.header = LineScan::lineText(bytes, headerStart, encoding);

    entry.headerLine = LineScan::lineNumber(bytes, headerStart);
    const qsizetype countStart = LineScan::nextLine(bytes, headerStart);
    int count = 0;
    const bool hasCountLine = countStart < bytes.size();
    const QString countLine =
        hasCountLine ? LineScan::lineText(bytes, countStart, encoding) : QString();
    if (!hasCountLine || !parseCount(countLine, count)) {
        entry.status = ReferenceEntry::BadCount;
        if (error) {
            *error = hasCountLine
                ? QStringLiteral("参考書ファイル「%1」の%2行目「%3」は解説の行数ではありません。")
                      .arg(bookPath)
                      .arg(entry.headerLine + 2)
                      .arg(countLine)
                : QStringLiteral("参考書ファイル「%1」の%2行目の後に解説の行数がありません。")
                      .arg(bookPath)
                      .arg(entry.headerLine + 1);
        }
        return entry;
    }

    qsizetype pos = LineScan::nextLine(bytes, countStart);
    while (entry.lines.size() < count && pos < bytes.size()) {
        entry.lines << LineScan::lineText(bytes, pos, encoding);
        pos = LineScan::nextLine(bytes, pos);
    }
    if (entry.lines.size() < count) {
        entry.status = ReferenceEntry::Truncated;
        if (error)
            *error = QStringLiteral("参考書ファイル「%1」の「%2」の解説は%3行のはずですが、"
                                    "ファイルの終わりまでに%4行しかありません。")
                         .arg(bookPath, entry.header)
                         .arg(count)
                         .arg(entry.lines.size());
        return entry;
    }
    entry.status = ReferenceEntry::Found;
    return entry;
}

bool ReadReferenceKeywords(const QString &bookPath, QStringList &keywords, QString *error)
{
    keywords.clear();
    QStringList lines;
    if (bookPath.isEmpty() || !TextFile::readLines(bookPath, lines)) {
        if (error)
            *error = unreadableMessage(bookPath);
        return false;
    }
    for (const QString &line : std::as_const(lines)) {
        if (line.contains(QLatin1Char('#')))
            keywords << line.mid(1);
    }
    return true;
}
