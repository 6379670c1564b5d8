// The generator, the correct rate, the date strings and path pieces.
#include "platform/Clock.h"
#include "platform/CorrectRate.h"
#include "platform/DateStrings.h"
#include "platform/Paths.h"
#include "platform/Random.h"

#include <QtTest>

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void generatorDraws_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QList<quint32>>("draws");
        QTest::newRow("seed 0") << quint32(0)
                                << QList<quint32>{0u, 346u, 13854878u, 1621890440u, 816282396u};
        QTest::newRow("seed 1765000000")
            << quint32(1765000000) << QList<quint32>{804652195u, 1021319868u, 635626110u, 922550697u};
    }
    void generatorDraws()
    {
        QFETCH(quint32, seed);
        QFETCH(QList<quint32>, draws);
        Random r;
        r.seed(seed);
        for (quint32 expected : draws)
            QCOMPARE(r.next(), expected);
    }

    void generatorIndex()
    {
        Random r;
        r.seed(1765000000);
        QList<int> got;
        for (int i = 0; i < 4; ++i)
            got << r.index(10);
        QCOMPARE(got, (QList<int>{5, 8, 0, 7}));
        const quint64 before = r.state();
        QCOMPARE(r.index(0), 0);
        QCOMPARE(r.state(), before); // no draw for an empty range
    }

    void seedsFromClockSeconds()
    {
        SettableClock clock(QDateTime::fromSecsSinceEpoch(1765000000));
        Clock::install(&clock);
        Random::seedFromClock();
        QCOMPARE(Random::global().next(), 804652195u);
        Clock::install(nullptr);
    }

    void correctRate_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("rate");
        QTest::newRow("1/3") << 1 << 3 << "33";
        QTest::newRow("2/3") << 2 << 3 << "67";
        QTest::newRow("1/8") << 1 << 8 << "13";
        QTest::newRow("5/8") << 5 << 8 << "63";
        QTest::newRow("0/4") << 0 << 4 << "0";
        QTest::newRow("4/4") << 4 << 4 << "100";
        // plain floating rounding gets these wrong
        QTest::newRow("23/40") << 23 << 40 << "58";
        QTest::newRow("29/200") << 29 << 200 << "15";
        QTest::newRow("57/200") << 57 << 200 << "29";
        QTest::newRow("nothing asked") << 0 << 0 << "0";
        QTest::newRow("tiny") << 1 << 10000000 << "0";
    }
    void correctRate()
    {
        QFETCH(int, correct);
        QFETCH(int, asked);
        QFETCH(QString, rate);
        QCOMPARE(CorrectRate(correct, asked), rate);
    }

    void dateStrings_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("march") << QDateTime(QDate(2001, 3, 9), QTime(14, 5, 7))
                               << QStringList{"2001", "3", "9", "3/9", "20013", "14：5：07"};
        QTest::newRow("december midnight")
            << QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0))
            << QStringList{"2026", "12", "31", "12/31", "202612", "0：0：00"};
    }
    void dateStrings()
    {
        QFETCH(QDateTime, when);
        QFETCH(QStringList, texts);
        const DateStrings d = DateStrings::from(when);
        QCOMPARE((QStringList{d.Year, d.Month, d.Day, d.MonthDay, d.YearMonth, d.Time}), texts);
    }

    void pathPieces()
    {
        QCOMPARE(Paths::fileName(QStringLiteral("/a/b/Question.txt")), QStringLiteral("Question.txt"));
        QCOMPARE(Paths::fileName(QStringLiteral("C:\\x\\Q.txt")), QStringLiteral("Q.txt"));
        QCOMPARE(Paths::baseName(QStringLiteral("/a/b/Question.txt")), QStringLiteral("Question"));
        QCOMPARE(Paths::baseName(QStringLiteral("ab")), QString());
        QCOMPARE(Paths::folderOf(QStringLiteral("/a/b/Q.txt")), QStringLiteral("/a/b/"));
        Paths::setProgramFolder(QStringLiteral("/tmp/prog"));
        QCOMPARE(Paths::programFolder(), QStringLiteral("/tmp/prog/"));
        Paths::setProgramFolder(QString());
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "taro" << true;
        QTest::newRow("japanese") << "太郎" << true;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dotdot") << ".." << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
    }
    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(Paths::isSafeName(name), safe);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
