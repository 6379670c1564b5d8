// Whole-file rewrites in a folder that takes no new file: the file is
// rewritten in place, with a backup kept until the new bytes are all there.
#include "platform/InPlaceRewrite.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestInPlaceRewrite : public QObject
{
    Q_OBJECT
private slots:
    void folderWithoutNewFiles_data();
    void folderWithoutNewFiles();
    void failedWriteRestoresAndKeepsBackup();
    void longFileNames_data();
    void longFileNames();
};

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList backupsOf(const QString &name)
{
    return QDir(QDir::tempPath())
        .entryList({QStringLiteral("ulvendo-") + name + QStringLiteral("-*.bak")}, QDir::Files);
}
} // namespace

void TestInPlaceRewrite::folderWithoutNewFiles_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("longer than before") << QStringList{"#a", "A longer sentence.", "ja", "c", "h", ""};
    QTest::newRow("shorter than before") << QStringList{"#a"};
    QTest::newRow("empty") << QStringList{};
}

// The folder belongs to another user and takes no new file from this one,
// the file may be written: the rewrite still happens (in a child process
// that gives up the rights of root).
void TestInPlaceRewrite::folderWithoutNewFiles()
{
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/locked");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/unit-locked.txt");
    QVERIFY(TextFile::writeLines(file, {"#old", "Old.", "古い", "", "", ""}));
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QStringList backupsBefore = backupsOf(QStringLiteral("unit-locked.txt"));

    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            _exit(3);
        // Really no new file here for this user.
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            _exit(4);
        QString error;
        _exit(TextFile::writeLines(file, lines, &error) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 4)
        QSKIP("this system does not let the test act as another user");
    QCOMPARE(WEXITSTATUS(status), 0);
    QByteArray expected;
    for (const QString &l : lines)
        expected += TextFile::encode(l) + "\r\n";
    QCOMPARE(bytesOf(file), expected);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"unit-locked.txt"});
    QCOMPARE(backupsOf(QStringLiteral("unit-locked.txt")), backupsBefore); // none left behind
}

// Writing in place fails half way (a file size limit): the old bytes are
// written back and the backup stays, named in the message.
void TestInPlaceRewrite::failedWriteRestoresAndKeepsBackup()
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/unit-limited.txt");
    const QByteArray old("#a\r\nA.\r\n");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    struct rlimit before;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = before;
    tiny.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    QString error;
    const bool ok = RewriteInPlace(file, QByteArray(100, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);

    QVERIFY(!ok);
    QCOMPARE(bytesOf(file), old);
    const int at = int(error.lastIndexOf(QStringLiteral("控え： ")));
    QVERIFY2(at > 0, qPrintable(error));
    const QString backup = error.mid(at + 4);
    QCOMPARE(bytesOf(backup), old);
    QVERIFY(QFile::remove(backup));
}

void TestInPlaceRewrite::longFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("storable");
    // The atomic rewrite's temporary name is the name plus 7 bytes.
    QTest::newRow("248 bytes") << QString(244, QLatin1Char('n')) + QStringLiteral(".dat") << true;
    QTest::newRow("249 bytes") << QString(245, QLatin1Char('n')) + QStringLiteral(".dat") << true;
    QTest::newRow("255 bytes") << QString(251, QLatin1Char('n')) + QStringLiteral(".dat") << true;
    QTest::newRow("254 bytes, kanji") << QString(83, QChar(0x6F22)) + QStringLiteral("_.dat") << true;
    QTest::newRow("256 bytes") << QString(252, QLatin1Char('n')) + QStringLiteral(".dat") << false;
}

// A file whose name is too long for the temporary name beside it is still
// rewritten, every time; a name the file system cannot take is refused
// with a message that says so.
void TestInPlaceRewrite::longFileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, storable);
    QTemporaryDir dir;
    const QString file = dir.path() + QLatin1Char('/') + name;
    for (const QByteArray &bytes : {QByteArray("[a]\r\nx=1\r\n"), QByteArray("[a]\r\nx=22\r\n"),
                                    QByteArray("[b]\r\n")}) {
        QString error;
        QCOMPARE(TextFile::writeBytes(file, bytes, &error), storable);
        if (!storable) {
            QVERIFY2(error.contains(QStringLiteral("名前が長すぎます")), qPrintable(error));
            QVERIFY(QDir(dir.path()).isEmpty());
            return;
        }
        QCOMPARE(bytesOf(file), bytes);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
}

QTEST_GUILESS_MAIN(TestInPlaceRewrite)
#include "tst_inplacerewrite.moc"
