// Reference book: entry look-up, keyword list and broken books.
#include <QtTest>

#include "platform/TextFile.h"
#include "reference/ReferenceBook.h"

class TestReference : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // Writes a CP932 book with CR LF line ends and returns its path.
    QString book(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("book%1.txt").arg(++m_files));
        if (!TextFile::writeLines(path, lines))
            qFatal("cannot write the test book");
        return path;
    }
    QString rawBook(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("raw%1.txt").arg(++m_files));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the test book");
        return path;
    }

    static QStringList standardBook()
    {
        return {
            QStringLiteral("#good"), QStringLiteral("2"),
            QStringLiteral("good は形容詞。"), QStringLiteral("比較級は better。"),
            QString(),
            QStringLiteral("#go"), QStringLiteral("1"),
            QStringLiteral("go は動詞。"),
            QString(),
            QStringLiteral("#現在完了 (経験)"), QStringLiteral("3"),
            QStringLiteral("have + 過去分詞"), QStringLiteral("  字下げも そのまま"),
            QStringLiteral("#Good と書いた行も解説のうち"),
            QString(),
            QStringLiteral("#zero"), QStringLiteral("0"),
            QString(),
            QStringLiteral("#good"), QStringLiteral("1"),
            QStringLiteral("二つ目の good は読まれない"),
            QString(),
        };
    }

private slots:
    void findEntry_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("headerLine");
        QTest::addColumn<QStringList>("shown");

        const QStringList std = standardBook();
        const QStringList goodLines{QStringLiteral("good は形容詞。"),
                                    QStringLiteral("比較級は better。")};

        QTest::newRow("keyword without #") << std << QStringLiteral("good")
            << int(ReferenceEntry::Found) << 0 << goodLines;
        QTest::newRow("keyword with #") << std << QStringLiteral("#good")
            << int(ReferenceEntry::Found) << 0 << goodLines;
        QTest::newRow("substring: go finds the earlier good") << std << QStringLiteral("go")
            << int(ReferenceEntry::Found) << 0 << goodLines;
        QTest::newRow("japanese keyword with spaces") << std << QStringLiteral("現在完了 (経験)")
            << int(ReferenceEntry::Found) << 9
            << QStringList{QStringLiteral("have + 過去分詞"), QStringLiteral("  字下げも そのまま"),
                           QStringLiteral("#Good と書いた行も解説のうち")};
        QTest::newRow("beginning of a keyword") << std << QStringLiteral("現在")
            << int(ReferenceEntry::Found) << 9
            << QStringList{QStringLiteral("have + 過去分詞"), QStringLiteral("  字下げも そのまま"),
                           QStringLiteral("#Good と書いた行も解説のうち")};
        QTest::newRow("end of a keyword finds nothing") << std << QStringLiteral("ood")
            << int(ReferenceEntry::NotFound) << -1 << QStringList();
        QTest::newRow("case-sensitive") << std << QStringLiteral("GOOD")
            << int(ReferenceEntry::NotFound) << -1 << QStringList();
        QTest::newRow("count of zero") << std << QStringLiteral("zero")
            << int(ReferenceEntry::Found) << 15 << QStringList();
        QTest::newRow("empty keyword shows the first entry") << std << QString()
            << int(ReferenceEntry::Found) << 0 << goodLines;
        QTest::newRow("no explanation") << std << QStringLiteral("キーワードなし")
            << int(ReferenceEntry::NoExplanation) << -1
            << QStringList{QStringLiteral("その解説はありません。")};
        QTest::newRow("no explanation with #") << std << QStringLiteral("#キーワードなし")
            << int(ReferenceEntry::NoExplanation) << -1
            << QStringList{QStringLiteral("その解説はありません。")};

        // "#Good" inside the explanation of 現在完了 comes before any "#Good"
        // header, so it is taken as the header and the next line as the count.
        QStringList trap = std;
        trap.append({QStringLiteral("#Good"), QStringLiteral("1"), QStringLiteral("本物")});
        trap[14] = QStringLiteral("1");
        QTest::newRow("# and keyword inside an earlier explanation") << trap
            << QStringLiteral("Good") << int(ReferenceEntry::Found) << 13
            << QStringList{QStringLiteral("#zero")};

        QTest::newRow("keyword with # inside is searched as typed")
            << QStringList{QStringLiteral("#C# の基本"), QStringLiteral("1"), QStringLiteral("x"),
                           QStringLiteral("#C"), QStringLiteral("1"), QStringLiteral("y")}
            << QStringLiteral("C# の") << int(ReferenceEntry::Found) << 0
            << QStringList{QStringLiteral("x")};
        QTest::newRow("character outside the code page finds nothing")
            << QStringList{QStringLiteral("#?"), QStringLiteral("1"), QStringLiteral("x")}
            << QStringLiteral("\U0001F600") << int(ReferenceEntry::NotFound) << -1 << QStringList();
    }

    void findEntry()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, keyword);
        QFETCH(int, status);
        QFETCH(int, headerLine);
        QFETCH(QStringList, shown);

        QString error;
        const ReferenceEntry e = FindReference(book(lines), keyword, &error);
        QCOMPARE(int(e.status), status);
        QCOMPARE(e.headerLine, headerLine);
        QCOMPARE(e.lines, shown);
        QVERIFY(error.isEmpty());
        QVERIFY(!e.isError());
        if (headerLine >= 0)
            QCOMPARE(e.header, lines.at(headerLine));
    }

    void noExplanationNeedsNoBook()
    {
        QString error;
        const ReferenceEntry e = FindReference(m_dir.filePath(QStringLiteral("missing.txt")),
                                               QStringLiteral("キーワードなし"), &error);
        QCOMPARE(int(e.status), int(ReferenceEntry::NoExplanation));
        QCOMPARE(e.lines, QStringList{QStringLiteral("その解説はありません。")});
        QVERIFY(error.isEmpty());
    }

    void lineEndsAndRawBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("shown");
        const QByteArray kana = TextFile::encode(QStringLiteral("かな"));

        QTest::newRow("LF only") << QByteArray("#a\n2\nx\ny\n") << QStringLiteral("a")
                                 << QStringList{QStringLiteral("x"), QStringLiteral("y")};
        QTest::newRow("no final line end") << QByteArray("#a\r\n2\r\nx\r\ny")
            << QStringLiteral("a") << QStringList{QStringLiteral("x"), QStringLiteral("y")};
        QTest::newRow("empty explanation lines kept") << QByteArray("#a\r\n3\r\n\r\nx\r\n\r\n")
            << QStringLiteral("a") << QStringList{QString(), QStringLiteral("x"), QString()};
        // A stray byte that is no CP932 character does not disturb the scan
        // and comes back as it was.
        QTest::newRow("stray byte before the entry")
            << QByteArray("\x82\r\n#") + kana + QByteArray("\r\n1\r\n\xA0z\r\n")
            << QStringLiteral("かな") << QStringList{TextFile::decode(QByteArray("\xA0z"))};
        QTest::newRow("count with blanks") << QByteArray("#a\r\n 1 \r\nx\r\n")
            << QStringLiteral("a") << QStringList{QStringLiteral("x")};
    }

    void lineEndsAndRawBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, keyword);
        QFETCH(QStringList, shown);
        QString error;
        const ReferenceEntry e = FindReference(rawBook(bytes), keyword, &error);
        QCOMPARE(int(e.status), int(ReferenceEntry::Found));
        QCOMPARE(e.lines, shown);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void brokenBooks_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("count not a number")
            << QStringList{QStringLiteral("#a"), QStringLiteral("二"), QStringLiteral("x")}
            << int(ReferenceEntry::BadCount) << QStringList();
        QTest::newRow("negative count")
            << QStringList{QStringLiteral("#a"), QStringLiteral("-1"), QStringLiteral("x")}
            << int(ReferenceEntry::BadCount) << QStringList();
        QTest::newRow("count too large for a number")
            << QStringList{QStringLiteral("#a"), QStringLiteral("99999999999999"),
                           QStringLiteral("x")}
            << int(ReferenceEntry::BadCount) << QStringList();
        QTest::newRow("header is the last line")
            << QStringList{QStringLiteral("#b"), QStringLiteral("1"), QStringLiteral("x"),
                           QStringLiteral("#a")}
            << int(ReferenceEntry::BadCount) << QStringList();
        QTest::newRow("count past the end")
            << QStringList{QStringLiteral("#a"), QStringLiteral("5"), QStringLiteral("x"),
                           QStringLiteral("y")}
            << int(ReferenceEntry::Truncated) << QStringList{QStringLiteral("x"), QStringLiteral("y")};
        QTest::newRow("count past the end, no lines")
            << QStringList{QStringLiteral("#a"), QStringLiteral("1")}
            << int(ReferenceEntry::Truncated) << QStringList();
    }

    void brokenBooks()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QStringList, shown);
        const QString path = book(lines);
        QString error;
        const ReferenceEntry e = FindReference(path, QStringLiteral("a"), &error);
        QCOMPARE(int(e.status), status);
        QVERIFY(e.isError());
        QCOMPARE(e.lines, shown);
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void unreadableBook_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("nothing/Reference.txt"));
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("no book chosen") << QString();
    }

    void unreadableBook()
    {
        QFETCH(QString, path);
        QString error;
        const ReferenceEntry e = FindReference(path, QStringLiteral("good"), &error);
        QCOMPARE(int(e.status), int(ReferenceEntry::Unreadable));
        QVERIFY(e.lines.isEmpty());
        QVERIFY(!error.isEmpty());
        if (!path.isEmpty())
            QVERIFY2(error.contains(path), qPrintable(error));

        QStringList keywords{QStringLiteral("left over")};
        error.clear();
        QVERIFY(!ReadReferenceKeywords(path, keywords, &error));
        QVERIFY(keywords.isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void titleAndSearchText_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("search");
        QTest::newRow("plain") << QStringLiteral("good") << QStringLiteral("goodについて")
                               << QStringLiteral("#good");
        QTest::newRow("with #") << QStringLiteral("#good") << QStringLiteral("#goodについて")
                                << QStringLiteral("#good");
        QTest::newRow("empty") << QString() << QStringLiteral("について") << QStringLiteral("#");
        QTest::newRow("# inside") << QStringLiteral("C#") << QStringLiteral("C#について")
                                  << QStringLiteral("C#");
    }

    void titleAndSearchText()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, title);
        QFETCH(QString, search);
        QCOMPARE(Reference::title(keyword), title);
        QCOMPARE(Reference::searchText(keyword), search);
    }

    void keywordList()
    {
        QStringList keywords;
        QString error;
        QVERIFY(ReadReferenceKeywords(book(standardBook()), keywords, &error));
        QCOMPARE(keywords, (QStringList{QStringLiteral("good"), QStringLiteral("go"),
                                        QStringLiteral("現在完了 (経験)"),
                                        QStringLiteral("Good と書いた行も解説のうち"),
                                        QStringLiteral("zero"), QStringLiteral("good")}));
        // Any line holding "#" counts, and loses its first character.
        QVERIFY(ReadReferenceKeywords(
            book({QStringLiteral("x#y"), QStringLiteral("plain"), QStringLiteral("##")}),
            keywords, &error));
        QCOMPARE(keywords, (QStringList{QStringLiteral("#y"), QStringLiteral("#")}));
        QVERIFY(ReadReferenceKeywords(book({}), keywords, &error));
        QVERIFY(keywords.isEmpty());
    }

    // The book installed beside the program: every keyword it offers leads
    // to a complete entry.
    void shippedBookIsWellFormed()
    {
        const QString path = QStringLiteral(TESTS_DATA_DIR "/../../data/reference/Reference.txt");
        if (!QFile::exists(path))
            QSKIP("no reference book beside the program");
        QStringList keywords;
        QString error;
        QVERIFY2(ReadReferenceKeywords(path, keywords, &error), qPrintable(error));
        QVERIFY(!keywords.isEmpty());
        for (const QString &k : std::as_const(keywords)) {
            const ReferenceEntry e = FindReference(path, k, &error);
            QVERIFY2(e.status == ReferenceEntry::Found, qPrintable(k + QLatin1Char(' ') + error));
            QVERIFY2(!e.lines.isEmpty(), qPrintable(k));
        }
    }
};

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
