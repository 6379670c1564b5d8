// The saved drill set-up and the files a drill start prepares.
#include "drill/Collection.h"
#include "drill/DrillFlow.h"
#include "drill/DrillState.h"
#include "platform/IniFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDrillFlow : public QObject
{
    Q_OBJECT

private slots:
    void readSetup_data();
    void readSetup();
    void writeThenRead();
    void reviewedDrillFiles_data();
    void reviewedDrillFiles();
    void startFiles();
};

void TestDrillFlow::readSetup_data()
{
    QTest::addColumn<QString>("sameQuestion");
    QTest::addColumn<QString>("selfStudyOn");
    QTest::addColumn<int>("sameOn");
    QTest::addColumn<QString>("prevNum");
    QTest::addColumn<QString>("selfTime");
    QTest::newRow("on") << "1" << "1" << 1 << "4" << "9";
    QTest::newRow("any number but 0 is on") << "2" << "-1" << 1 << "4" << "9";
    QTest::newRow("off: the dependent keys are not read") << "0" << "0" << 0 << "0" << "5";
    QTest::newRow("not a number is off") << "yes" << "x" << 0 << "0" << "5";
}

void TestDrillFlow::readSetup()
{
    QFETCH(QString, sameQuestion);
    QFETCH(QString, selfStudyOn);
    QFETCH(int, sameOn);
    QFETCH(QString, prevNum);
    QFETCH(QString, selfTime);
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/Setup.ini");
    {
        IniFile f(ini);
        f.writeString(QStringLiteral("QuestionSetup"), QStringLiteral("SameQuestion"), sameQuestion);
        f.writeString(QStringLiteral("QuestionSetup"), QStringLiteral("PrevQuestionNum"), QStringLiteral("4"));
        f.writeString(QStringLiteral("QuestionSetup"), QStringLiteral("SelfStudyOn"), selfStudyOn);
        f.writeString(QStringLiteral("QuestionSetup"), QStringLiteral("SelfStudyTime"), QStringLiteral("9"));
        QVERIFY(f.save());
    }
    const QuestionSetupValues v = ReadQuestionSetup(ini);
    QCOMPARE(v.SameQuestion, sameOn);
    QCOMPARE(v.SelfStudyOn, sameOn);
    QCOMPARE(v.PrevQuestionNum, prevNum);
    QCOMPARE(v.SelfStudyTime, selfTime);
    QCOMPARE(v.NotRandom, 0);
}

void TestDrillFlow::writeThenRead()
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/Setup.ini");
    QuestionSetupValues v;
    v.SelfStudyOn = 1;
    v.SelfStudyTime = QStringLiteral("12");
    v.Option = 1;
    v.ErrorOnly = 1;
    v.PrevQuestionNum = QStringLiteral("3");
    v.NotRandomContinue = 1;
    QVERIFY(WriteQuestionSetup(ini, v));
    const IniFile f(ini);
    QCOMPARE(f.readString(QStringLiteral("QuestionSetup"), QStringLiteral("Option")), QStringLiteral("1"));
    QCOMPARE(f.readString(QStringLiteral("QuestionSetup"), QStringLiteral("NotSameQuestion")), QStringLiteral("0"));
    const QuestionSetupValues back = ReadQuestionSetup(ini);
    QCOMPARE(back.SelfStudyTime, QStringLiteral("12"));
    QCOMPARE(back.ErrorOnly, 1);
    QCOMPARE(back.PrevQuestionNum, QStringLiteral("3"));
    QCOMPARE(back.NotRandomContinue, 1);
    // A folder that does not exist cannot take the file.
    QString error;
    QVERIFY(!WriteQuestionSetup(dir.path() + QStringLiteral("/missing/Setup.ini"), v, &error));
    QVERIFY(!error.isEmpty());
}

void TestDrillFlow::reviewedDrillFiles_data()
{
    QTest::addColumn<int>("sameQuestion");
    QTest::addColumn<int>("errorOnly");
    QTest::addColumn<int>("prevDrill");
    QTest::addColumn<bool>("used");
    QTest::newRow("questions review") << 1 << 0 << 0 << true;
    QTest::newRow("wrong-answer review") << 0 << 1 << 0 << true;
    QTest::newRow("record not finished yet") << 1 << 0 << 1 << false;
    QTest::newRow("no review") << 0 << 0 << 0 << false;
}

void TestDrillFlow::reviewedDrillFiles()
{
    QFETCH(int, sameQuestion);
    QFETCH(int, errorOnly);
    QFETCH(int, prevDrill);
    QFETCH(bool, used);
    DrillState d;
    d.QuestionNum = 2;
    BeginDrillRecord(d, QStringLiteral("/old/Q.txt"), QStringLiteral("/old/R.txt"), QStringLiteral("1：2：03"));
    FinishDrillRecord(d, QStringLiteral("50"), QStringLiteral("/old/Q.txt"), QStringLiteral("/old/R.txt"),
                      QStringLiteral("1：3：03"));
    d.SameQuestion = sameQuestion;
    d.ErrorOnly = errorOnly;
    d.PrevDrill = prevDrill;
    Settings s;
    s.QuestionFilePath = QStringLiteral("/new/N.txt");
    s.ReferenceFilePath = QStringLiteral("/new/S.txt");
    QCOMPARE(UseReviewedDrillFiles(d, s), used);
    QCOMPARE(s.QuestionFilePath, used ? QStringLiteral("/old/Q.txt") : QStringLiteral("/new/N.txt"));
    QCOMPARE(s.ReferenceFilePath, used ? QStringLiteral("/old/R.txt") : QStringLiteral("/new/S.txt"));
}

void TestDrillFlow::startFiles()
{
    QTemporaryDir dir;
    Settings s;
    s.ProgramFolder = dir.path() + QLatin1Char('/');
    s.UserName = QStringLiteral("u");
    QVERIFY(QDir().mkpath(s.userFolder()));
    s.QuestionFilePath = QStringLiteral("/data/Words.txt");
    s.ReferenceFilePath = QString();
    DrillState d;
    d.lstQuestionIndex = {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("10")};
    d.NotSameQuestion = 1;
    const DrillStartFiles first = PrepareDrillStart(d, s);
    QVERIFY(first.questionAdded);
    QVERIFY(!first.referenceAdded);
    QCOMPARE(s.QuestionBaseName, QStringLiteral("Words"));
    QCOMPARE(d.lstNotSameQuestion.size(), 3);
    const IniFile ini(s.setupIniPath());
    QCOMPARE(ini.readString(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("Reference"), QStringLiteral("RefCount"), QStringLiteral("0")),
             QStringLiteral("0"));
    const IniFile answers(s.userFolder() + QStringLiteral("Words.ans"));
    QCOMPARE(answers.readString(QStringLiteral("正解ファイル"), QStringLiteral("問題")), QStringLiteral("新しい正解"));
    QVERIFY(!PrepareDrillStart(d, s).questionAdded);
}

QTEST_GUILESS_MAIN(TestDrillFlow)
#include "tst_drillflow.moc"
