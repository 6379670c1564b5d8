// The study plan: the [Plan] lines of Setup.ini, remaining days across month
// and year ends, the countdown texts, dropping the first goal, and the
// number and companion rules of the settings dialog.
#include <QtTest>

#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "settings/Plan.h"
#include "settings/Settings.h"
#include "settings/SetupRules.h"

#include <QTemporaryDir>

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void parseItem_data();
    void parseItem();
    void remainingDays_data();
    void remainingDays();
    void purposeAcceptable_data();
    void purposeAcceptable();
    void texts();
    void writeAndRead();
    void removeFirst();
    void tick_data();
    void tick();
    void setupNumber_data();
    void setupNumber();
    void companionFileName_data();
    void companionFileName();
    void saveSetupDialog();

private:
    QString iniPath(const QTemporaryDir &dir) const { return dir.path() + QStringLiteral("/Setup.ini"); }
};

void TestPlan::parseItem_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QString>("date");
    QTest::newRow("plain") << "英検,2001/3/9" << "英検" << "2001/3/9";
    QTest::newRow("first comma ends the purpose") << "A,B,2001/3/9" << "A" << "B,2001/3/9";
    QTest::newRow("no comma") << "英検" << "英検" << "";
    QTest::newRow("missing key") << " " << " " << "";
    QTest::newRow("empty purpose") << ",2001/12/31" << "" << "2001/12/31";
}

void TestPlan::parseItem()
{
    QFETCH(QString, value);
    QFETCH(QString, purpose);
    QFETCH(QString, date);
    const PlanItem item = ParsePlanItem(value);
    QCOMPARE(item.Purpose, purpose);
    QCOMPARE(item.DateText, date);
}

void TestPlan::remainingDays_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("days");
    const QDate d(2001, 3, 9);
    QTest::newRow("today") << "2001/3/9" << d << true << 0;
    QTest::newRow("tomorrow") << "2001/3/10" << d << true << 1;
    QTest::newRow("yesterday") << "2001/3/8" << d << true << -1;
    QTest::newRow("across month end") << "2001/3/1" << QDate(2001, 2, 28) << true << 1;
    QTest::newRow("leap February") << "2004/3/1" << QDate(2004, 2, 28) << true << 2;
    QTest::newRow("across year end") << "2002/1/1" << QDate(2001, 12, 31) << true << 1;
    QTest::newRow("a year ahead") << "2002/3/9" << d << true << 365;
    QTest::newRow("leading zeros read") << "2001/03/09" << QDate(2001, 3, 1) << true << 8;
    QTest::newRow("no such day") << "2001/2/30" << d << false << 0;
    QTest::newRow("month 13") << "2001/13/1" << d << false << 0;
    QTest::newRow("one slash") << "2001/3" << d << false << 0;
    QTest::newRow("letters") << "2001/x/9" << d << false << 0;
    QTest::newRow("empty") << "" << d << false << 0;
}

void TestPlan::remainingDays()
{
    QFETCH(QString, date);
    QFETCH(QDate, today);
    QFETCH(bool, ok);
    QFETCH(int, days);
    bool readable = !ok;
    QCOMPARE(PlanRemainingDays(PlanItem{QStringLiteral("x"), date}, today, &readable), days);
    QCOMPARE(readable, ok);
}

void TestPlan::purposeAcceptable_data()
{
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("10 full-width") << "英語検定試験準備期間" << true;
    QTest::newRow("11 full-width") << "英語検定試験準備期間中" << false;
    QTest::newRow("20 half-width") << "abcdefghijklmnopqrst" << true;
    QTest::newRow("21 half-width") << "abcdefghijklmnopqrstu" << false;
    QTest::newRow("half-width kana count one byte") << "ｴｲｹﾝｴｲｹﾝｴｲｹﾝｴｲｹﾝｴｲｹﾝ" << true;
    QTest::newRow("comma") << "TOEIC,本番" << false;
    QTest::newRow("full-width comma") << "TOEIC，本番" << true;
    QTest::newRow("empty") << "" << true;
}

void TestPlan::purposeAcceptable()
{
    QFETCH(QString, purpose);
    QFETCH(bool, accepted);
    QCOMPARE(PlanPurposeAcceptable(purpose), accepted);
}

void TestPlan::texts()
{
    QCOMPARE(PlanDateText(2001, 3, 9), QStringLiteral("2001/3/9"));
    QCOMPARE(PlanItemValue(PlanItem{QStringLiteral("英検"), QStringLiteral("2001/3/9")}),
             QStringLiteral("英検,2001/3/9"));
    QCOMPARE(PlanCountdownText(QStringLiteral("英検"), 1), QStringLiteral("英検まで、あと 1日"));
    QCOMPARE(PlanTodayText(QStringLiteral("英検")), QStringLiteral("今日は、英検の日です\nがんばってね(^^)/"));
    QCOMPARE(PlanSummaryTodayText(QStringLiteral("英検")),
             QStringLiteral("今日は、英検の日です。がんばってね(^^)/\n"));
    const QString closing = PlanClosingText({{QStringLiteral("英検"), QStringLiteral("2001/3/12")},
                                             {QStringLiteral("TOEIC"), QStringLiteral("2001/3/9")},
                                             {QStringLiteral("模試"), QStringLiteral("2001/3/1")}},
                                            QDate(2001, 3, 9));
    const QStringList lines = closing.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(1).startsWith(QStringLiteral("英検（2001/3/12）")));
    QVERIFY(lines.at(1).endsWith(QStringLiteral("あと 3日")));
    QVERIFY(lines.at(2).endsWith(QStringLiteral("今日です")));
    QVERIFY(lines.at(3).endsWith(QStringLiteral("8日前に過ぎました")));
}

void TestPlan::writeAndRead()
{
    QTemporaryDir dir;
    const QString path = iniPath(dir);
    const QList<PlanItem> items{{QStringLiteral("英検"), QStringLiteral("2001/3/9")},
                                {QStringLiteral("TOEIC"), QStringLiteral("2002/1/20")}};
    QVERIFY(SavePlan(path, items));
    QByteArray bytes;
    QVERIFY(TextFile::readBytes(path, bytes));
    QCOMPARE(bytes, TextFile::encode(QStringLiteral("[Plan]\r\nPlanNum=2\r\n0=英検,2001/3/9\r\n1=TOEIC,2002/1/20\r\n")));
    const QList<PlanItem> back = ReadPlan(path);
    QCOMPARE(back.size(), 2);
    QCOMPARE(back.at(1).Purpose, QStringLiteral("TOEIC"));
    QCOMPARE(back.at(1).DateText, QStringLiteral("2002/1/20"));
    // A missing file or PlanNum is an empty plan.
    QVERIFY(ReadPlan(dir.path() + QStringLiteral("/none.ini")).isEmpty());
}

void TestPlan::removeFirst()
{
    QTemporaryDir dir;
    const QString path = iniPath(dir);
    QVERIFY(SavePlan(path, {{QStringLiteral("A"), QStringLiteral("2001/3/1")},
                            {QStringLiteral("B"), QStringLiteral("2001/4/1")},
                            {QStringLiteral("C"), QStringLiteral("2001/5/1")}}));
    QVERIFY(RemoveFirstPlanItem(path));
    const IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("Plan"), QStringLiteral("PlanNum")), QStringLiteral("2"));
    QCOMPARE(ini.readString(QStringLiteral("Plan"), QStringLiteral("0")), QStringLiteral("B,2001/4/1"));
    QCOMPARE(ini.readString(QStringLiteral("Plan"), QStringLiteral("1")), QStringLiteral("C,2001/5/1"));
    const QList<PlanItem> left = ReadPlan(path);
    QCOMPARE(left.size(), 2);
    QCOMPARE(left.at(0).Purpose, QStringLiteral("B"));

    // Emptying and then removing from an empty plan writes nothing more.
    QVERIFY(RemoveFirstPlanItem(path));
    QVERIFY(RemoveFirstPlanItem(path));
    QVERIFY(ReadPlan(path).isEmpty());
    QByteArray before;
    QVERIFY(TextFile::readBytes(path, before));
    QVERIFY(RemoveFirstPlanItem(path));
    QByteArray after;
    QVERIFY(TextFile::readBytes(path, after));
    QCOMPARE(after, before);
    QCOMPARE(IniFile(path).readInt(QStringLiteral("Plan"), QStringLiteral("PlanNum"), -1), 0);
}

void TestPlan::tick_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("days");
    QTest::newRow("empty") << QStringList() << int(PlanTick::Nothing) << "" << 0;
    QTest::newRow("tomorrow") << QStringList{"英検,2001/3/10"} << int(PlanTick::Countdown) << "英検まで、あと 1日" << 1;
    QTest::newRow("today") << QStringList{"英検,2001/3/9"} << int(PlanTick::Today) << "" << 0;
    QTest::newRow("past") << QStringList{"英検,2000/12/31"} << int(PlanTick::Past) << "" << -68;
    QTest::newRow("only the first counts") << QStringList{"後,2001/4/1", "先,2001/3/10"}
                                           << int(PlanTick::Countdown) << "後まで、あと 23日" << 23;
    QTest::newRow("unreadable") << QStringList{"英検,2001/2/30"} << int(PlanTick::Unreadable) << "" << 0;
}

void TestPlan::tick()
{
    QFETCH(QStringList, values);
    QFETCH(int, action);
    QFETCH(QString, panel);
    QFETCH(int, days);
    QTemporaryDir dir;
    QList<PlanItem> items;
    for (const QString &v : values)
        items << ParsePlanItem(v);
    QVERIFY(SavePlan(iniPath(dir), items));
    const PlanTick t = PlanTickFor(iniPath(dir), QDate(2001, 3, 9));
    QCOMPARE(int(t.action), action);
    QCOMPARE(t.panelText, panel);
    QCOMPARE(t.days, days);
}

void TestPlan::setupNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "15" << true << 15;
    QTest::newRow("spaces") << " 20 " << true << 20;
    QTest::newRow("lowest") << "1" << true << 1;
    QTest::newRow("highest") << "60" << true << 60;
    QTest::newRow("below") << "0" << false << 0;
    QTest::newRow("above") << "61" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestPlan::setupNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int got = 0;
    QCOMPARE(SetupNumber(text, 1, 60, &got), ok);
    QCOMPARE(got, value);
    QCOMPARE(SetupNumberMessage(QStringLiteral("時間設定"), 1, 60),
             QStringLiteral("時間設定には、1～60の整数を入力してください"));
}

void TestPlan::companionFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("companion");
    QTest::newRow("exact") << "/opt/sorbell/qvt.exe" << true;
    QTest::newRow("backslash folder") << "C:\\Sorbell\\qvt.exe" << true;
    QTest::newRow("letter case") << "/opt/sorbell/Qvt.exe" << false;
    QTest::newRow("other program") << "/opt/sorbell/setup.exe" << false;
    QTest::newRow("name inside folder only") << "/opt/qvt.exe/other.exe" << false;
}

void TestPlan::companionFileName()
{
    QFETCH(QString, path);
    QFETCH(bool, companion);
    QCOMPARE(IsCompanionFileName(path), companion);
}

void TestPlan::saveSetupDialog()
{
    QTemporaryDir dir;
    Settings s;
    s.ProgramFolder = dir.path() + QLatin1Char('/');
    s.UserName = QStringLiteral("hanako");
    s.ShowUser = 1;
    s.PlanOn = 1;
    QVERIFY(QDir().mkpath(s.ProgramFolder + s.UserName));
    QVERIFY(SaveSetupDialog(s, {{QStringLiteral("英検"), QStringLiteral("2001/6/10")}}));
    QCOMPARE(IniFile(s.userIniPath()).readString(QStringLiteral("Setup"), QStringLiteral("ShowUser")),
             QStringLiteral("1"));
    const IniFile setup(s.setupIniPath());
    QCOMPARE(setup.readString(QStringLiteral("Setup"), QStringLiteral("PlanOn")), QStringLiteral("1"));
    QCOMPARE(setup.readString(QStringLiteral("Plan"), QStringLiteral("0")), QStringLiteral("英検,2001/6/10"));
    // The plan section follows the settings.
    QCOMPARE(setup.sections().last(), QStringLiteral("Plan"));

    // A user without a folder: the failure is reported.
    s.UserName = QStringLiteral("nobody");
    QString error;
    QVERIFY(!SaveSetupDialog(s, {}, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
