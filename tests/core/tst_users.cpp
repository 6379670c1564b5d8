// Users in User.ini and their folders; the companion program's rules.
#include <QtTest>

#include "companion/Companion.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "settings/Settings.h"
#include "settings/Users.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestUsers : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Settings m_s;

    QString userIni(const QString &section, const QString &key) const
    {
        return IniFile(m_s.userIniPath()).readString(section, key, QStringLiteral("<missing>"));
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_s = Settings();
        m_s.ProgramFolder = m_dir.path() + QLatin1Char('/');
    }

    void freshInstallation()
    {
        const UserIniStart start = ReadUserIniStart(m_s.ProgramFolder);
        QCOMPARE(start.Boot, 0);
        QCOMPARE(start.ShowUser, 0);
        QCOMPARE(start.UserName, QStringLiteral(" "));
        QVERIFY(RegisteredUsers(m_s.ProgramFolder).isEmpty());
    }

    void bootValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("boot");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("text") << "yes" << 0;
    }
    void bootValues()
    {
        QFETCH(QString, stored);
        QFETCH(int, boot);
        IniFile ini(m_s.userIniPath());
        ini.writeString(QStringLiteral("Setup"), QStringLiteral("Boot"), stored);
        QVERIFY(ini.save());
        QCOMPARE(ReadUserIniStart(m_s.ProgramFolder).Boot, boot);
    }

    void chooseNewAndKnownUsers()
    {
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QCOMPARE(m_s.UserName, QStringLiteral("taro"));
        QCOMPARE(m_s.UserNum, 1);
        QCOMPARE(userIni(QStringLiteral("User"), QStringLiteral("UserNum")), QStringLiteral("1"));
        QCOMPARE(userIni(QStringLiteral("User"), QStringLiteral("1")), QStringLiteral("taro"));
        QCOMPARE(userIni(QStringLiteral("taro"), QStringLiteral("Num")), QStringLiteral("1"));
        QVERIFY(QFileInfo(m_s.ProgramFolder + QStringLiteral("taro")).isDir());

        QVERIFY(ChooseUser(m_s, QStringLiteral("花子")));
        QCOMPARE(m_s.UserNum, 2);
        QCOMPARE(userIni(QStringLiteral("User"), QStringLiteral("2")), QStringLiteral("花子"));

        // A known name adds nothing and counts one more start.
        QFile marker(m_s.ProgramFolder + QStringLiteral("taro/keep.dat"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QCOMPARE(m_s.UserNum, 2);
        QCOMPARE(userIni(QStringLiteral("User"), QStringLiteral("UserNum")), QStringLiteral("2"));
        QCOMPARE(userIni(QStringLiteral("taro"), QStringLiteral("Num")), QStringLiteral("2"));
        QVERIFY(marker.exists()); // the existing folder is left alone
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"taro", "花子"}));
    }

    void namesDifferingInCaseAreTwoUsers()
    {
        QVERIFY(ChooseUser(m_s, QStringLiteral("Ken")));
        QVERIFY(ChooseUser(m_s, QStringLiteral("ken")));
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"Ken", "ken"}));
        QCOMPARE(m_s.UserNum, 2);
    }

    void spacesAroundANameAreDropped()
    {
        QVERIFY(ChooseUser(m_s, QStringLiteral("  jiro ")));
        QCOMPARE(m_s.UserName, QStringLiteral("jiro"));
        QVERIFY(ChooseUser(m_s, QStringLiteral("jiro")));
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"jiro"}));
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("emptyMessage");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("spaces") << "   " << true;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("climbing") << "../x" << false;
        QTest::newRow("line break") << "ta\nro" << false;
        QTest::newRow("carriage return") << "ta\rro" << false;
        QTest::newRow("tab") << "ta\tro" << false;
        QTest::newRow("escape") << "ta\x1bro" << false;
        QTest::newRow("delete") << "ta\x7fro" << false;
        QTest::newRow("line separator") << QString::fromUtf8("ta\u2028ro") << false;
        QTest::newRow("too long for a folder") << QString(256, QLatin1Char('x')) << false;
    }
    void refusedNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, emptyMessage);
        const QString problem = UserNameProblem(name);
        QVERIFY(!problem.isEmpty());
        QCOMPARE(problem == EmptyUserNameMessage(), emptyMessage);
        QCOMPARE(EmptyUserNameMessage(), QStringLiteral("ユーザー名が選択 / 記入されていません"));

        m_s.UserName = QStringLiteral("before");
        QString error;
        QVERIFY(!ChooseUser(m_s, name, &error));
        QCOMPARE(error, problem);
        QCOMPARE(m_s.UserName, QStringLiteral("before"));
        QVERIFY(!RegisterUser(m_s, name, &error));
        QVERIFY(!QFile::exists(m_s.userIniPath())); // nothing written
        QCOMPARE(QDir(m_s.ProgramFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void acceptedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("japanese") << "山田 太郎";
        QTest::newRow("dots inside") << "a.b";
        QTest::newRow("three dots") << "...";
        QTest::newRow("accented") << QString::fromUtf8("Zoë");
        QTest::newRow("outside Shift-JIS") << QString::fromUtf8("김민준");
        QTest::newRow("0x5C trail byte") << QString::fromUtf8("山田表");
        QTest::newRow("equals sign") << "a=b";
        QTest::newRow("bracket first") << "[x";
        QTest::newRow("semicolon first") << ";x";
        QTest::newRow("255 bytes") << QString(255, QLatin1Char('x'));
    }
    // A name that can be a folder is stored and found again as it is.
    void acceptedNames()
    {
        QFETCH(QString, name);
        QVERIFY(UserNameProblem(name).isEmpty());
        QVERIFY(ChooseUser(m_s, name));
        QVERIFY(QFileInfo(m_s.ProgramFolder + name).isDir());
        QVERIFY(WriteShutdownUser(m_s));
        QCOMPARE(ReadUserIniStart(m_s.ProgramFolder).UserName, name);
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList{name});
        QVERIFY(ChooseUser(m_s, name));
        QCOMPARE(UserStartCount(m_s.ProgramFolder, name), 2);
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList{name});
    }

    void registeringAKnownNameKeepsItsCount()
    {
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QCOMPARE(userIni(QStringLiteral("taro"), QStringLiteral("Num")), QStringLiteral("2"));
        m_s.UserName = QStringLiteral("taro");
        QVERIFY(RegisterUser(m_s, QStringLiteral("taro")));
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"taro"}));
        QCOMPARE(userIni(QStringLiteral("taro"), QStringLiteral("Num")), QStringLiteral("2"));
        QCOMPARE(m_s.UserNum, 1);
        QVERIFY(RegisterUser(m_s, QStringLiteral("新人")));
        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"taro", "新人"}));
        QCOMPARE(userIni(QStringLiteral("新人"), QStringLiteral("Num")), QStringLiteral("0"));
        QCOMPARE(m_s.UserNum, 2);
        QCOMPARE(m_s.UserName, QStringLiteral("taro")); // registering does not switch user
        QVERIFY(QFileInfo(m_s.ProgramFolder + QStringLiteral("新人")).isDir());
    }

    // A list of users damaged by hand (a number missing, entries beyond the
    // count) takes a new name without losing an entry, and the new name is
    // listed afterwards, from either dialog.
    void damagedListKeepsEveryUser_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("whole list") << QByteArray("UserNum=2\r\n1=hanako\r\n2=jiro\r\n")
                                    << QStringList{"hanako", "jiro", "taro"};
        QTest::newRow("first entry missing") << QByteArray("UserNum=2\r\n2=hanako\r\n")
                                             << QStringList{"hanako", "taro"};
        QTest::newRow("entry beyond the count") << QByteArray("UserNum=1\r\n1=ichiro\r\n2=hanako\r\n")
                                                << QStringList{"ichiro", "hanako", "taro"};
        QTest::newRow("count beyond the entries") << QByteArray("UserNum=5\r\n1=ichiro\r\n2=hanako\r\n")
                                                  << QStringList{"ichiro", "hanako", "taro"};
        QTest::newRow("name beyond the count") << QByteArray("UserNum=1\r\n1=ichiro\r\n2=taro\r\n")
                                               << QStringList{"ichiro", "taro"};
    }
    void damagedListKeepsEveryUser()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, after);
        for (const bool choose : {true, false}) {
            QFile f(m_s.userIniPath());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("[Setup]\r\nBoot=1\r\n[User]\r\n" + list);
            f.close();
            QVERIFY(choose ? ChooseUser(m_s, QStringLiteral("taro")) : RegisterUser(m_s, QStringLiteral("taro")));
            QCOMPARE(RegisteredUsers(m_s.ProgramFolder), after);
            QCOMPARE(m_s.UserNum, int(after.size()));
        }
    }

    // A name whose folder cannot be made leaves User.ini and the folder as
    // they were, from either dialog.
    void folderFailureChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("viaSettings");
        for (bool viaSettings : {false, true}) {
            const char *from = viaSettings ? "settings: " : "user dialog: ";
            QTest::newRow(qPrintable(QLatin1String(from) + "User.ini")) << "User.ini" << viaSettings;
            QTest::newRow(qPrintable(QLatin1String(from) + "hit.wav")) << "hit.wav" << viaSettings;
            QTest::newRow(qPrintable(QLatin1String(from) + "300 letters"))
                << QString(300, QLatin1Char('a')) << viaSettings;
            QTest::newRow(qPrintable(QLatin1String(from) + "90 kanji"))
                << QString(90, QChar(0x6F22)) << viaSettings;
        }
    }
    void folderFailureChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, viaSettings);
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QFile wav(m_s.ProgramFolder + QStringLiteral("hit.wav"));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.close();
        QFile ini(m_s.userIniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray before = ini.readAll();
        ini.close();
        const QStringList entries = QDir(m_s.ProgramFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        QString error;
        const bool ok = viaSettings ? RegisterUser(m_s, name, &error) : ChooseUser(m_s, name, &error);
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), before);
        QCOMPARE(QDir(m_s.ProgramFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
        QCOMPARE(m_s.UserName, QStringLiteral("taro"));
        QCOMPARE(m_s.UserNum, 1);
    }

    void raiseAndShutdown()
    {
        QVERIFY(ChooseUser(m_s, QStringLiteral("taro")));
        QVERIFY(RaiseUserStartCount(m_s));
        QVERIFY(RaiseUserStartCount(m_s));
        QCOMPARE(UserStartCount(m_s.ProgramFolder, QStringLiteral("taro")), 3);
        QVERIFY(WriteShowUser(m_s.ProgramFolder, 1));
        QVERIFY(WriteShutdownUser(m_s));
        const UserIniStart start = ReadUserIniStart(m_s.ProgramFolder);
        QCOMPARE(start.Boot, 1);
        QCOMPARE(start.ShowUser, 1);
        QCOMPARE(start.UserName, QStringLiteral("taro"));
    }

    void unnamedUserSurvivesShutdown()
    {
        // A first run whose user dialog was closed keeps the one-space name.
        m_s.UserName = QStringLiteral(" ");
        QVERIFY(WriteShutdownUser(m_s));
        QCOMPARE(ReadUserIniStart(m_s.ProgramFolder).UserName, QStringLiteral(" "));
        QCOMPARE(ReadUserIniStart(m_s.ProgramFolder).Boot, 1);
    }

    // --- companion ---------------------------------------------------------------------

    void companionAvailable_data()
    {
        QTest::addColumn<QString>("file");   // created in the folder, "" = none
        QTest::addColumn<QString>("asked");  // path asked about
        QTest::addColumn<bool>("available");
        QTest::newRow("exact name") << "qvt.exe" << "qvt.exe" << true;
        QTest::newRow("upper case") << "QVT.exe" << "QVT.exe" << false;
        QTest::newRow("capital Q") << "Qvt.exe" << "Qvt.exe" << false;
        QTest::newRow("missing") << "" << "qvt.exe" << false;
        QTest::newRow("other program") << "speak.exe" << "speak.exe" << false;
        QTest::newRow("empty path") << "" << "" << false;
    }
    void companionAvailable()
    {
        QFETCH(QString, file);
        QFETCH(QString, asked);
        QFETCH(bool, available);
        const QString folder = m_s.ProgramFolder + QStringLiteral("sorbell/");
        QDir().mkpath(folder);
        if (!file.isEmpty()) {
            QFile f(folder + file);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(Companion::isAvailable(asked.isEmpty() ? QString() : folder + asked), available);
    }

    void companionFolderNamedLikeTheProgram()
    {
        QDir().mkpath(m_s.ProgramFolder + QStringLiteral("qvt.exe"));
        QVERIFY(!Companion::isAvailable(m_s.ProgramFolder + QStringLiteral("qvt.exe")));
    }

    void companionCommands()
    {
        QCOMPARE(Companion::speakCommand(QStringLiteral("I have a pen.")), QStringLiteral("QVT;I have a pen."));
        QCOMPARE(Companion::reactionCommand(Companion::Correct), QStringLiteral("ANI;1"));
        QCOMPARE(Companion::reactionCommand(Companion::Wrong), QStringLiteral("ANI;2"));
        QCOMPARE(Companion::reactionCommand(Companion::Greeting), QStringLiteral("ANI;3"));
        QCOMPARE(Companion::reactionCommand(Companion::Farewell), QStringLiteral("ANI;4"));
        QCOMPARE(Companion::reactionCommand(Companion::AcceptedAsCorrect), QStringLiteral("ANI;13"));
        QCOMPARE(Companion::windowCaption(), QStringLiteral("Qvt"));
    }

    void companionHandOver()
    {
        const QString folder = m_s.ProgramFolder + QStringLiteral("sorbell/");
        QDir().mkpath(folder);
        QFile(folder + QStringLiteral("qvt.exe")).open(QIODevice::WriteOnly);
        {
            IniFile ini(folder + QStringLiteral("Setup.ini"));
            ini.writeString(QStringLiteral("Voice"), QStringLiteral("Speed"), QStringLiteral("3"));
            QVERIFY(ini.save());
        }
        QVERIFY(Companion::handOverPosition(folder + QStringLiteral("qvt.exe"), 100, 50, 835, 600));
        const IniFile ini(folder + QStringLiteral("Setup.ini"));
        QCOMPARE(ini.readString(QStringLiteral("Setup"), QStringLiteral("left")), QStringLiteral("935"));
        QCOMPARE(ini.readString(QStringLiteral("Setup"), QStringLiteral("top")), QStringLiteral("650"));
        QCOMPARE(ini.readString(QStringLiteral("Voice"), QStringLiteral("Speed")), QStringLiteral("3"));
        // No path, no file.
        QVERIFY(Companion::handOverPosition(QString(), 1, 2, 3, 4));
        QVERIFY(!QFile::exists(m_s.ProgramFolder + QStringLiteral("Setup.ini")));
    }

    // Only an available companion named by an absolute path gets the
    // position: nothing is written anywhere else.
    void companionHandOverOnlyWhenAvailable_data()
    {
        QTest::addColumn<QString>("sorbellPath"); // relative to the program folder unless "rel:"
        QTest::addColumn<bool>("written");
        QTest::newRow("available") << "sorbell/qvt.exe" << true;
        QTest::newRow("no such file") << "other/qvt.exe" << false;
        QTest::newRow("another program") << "sorbell/speak.exe" << false;
        QTest::newRow("a folder named qvt.exe") << "dir/qvt.exe" << false;
        QTest::newRow("relative path") << "rel:sorbell/qvt.exe" << false;
    }
    void companionHandOverOnlyWhenAvailable()
    {
        QFETCH(QString, sorbellPath);
        QFETCH(bool, written);
        for (const char *dir : {"sorbell", "other", "dir/qvt.exe"})
            QDir().mkpath(m_s.ProgramFolder + QLatin1String(dir));
        QFile(m_s.ProgramFolder + QStringLiteral("sorbell/qvt.exe")).open(QIODevice::WriteOnly);
        QFile(m_s.ProgramFolder + QStringLiteral("sorbell/speak.exe")).open(QIODevice::WriteOnly);
        const QString saved = QDir::currentPath();
        QDir::setCurrent(m_s.ProgramFolder); // a relative path would land here
        const bool relative = sorbellPath.startsWith(QLatin1String("rel:"));
        const QString path = relative ? sorbellPath.mid(4) : m_s.ProgramFolder + sorbellPath;
        QVERIFY(Companion::handOverPosition(path, 10, 20, 300, 200));
        QDir::setCurrent(saved);
        const QString ini = m_s.ProgramFolder + Paths::folderOf(sorbellPath.mid(relative ? 4 : 0))
                            + QStringLiteral("Setup.ini");
        QCOMPARE(QFile::exists(ini), written);
        for (const char *dir : {"", "other/", "dir/", "dir/qvt.exe/"})
            QVERIFY(!QFile::exists(m_s.ProgramFolder + QLatin1String(dir) + QStringLiteral("Setup.ini")));
    }
};

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
