#pragma once
// What differs between a wrong answer and the right one, for marking in the
// wrong-answer dialog. Display only: nothing here judges an answer.
//
// English answers are compared word by word, Japanese answers character by
// character. Two pieces count as the same when judging would count them the
// same: exactly equal, equal after lower-casing with the case leniency on,
// and equal after the text layer's folding of character twins. With the
// final-period leniency on, the right answer may also end where judging lets
// it end (before its first "." or "?"); the marks then follow whichever end
// shows the fewer differences, and the part judging did not ask for stays
// unmarked.
//
// The result lists the spans of the right answer that the learner missed or
// got wrong and the spans of the learner's answer that are extra or wrong.
// Whenever the two texts differ under those rules at least one span is
// marked; spaces count too, so a doubled space is shown.
#include <QString>
#include <QVector>

struct DrillState;
struct Settings;

struct TextSpan
{
    int start = 0;    // index into the text (UTF-16 units, as QString counts)
    int length = 0;
    bool operator==(const TextSpan &o) const { return start == o.start && length == o.length; }
};

struct AnswerMarks
{
    QVector<TextSpan> answer;   // in the right answer
    QVector<TextSpan> input;    // in the learner's answer
    bool isEmpty() const { return answer.isEmpty() && input.isEmpty(); }
};

enum class DiffUnit { Words, Characters };

struct DiffRules
{
    DiffUnit unit = DiffUnit::Words;
    bool ignoreCase = false;
    bool notPeriod = false;
};

// The marks between `input` and `answer` under `rules`.
AnswerMarks DiffAnswer(const QString &input, const QString &answer, const DiffRules &rules);

// The marks for the wrong-answer dialog of the current question: words for
// Japanese-to-English questions, characters for English-to-Japanese ones,
// with the settings' case and period leniency. In fill-in mode the blank is
// compared exactly (as judging does) unless the learner evidently typed the
// whole sentence; the marks go with whichever shows fewer differences.
AnswerMarks WrongAnswerMarks(const DrillState &d, const Settings &s);
