// The command line and the choice and filling of the data folder.
#include <QtTest>

#include "platform/CommandLine.h"
#include "platform/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("printed"); // a piece of what is printed

        QTest::newRow("nothing") << QStringList{} << Action::Run << "" << "";
        QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << "" << "--home <フォルダ>";
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << "" << "使い方: ulvendo";
        QTest::newRow("--version")
            << QStringList{"--version"} << Action::ShowVersion << "" << "ulvendo " ULVENDO_VERSION "\n";
        QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << "" << "ulvendo " ULVENDO_VERSION;
        QTest::newRow("help before version")
            << QStringList{"--version", "--help"} << Action::ShowHelp << "" << "使い方";
        QTest::newRow("--home DIR") << QStringList{"--home", "/tmp/u d"} << Action::Run << "/tmp/u d" << "";
        QTest::newRow("--home=DIR") << QStringList{"--home=/data/x"} << Action::Run << "/data/x" << "";
        QTest::newRow("-home DIR") << QStringList{"-home", "/data/y"} << Action::Run << "/data/y" << "";
        QTest::newRow("--home without folder")
            << QStringList{"--home"} << Action::Fail << "" << "--home にはフォルダを指定してください";
        QTest::newRow("--home empty") << QStringList{"--home", " "} << Action::Fail << " "
                                      << "--home にはフォルダを指定してください";
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << Action::Fail << "" << "不明なオプションです: colour";
        QTest::newRow("stray argument")
            << QStringList{"Question.txt"} << Action::Fail << "" << "余分な引数があります: Question.txt";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(Action, action);
        QFETCH(QString, home);
        QFETCH(QString, printed);
        const CommandLine::Options o = CommandLine::parse(QStringList{"ulvendo"} + args);
        QCOMPARE(o.action, action);
        QCOMPARE(o.home, home);
        if (printed.isEmpty())
            QVERIFY2(o.output.isEmpty(), qPrintable(o.output));
        else
            QVERIFY2(o.output.contains(printed), qPrintable(o.output));
    }

    void choice_data()
    {
        QTest::addColumn<QString>("homeOption");
        QTest::addColumn<QString>("homeVariable");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("hasData");
        QTest::addColumn<QString>("installedData");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("bundled");

        const QString share = "/usr/share/ulvendo/";
        QTest::newRow("portable folder") << "" << "" << true << true << "" << "" << "/opt/u/" << true << "";
        QTest::newRow("writable folder without data")
            << "" << "" << true << false << "" << "" << "/opt/u/" << true << "";
        QTest::newRow("--home wins") << "/h" << "/env" << false << false << share << "" << "/h/" << true << "";
        QTest::newRow("ULVENDO_HOME") << "" << "/env/" << false << false << share << "" << "/env/" << true << "";
        QTest::newRow("read-only portable folder")
            << "" << "" << false << true << "" << "" << "/home/k/.local/share/ulvendo/" << false << "/opt/u/";
        QTest::newRow("installed, read-only")
            << "" << "" << false << false << share << "" << "/home/k/.local/share/ulvendo/" << false << share;
        // An installed program is never a program folder, even where root
        // could write beside it.
        QTest::newRow("installed, writable")
            << "" << "" << true << false << share << "" << "/home/k/.local/share/ulvendo/" << false << share;
        QTest::newRow("XDG_DATA_HOME")
            << "" << "" << false << false << share << "/xdg/d" << "/xdg/d/ulvendo/" << false << share;
        QTest::newRow("relative XDG_DATA_HOME is ignored")
            << "" << "" << false << false << share << "xdg" << "/home/k/.local/share/ulvendo/" << false << share;
        QTest::newRow("read-only, nothing bundled")
            << "" << "" << false << false << "" << "" << "/home/k/.local/share/ulvendo/" << false << "";
    }
    void choice()
    {
        QFETCH(QString, homeOption);
        QFETCH(QString, homeVariable);
        QFETCH(bool, writable);
        QFETCH(bool, hasData);
        QFETCH(QString, installedData);
        QFETCH(QString, xdg);
        DataLocation::Facts f;
        f.homeOption = homeOption;
        f.homeVariable = homeVariable;
        f.executableFolder = "/opt/u/";
        f.executableFolderWritable = writable;
        f.executableFolderHasData = hasData;
        f.installedData = installedData;
        f.xdgDataHome = xdg;
        f.userHome = "/home/k";
        const DataLocation::Choice c = DataLocation::choose(f);
        QTEST(c.folder, "folder");
        QTEST(c.portable, "portable");
        QTEST(c.bundledData, "bundled");
    }

    // An installed layout is recognised on disk: bin/ulvendo with the data in
    // share/ulvendo, and a portable folder by the data beside the program.
    void probeLayouts()
    {
        QTemporaryDir dir;
        const QString root = dir.path() + "/";
        QVERIFY(writeFile(root + "usr/share/ulvendo/Ulvendo.hlp", "help"));
        QDir().mkpath(root + "usr/bin");
        DataLocation::Facts f = DataLocation::probe(root + "usr/bin", QString());
        QCOMPARE(f.executableFolder, root + "usr/bin/");
        QCOMPARE(f.installedData, root + "usr/share/ulvendo/");
        QVERIFY(!f.executableFolderHasData);

        QVERIFY(writeFile(root + "portable/Ulvendo.hlp", "help"));
        f = DataLocation::probe(root + "portable/", QString());
        QVERIFY(f.executableFolderHasData);
        QVERIFY(f.installedData.isEmpty());
        QVERIFY(f.executableFolderWritable);
    }

    void fillFirstStart()
    {
        QTemporaryDir dir;
        const QString src = dir.path() + "/share/";
        const QString dst = dir.path() + "/home/.local/share/ulvendo/";
        QVERIFY(writeFile(src + "Ulvendo.hlp", "help"));
        QVERIFY(writeFile(src + "dictionary/Question.txt", "bundled questions"));
        QVERIFY(writeFile(src + "hit.wav", "RIFF"));
        QVERIFY(writeFile(src + "ulvendo", "the program"));
        // Installed files are read-only; the copies must be the user's.
        QFile::setPermissions(src + "dictionary/Question.txt", QFileDevice::ReadOwner | QFileDevice::ReadOther);
        // A file the user already has is never overwritten.
        QVERIFY(writeFile(dst + "hit.wav", "my own sound"));

        DataLocation::Choice c;
        c.folder = dst;
        c.portable = false;
        c.bundledData = src;
        QString error;
        QVERIFY2(DataLocation::prepare(c, {QFileInfo(src + "ulvendo").canonicalFilePath()}, &error),
                 qPrintable(error));
        QCOMPARE(readFile(dst + "Ulvendo.hlp"), QByteArray("help"));
        QCOMPARE(readFile(dst + "dictionary/Question.txt"), QByteArray("bundled questions"));
        QCOMPARE(readFile(dst + "hit.wav"), QByteArray("my own sound"));
        QVERIFY(!QFileInfo::exists(dst + "ulvendo"));
        QVERIFY(QFileInfo(dst + "dictionary/Question.txt").permissions() & QFileDevice::WriteOwner);
    }

    // After the first start (User.ini exists) nothing is copied again, and a
    // portable folder is never filled.
    void noFill_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::addColumn<bool>("started");
        QTest::newRow("started before") << false << true;
        QTest::newRow("portable") << true << false;
    }
    void noFill()
    {
        QFETCH(bool, portable);
        QFETCH(bool, started);
        QTemporaryDir dir;
        const QString src = dir.path() + "/share/";
        const QString dst = dir.path() + "/data/";
        QVERIFY(writeFile(src + "dictionary/Question.txt", "bundled"));
        if (started)
            QVERIFY(writeFile(dst + "User.ini", "[Setup]\r\nBoot=1\r\n"));
        DataLocation::Choice c{dst, portable, src};
        QVERIFY(DataLocation::prepare(c, {}, nullptr));
        QVERIFY(QFileInfo(dst).isDir());
        QVERIFY(!QFileInfo::exists(dst + "dictionary/Question.txt"));
    }

    void folderCannotBeMade()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.path() + "/file", "x"));
        DataLocation::Choice c{dir.path() + "/file/ulvendo/", false, QString()};
        QString error;
        QVERIFY(!DataLocation::prepare(c, {}, &error));
        QCOMPARE(error, "データフォルダ " + dir.path() + "/file/ulvendo/ を作成できません");
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
