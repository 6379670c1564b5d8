// RecordFile against IniFile: the same edits on the same file give the same
// bytes and the same values, through every way RecordFile writes (in place,
// whole file, through IniFile) and across files changed behind its back.
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"
#include "file_size_limit.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <utime.h>

namespace {

struct Edit
{
    QString section, key, value;
};
using Operation = QList<Edit>; // the writes of one object, saved once

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray sjis(const QString &text)
{
    return TextFile::encode(text);
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(QList<Operation>)

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { RecordFile::forgetAll(); }
    void sameBytesAsIniFile_data();
    void sameBytesAsIniFile();
    void randomEditsMatchIniFile_data();
    void randomEditsMatchIniFile();
    void seesOutsideChanges_data();
    void seesOutsideChanges();
    void writeFailureKeepsFileAndReports();

private:
    QTemporaryDir m_dir;
    int m_n = 0;
    QString freshPath() { return m_dir.filePath(QStringLiteral("f%1.dat").arg(++m_n)); }
};

void TestRecordFile::sameBytesAsIniFile_data()
{
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QList<Operation>>("operations");
    QTest::addColumn<int>("lastWrite"); // RecordFile::Write of the last save

    const QString asked = QStringLiteral("出題数"), atari = QStringLiteral("正解数"),
                  rate = QStringLiteral("正解率");
    const QByteArray base = sjis(QStringLiteral("[I have a pen.]\r\n出題数=3\r\n正解数=1\r\n正解率=33\r\n"
                                                "[She is kind.]\r\n出題数=12\r\n正解数=9\r\n正解率=75\r\n"));
    auto count = [&](const QString &s, int a, int c, const QString &r) {
        return Operation{{s, asked, QString::number(a)}, {s, atari, QString::number(c)}, {s, rate, r}};
    };
    const int inPlace = int(RecordFile::Write::InPlace), whole = int(RecordFile::Write::WholeFile),
              normalised = int(RecordFile::Write::Normalised), nothing = int(RecordFile::Write::Nothing);

    QTest::newRow("same length: in place") << base << QList<Operation>{count(QStringLiteral("She is kind."), 13, 9, QStringLiteral("69"))} << inPlace;
    QTest::newRow("a count gains a digit") << base << QList<Operation>{count(QStringLiteral("I have a pen."), 10, 1, QStringLiteral("10"))} << whole;
    QTest::newRow("section named in another case") << base << QList<Operation>{count(QStringLiteral("I HAVE A PEN."), 4, 2, QStringLiteral("50"))} << inPlace;
    QTest::newRow("new section at the end") << base << QList<Operation>{count(QStringLiteral("We sing."), 1, 0, QStringLiteral("0"))} << whole;
    QTest::newRow("values unchanged: nothing written") << base << QList<Operation>{count(QStringLiteral("She is kind."), 12, 9, QStringLiteral("75"))} << nothing;
    QTest::newRow("answer after answer")
        << base
        << QList<Operation>{count(QStringLiteral("She is kind."), 13, 10, QStringLiteral("77")),
                            count(QStringLiteral("I have a pen."), 4, 1, QStringLiteral("25")),
                            count(QStringLiteral("New one."), 1, 1, QStringLiteral("100")),
                            count(QStringLiteral("new ONE."), 2, 1, QStringLiteral("50")),
                            count(QStringLiteral("She is kind."), 14, 11, QStringLiteral("79"))}
        << inPlace;
    QTest::newRow("missing key goes after the section's last line")
        << sjis(QStringLiteral("[A]\r\n出題数=9\r\n\r\n; note\r\n[B]\r\nx=1\r\n"))
        << QList<Operation>{count(QStringLiteral("A"), 10, 3, QStringLiteral("30"))} << whole;
    QTest::newRow("first of two equal sections")
        << sjis(QStringLiteral("[A]\r\n出題数=1\r\n[a]\r\n出題数=5\r\n"))
        << QList<Operation>{{{QStringLiteral("A"), asked, QStringLiteral("2")}}} << inPlace;
    QTest::newRow("spaces around names and keys")
        << sjis(QStringLiteral("  [ A ]  \r\n 出題数 = 1 \r\n"))
        << QList<Operation>{{{QStringLiteral("A"), asked, QStringLiteral("2")}}} << whole;
    QTest::newRow("bracket inside a value is no section")
        << sjis(QStringLiteral("[A]\r\nnote=[B]\r\nk=1\r\n"))
        << QList<Operation>{{{QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2")}}} << whole;
    QTest::newRow("Japanese names whose bytes hold a bracket byte")
        << sjis(QStringLiteral("[コーヒー]\r\nソース=1\r\n[ー]\r\nk=0\r\n"))
        << QList<Operation>{{{QStringLiteral("ー"), QStringLiteral("k"), QStringLiteral("1")},
                             {QStringLiteral("コーヒー"), QStringLiteral("ソース"), QStringLiteral("2")}}}
        << inPlace;
    QTest::newRow("two sections far apart")
        << sjis(QStringLiteral("[A]\r\nk=1\r\n") + QStringLiteral("[pad]\r\n") + QString(600, QLatin1Char('x'))
                + QStringLiteral("=1\r\n[B]\r\nk=1\r\n"))
        << QList<Operation>{{{QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2")},
                             {QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2")}}}
        << whole;
    QTest::newRow("lines ending in LF only keep it")
        << QByteArray("[A]\nk=1\n[B]\nk=1\n")
        << QList<Operation>{{{QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2")}},
                            {{QStringLiteral("C"), QStringLiteral("k"), QStringLiteral("3")}}}
        << whole;
    QTest::newRow("mixed line ends are normalised")
        << QByteArray("[A]\r\nk=1\n[B]\r\nk=1\r\n")
        << QList<Operation>{{{QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2")}}} << normalised;
    QTest::newRow("UTF-8 file")
        << QStringLiteral("[Café]\r\nk=1\r\n").toUtf8()
        << QList<Operation>{{{QStringLiteral("café"), QStringLiteral("k"), QStringLiteral("2")}},
                            {{QStringLiteral("café"), QStringLiteral("k"), QStringLiteral("3")}}}
        << inPlace;
    QTest::newRow("new name CP932 cannot hold")
        << sjis(QStringLiteral("[犬]\r\nk=1\r\n"))
        << QList<Operation>{{{QStringLiteral("Café"), QStringLiteral("k"), QStringLiteral("1")}}} << normalised;
    QTest::newRow("new name with a one-way character")
        << sjis(QStringLiteral("[犬]\r\nk=1\r\n"))
        << QList<Operation>{{{QStringLiteral("10\u301C20"), QStringLiteral("k"), QStringLiteral("1")}},
                            {{QStringLiteral("10\uFF5E20"), QStringLiteral("k"), QStringLiteral("2")}}}
        << inPlace;
    QTest::newRow("a code with a twin is kept")
        << QByteArray("[\x87\x90]\r\nk=1\r\n[\x81\xe0]\r\nk=1\r\n")
        << QList<Operation>{{{QStringLiteral("\u2252"), QStringLiteral("k"), QStringLiteral("2")}}} << normalised;
    QTest::newRow("ASCII file whose new text would read as UTF-8")
        << QByteArray("[A]\r\nk=1\r\n")
        << QList<Operation>{{{QStringLiteral("\uFF83\uFF68"), QStringLiteral("k"), QStringLiteral("1")}}}
        << normalised;
    QTest::newRow("quoted names and values")
        << sjis(QStringLiteral("[\" A \"]\r\n\"k=1\"=\" v \"\r\n[A]\r\nk=1\r\n"))
        << QList<Operation>{{{QStringLiteral(" A "), QStringLiteral("k=1"), QStringLiteral(" w ")},
                             {QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2")},
                             {QStringLiteral(" B"), QStringLiteral("x"), QStringLiteral("line\nbreak")}}}
        << whole;
    QTest::newRow("last line without its line end")
        << QByteArray("[A]\r\nk=1")
        << QList<Operation>{{{QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2")}}} << normalised;
    QTest::newRow("bytes outside the code page kept")
        << QByteArray("[\x81\x21x]\r\nk=1\r\n[A]\r\nk=\xff\r\n")
        << QList<Operation>{{{QStringLiteral("A"), QStringLiteral("j"), QStringLiteral("3")}}} << whole;
    QTest::newRow("missing file is created") << QByteArray()
                                              << QList<Operation>{count(QStringLiteral("A."), 1, 1, QStringLiteral("100"))}
                                              << whole;
}

void TestRecordFile::sameBytesAsIniFile()
{
    QFETCH(QByteArray, initial);
    QFETCH(QList<Operation>, operations);
    QFETCH(int, lastWrite);
    const QString viaIni = freshPath(), viaRecord = freshPath();
    if (!initial.isEmpty()) {
        putBytes(viaIni, initial);
        putBytes(viaRecord, initial);
    }
    RecordFile::Write last = RecordFile::Write::Nothing;
    for (const Operation &op : operations) {
        IniFile ini(viaIni);
        RecordFile rec(viaRecord);
        for (const Edit &e : op) {
            QCOMPARE(rec.readString(e.section, e.key, QStringLiteral("?")),
                     ini.readString(e.section, e.key, QStringLiteral("?")));
            ini.writeString(e.section, e.key, e.value);
            rec.writeString(e.section, e.key, e.value);
            QCOMPARE(rec.readString(e.section, e.key), ini.readString(e.section, e.key));
        }
        QVERIFY(ini.save());
        QVERIFY(rec.save());
        last = rec.lastWrite();
        QCOMPARE(fileBytes(viaRecord), fileBytes(viaIni));
    }
    QCOMPARE(int(last), lastWrite);
    // A fresh reader of the file sees what was written.
    RecordFile::forgetAll();
    for (const Edit &e : operations.constLast())
        QCOMPARE(RecordFile(viaRecord).readString(e.section, e.key), e.value);
}

void TestRecordFile::randomEditsMatchIniFile_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 42u, 777u, 9001u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Files and edits drawn at random from pieces that stress the rules:
// names differing in case or spacing, repeated sections, blank and comment
// lines, keys missing, values changing length, names CP932 cannot hold or
// holds only one way, LF or CR LF line ends.
void TestRecordFile::randomEditsMatchIniFile()
{
    QFETCH(quint32, seed);
    Random rng;
    rng.seed(seed);
    const QStringList names{QStringLiteral("The cat sat."), QStringLiteral("the CAT sat."),
                            QStringLiteral(" The cat sat. "), QStringLiteral("犬が走る。"),
                            QStringLiteral("Information"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("Zebra"), QStringLiteral("Café au lait."),
                            QStringLiteral("10\u301C20"), QStringLiteral("10\uFF5E20")};
    const QStringList keys{QStringLiteral("出題数"), QStringLiteral("正解数"), QStringLiteral("正解率"),
                           QStringLiteral("3/9"), QStringLiteral("Date")};
    QStringList lines;
    for (int i = 0, n = 3 + rng.index(12); i < n; ++i) {
        switch (rng.index(5)) {
        case 0: lines << QLatin1Char('[') + names.at(rng.index(int(names.size()))) + QLatin1Char(']'); break;
        case 1: lines << QString(); break;
        case 2: lines << QStringLiteral("; comment"); break;
        default:
            lines << keys.at(rng.index(int(keys.size()))) + QLatin1Char('=') + QString::number(rng.index(150));
        }
    }
    const QString viaIni = freshPath(), viaRecord = freshPath();
    QByteArray initial;
    const char *eol = rng.index(3) == 0 ? "\n" : "\r\n";
    for (const QString &line : lines)
        initial += TextFile::encode(line) + eol;
    putBytes(viaIni, initial);
    putBytes(viaRecord, initial);
    for (int op = 0; op < 40; ++op) {
        IniFile ini(viaIni);
        RecordFile rec(viaRecord);
        for (int e = 0, n = 1 + rng.index(3); e < n; ++e) {
            const QString s = names.at(rng.index(int(names.size())));
            const QString k = keys.at(rng.index(int(keys.size())));
            QCOMPARE(rec.readString(s, k, QStringLiteral("-")), ini.readString(s, k, QStringLiteral("-")));
            const QString v = QString::number(rng.index(2) ? rng.index(10) : rng.index(2000));
            ini.writeString(s, k, v);
            rec.writeString(s, k, v);
        }
        QVERIFY(ini.save());
        QVERIFY(rec.save());
        QCOMPARE(fileBytes(viaRecord), fileBytes(viaIni));
    }
}

void TestRecordFile::seesOutsideChanges_data()
{
    QTest::addColumn<QByteArray>("outside");  // what another program writes
    QTest::addColumn<bool>("inPlace");        // written over the old bytes (same inode)
    QTest::addColumn<bool>("beforeSave");     // between reading and saving
    const QByteArray same = "[A]\r\nk=7\r\n[B]\r\nk=1\r\n"; // same length as before
    const QByteArray longer = "[A]\r\nk=77\r\n[B]\r\nk=1\r\n[C]\r\nk=5\r\n";
    QTest::newRow("renamed over, between uses") << longer << false << false;
    QTest::newRow("same size in place, between uses") << same << true << false;
    QTest::newRow("renamed over, while in use") << longer << false << true;
    QTest::newRow("same size in place, while in use") << same << true << true;
}

void TestRecordFile::seesOutsideChanges()
{
    QFETCH(QByteArray, outside);
    QFETCH(bool, inPlace);
    QFETCH(bool, beforeSave);
    const QString path = freshPath();
    putBytes(path, "[A]\r\nk=1\r\n[B]\r\nk=1\r\n");
    QCOMPARE(RecordFile(path).readString(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("1"));

    std::unique_ptr<RecordFile> use;
    if (beforeSave)
        use = std::make_unique<RecordFile>(path);
    if (inPlace) {
        // Another program writes over the file a second later.
        putBytes(path, outside);
        const struct utimbuf t{time(nullptr) + 1, time(nullptr) + 1};
        utime(QFile::encodeName(path).constData(), &t);
    } else {
        QVERIFY(TextFile::writeBytes(path, outside));
    }
    if (!use)
        use = std::make_unique<RecordFile>(path);
    use->writeString(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2"));
    QVERIFY(use->save());

    const QString expectedPath = m_dir.filePath(QStringLiteral("expected%1.dat").arg(m_n));
    IniFile expected(expectedPath, TextFile::splitLines(TextFile::decode(outside)));
    expected.writeString(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2"));
    QVERIFY(expected.save());
    QCOMPARE(fileBytes(path), fileBytes(expectedPath));
    QCOMPARE(RecordFile(path).readString(QStringLiteral("A"), QStringLiteral("k")),
             IniFile(expectedPath).readString(QStringLiteral("A"), QStringLiteral("k")));
}

// A file that cannot be written is reported and left as it was, and the next
// use reads what is on disk, not what failed to be written.
void TestRecordFile::writeFailureKeepsFileAndReports()
{
    const QString path = freshPath();
    const QByteArray content("[A]\r\nk=1\r\n");
    putBytes(path, content);
    RecordFile rec(path);
    rec.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("22"));
    // Files may not grow beyond 4 bytes: the new file cannot be written.
    QString error;
    bool saved = true;
    {
        const FileSizeLimit limit(4);
        QVERIFY(limit.isSet());
        saved = rec.save(&error);
    }

    QVERIFY(!saved);
    QVERIFY(error.contains(path));
    QCOMPARE(fileBytes(path), content);
    QCOMPARE(RecordFile(path).readString(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("1"));
    RecordFile again(path);
    again.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("22"));
    QVERIFY(again.save());
    QCOMPARE(fileBytes(path), QByteArray("[A]\r\nk=22\r\n"));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
