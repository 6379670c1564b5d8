// The importance file: whatever it holds, setting and adjusting levels
// (with rewrites interrupted between steps) gives the level asked for, keeps
// every other line and leaves no scratch file behind.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "records/Importance.h"

#include <QFile>
#include <QRegularExpression>

using namespace Fuzz;

namespace {

// The (level, line) pair of a file line, when it starts with two integers.
bool pairOf(const QString &line, int &level, int &question)
{
    const QStringList t = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    bool a = false, b = false;
    if (t.size() < 2)
        return false;
    level = t.at(0).toInt(&a);
    question = t.at(1).toInt(&b);
    return a && b;
}

// The lines that are not about `question`.
QStringList otherLines(const QStringList &lines, int question)
{
    QStringList out;
    for (const QString &l : lines) {
        int level = 0, q = 0;
        if (!pairOf(l, level, q) || q != question)
            out << l;
    }
    return out;
}

QStringList fileLines(const QString &path)
{
    QStringList lines;
    TextFile::readLines(path, lines);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QByteArray bytes = in.piece();
    const QString folder = Scratch::instance().reset();
    const QString imp = folder + QStringLiteral("Question_imp.dat");
    const QString scratch = folder + QStringLiteral("old.dat");
    writeFile(imp, bytes);

    for (int step = 0; step < 32 && !in.atEnd(); ++step) {
        const int op = in.byte();
        // Question lines the file may name, including hand-edited extremes.
        const int pick = in.byte();
        static const int extremes[] = {0, 1, -1, 2147483647, -2147483647 - 1};
        const int question = pick < 5 ? extremes[pick] : pick % 40;

        if (op % 5 == 4) {
            // A rewrite interrupted after moving the file aside.
            if (QFile::exists(imp) && !QFile::exists(scratch))
                QFile::rename(imp, scratch);
            continue;
        }
        // What the marks are, wherever an interrupted rewrite left them.
        const QString current = QFile::exists(imp) ? imp : scratch;
        const QStringList lines = fileLines(current);
        const int level = ImportanceLevel(current, question);
        QString error;
        qint64 expected = level;
        if (op % 5 == 3) {
            const bool correct = op & 8;
            FUZZ_CHECK(AdjustImportance(imp, scratch, question, correct, &error), error);
            // Hand-edited levels come back into 1..5 (a right answer at 1
            // or below removes the mark).
            if (level == 0)
                expected = correct ? 0 : 1;
            else
                expected = correct ? qMin(qint64(level) - 1, qint64(5))
                                   : qBound(qint64(1), qint64(level) + 1, qint64(5));
            expected = qMax(expected, qint64(0));
        } else {
            const int wanted = (op >> 3) % 7 - (op % 5 == 2 ? 1 : 0);  // -1 .. 6
            if (wanted < 0 || wanted > 5) {
                FUZZ_CHECK(!SetImportance(imp, scratch, question, wanted, &error) && !error.isEmpty(),
                           QStringLiteral("level %1 accepted").arg(wanted));
                continue;
            }
            FUZZ_CHECK(SetImportance(imp, scratch, question, wanted, &error), error);
            expected = wanted;
        }
        const int now = ImportanceLevel(imp, question);
        FUZZ_CHECK(now == expected, QStringLiteral("question %1 at %2: expected %3, reads %4")
                                        .arg(question).arg(level).arg(expected).arg(now));
        FUZZ_CHECK(otherLines(fileLines(imp), question) == otherLines(lines, question),
                   QStringLiteral("lines of other questions changed"));
        // A question is marked by one line at most after a change.
        int marks = 0;
        for (const auto &p : ReadImportancePairs(imp))
            marks += p.second == question;
        FUZZ_CHECK(expected == level || marks == (expected > 0 ? 1 : 0),
                   QStringLiteral("question %1 has %2 marks").arg(question).arg(marks));
        FUZZ_CHECK(!QFile::exists(scratch), QStringLiteral("scratch file left behind"));
    }
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
