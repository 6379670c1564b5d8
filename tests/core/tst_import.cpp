// Reading the text files of spreadsheets and other flashcard programs:
// separators, header lines, quoting, cleaning of fields, the column mapping
// and the rows that are refused with their reasons.
#include <QtTest>

#include "authoring/QuestionImport.h"

using namespace Import;

namespace {
// A row as "line:field|field|...", line breaks in fields shown as "\n".
QStringList shown(const QVector<Row> &rows)
{
    QStringList out;
    for (const Row &r : rows)
        out << QString::number(r.line) + QLatin1Char(':')
                   + r.fields.join(QLatin1Char('|')).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"))
                         .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return out;
}

QStringList shown(const QVector<Skipped> &skipped)
{
    QStringList out;
    for (const Skipped &s : skipped)
        out << QString::number(s.line) + QLatin1Char(':') + s.reason;
    return out;
}

Mapping mapping(int english, int japanese, int comment = -1, int keyword = -1, int hole = -1)
{
    Mapping m;
    m.column[English] = english;
    m.column[Japanese] = japanese;
    m.column[Comment] = comment;
    m.column[Keyword] = keyword;
    m.column[Hole] = hole;
    return m;
}
} // namespace

Q_DECLARE_METATYPE(Mapping)

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void chosenSeparator();
    void clean_data();
    void clean();
    void names_data();
    void names();
    void plan_data();
    void plan();
};

void TestImport::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("declared");
    QTest::addColumn<int>("directives");
    QTest::addColumn<int>("html");
    QTest::addColumn<bool>("looksHtml");
    QTest::addColumn<QStringList>("columnNames");
    QTest::addColumn<bool>("namesRow");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("notes export with header lines")
        << "#separator:tab\n#html:true\n#columns:Front\tBack\tTags\n"
           "I have a pen.\t私はペンを持っています。\tbasic\n"
           "Yes,<br>I do.\tはい、&nbsp;そうです。\t\n"
        << "\t" << true << 3 << 1 << true << QStringList{"Front", "Back", "Tags"} << false
        << QStringList{"4:I have a pen.|私はペンを持っています。|basic",
                       "5:Yes,<br>I do.|はい、&nbsp;そうです。|"};
    QTest::newRow("columns named by number")
        << "#separator:Tab\n#html:false\n#notetype column:1\n#tags column:4\n"
           "Basic\tgo\t行く\tverb\n"
        << "\t" << true << 4 << 0 << false << QStringList{"notetype", "", "", "tags"} << false
        << QStringList{"5:Basic|go|行く|verb"};
    QTest::newRow("comma with quotes, commas and doubled quotes")
        << "English,Japanese\r\n\"Yes, I do.\",はい、そうです。\r\n"
           "\"He said \"\"hi\"\".\",彼は「やあ」と言った。\r\n"
        << "," << false << 0 << -1 << false << QStringList{} << true
        << QStringList{"1:English|Japanese", "2:Yes, I do.|はい、そうです。",
                       "3:He said \"hi\".|彼は「やあ」と言った。"};
    QTest::newRow("line break inside quotes; line numbers follow the file")
        << "a,\"b\r\nc\"\r\n\r\nd,e" << "," << false << 0 << -1 << false << QStringList{} << false
        << QStringList{"1:a|b\\nc", "4:d|e"};
    QTest::newRow("semicolons, lone CR line ends")
        << "go;行く\rcome;来る\r" << ";" << false << 0 << -1 << false << QStringList{} << false
        << QStringList{"1:go|行く", "2:come|来る"};
    QTest::newRow("tab wins over commas inside sentences")
        << "Yes, I do.\tはい。\nNo, I don't.\tいいえ。\n" << "\t" << false << 0 << -1 << false
        << QStringList{} << false << QStringList{"1:Yes, I do.|はい。", "2:No, I don't.|いいえ。"};
    QTest::newRow("byte-order mark and blank lines")
        << "\xEF\xBB\xBF" "英語\t日本語\n\n   \ngo\t行く\n" << "\t" << false << 0 << -1 << false
        << QStringList{} << true << QStringList{"1:英語|日本語", "4:go|行く"};
    // A quote that does not enclose a whole field is text, and the rows
    // after it are read as they stand.
    QTest::newRow("quote never closed is text")
        << "a,b\n\"c,d\ne,f\n" << "," << false << 0 << -1 << false << QStringList{} << false
        << QStringList{"1:a|b", "2:\"c|d", "3:e|f"};
    QTest::newRow("stray quote swallows no rows")
        << "\"Hi\tやあ\ngo\t行く\n\"come\" here\t来る\n" << "\t" << false << 0 << -1 << false
        << QStringList{} << false << QStringList{"1:\"Hi|やあ", "2:go|行く", "3:\"come\" here|来る"};
    QTest::newRow("quoted line break, then a stray quote")
        << "\"a\nb\",x\n\"c\nd\"e,y\n" << "," << false << 0 << -1 << false << QStringList{} << false
        << QStringList{"1:a\\nb|x", "3:\"c", "4:d\"e|y"};
    QTest::newRow("a line starting with # that is no header line")
        << "#have to\tしなければならない\n" << "\t" << false << 0 << -1 << false << QStringList{}
        << false << QStringList{"1:#have to|しなければならない"};
    QTest::newRow("separator given as the character itself")
        << "#separator:|\ngo|行く|<b>verb</b>\n" << "|" << true << 1 << -1 << true << QStringList{}
        << false << QStringList{"2:go|行く|<b>verb</b>"};
    QTest::newRow("a sentence that starts with a quote keeps it")
        << "\"Hello,\" he said.\t「こんにちは」\n" << "\t" << false << 0 << -1 << false
        << QStringList{} << false << QStringList{"1:\"Hello,\" he said.|「こんにちは」"};
    QTest::newRow("one column") << "go\ncome\n" << "\t" << false << 0 << -1 << false << QStringList{}
                                << false << QStringList{"1:go", "2:come"};
    QTest::newRow("an ampersand alone is no HTML") << "A & B\tＡとＢ\n" << "\t" << false << 0 << -1
                                                   << false << QStringList{} << false
                                                   << QStringList{"1:A & B|ＡとＢ"};
}

void TestImport::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(bool, declared);
    QFETCH(int, directives);
    QFETCH(int, html);
    QFETCH(bool, looksHtml);
    QFETCH(QStringList, columnNames);
    QFETCH(bool, namesRow);
    QFETCH(QStringList, rows);

    const Table t = Parse(text);
    QCOMPARE(QString(t.separator), separator);
    QCOMPARE(t.separatorDeclared, declared);
    QCOMPARE(t.directiveLines, directives);
    QCOMPARE(t.htmlDeclared, html);
    QCOMPARE(t.looksLikeHtml, looksHtml);
    QCOMPARE(t.columnNames, columnNames);
    QCOMPARE(t.firstRowNamesColumns, namesRow);
    QCOMPARE(shown(t.rows), rows);
    int widest = int(columnNames.size());
    for (const Row &r : t.rows)
        widest = qMax(widest, int(r.fields.size()));
    QCOMPARE(t.columnCount, widest);
}

void TestImport::chosenSeparator()
{
    // The learner's choice overrides the header line.
    const Table t = Parse(QStringLiteral("#separator:tab\na,b\tc\n"), QLatin1Char(','));
    QCOMPARE(QString(t.separator), QStringLiteral(","));
    QVERIFY(!t.separatorDeclared);
    QCOMPARE(shown(t.rows), QStringList{QStringLiteral("2:a|b\tc")});
}

void TestImport::clean_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("cleaned");

    QTest::newRow("plain text unchanged") << "I have a pen." << false << "I have a pen.";
    QTest::newRow("spaces trimmed and collapsed") << "  I  have\ta pen. " << false << "I have a pen.";
    QTest::newRow("line break between words") << "I have\r\na pen." << false << "I have a pen.";
    QTest::newRow("line break between Japanese") << "私は\r\nペンです。" << false << "私は ペンです。";
    QTest::newRow("Unicode line separators") << "a\u2028b\u2029c" << false << "a b c";
    QTest::newRow("space between Japanese is kept") << "私は ペン" << false << "私は ペン";
    QTest::newRow("control characters") << "a\x01" "b\x7F" "c" << false << "a b c";
    QTest::newRow("tags left alone without HTML") << "<b>go</b> &amp; come" << false
                                                  << "<b>go</b> &amp; come";
    QTest::newRow("tags removed") << "<b>go</b> <span style=\"color:red\">now</span>" << true
                                  << "go now";
    QTest::newRow("br becomes a space") << "Yes,<br>I do.<br/>" << true << "Yes, I do.";
    QTest::newRow("br between Japanese") << "はい。<BR />そうです。" << true << "はい。 そうです。";
    QTest::newRow("divisions are lines") << "<div>go</div><div>come</div>" << true << "go come";
    QTest::newRow("named entities") << "A&amp;B &lt;x&gt; &quot;q&quot; it&apos;s" << true
                                    << "A&B <x> \"q\" it's";
    QTest::newRow("no-break spaces collapse") << "a&nbsp;&nbsp;b\u00A0c" << true << "a b c";
    QTest::newRow("numeric entities") << "&#233;t&#xE9; &#x1F600;" << true << "été \U0001F600";
    QTest::newRow("escaped tag stays as text") << "&lt;br&gt;" << true << "<br>";
    QTest::newRow("unknown or broken entities kept") << "&bogus; &#0; &#xD800; & x" << true
                                                     << "&bogus; &#0; &#xD800; & x";
    QTest::newRow("a lone less-than sign") << "1 < 2 and x<" << true << "1 < 2 and x<";
    QTest::newRow("comment removed") << "go<!-- note -->now" << true << "gonow";
    QTest::newRow("unclosed tag kept") << "a <b" << true << "a <b";
    QTest::newRow("ideographic space trimmed at the ends") << "\u3000日本\u3000語\u3000" << false
                                                           << "日本\u3000語";
}

void TestImport::clean()
{
    QFETCH(QString, raw);
    QFETCH(bool, html);
    QFETCH(QString, cleaned);
    QCOMPARE(CleanField(raw, html), cleaned);
}

void TestImport::names_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<Mapping>("expected");

    QTest::newRow("header row in Japanese")
        << "コメント,日本語,英文,キーワード,穴埋め\nc,日,E,k,h\n" << true << mapping(2, 1, 0, 3, 4);
    QTest::newRow("columns line, case and spaces ignored")
        << "#separator:tab\n#columns: Japanese \tENGLISH\tNotes\tFill-in\nx\ty\n" << true
        << mapping(1, 0, 2, -1, 3);
    QTest::newRow("first of two English columns") << "English,英語,和訳\na,b,c\n" << true
                                                   << mapping(0, 2);
    QTest::newRow("Japanese column missing") << "English,Comment\na,b\n" << false << mapping(0, 1);
    QTest::newRow("no names") << "go,行く\n" << false << mapping(0, 1);
}

void TestImport::names()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(Mapping, expected);
    Mapping m;   // the default: English in column 1, Japanese in column 2
    QCOMPARE(MappingFromNames(Parse(text), m), found);
    QVERIFY(m == expected);
}

void TestImport::plan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Mapping>("map");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("namesRow");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("skipped");

    const QString longLine = QString(24'999, QChar(0x3042)) + QStringLiteral("ab");   // 50,000 bytes
    QTest::newRow("defaults for missing comment, keyword and fill-in words")
        << "go\t行く\n" << mapping(0, 1) << false << false
        << QStringList{"#キーワードなし|go|行く|コメントはありません||"} << QStringList{};
    QTest::newRow("every column mapped")
        << "k\tI go.\t行く\tgo\tメモ\n" << mapping(1, 2, 4, 0, 3) << false << false
        << QStringList{"#k|I go.|行く|メモ|go|"} << QStringList{};
    QTest::newRow("swapped columns")
        << "行く\tgo\n" << [] { Mapping m = mapping(0, 1); m.swapLanguages(); return m; }() << false
        << false << QStringList{"#キーワードなし|go|行く|コメントはありません||"} << QStringList{};
    QTest::newRow("header row is no question")
        << "English,Japanese\ngo,行く\n" << mapping(0, 1) << false << true
        << QStringList{"#キーワードなし|go|行く|コメントはありません||"} << QStringList{};
    QTest::newRow("empty fields skip the row with the reason")
        << "go\t行く\n\tくる\ncome\t   \nrun\n" << mapping(0, 1) << false << false
        << QStringList{"#キーワードなし|go|行く|コメントはありません||"}
        << QStringList{"2:英文が記入されていません。", "3:日本語訳が記入されていません。",
                       "4:日本語訳が記入されていません。"};
    QTest::newRow("# outside the keyword, reported per row")
        << "I'm #1.\t一番\ngo\t行く\tC#\n" << mapping(0, 1, 2) << false << false
        << QStringList{}
        << QStringList{"1:英文に「#」は使えません。 「#」を含む行は問題の始まりとして読まれてしまいます。",
                       "2:コメントに「#」は使えません。 「#」を含む行は問題の始まりとして読まれてしまいます。"};
    QTest::newRow("over-long field")
        << "go\t" + longLine + "\n" << mapping(0, 1) << false << false << QStringList{}
        << QStringList{"1:日本語訳が長すぎます。 49,999 バイト（全角 24,999 文字）以内にしてください。"};
    QTest::newRow("HTML cleaned before the checks")
        << "Yes,<br>I do.\t<div>はい、</div><div>そうです。</div>\t&lt;注&gt;\n" << mapping(0, 1, 2)
        << true << false << QStringList{"#キーワードなし|Yes, I do.|はい、 そうです。|<注>||"}
        << QStringList{};
    QTest::newRow("HTML left as it is when off")
        << "a<br>b\tあ\n" << mapping(0, 1) << false << false
        << QStringList{"#キーワードなし|a<br>b|あ|コメントはありません||"} << QStringList{};
    QTest::newRow("line break inside a quoted field flattened")
        << "\"I have\na pen.\",\"私は\nペン\"\n" << mapping(0, 1) << false << false
        << QStringList{"#キーワードなし|I have a pen.|私は ペン|コメントはありません||"} << QStringList{};
    QTest::newRow("unclosed quote loses no row")
        << "go,行く\n\"come,来る\nrun,走る\n" << mapping(0, 1) << false << false
        << QStringList{"#キーワードなし|go|行く|コメントはありません||",
                       "#キーワードなし|\"come|来る|コメントはありません||",
                       "#キーワードなし|run|走る|コメントはありません||"}
        << QStringList{};
    QTest::newRow("mapped column past the row's end")
        << "go\t行く\tc\ncome\t来る\n" << mapping(0, 1, 2) << false << false
        << QStringList{"#キーワードなし|go|行く|c||", "#キーワードなし|come|来る|コメントはありません||"}
        << QStringList{};
}

void TestImport::plan()
{
    QFETCH(QString, text);
    QFETCH(Mapping, map);
    QFETCH(bool, html);
    QFETCH(bool, namesRow);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, skipped);

    Options options;
    options.html = html;
    options.firstRowNamesColumns = namesRow;
    const Plan p = MakePlan(Parse(text), map, options);
    QStringList written;
    for (const QuestionDraft &d : p.drafts)
        written << NewQuestionLines(d).join(QLatin1Char('|'));
    QCOMPARE(written, questions);
    QCOMPARE(shown(p.skipped), skipped);
    QCOMPARE(p.lines.size(), p.drafts.size());
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
