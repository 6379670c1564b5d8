// The two makers: the exact bytes they append to reference books and
// question collections, what they refuse, and that the drill and the
// reference viewer read back what was written.
#include <QtTest>

#include "authoring/QuestionMaker.h"
#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "platform/TextFile.h"
#include "reference/MakerChecks.h"
#include "reference/ReferenceBook.h"
#include "reference/ReferenceMaker.h"

namespace {
QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += TextFile::encode(l) + "\r\n";
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A text of exactly `bytes` CP932 bytes: two-byte kana and one "a" when odd.
QString textOfBytes(int bytes)
{
    QString s(bytes / 2, QChar(0x3042)); // "あ"
    if (bytes % 2)
        s += QLatin1Char('a');
    return s;
}

QStringList strings(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *s : list)
        out << QString::fromUtf8(s);
    return out;
}
} // namespace

class TestMakers : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("f%1.txt").arg(++m_files)); }
    QString fileWith(const QByteArray &bytes)
    {
        const QString path = freshPath();
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        return path;
    }
    // A path of exactly `bytes` bytes whose folders exist (file names are
    // limited to 255 bytes, so the length is made of several folders).
    QString pathOfBytes(int bytes)
    {
        QString folder = m_dir.path() + QStringLiteral("/long");
        while (folder.size() + 1 + 200 + 1 + 20 < bytes)
            folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
        if (!QDir().mkpath(folder))
            qFatal("cannot make the long folder");
        const int rest = bytes - folder.size() - 1 - 4;
        return folder + QLatin1Char('/') + QString(rest, QLatin1Char('n')) + QStringLiteral(".txt");
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // --- reference entries ---------------------------------------------------
    void referenceBytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("explanation");
        QTest::addColumn<QByteArray>("expected");

        // "#" "現在" / "1" / "かんたん" / "" pinned as literal CP932 bytes.
        QTest::newRow("new file, literal bytes")
            << QByteArray() << QStringLiteral("現在") << QStringList{QStringLiteral("かんたん")}
            << QByteArray("#\x8C\xBB\x8D\xDD\r\n1\r\n\x82\xA9\x82\xF1\x82\xBD\x82\xF1\r\n\r\n");
        const QStringList withGaps = strings({"一行目", "", "三行目", ""});
        QTest::newRow("empty lines are counted and written")
            << QByteArray() << QStringLiteral("過去 完了") << withGaps
            << crlf(strings({"#過去 完了", "4", "一行目", "", "三行目", "", ""}));
        const QByteArray existing = crlf(strings({"#go", "1", "go は動詞。", ""}));
        QTest::newRow("appended after what is there")
            << existing << QStringLiteral("good") << QStringList{QStringLiteral("形容詞。")}
            << existing + crlf(strings({"#good", "1", "形容詞。", ""}));
        const QByteArray noFinalBreak("#go\r\n1\r\nx");
        QTest::newRow("a last line without line end is ended first")
            << noFinalBreak << QStringLiteral("k") << QStringList{QStringLiteral("y")}
            << noFinalBreak + "\r\n" + crlf(strings({"#k", "1", "y", ""}));
        QTest::newRow("a file with LF line ends gets LF line ends")
            << QByteArray("#go\n1\nx") << QStringLiteral("k") << QStringList{QStringLiteral("y")}
            << QByteArray("#go\n1\nx\n#k\n1\ny\n\n");
    }
    void referenceBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, keyword);
        QFETCH(QStringList, explanation);
        QFETCH(QByteArray, expected);
        const QString path = before.isEmpty() ? freshPath() : fileWith(before);
        const ReferenceAdd r = AddReferenceEntry(path, keyword, explanation);
        QVERIFY2(r.written, qPrintable(r.message));
        QVERIFY(r.message.isEmpty());
        QCOMPARE(fileBytes(path), expected);
    }

    void referenceReadBack()
    {
        const QString path = fileWith(crlf(strings({"#go", "1", "go は動詞。", ""})));
        QVERIFY(AddReferenceEntry(path, QStringLiteral("現在完了"),
                                  strings({"have + 過去分詞", "", "経験・継続・完了"})).written);
        QVERIFY(AddReferenceEntry(path, QStringLiteral("現在完了"), strings({"二つ目"})).written);
        const ReferenceEntry e = FindReference(path, QStringLiteral("現在完了"));
        QCOMPARE(int(e.status), int(ReferenceEntry::Found));
        QCOMPARE(e.lines, strings({"have + 過去分詞", "", "経験・継続・完了"}));
        QStringList keywords;
        QVERIFY(ReadReferenceKeywords(path, keywords));
        QCOMPARE(keywords, strings({"go", "現在完了", "現在完了"}));
    }

    void referenceRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("explanation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");

        const QString t = QStringLiteral("<target>");
        const QStringList ok{QStringLiteral("解説")};
        QTest::newRow("no target") << QString() << QString() << QStringList() // checked first
                                   << QStringLiteral("追加先の参考書が指定されていません。")
                                   << int(ReferenceAdd::NoField);
        QTest::newRow("no keyword") << t << QString() << QStringList()
                                    << QStringLiteral("キーワードが記入されていません。")
                                    << int(ReferenceAdd::KeywordField);
        QTest::newRow("first line empty, later text")
            << t << QStringLiteral("k") << strings({"", "後の行"})
            << QStringLiteral("解説が記入されていません。") << int(ReferenceAdd::ExplanationField);
        QTest::newRow("keyword one byte too long")
            << t << textOfBytes(Maker::KeywordLimit + 1) << ok
            << Maker::tooLongText(QStringLiteral("キーワード"), Maker::KeywordLimit)
            << int(ReferenceAdd::KeywordField);
        QTest::newRow("keyword with a line break")
            << t << QStringLiteral("a\nb") << ok << Maker::lineBreakText(QStringLiteral("キーワード"))
            << int(ReferenceAdd::KeywordField);
        QTest::newRow("second line one byte too long")
            << t << QStringLiteral("k") << QStringList{QStringLiteral("x"), textOfBytes(Maker::LineLimit + 1)}
            << Maker::tooLongText(QStringLiteral("解説の 2 行目"), Maker::LineLimit)
            << int(ReferenceAdd::ExplanationField);
        QTest::newRow("\"#\" in an explanation line")
            << t << QStringLiteral("k") << strings({"x", "y", "C# の話"})
            << QStringLiteral("解説の 3 行目に「#」は使えません。\n"
                              "「#」を含む行はキーワードの行として読まれてしまいます。")
            << int(ReferenceAdd::ExplanationField);
    }
    void referenceRefused()
    {
        QFETCH(QString, target);
        QFETCH(QString, keyword);
        QFETCH(QStringList, explanation);
        QFETCH(QString, message);
        QFETCH(int, field);
        const QByteArray before("#old\r\n0\r\n\r\n");
        const QString path = target.isEmpty() ? QString() : fileWith(before);
        const ReferenceAdd r = AddReferenceEntry(path, keyword, explanation);
        QVERIFY(!r.written);
        QCOMPARE(r.message, message);
        QCOMPARE(int(r.field), field);
        if (!path.isEmpty())
            QCOMPARE(fileBytes(path), before);
    }

    // Limits hold at the limit and refuse one byte past it (both makers).
    void limits_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("accepted");
        for (const char *which : {"reference keyword", "reference line", "question keyword",
                                  "question english", "question comment", "target path"}) {
            const int limit = QByteArray(which).endsWith("keyword") ? Maker::KeywordLimit
                : QByteArray(which) == "target path" ? Maker::PathLimit : Maker::LineLimit;
            QTest::addRow("%s at %d", which, limit) << QString::fromLatin1(which) << limit << true;
            QTest::addRow("%s at %d", which, limit + 1) << QString::fromLatin1(which) << limit + 1 << false;
        }
    }
    void limits()
    {
        QFETCH(QString, which);
        QFETCH(int, bytes);
        QFETCH(bool, accepted);
        const QString text = textOfBytes(bytes);
        const QString path = which == QLatin1String("target path") ? pathOfBytes(bytes) : freshPath();
        QCOMPARE(TextFile::byteLength(path) == bytes, which == QLatin1String("target path"));

        bool written = false;
        QByteArray expected;
        if (which.startsWith(QLatin1String("reference")) || which == QLatin1String("target path")) {
            const QString keyword = which == QLatin1String("reference keyword") ? text : QStringLiteral("k");
            const QString line = which == QLatin1String("reference line") ? text : QStringLiteral("x");
            written = AddReferenceEntry(path, keyword, {line}).written;
            expected = crlf({QLatin1Char('#') + keyword, QStringLiteral("1"), line, QString()});
        } else {
            QuestionDraft d{QStringLiteral("k"), QStringLiteral("E."), QStringLiteral("日"),
                            QString(), {QStringLiteral("c")}};
            if (which == QLatin1String("question keyword"))
                d.keyword = text;
            else if (which == QLatin1String("question english"))
                d.english = text;
            else // a comment over two lines counts as the one line it becomes
                d.comment = {text.left(10), text.mid(10)};
            written = AddQuestionRecord(path, d).written;
            expected = crlf(NewQuestionLines(d));
        }
        QCOMPARE(written, accepted);
        QCOMPARE(fileBytes(path), accepted ? expected : QByteArray("<missing>"));
    }

    // Both makers, every field, in CP932, UTF-8 and UTF-8-with-BOM files:
    // stored and found again, or refused naming the character and the field
    // with the file untouched. Nothing is ever written as "?".
    void fieldsInEitherEncoding_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stored");
        const QByteArray sjis = crlf(strings({"#a", "A.", "あ", "c", "", ""}));
        const QByteArray utf8 = QStringLiteral("#a\r\nA.\r\nあ\r\nc\r\n\r\n\r\n").toUtf8();
        const QList<QPair<const char *, QByteArray>> files{
            {"CP932", sjis}, {"UTF-8", utf8}, {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8}, {"new", {}}};
        for (const auto &file : files) {
            const bool cp932 = file.second.isEmpty() || file.second == sjis;
            for (const char *t : {"Zoë", "山田表", "〜ing", "café", "−5度", "Room=5", "[x", ";x"}) {
                const QString text = QString::fromUtf8(t);
                const bool fits = TextFile::canEncode(text, TextFile::Encoding::Cp932);
                QTest::addRow("%s file, %s", file.first, t) << file.second << text << (fits || !cp932);
            }
        }
    }
    void fieldsInEitherEncoding()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(bool, stored);
        const QString what = text.contains(QStringLiteral("ë")) ? QStringLiteral("ë") : QStringLiteral("é");

        // Reference maker: the keyword and an explanation line.
        QString path = before.isEmpty() ? freshPath() : fileWith(before);
        const ReferenceAdd r = AddReferenceEntry(path, text, {QStringLiteral("x ") + text});
        QCOMPARE(r.written, stored);
        QVERIFY(!fileBytes(path).contains('?'));
        if (stored) {
            const ReferenceEntry e = FindReference(path, text);
            QCOMPARE(int(e.status), int(ReferenceEntry::Found));
            QCOMPARE(e.lines.size(), 1);
            QVERIFY(TextFile::sameText(e.lines.at(0), QStringLiteral("x ") + text));
        } else {
            QCOMPARE(r.message, TextFile::unstorableMessage(QStringLiteral("キーワード"), what));
            QCOMPARE(fileBytes(path), before.isEmpty() ? QByteArray("<missing>") : before);
        }

        // Question maker: every line of the record.
        path = before.isEmpty() ? freshPath() : fileWith(before);
        const QuestionDraft d{text, QStringLiteral("E ") + text, QStringLiteral("日") + text,
                              QStringLiteral("h") + text, {QStringLiteral("c") + text}};
        const QuestionAdd q = AddQuestionRecord(path, d);
        QCOMPARE(q.written, stored);
        QVERIFY(!fileBytes(path).contains('?'));
        if (stored) {
            QStringList index;
            QString error;
            QVERIFY2(ScanCollection(path, index, &error), qPrintable(error));
            DrillState s;
            QVERIFY(LoadQuestion(path, index.constLast().toInt(), 0, s, &error));
            QVERIFY(TextFile::sameText(s.CurrentKeyword, QLatin1Char('#') + text));
            QVERIFY(TextFile::sameText(s.AnswerText, d.english));
            QVERIFY(TextFile::sameText(s.QuestionText, d.japanese));
            QVERIFY(TextFile::sameText(s.CommentText, QStringLiteral("c") + text));
            QVERIFY(TextFile::sameText(s.HoleWords, d.hole));
            QVERIFY(fileBytes(path).startsWith(before));
        } else {
            QCOMPARE(q.message, TextFile::unstorableMessage(QStringLiteral("キーワード"), what));
            QCOMPARE(int(q.field), int(QuestionAdd::KeywordField));
            QCOMPARE(fileBytes(path), before.isEmpty() ? QByteArray("<missing>") : before);
        }
    }

    void refusalNamesTheField()
    {
        const QString path = fileWith(crlf(strings({"#a", "1", "x", ""})));
        const ReferenceAdd r = AddReferenceEntry(path, QStringLiteral("k"),
                                                 {QStringLiteral("ok"), QStringLiteral("naïve")});
        QCOMPARE(r.message, TextFile::unstorableMessage(QStringLiteral("解説の 2 行目"), QStringLiteral("ï")));
        QCOMPARE(int(r.field), int(ReferenceAdd::ExplanationField));
        QVERIFY(r.message.contains(QStringLiteral("U+00EF")));
        const QuestionAdd q = AddQuestionRecord(path, {QStringLiteral("k"), QStringLiteral("E."),
                                                       QStringLiteral("日"), QStringLiteral("Zoë"), {}});
        QCOMPARE(q.message, TextFile::unstorableMessage(QStringLiteral("穴の場所指定"), QStringLiteral("ë")));
        QCOMPARE(int(q.field), int(QuestionAdd::HoleField));
    }

    void unopenableTarget()
    {
        // A folder cannot be opened for appending.
        const QString folder = m_dir.filePath(QStringLiteral("a-folder.txt"));
        QVERIFY(QDir().mkpath(folder));
        const ReferenceAdd r = AddReferenceEntry(folder, QStringLiteral("k"), {QStringLiteral("x")});
        QVERIFY(!r.written);
        QCOMPARE(r.message, QStringLiteral("ファイルを開く事が出来ませんでした\n"
                                           "指定したファイルが存在するかどうか調べてください"));
        const QuestionAdd q = AddQuestionRecord(folder, {QString(), QStringLiteral("E."),
                                                         QStringLiteral("日"), QString(), {}});
        QVERIFY(!q.written);
        QCOMPARE(q.message, r.message);
    }

    // Several records at once: all written after the file's own bytes, or
    // none at all.
    void severalRecords_data()
    {
        QTest::addColumn<QString>("where");   // "file", "missing", "folder", "no folder", "no temp"
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("added");
        const QByteArray two = crlf(strings({"#k", "Go.", "行け。", "コメントはありません", "", "",
                                             "#キーワードなし", "Run.", "走れ。", "急いで", "Run", ""}));
        QTest::newRow("after a Shift-JIS collection") << "file" << crlf(strings({"#a", "A.", "あ", "c", ""}))
                                                       << true << two;
        QTest::newRow("a new collection") << "missing" << QByteArray() << true << two;
        QTest::newRow("after a last line without line end")
            << "file" << QByteArray("#a\r\nA.") << true << QByteArray("\r\n") + two;
        QTest::newRow("UTF-8 collection with LF line ends")
            << "file" << QByteArray("\xEF\xBB\xBF#a\nA.\n") << true
            << QStringLiteral("#k\nGo.\n行け。\nコメントはありません\n\n\n#キーワードなし\nRun.\n走れ。\n急いで\nRun\n\n")
                   .toUtf8();
        // Nothing is staged in the temporary folder: only the collection's
        // own folder needs room.
        QTest::newRow("no temporary folder") << "no temp" << crlf(strings({"#a", "A.", "あ", "c", ""}))
                                             << true << two;
        QTest::newRow("a folder in the way") << "folder" << QByteArray() << false << QByteArray();
        QTest::newRow("a folder that does not exist") << "no folder" << QByteArray() << false << QByteArray();
    }
    void severalRecords()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, before);
        QFETCH(bool, written);
        QFETCH(QByteArray, added);
        QString path = where == QLatin1String("file") || where == QLatin1String("no temp")
                           ? fileWith(before) : freshPath();
        const bool hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            if (hadTmpdir)
                qputenv("TMPDIR", tmpdir);
            else
                qunsetenv("TMPDIR");
        });
        if (where == QLatin1String("no temp"))
            qputenv("TMPDIR", QFile::encodeName(fileWith("a file, not a folder")));
        if (where == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        if (where == QLatin1String("no folder"))
            path = m_dir.filePath(QStringLiteral("nowhere/q.txt"));
        const QVector<QuestionDraft> drafts{
            {QStringLiteral("k"), QStringLiteral("Go."), QStringLiteral("行け。"), QString(), {}},
            {QString(), QStringLiteral("Run."), QStringLiteral("走れ。"), QStringLiteral("Run"),
             {QStringLiteral("急いで")}}};
        QString error;
        const QuestionAdd r = AddQuestionRecords(path, drafts, &error);
        QCOMPARE(r.written, written);
        QCOMPARE(error.isEmpty(), written);
        if (where == QLatin1String("folder"))
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(fileBytes(path), written ? before + added : QByteArray("<missing>"));
    }

    // --- question records ----------------------------------------------------
    void questionBytes_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QStringList>("comment");
        QTest::addColumn<QByteArray>("expected");
        const char *en = "I have lived here for ten years.";
        const char *ja = "私はここに十年住んでいます。";

        // "#キーワードなし" pinned as literal CP932 bytes.
        QTest::newRow("no keyword, no comment, no fill-in")
            << QString() << QString() << QStringList{QString()}
            << QByteArray("#\x83\x4C\x81\x5B\x83\x8F\x81\x5B\x83\x68\x82\xC8\x82\xB5\r\n")
                   + crlf(strings({en, ja, "コメントはありません", "", ""}));
        QTest::newRow("everything given")
            << QStringLiteral("現在完了") << QStringLiteral("lived,ten")
            << QStringList{QStringLiteral("継続を表す。")}
            << crlf(strings({"#現在完了", en, ja, "継続を表す。", "lived,ten", ""}));
        QTest::newRow("comment lines run together")
            << QStringLiteral("k") << QString() << strings({"一行目。", "二行目。", "三行目。"})
            << crlf(strings({"#k", en, ja, "一行目。二行目。三行目。", "", ""}));
        // Text under an empty first line is kept rather than dropped.
        QTest::newRow("comment under an empty first line")
            << QStringLiteral("k") << QString() << strings({"", "下の行"})
            << crlf(strings({"#k", en, ja, "下の行", "", ""}));
        QTest::newRow("comment of empty lines only")
            << QStringLiteral("k") << QString() << strings({"", "", ""})
            << crlf(strings({"#k", en, ja, "コメントはありません", "", ""}));
        QTest::newRow("keyword holding \"#\" and spaces")
            << QStringLiteral(" C# 入門") << QString() << QStringList()
            << crlf(strings({"# C# 入門", en, ja, "コメントはありません", "", ""}));
    }
    void questionBytes()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, hole);
        QFETCH(QStringList, comment);
        QFETCH(QByteArray, expected);
        const QByteArray before = crlf(strings({"#a", "A.", "あ", "c", "", ""}));
        const QString path = fileWith(before);
        const QuestionDraft d{keyword, QStringLiteral("I have lived here for ten years."),
                              QStringLiteral("私はここに十年住んでいます。"), hole, comment};
        const QuestionAdd r = AddQuestionRecord(path, d);
        QVERIFY2(r.written, qPrintable(r.message));
        QCOMPARE(fileBytes(path), before + expected);
    }

    void questionAfterAnUnendedLine()
    {
        // The last record's fill-in words end the file without a line end.
        const QString path = fileWith(crlf(strings({"#a", "A run.", "あ", "c"})) + "run");
        QVERIFY(AddQuestionRecord(path, {QStringLiteral("k2"), QStringLiteral("B."),
                                         QStringLiteral("い"), QString(), {}}).written);
        QCOMPARE(fileBytes(path), crlf(strings({"#a", "A run.", "あ", "c", "run"}))
                                      + crlf(NewQuestionLines({QStringLiteral("k2"), QStringLiteral("B."),
                                                               QStringLiteral("い"), QString(), {}})));
        DrillState d;
        QString error;
        QVERIFY(LoadQuestion(path, 0, 0, d, &error));
        QCOMPARE(d.HoleWords, QStringLiteral("run"));
        QVERIFY(LoadQuestion(path, 5, 0, d, &error));
        QCOMPARE(d.CurrentKeyword, QStringLiteral("#k2"));
    }

    void questionReadBack()
    {
        const QString path = freshPath(); // created by the first add
        QVERIFY(AddQuestionRecord(path, {QString(), QStringLiteral("Good morning."),
                                         QStringLiteral("おはよう。"), QString(), {}}).written);
        QVERIFY(AddQuestionRecord(path, {QStringLiteral("現在完了"), QStringLiteral("I have been to Kyoto."),
                                         QStringLiteral("京都へ行ったことがある。"), QStringLiteral("been"),
                                         strings({"経験の", "用法。"})}).written);
        QStringList index;
        QString error;
        QVERIFY2(ScanCollection(path, index, &error), qPrintable(error));
        QCOMPARE(index, strings({"0", "6"}));
        DrillState d;
        QVERIFY(LoadQuestion(path, 6, 0, d, &error));
        QCOMPARE(d.CurrentKeyword, QStringLiteral("#現在完了"));
        QCOMPARE(d.QuestionText, QStringLiteral("京都へ行ったことがある。"));
        QCOMPARE(d.AnswerText, QStringLiteral("I have been to Kyoto."));
        QCOMPARE(d.CommentText, QStringLiteral("経験の用法。"));
        QCOMPARE(d.HoleWords, QStringLiteral("been"));
        QVERIFY(LoadQuestion(path, 0, 0, d, &error));
        QCOMPARE(d.CurrentKeyword, NoKeywordLine());
    }

    void questionRefused_data()
    {
        QTest::addColumn<bool>("hasTarget");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QStringList>("comment");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        const QString e = QStringLiteral("E.");
        const QString j = QStringLiteral("日");
        const auto hash = [](const char *what) {
            return QString::fromUtf8(what) + QStringLiteral("に「#」は使えません。\n"
                                            "「#」を含む行は問題の始まりとして読まれてしまいます。");
        };
        QTest::newRow("no target before anything else")
            << false << QString() << QString() << QString() << QStringList()
            << QStringLiteral("追加先の問題集が指定されていません。") << int(QuestionAdd::NoField);
        QTest::newRow("both empty: English first")
            << true << QString() << QString() << QString() << QStringList()
            << QStringLiteral("英文が記入されていません。") << int(QuestionAdd::EnglishField);
        QTest::newRow("Japanese empty")
            << true << e << QString() << QString() << QStringList()
            << QStringLiteral("日本語訳が記入されていません。") << int(QuestionAdd::JapaneseField);
        QTest::newRow("# in English") << true << QStringLiteral("No. #1.") << j << QString()
                                      << QStringList() << hash("英文") << int(QuestionAdd::EnglishField);
        QTest::newRow("# in Japanese") << true << e << QStringLiteral("第#1") << QString()
                                       << QStringList() << hash("日本語訳") << int(QuestionAdd::JapaneseField);
        QTest::newRow("# in fill-in") << true << e << j << QStringLiteral("a,#b") << QStringList()
                                      << hash("穴の場所指定") << int(QuestionAdd::HoleField);
        QTest::newRow("# in a later comment line")
            << true << e << j << QString() << strings({"ok", "#注"}) << hash("コメント")
            << int(QuestionAdd::CommentField);
        QTest::newRow("line break in English")
            << true << QStringLiteral("Two\nlines.") << j << QString() << QStringList()
            << Maker::lineBreakText(QStringLiteral("英文")) << int(QuestionAdd::EnglishField);
        QTest::newRow("carriage return in fill-in")
            << true << e << j << QStringLiteral("a\rb") << QStringList()
            << Maker::lineBreakText(QStringLiteral("穴の場所指定")) << int(QuestionAdd::HoleField);
        QTest::newRow("Japanese one byte too long")
            << true << e << textOfBytes(Maker::LineLimit + 1) << QString() << QStringList()
            << Maker::tooLongText(QStringLiteral("日本語訳"), Maker::LineLimit)
            << int(QuestionAdd::JapaneseField);
    }
    void questionRefused()
    {
        QFETCH(bool, hasTarget);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QFETCH(QString, hole);
        QFETCH(QStringList, comment);
        QFETCH(QString, message);
        QFETCH(int, field);
        const QByteArray before("#old\r\nA.\r\n\x82\xA0\r\nc\r\n\r\n\r\n");
        const QString path = hasTarget ? fileWith(before) : QString();
        const QuestionAdd r = AddQuestionRecord(path, {QString(), english, japanese, hole, comment});
        QVERIFY(!r.written);
        QCOMPARE(r.message, message);
        QCOMPARE(int(r.field), field);
        if (hasTarget)
            QCOMPARE(fileBytes(path), before);
    }

    void messages()
    {
        QCOMPARE(Maker::tooLongText(QStringLiteral("キーワード"), 4999),
                 QStringLiteral("キーワードが長すぎます。\n4,999 バイト（全角 2,499 文字）以内にしてください。"));
        QCOMPARE(Maker::tooLongText(QStringLiteral("英文"), 49999),
                 QStringLiteral("英文が長すぎます。\n49,999 バイト（全角 24,999 文字）以内にしてください。"));
        QCOMPARE(Maker::pathProblem(QString(1000, QLatin1Char('p'))),
                 QStringLiteral("追加先のファイル名が長すぎます。\n999 バイト（全角 499 文字）以内にしてください。"));
    }
};

QTEST_GUILESS_MAIN(TestMakers)
#include "tst_makers.moc"
