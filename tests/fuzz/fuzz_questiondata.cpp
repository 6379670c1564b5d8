// The question data file: whatever it holds, the counts of a sentence are
// read, counted and written back so that they read as written, and no other
// sentence's counts change.
#include "FuzzSupport.h"

#include "platform/CorrectRate.h"
#include "platform/TextFile.h"
#include "records/QuestionData.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int options = in.byte();
    // The sentence comes from a collection line, so it holds no LF.
    const QString sentence = TextFile::splitLines(TextFile::decode(in.piece())).value(0);
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    const QString path = folder + QStringLiteral("Question.dat");
    writeFile(path, bytes);
    const QVector<IniValue> before = iniValues(path);

    QuestionData d = LoadQuestionData(path, sentence);
    FUZZ_CHECK(d.Asked >= 0 && d.Atari >= 0, QStringLiteral("negative count"));
    const QuestionData loaded = d;
    const bool correct = options & 1;
    CountQuestionAnswer(d, correct);
    if (options & 2)
        AcceptQuestionAnswer(d);
    // Counts only grow, and never wrap.
    FUZZ_CHECK(d.Asked >= loaded.Asked && d.Atari >= loaded.Atari,
               QStringLiteral("%1/%2 became %3/%4").arg(loaded.Atari).arg(loaded.Asked)
                   .arg(d.Atari).arg(d.Asked));
    FUZZ_CHECK(d.Rate == CorrectRate(d.Atari, d.Asked), d.Rate);

    QString error;
    FUZZ_CHECK(SaveQuestionData(path, sentence, d, &error), error);
    const QuestionData back = LoadQuestionData(path, sentence);
    FUZZ_CHECK(back.Asked == d.Asked && back.Atari == d.Atari && back.Rate == d.Rate,
               QStringLiteral("sentence %1 saved %2,%3,%4 read %5,%6,%7")
                   .arg(shown(sentence)).arg(d.Asked).arg(d.Atari).arg(d.Rate)
                   .arg(back.Asked).arg(back.Atari).arg(back.Rate));

    // A second answer to the same sentence adds to the same section.
    const int sections = iniValues(path).size();
    QuestionData again = back;
    CountQuestionAnswer(again, true);
    FUZZ_CHECK(SaveQuestionData(path, sentence, again, &error), error);
    FUZZ_CHECK(iniValues(path).size() == sections, QStringLiteral("the file grew on a second save"));
    FUZZ_CHECK(LoadQuestionData(path, sentence).Asked == again.Asked, QStringLiteral("second save"));

    checkIniKept(before, path, [&](const QString &s, const QString &) {
        return sameIniName(s, sentence);
    });
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    FUZZ_CHECK(filesBelow(folder) == QStringList{QStringLiteral("Question.dat")},
               filesBelow(folder).join(QLatin1Char(',')));
    return 0;
}
