// The dictionary: whatever it holds, the byte-level look-up finds the line a
// plain reading of the lines finds, and the line's parts put together give
// the line.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "reference/Dictionary.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QString typed = TextFile::decode(in.piece());
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    const QString path = folder + QStringLiteral("Dictionary.txt");
    writeFile(path, bytes);
    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes));

    const QString word = Dictionary::trimWord(typed);
    FUZZ_CHECK(typed.startsWith(word) && !word.contains(QLatin1Char('.'))
                   && !word.contains(QLatin1Char(',')),
               shown(word));

    for (const QString &w : {typed, word}) {
        const DictionaryResult r = LookUpDictionary(path, w);
        int expected = -1;
        if (!w.isEmpty())
            for (int i = 0; i < lines.size() && expected < 0; ++i)
                if (lines.at(i).startsWith(w))
                    expected = i;
        FUZZ_CHECK(r.lineNumber == expected
                       && r.status == (expected < 0 ? DictionaryResult::NotFound : DictionaryResult::Found),
                   QStringLiteral("%1: line %2, expected %3").arg(shown(w)).arg(r.lineNumber).arg(expected));
        if (expected < 0) {
            FUZZ_CHECK(Dictionary::messageText(r) == Dictionary::notFoundText(), shown(w));
            continue;
        }
        FUZZ_CHECK(r.line == lines.at(expected), shown(r.line));
        QString joined = r.english;
        if (r.line.contains(QLatin1Char('=')))
            joined += QLatin1Char('=') + r.japanese;
        if (r.line.contains(QLatin1Char('=')) && r.line.mid(r.line.indexOf(QLatin1Char('='))).contains(QLatin1Char('*')))
            joined += QLatin1Char('*') + r.comment;
        FUZZ_CHECK(joined == r.line, QStringLiteral("parts of %1").arg(shown(r.line)));
        FUZZ_CHECK(!r.english.contains(QLatin1Char('=')) && !r.japanese.contains(QLatin1Char('*')),
                   shown(r.line));
    }
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
