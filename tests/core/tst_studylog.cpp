// Study log lines and the drill timer's countdown.
#include "records/RecordPaths.h"
#include "records/StudyDetails.h"
#include "records_support.h"

#include <QtTest>

class TestStudyLog : public QObject
{
    Q_OBJECT
private slots:
    void logBytes();
    void logAppendsAfterUnterminatedLine();
    void logWithoutUserFolderFails();
    void timer_data();
    void timer();
};

namespace {
const QByteArray kRule(55, '=');
}

void TestStudyLog::logBytes()
{
    RecordsFolder f(QStringLiteral("英文法"));
    const DateStrings d = datesAt(2001, 3, 9, 14, 5, 7);
    const QString start = DateStrings::timeText(QTime(13, 50, 0));
    QVERIFY(MakeStudyLog(f.settings, d, start, 10, 7, 3, QStringLiteral("70")));
    QVERIFY(MakeStudyLog(f.settings, d, start, 10, 10, 0, QStringLiteral("100")));

    const QByteArray sp3 = "\x81\x41   ";        // "、" and three spaces
    const QByteArray colon = " \x81\x46 ";       // " ： "
    const QByteArray first = kRule + "\r\n"
        + QByteArray::fromHex("8a778f4b8a4a8e6e") + colon + "3/9/2001" + sp3
        + "13\x81\x46" "50\x81\x46" "00\r\n"
        + TextFile::encode(QStringLiteral("学習終了")) + colon + "3/9/2001" + sp3
        + "14\x81\x46" "5\x81\x46" "07\r\n"
        + TextFile::encode(QStringLiteral("問題集")) + colon
        + TextFile::encode(QStringLiteral("英文法")) + "\r\n"
        + TextFile::encode(QStringLiteral("出題数")) + colon + "10"
        + TextFile::encode(QStringLiteral("問")) + "\r\n"
        + TextFile::encode(QStringLiteral("正解数")) + colon + "7"
        + TextFile::encode(QStringLiteral("問")) + "\t"
        + TextFile::encode(QStringLiteral("不正解数")) + colon + "3"
        + TextFile::encode(QStringLiteral("問")) + "\t"
        + TextFile::encode(QStringLiteral("正解率")) + colon + "70\x81\x93\r\n"
        + kRule + "\r\n\r\n";
    const QByteArray bytes = fileBytes(StudyLogFile(f.settings, d));
    QVERIFY(bytes.startsWith(first));
    QCOMPARE(bytes.size() - first.size(), first.size() + 2); // "10" and "100" against "7" and "70"
    QVERIFY(bytes.mid(first.size()).contains("100\x81\x93\r\n"));
    QCOMPARE(bytes.count(kRule), 4);
}

void TestStudyLog::logAppendsAfterUnterminatedLine()
{
    RecordsFolder f;
    const DateStrings d = datesAt(2001, 10, 1);
    QCOMPARE(StudyLogFile(f.settings, d), f.user(QStringLiteral("200110.txt")));
    putBytes(StudyLogFile(f.settings, d), "my note");
    QVERIFY(MakeStudyLog(f.settings, d, d.Time, 1, 1, 0, QStringLiteral("100")));
    QVERIFY(fileBytes(StudyLogFile(f.settings, d)).startsWith("my note\r\n" + kRule + "\r\n"));
}

void TestStudyLog::logWithoutUserFolderFails()
{
    RecordsFolder f;
    f.settings.UserName = QStringLiteral("nobody");
    QString error;
    QVERIFY(!MakeStudyLog(f.settings, datesAt(2001, 3, 9), QStringLiteral("1：2：03"), 1, 0, 1,
                          QStringLiteral("0"), &error));
    QVERIFY(!error.isEmpty());
}

void TestStudyLog::timer_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("selfStudy");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("lastLabel");
    QTest::newRow("time limit 10") << 10 << false << QStringLiteral(" ： 9 / 10秒")
                                   << QStringLiteral(" ： 0 / 10秒");
    QTest::newRow("time limit 1") << 1 << false << QStringLiteral(" ： 0 / 1秒")
                                  << QStringLiteral(" ： 0 / 1秒");
    QTest::newRow("self-scoring 5") << 5 << true << QStringLiteral(" ： 4 / 5 秒")
                                    << QStringLiteral(" ： 0 / 5 秒");
}

void TestStudyLog::timer()
{
    QFETCH(int, limit);
    QFETCH(bool, selfStudy);
    QFETCH(QString, firstLabel);
    QFETCH(QString, lastLabel);
    int remaining = limit;
    QStringList labels;
    int tick = 0;
    TimerTick t;
    do {
        ++tick;
        t = DrillTimerTick(remaining, selfStudy, limit);
        if (!t.submit) {
            labels << t.label;
            QCOMPARE(t.progress, remaining);
            QCOMPARE(t.progress, limit - tick);
        }
        QVERIFY(tick <= limit + 1);
    } while (!t.submit);
    QCOMPARE(tick, limit + 1);
    QCOMPARE(remaining, 0);
    QCOMPARE(labels.first(), firstLabel);
    QCOMPARE(labels.last(), lastLabel);
    // Once submitted the countdown does not go below 0.
    QVERIFY(DrillTimerTick(remaining, selfStudy, limit).submit);
    QCOMPARE(remaining, 0);
}

QTEST_GUILESS_MAIN(TestStudyLog)
#include "tst_studylog.moc"
