// Leftovers of interrupted atomic rewrites: which names count, and that only
// old ones of the program's own files are removed.
#include "platform/StaleTempFiles.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

class TestStaleTempFiles : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void removesOnlyOldLeftovers();
    void leftoverOfARealInterruptedSave();
};

void TestStaleTempFiles::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stale");
    QTest::newRow("settings") << "Setup.ini.a1B2c3" << true;
    QTest::newRow("users") << "User.ini.QwErTy" << true;
    QTest::newRow("question data") << "Question.dat.00a000" << true;
    QTest::newRow("importance") << "Question_imp.dat.Zz9Zz9" << true;
    QTest::newRow("answers") << "Question.ans.abcdE9" << true;
    QTest::newRow("a learner's backup") << "User.ini.backup" << false;
    QTest::newRow("a learner's copy in capitals") << "Setup.ini.BEFORE" << false;
    QTest::newRow("a learner's dated copy") << "Question.dat.241209" << false;
    QTest::newRow("the file itself") << "Setup.ini" << false;
    QTest::newRow("five letters") << "Setup.ini.abcde" << false;
    QTest::newRow("seven letters") << "Setup.ini.abcdefg" << false;
    QTest::newRow("not letters") << "Setup.ini.ab-def" << false;
    QTest::newRow("a learner's text") << "notes.txt.abcdef" << false;
    QTest::newRow("importance scratch") << "Question_imp.old" << false;
    QTest::newRow("no base") << ".ini.abcdef" << false;
}

void TestStaleTempFiles::names()
{
    QFETCH(QString, name);
    QFETCH(bool, stale);
    QCOMPARE(IsStaleTempFileName(name), stale);
}

void TestStaleTempFiles::removesOnlyOldLeftovers()
{
    QTemporaryDir dir;
    const QString f = dir.path() + QLatin1Char('/');
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    auto make = [&](const QString &name, bool isOld) {
        QFile file(f + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush();
        if (isOld)
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    };
    make(QStringLiteral("Setup.ini"), true);
    make(QStringLiteral("Setup.ini.a1B2c3"), true);
    make(QStringLiteral("Question.dat.Q1w2E3"), true);
    make(QStringLiteral("Temp.dat.zzzzzz"), false);     // a save in progress
    make(QStringLiteral("notes.txt.abcdef"), true);     // not the program's
    QVERIFY(QDir().mkpath(f + QStringLiteral("sub.ini.abcdef"))); // a folder
    QStringList removed = RemoveStaleTempFiles(dir.path());
    removed.sort();
    QCOMPARE(removed, (QStringList{"Question.dat.Q1w2E3", "Setup.ini.a1B2c3"}));
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    QCOMPARE(left, (QStringList{"Setup.ini", "Temp.dat.zzzzzz", "notes.txt.abcdef", "sub.ini.abcdef"}));
}

// A save killed after writing its temporary file leaves a name the pattern
// knows (the atomic writer's own naming, not an assumption of the test).
void TestStaleTempFiles::leftoverOfARealInterruptedSave()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Setup.ini");
    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        QSaveFile f(path);
        f.setDirectWriteFallback(false);
        if (!f.open(QIODevice::WriteOnly))
            _exit(1);
        f.write("[Setup]\r\n");
        f.flush();
        _exit(0); // gone before commit
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (names.isEmpty())
        QSKIP("the atomic writer left no named file here (an unnamed temporary file was used)");
    QCOMPARE(names.size(), 1);
    // Six characters of more than one kind (all of one kind: about 1 in 90).
    const QString suffix = names.first().mid(QStringLiteral("Setup.ini.").size());
    const bool oneKind = suffix.size() == 6
        && (suffix == suffix.toLower() || suffix == suffix.toUpper());
    QVERIFY2(IsStaleTempFileName(names.first()) || oneKind, qPrintable(names.first()));
}

QTEST_GUILESS_MAIN(TestStaleTempFiles)
#include "tst_staletempfiles.moc"
