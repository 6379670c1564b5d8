#include "platform/TextFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <iconv.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using TextFile::Encoding;
using TextFile::Policy;
Q_DECLARE_METATYPE(TextFile::Encoding)
Q_DECLARE_METATYPE(TextFile::Policy)

namespace {
QByteArray code(int c)
{
    QByteArray b;
    if (c > 0xFF)
        b.append(char(c >> 8));
    return b.append(char(c & 0xFF));
}
const QByteArray kBom("\xEF\xBB\xBF");

// Japanese sentences as a learner's files hold them: mostly kana, some kanji
// of both levels, punctuation, the odd English word. Fixed seed.
QStringList japaneseSentences(int count)
{
    QRandomGenerator rng(20240);
    QString kanji1, kanji2;
    for (int c = 0x889F; c <= 0x9872; ++c)
        kanji1 += TextFile::decode(code(c), Encoding::Cp932);
    for (int c = 0x989F; c <= 0xEAA4; ++c)
        kanji2 += TextFile::decode(code(c), Encoding::Cp932);
    const QRegularExpression notKanji(QStringLiteral("[\\x{F780}-\\x{F7FF}\\x{0000}-\\x{007F}]"));
    kanji1.remove(notKanji);
    kanji2.remove(notKanji);
    QStringList out;
    for (int i = 0; i < count; ++i) {
        QString s;
        const int len = 3 + int(rng.bounded(40));
        for (int k = 0; k < len; ++k) {
            const int r = int(rng.bounded(100));
            if (r < 45)
                s += QChar(0x3041 + int(rng.bounded(0x53)));
            else if (r < 60)
                s += QChar(0x30A1 + int(rng.bounded(0x56)));
            else if (r < 82)
                s += kanji1.at(rng.bounded(int(kanji1.size())));
            else if (r < 88)
                s += kanji2.at(rng.bounded(int(kanji2.size())));
            else if (r < 94)
                s += QStringLiteral("、。「」ー").at(rng.bounded(5));
            else
                s += QStringLiteral(" go ");
        }
        out << s;
    }
    return out;
}
} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    static QByteArray bytesOf(const QString &p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        TextFile::Text text;
        QVERIFY(TextFile::read(p, text));
        QVERIFY(TextFile::write(p, text, Policy::Own));
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
        QTest::addColumn<bool>("existing");
        QTest::newRow("rewrite") << false << true;
        QTest::newRow("append") << true << true;
        QTest::newRow("rewrite a new file") << false << false;
        QTest::newRow("append to a new file") << true << false;
    }
    void shortWritesAreFailures()
    {
        // A file-size limit cuts the write short; that must not be reported
        // as success (the child process exits 0 only when it was reported).
        QFETCH(bool, append);
        QFETCH(bool, existing);
        const QString p = path(QStringLiteral("limited-%1-%2.txt").arg(append).arg(existing));
        if (existing)
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
        // Nothing half-written is left, and no empty file a failed write made.
        if (existing)
            QCOMPARE(bytesOf(p), QByteArray("ab\r\n"));
        else
            QVERIFY(!QFileInfo::exists(p));
    }

    // --- CP932 tables ----------------------------------------------------------
    void decodesAsWindowsShows_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("written"); // the code a new text is written with
        QTest::newRow("NEC-selected IBM kanji") << 0xED40 << QStringLiteral("纊") << 0xFA5C;
        QTest::newRow("NEC-selected small roman one") << 0xEEEF << QStringLiteral("ⅰ") << 0xFA40;
        QTest::newRow("NEC-selected not sign") << 0xEEF9 << QStringLiteral("￢") << 0x81CA;
        QTest::newRow("IBM roman one") << 0xFA4A << QStringLiteral("Ⅰ") << 0x8754;
        QTest::newRow("IBM because") << 0xFA5B << QStringLiteral("∵") << 0x81E6;
        QTest::newRow("IBM last code") << 0xFC4B << QStringLiteral("黑") << 0xFC4B;
        QTest::newRow("NEC row 13 nearly equal") << 0x8790 << QStringLiteral("≒") << 0x81E0;
        QTest::newRow("NEC row 13 because") << 0x879A << QStringLiteral("∵") << 0x81E6;
        QTest::newRow("horizontal bar") << 0x815C << QStringLiteral("\u2015") << 0x815C;
        QTest::newRow("user-defined area") << 0xF040 << QStringLiteral("\uE000") << 0xF040;
    }
    void decodesAsWindowsShows()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, written);
        QCOMPARE(TextFile::decode(::code(code), Encoding::Cp932), text);
        QCOMPARE(TextFile::encode(text), ::code(written));
    }

    void decodesEveryDefinedCode()
    {
        // 7,724 two-byte codes outside the user-defined rows 0xF0..0xF9
        // decode to characters (the count of the Windows code page table).
        int characters = 0;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (lead >= 0xA0 && lead < 0xE0)
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F)
                    continue;
                const int c = (lead << 8) | trail;
                const QString text = TextFile::decode(code(c), Encoding::Cp932);
                const bool userDefined = lead >= 0xF0 && lead <= 0xF9;
                if (text.size() != 1) { // not defined: raw bytes
                    QVERIFY2(!userDefined, qPrintable(QString::number(c, 16)));
                    QCOMPARE(text.at(0).unicode(), ushort(0xF700 + lead));
                    continue;
                }
                const ushort u = text.at(0).unicode();
                const bool privateUse = u >= 0xE000 && u <= 0xF8FF;
                QVERIFY2(privateUse == userDefined, qPrintable(QString::number(c, 16)));
                // Whatever code a new text gets, it shows the same character.
                QCOMPARE(TextFile::decode(TextFile::encode(text), Encoding::Cp932), text);
                if (!userDefined)
                    ++characters;
            }
        }
        QCOMPARE(characters, 7724);
    }

    void fileOfEveryCodeKeepsItsBytes_data()
    {
        QTest::addColumn<Policy>("policy");
        QTest::newRow("own file") << Policy::Own;
        QTest::newRow("shared file") << Policy::Shared;
    }
    void fileOfEveryCodeKeepsItsBytes()
    {
        // Every single byte and every lead/trail pair, 32 codes a line, once
        // more at the end so that equal lines with different bytes occur.
        QFETCH(Policy, policy);
        QByteArray bytes;
        QByteArray line;
        auto add = [&](const QByteArray &c) {
            line += c;
            if (line.size() >= 64) {
                bytes += line + "\r\n";
                line.clear();
            }
        };
        for (int b = 0x20; b <= 0xFF; ++b)
            if (b != 0x7F && !(b >= 0x81 && b <= 0x9F) && !(b >= 0xE0 && b <= 0xFC))
                add(code(b));
        for (int lead = 0x81; lead <= 0xFC; ++lead)
            if (lead < 0xA0 || lead >= 0xE0)
                for (int trail = 0x40; trail <= 0xFC; ++trail)
                    if (trail != 0x7F)
                        add(code((lead << 8) | trail));
        bytes += line + "\r\n";
        bytes += QByteArray("\x87\x90\xED\x40\xFA\x4A\r\n\x81\xE0\xFA\x5C\x87\x54\r\n"
                            "\x81\xE0\xFA\x5C\x87\x54\r\n\x87\x90\xED\x40\xFA\x4A\r\n");
        const QString p = path(QStringLiteral("every.txt"));
        put(p, bytes);
        TextFile::Text text;
        QVERIFY(TextFile::read(p, text));
        QCOMPARE(text.encoding, Encoding::Cp932);
        QCOMPARE(text.lines.at(text.lines.size() - 1), QStringLiteral("≒纊Ⅰ"));
        QCOMPARE(text.lines.at(text.lines.size() - 2), QStringLiteral("≒纊Ⅰ"));
        QVERIFY(TextFile::write(p, text, policy));
        QCOMPARE(bytesOf(p), bytes);

        // A changed line is written as new text is; the others keep theirs.
        text.lines.last() += QLatin1Char('!');
        QVERIFY(TextFile::write(p, text, policy));
        QByteArray expected = bytes;
        expected.chop(8);
        expected += "\x81\xE0\xFA\x5C\x87\x54!\r\n";
        QCOMPARE(bytesOf(p), expected);
    }

    // --- encodings of files ------------------------------------------------------
    void detects_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        const QString japanese = QStringLiteral("私は毎朝７時に起きます。〜が好きです");
        QTest::newRow("empty") << QByteArray() << Encoding::Cp932;
        QTest::newRow("ASCII") << QByteArray("go=\r\n") << Encoding::Cp932;
        QTest::newRow("Japanese in CP932") << TextFile::encode(japanese) << Encoding::Cp932;
        QTest::newRow("Japanese in UTF-8") << japanese.toUtf8() << Encoding::Utf8;
        QTest::newRow("UTF-8 with BOM") << kBom + japanese.toUtf8() << Encoding::Utf8Bom;
        QTest::newRow("BOM before invalid bytes") << kBom + "\x82\xA0" << Encoding::Utf8Bom;
        QTest::newRow("cafe in UTF-8") << QByteArray("caf\xC3\xA9") << Encoding::Utf8;
        QTest::newRow("one kanji in CP932") << QByteArray("\x8E\x84") << Encoding::Cp932;
        QTest::newRow("half-width tsu + ideographic space (C1)") << QByteArray("\xC2\x81\x40")
                                                                 << Encoding::Cp932;
        // CP932 "ﾃｨ" is also UTF-8 "è": such bytes read as UTF-8.
        QTest::newRow("ambiguous half-width pair") << QByteArray("\xC3\xA8") << Encoding::Utf8;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << Encoding::Cp932;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << Encoding::Cp932;
        QTest::newRow("cut sequence") << QByteArray("\xE3\x81") << Encoding::Cp932;
        QTest::newRow("four-byte character") << QByteArray("\xF0\x9F\x98\x80") << Encoding::Utf8;

        const QStringList bundled{QStringLiteral("dictionary/Question.txt"),
                                  QStringLiteral("dictionary/Dictionary.txt"),
                                  QStringLiteral("reference/Reference.txt")};
        for (const QString &name : bundled) {
            QByteArray b;
            QVERIFY(TextFile::readBytes(QStringLiteral(ULVENDO_SOURCE_DATA_DIR "/") + name, b));
            QVERIFY(b.size() > 1000);
            const QByteArray utf8 = TextFile::encode(TextFile::decode(b, Encoding::Cp932), Encoding::Utf8);
            QTest::addRow("%s in CP932", qPrintable(name)) << b << Encoding::Cp932;
            QTest::addRow("%s in UTF-8", qPrintable(name)) << utf8 << Encoding::Utf8;
            QTest::addRow("%s in UTF-8 with BOM", qPrintable(name)) << kBom + utf8 << Encoding::Utf8Bom;
        }
    }
    void detects()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QCOMPARE(TextFile::detect(bytes), encoding);
        // Read line by line, the same answer.
        TextFile::EncodingScan scan;
        for (qsizetype from = 0; from < bytes.size();) {
            const qsizetype nl = bytes.indexOf('\n', from);
            const qsizetype to = nl < 0 ? bytes.size() : nl + 1;
            scan.add(bytes.constData() + from, to - from);
            from = to;
        }
        QCOMPARE(scan.result(), encoding);
    }

    void storedCodePageIsTheCLibrarys()
    {
        // Every code decodes to the character the C library's CP932 gives,
        // and every character encodes to the code it writes.
        iconv_t dec = iconv_open("UTF-16LE", "CP932");
        iconv_t en = iconv_open("CP932", "UTF-16LE");
        QVERIFY(dec != iconv_t(-1) && en != iconv_t(-1));
        auto convert = [](iconv_t cd, QByteArray in) {
            char out[8];
            char *inPtr = in.data(), *outPtr = out;
            size_t inLeft = size_t(in.size()), outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
                return QByteArray();
            return QByteArray(out, int(sizeof out - outLeft));
        };
        int checked = 0;
        for (int code = 0xA1; code <= 0xFCFC; ++code) {
            QByteArray bytes;
            if (code > 0xFF)
                bytes += char(code >> 8);
            bytes += char(code);
            if (code > 0xDF && code < 0x8140)
                continue;
            const QByteArray unit = convert(dec, bytes);
            if (unit.size() != 2)
                continue;
            const QChar c(ushort(uchar(unit[0]) | (uchar(unit[1]) << 8)));
            if (c.unicode() < 0x80 || c.isSurrogate() || (c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF))
                continue;
            QCOMPARE(TextFile::decode(bytes, Encoding::Cp932), QString(c));
            const QByteArray written = convert(en, unit);
            if (written.size() == 2)
                QCOMPARE(TextFile::encode(QString(c), Encoding::Cp932), written);
            ++checked;
        }
        iconv_close(dec);
        iconv_close(en);
        QVERIFY2(checked > 7000, qPrintable(QString::number(checked)));
    }

    void readsFilesWithoutASize()
    {
        // A file the system gives no size for is read to its end.
        QByteArray bytes;
        QVERIFY(TextFile::readBytes(QStringLiteral("/proc/self/status"), bytes));
        QVERIFY2(bytes.startsWith("Name:") && bytes.endsWith('\n'), bytes.left(40).constData());
    }

    void generatedJapaneseIsNeverTakenForUtf8()
    {
        // Files of 1..3 lines, each line alone too.
        const QStringList sentences = japaneseSentences(3000);
        for (int i = 0; i < sentences.size(); ++i) {
            const QString text = sentences.mid(i, 1 + i % 3).join(QStringLiteral("\r\n"));
            QCOMPARE(TextFile::detect(TextFile::encode(text)), Encoding::Cp932);
            QCOMPARE(TextFile::detect(text.toUtf8()), Encoding::Utf8);
            QCOMPARE(TextFile::decode(text.toUtf8()), text);
            QCOMPARE(TextFile::decode(TextFile::encode(text)), text);
        }
    }

    void utf8IsLossless_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << kBom + QStringLiteral("Zoë 山田表 〜\r\n").toUtf8();
        QTest::newRow("invalid bytes after a BOM") << kBom + "a\x82\xA0 \xFF\xC3(\r\n\xE3\x81\r\n";
        QTest::newRow("a real character where raw bytes live") << QByteArray("\xEF\x9E\xA0 \xE3\x81\x82\r\n");
        QTest::newRow("beyond the basic plane") << QByteArray("\xF0\x9F\x98\x80\r\n");
    }
    void utf8IsLossless()
    {
        QFETCH(QByteArray, bytes);
        const QString p = path(QStringLiteral("utf8.txt"));
        put(p, bytes);
        TextFile::Text text;
        QVERIFY(TextFile::read(p, text));
        QVERIFY(text.encoding != Encoding::Cp932);
        QVERIFY(TextFile::write(p, text, Policy::Shared));
        QCOMPARE(bytesOf(p), bytes);
    }

    // --- one-way characters and folding ---------------------------------------------
    void oneWayCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("twin");
        QTest::newRow("wave dash") << QStringLiteral("\u301C") << 0x8160 << QStringLiteral("\uFF5E");
        QTest::newRow("minus sign") << QStringLiteral("\u2212") << 0x817C << QStringLiteral("\uFF0D");
        QTest::newRow("em dash") << QStringLiteral("\u2014") << 0x815C << QStringLiteral("\u2015");
        QTest::newRow("double vertical line") << QStringLiteral("\u2016") << 0x8161 << QStringLiteral("\u2225");
        QTest::newRow("cent") << QStringLiteral("\u00A2") << 0x8191 << QStringLiteral("\uFFE0");
        QTest::newRow("pound") << QStringLiteral("\u00A3") << 0x8192 << QStringLiteral("\uFFE1");
        QTest::newRow("not") << QStringLiteral("\u00AC") << 0x81CA << QStringLiteral("\uFFE2");
    }
    void oneWayCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(int, written);
        QFETCH(QString, twin);
        QVERIFY(TextFile::canEncode(typed, Encoding::Cp932));
        QCOMPARE(TextFile::encode(typed), code(written));
        QCOMPARE(TextFile::decode(code(written), Encoding::Cp932), twin);
        QCOMPARE(TextFile::fold(typed), twin);
        QCOMPARE(TextFile::fold(twin), twin);
        QVERIFY(TextFile::sameText(QStringLiteral("a") + typed + QStringLiteral("b"),
                                   QStringLiteral("a") + twin + QStringLiteral("b")));
        QVERIFY(!TextFile::sameText(typed, QStringLiteral("~")));
        QCOMPARE(TextFile::byteLength(typed), 2);
    }

    void nothingBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused");
        QTest::newRow("e acute") << QStringLiteral("café") << QStringLiteral("é");
        QTest::newRow("diaeresis") << QStringLiteral("Zoë") << QStringLiteral("ë");
        QTest::newRow("emoji") << QStringLiteral("a\U0001F600b") << QStringLiteral("\U0001F600");
        QTest::newRow("hangul") << QStringLiteral("한") << QStringLiteral("한");
    }
    void nothingBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QString, refused);
        QString got;
        QVERIFY(!TextFile::canEncode(text, Encoding::Cp932, &got));
        QCOMPARE(got, refused);
        bool ok = true;
        QVERIFY(!TextFile::encode(text, Encoding::Cp932, &ok).contains('?'));
        QVERIFY(!ok);
        QVERIFY(TextFile::canEncode(text, Encoding::Utf8));
        QCOMPARE(TextFile::decode(TextFile::encode(text, Encoding::Utf8)), text);
        QVERIFY(TextFile::unstorableMessage(QStringLiteral("キーワード"), got).contains(refused));
    }

    void countsBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cp932");
        QTest::addColumn<int>("utf8");
        QTest::newRow("ascii") << QStringLiteral("abc") << 3 << 3;
        QTest::newRow("kanji") << QStringLiteral("日本") << 4 << 6;
        QTest::newRow("half-width kana") << QStringLiteral("ｱ") << 1 << 3;
        QTest::newRow("not in CP932") << QStringLiteral("é") << 2 << 2;
        QTest::newRow("raw byte") << QStringLiteral("\uF782") << 1 << 1;
    }
    void countsBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, cp932);
        QFETCH(int, utf8);
        QCOMPARE(TextFile::byteLength(text), cp932);
        QCOMPARE(TextFile::byteLength(text, Encoding::Utf8), utf8);
    }

    // --- writing policies ----------------------------------------------------------------
    void ownFilesChooseTheirEncoding_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("cp932");
        QTest::newRow("ASCII") << QStringLiteral("Room=5") << true;
        QTest::newRow("trail byte 0x5C") << QStringLiteral("山田表") << true;
        QTest::newRow("full-width tilde") << QStringLiteral("～ing") << true;
        QTest::newRow("diaeresis") << QStringLiteral("Zoë") << false;
        QTest::newRow("e acute") << QStringLiteral("café") << false;
        // One-way characters would come back as their twins.
        QTest::newRow("wave dash") << QStringLiteral("〜ing") << false;
        QTest::newRow("minus sign") << QStringLiteral("−5度") << false;
        // CP932 bytes that would be taken for UTF-8.
        QTest::newRow("half-width pair") << QStringLiteral("ﾃｨ") << false;
        // A lone lead byte would pair with the "]" after it.
        QTest::newRow("lone lead byte before ]") << QStringLiteral("[abc\uF783]") << false;
        QTest::newRow("lone lead byte at the end") << QStringLiteral("abc\uF783") << true;
    }
    void ownFilesChooseTheirEncoding()
    {
        QFETCH(QString, line);
        QFETCH(bool, cp932);
        const QString p = path(QStringLiteral("own.ini"));
        const QStringList lines{QStringLiteral("[User]"), line};
        QVERIFY(TextFile::writeLines(p, lines));
        const QByteArray bytes = bytesOf(p);
        if (cp932)
            QCOMPARE(bytes, QByteArray("[User]\r\n") + TextFile::encode(line) + "\r\n");
        else
            QCOMPARE(bytes, kBom + "[User]\r\n" + TextFile::encode(line, Encoding::Utf8) + "\r\n");
        QStringList back;
        QVERIFY(TextFile::readLines(p, back));
        QCOMPARE(back, lines);

        // Appending the line to an own CP932 file gives the same file.
        const QString q = path(QStringLiteral("own-append.ini"));
        QFile::remove(q);
        put(q, "[User]\r\n");
        QVERIFY(TextFile::appendLines(q, {line}));
        QCOMPARE(bytesOf(q), bytes);
    }

    void sharedFilesKeepTheirEncoding_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("after"); // empty: refused, file unchanged
        const QByteArray sjis = TextFile::encode(QStringLiteral("#行く\r\n"));
        const QByteArray utf8 = QStringLiteral("#行く\r\n").toUtf8();
        QTest::newRow("CP932 + CP932 text") << sjis << QStringLiteral("山田表")
                                            << sjis + "\x8E\x52\x93\x63\x95\x5C\r\n";
        QTest::newRow("CP932 + wave dash") << sjis << QStringLiteral("〜ing") << sjis + "\x81\x60ing\r\n";
        QTest::newRow("CP932 + minus sign") << sjis << QStringLiteral("−5度")
                                            << sjis + "\x81\x7C" "5\x93\x78\r\n";
        QTest::newRow("CP932 + e acute") << sjis << QStringLiteral("café") << QByteArray();
        QTest::newRow("new file + diaeresis") << QByteArray() << QStringLiteral("Zoë") << QByteArray();
        QTest::newRow("UTF-8 + e acute") << utf8 << QStringLiteral("café") << utf8 + "caf\xC3\xA9\r\n";
        QTest::newRow("UTF-8 + wave dash") << utf8 << QStringLiteral("〜") << utf8 + "\xE3\x80\x9C\r\n";
        QTest::newRow("BOM + diaeresis") << kBom + utf8 << QStringLiteral("Zoë")
                                         << kBom + utf8 + "Zo\xC3\xAB\r\n";
        QTest::newRow("new file + kanji") << QByteArray() << QStringLiteral("山") << QByteArray("\x8E\x52\r\n");
        // ASCII so far: CP932 bytes that would read as UTF-8 are written as UTF-8.
        QTest::newRow("ASCII + half-width pair") << QByteArray("go\r\n") << QStringLiteral("ﾃｨ")
                                                 << QByteArray("go\r\n\xEF\xBE\x83\xEF\xBD\xA8\r\n");
    }
    void sharedFilesKeepTheirEncoding()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, line);
        QFETCH(QByteArray, after);
        const QString p = path(QStringLiteral("shared.txt"));
        QFile::remove(p);
        if (!before.isEmpty())
            put(p, before);
        QString error;
        const bool written = TextFile::append(p, {line}, Policy::Shared, &error);
        QCOMPARE(written, !after.isEmpty());
        QCOMPARE(bytesOf(p), written ? after : before);
        if (!written) {
            QVERIFY(error.contains(line.at(line.size() - 1)));
            return;
        }
        // A whole rewrite of what was read gives the same bytes.
        TextFile::Text text;
        QVERIFY(TextFile::read(p, text));
        QVERIFY(TextFile::sameText(text.lines.last(), line));
        QVERIFY(TextFile::write(p, text, Policy::Shared));
        QCOMPARE(bytesOf(p), after);
    }

    void ownAppendMovesToUtf8()
    {
        // An own CP932 file that cannot hold the new line becomes UTF-8 with
        // a byte-order mark, old lines included.
        const QString p = path(QStringLiteral("answers.ans"));
        put(p, "[\x90\xB3\x89\xF0]\r\n\x87\x90=x\r\n");
        QVERIFY(TextFile::appendLines(p, {QStringLiteral("café=〜")}));
        QCOMPARE(bytesOf(p), kBom + QStringLiteral("[正解]\r\n≒=x\r\ncafé=〜\r\n").toUtf8());
        QVERIFY(TextFile::appendLines(p, {QStringLiteral("山")}));
        QStringList lines;
        QVERIFY(TextFile::readLines(p, lines));
        QCOMPARE(lines, QStringList({QStringLiteral("[正解]"), QStringLiteral("≒=x"),
                                     QStringLiteral("café=〜"), QStringLiteral("山")}));
    }

    void appendEndsTheLastLineFirst_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("CR LF file") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\nx\r\n");
        QTest::newRow("LF file") << QByteArray("a\nb") << QByteArray("a\nb\nx\n");
        QTest::newRow("one line, no end") << QByteArray("a") << QByteArray("a\r\nx\r\n");
        QTest::newRow("ended") << QByteArray("a\r\n") << QByteArray("a\r\nx\r\n");
        QTest::newRow("ended with LF") << QByteArray("a\n") << QByteArray("a\nx\n");
        QTest::newRow("BOM only") << kBom << kBom + "x\r\n";
        QTest::newRow("BOM, no end") << kBom + "\xE5\xB1\xB1" << kBom + "\xE5\xB1\xB1\r\nx\r\n";
        QTest::newRow("lone lead byte, no end") << QByteArray("a\x82") << QByteArray("a\x82\r\nx\r\n");
        // A last line cut after its CR reads without the CR: the LF completes
        // its line end, so that it still reads the same.
        QTest::newRow("ends with CR") << QByteArray("a\r\nb\r") << QByteArray("a\r\nb\r\nx\r\n");
        QTest::newRow("LF file ends with CR") << QByteArray("a\nb\r") << QByteArray("a\nb\r\nx\n");
    }
    void appendEndsTheLastLineFirst()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        for (Policy policy : {Policy::Own, Policy::Shared}) {
            const QString p = path(QStringLiteral("end.txt"));
            put(p, before);
            QStringList lines;
            QVERIFY(TextFile::readLines(p, lines));
            QVERIFY(TextFile::append(p, {QStringLiteral("x")}, policy));
            QCOMPARE(bytesOf(p), after);
            QStringList now;
            QVERIFY(TextFile::readLines(p, now));
            QCOMPARE(now, lines + QStringList{QStringLiteral("x")});
        }
    }

    // A line that ends in a bare CR keeps it in a file with LF line ends:
    // written as "c\r\n" it would read as "c", so such a file gets CR LF.
    void lineEndingInCrInLfFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("line");
        QTest::newRow("one empty line") << QByteArray("\n") << QStringLiteral("\r");
        QTest::newRow("LF lines") << QByteArray("a\nb\n") << QStringLiteral("c\r");
        QTest::newRow("LF lines, no end") << QByteArray("a\nb") << QStringLiteral("\r\r");
        QTest::newRow("UTF-8 LF lines") << QByteArray("\xE5\xB1\xB1\n") << QStringLiteral("山\r");
    }
    void lineEndingInCrInLfFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, line);
        for (Policy policy : {Policy::Own, Policy::Shared}) {
            const QString p = path(QStringLiteral("cr.txt"));
            put(p, before);
            TextFile::Text text;
            QVERIFY(TextFile::read(p, text));
            const QStringList expected = text.lines + QStringList{line};
            QVERIFY(TextFile::append(p, {line}, policy));
            QStringList now;
            QVERIFY(TextFile::readLines(p, now));
            QCOMPARE(now, expected);

            put(p, before);
            text.lines << line;
            QVERIFY(TextFile::write(p, text, policy));
            QVERIFY(TextFile::readLines(p, now));
            QCOMPARE(now, expected);
        }
    }

    // Bytes that did not decode are written back as they were; where they
    // would pair with the bytes written beside them and read as other text,
    // the save is refused with a message and the file stays.
    void rawBytesThatWouldReadOtherwiseAreRefused_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<bool>("own");
        const QChar r81(0xF781), rEF(0xF7EF), r80(0xF780), rEE(0xF7EE), r90(0xF790);
        QTest::newRow("shared: lone byte, then a duplicate-coded character")
            << QByteArray("x\r\n") << QStringList{QString(rEE) + QChar(0x2171)} << false;
        QTest::newRow("own: neither CP932 nor UTF-8 keeps both lines")
            << QByteArray("x\r\n")
            << QStringList{QString(r81) + rEF + r80 + r81, QLatin1Char('[') + QString(r90) + QLatin1Char(']')}
            << true;
    }
    void rawBytesThatWouldReadOtherwiseAreRefused()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, added);
        QFETCH(bool, own);
        const QString p = path(QStringLiteral("raw.txt"));
        put(p, before);
        TextFile::Text text;
        QVERIFY(TextFile::read(p, text));
        text.lines += added;
        QString error;
        QVERIFY(!TextFile::write(p, text, own ? Policy::Own : Policy::Shared, &error));
        QVERIFY(error.contains(QStringLiteral("書き戻せない")));
        QCOMPARE(bytesOf(p), before);
    }

    void lineBreaksInsideALineAreRefused()
    {
        const QString p = path(QStringLiteral("breaks.txt"));
        put(p, "a\r\n");
        QString error;
        QVERIFY(!TextFile::appendLines(p, {QStringLiteral("Yes\nNo")}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!TextFile::writeLines(p, {QStringLiteral("Yes\nNo")}));
        QCOMPARE(bytesOf(p), QByteArray("a\r\n"));
        // A bare CR stays inside its line.
        QVERIFY(TextFile::writeLines(p, {QStringLiteral("a\rb"), QStringLiteral("c\r")}));
        QStringList lines;
        QVERIFY(TextFile::readLines(p, lines));
        QCOMPARE(lines, QStringList({QStringLiteral("a\rb"), QStringLiteral("c\r")}));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
