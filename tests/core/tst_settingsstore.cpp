// The settings file: defaults, the flag rule, numbers that do not parse, the
// write-back of every key, the start-up placement, the bars, the caption and
// the recent-file lists.
#include <QtTest>

#include "platform/DateStrings.h"
#include "platform/IniFile.h"
#include "drill/QuestionSet.h"
#include "platform/TextFile.h"
#include "settings/MainWindowState.h"
#include "settings/Plan.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/Users.h"

#include <QDir>
#include <QTemporaryDir>

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Settings m_s;

    void setKey(const QString &section, const QString &key, const QString &value)
    {
        IniFile ini(m_s.setupIniPath());
        ini.writeString(section, key, value);
        QVERIFY(ini.save());
    }
    QString key(const QString &section, const QString &k) const
    {
        return IniFile(m_s.setupIniPath()).readString(section, k, QStringLiteral("<missing>"));
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_s = Settings();
        m_s.ProgramFolder = m_dir.path() + QLatin1Char('/');
        m_s.UserName = QStringLiteral("花子");
        QDir().mkpath(m_s.userFolder());
    }

    void defaultsWithoutFile()
    {
        m_s.TimeLimitOn = 1;
        m_s.TimeLimit = 30;
        LoadSettings(m_s);
        const QString P = m_s.ProgramFolder;
        QCOMPARE(m_s.ShowResult, 1);
        QCOMPARE(m_s.AutoImeOn, 1);
        QCOMPARE(m_s.AtariOn, 1);
        QCOMPARE(m_s.HazureOn, 1);
        QCOMPARE(m_s.ShowComment, 0);
        QCOMPARE(m_s.HintSymbol, QStringLiteral("#"));
        QCOMPARE(m_s.ChangeColorType, 1);
        QCOMPARE(m_s.ChangeColorPercent, 50);
        QCOMPARE(m_s.SavePosition, 1); // the in-memory read uses "1"
        QCOMPARE(m_s.SaveSize, 0);
        QCOMPARE(m_s.moQuestionSize, 90);
        QCOMPARE(m_s.moCommentSize, 50);
        QCOMPARE(m_s.moHoleSize, 27);
        QCOMPARE(m_s.defQuestionFilePath, P + QStringLiteral("dictionary/Question.txt"));
        QCOMPARE(m_s.defReferenceFilePath, P + QStringLiteral("reference/Reference.txt"));
        QCOMPARE(m_s.defDictionaryFilePath, P + QStringLiteral("dictionary/Dictionary.txt"));
        QCOMPARE(m_s.AtariSoundFile, P + QStringLiteral("hit.wav"));
        QCOMPARE(m_s.HazureSoundFile, P + QStringLiteral("out.wav"));
        QCOMPARE(m_s.FinishSoundFile, QString());
        QCOMPARE(m_s.SorbellPath, QString());
        QCOMPARE(m_s.FontQuestion, QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(m_s.FontQuestionSize, 15);
        QCOMPARE(m_s.FontHoleSize, 14);
        QCOMPARE(m_s.FontHoleColor, 16777215);
        QCOMPARE(m_s.ChangeColor, 255);
        QCOMPARE(m_s.ColorQuestionNum, 8421376);
        QCOMPARE(m_s.ColorTime, 8421376);
        QCOMPARE(m_s.QuestionNum, 10);
        QCOMPARE(m_s.DefQuestionFilePath, P + QStringLiteral("dictionary/Question.txt"));
        QCOMPARE(m_s.DefReferenceFilePath, P + QStringLiteral("reference/Reference.txt"));
        QCOMPARE(m_s.DictionaryFilePath, P + QStringLiteral("dictionary/Dictionary.txt"));
        QCOMPARE(m_s.TimeLimitOn, 0);
        QCOMPARE(m_s.TimeLimit, 5);
        QVERIFY(!QFile::exists(m_s.setupIniPath())); // reading never creates the file
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "120" << 120;
        QTest::newRow("spaces around") << " 64 " << 64;
        QTest::newRow("empty") << "" << 90;
        QTest::newRow("letters") << "abc" << 90;
        QTest::newRow("fraction") << "12.5" << 90;
        QTest::newRow("hex") << "0x40" << 90;
        QTest::newRow("negative height") << "-20" << 90;
        QTest::newRow("too large") << "99999999999" << 90;
    }
    void numbers()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        setKey(QStringLiteral("Setup"), QStringLiteral("moQuestionSize"), stored);
        LoadSettings(m_s);
        QCOMPARE(m_s.moQuestionSize, expected);
    }

    void flagRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("onByOne");     // ordinary flags
        QTest::addColumn<bool>("onByNonZero"); // toolbar flags, Maximized, Boot
        QTest::newRow("1") << "1" << true << true;
        QTest::newRow("0") << "0" << false << false;
        QTest::newRow("2") << "2" << false << true;
        QTest::newRow("-1") << "-1" << false << true;
    }
    void flagRule()
    {
        QFETCH(QString, stored);
        QFETCH(bool, onByOne);
        QFETCH(bool, onByNonZero);
        setKey(QStringLiteral("Setup"), QStringLiteral("ShowComment"), stored);
        setKey(QStringLiteral("Toolbar"), QStringLiteral("StatusBar"), stored);
        setKey(QStringLiteral("Toolbar"), QStringLiteral("QuestionSetupToolBar"), stored);
        LoadSettings(m_s);
        QCOMPARE(FlagOn(m_s.ShowComment), onByOne);
        const BarVisibility bars = ReadBarVisibility(m_s);
        QCOMPARE(bars.StatusBar, onByNonZero);
        QCOMPARE(bars.QuestionSetupToolBar, onByNonZero);
        QCOMPARE(bars.StandardToolBar, true); // untouched keys keep their defaults
    }

    void useEndFiles_data()
    {
        QTest::addColumn<QString>("useEnd");
        QTest::addColumn<QString>("questionFile"); // "" = never written
        QTest::addColumn<QString>("expected");     // relative to the program folder, "-" = empty
        QTest::newRow("off") << "0" << "old/A.txt" << "dictionary/Question.txt";
        QTest::newRow("on") << "1" << "old/A.txt" << "old/A.txt";
        QTest::newRow("on, never written") << "1" << "" << "-";
        QTest::newRow("2 is off") << "2" << "old/A.txt" << "dictionary/Question.txt";
    }
    void useEndFiles()
    {
        QFETCH(QString, useEnd);
        QFETCH(QString, questionFile);
        QFETCH(QString, expected);
        setKey(QStringLiteral("Setup"), QStringLiteral("UseEndQuestionFile"), useEnd);
        setKey(QStringLiteral("Setup"), QStringLiteral("UseEndReferenceFile"), useEnd);
        if (!questionFile.isEmpty()) {
            setKey(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionFile"), m_s.ProgramFolder + questionFile);
            setKey(QStringLiteral("QuestionSetup"), QStringLiteral("ReferenceFile"), m_s.ProgramFolder + questionFile);
        }
        LoadSettings(m_s);
        const QString want = expected == QLatin1String("-") ? QString() : m_s.ProgramFolder + expected;
        QCOMPARE(m_s.DefQuestionFilePath, want);
        if (useEnd == QLatin1String("1"))
            QCOMPARE(m_s.DefReferenceFilePath, want);
        else
            QCOMPARE(m_s.DefReferenceFilePath, m_s.ProgramFolder + QStringLiteral("reference/Reference.txt"));
    }

    // The voice: the built-in one unless the learner set up the companion
    // before the choice existed; a stored choice wins.
    void voiceChoice_data()
    {
        QTest::addColumn<QString>("stored"); // "" = absent
        QTest::addColumn<QString>("companion");
        QTest::addColumn<int>("builtIn");
        QTest::newRow("new learner") << "" << "" << 1;
        QTest::newRow("companion set up before") << "" << "/c/qvt.exe" << 0;
        QTest::newRow("companion chosen") << "0" << "" << 0;
        QTest::newRow("built-in chosen over a companion") << "1" << "/c/qvt.exe" << 1;
    }
    void voiceChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, companion);
        if (!stored.isEmpty())
            setKey(QStringLiteral("Setup"), QStringLiteral("UseBuiltInVoice"), stored);
        if (!companion.isEmpty())
            setKey(QStringLiteral("File Path"), QStringLiteral("SorbellPath"), companion);
        LoadSettings(m_s);
        QTEST(m_s.UseBuiltInVoice, "builtIn");
    }

    // Every member written and read back: a key spelled differently on the
    // two sides loses its value.
    void saveWritesEveryKey()
    {
        Settings w = m_s;
        int n = 2;
        for (int *v : {&w.ShowResult, &w.ShowErrorOnly, &w.EasyResultAtari, &w.EasyResultHazure, &w.ErrorDialogOn,
                       &w.AutoImeOn, &w.RepeatError, &w.ImportantOn, &w.AutoImportantOn, &w.IgnoreCase,
                       &w.NotPeriod, &w.ShowComment, &w.ShowHint, &w.MakeLogFile, &w.UseEndQuestionFile,
                       &w.UseEndReferenceFile, &w.AtariOn, &w.HazureOn, &w.FinishOn, &w.ChangeColorOn,
                       &w.ChangeColorType, &w.ChangeColorPercent, &w.PlanOn, &w.ShowPlanOn, &w.VoiceOn,
                       &w.AutoVoiceOn, &w.UseBuiltInVoice, &w.SavePosition, &w.SaveSize, &w.SaveToolBar, &w.NotFlat, &w.ShowDate,
                       &w.DateType, &w.moQuestionSize, &w.moCommentSize, &w.moHoleSize, &w.FontQuestionSize,
                       &w.FontHoleSize, &w.FontCommentSize, &w.FontQuestionColor, &w.FontHoleColor,
                       &w.FontAnswerColor, &w.FontCommentColor, &w.FontReferenceColor, &w.ChangeColor,
                       &w.ColorQuestionNum, &w.ColorAtariNum, &w.ColorPercent, &w.ColorTime})
            *v = n++;
        int t = 0;
        for (QString *v : {&w.HintSymbol, &w.defQuestionFilePath, &w.defReferenceFilePath, &w.defDictionaryFilePath,
                           &w.AtariSoundFile, &w.HazureSoundFile, &w.FinishSoundFile, &w.SorbellPath,
                           &w.FontQuestion, &w.FontHole, &w.FontAnswer, &w.FontComment, &w.FontReference})
            *v = QStringLiteral("値%1").arg(t++);
        QVERIFY(SaveSettings(w));

        Settings r = m_s;
        LoadSettings(r);
        QCOMPARE(r.UseBuiltInVoice, w.UseBuiltInVoice);
        QCOMPARE(r.ShowResult, w.ShowResult);
        QCOMPARE(r.ShowErrorOnly, w.ShowErrorOnly);
        QCOMPARE(r.EasyResultAtari, w.EasyResultAtari);
        QCOMPARE(r.EasyResultHazure, w.EasyResultHazure);
        QCOMPARE(r.ErrorDialogOn, w.ErrorDialogOn);
        QCOMPARE(r.AutoImeOn, w.AutoImeOn);
        QCOMPARE(r.RepeatError, w.RepeatError);
        QCOMPARE(r.ImportantOn, w.ImportantOn);
        QCOMPARE(r.AutoImportantOn, w.AutoImportantOn);
        QCOMPARE(r.IgnoreCase, w.IgnoreCase);
        QCOMPARE(r.NotPeriod, w.NotPeriod);
        QCOMPARE(r.ShowComment, w.ShowComment);
        QCOMPARE(r.ShowHint, w.ShowHint);
        QCOMPARE(r.MakeLogFile, w.MakeLogFile);
        QCOMPARE(r.UseEndQuestionFile, w.UseEndQuestionFile);
        QCOMPARE(r.UseEndReferenceFile, w.UseEndReferenceFile);
        QCOMPARE(r.AtariOn, w.AtariOn);
        QCOMPARE(r.HazureOn, w.HazureOn);
        QCOMPARE(r.FinishOn, w.FinishOn);
        QCOMPARE(r.ChangeColorOn, w.ChangeColorOn);
        QCOMPARE(r.ChangeColorType, w.ChangeColorType);
        QCOMPARE(r.ChangeColorPercent, w.ChangeColorPercent);
        QCOMPARE(r.PlanOn, w.PlanOn);
        QCOMPARE(r.ShowPlanOn, w.ShowPlanOn);
        QCOMPARE(r.VoiceOn, w.VoiceOn);
        QCOMPARE(r.AutoVoiceOn, w.AutoVoiceOn);
        QCOMPARE(r.SavePosition, w.SavePosition);
        QCOMPARE(r.SaveSize, w.SaveSize);
        QCOMPARE(r.SaveToolBar, w.SaveToolBar);
        QCOMPARE(r.NotFlat, w.NotFlat);
        QCOMPARE(r.ShowDate, w.ShowDate);
        QCOMPARE(r.DateType, w.DateType);
        QCOMPARE(r.moQuestionSize, w.moQuestionSize);
        QCOMPARE(r.moCommentSize, w.moCommentSize);
        QCOMPARE(r.moHoleSize, w.moHoleSize);
        QCOMPARE(r.FontQuestionSize, w.FontQuestionSize);
        QCOMPARE(r.FontHoleSize, w.FontHoleSize);
        QCOMPARE(r.FontCommentSize, w.FontCommentSize);
        QCOMPARE(r.FontQuestionColor, w.FontQuestionColor);
        QCOMPARE(r.FontHoleColor, w.FontHoleColor);
        QCOMPARE(r.FontAnswerColor, w.FontAnswerColor);
        QCOMPARE(r.FontCommentColor, w.FontCommentColor);
        QCOMPARE(r.FontReferenceColor, w.FontReferenceColor);
        QCOMPARE(r.ChangeColor, w.ChangeColor);
        QCOMPARE(r.ColorQuestionNum, w.ColorQuestionNum);
        QCOMPARE(r.ColorAtariNum, w.ColorAtariNum);
        QCOMPARE(r.ColorPercent, w.ColorPercent);
        QCOMPARE(r.ColorTime, w.ColorTime);
        QCOMPARE(r.HintSymbol, w.HintSymbol);
        QCOMPARE(r.defQuestionFilePath, w.defQuestionFilePath);
        QCOMPARE(r.defReferenceFilePath, w.defReferenceFilePath);
        QCOMPARE(r.defDictionaryFilePath, w.defDictionaryFilePath);
        QCOMPARE(r.AtariSoundFile, w.AtariSoundFile);
        QCOMPARE(r.HazureSoundFile, w.HazureSoundFile);
        QCOMPARE(r.FinishSoundFile, w.FinishSoundFile);
        QCOMPARE(r.SorbellPath, w.SorbellPath);
        QCOMPARE(r.FontQuestion, w.FontQuestion);
        QCOMPARE(r.FontHole, w.FontHole);
        QCOMPARE(r.FontAnswer, w.FontAnswer);
        QCOMPARE(r.FontComment, w.FontComment);
        QCOMPARE(r.FontReference, w.FontReference);

        // The keys land in the sections the file format names.
        QCOMPARE(key(QStringLiteral("Color"), QStringLiteral("QuestionNum")), QString::number(w.ColorQuestionNum));
        QCOMPARE(key(QStringLiteral("Font"), QStringLiteral("FontHoleSize")), QString::number(w.FontHoleSize));
        QCOMPARE(key(QStringLiteral("File Path"), QStringLiteral("SorbellPath")), w.SorbellPath);
        QCOMPARE(key(QStringLiteral("Setup"), QStringLiteral("AddOn")), QStringLiteral("<missing>"));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("savePosition"); // "-" = key missing
        QTest::addColumn<QString>("saveSize");
        QTest::addColumn<QString>("maximized");
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("resize");
        QTest::addColumn<bool>("maximize");
        QTest::newRow("never set: maximised, not moved") << "-" << "-" << "-" << false << false << true;
        QTest::newRow("position and size restored") << "1" << "1" << "0" << true << true << false;
        QTest::newRow("position alone: moved, then maximised") << "1" << "0" << "0" << true << false << true;
        QTest::newRow("size alone") << "0" << "1" << "0" << false << true << false;
        QTest::newRow("position, Maximized missing") << "1" << "1" << "-" << false << true << true;
        QTest::newRow("recorded maximised") << "1" << "1" << "1" << false << false << true;
        QTest::newRow("Maximized 2 counts as on") << "1" << "1" << "2" << false << false << true;
        QTest::newRow("SavePosition 2 is off") << "2" << "1" << "0" << false << true << false;
    }
    void placement()
    {
        QFETCH(QString, savePosition);
        QFETCH(QString, saveSize);
        QFETCH(QString, maximized);
        QFETCH(bool, move);
        QFETCH(bool, resize);
        QFETCH(bool, maximize);
        if (savePosition != QLatin1String("-"))
            setKey(QStringLiteral("Setup"), QStringLiteral("SavePosition"), savePosition);
        if (saveSize != QLatin1String("-"))
            setKey(QStringLiteral("Setup"), QStringLiteral("SaveSize"), saveSize);
        if (maximized != QLatin1String("-"))
            setKey(QStringLiteral("Form Information"), QStringLiteral("Maximized"), maximized);
        setKey(QStringLiteral("Form Information"), QStringLiteral("Left"), QStringLiteral("33"));
        setKey(QStringLiteral("Form Information"), QStringLiteral("Top"), QStringLiteral("44"));
        setKey(QStringLiteral("Form Information"), QStringLiteral("Width"), QStringLiteral("700"));
        setKey(QStringLiteral("Form Information"), QStringLiteral("Height"), QStringLiteral("500"));
        const WindowPlacement p = ReadWindowPlacement(m_s);
        QCOMPARE(p.Move, move);
        QCOMPARE(p.Resize, resize);
        QCOMPARE(p.Maximize, maximize);
        if (move) {
            QCOMPARE(p.Left, 33);
            QCOMPARE(p.Top, 44);
        }
        if (resize) {
            QCOMPARE(p.Width, 700);
            QCOMPARE(p.Height, 500);
        }
    }

    void shutdownRecord()
    {
        ShutdownRecord r;
        r.AnswerType = 2;
        r.QuestionType = 1;
        r.QuestionNum = 25;
        r.QuestionFile = QStringLiteral("/x/問題.txt");
        r.ReferenceFile = QString();
        r.Bars.StandardToolBar = false;
        r.Bars.QuestionSetupToolBar = true;
        r.Maximized = false;
        r.Left = -4;
        r.Top = 12;
        r.Width = 800;
        r.Height = 600;
        QVERIFY(WriteShutdownSetup(m_s, r));
        QCOMPARE(key(QStringLiteral("QuestionSetup"), QStringLiteral("AnswerType")), QStringLiteral("2"));
        QCOMPARE(key(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionType")), QStringLiteral("1"));
        QCOMPARE(key(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionNum")), QStringLiteral("25"));
        QCOMPARE(key(QStringLiteral("QuestionSetup"), QStringLiteral("QuestionFile")), r.QuestionFile);
        QCOMPARE(key(QStringLiteral("QuestionSetup"), QStringLiteral("ReferenceFile")), QString());
        QCOMPARE(key(QStringLiteral("Toolbar"), QStringLiteral("StandardToolBar")), QStringLiteral("0"));
        QCOMPARE(key(QStringLiteral("Toolbar"), QStringLiteral("FileToolBar")), QStringLiteral("1"));
        QCOMPARE(key(QStringLiteral("Toolbar"), QStringLiteral("QuestionSetupToolBar")), QStringLiteral("1"));
        QCOMPARE(key(QStringLiteral("Form Information"), QStringLiteral("Maximized")), QStringLiteral("0"));
        QCOMPARE(key(QStringLiteral("Form Information"), QStringLiteral("Left")), QStringLiteral("-4"));
        QCOMPARE(key(QStringLiteral("Form Information"), QStringLiteral("Height")), QStringLiteral("600"));

        // Without a user folder nothing can be written, and that is told.
        m_s.UserName = QStringLiteral("nobody");
        QString error;
        QVERIFY(!WriteShutdownSetup(m_s, r, &error));
        QVERIFY(!error.isEmpty());
    }

    void caption_data()
    {
        QTest::addColumn<QString>("showDate");
        QTest::addColumn<int>("dateType");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date and time") << "1" << 0 << "Ulvendo   2001年3月9日 , 14：5：07   【花子】";
        QTest::newRow("date only") << "1" << 1 << "Ulvendo   2001年3月9日   【花子】";
        QTest::newRow("time only") << "1" << 2 << "Ulvendo   14：5：07   【花子】";
        QTest::newRow("no date") << "0" << 0 << "Ulvendo   【花子】";
        QTest::newRow("no date, type 2") << "0" << 2 << "Ulvendo   【花子】";
        QTest::newRow("ShowDate 2 is off") << "2" << 1 << "Ulvendo   【花子】";
        QTest::newRow("unknown type") << "1" << 7 << "Ulvendo   2001年3月9日 , 14：5：07   【花子】";
    }
    void caption()
    {
        QFETCH(QString, showDate);
        QFETCH(int, dateType);
        QFETCH(QString, expected);
        m_s.ShowDate = showDate.toInt();
        m_s.DateType = dateType;
        const DateStrings d = DateStrings::from(QDateTime(QDate(2001, 3, 9), QTime(14, 5, 7)));
        QCOMPARE(MainCaption(m_s, d), expected);
    }

    void statusPanel0()
    {
        QCOMPARE(StatusPanel0Width(1024), 249);
        QCOMPARE(StatusPanel0Width(775), 0);
        QCOMPARE(StatusPanel0Width(600), 0);
    }

    // --- recent-file lists ----------------------------------------------------------

    void recentAddAndLookUp()
    {
        const QString P = m_s.ProgramFolder;
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, P + QStringLiteral("a/Basic.txt"), &added));
        QVERIFY(added);
        QVERIFY(AddRecentFile(m_s, RecentList::Question, P + QStringLiteral("b/英文法.txt"), &added));
        QVERIFY(added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"Basic.txt", "英文法.txt"}));
        QCOMPARE(key(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("2"));
        QCOMPARE(key(QStringLiteral("Question"), QStringLiteral("2")), QStringLiteral("英文法.txt"));
        QCOMPARE(RecentFilePath(m_s, RecentList::Question, QStringLiteral("英文法.txt")), P + QStringLiteral("b/英文法.txt"));
        QCOMPARE(RecentFilePath(m_s, RecentList::Question, QStringLiteral("missing.txt")), QString());
        // The two lists are separate.
        QVERIFY(RecentFileNames(m_s, RecentList::Reference).isEmpty());
        QCOMPARE(RecentFilePath(m_s, RecentList::Reference, QStringLiteral("Basic.txt")), QString());
    }

    // A list emptied by a reset takes the new name in its first entry, as
    // ever; a list damaged by hand keeps every entry and shows the new one.
    void recentAddToEmptiedOrDamagedList_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("emptied by a reset") << QByteArray("DicCount=0\r\n1=\r\n2=\r\n")
                                            << QStringList{"New.txt"};
        QTest::newRow("first entry missing") << QByteArray("DicCount=2\r\n2=Old.txt\r\n")
                                             << QStringList{"Old.txt", "New.txt"};
        QTest::newRow("entry beyond the count") << QByteArray("DicCount=1\r\n1=A.txt\r\n2=B.txt\r\n")
                                                << QStringList{"A.txt", "B.txt", "New.txt"};
        QTest::newRow("the name beyond the count") << QByteArray("DicCount=1\r\n1=A.txt\r\n2=New.txt\r\n")
                                                   << QStringList{"A.txt", "New.txt"};
    }
    void recentAddToEmptiedOrDamagedList()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, after);
        QVERIFY(TextFile::writeBytes(m_s.setupIniPath(), "[Question]\r\n" + list));
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, m_s.ProgramFolder + QStringLiteral("New.txt"), &added));
        QVERIFY(added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), after);
        if (QByteArray(QTest::currentDataTag()) == "emptied by a reset")
            QCOMPARE(IniFile(m_s.setupIniPath()).readString(QStringLiteral("Question"), QStringLiteral("2"), "<none>"),
                     QString());
    }

    // Collection names and folders of any script through Setup.ini: the
    // recent list finds the path again, the resume position is one key that
    // reads back, the default paths survive a save and a load.
    void namesAndPathsReadBack_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        const QStringList names{"Übung.txt", "単語〜.txt", "Room=5.txt", "[x.txt", ";x.txt",
                                "山田表.txt", "café −5度.txt", " spaced .txt"};
        for (const QString &n : names)
            QTest::addRow("%s", qPrintable(n)) << QStringLiteral("home/zoë/") << n;
    }
    void namesAndPathsReadBack()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        const QString path = m_s.ProgramFolder + folder + name;
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, path, &added));
        QVERIFY(added);
        QVERIFY(AddRecentFile(m_s, RecentList::Question, path, &added));
        QVERIFY(!added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList{name});
        QCOMPARE(RecentFilePath(m_s, RecentList::Question, name), path);

        for (int pos : {3, 4, 5})
            QVERIFY(SaveContinuePos(m_s.setupIniPath(), name, pos));
        QCOMPARE(ReadContinuePos(m_s.setupIniPath(), name), 5);
        QCOMPARE(IniFile(m_s.setupIniPath()).keys(QStringLiteral("NotRandomContinue")), QStringList{name});

        Settings w = m_s;
        w.defQuestionFilePath = path;
        w.defReferenceFilePath = m_s.ProgramFolder + folder + QStringLiteral("参考書.txt");
        QVERIFY(SaveSettings(w));
        Settings r = m_s;
        LoadSettings(r);
        QCOMPARE(r.defQuestionFilePath, path);
        QCOMPARE(r.defReferenceFilePath, w.defReferenceFilePath);
        QByteArray bytes;
        QVERIFY(TextFile::readBytes(m_s.setupIniPath(), bytes));
        QVERIFY(!bytes.contains('?'));
    }

    void recentSameNameOtherFolder()
    {
        const QString P = m_s.ProgramFolder;
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Reference, P + QStringLiteral("one/Ref.txt"), &added));
        const QByteArray before = [&] { QFile f(m_s.setupIniPath()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QVERIFY(AddRecentFile(m_s, RecentList::Reference, P + QStringLiteral("two/Ref.txt"), &added));
        QVERIFY(!added);
        const QByteArray after = [&] { QFile f(m_s.setupIniPath()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QCOMPARE(after, before); // count, order and path all unchanged
        QCOMPARE(RecentFilePath(m_s, RecentList::Reference, QStringLiteral("Ref.txt")), P + QStringLiteral("one/Ref.txt"));
        // Choosing the other file by its open button points the name at it.
        QVERIFY(RememberRecentPath(m_s, RecentList::Reference, P + QStringLiteral("two/Ref.txt")));
        QCOMPARE(RecentFilePath(m_s, RecentList::Reference, QStringLiteral("Ref.txt")), P + QStringLiteral("two/Ref.txt"));
        QCOMPARE(RecentFileNames(m_s, RecentList::Reference), QStringList({"Ref.txt"}));
    }

    void recentMatchingIsCaseSensitive()
    {
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/Question.txt"), &added));
        QVERIFY(AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/question.txt"), &added));
        QVERIFY(added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"Question.txt", "question.txt"}));
    }

    void recentEntriesAreReducedToNames()
    {
        // An entry written with a folder (by hand or an older program) shows
        // as its file name.
        setKey(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("2"));
        setKey(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("C:\\data\\Old.txt"));
        setKey(QStringLiteral("Question"), QStringLiteral("2"), QStringLiteral("/home/x/New.txt"));
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"Old.txt", "New.txt"}));
        // Such an entry is the entry of its file name: using that file adds
        // no second "Old.txt" to the list.
        bool added = true;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/Old.txt"), &added));
        QVERIFY(!added);
        QVERIFY(AddRecentFile(m_s, RecentList::Question, QStringLiteral("/home/x/New.txt"), &added));
        QVERIFY(!added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"Old.txt", "New.txt"}));
        QCOMPARE(key(QStringLiteral("Question"), QStringLiteral("DicCount")), QStringLiteral("2"));
    }

    void recentReset()
    {
        AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/A.txt"));
        AddRecentFile(m_s, RecentList::Reference, QStringLiteral("/d/R.txt"));
        QVERIFY(ResetRecentFiles(m_s));
        QVERIFY(RecentFileNames(m_s, RecentList::Question).isEmpty());
        QVERIFY(RecentFileNames(m_s, RecentList::Reference).isEmpty());
        QCOMPARE(key(QStringLiteral("Question"), QStringLiteral("1")), QString());
        QCOMPARE(key(QStringLiteral("Reference"), QStringLiteral("RefCount")), QStringLiteral("0"));
        QCOMPARE(RecentFilePath(m_s, RecentList::Question, QStringLiteral("A.txt")), QStringLiteral("/d/A.txt"));
        // After a reset the next file starts the list again at 1.
        bool added = false;
        AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/A.txt"), &added);
        QVERIFY(added);
        QCOMPARE(key(QStringLiteral("Question"), QStringLiteral("1")), QStringLiteral("A.txt"));
    }

    // A damaged count is bounded by the entries the file holds: nothing
    // loops over numbers that have no entry, and nothing invents entries.
    void damagedCounts_data()
    {
        QTest::addColumn<QString>("count");
        for (const char *c : {"1000000", "2000000000", "2147483647"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void damagedCounts()
    {
        QFETCH(QString, count);
        IniFile user(m_s.userIniPath());
        user.writeString(QStringLiteral("User"), QStringLiteral("UserNum"), count);
        user.writeString(QStringLiteral("User"), QStringLiteral("1"), QStringLiteral("花子"));
        user.writeString(QStringLiteral("User"), QStringLiteral("2"), QStringLiteral("太郎"));
        QVERIFY(user.save());
        setKey(QStringLiteral("Question"), QStringLiteral("DicCount"), count);
        setKey(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("A.txt"));
        setKey(QStringLiteral("Reference"), QStringLiteral("RefCount"), count);
        setKey(QStringLiteral("Reference"), QStringLiteral("1"), QStringLiteral("R.txt"));
        setKey(QStringLiteral("Plan"), QStringLiteral("PlanNum"), count);
        setKey(QStringLiteral("Plan"), QStringLiteral("0"), QStringLiteral("2001/12/24,試験"));
        setKey(QStringLiteral("Plan"), QStringLiteral("1"), QStringLiteral("2002/1/5,旅行"));

        QCOMPARE(RegisteredUsers(m_s.ProgramFolder), QStringList({"花子", "太郎"}));
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"A.txt"}));
        QCOMPARE(RecentFileNames(m_s, RecentList::Reference), QStringList({"R.txt"}));
        QCOMPARE(ReadPlan(m_s.setupIniPath()).size(), 2);
        bool added = false;
        QVERIFY(AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/B.txt"), &added));
        QVERIFY(added);
        QCOMPARE(RecentFileNames(m_s, RecentList::Question), QStringList({"A.txt", "B.txt"}));
        QVERIFY(RemoveFirstPlanItem(m_s.setupIniPath()));
        QCOMPARE(key(QStringLiteral("Plan"), QStringLiteral("PlanNum")), QStringLiteral("1"));
        QVERIFY(ResetRecentFiles(m_s));
        QCOMPARE(IniFile(m_s.setupIniPath()).keys(QStringLiteral("Reference")).size(), 2);
        QVERIFY(QFileInfo(m_s.setupIniPath()).size() < 1000);
    }

    void recentWithoutUserFolder()
    {
        m_s.UserName = QStringLiteral(" ");
        bool added = true;
        QString error;
        QVERIFY(!AddRecentFile(m_s, RecentList::Question, QStringLiteral("/d/A.txt"), &added, &error));
        QVERIFY(!added);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
