// The answers file: whatever it holds, starting a drill keeps its answers,
// an accepted answer is found again, and earlier lines stay as they were.
#include "FuzzSupport.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "records/Answers.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QString question = TextFile::decode(in.piece());
    const QString answer = TextFile::decode(in.piece());
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    const QString path = folder + QStringLiteral("Question.ans");
    writeFile(path, bytes);
    QStringList original;
    TextFile::readLines(path, original);

    FUZZ_CHECK(InitAnswersFile(path), path);
    QStringList started;
    TextFile::readLines(path, started);
    FUZZ_CHECK(IniFile(path).readString(QStringLiteral("正解ファイル"), QStringLiteral("問題"))
                   == QStringLiteral("新しい正解"),
               QStringLiteral("entry of the section"));
    // Every answer accepted before is still there.
    for (const QString &line : original)
        FUZZ_CHECK(started.contains(line) || line.trimmed().startsWith(QStringLiteral("問題")),
                   QStringLiteral("line %1 lost").arg(shown(line)));

    // A one-line answer to a one-line question is found once accepted.
    const bool oneLine = !question.contains(QLatin1Char('\n')) && !answer.contains(QLatin1Char('\n'))
                         && !question.contains(QLatin1Char('\r')) && !answer.contains(QLatin1Char('\r'));
    if (!oneLine || answer.isEmpty())
        return 0;
    // Bytes that did not decode (in the file or in the answer) may not be
    // writable beside the new line: then the file stays as it was.
    const QByteArray beforeAppend = readFile(path);
    if (!AppendAcceptedAnswer(path, question, answer)) {
        FUZZ_CHECK(hasRawByte(question + answer + started.join(QLatin1Char('\n')))
                       && readFile(path) == beforeAppend,
                   path);
        return 0;
    }
    FUZZ_CHECK(IsRegisteredAnswer(path, question, answer),
               QStringLiteral("%1 = %2 not found").arg(shown(question), shown(answer)));
    QStringList after;
    TextFile::readLines(path, after);
    FUZZ_CHECK(after.mid(0, started.size()) == started && after.size() == started.size() + 1,
               QStringLiteral("earlier lines changed"));

    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    FUZZ_CHECK(filesBelow(folder) == QStringList{QStringLiteral("Question.ans")},
               filesBelow(folder).join(QLatin1Char(',')));
    return 0;
}
