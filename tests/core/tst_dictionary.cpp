// Dictionary: prefix look-up, line format, word trimming, and a look-up in a
// dictionary of realistic size.
#include <QtTest>

#include "platform/TextFile.h"
#include "reference/Dictionary.h"

Q_DECLARE_METATYPE(TextFile::Encoding)

class TestDictionary : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QString dictionary(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("dict%1.txt").arg(++m_files));
        if (!TextFile::writeLines(path, lines))
            qFatal("cannot write the test dictionary");
        return path;
    }

    static QStringList standardDictionary()
    {
        return {
            QStringLiteral("apple=りんご*果物"),
            QStringLiteral("Apple=アップル*会社名"),
            QStringLiteral("apples=りんご(複数)*"),
            QStringLiteral("application=応用*名詞"),
            QStringLiteral("bank=銀行"),
            QStringLiteral("cat"),
            QStringLiteral("e=m*c2=x*y"),
            QStringLiteral("犬=dog*和英"),
        };
    }

private slots:
    void trimWord_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << QStringLiteral("apple") << QStringLiteral("apple");
        QTest::newRow("full stop") << QStringLiteral("apple.") << QStringLiteral("apple");
        QTest::newRow("comma and more words") << QStringLiteral("well, I think")
                                              << QStringLiteral("well");
        QTest::newRow("full stop alone") << QStringLiteral(".") << QString();
        QTest::newRow("dot before comma") << QStringLiteral("a.b,c") << QStringLiteral("a");
        QTest::newRow("comma before dot") << QStringLiteral("a,b.c") << QStringLiteral("a");
        QTest::newRow("inner spaces kept") << QStringLiteral("look up.") << QStringLiteral("look up");
    }

    void trimWord()
    {
        QFETCH(QString, typed);
        QFETCH(QString, word);
        QCOMPARE(Dictionary::trimWord(typed), word);
    }

    void splitLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("comment");
        QTest::newRow("all three") << QStringLiteral("apple=りんご*果物") << QStringLiteral("apple")
                                   << QStringLiteral("りんご") << QStringLiteral("果物");
        QTest::newRow("no star: no comment") << QStringLiteral("bank=銀行")
            << QStringLiteral("bank") << QStringLiteral("銀行") << QString();
        QTest::newRow("empty comment") << QStringLiteral("a=b*") << QStringLiteral("a")
                                       << QStringLiteral("b") << QString();
        QTest::newRow("no equals sign") << QStringLiteral("cat") << QStringLiteral("cat")
                                        << QString() << QString();
        QTest::newRow("first = and first * after it") << QStringLiteral("e=m*c2=x*y")
            << QStringLiteral("e") << QStringLiteral("m") << QStringLiteral("c2=x*y");
        QTest::newRow("star before equals") << QStringLiteral("a*b=c*d") << QStringLiteral("a*b")
                                            << QStringLiteral("c") << QStringLiteral("d");
    }

    void splitLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QFETCH(QString, comment);
        QString e, j, c;
        Dictionary::splitLine(line, e, j, c);
        QCOMPARE(e, english);
        QCOMPARE(j, japanese);
        QCOMPARE(c, comment);
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("line");   // -1: not found
        QTest::newRow("exact word") << QStringLiteral("apple") << 0;
        QTest::newRow("case-sensitive") << QStringLiteral("Apple") << 1;
        QTest::newRow("prefix: first line wins") << QStringLiteral("app") << 0;
        QTest::newRow("prefix of a later entry") << QStringLiteral("appl") << 0;
        QTest::newRow("longer entry found by its beginning") << QStringLiteral("applic") << 3;
        QTest::newRow("word longer than every entry") << QStringLiteral("applesauce") << -1;
        QTest::newRow("line without =") << QStringLiteral("ca") << 5;
        QTest::newRow("japanese word") << QStringLiteral("犬") << 7;
        QTest::newRow("empty word matches nothing") << QString() << -1;
        QTest::newRow("upper case finds no lower case") << QStringLiteral("BANK") << -1;
        QTest::newRow("only the start of a line counts") << QStringLiteral("pple") << -1;
        QTest::newRow("character outside the code page") << QStringLiteral("\U0001F600") << -1;
        QTest::newRow("a line end is not part of a line") << QStringLiteral("cat\r") << -1;
        QTest::newRow("a line end is not part of a line, Japanese") << QStringLiteral("犬=dog*和英\r") << -1;
    }

    void lookUp()
    {
        QFETCH(QString, word);
        QFETCH(int, line);
        const QStringList lines = standardDictionary();
        QString error;
        const DictionaryResult r = LookUpDictionary(dictionary(lines), word, &error);
        QVERIFY(error.isEmpty());
        QCOMPARE(r.word, word);
        if (line < 0) {
            QCOMPARE(int(r.status), int(DictionaryResult::NotFound));
            QCOMPARE(Dictionary::messageText(r), QStringLiteral("見つけることができませんでした"));
            return;
        }
        QCOMPARE(int(r.status), int(DictionaryResult::Found));
        QCOMPARE(r.lineNumber, line);
        QCOMPARE(r.line, lines.at(line));
        QString e, j, c;
        Dictionary::splitLine(lines.at(line), e, j, c);
        QCOMPARE(r.english, e);
        QCOMPARE(r.japanese, j);
        QCOMPARE(r.comment, c);
    }

    void message()
    {
        const DictionaryResult r =
            LookUpDictionary(dictionary(standardDictionary()), QStringLiteral("apple"));
        QCOMPARE(Dictionary::messageText(r),
                 QStringLiteral("以下の単語が見つかりました\n\n英　 語： apple\n日本語： りんご"
                                "\n\nコメント： 果物"));
        const DictionaryResult bank =
            LookUpDictionary(dictionary(standardDictionary()), QStringLiteral("bank"));
        QCOMPARE(Dictionary::messageText(bank),
                 QStringLiteral("以下の単語が見つかりました\n\n英　 語： bank\n日本語： 銀行"
                                "\n\nコメント： "));
    }

    void typedWordsEndToEnd_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("english");
        QTest::newRow("word with full stop") << QStringLiteral("bank.") << QStringLiteral("bank");
        QTest::newRow("word, comma, more") << QStringLiteral("apple, please")
                                           << QStringLiteral("apple");
        QTest::newRow("full stop alone") << QStringLiteral(".") << QString();
    }

    void typedWordsEndToEnd()
    {
        QFETCH(QString, typed);
        QFETCH(QString, english);
        const DictionaryResult r = LookUpDictionary(dictionary(standardDictionary()),
                                                    Dictionary::trimWord(typed));
        if (english.isEmpty()) {
            QCOMPARE(int(r.status), int(DictionaryResult::NotFound));
            QCOMPARE(Dictionary::messageText(r), QStringLiteral("見つけることができませんでした"));
        } else {
            QCOMPARE(int(r.status), int(DictionaryResult::Found));
            QCOMPARE(r.english, english);
        }
    }

    void rawBytesAndLineEnds()
    {
        // The byte 0x82 alone is no character and reads as a stand-in that
        // writes back as 0x82. A line starting with 0x82 0xA0 ("あ") shares
        // that first byte but not the character, so it must not match.
        const QString path = m_dir.filePath(QStringLiteral("raw.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x82\xA0=a\n\x82 =b*c\nlast=z");
        f.close();
        const QString stray = TextFile::decode(QByteArray("\x82"));
        DictionaryResult r = LookUpDictionary(path, stray);
        QCOMPARE(int(r.status), int(DictionaryResult::Found));
        QCOMPARE(r.lineNumber, 1);
        QCOMPARE(r.japanese, QStringLiteral("b"));
        r = LookUpDictionary(path, QStringLiteral("あ"));
        QCOMPARE(r.lineNumber, 0);
        r = LookUpDictionary(path, QStringLiteral("last"));
        QCOMPARE(r.lineNumber, 2);
        QCOMPARE(r.japanese, QStringLiteral("z"));
    }

    // The same dictionary in CP932, UTF-8 and UTF-8 with a byte-order mark:
    // the same words found on the same lines, typed characters folded.
    void lookUpInEitherEncoding_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<TextFile::Encoding>("encoding");
        QTest::newRow("CP932") << QByteArray() << TextFile::Encoding::Cp932;
        QTest::newRow("UTF-8") << QByteArray() << TextFile::Encoding::Utf8;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") << TextFile::Encoding::Utf8;
    }
    void lookUpInEitherEncoding()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(TextFile::Encoding, encoding);
        const QStringList lines{QStringLiteral("go=行く*動詞"), QStringLiteral("～ing=動名詞"),
                                QStringLiteral("−5度=マイナス五度"), QStringLiteral("山田表=表"),
                                QStringLiteral("going=行くこと")};
        QByteArray bytes = prefix;
        for (const QString &l : lines)
            bytes += TextFile::encode(l, encoding) + "\r\n";
        const QString path = m_dir.filePath(QStringLiteral("either.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const QList<QPair<QString, int>> lookUps{{QStringLiteral("go"), 0},
                                                 {QStringLiteral("〜ing"), 1},
                                                 {QStringLiteral("～ing"), 1},
                                                 {QStringLiteral("−5"), 2},
                                                 {QStringLiteral("山田"), 3},
                                                 {QStringLiteral("goi"), 4}};
        for (const auto &l : lookUps) {
            const DictionaryResult r = LookUpDictionary(path, l.first);
            QCOMPARE(int(r.status), int(DictionaryResult::Found));
            QCOMPARE(r.lineNumber, l.second);
            QCOMPARE(r.line, TextFile::decode(TextFile::encode(lines.at(l.second), encoding), encoding));
        }
        QCOMPARE(int(LookUpDictionary(path, QStringLiteral("表")).status), int(DictionaryResult::NotFound));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no/Dictionary.txt"));
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("no path") << QString();
    }

    void unreadable()
    {
        QFETCH(QString, path);
        QString error;
        const DictionaryResult r = LookUpDictionary(path, QStringLiteral("apple"), &error);
        QCOMPARE(int(r.status), int(DictionaryResult::Unreadable));
        QVERIFY(!error.isEmpty());
        if (!path.isEmpty())
            QVERIFY2(error.contains(path), qPrintable(error));
    }

    // The dictionary installed beside the program: every line has its English
    // and Japanese parts, and every word is found on its own line or an
    // earlier one.
    void shippedDictionaryIsWellFormed()
    {
        const QString path = QStringLiteral(TESTS_DATA_DIR "/../../data/dictionary/Dictionary.txt");
        if (!QFile::exists(path))
            QSKIP("no dictionary beside the program");
        QStringList lines;
        QVERIFY(TextFile::readLines(path, lines));
        QVERIFY(!lines.isEmpty());
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines.at(i);
            QVERIFY2(line.contains(QLatin1Char('=')), qPrintable(line));
            QString e, j, c;
            Dictionary::splitLine(line, e, j, c);
            QVERIFY2(!e.isEmpty() && !j.isEmpty(), qPrintable(line));
            const DictionaryResult r = LookUpDictionary(path, e);
            QVERIFY2(r.status == DictionaryResult::Found && r.lineNumber <= i, qPrintable(line));
        }
    }

    // A 16 MB dictionary of 267,000 lines: a missing word (the whole file
    // is scanned), the last line, and a prefix shared by a thousand lines
    // (the first of them). Its speed is measured by scripts/bench.
    void largeDictionary()
    {
        const int lineCount = 267000;
        const QByteArray japanese = TextFile::encode(QStringLiteral("日本語の意味"));
        const QByteArray comment = TextFile::encode(QStringLiteral("用例の説明"));
        QByteArray bytes;
        bytes.reserve(17 * 1024 * 1024);
        for (int i = 0; i < lineCount; ++i) {
            bytes += "word";
            bytes += QByteArray::number(i).rightJustified(6, '0');
            bytes += '=';
            bytes += japanese;
            bytes += '*';
            bytes += comment;
            bytes += " a sample line of words."; // 60 bytes a line with CR LF
            bytes += "\r\n";
        }
        QVERIFY2(bytes.size() > 16 * 1000 * 1000, qPrintable(QString::number(bytes.size())));
        const QString path = m_dir.filePath(QStringLiteral("large.txt"));
        QVERIFY(TextFile::writeBytes(path, bytes));

        struct Case { QString word; int line; };
        const QList<Case> cases{{QStringLiteral("zebra"), -1},
                                {QStringLiteral("word266999"), lineCount - 1},
                                {QStringLiteral("word133"), 133000}};
        for (const Case &c : cases)
            QCOMPARE(LookUpDictionary(path, c.word).lineNumber, c.line);
    }

    // The look-up reads the file in blocks of whole lines; whatever the
    // blocks, it finds the line a reading of the whole file finds, decoded
    // in the encoding of the whole file.
    void blocksAgreeWithWholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("word");
        const QByteArray match = "target=found*here";
        auto filler = [](qsizetype size) {
            QByteArray out;
            for (int i = 0; out.size() < size; ++i)
                out += "filler" + QByteArray::number(i) + "=x\r\n";
            return out;
        };
        auto paddedTo = [&](qsizetype offset) { // filler ending exactly at offset
            QByteArray out = filler(offset - 300);
            out += "pad=" + QByteArray(offset - out.size() - 6, 'p') + "\r\n";
            return out;
        };
        for (qsizetype at : {65535, 65536, 65537, 131072 + 1})
            QTest::newRow(qPrintable(QStringLiteral("line at byte %1").arg(at)))
                << paddedTo(at) + match + "\r\n" + filler(1000) << QStringLiteral("target");
        QTest::newRow("line longer than the buffer before it")
            << "long=" + QByteArray(200000, 'l') + "\n" + match << QStringLiteral("target");
        QTest::newRow("found line longer than the buffer")
            << filler(70000) + "target=" + QByteArray(150000, 'x') + "\n" << QStringLiteral("target");
        QTest::newRow("found on the first line after a byte-order mark")
            << "\xEF\xBB\xBF" + QStringLiteral("target=見つけた").toUtf8() + "\n" + filler(100000)
            << QStringLiteral("target");
        QTest::newRow("UTF-8 line found early, the file CP932 by a late byte")
            << QStringLiteral("target=見つけた").toUtf8() + "\n" + filler(150000) + "end=\x82\xA0\n"
            << QStringLiteral("target");
        QTest::newRow("UTF-8 line found early, the file UTF-8 to its end")
            << QStringLiteral("target=見つけた").toUtf8() + "\n" + filler(150000) + QStringLiteral("end=終").toUtf8()
            << QStringLiteral("target");
        QTest::newRow("last line without a line end") << filler(100000) + match << QStringLiteral("target");
        QTest::newRow("not there") << filler(100000) << QStringLiteral("target");
        // More line feeds in a stretch of words than one byte counts.
        for (int blank : {255, 256, 333, 2041, 70000})
            QTest::newRow(qPrintable(QStringLiteral("after %1 empty lines").arg(blank)))
                << QByteArray(blank, '\n') + match << QStringLiteral("target");
        QTest::newRow("Japanese word") << filler(100000) + TextFile::encode(QStringLiteral("犬=dog")) + "\r\n"
                                       << QStringLiteral("犬");
    }
    void blocksAgreeWithWholeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, word);
        const QString path = m_dir.filePath(QStringLiteral("blocks%1.txt").arg(++m_files));
        QVERIFY(TextFile::writeBytes(path, bytes));
        TextFile::Text whole;
        QVERIFY(TextFile::read(path, whole));
        int expected = -1;
        for (int i = 0; i < whole.lines.size() && expected < 0; ++i)
            if (TextFile::fold(whole.lines.at(i)).startsWith(TextFile::fold(word)))
                expected = i;

        const DictionaryResult r = LookUpDictionary(path, word);
        QCOMPARE(r.lineNumber, expected);
        QCOMPARE(r.status == DictionaryResult::Found, expected >= 0);
        if (expected >= 0)
            QCOMPARE(r.line, whole.lines.at(expected));
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
