// The authoring tools' rules: the editor's rows and the bytes it writes back,
// new text file names, and the print sheet.
#include "authoring/NewTextFile.h"
#include "authoring/PrintSheet.h"
#include "authoring/QuestionRecords.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}
bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
QString u(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

class TestAuthoring : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    SettableClock clock{QDateTime::fromSecsSinceEpoch(1000000000)};

private slots:
    void initTestCase() { Clock::install(&clock); }
    void cleanupTestCase() { Clock::install(nullptr); }

    void rewriteKeepsUntouchedBytes_data();
    void rewriteKeepsUntouchedBytes();
    void rowsOfACollection_data();
    void rowsOfACollection();
    void loadAndSaveKeepQuestions_data();
    void loadAndSaveKeepQuestions();
    void saveRefusesOverLimits_data();
    void saveRefusesOverLimits();
    void saveEmptyTable();
    void editedRecordChecks_data();
    void editedRecordChecks();

    void newTextNames_data();
    void newTextNames();
    void newTextCreate();

    void direction_data();
    void direction();
    void sheetStyles_data();
    void sheetStyles();
    void sheetStopsAtCutShortRecord();
    void shuffleReseedsEveryDraw();
    void blanking_data();
    void blanking();
    void saveAppends();
    void saveLimits();
};

// --- editor ------------------------------------------------------------------------

void TestAuthoring::rewriteKeepsUntouchedBytes_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("CP932") << "CP932";
    QTest::newRow("CP932, LF only") << "LF";
    QTest::newRow("UTF-8") << "UTF-8";
    QTest::newRow("UTF-8 with BOM") << "BOM";
}

void TestAuthoring::rewriteKeepsUntouchedBytes()
{
    // Three records in the editor's own form; only the middle one is
    // changed. The first holds a byte the encoding does not know (0x80) and,
    // in CP932, a duplicate code (0x8790, shown as the 0x81E0 character): an
    // untouched record comes back byte for byte.
    QFETCH(QString, form);
    const bool cp932 = form == QLatin1String("CP932") || form == QLatin1String("LF");
    const QByteArray eol = form == QLatin1String("LF") ? "\n" : "\r\n";
    const QByteArray bom = form == QLatin1String("BOM") ? "\xEF\xBB\xBF" : "";
    auto bytesOf = [&](const QStringList &lines) {
        QByteArray out;
        for (const QString &l : lines)
            out += TextFile::encode(l, cp932 ? TextFile::Encoding::Cp932 : TextFile::Encoding::Utf8) + eol;
        return out;
    };
    QByteArray first = bytesOf({"#have to", "I have to go.", u("日本 X"), "comment", "go", ""});
    if (cp932)
        first.replace("X", "\x80\x87\x90");
    else if (form == QLatin1String("BOM"))
        first.replace("X", "\x80");
    const QByteArray middleOld = bytesOf({"#can", "She can swim.", u("日本"), u("コメント"), "swim", ""});
    const QByteArray last = bytesOf({u("#キーワードなし"), "It is fine.", u("晴れ"), u("コメント"), "", ""});
    const QString path = dir.filePath(QStringLiteral("rewrite.txt"));
    QVERIFY(writeAll(path, bom + first + middleOld + last));

    TextFile::Text text;
    QVERIFY(TextFile::read(path, text));
    QVector<QuestionRecord> rows = ParseQuestionRecords(text.lines);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1).Keyword, QStringLiteral("can"));
    QCOMPARE(rows.at(2).Keyword, u("キーワードなし"));
    rows[1].English = QStringLiteral("She can swim very well.");
    rows[1].Japanese = u("彼女は上手に泳げます〜");

    QString message;
    QVERIFY(SaveQuestionRecords(path, rows, &message, text));
    const QByteArray middleNew = bytesOf({"#can", "She can swim very well.",
                                          u("彼女は上手に泳げます〜"), u("コメント"), "swim", ""});
    QCOMPARE(readAll(path), bom + first + middleNew + last);
}

void TestAuthoring::rowsOfACollection_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<QStringList>("englishes");
    QTest::addColumn<int>("cutShort");

    QTest::newRow("title lines before the first record are not rows")
        << QStringList{u("英語の問題集"), QString(), "#a", "A.", u("あ"), "c", "h", QString()}
        << QStringList{"a"} << QStringList{"A."} << -1;
    QTest::newRow("records without separators")
        << QStringList{"#a", "A.", "ja", "c", "h", "#b", "B.", "jb", "c", "h"}
        << QStringList{"a", "b"} << QStringList{"A.", "B."} << -1;
    QTest::newRow("# inside an English line starts a further row")
        << QStringList{"#a", "Use # here.", "ja", "c", "h", QString(), "#b", "B.", "jb", "c", "h"}
        << QStringList{"a", "se # here.", "b"} << QStringList{"Use # here.", "ja", "B."} << -1;
    QTest::newRow("keyword line keeps everything after its first character")
        << QStringList{" #x y", "E.", "J", "C", ""}
        << QStringList{"#x y"} << QStringList{"E."} << -1;
    QTest::newRow("a record cut short is a row with empty fields")
        << QStringList{"#a", "A.", "ja", "c", "h", QString(), "#b", "B."}
        << QStringList{"a", "b"} << QStringList{"A.", "B."} << 6;
    QTest::newRow("no record at all") << QStringList{"x", "y"} << QStringList{}
                                      << QStringList{} << -1;
}

void TestAuthoring::rowsOfACollection()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, keywords);
    QFETCH(QStringList, englishes);
    QFETCH(int, cutShort);

    int cut = -2;
    const QVector<QuestionRecord> rows = ParseQuestionRecords(lines, &cut);
    QStringList k, e;
    for (const QuestionRecord &r : rows) {
        k << r.Keyword;
        e << r.English;
    }
    QCOMPARE(k, keywords);
    QCOMPARE(e, englishes);
    QCOMPARE(cut, cutShort);
    if (cutShort >= 0) {
        QCOMPARE(rows.last().Japanese, QString());
        QCOMPARE(rows.last().Hole, QString());
    }
}

// What a drill asks from a file: every line holding "#" with the four
// lines after it.
static QStringList drillQuestions(const QStringList &lines)
{
    QStringList questions;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(QLatin1Char('#')))
            questions << QStringList{lines.at(i), lines.value(i + 1), lines.value(i + 2),
                                     lines.value(i + 3), lines.value(i + 4)}
                             .join(QLatin1Char('|'));
    return questions;
}

void TestAuthoring::loadAndSaveKeepQuestions_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("plain records") << QStringList{"#a", "A.", "ja", "c", "h", "", "#b", "B.", "jb", "c", "h", ""};
    QTest::newRow("# inside an English line")
        << QStringList{"#a", "Use C# here.", "ja", "c", "h", "", "#b", "B.", "jb", "c", "h", ""};
    QTest::newRow("# in every field")
        << QStringList{"#a", "E#", "J#", "C#", "H#", "", "#b", "B.", "jb", "c", "h", ""};
    QTest::newRow("comment starting with #")
        << QStringList{"#a", "A.", "ja", "#1 rule", "h", "", "#b", "B.", "jb", "c", "h", ""};
    QTest::newRow("record cut short before the next")
        << QStringList{"#a", "A.", "ja", "#b", "B.", "jb", "c", "h", ""};
    QTest::newRow("keyword line with text before #") << QStringList{" #x y", "E.", "J", "C", ""};
    QTest::newRow("last record cut short") << QStringList{"#a", "A.", "ja", "c", "h", "", "#b", "B#."};
}

void TestAuthoring::loadAndSaveKeepQuestions()
{
    QFETCH(QStringList, lines);
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    QVERIFY(TextFile::writeLines(path, lines));
    QStringList saved;
    for (int round = 0; round < 3; ++round) {
        QStringList now;
        QVERIFY(TextFile::readLines(path, now));
        if (round > 0)
            QCOMPARE(now, saved); // a second load and save changes nothing at all
        QString message;
        QVERIFY(SaveQuestionRecords(path, ParseQuestionRecords(now), &message));
        QVERIFY(TextFile::readLines(path, saved));
        // The questions a drill finds: the same ones, as many, in the same order;
        // only a record cut short at the very end gets its missing lines.
        const QStringList before = drillQuestions(now), after = drillQuestions(saved);
        QCOMPARE(after.size(), before.size());
        for (int q = 0; q < before.size(); ++q)
            QVERIFY2(after.at(q).startsWith(before.at(q).section(QLatin1Char('|'), 0, 1)),
                     qPrintable(after.at(q)));
        if (QByteArray(QTest::currentDataTag()) != "last record cut short")
            QCOMPARE(after, before);
    }
}

void TestAuthoring::saveRefusesOverLimits_data()
{
    QTest::addColumn<int>("field");   // 0 keyword .. 4 fill-in
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("saved");

    QTest::newRow("keyword at its limit") << 0 << 4999 << true;
    QTest::newRow("keyword one byte over") << 0 << 5000 << false;
    QTest::newRow("English at its limit") << 1 << 49999 << true;
    QTest::newRow("English one byte over") << 1 << 50000 << false;
    QTest::newRow("fill-in words one byte over") << 4 << 50000 << false;
    // Two-byte characters count as two bytes.
    QTest::newRow("comment of 25,000 kana") << 3 << -25000 << false;
}

void TestAuthoring::saveRefusesOverLimits()
{
    QFETCH(int, field);
    QFETCH(int, bytes);
    QFETCH(bool, saved);

    const QString text = bytes > 0 ? QString(bytes, QLatin1Char('x')) : QString(-bytes, QChar(0x3042));
    QuestionRecord r{"k", "E.", "J", "C", "h"};
    QString *fields[] = {&r.Keyword, &r.English, &r.Japanese, &r.Comment, &r.Hole};
    *fields[field] = text;

    const QString path = dir.filePath(QStringLiteral("limits.txt"));
    QVERIFY(writeAll(path, "old\r\n"));
    QString message;
    QCOMPARE(SaveQuestionRecords(path, {QuestionRecord{"a", "A.", "ja", "c", "h"}, r}, &message),
             saved);
    if (saved) {
        QStringList lines;
        QVERIFY(TextFile::readLines(path, lines));
        const QVector<QuestionRecord> back = ParseQuestionRecords(lines);
        QCOMPARE(back.size(), 2);
        QVERIFY(back.at(1) == r);
    } else {
        QCOMPARE(readAll(path), QByteArray("old\r\n"));
        QVERIFY2(message.startsWith(u("2 番目の問題の")), qPrintable(message));
    }
}

void TestAuthoring::saveEmptyTable()
{
    const QString path = dir.filePath(QStringLiteral("empty.txt"));
    QVERIFY(writeAll(path, "#a\r\nA.\r\nja\r\nc\r\nh\r\n"));
    QString message;
    QVERIFY(SaveQuestionRecords(path, {}, &message));
    QCOMPARE(readAll(path), QByteArray());

    // A path that cannot be written reports the editor's file message and
    // the cause, with the path.
    QVERIFY(!SaveQuestionRecords(dir.filePath(QStringLiteral("no/such/folder/x.txt")), {}, &message));
    QCOMPARE(message, SaveFailedMessage() + u("\n") + dir.filePath(QStringLiteral("no/such/folder/x.txt"))
                          + u(" を書き込めません（ファイルまたはフォルダが見つかりません）"));
    QVERIFY(!SaveQuestionRecords(dir.path() + QLatin1Char('/') + QString(1000, QLatin1Char('p')), {},
                                 &message));
    QCOMPARE(message, SaveFailedMessage());
}

void TestAuthoring::editedRecordChecks_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("utf8"); // the edited file is UTF-8

    QTest::newRow("# in the keyword is kept") << 0 << "C#" << true << false;
    QTest::newRow("# in the English") << 1 << "No. #1" << false << false;
    QTest::newRow("# in the Japanese") << 2 << u("＃ではなく#") << false << false;
    QTest::newRow("# in the comment") << 3 << "#" << false << false;
    QTest::newRow("# in the fill-in words") << 4 << "a,#b" << false << false;
    QTest::newRow("full-width sharp is an ordinary character") << 3 << u("＃１") << true << false;
    QTest::newRow("line break in the comment") << 3 << "a\nb" << false << false;
    QTest::newRow("English over its limit") << 1 << QString(50000, QLatin1Char('e')) << false << false;
    QTest::newRow("e acute, CP932 file") << 1 << u("café") << false << false;
    QTest::newRow("e acute, UTF-8 file") << 1 << u("café") << true << true;
    QTest::newRow("wave dash, CP932 file") << 2 << u("〜ing") << true << false;
    // Bytes count in the file's encoding: 20,000 kana are 60,000 UTF-8 bytes.
    QTest::newRow("20,000 kana, CP932 file") << 3 << QString(20000, QChar(0x3042)) << true << false;
    QTest::newRow("20,000 kana, UTF-8 file") << 3 << QString(20000, QChar(0x3042)) << false << true;
}

void TestAuthoring::editedRecordChecks()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(bool, utf8);
    QuestionRecord r{"k", "E.", "J", "C", "h"};
    QString *fields[] = {&r.Keyword, &r.English, &r.Japanese, &r.Comment, &r.Hole};
    *fields[field] = value;
    const QString problem = CheckEditedRecord(r, utf8 ? TextFile::Encoding::Utf8 : TextFile::Encoding::Cp932);
    QCOMPARE(problem.isEmpty(), accepted);
    if (!accepted && value.contains(QChar(0xE9)))
        QCOMPARE(problem, TextFile::unstorableMessage(u("英文"), u("é")));
}

// --- new text files ------------------------------------------------------------------

void TestAuthoring::newTextNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    const QString bad = u("ファイル名に使えない文字が含まれています\n（ \\ / : , ; * ? \" < > | は使えません）");
    QTest::newRow("plain name") << "abc" << QString();
    QTest::newRow("Japanese name") << u("英文法ドリル") << QString();
    QTest::newRow("dot inside") << "unit.1" << QString();
    QTest::newRow("empty") << "" << u("ファイル名が記入されていません");
    for (const QChar c : NewText::forbiddenCharacters()) {
        const QByteArray row = "holds " + QString(c).toUtf8();
        QTest::newRow(row.constData()) << (QStringLiteral("a") + c + QStringLiteral("b")) << bad;
    }
    QTest::newRow("parent folder") << ".." << u("そのファイル名は使えません");
    QTest::newRow("this folder") << "." << u("そのファイル名は使えません");
    QTest::newRow("only spaces") << "   " << u("そのファイル名は使えません");
    QTest::newRow("tab") << "a\tb" << bad;
}

void TestAuthoring::newTextNames()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    QCOMPARE(NewText::nameError(name), error);
}

void TestAuthoring::newTextCreate()
{
    const QString folder = dir.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(NewText::filePath(folder, "abc"), folder + QStringLiteral("/abc.txt"));
    QCOMPARE(NewText::filePath(folder + QLatin1Char('/'), "abc"), folder + QStringLiteral("/abc.txt"));

    QString message;
    QCOMPARE(NewText::create(folder, QStringLiteral("abc"), &message), NewText::Result::Created);
    QCOMPARE(message, u("abc.txt は作成されました\n作成場所 ： ") + folder);
    QCOMPARE(readAll(folder + QStringLiteral("/abc.txt")), QByteArray());

    // An existing file keeps its content.
    QVERIFY(writeAll(folder + QStringLiteral("/old.txt"), "#a\r\nkeep\r\n"));
    QCOMPARE(NewText::create(folder, QStringLiteral("old"), &message), NewText::Result::Exists);
    QCOMPARE(message, u("old.txt は既にあります\n別のファイル名を記入してください"));
    QCOMPARE(readAll(folder + QStringLiteral("/old.txt")), QByteArray("#a\r\nkeep\r\n"));

    // Refused names and missing folders create nothing.
    QCOMPARE(NewText::create(folder, QStringLiteral("../up"), &message), NewText::Result::Refused);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("up.txt"))));
    QCOMPARE(NewText::create(folder + QStringLiteral("/gone"), QStringLiteral("x"), &message),
             NewText::Result::Failed);
    QCOMPARE(message, u("x.txt を作成できませんでした\nフォルダ ") + folder + u("/gone がありません"));
}

// --- print sheet -----------------------------------------------------------------------

void TestAuthoring::direction_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("as is clears") << 0 << true << false << false;
    QTest::newRow("typing keeps a tick") << 1 << true << true << true;
    QTest::newRow("typing keeps no tick") << 1 << false << false << true;
    QTest::newRow("word order ticks") << 2 << false << true << false;
    QTest::newRow("fill-in clears") << 3 << true << false << false;
}

void TestAuthoring::direction()
{
    QFETCH(int, style);
    QFETCH(bool, before);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    const PrintSheet::Direction d = PrintSheet::directionFor(style, before);
    QCOMPARE(d.checked, checked);
    QCOMPARE(d.enabled, enabled);
}

static QStringList sampleCollection()
{
    return {u("英語の問題集"), "#have to", "I have to go now.", u("もう行かなければ。"),
            u("義務"), "go", QString(), u("#キーワードなし"), "It is fine.", u("晴れです。"),
            u("天気"), ""};
}

void TestAuthoring::sheetStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("toEnglish");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("as is") << 0 << false << QStringList{
        "No. 1 : I have to go now.", u("\tもう行かなければ。"), u("\t>>義務"), "",
        "No. 2 : It is fine.", u("\t晴れです。"), u("\t>>天気"), ""};
    QTest::newRow("typing test, English shown") << 1 << false << QStringList{
        "No. 1 : I have to go now.", "\t>>", "", "No. 2 : It is fine.", "\t>>", ""};
    QTest::newRow("typing test, Japanese shown") << 1 << true << QStringList{
        u("No. 1 : もう行かなければ。"), "\t>>", "", u("No. 2 : 晴れです。"), "\t>>", ""};
    // The clock stands still, so every draw after seeding gives 255137333.
    QTest::newRow("word order test") << 2 << false << QStringList{
        u("No. 1 : もう行かなければ。"), u("\t単語リスト ： go,have,now.,to,I"), "\t>>", "",
        u("No. 2 : 晴れです。"), u("\t単語リスト ： fine.,is,It"), "\t>>", ""};
    QTest::newRow("fill-in test; an empty fill-in line leaves the sentence") << 3 << false << QStringList{
        u("No. 1 : もう行かなければ。"), "\tI have to (        ) now.", "\t>>", "",
        u("No. 2 : 晴れです。"), "\tIt is fine.", "\t>>", ""};
}

void TestAuthoring::sheetStyles()
{
    QFETCH(int, style);
    QFETCH(bool, toEnglish);
    QFETCH(QStringList, expected);

    QList<int> scanned;
    const PrintSheet::Sheet sheet = PrintSheet::compose(sampleCollection(), style, toEnglish,
                                                        [&](int i) { scanned << i; });
    QCOMPARE(sheet.lines, expected);
    QVERIFY(sheet.complete);
    QCOMPARE(sheet.questions, 2);
    QCOMPARE(scanned.size(), sampleCollection().size());
}

void TestAuthoring::sheetStopsAtCutShortRecord()
{
    QStringList lines = sampleCollection();
    lines << "#last" << "Cut." << u("短い");
    const PrintSheet::Sheet sheet = PrintSheet::compose(lines, 1, false);
    QVERIFY(!sheet.complete);
    QCOMPARE(sheet.questions, 2);
    QCOMPARE(sheet.lines.size(), 6);   // the two whole questions stay
    QCOMPARE(PrintSheet::composeFailedMessage(), u("問題数が多すぎるため表示できません"));
}

void TestAuthoring::shuffleReseedsEveryDraw()
{
    Random::global().seed(12345);
    QCOMPARE(PrintSheet::shuffledWords("I have to go now."), QStringLiteral("go,have,now.,to,I"));
    // Two spaces in a row give an empty word.
    QCOMPARE(PrintSheet::shuffledWords("a  b"), QStringLiteral("b,,a"));
    // A second later the order differs.
    clock.advanceSeconds(1);
    QVERIFY(PrintSheet::shuffledWords("I have to go now.") != QStringLiteral("go,have,now.,to,I"));
    clock.set(QDateTime::fromSecsSinceEpoch(1000000000));
}

void TestAuthoring::blanking_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("holes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first occurrence, also inside a longer word")
        << "Concat the cat and the cat." << "cat" << "Con(        ) the cat and the cat.";
    QTest::newRow("case-sensitive") << "Cat and cat." << "cat" << "Cat and (        ).";
    QTest::newRow("word not in the sentence") << "It is fine." << "rain" << "It is fine.";
    // Seed 7: the first draw is 2422, an even number: the first of two words.
    QTest::newRow("drawn among several words") << "I have to go now." << "go,now" << "I have to (        ) now.";
    QTest::newRow("empty field drawn") << "It is fine." << ",is" << "It is fine.";
}

void TestAuthoring::blanking()
{
    QFETCH(QString, english);
    QFETCH(QString, holes);
    QFETCH(QString, expected);
    Random::global().seed(7);
    QCOMPARE(PrintSheet::blankedSentence(english, holes), expected);
}

void TestAuthoring::saveAppends()
{
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    QString message;
    const QStringList first{u("No. 1 : 晴れです。"), "\t>>", ""};
    QVERIFY(PrintSheet::appendText(path, first, &message));
    QVERIFY(PrintSheet::appendText(path, {"second"}, &message));
    QCOMPARE(readAll(path), QByteArray("No. 1 : \x90\xb0\x82\xea\x82\xc5\x82\xb7\x81\x42\r\n\t>>\r\n\r\nsecond\r\n"));

    // A file whose last line has no line end: the old bytes stay, the sheet
    // starts on a line of its own.
    const QString edited = dir.filePath(QStringLiteral("edited.txt"));
    QVERIFY(writeAll(edited, "my notes\r\nlast"));
    QVERIFY(PrintSheet::appendText(edited, {"No. 1"}, &message));
    QCOMPARE(readAll(edited), QByteArray("my notes\r\nlast\r\nNo. 1\r\n"));

    // A CP932 sheet refuses what CP932 cannot hold, naming the line and the
    // character; a UTF-8 sheet takes it.
    QVERIFY(!PrintSheet::appendText(edited, {"ok", u("caf\u00e9")}, &message));
    QCOMPARE(message, u("保存に失敗しました\n") + TextFile::unstorableMessage(u("2 行目"), u("\u00e9")));
    QCOMPARE(readAll(edited), QByteArray("my notes\r\nlast\r\nNo. 1\r\n"));
    QVERIFY(writeAll(edited, u("メモ\n").toUtf8()));
    QVERIFY(PrintSheet::appendText(edited, {u("caf\u00e9")}, &message));
    QCOMPARE(readAll(edited), u("メモ\ncaf\u00e9\n").toUtf8());

    QCOMPARE(PrintSheet::withTextExtension("/a/sheet"), QStringLiteral("/a/sheet.txt"));
    QCOMPARE(PrintSheet::withTextExtension("/a.b/sheet"), QStringLiteral("/a.b/sheet.txt"));
    QCOMPARE(PrintSheet::withTextExtension("/a/sheet.log"), QStringLiteral("/a/sheet.log"));
}

void TestAuthoring::saveLimits()
{
    const QString path = dir.filePath(QStringLiteral("limit.txt"));
    QString message;
    QVERIFY(PrintSheet::appendText(path, {QString(49999, QLatin1Char('x'))}, &message));
    const QByteArray before = readAll(path);
    QVERIFY(!PrintSheet::appendText(path, {"ok", QString(25000, QChar(0x3042))}, &message));
    QVERIFY(message.startsWith(u("保存に失敗しました")));
    QCOMPARE(readAll(path), before);
    QVERIFY(!PrintSheet::appendText(dir.filePath(QStringLiteral("no/folder/x.txt")), {"a"}, &message));
    // The cause follows, in Japanese, with the path.
    QCOMPARE(message, u("保存に失敗しました\n") + dir.filePath(QStringLiteral("no/folder/x.txt"))
                          + u(" を書き込めません（ファイルまたはフォルダが見つかりません）"));
    QVERIFY(!PrintSheet::appendText(dir.path() + QLatin1Char('/') + QString(2000, QLatin1Char('p')), {"a"},
                                    &message));
}

QTEST_GUILESS_MAIN(TestAuthoring)
#include "tst_authoring.moc"
