// The marks of the wrong-answer dialog: which words of the right answer were
// missed or wrong and which of the learner's words are extra, under the
// judge's own comparison rules. Expected marks are written as the text with
// every marked span in [brackets].
#include <QtTest>

#include "drill/AnswerDiff.h"
#include "drill/DrillState.h"
#include "drill/Judging.h"
#include "settings/Settings.h"

Q_DECLARE_METATYPE(TextSpan)

namespace {
QString bracketed(const QString &text, const QVector<TextSpan> &spans)
{
    QString out = text;
    for (auto it = spans.crbegin(); it != spans.crend(); ++it) {
        out.insert(it->start + it->length, QLatin1Char(']'));
        out.insert(it->start, QLatin1Char('['));
    }
    return out;
}
} // namespace

class TestAnswerDiff : public QObject
{
    Q_OBJECT

private slots:
    void diff_data();
    void diff();
    void longTexts_data();
    void longTexts();
    void wrongAnswerDialog_data();
    void wrongAnswerDialog();
};

void TestAnswerDiff::diff_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("characters");
    QTest::addColumn<int>("ignoreCase");
    QTest::addColumn<int>("notPeriod");
    QTest::addColumn<QString>("markedAnswer");
    QTest::addColumn<QString>("markedInput");

    // Typical mistakes, no leniency.
    QTest::newRow("missing article") << "I have a pen." << "I have pen." << false << 0 << 0
                                     << "I have [a] pen." << "I have pen.";
    QTest::newRow("wrong preposition") << "He is good at tennis." << "He is good in tennis." << false
                                       << 0 << 0 << "He is good [at] tennis."
                                       << "He is good [in] tennis.";
    QTest::newRow("swapped words") << "I often go there." << "I go often there." << false << 0 << 0
                                   << "I [often] go there." << "I go [often] there.";
    QTest::newRow("extra word") << "I like it." << "I do like it." << false << 0 << 0
                                << "I like it." << "I [do] like it.";
    QTest::newRow("missed phrase is one mark") << "I have a lot of books." << "I have books."
                                               << false << 0 << 0 << "I have [a lot of] books."
                                               << "I have books.";
    QTest::newRow("missing comma alone") << "Yes, I do." << "Yes I do." << false << 0 << 0
                                         << "Yes[,] I do." << "Yes I do.";
    QTest::newRow("wrong final mark") << "Are you ready?" << "Are you ready." << false << 0 << 0
                                      << "Are you ready[?]" << "Are you ready[.]";
    QTest::newRow("words run together") << "This is a pen." << "This is apen." << false << 0 << 0
                                        << "This is [a pen]." << "This is [apen].";
    QTest::newRow("doubled space") << "This is a pen." << "This is  a pen." << false << 0 << 0
                                   << "This is[ ]a pen." << "This is[  ]a pen.";
    QTest::newRow("leading space") << "Go." << " Go." << false << 0 << 0 << "Go." << "[ ]Go.";
    QTest::newRow("empty answer marks everything") << "I see." << "" << false << 0 << 0
                                                   << "[I see.]" << "";
    QTest::newRow("apostrophe stays in its word") << "I don't know." << "I dont know." << false << 0
                                                  << 0 << "I [don't] know." << "I [dont] know.";

    // Case: with the leniency off a case difference is a difference.
    QTest::newRow("case, leniency off") << "This is a pen." << "this is a pen." << false << 0 << 0
                                        << "[This] is a pen." << "[this] is a pen.";
    QTest::newRow("case, leniency on, other mistake") << "This is a pen." << "this is an pen."
                                                      << false << 1 << 0 << "This is [a] pen."
                                                      << "this is [an] pen.";
    QTest::newRow("case, leniency on, nothing else") << "This is a pen." << "THIS IS A PEN."
                                                     << false << 1 << 0 << "This is a pen."
                                                     << "THIS IS A PEN.";

    // Final period: with the leniency on, the sentence may end where judging
    // lets it end.
    QTest::newRow("period, leniency off") << "This is a pen." << "This is a pen" << false << 0 << 0
                                          << "This is a pen[.]" << "This is a pen";
    QTest::newRow("period, leniency on, other mistake") << "This is a pen." << "This is an pen"
                                                        << false << 0 << 1 << "This is [a] pen."
                                                        << "This is [an] pen";
    QTest::newRow("period, leniency on, full stop typed") << "This is a pen." << "This is an pen."
                                                          << false << 0 << 1 << "This is [a] pen."
                                                          << "This is [an] pen.";
    QTest::newRow("question mark, leniency on") << "Is it yours?" << "Is it your" << false << 0 << 1
                                                << "Is it [yours]?" << "Is it [your]";
    QTest::newRow("period and case leniency together") << "It is Tom." << "it is tom" << false << 1
                                                       << 1 << "It is Tom." << "it is tom";
    QTest::newRow("cut at an abbreviation") << "I met Mr. Smith." << "I met Mr" << false << 0 << 1
                                            << "I met Mr. Smith." << "I met Mr";

    // Japanese answers: character by character.
    QTest::newRow("one wrong character") << "私は学生です。" << "私は学生てす。" << true << 0 << 0
                                         << "私は学生[で]す。" << "私は学生[て]す。";
    QTest::newRow("missing characters") << "もう行かなければなりません。" << "もう行かなければません。"
                                        << true << 0 << 0 << "もう行かなければ[なり]ません。"
                                        << "もう行かなければません。";
    QTest::newRow("surrogate pair is one character") << "\U00020BB7野家です" << "吉野家です" << true
                                                     << 0 << 0 << "[\U00020BB7]野家です"
                                                     << "[吉]野家です";
    QTest::newRow("Latin letters with case leniency") << "Ｔシャツを買う" << "ｔシャツを買った"
                                                      << true << 1 << 0 << "Ｔシャツを買[う]"
                                                      << "ｔシャツを買[った]";
}

void TestAnswerDiff::diff()
{
    QFETCH(QString, answer);
    QFETCH(QString, input);
    QFETCH(bool, characters);
    QFETCH(int, ignoreCase);
    QFETCH(int, notPeriod);
    QFETCH(QString, markedAnswer);
    QFETCH(QString, markedInput);

    DiffRules rules;
    rules.unit = characters ? DiffUnit::Characters : DiffUnit::Words;
    rules.ignoreCase = ignoreCase == 1;
    rules.notPeriod = notPeriod == 1;
    const AnswerMarks marks = DiffAnswer(input, answer, rules);
    QCOMPARE(bracketed(answer, marks.answer), markedAnswer);
    QCOMPARE(bracketed(input, marks.input), markedInput);
    // Nothing is marked exactly when judging would have taken the answer.
    QCOMPARE(marks.isEmpty(), IsAnswerCorrect(input, answer, ignoreCase, notPeriod));
}

void TestAnswerDiff::longTexts_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("input");
    QTest::addColumn<TextSpan>("answerSpan");
    QTest::addColumn<TextSpan>("inputSpan");

    const QString a(20000, QChar(0x3042)), b(20000, QChar(0x3044));
    QTest::newRow("one difference in a long text")
        << a + QStringLiteral("か") + a << a + QStringLiteral("が") + a << TextSpan{20000, 1}
        << TextSpan{20000, 1};
    // A middle too large to align is marked whole on both sides.
    QTest::newRow("long different middles")
        << QStringLiteral("x") + a + QStringLiteral("y") << QStringLiteral("x") + b + QStringLiteral("y")
        << TextSpan{1, 20000} << TextSpan{1, 20000};
}

void TestAnswerDiff::longTexts()
{
    QFETCH(QString, answer);
    QFETCH(QString, input);
    QFETCH(TextSpan, answerSpan);
    QFETCH(TextSpan, inputSpan);
    DiffRules rules;
    rules.unit = DiffUnit::Characters;
    const AnswerMarks marks = DiffAnswer(input, answer, rules);
    QCOMPARE(marks.answer, QVector<TextSpan>{answerSpan});
    QCOMPARE(marks.input, QVector<TextSpan>{inputSpan});
}

void TestAnswerDiff::wrongAnswerDialog_data()
{
    QTest::addColumn<int>("questionType");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<int>("ignoreCase");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("hole");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("markedAnswer");
    QTest::addColumn<QString>("markedInput");

    QTest::newRow("Japanese to English: words") << 0 << 0 << 0 << "I have to go now." << ""
                                                << "I must go now." << "I [have to] go now."
                                                << "I [must] go now.";
    QTest::newRow("English to Japanese: characters") << 1 << 0 << 0 << "もう行かなければなりません。"
                                                     << "" << "もう行かなくてはなりません。"
                                                     << "もう行かな[ければ]なりません。"
                                                     << "もう行かな[くては]なりません。";
    QTest::newRow("blank: the word at its place") << 0 << 2 << 0 << "I have to go now." << "go"
                                                  << "come" << "I have to [go] now." << "[come]";
    QTest::newRow("blank: first occurrence") << 0 << 2 << 0 << "I go and go." << "go" << "went"
                                             << "I [go] and go." << "[went]";
    QTest::newRow("blank: compared exactly, case included") << 0 << 2 << 1 << "I have to go now."
                                                            << "go" << "Go"
                                                            << "I have to [go] now." << "[Go]";
    QTest::newRow("blank: the whole sentence typed") << 0 << 2 << 0 << "I have to go now." << "go"
                                                     << "I have to went now."
                                                     << "I have to [go] now."
                                                     << "I have to [went] now.";
    QTest::newRow("typed twin characters are the same") << 1 << 0 << 0 << "三時～四時に来た" << ""
                                                        << "三時〜四時に来る" << "三時～四時に来[た]"
                                                        << "三時〜四時に来[る]";
    QTest::newRow("typed twin in an English answer") << 0 << 0 << 0 << "It costs ￡5." << ""
                                                     << "It cost £5." << "It [costs] ￡5."
                                                     << "It [cost] £5.";
    QTest::newRow("blank word missing from the sentence") << 0 << 2 << 0 << "I ran." << "run"
                                                          << "I run." << "I [ran]." << "I [run].";
}

void TestAnswerDiff::wrongAnswerDialog()
{
    QFETCH(int, questionType);
    QFETCH(int, answerType);
    QFETCH(int, ignoreCase);
    QFETCH(QString, answer);
    QFETCH(QString, hole);
    QFETCH(QString, input);
    QFETCH(QString, markedAnswer);
    QFETCH(QString, markedInput);

    Settings s;
    s.QuestionType = questionType;
    s.AnswerType = answerType;
    s.IgnoreCase = ignoreCase;
    DrillState d;
    d.AnswerText = answer;
    d.HoleWord = hole;
    d.InputAnswer = input;
    const AnswerMarks marks = WrongAnswerMarks(d, s);
    QCOMPARE(bracketed(answer, marks.answer), markedAnswer);
    QCOMPARE(bracketed(input, marks.input), markedInput);
}

QTEST_GUILESS_MAIN(TestAnswerDiff)
#include "tst_answerdiff.moc"
