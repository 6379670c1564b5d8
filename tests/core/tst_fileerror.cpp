// File error messages: the system's causes in Japanese, the path kept, and
// real failures of the text-file layer worded that way.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestFileError : public QObject
{
    Q_OBJECT
private slots:
    void causes_data();
    void causes();
    void realFailures_data();
    void realFailures();
};

void TestFileError::causes_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("japanese");
    auto sys = [](int e) { return QString::fromLocal8Bit(std::strerror(e)); };
    const QString missing = QStringLiteral("ファイルまたはフォルダが見つかりません");
    const QString denied = QStringLiteral("アクセスが許可されていません");
    const QString full = QStringLiteral("ディスクの空き容量が足りません");
    const QString readOnly = QStringLiteral("読み取り専用のファイルシステムです");
    const QString tooLong = QStringLiteral("名前が長すぎます");
    QTest::newRow("missing, system") << sys(ENOENT) << missing;
    QTest::newRow("missing, Qt") << "No such file or directory" << missing;
    QTest::newRow("no permission, system") << sys(EACCES) << denied;
    QTest::newRow("no permission, Qt") << "Permission denied" << denied;
    QTest::newRow("disk full, system") << sys(ENOSPC) << full;
    QTest::newRow("disk full, Qt") << "No space left on device" << full;
    QTest::newRow("quota") << sys(EDQUOT) << QStringLiteral("ディスクの使用量の上限を超えています");
    QTest::newRow("read-only") << sys(EROFS) << readOnly;
    QTest::newRow("name too long") << sys(ENAMETOOLONG) << tooLong;
    QTest::newRow("inside words of Qt") << "Cannot open: " + sys(EROFS) << readOnly;
    QTest::newRow("a write that stopped short")
        << "Unknown error" << QStringLiteral("書き込みが途中で止まりました。ディスクの空き容量を確かめてください");
    QTest::newRow("unknown kept") << "Something odd" << "Something odd";
    QTest::newRow("empty") << "" << "";
}

void TestFileError::causes()
{
    QFETCH(QString, system);
    QFETCH(QString, japanese);
    QCOMPARE(FileError::cause(system), japanese);
    const QString text = FileError::message(QStringLiteral("書き込めません"), QStringLiteral("/a/b.txt"), system);
    QVERIFY2(text.startsWith(QStringLiteral("/a/b.txt を書き込めません")), qPrintable(text));
    QVERIFY2(text.contains(japanese), qPrintable(text));
}

void TestFileError::realFailures_data()
{
    QTest::addColumn<QString>("action");   // read, write, append
    QTest::addColumn<QString>("path");     // relative to a fresh folder, or absolute
    QTest::addColumn<QString>("cause");
    const QString longName = QString(300, QLatin1Char('n'));
    QTest::newRow("read a missing file") << "read" << "none.txt"
                                         << QStringLiteral("ファイルまたはフォルダが見つかりません");
    QTest::newRow("write into a missing folder")
        << "write" << "nofolder/x.txt" << QStringLiteral("ファイルまたはフォルダが見つかりません");
    QTest::newRow("read a too long name") << "read" << longName << QStringLiteral("名前が長すぎます");
    QTest::newRow("append to a too long name") << "append" << longName << QStringLiteral("名前が長すぎます");
    QTest::newRow("append to a full disk") << "append" << "/dev/full"
                                           << QStringLiteral("ディスクの空き容量が足りません");
}

void TestFileError::realFailures()
{
    QFETCH(QString, action);
    QFETCH(QString, path);
    QFETCH(QString, cause);
    if (path.startsWith(QLatin1Char('/')) && !QFile::exists(path))
        QSKIP("this system has no such device");
    QTemporaryDir dir;
    const QString file = path.startsWith(QLatin1Char('/')) ? path : dir.path() + QLatin1Char('/') + path;
    QString error;
    QStringList lines;
    bool ok = true;
    if (action == QLatin1String("read"))
        ok = TextFile::readLines(file, lines, &error);
    else if (action == QLatin1String("write"))
        ok = TextFile::writeLines(file, {QStringLiteral("x")}, &error);
    else
        ok = TextFile::appendLines(file, {QStringLiteral("x")}, &error);
    QVERIFY(!ok);
    QVERIFY2(error.startsWith(file + QStringLiteral(" を")), qPrintable(error));
    QVERIFY2(error.endsWith(QStringLiteral("（") + cause + QStringLiteral("）")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestFileError)
#include "tst_fileerror.moc"
