#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("t.ini")); }
    QByteArray bytes() const
    {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void put(const QByteArray &b) const
    {
        QFile f(path());
        f.open(QIODevice::WriteOnly);
        f.write(b);
    }

private slots:
    void init() { QFile::remove(path()); }

    void missingGivesDefaults()
    {
        IniFile ini(path());
        QVERIFY(!ini.existed());
        QCOMPARE(ini.readString(QStringLiteral("Setup"), QStringLiteral("UserName"), QStringLiteral(" ")),
                 QStringLiteral(" "));
        QCOMPARE(ini.readInt(QStringLiteral("Setup"), QStringLiteral("Boot"), 0), 0);
        QVERIFY(ini.save()); // nothing changed: nothing written
        QVERIFY(!QFile::exists(path()));
    }

    void readsCaseInsensitively_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("same") << QStringLiteral("Setup") << QStringLiteral("ShowResult");
        QTest::newRow("lower") << QStringLiteral("setup") << QStringLiteral("showresult");
        QTest::newRow("upper") << QStringLiteral("SETUP") << QStringLiteral("SHOWRESULT");
    }
    void readsCaseInsensitively()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        put("[Setup]\r\nShowResult = 1 \r\n");
        IniFile ini(path());
        QCOMPARE(ini.readString(section, key, QStringLiteral("x")), QStringLiteral("1"));
    }

    void sentenceSections()
    {
        const QString s1 = QStringLiteral("He said, \"It's [not] mine.\"");
        const QString s2 = QStringLiteral("I have been to Kyoto twice.");
        {
            IniFile ini(path());
            ini.writeString(s1, QStringLiteral("出題数"), QStringLiteral("1"));
            ini.writeString(s2, QStringLiteral("出題数"), QStringLiteral("2"));
            QVERIFY(ini.save());
        }
        IniFile ini(path());
        QCOMPARE(ini.readString(s1.toUpper(), QStringLiteral("出題数")), QStringLiteral("1"));
        QCOMPARE(ini.readString(s2.toLower(), QStringLiteral("出題数")), QStringLiteral("2"));
        // Japanese keys in CP932 on disk
        QVERIFY(bytes().contains("\x8f\x6f\x91\xe8\x90\x94=1\r\n"));
    }

    void keepsUnknownLinesAndOrder()
    {
        put("; comment\r\n[A]\r\nx=1\r\nodd line\r\n\r\n[B]\r\ny=2\r\n");
        IniFile ini(path());
        ini.writeString(QStringLiteral("a"), QStringLiteral("z"), QStringLiteral("3"));
        ini.writeString(QStringLiteral("B"), QStringLiteral("Y"), QStringLiteral("4"));
        ini.writeString(QStringLiteral("C"), QStringLiteral("k"), QStringLiteral("v"));
        QVERIFY(ini.save());
        QCOMPARE(bytes(), QByteArray("; comment\r\n[A]\r\nx=1\r\nodd line\r\nz=3\r\n\r\n[B]\r\ny=4\r\n[C]\r\nk=v\r\n"));
    }

    void numbersThatDoNotParseGiveDefault_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-3") << -3;
        QTest::newRow("empty") << QByteArray("") << 7;
        QTest::newRow("text") << QByteArray("abc") << 7;
        QTest::newRow("trailing text") << QByteArray("12abc") << 7;
    }
    void numbersThatDoNotParseGiveDefault()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        put("[S]\r\nn=" + value + "\r\n");
        IniFile ini(path());
        QCOMPARE(ini.readInt(QStringLiteral("S"), QStringLiteral("n"), 7), expected);
    }

    void flagOnlyWhenOne()
    {
        put("[S]\r\na=1\r\nb=2\r\nc=0\r\n");
        IniFile ini(path());
        QVERIFY(ini.readFlag(QStringLiteral("S"), QStringLiteral("a"), 0));
        QVERIFY(!ini.readFlag(QStringLiteral("S"), QStringLiteral("b"), 0));
        QVERIFY(!ini.readFlag(QStringLiteral("S"), QStringLiteral("c"), 1));
        QVERIFY(ini.readFlag(QStringLiteral("S"), QStringLiteral("missing"), 1));
    }

    void longValuesAndLineBreaks()
    {
        const QString longValue(2100, QLatin1Char('x'));
        {
            IniFile ini(path());
            ini.writeString(QStringLiteral("S"), QStringLiteral("long"), longValue);
            ini.writeString(QStringLiteral("S"), QStringLiteral("evil"),
                            QStringLiteral("a\r\n[Other]\r\nk=v"));
            QVERIFY(ini.save());
        }
        IniFile ini(path());
        QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("long")), longValue);
        QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("evil")),
                 QStringLiteral("a\r\n[Other]\r\nk=v"));
        QVERIFY(!ini.hasSection(QStringLiteral("Other")));
        QCOMPARE(ini.keys(QStringLiteral("S")), QStringList({"long", "evil"}));
        QVERIFY(bytes().contains("evil=\"a\\r\\n[Other]\\r\\nk=v\"\r\n"));
    }

    // Every text stored as a section name, a key and a value reads back
    // exactly, after one save and after a second save of the file as read.
    void namesAndValuesReadBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cp932"); // the file stays CP932
        QTest::newRow("diaeresis") << QStringLiteral("Zoë") << false;
        QTest::newRow("trail byte 0x5C") << QStringLiteral("山田表") << true;
        QTest::newRow("wave dash") << QStringLiteral("〜ing") << false;
        QTest::newRow("e acute") << QStringLiteral("café") << false;
        QTest::newRow("minus sign") << QStringLiteral("−5度") << false;
        QTest::newRow("equals sign") << QStringLiteral("Room=5") << true;
        QTest::newRow("leading [") << QStringLiteral("[x") << true;
        QTest::newRow("leading ;") << QStringLiteral(";x") << true;
        QTest::newRow("brackets") << QStringLiteral("[x]") << true;
        QTest::newRow("leading space") << QStringLiteral(" x") << true;
        QTest::newRow("trailing ideographic space") << QStringLiteral("テスト　") << true;
        QTest::newRow("bare CR") << QStringLiteral("a\rb") << true;
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\n") << true;
        QTest::newRow("in quotes") << QStringLiteral("\"Yes.\"") << true;
        QTest::newRow("looks quoted") << QStringLiteral("\" x\"") << true;
        QTest::newRow("backslashes") << QStringLiteral("C:\\new\\") << true;
        QTest::newRow("lone lead byte at the end") << QStringLiteral("Hello\uF783") << true;
        // Bytes that did not decode and would read as one character in
        // UTF-8 (EF 85 85), before a lead byte that pairs with "]" (98 5D).
        QTest::newRow("lead byte after bytes that are UTF-8")
            << QStringLiteral("\uF7EF\uF785\uF785 It\uF798") << true;
        QTest::newRow("path") << QStringLiteral("/home/zoë/単語〜.txt") << false;
    }
    void namesAndValuesReadBackExactly()
    {
        QFETCH(QString, text);
        QFETCH(bool, cp932);
        const QString other = QStringLiteral("other");
        {
            IniFile ini(path());
            ini.writeString(other, other, other);
            ini.writeString(text, QStringLiteral("k"), QStringLiteral("1"));
            ini.writeString(other, text, QStringLiteral("2"));
            ini.writeString(QStringLiteral("S"), QStringLiteral("v"), text);
            QVERIFY(ini.save());
        }
        QCOMPARE(bytes().startsWith("\xEF\xBB\xBF"), !cp932);
        for (int round = 0; round < 2; ++round) {
            IniFile ini(path());
            QCOMPARE(ini.sections(), QStringList({other, text, QStringLiteral("S")}));
            QCOMPARE(ini.keys(other), QStringList({other, text}));
            QCOMPARE(ini.readInt(text, QStringLiteral("k"), 0), round == 0 ? 1 : 10);
            QCOMPARE(ini.readInt(other, text, 0), round == 0 ? 2 : 20);
            QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("v")), text);
            QCOMPARE(ini.readString(other, other), other);
            // Writing again changes the value in place.
            ini.writeInt(text, QStringLiteral("k"), 10 + round);
            ini.writeInt(other, text, 20 + round);
            QVERIFY(ini.save());
            IniFile again(path());
            QCOMPARE(again.readInt(text, QStringLiteral("k"), 0), 10 + round);
            QCOMPARE(again.readInt(other, text, 0), 20 + round);
            QCOMPARE(again.lines().size(), 7);
        }
    }

    void plainTextOfOtherWritersReadsAsBefore_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("quoted value") << QByteArray("[S]\r\nk=\"abc\"\r\n") << QStringLiteral("S") << QStringLiteral("k") << QStringLiteral("\"abc\"");
        QTest::newRow("quoted section") << QByteArray("[\"Yes.\"]\r\nk=1\r\n") << QStringLiteral("\"Yes.\"") << QStringLiteral("k") << QStringLiteral("1");
        QTest::newRow("backslash escapes in a value")
            << QByteArray("[S]\r\nk=\"C:\\new\\\"\r\n") << QStringLiteral("S") << QStringLiteral("k") << QStringLiteral("\"C:\\new\\\"");
        QTest::newRow("spaced section, trimmed") << QByteArray("[ Setup ]\r\nk = v \r\n") << QStringLiteral(" Setup ") << QStringLiteral("k") << QStringLiteral("v");
        QTest::newRow("key quote not closed") << QByteArray("[S]\r\n\"a=b\r\n") << QStringLiteral("S") << QStringLiteral("\"a") << QStringLiteral("b");
    }
    void plainTextOfOtherWritersReadsAsBefore()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        put(file);
        IniFile ini(path());
        QCOMPARE(ini.readString(section, key, QStringLiteral("<missing>")), value);
    }

    void exactNamesWinOverTrimmedOnes()
    {
        put("\xEF\xBB\xBF[Zo\xC3\xAB]\r\nNum=1\r\n[\" Zo\xC3\xAB\"]\r\nNum=2\r\n");
        IniFile ini(path());
        QCOMPARE(ini.readInt(QStringLiteral("Zoë"), QStringLiteral("Num"), 0), 1);
        QCOMPARE(ini.readInt(QStringLiteral(" Zoë"), QStringLiteral("Num"), 0), 2);
        QCOMPARE(ini.readInt(QStringLiteral("Zoë "), QStringLiteral("Num"), 0), 1);
        // Folded names match: a typed wave dash finds the full-width tilde.
        ini.writeInt(QStringLiteral("～ing"), QStringLiteral("n"), 5);
        QCOMPARE(ini.readInt(QStringLiteral("〜ing"), QStringLiteral("n"), 0), 5);
    }

    void rewritingSameValueWritesNothing()
    {
        put("[S]\nk=v\n");
        IniFile ini(path());
        ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
        QVERIFY(!ini.isDirty());
    }

    void saveFailsInMissingFolder()
    {
        IniFile ini(dir.filePath(QStringLiteral("nobody/Setup.ini")));
        ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
        QString error;
        QVERIFY(!ini.save(&error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
