// Answers file: the header written at drill start, accepted answers appended,
// and the exact-match lookup.
#include "records/Answers.h"
#include "records/RecordPaths.h"
#include "records_support.h"

#include <QtTest>

class TestAnswers : public QObject
{
    Q_OBJECT
private slots:
    void initWritesHeader();
    void initKeepsAcceptedAnswers();
    void appendBytes();
    void lookup_data();
    void lookup();
    void missingFileMatchesNothing();
    void appendFailsWithoutUserFolder();
    void answersReadBackInEitherEncoding_data();
    void answersReadBackInEitherEncoding();
};

namespace {
// [正解ファイル] 問題=新しい正解
QByteArray header()
{
    return QByteArray("[") + QByteArray::fromHex("90b389f0837483408343838b") + "]\r\n"
           + QByteArray::fromHex("96e291e8") + "="
           + QByteArray::fromHex("905682b582a290b389f0") + "\r\n";
}
}

void TestAnswers::initWritesHeader()
{
    RecordsFolder f;
    const QString ans = AnswersFile(f.settings);
    QVERIFY(InitAnswersFile(ans));
    QCOMPARE(fileBytes(ans), header());
}

void TestAnswers::initKeepsAcceptedAnswers()
{
    RecordsFolder f;
    const QString ans = AnswersFile(f.settings);
    QVERIFY(InitAnswersFile(ans));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("彼は少年です。"),
                                 QStringLiteral("He's a boy.")));
    const QByteArray before = fileBytes(ans);
    QVERIFY(InitAnswersFile(ans));
    QCOMPARE(fileBytes(ans), before);
    QVERIFY(IsRegisteredAnswer(ans, QStringLiteral("彼は少年です。"),
                               QStringLiteral("He's a boy.")));
}

void TestAnswers::appendBytes()
{
    RecordsFolder f;
    const QString ans = AnswersFile(f.settings);
    QVERIFY(InitAnswersFile(ans));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("問題"), QStringLiteral("a b")));
    QCOMPARE(fileBytes(ans), header() + QByteArray::fromHex("96e291e8") + "=a b\r\n");
}

void TestAnswers::lookup_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("registered");
    const QString q = QStringLiteral("彼は少年です。");
    QTest::newRow("exact") << q << "He's a boy." << true;
    QTest::newRow("other case") << q << "he's a boy." << false;
    QTest::newRow("extra space") << q << "He's a boy. " << false;
    QTest::newRow("other question") << QStringLiteral("彼は少年でした。") << "He's a boy." << false;
    QTest::newRow("empty answer") << q << "" << false;
    QTest::newRow("second answer of the question") << q << "He is a boy !" << true;
    QTest::newRow("question holding =") << QStringLiteral("1+1=2 を英語で") << "One and one is two."
                                        << true;
    QTest::newRow("answer holding =") << QStringLiteral("式") << "x=y" << true;
    QTest::newRow("wave dash accepted, typed again") << QStringLiteral("意味") << "〜ing" << true;
    QTest::newRow("wave dash accepted, its twin typed") << QStringLiteral("意味") << "～ing" << true;
    QTest::newRow("twin question text") << QStringLiteral("〜の意味") << "-ing" << true;
}

void TestAnswers::lookup()
{
    QFETCH(QString, question);
    QFETCH(QString, typed);
    QFETCH(bool, registered);
    RecordsFolder f;
    const QString ans = AnswersFile(f.settings);
    QVERIFY(InitAnswersFile(ans));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("彼は少年です。"),
                                 QStringLiteral("He's a boy.")));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("彼は少年です。"),
                                 QStringLiteral("He is a boy !")));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("1+1=2 を英語で"),
                                 QStringLiteral("One and one is two.")));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("式"), QStringLiteral("x=y")));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("意味"), QStringLiteral("〜ing")));
    QVERIFY(AppendAcceptedAnswer(ans, QStringLiteral("～の意味"), QStringLiteral("-ing")));
    QCOMPARE(IsRegisteredAnswer(ans, question, typed), registered);
}

void TestAnswers::answersReadBackInEitherEncoding_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("cp932"); // the appended line; empty: the file moves to UTF-8
    QTest::newRow("diaeresis") << QStringLiteral("Zoë") << QByteArray();
    QTest::newRow("trail byte 0x5C") << QStringLiteral("山田表") << QByteArray("\x8E\x52\x93\x63\x95\x5C");
    QTest::newRow("wave dash") << QStringLiteral("〜ing") << QByteArray();
    QTest::newRow("e acute") << QStringLiteral("café") << QByteArray();
    QTest::newRow("minus sign") << QStringLiteral("−5度") << QByteArray();
    QTest::newRow("equals sign") << QStringLiteral("Room=5") << QByteArray("Room=5");
    QTest::newRow("leading [") << QStringLiteral("[x") << QByteArray("[x");
    QTest::newRow("leading ;") << QStringLiteral(";x") << QByteArray(";x");
}

void TestAnswers::answersReadBackInEitherEncoding()
{
    // Accepted into the CP932 file the drill starts with: nothing becomes
    // "?"; typed again, the answer is found.
    QFETCH(QString, answer);
    QFETCH(QByteArray, cp932);
    RecordsFolder f;
    const QString ans = AnswersFile(f.settings);
    QVERIFY(InitAnswersFile(ans));
    const QString question = QStringLiteral("問");
    QVERIFY(AppendAcceptedAnswer(ans, question, answer));
    const QByteArray bytes = fileBytes(ans);
    QVERIFY(!bytes.contains('?'));
    if (!cp932.isEmpty())
        QCOMPARE(bytes, header() + QByteArray::fromHex("96e2") + "=" + cp932 + "\r\n");
    else
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(IsRegisteredAnswer(ans, question, answer));
    // A drill started again keeps the file as it is, answers included.
    QVERIFY(InitAnswersFile(ans));
    QCOMPARE(fileBytes(ans), bytes);
    QVERIFY(IsRegisteredAnswer(ans, question, answer));
}

void TestAnswers::missingFileMatchesNothing()
{
    RecordsFolder f;
    QVERIFY(!IsRegisteredAnswer(AnswersFile(f.settings), QStringLiteral("a"),
                                QStringLiteral("b")));
}

void TestAnswers::appendFailsWithoutUserFolder()
{
    RecordsFolder f(QStringLiteral("英文法"));
    f.settings.UserName = QStringLiteral("花子"); // no such folder
    QVERIFY(!AppendAcceptedAnswer(AnswersFile(f.settings), QStringLiteral("a"),
                                  QStringLiteral("b")));
    QCOMPARE(AnswersOpenErrorMessage(f.settings),
             QStringLiteral("ファイルを開く事ができませんでした\n\n") + f.settings.ProgramFolder
                 + QStringLiteral("花子/に英文法.ansが存在するか確かめてください\n"
                                  "無い場合は、新規作成してください"));
}

QTEST_GUILESS_MAIN(TestAnswers)
#include "tst_answers.moc"
