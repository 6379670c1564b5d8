// Importance file: lookup, automatic adjustment, setting by hand, and the
// rewrite through the scratch file with failures injected.
#include "records/Importance.h"
#include "records/RecordPaths.h"
#include "records_support.h"
#include "file_size_limit.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>


class TestImportance : public QObject
{
    Q_OBJECT
private slots:
    void lookup_data();
    void lookup();
    void automatic_data();
    void automatic();
    void wrongAnswersStopAtFive();
    void correctAnswersWalkDownAndRemove();
    void byHand_data();
    void byHand();
    void sameLevelLeavesFileUntouched();
    void levelOutOfRangeRefused();
    void staleScratchRemoved();
    void interruptedRewriteRestored();
    void unremovableScratchKeepsMarks();
    void failedCopyKeepsMarks();
    void linesReadAsWhiteSpaceSeparatedNumbers_data();
    void linesReadAsWhiteSpaceSeparatedNumbers();
    void otherFilesUntouched_data();
    void otherFilesUntouched();
    void loneLineFeedInALongFile_data();
    void loneLineFeedInALongFile();
};

namespace {
// A fresh user folder for each case.
struct Fresh
{
    RecordsFolder folder;
    QString imp() const { return ImportanceFile(folder.settings); }
    QString scratch() const { return ImportanceScratchFile(folder.settings); }
};
}

void TestImportance::lookup_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("level");
    QTest::newRow("missing file") << QByteArray() << 7 << 0;
    QTest::newRow("found") << QByteArray("2 4\r\n3 7\r\n") << 7 << 3;
    QTest::newRow("not marked") << QByteArray("2 4\r\n3 7\r\n") << 8 << 0;
    QTest::newRow("7 is not 17 or 70") << QByteArray("1 17\r\n2 70\r\n") << 7 << 0;
    QTest::newRow("first of two lines wins") << QByteArray("4 7\r\n2 7\r\n") << 7 << 4;
    QTest::newRow("blank and note lines skipped")
        << QByteArray("\r\nnote\r\n\r\n5 7\r\n") << 7 << 5;
    QTest::newRow("LF only, no final line end") << QByteArray("1 3\n2 7") << 7 << 2;
    QTest::newRow("question line 0") << QByteArray("3 0\r\n") << 0 << 3;
    // Lines where the number's digits occur but not as the question's.
    QTest::newRow("7 as a level, in 77 and 701 first")
        << QByteArray("7 9\r\n77 3\r\n1 701\r\n2 7\r\n") << 7 << 2;
    QTest::newRow("digits across a line end are no number") << QByteArray("1 1\r\n2 3\r\n") << 12 << 0;
    QTest::newRow("written with a sign and leading zeros") << QByteArray("1 70\r\n3 +0007\r\n") << 7 << 3;
    QTest::newRow("-7 is not 7") << QByteArray("1 -7\r\n") << 7 << 0;
}

void TestImportance::lookup()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(int, level);
    Fresh f;
    if (!content.isEmpty())
        putBytes(f.imp(), content);
    QCOMPARE(ImportanceLevel(f.imp(), line), level);
}

void TestImportance::automatic_data()
{
    QTest::addColumn<QByteArray>("before"); // "-" = no file
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QByteArray>("after");  // "-" = no file
    QTest::newRow("unmarked, wrong: added at 1") << QByteArray("-") << false
                                                 << QByteArray("1 7\r\n");
    QTest::newRow("unmarked, right: nothing") << QByteArray("-") << true << QByteArray("-");
    QTest::newRow("unmarked, wrong, appended")
        << QByteArray("2 4\r\n") << false << QByteArray("2 4\r\n1 7\r\n");
    QTest::newRow("last line without line end")
        << QByteArray("2 4") << false << QByteArray("2 4\r\n1 7\r\n");
    QTest::newRow("3 wrong -> 4") << QByteArray("2 4\r\n3 7\r\n1 9\r\n") << false
                                  << QByteArray("2 4\r\n4 7\r\n1 9\r\n");
    QTest::newRow("3 right -> 2") << QByteArray("2 4\r\n3 7\r\n1 9\r\n") << true
                                  << QByteArray("2 4\r\n2 7\r\n1 9\r\n");
    QTest::newRow("1 right: removed") << QByteArray("2 4\r\n1 7\r\n1 9\r\n") << true
                                      << QByteArray("2 4\r\n1 9\r\n");
    QTest::newRow("5 wrong: unchanged") << QByteArray("5 7\n") << false << QByteArray("5 7\n");
    QTest::newRow("blank and note lines before the pair")
        << QByteArray("\r\nnote 1\r\n2 4\r\n\r\n3 7\r\n") << false
        << QByteArray("\r\nnote 1\r\n2 4\r\n\r\n4 7\r\n");
    QTest::newRow("long lines copied whole")
        << QByteArray("1 1234567890123\r\n3 7\r\nthis note is longer than ten bytes\r\n")
        << true
        << QByteArray("1 1234567890123\r\n2 7\r\nthis note is longer than ten bytes\r\n");
    QTest::newRow("hand-edited 9 wrong -> 5") << QByteArray("9 7\r\n") << false
                                              << QByteArray("5 7\r\n");
    QTest::newRow("hand-edited 0 right: removed") << QByteArray("0 7\r\n2 8\r\n") << true
                                                  << QByteArray("2 8\r\n");
    // Files the program writes are changed on their bytes, any other through
    // the text layer: both give the same bytes.
    QTest::newRow("LF file keeps LF") << QByteArray("2 4\n3 7\n") << false
                                      << QByteArray("2 4\n4 7\n");
    QTest::newRow("LF file, appended") << QByteArray("2 4\n") << false << QByteArray("2 4\n1 7\n");
    QTest::newRow("mixed line ends become CR LF") << QByteArray("2 4\n3 7\r\n") << false
                                                  << QByteArray("2 4\r\n4 7\r\n");
    QTest::newRow("changed last line without line end") << QByteArray("2 4\r\n3 7") << false
                                                        << QByteArray("2 4\r\n4 7\r\n");
    QTest::newRow("sign and tab rewritten plainly") << QByteArray("1 4\r\n+3\t7\r\n") << false
                                                    << QByteArray("1 4\r\n4 7\r\n");
    QTest::newRow("7 is not 17 or 70") << QByteArray("1 17\r\n2 70\r\n2 7\r\n") << true
                                       << QByteArray("1 17\r\n2 70\r\n1 7\r\n");
    QTest::newRow("7 as a level and in 77 before it")
        << QByteArray("7 77\r\n3 7\r\n4 9\r\n") << false << QByteArray("7 77\r\n4 7\r\n4 9\r\n");
    QTest::newRow("two lines with a sign: both go")
        << QByteArray("1 +7\r\n2 4\r\n3 007\r\n") << true << QByteArray("2 4\r\n");
    QTest::newRow("Japanese note keeps its bytes") << QByteArray("\x83\x81\x83\x82\r\n3 7\r\n")
                                                   << false
                                                   << QByteArray("\x83\x81\x83\x82\r\n4 7\r\n");
    QTest::newRow("only mark removed, LF") << QByteArray("1 7\n") << true << QByteArray("");
    QTest::newRow("two lines, 1 right: both removed")
        << QByteArray("1 7\r\n2 4\r\n3 7\r\n") << true << QByteArray("2 4\r\n");
    QTest::newRow("two lines, 2 wrong: one line at 3")
        << QByteArray("2 7\r\n4 4\r\n5 7\r\n") << false << QByteArray("3 7\r\n4 4\r\n");
}

void TestImportance::automatic()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, correct);
    QFETCH(QByteArray, after);
    Fresh f;
    if (before != "-")
        putBytes(f.imp(), before);
    QString error;
    QVERIFY2(AdjustImportance(f.imp(), f.scratch(), 7, correct, &error), qPrintable(error));
    if (after == "-")
        QVERIFY(!QFileInfo::exists(f.imp()));
    else
        QCOMPARE(fileBytes(f.imp()), after);
    QVERIFY(!QFileInfo::exists(f.scratch()));
}

void TestImportance::wrongAnswersStopAtFive()
{
    Fresh f;
    putBytes(f.imp(), "2 3\r\n");
    QVERIFY(AdjustImportance(f.imp(), f.scratch(), 12, false));
    QCOMPARE(ImportanceLevel(f.imp(), 12), 1);
    for (int i = 0; i < 5; ++i)
        QVERIFY(AdjustImportance(f.imp(), f.scratch(), 12, false));
    QCOMPARE(ImportanceLevel(f.imp(), 12), 5);
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 3\r\n5 12\r\n"));
}

void TestImportance::correctAnswersWalkDownAndRemove()
{
    Fresh f;
    putBytes(f.imp(), "3 12\r\n2 3\r\n");
    const int expected[] = {2, 1, 0};
    for (int level : expected) {
        QVERIFY(AdjustImportance(f.imp(), f.scratch(), 12, true));
        QCOMPARE(ImportanceLevel(f.imp(), 12), level);
    }
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 3\r\n"));
    const auto pairs = ReadImportancePairs(f.imp());
    QCOMPARE(pairs.size(), 1);
    QCOMPARE(pairs.at(0), qMakePair(2, 3));
}

void TestImportance::byHand_data()
{
    QTest::addColumn<QByteArray>("before"); // "-" = no file
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("after");  // "-" = no file
    QTest::newRow("unmarked, 0: nothing") << QByteArray("-") << 0 << QByteArray("-");
    QTest::newRow("unmarked, 4: added") << QByteArray("-") << 4 << QByteArray("4 7\r\n");
    QTest::newRow("marked, other level") << QByteArray("1 2\r\n2 7\r\n") << 5
                                         << QByteArray("1 2\r\n5 7\r\n");
    QTest::newRow("marked, 0: removed") << QByteArray("1 2\r\n2 7\r\n3 9\r\n") << 0
                                        << QByteArray("1 2\r\n3 9\r\n");
    QTest::newRow("only mark removed: empty file") << QByteArray("2 7\r\n") << 0
                                                   << QByteArray("");
    QTest::newRow("two lines, 0: both removed") << QByteArray("4 7\r\n1 2\r\n2 7\r\n") << 0
                                                << QByteArray("1 2\r\n");
    QTest::newRow("two lines, 3: one line") << QByteArray("4 7\r\n1 2\r\n2   7 x\r\n") << 3
                                            << QByteArray("3 7\r\n1 2\r\n");
}

void TestImportance::byHand()
{
    QFETCH(QByteArray, before);
    QFETCH(int, level);
    QFETCH(QByteArray, after);
    Fresh f;
    if (before != "-")
        putBytes(f.imp(), before);
    QString error;
    QVERIFY2(SetImportance(f.imp(), f.scratch(), 7, level, &error), qPrintable(error));
    if (after == "-") {
        QVERIFY(!QFileInfo::exists(f.imp()));
    } else {
        QVERIFY(QFileInfo::exists(f.imp()));
        QCOMPARE(fileBytes(f.imp()), after);
    }
    QCOMPARE(ImportanceLevel(f.imp(), 7), level);
}

void TestImportance::sameLevelLeavesFileUntouched()
{
    Fresh f;
    const QByteArray content("1 2\n3 7\n"); // LF endings would change on any rewrite
    putBytes(f.imp(), content);
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(f.imp());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    const QDateTime before = QFileInfo(f.imp()).lastModified();
    QVERIFY(SetImportance(f.imp(), f.scratch(), 7, 3));
    QCOMPARE(fileBytes(f.imp()), content);
    QCOMPARE(QFileInfo(f.imp()).lastModified(), before);
}

void TestImportance::levelOutOfRangeRefused()
{
    Fresh f;
    putBytes(f.imp(), "2 7\r\n");
    QString error;
    QVERIFY(!SetImportance(f.imp(), f.scratch(), 7, 6, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SetImportance(f.imp(), f.scratch(), 7, -1));
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 7\r\n"));
}

void TestImportance::staleScratchRemoved()
{
    Fresh f;
    putBytes(f.imp(), "2 4\r\n3 7\r\n");
    putBytes(f.scratch(), "5 99\r\n"); // left by an earlier, interrupted rewrite
    QVERIFY(AdjustImportance(f.imp(), f.scratch(), 7, true));
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 4\r\n2 7\r\n"));
    QVERIFY(!QFileInfo::exists(f.scratch()));
}

void TestImportance::interruptedRewriteRestored()
{
    // The rewrite stopped after the rename: the marks are only in the scratch file.
    Fresh f;
    putBytes(f.scratch(), "2 4\r\n3 7\r\n");
    QCOMPARE(ImportanceLevel(f.imp(), 4), 0);
    QVERIFY(AdjustImportance(f.imp(), f.scratch(), 9, false));
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 4\r\n3 7\r\n1 9\r\n"));
    QVERIFY(!QFileInfo::exists(f.scratch()));
}

void TestImportance::unremovableScratchKeepsMarks()
{
    Fresh f;
    const QByteArray content("2 4\r\n3 7\r\n");
    putBytes(f.imp(), content);
    // Something that cannot be removed stands where the scratch file goes.
    QVERIFY(QDir().mkpath(f.scratch() + QStringLiteral("/inside")));
    QString error;
    QVERIFY(!AdjustImportance(f.imp(), f.scratch(), 7, true, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SetImportance(f.imp(), f.scratch(), 4, 0));
    QCOMPARE(fileBytes(f.imp()), content);
    // A plain append needs no rewrite and still works.
    QVERIFY(AdjustImportance(f.imp(), f.scratch(), 11, false));
    QCOMPARE(fileBytes(f.imp()), content + "1 11\r\n");
}

void TestImportance::failedCopyKeepsMarks()
{
    Fresh f;
    const QByteArray content("2 4\r\n3 7\r\n1 9\r\n");
    putBytes(f.imp(), content);
    // Files may not grow beyond 4 bytes: renaming and reading still work,
    // writing the new importance file fails half way.
    QString error;
    bool ok = true, okByHand = true;
    {
        const FileSizeLimit limit(4);
        QVERIFY(limit.isSet());
        ok = AdjustImportance(f.imp(), f.scratch(), 7, false, &error);
        okByHand = SetImportance(f.imp(), f.scratch(), 9, 0);
    }

    QVERIFY(!ok);
    QVERIFY(!okByHand);
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(f.imp()), content);
    QVERIFY(!QFileInfo::exists(f.scratch()));
    // Once writing works again the same change goes through.
    QVERIFY(AdjustImportance(f.imp(), f.scratch(), 7, false));
    QCOMPARE(fileBytes(f.imp()), QByteArray("2 4\r\n4 7\r\n1 9\r\n"));
}

// A line gives a pair when its first two pieces between white space read as
// whole numbers, exactly as splitting at white space and converting each
// piece always has (the reference below), whatever the line holds.
void TestImportance::linesReadAsWhiteSpaceSeparatedNumbers_data()
{
    QTest::addColumn<QString>("line");
    for (const char *l : {"3 12", "+3 12", "-1 5", "3\t12", " 3  12 extra", "3\v12\f", "007 0012",
                          "3", "", "   ", "a 3", "3 1x", "3 +", "3 -", "+ 3 4", "--3 4", "3- 4",
                          "2147483647 2147483647", "2147483648 1", "1 -2147483648",
                          "1 -2147483649", "99999999999 1", "3,12", "3 12\r"})
        QTest::newRow(l) << QString::fromLatin1(l);
    for (const QString &l : {QStringLiteral("３ 12"), QStringLiteral("3\u300012"), QStringLiteral("3 12 注"),
                             QStringLiteral("3\u00A012"), QStringLiteral("\u0663 4")})
        QTest::newRow(qPrintable(l)) << l;
}

void TestImportance::linesReadAsWhiteSpaceSeparatedNumbers()
{
    QFETCH(QString, line);
    QVector<QPair<int, int>> expected;
    const QStringList tokens = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    bool okLevel = false, okLine = false;
    if (tokens.size() >= 2) {
        const int level = tokens.at(0).toInt(&okLevel);
        const int q = tokens.at(1).toInt(&okLine);
        if (okLevel && okLine)
            expected.append(qMakePair(level, q));
    }
    Fresh f;
    putBytes(f.imp(), TextFile::encode(line) + "\r\n");
    QCOMPARE(ReadImportancePairs(f.imp()), expected);
    if (!expected.isEmpty())
        QCOMPARE(ImportanceLevel(f.imp(), expected.first().second), expected.first().first);
}

void TestImportance::otherFilesUntouched_data()
{
    QTest::addColumn<QString>("base");      // the collection being drilled
    QTest::addColumn<QByteArray>("imp");    // its importance file before, "-" = none
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("other");     // another file of the user folder
    QTest::addColumn<QByteArray>("after");  // its importance file after
    QTest::newRow("collection old: its data file, first mark")
        << "old" << QByteArray("-") << false << "old.dat" << QByteArray("1 7\r\n");
    QTest::newRow("collection old: its data file, rewrite")
        << "old" << QByteArray("2 7\r\n") << true << "old.dat" << QByteArray("1 7\r\n");
    QTest::newRow("another collection's leftover scratch, first mark")
        << "Question" << QByteArray("-") << false << "A_imp.old" << QByteArray("1 7\r\n");
    QTest::newRow("another collection's leftover scratch, rewrite")
        << "Question" << QByteArray("3 7\r\n") << false << "A_imp.old"
        << QByteArray("4 7\r\n");
    QTest::newRow("a file named old.dat of an earlier version")
        << "Question" << QByteArray("-") << false << "old.dat" << QByteArray("1 7\r\n");
}

void TestImportance::otherFilesUntouched()
{
    QFETCH(QString, base);
    QFETCH(QByteArray, imp);
    QFETCH(bool, correct);
    QFETCH(QString, other);
    QFETCH(QByteArray, after);
    RecordsFolder folder(base);
    const QString impFile = ImportanceFile(folder.settings);
    const QString scratch = ImportanceScratchFile(folder.settings);
    // Marks of another collection, or question data.
    const QByteArray otherBytes = other.endsWith(QLatin1String(".old"))
                                      ? QByteArray("5 120\r\n4 300\r\n1 6\r\n")
                                      : QByteArray("[He is a boy.]\r\nA=1\r\n");
    putBytes(folder.user(other), otherBytes);
    if (imp != "-")
        putBytes(impFile, imp);
    QString error;
    QVERIFY2(AdjustImportance(impFile, scratch, 7, correct, &error), qPrintable(error));
    QCOMPARE(fileBytes(impFile), after);
    QCOMPARE(fileBytes(folder.user(other)), otherBytes);
    QVERIFY(!QFileInfo::exists(scratch));
    // Nothing else appeared in the user folder.
    const QStringList names = QDir(folder.settings.userFolder()).entryList(QDir::Files);
    QCOMPARE(names.size(), 2);
}

// A file of CR LF lines where one line ends in LF alone is not one the
// program wrote: it goes through the text layer, which ends every line with
// CR LF. Long files are checked many bytes at a time, so the lone LF is put
// at every place a line can end.
void TestImportance::loneLineFeedInALongFile_data()
{
    QTest::addColumn<int>("damaged"); // the line ending in LF alone, -1 = none
    QTest::newRow("no lone LF") << -1;
    for (int k = 0; k < 40; ++k)
        QTest::newRow(qPrintable(QStringLiteral("line %1").arg(k))) << k;
}

void TestImportance::loneLineFeedInALongFile()
{
    QFETCH(int, damaged);
    QList<QByteArray> lines;
    for (int k = 0; k < 40; ++k)
        lines << QByteArray::number(1 + k % 4) + QByteArray(1 + k % 3, ' ') + QByteArray::number(100 + 37 * k);
    lines[20] = "3 7";
    QByteArray before, after;
    for (int k = 0; k < lines.size(); ++k) {
        before += lines.at(k) + (k == damaged ? "\n" : "\r\n");
        after += (k == 20 ? QByteArray("4 7") : lines.at(k)) + "\r\n";
    }
    Fresh f;
    putBytes(f.imp(), before);
    QString error;
    QVERIFY2(AdjustImportance(f.imp(), f.scratch(), 7, false, &error), qPrintable(error));
    QCOMPARE(fileBytes(f.imp()), after);
}

QTEST_GUILESS_MAIN(TestImportance)
#include "tst_importance.moc"
