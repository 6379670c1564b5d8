// Question data file: one INI section per English sentence with asked,
// correct and rate; and the names of every per-user record file.
#include "platform/IniFile.h"
#include "records/QuestionData.h"
#include "records/StudyDetails.h"
#include "records/RecordPaths.h"
#include "records_support.h"

#include <QtTest>

class TestQuestionData : public QObject
{
    Q_OBJECT
private slots:
    void recordPaths_data();
    void recordPaths();
    void oneWrongAnswerBytes();
    void sameSentenceSharesSection();
    void sectionFollowsQuestionType();
    void answerSequence_data();
    void answerSequence();
    void unreadableCountsReadAsZero();
    void saveFailsWithoutUserFolder();
    void sentencesReadBackExactly_data();
    void sentencesReadBackExactly();
    void countsNeverWrap_data();
    void countsNeverWrap();
};

void TestQuestionData::recordPaths_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("question data") << "data" << 3 << "太郎/Question.dat";
    QTest::newRow("importance") << "imp" << 3 << "太郎/Question_imp.dat";
    QTest::newRow("scratch") << "scratch" << 3 << "太郎/Question_imp.old";
    QTest::newRow("answers") << "ans" << 3 << "太郎/Question.ans";
    QTest::newRow("year") << "year" << 3 << "太郎/2001.dat";
    QTest::newRow("day, month 3") << "day" << 3 << "太郎/Question_20013.dat";
    QTest::newRow("day, month 12") << "day" << 12 << "太郎/Question_200112.dat";
    QTest::newRow("recent drills") << "temp" << 3 << "太郎/Temp.dat";
    QTest::newRow("log, month 3") << "log" << 3 << "太郎/20013.txt";
    QTest::newRow("log, month 10") << "log" << 10 << "太郎/200110.txt";
}

void TestQuestionData::recordPaths()
{
    QFETCH(QString, which);
    QFETCH(int, month);
    QFETCH(QString, expected);
    Settings s;
    s.ProgramFolder = QStringLiteral("/p/");
    s.UserName = QStringLiteral("太郎");
    s.QuestionBaseName = QStringLiteral("Question");
    const DateStrings d = datesAt(2001, month, 9);
    QString path;
    if (which == QLatin1String("data")) path = QuestionDataFile(s);
    else if (which == QLatin1String("imp")) path = ImportanceFile(s);
    else if (which == QLatin1String("scratch")) path = ImportanceScratchFile(s);
    else if (which == QLatin1String("ans")) path = AnswersFile(s);
    else if (which == QLatin1String("year")) path = YearDetailFile(s, d);
    else if (which == QLatin1String("day")) path = DayDetailFile(s, d);
    else if (which == QLatin1String("temp")) path = TempFile(s);
    else if (which == QLatin1String("log")) path = StudyLogFile(s, d);
    QCOMPARE(path, QStringLiteral("/p/") + expected);
}

void TestQuestionData::oneWrongAnswerBytes()
{
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    QuestionData d = LoadQuestionData(file, QStringLiteral("He is a boy."));
    QCOMPARE(d.Asked, 0);
    QCOMPARE(d.Atari, 0);
    QCOMPARE(d.Rate, QStringLiteral("0"));
    CountQuestionAnswer(d, false);
    QVERIFY(SaveQuestionData(file, QStringLiteral("He is a boy."), d));
    // [He is a boy.] 出題数=1 正解数=0 正解率=0, Shift-JIS with CR LF
    const QByteArray expected = QByteArray("[He is a boy.]\r\n")
        + QByteArray::fromHex("8f6f91e89094") + "=1\r\n"
        + QByteArray::fromHex("90b389f09094") + "=0\r\n"
        + QByteArray::fromHex("90b389f097a6") + "=0\r\n";
    QCOMPARE(fileBytes(file), expected);
}

void TestQuestionData::sameSentenceSharesSection()
{
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    QuestionData first = LoadQuestionData(file, QStringLiteral("He is a boy."));
    CountQuestionAnswer(first, true);
    QVERIFY(SaveQuestionData(file, QStringLiteral("He is a boy."), first));

    // A second record with the same sentence written in another case.
    QuestionData second = LoadQuestionData(file, QStringLiteral("he is a BOY."));
    QCOMPARE(second.Asked, 1);
    QCOMPARE(second.Atari, 1);
    CountQuestionAnswer(second, false);
    QVERIFY(SaveQuestionData(file, QStringLiteral("he is a BOY."), second));

    const QByteArray bytes = fileBytes(file);
    QCOMPARE(bytes.count('['), 1);
    QVERIFY(bytes.startsWith("[He is a boy.]\r\n"));
    const QuestionData back = LoadQuestionData(file, QStringLiteral("HE IS A BOY."));
    QCOMPARE(back.Asked, 2);
    QCOMPARE(back.Atari, 1);
    QCOMPARE(back.Rate, QStringLiteral("50"));
}

void TestQuestionData::sectionFollowsQuestionType()
{
    const QString ja = QStringLiteral("彼は少年です。");
    const QString en = QStringLiteral("He is a boy.");
    // Japanese to English shows the Japanese line and answers in English.
    QCOMPARE(QuestionDataSection(0, ja, en), en);
    // English to Japanese shows the English line.
    QCOMPARE(QuestionDataSection(1, en, ja), en);
}

void TestQuestionData::answerSequence_data()
{
    QTest::addColumn<QString>("verdicts"); // r right, w wrong, a wrong then accepted
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("atari");
    QTest::addColumn<QString>("rate");
    QTest::newRow("one wrong") << "w" << 1 << 0 << "0";
    QTest::newRow("one right") << "r" << 1 << 1 << "100";
    QTest::newRow("one of three") << "rww" << 3 << 1 << "33";
    QTest::newRow("two of three") << "rwr" << 3 << 2 << "67";
    QTest::newRow("accepted counts as right") << "wa" << 2 << 1 << "50";
    QTest::newRow("five of eight") << "rrrrrwww" << 8 << 5 << "63";
}

void TestQuestionData::answerSequence()
{
    QFETCH(QString, verdicts);
    QFETCH(int, asked);
    QFETCH(int, atari);
    QFETCH(QString, rate);
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    const QString sentence = QStringLiteral("It's fine today.");
    // Each answer is a load, an update and a save, as the drill does it.
    for (const QChar v : verdicts) {
        QuestionData d = LoadQuestionData(file, sentence);
        CountQuestionAnswer(d, v == QLatin1Char('r'));
        if (v == QLatin1Char('a'))
            AcceptQuestionAnswer(d);
        QVERIFY(SaveQuestionData(file, sentence, d));
    }
    const QuestionData d = LoadQuestionData(file, sentence);
    QCOMPARE(d.Asked, asked);
    QCOMPARE(d.Atari, atari);
    QCOMPARE(d.Rate, rate);
}

void TestQuestionData::unreadableCountsReadAsZero()
{
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    putBytes(file, QByteArray("[A cat.]\r\n") + QByteArray::fromHex("8f6f91e89094")
                       + "=many\r\n" + QByteArray::fromHex("90b389f09094") + "=2\r\n");
    QuestionData d = LoadQuestionData(file, QStringLiteral("A cat."));
    QCOMPARE(d.Asked, 0);
    QCOMPARE(d.Atari, 2);
}

void TestQuestionData::saveFailsWithoutUserFolder()
{
    RecordsFolder f;
    f.settings.UserName = QStringLiteral("nobody");
    QString error;
    QVERIFY(!SaveQuestionData(QuestionDataFile(f.settings), QStringLiteral("A cat."),
                              QuestionData(), &error));
    QVERIFY(!error.isEmpty());
}

void TestQuestionData::sentencesReadBackExactly_data()
{
    QTest::addColumn<QString>("sentence");
    // A collection line cut after the lead byte of a two-byte character.
    QTest::newRow("lone lead byte at the end") << QStringLiteral("It is a pen.\uF783");
    QTest::newRow("lone lead byte 0x81 at the end") << QStringLiteral("Yes\uF781");
    QTest::newRow("lead byte 0x98 after bytes that are UTF-8") << QStringLiteral("\uF7EF\uF785\uF785 It\uF798");
    QTest::newRow("diaeresis") << QStringLiteral("Zoë is here.");
    QTest::newRow("trail byte 0x5C") << QStringLiteral("山田表");
    QTest::newRow("wave dash") << QStringLiteral("〜ing");
    QTest::newRow("e acute") << QStringLiteral("A café.");
    QTest::newRow("minus sign") << QStringLiteral("It is −5度.");
    QTest::newRow("equals sign") << QStringLiteral("Room=5");
    QTest::newRow("leading [") << QStringLiteral("[x");
    QTest::newRow("leading ;") << QStringLiteral(";x");
    QTest::newRow("in quotes") << QStringLiteral("\"Yes.\"");
    QTest::newRow("end spaces") << QStringLiteral(" Yes. ");
}

void TestQuestionData::sentencesReadBackExactly()
{
    // Three answers to one sentence between others: one section, counted
    // three times, whatever the sentence holds.
    QFETCH(QString, sentence);
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    const QString other = QStringLiteral("He is a boy.");
    for (int i = 0; i < 3; ++i) {
        for (const QString &s : {other, sentence}) {
            QuestionData d = LoadQuestionData(file, s);
            QCOMPARE(d.Asked, i);
            CountQuestionAnswer(d, s == sentence);
            QVERIFY(SaveQuestionData(file, s, d));
        }
    }
    const QuestionData back = LoadQuestionData(file, sentence);
    QCOMPARE(back.Asked, 3);
    QCOMPARE(back.Atari, 3);
    QCOMPARE(back.Rate, QStringLiteral("100"));
    QCOMPARE(LoadQuestionData(file, other).Atari, 0);
    QCOMPARE(IniFile(file).sections(), QStringList({other, sentence}));
}

void TestQuestionData::countsNeverWrap_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("atari");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("askedAfter");
    QTest::addColumn<int>("atariAfter");
    const int top = INT_MAX;
    QTest::newRow("wrong at the top") << top << 5 << false << false << top << 5;
    QTest::newRow("right at the top") << top << top << true << false << top << top;
    QTest::newRow("right, asked at the top") << top << 7 << true << false << top << 8;
    QTest::newRow("accepted at the top") << top - 1 << top << false << true << top << top;
    QTest::newRow("one below the top") << top - 1 << 0 << false << false << top << 0;
}

void TestQuestionData::countsNeverWrap()
{
    QFETCH(int, asked);
    QFETCH(int, atari);
    QFETCH(bool, correct);
    QFETCH(bool, accepted);
    QFETCH(int, askedAfter);
    QFETCH(int, atariAfter);
    RecordsFolder f;
    const QString file = QuestionDataFile(f.settings);
    const QString sentence = QStringLiteral("He is a boy.");
    QuestionData d;
    d.Asked = asked;
    d.Atari = atari;
    QVERIFY(SaveQuestionData(file, sentence, d));
    d = LoadQuestionData(file, sentence);
    CountQuestionAnswer(d, correct);
    if (accepted)
        AcceptQuestionAnswer(d);
    QVERIFY(SaveQuestionData(file, sentence, d));
    const QuestionData back = LoadQuestionData(file, sentence);
    QCOMPARE(back.Asked, askedAfter);
    QCOMPARE(back.Atari, atariAfter);
    QVERIFY(back.Rate.toInt() >= 0);

    // The day and month counts of the same answer saturate the same way.
    StudyDetailState st;
    st.MonthAsked = st.DayAsked = asked;
    st.MonthAtari = st.DayAtari = atari;
    CountDetailAnswer(st, correct);
    if (accepted)
        AcceptDetailAnswer(st);
    QCOMPARE(st.MonthAsked, askedAfter);
    QCOMPARE(st.DayAtari, atariAfter);
    QVERIFY(st.DayRate.toInt() >= 0 && st.MonthRate.toInt() >= 0);
}

QTEST_GUILESS_MAIN(TestQuestionData)
#include "tst_questiondata.moc"
