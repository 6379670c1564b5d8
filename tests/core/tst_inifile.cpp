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
        QVERIFY(!ini.hasSection(QStringLiteral("Other")));
        QCOMPARE(ini.keys(QStringLiteral("S")), QStringList({"long", "evil"}));
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
