// CollectionFile reads a collection as the text layer reads it (the same
// lines, the same question lines) and sees every change made to the file
// between two uses.
#include "drill/Collection.h"
#include "drill/CollectionFile.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <utime.h>

namespace {

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QList<int> numbers(const QStringList &texts)
{
    QList<int> out;
    for (const QString &t : texts)
        out.append(t.toInt());
    return out;
}

} // namespace

class TestCollectionFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { CollectionFile::forgetAll(); }
    void readsAsTheTextLayer_data();
    void readsAsTheTextLayer();
    void seesChanges_data();
    void seesChanges();
    void unreadableFileReported();

private:
    QTemporaryDir m_dir;
    int m_n = 0;
};

void TestCollectionFile::readsAsTheTextLayer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray record = TextFile::encode(QStringLiteral(
        "#have\r\nI have a pen.\r\n私はペンを持っています。\r\nコメント\r\nhave,pen\r\n\r\n"));
    QTest::newRow("records with separators") << record + record;
    QTest::newRow("no final line end") << record + QByteArray("#last\r\nA\r\nB\r\nC\r\nD");
    QTest::newRow("LF line ends") << QByteArray("title\n#a\nA.\nB\nC\nD\n");
    QTest::newRow("lead byte before # and line ends")
        << QByteArray("\x81#x\r\n\x82\r\n\x83\n#\x88\r\nE\r\nJ\r\nC\r\nF\r\n");
    QTest::newRow("lone CR inside a line and at the end") << QByteArray("#a\rb\r\nA\r\nB\r\nC\r\nD\r");
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF#caf\xC3\xA9\r\nA\r\nB\r\nC\r\nD\r\n");
    QTest::newRow("UTF-8 without a mark") << QStringLiteral("#犬\nDog.\n犬\nc\nDog\n").toUtf8();
    QTest::newRow("a mark and nothing else") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("empty lines only") << QByteArray("\r\n\r\n\n");
}

void TestCollectionFile::readsAsTheTextLayer()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("c%1.txt").arg(++m_n));
    putBytes(path, bytes);
    QStringList lines;
    QVERIFY(TextFile::readLines(path, lines));

    const auto file = CollectionFile::read(path);
    QVERIFY(file);
    QCOMPARE(file->lineCount(), int(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(file->line(i), lines.at(i));
    QCOMPARE(file->line(-1), QString());
    QCOMPARE(file->line(int(lines.size())), QString());
    QCOMPARE(QList<int>(file->questionLines().cbegin(), file->questionLines().cend()),
             numbers(ScanQuestionLines(lines)));
}

void TestCollectionFile::seesChanges_data()
{
    QTest::addColumn<bool>("sameSize");
    QTest::newRow("rewritten with another length") << false;
    QTest::newRow("written over in place, same length, later time") << true;
}

void TestCollectionFile::seesChanges()
{
    QFETCH(bool, sameSize);
    const QString path = m_dir.filePath(QStringLiteral("c%1.txt").arg(++m_n));
    putBytes(path, "#a\r\nA.\r\nB\r\nC\r\nD\r\n");
    const auto first = CollectionFile::read(path);
    QVERIFY(first);
    QCOMPARE(CollectionFile::read(path), first); // unchanged: the kept copy
    QCOMPARE(first->line(1), QStringLiteral("A."));

    if (sameSize) {
        putBytes(path, "#z\r\nZ.\r\nB\r\nC\r\nD\r\n");
        const struct utimbuf t{time(nullptr) + 5, time(nullptr) + 5};
        QCOMPARE(utime(QFile::encodeName(path).constData(), &t), 0);
    } else {
        QVERIFY(TextFile::writeBytes(path, "x\r\n#z\r\nZ.\r\nB\r\nC\r\nD\r\n"));
    }
    const auto second = CollectionFile::read(path);
    QVERIFY(second);
    QVERIFY(second != first);
    const int q = second->questionLines().value(0, -1);
    QCOMPARE(second->line(q), QStringLiteral("#z"));
    QCOMPARE(second->line(q + 1), QStringLiteral("Z."));
    QCOMPARE(first->line(1), QStringLiteral("A.")); // a copy in use stays as it was
}

void TestCollectionFile::unreadableFileReported()
{
    const QString path = m_dir.filePath(QStringLiteral("missing.txt"));
    QString error;
    QVERIFY(!CollectionFile::read(path, &error));
    QVERIFY(error.contains(path));
    // A file that appears later is read then.
    putBytes(path, "#a\r\nA\r\nB\r\nC\r\nD\r\n");
    const auto file = CollectionFile::read(path, &error);
    QVERIFY(file);
    QCOMPARE(file->lineCount(), 5);
}

QTEST_GUILESS_MAIN(TestCollectionFile)
#include "tst_collectionfile.moc"
