#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestTextFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    static QByteArray bytesOf(const QString &p)
    {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static void put(const QString &p, const QByteArray &b)
    {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    }

private slots:
    void decodesShiftJis_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Hello, world.") << QStringLiteral("Hello, world.");
        // 日本語 in Shift-JIS
        QTest::newRow("kanji") << QByteArray("\x93\xfa\x96\x7b\x8c\xea") << QStringLiteral("日本語");
        // 表 has 0x5C as its trail byte and must not be split there
        QTest::newRow("trail 0x5C") << QByteArray("\x95\x5c") << QStringLiteral("表");
        QTest::newRow("half-width kana") << QByteArray("\xb1\xb2") << QStringLiteral("ｱｲ");
        QTest::newRow("full-width colon") << QByteArray("\x81\x46") << QStringLiteral("：");
        QTest::newRow("wave dash cp932") << QByteArray("\x81\x60") << QStringLiteral("～");
        QTest::newRow("NEC circled 1") << QByteArray("\x87\x40") << QStringLiteral("①");
    }
    void decodesShiftJis()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
        QCOMPARE(TextFile::encode(text), bytes);
    }

    void badBytesSurviveReadAndWrite_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lone lead byte at end") << QByteArray("abc\x82");
        QTest::newRow("lead byte + invalid trail") << QByteArray("a\x81\x7f" "b\r\n");
        QTest::newRow("undefined single bytes") << QByteArray("\x80\xa0\xfd\xfe\xff\r\n");
        QTest::newRow("mixed with text") << QByteArray("\x93\xfa\xff\x96\x7b\r\n\x81\r\n");
        QTest::newRow("every byte") << [] {
            QByteArray b;
            for (int i = 1; i < 256; ++i)
                if (i != '\r' && i != '\n')
                    b.append(char(i));
            return b + "\r\n";
        }();
    }
    void badBytesSurviveReadAndWrite()
    {
        QFETCH(QByteArray, bytes);
        const QString p = path(QStringLiteral("odd.txt"));
        put(p, bytes);
        QStringList lines;
        QVERIFY(TextFile::readLines(p, lines));
        QVERIFY(TextFile::writeLines(p, lines));
        QByteArray expected = bytes;
        if (!expected.endsWith("\r\n"))
            expected += "\r\n"; // a last line without line end gets one on writing
        QCOMPARE(bytesOf(p), expected);
    }

    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n\r\n")
                                          << QStringList{"a", "", "b", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("just a line end") << QByteArray("\r\n") << QStringList{""};
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString p = path(QStringLiteral("lines.txt"));
        put(p, bytes);
        QStringList got;
        QVERIFY(TextFile::readLines(p, got));
        QCOMPARE(got, lines);
    }

    void writesAndAppendsWithCrLf()
    {
        const QString p = path(QStringLiteral("w.txt"));
        QVERIFY(TextFile::writeLines(p, {QStringLiteral("一"), QStringLiteral("two")}));
        QVERIFY(TextFile::appendLines(p, {QStringLiteral("三")}));
        QCOMPARE(bytesOf(p), QByteArray("\x88\xea\r\ntwo\r\n\x8e\x4f\r\n"));
        QVERIFY(TextFile::appendLines(path(QStringLiteral("new.txt")), {QStringLiteral("x")}));
        QCOMPARE(bytesOf(path(QStringLiteral("new.txt"))), QByteArray("x\r\n"));
    }

    void failuresAreReported()
    {
        QStringList lines{QStringLiteral("kept")};
        QString error;
        QVERIFY(!TextFile::readLines(path(QStringLiteral("missing.txt")), lines, &error));
        QVERIFY(lines.isEmpty());
        QVERIFY(error.contains(QStringLiteral("missing.txt")));
        error.clear();
        const QString noFolder = path(QStringLiteral("no/such/folder/f.txt"));
        QVERIFY(!TextFile::writeLines(noFolder, {QStringLiteral("a")}, &error));
        QVERIFY(error.contains(QStringLiteral("f.txt")));
        QVERIFY(!TextFile::appendLines(noFolder, {QStringLiteral("a")}));
    }

    void failedRewriteLeavesOldFile()
    {
        // A folder where the file should be makes the rename fail; the
        // original stays whole.
        const QString p = path(QStringLiteral("keep.txt"));
        put(p, "old\r\n");
        QVERIFY(TextFile::writeLines(p, {QStringLiteral("new")}));
        QCOMPARE(bytesOf(p), QByteArray("new\r\n"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("adir")));
        QVERIFY(!TextFile::writeLines(path(QStringLiteral("adir")), {QStringLiteral("x")}));
        QVERIFY(QFileInfo(path(QStringLiteral("adir"))).isDir());
    }

    void shortWritesAreFailures_data()
    {
        QTest::addColumn<bool>("append");
        QTest::newRow("rewrite") << false;
        QTest::newRow("append") << true;
    }
    void shortWritesAreFailures()
    {
        // A file-size limit cuts the write short; that must not be reported
        // as success (the child process exits 0 only when it was reported).
        QFETCH(bool, append);
        const QString p = path(append ? QStringLiteral("limited-a.txt") : QStringLiteral("limited.txt"));
        put(p, "ab\r\n");
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit{8, 8};
            setrlimit(RLIMIT_FSIZE, &limit);
            const QStringList lines{QString(100, QLatin1Char('x'))};
            const bool ok = append ? TextFile::appendLines(p, lines) : TextFile::writeLines(p, lines);
            _exit(ok ? 1 : 0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(bytesOf(p), QByteArray("ab\r\n")); // nothing half-written is left
    }

    void countsBytes()
    {
        QCOMPARE(TextFile::byteLength(QStringLiteral("abc")), 3);
        QCOMPARE(TextFile::byteLength(QStringLiteral("日本")), 4);
        QCOMPARE(TextFile::byteLength(QStringLiteral("ｱ")), 1);
    }

    void unencodableBecomesQuestionMark()
    {
        QCOMPARE(TextFile::encode(QStringLiteral("a\u00e9b")), QByteArray("a?b"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
