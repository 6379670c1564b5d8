// The reference book: whatever it holds, a look-up gives what a plain
// reading of its lines gives, the keyword list is every "#" line, and an
// entry the maker appends is found with its lines.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "reference/ReferenceBook.h"
#include "reference/ReferenceMaker.h"

using namespace Fuzz;

namespace {

bool countOf(const QString &line, int &count)
{
    const QString t = line.trimmed();
    if (t.isEmpty())
        return false;
    for (int i = 0; i < t.size(); ++i)
        if (!(t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'))
            && !(i == 0 && t.at(i) == QLatin1Char('+')))
            return false;
    bool ok = false;
    count = t.toInt(&ok);
    return ok;
}

// The look-up as the book's format describes it, on decoded lines.
ReferenceEntry plainLookUp(const QStringList &lines, const QString &keyword)
{
    ReferenceEntry e;
    e.searchText = Reference::searchText(keyword);
    if (e.searchText == Reference::noKeyword()) {
        e.status = ReferenceEntry::NoExplanation;
        e.lines << Reference::noExplanationText();
        return e;
    }
    // Compared after folding: a typed WAVE DASH finds a CP932 book's tilde.
    for (int i = 0; i < lines.size(); ++i) {
        if (!TextFile::fold(lines.at(i)).contains(TextFile::fold(e.searchText)))
            continue;
        e.headerLine = i;
        e.header = lines.at(i);
        int count = 0;
        if (i + 1 >= lines.size() || !countOf(lines.at(i + 1), count)) {
            e.status = ReferenceEntry::BadCount;
            return e;
        }
        e.lines = lines.mid(i + 2, count);
        e.status = e.lines.size() < count ? ReferenceEntry::Truncated : ReferenceEntry::Found;
        return e;
    }
    return e;
}

void checkSame(const ReferenceEntry &got, const ReferenceEntry &want, const QString &keyword)
{
    FUZZ_CHECK(got.status == want.status && got.headerLine == want.headerLine
                   && got.header == want.header && got.lines == want.lines
                   && got.searchText == want.searchText,
               QStringLiteral("keyword %1: status %2/%3, header line %4/%5, %6/%7 lines")
                   .arg(shown(keyword)).arg(got.status).arg(want.status).arg(got.headerLine)
                   .arg(want.headerLine).arg(got.lines.size()).arg(want.lines.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QString keyword = TextFile::decode(in.piece());
    const QStringList explanation = TextFile::splitLines(TextFile::decode(in.piece()));
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    const QString book = folder + QStringLiteral("Reference.txt");
    writeFile(book, bytes);
    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes));

    QString error;
    const ReferenceEntry found = FindReference(book, keyword, &error);
    checkSame(found, plainLookUp(lines, keyword), keyword);
    FUZZ_CHECK(found.isError() == !error.isEmpty(), error);

    QStringList keywords;
    FUZZ_CHECK(ReadReferenceKeywords(book, keywords, &error), error);
    QStringList expected;
    for (const QString &l : lines)
        if (l.contains(QLatin1Char('#')))
            expected << l.mid(1);
    FUZZ_CHECK(keywords == expected, QStringLiteral("keyword list"));

    // The maker appends an entry; the book's lines stay and the entry follows.
    const ReferenceAdd add = AddReferenceEntry(book, keyword, explanation);
    QStringList after;
    TextFile::readLines(book, after);
    if (!add.written) {
        FUZZ_CHECK(!add.message.isEmpty(), QStringLiteral("refused without a message"));
        FUZZ_CHECK(readFile(book) == bytes, QStringLiteral("a refused entry changed the book"));
    } else {
        // (In a CP932 book the one-way characters read back as their twins.)
        FUZZ_CHECK(sameLines(after, lines + ReferenceEntryLines(keyword, explanation)),
                   QStringLiteral("appended entry"));
        if (plainLookUp(lines, keyword).status == ReferenceEntry::NotFound) {
            const ReferenceEntry entry = FindReference(book, keyword);
            FUZZ_CHECK(entry.status == ReferenceEntry::Found && sameLines(entry.lines, explanation)
                           && entry.headerLine == lines.size(),
                       QStringLiteral("new entry %1 not found (status %2)").arg(shown(keyword)).arg(entry.status));
        }
    }
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
