// The main window's start-up, layout, bars, caption and shutdown, the user
// dialog and the companion hand-over, over a temporary program folder.
#include <QtTest>

#include "TestEnv.h"
#include "app/frmTitle.h"
#include "widgets/Icons.h"
#include "widgets/Look.h"
#include "app/frmUser.h"
#include "companion/Companion.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "settings/Users.h"
#include "widgets/Gauge.h"
#include "widgets/StatusBar.h"
#include "widgets/ToolBar.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kWelcome = QStringLiteral(
    "この度は、Ulvendoをダウンロードしていただきありがとうございます m(._.)m\n\n"
    "まず最初に、ユーザー名を指定する必要があります\n"
    "次に表示されるダイアログで、ユーザー名を記入し\"OK\"を押してください\n"
    "（次回からこのウインドウは表示されません）");

// A dialog handler that types a name into the user dialog and presses OK.
std::function<void(QDialog *)> chooseUser(const QString &name)
{
    return [name](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        QVERIFY(u);
        u->cboUserName->setEditText(name);
        u->cmdOk->click();
    };
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The calls of the given kinds, as "kind:text", in order.
QStringList callTrail(const ScriptedPlatform &p, const QStringList &kinds)
{
    QStringList out;
    for (const PlatformCall &c : p.calls)
        if (kinds.contains(c.kind))
            out << c.kind + QLatin1Char(':') + (c.kind == QLatin1String("close") ? c.caption : c.text);
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWithoutFiles();
    void closingTheUserDialogOnAFirstRun();
    void laterStartWithoutDialog();
    void showUserShowsTheDialog();
    void userDialogRefusesNames();
    void handEditedUserNameIsNotAFolder();
    void staleTempFilesRemovedAtStartUp();
    void notShowWritesZeroOnEveryClick();
    void caption_data();
    void caption();
    void savedToolBars_data();
    void savedToolBars();
    void savePositionIsReadTwice();
    void recordedGeometry_data();
    void recordedGeometry();
    void recentListsAndPreviousSetUp();
    void displaySettings();
    void paneHeightsFitTheScreen_data();
    void paneHeightsFitTheScreen();
    void barsFromBothMenus();
    void resizeLaysOutStatusPanels();
    void popupMenus();
    void everyCommandExists();
    void companionOff();
    void companionOn();
    void companionGetsTheShownWindow();
    void companionNotAvailableByCase();
    void titleWindowDuringStartUp();
    void oneFontForTheWholeWindow();
    void fontConfigurationReadersOverlap();
    void randomSeededFromClockAtStartUp();
    void ctrlVPlaysWhileEnabled();
};

void TestMainWindow::firstStartWithoutFiles()
{
    TestEnv env;
    env.platform.dialogHandlers.enqueue(chooseUser(QStringLiteral("taro")));
    TfrmMain *w = env.showMain();

    // Welcome first, then the user dialog.
    QCOMPARE(callTrail(env.platform, {"message", "dialog"}).size(), 2);
    const PlatformCall welcome = env.platform.calls.at(0);
    QCOMPARE(welcome.kind, QStringLiteral("message"));
    QCOMPARE(welcome.caption, QStringLiteral("Ulvendo"));
    QCOMPARE(welcome.text, kWelcome);
    QCOMPARE(welcome.detail, int(MsgKind::Information));
    QCOMPARE(env.platform.callsOf("dialog").at(0).caption, QStringLiteral("frmUser"));
    QCOMPARE(env.platform.callsOf("dialog").at(0).text, QStringLiteral("ユーザーの設定"));

    QVERIFY(QFileInfo(env.path("taro")).isDir());
    QCOMPARE(w->settings.UserName, QStringLiteral("taro"));
    QCOMPARE(w->settings.UserNum, 1);
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    QCOMPARE(w->settings.QuestionFilePath, env.path("dictionary/Question.txt"));
    QCOMPARE(w->settings.ReferenceFilePath, env.path("reference/Reference.txt"));
    QCOMPARE(w->settings.QuestionBaseName, QStringLiteral("Question"));
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Question.txt"));
    QCOMPARE(w->cboReferenceFile->currentText(), QStringLiteral("Reference.txt"));
    QCOMPARE(w->udQuestionNum->value(), 10);
    QCOMPARE(w->txtQuestionNum->text(), QStringLiteral("10"));

    // Initial visibility: the set-up toolbar hidden, the other bars shown.
    QVERIFY(w->tbStandardToolBar->isVisible());
    QVERIFY(w->tbFileToolBar->isVisible());
    QVERIFY(!w->tbQuestionSetupToolBar->isVisible());
    QVERIFY(w->pnlRightCommandButton->isVisible());
    QVERIFY(w->sbInfo->isVisible());
    QVERIFY(!w->cmdQuestionSetupToolBar->isChecked());
    QVERIFY(w->cmdStatusBar->isChecked() && w->cmdStatusBar_2->isChecked());
    QVERIFY(!w->pnlComment->isVisible());
    QVERIFY(!w->pnlHint->isVisible());
    QVERIFY(!w->moHole->isVisible());

    // Idle: only Start of the drill commands.
    QVERIFY(w->cmdStart->isEnabled() && w->cmdStart_1->isEnabled() && w->cmdStart_2->isEnabled());
    for (QWidget *b : std::initializer_list<QWidget *>{w->cmdResult, w->cmdResult_1, w->cmdStop, w->cmdStop_1,
                                                       w->cmdClear, w->cmdClear_1, w->cmdDelete_1, w->cmdPlay,
                                                       w->cmdPlay_1})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!w->cmdResult_2->isEnabled() && !w->cmdPlay_2->isEnabled() && !w->cmdDelete->isEnabled());

    // The start-up files are recorded under their names.
    QCOMPARE(env.readIni("taro/Setup.ini", "Question Path", "Question.txt"), env.path("dictionary/Question.txt"));
    QCOMPARE(env.readIni("taro/Setup.ini", "Reference Path", "Reference.txt"), env.path("reference/Reference.txt"));

    // The date timer runs; the caption follows from the first tick on.
    QVERIFY(w->tmrDate->isActive());
    QCOMPARE(w->tmrDate->interval(), 500);
    QVERIFY(!w->tmrTimer->isActive());
    QVERIFY(w->dates.Year.isEmpty());
    env.tickDate();
    QCOMPARE(w->windowTitle(), QStringLiteral("Ulvendo   【taro】"));
    QCOMPARE(w->dates.YearMonth, QStringLiteral("20013"));

    env.closeMain();
    QCOMPARE(env.readUserIni("Setup", "Boot"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("Setup", "UserName"), QStringLiteral("taro"));
    QCOMPARE(env.readUserIni("User", "UserNum"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("User", "1"), QStringLiteral("taro"));
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("1"));
    QCOMPARE(env.readIni("taro/Setup.ini", "Form Information", "Maximized"), QStringLiteral("1"));
    QCOMPARE(env.readIni("taro/Setup.ini", "QuestionSetup", "QuestionNum"), QStringLiteral("10"));
    QCOMPARE(env.readIni("taro/Setup.ini", "QuestionSetup", "QuestionFile"), env.path("dictionary/Question.txt"));
    QCOMPARE(env.readIni("taro/Setup.ini", "Toolbar", "QuestionSetupToolBar"), QStringLiteral("0"));
    QCOMPARE(env.readIni("taro/Setup.ini", "Toolbar", "StandardToolBar"), QStringLiteral("1"));

    // The next start greets nobody and counts one more start.
    env.platform.clear();
    env.showMain();
    QVERIFY(env.platform.messages().isEmpty());
    QVERIFY(env.platform.callsOf("dialog").isEmpty());
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("2"));
}

void TestMainWindow::closingTheUserDialogOnAFirstRun()
{
    TestEnv env;
    env.platform.dialogHandlers.enqueue([](QDialog *d) { d->reject(); });
    TfrmMain *w = env.showMain();
    QCOMPARE(w->settings.UserName, QStringLiteral(" "));
    env.closeMain();
    QCOMPARE(env.readUserIni("Setup", "Boot"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("User", "UserNum", "none"), QStringLiteral("none"));

    // Without a folder the user could keep no records: the dialog comes
    // back (without the welcome) until a user is chosen.
    env.platform.clear();
    env.platform.dialogHandlers.enqueue(chooseUser(QStringLiteral("hana")));
    w = env.showMain();
    QVERIFY(env.platform.messages().isEmpty());
    QCOMPARE(env.platform.callsOf("dialog").size(), 1);
    QCOMPARE(w->settings.UserName, QStringLiteral("hana"));
    QVERIFY(QFileInfo(env.path("hana")).isDir());
}

void TestMainWindow::laterStartWithoutDialog()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni("taro", "Num", "7");
    TfrmMain *w = env.showMain();
    QVERIFY(env.platform.calls.isEmpty() || env.platform.callsOf("dialog").isEmpty());
    QVERIFY(env.platform.messages().isEmpty());
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("8"));
    QCOMPARE(w->settings.UserName, QStringLiteral("taro"));
    QCOMPARE(w->settings.UserNum, 1);
}

void TestMainWindow::showUserShowsTheDialog()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni("Setup", "ShowUser", "1");
    QStringList offered;
    QString shownText;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        QVERIFY(u);
        for (int i = 0; i < u->cboUserName->count(); ++i)
            offered << u->cboUserName->itemText(i);
        shownText = u->cboUserName->currentText();
        u->cboUserName->setEditText(QStringLiteral("Hanako"));
        u->cmdOk->click();
    });
    TfrmMain *w = env.showMain();
    QCOMPARE(offered, QStringList({"taro"}));
    QCOMPARE(shownText, QStringLiteral("taro"));
    QCOMPARE(w->settings.UserName, QStringLiteral("Hanako"));
    QCOMPARE(w->settings.UserNum, 2);
    QCOMPARE(env.readUserIni("User", "2"), QStringLiteral("Hanako"));
    QCOMPARE(env.readUserIni("Hanako", "Num"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("1")); // the other user's count is untouched
    env.tickDate();
    QCOMPARE(w->windowTitle(), QStringLiteral("Ulvendo   【Hanako】"));
    env.closeMain();
    QCOMPARE(env.readUserIni("Setup", "UserName"), QStringLiteral("Hanako"));
    QVERIFY(QFile::exists(env.path("Hanako/Setup.ini")));
}

void TestMainWindow::userDialogRefusesNames()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni("Setup", "ShowUser", "1");
    QStringList stillOpen;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        // Names that cannot be folders here: climbing out, a line break, too
        // long, and the names of files the program folder holds.
        const QStringList bads{QString(), QStringLiteral("../etc"), QStringLiteral(".."), QStringLiteral("a\\b"),
                               QStringLiteral("ta\nro"), QString(300, QLatin1Char('n')),
                               QStringLiteral("User.ini"), QStringLiteral("hit.wav")};
        for (const QString &bad : bads) {
            u->cboUserName->setEditText(bad);
            u->cmdOk->click();
            if (u->isVisible())
                stillOpen << bad;
        }
        u->cboUserName->setEditText(QStringLiteral("taro"));
        u->cmdOk->click();
    });
    env.writeLines(QStringLiteral("hit.wav"), {QStringLiteral("RIFF")});
    const QByteArray userIni = fileBytes(env.path("User.ini"));
    TfrmMain *w = env.showMain();
    QCOMPARE(stillOpen.size(), 8);
    const QList<PlatformCall> msgs = env.platform.callsOf("message");
    QCOMPARE(msgs.size(), 8);
    QCOMPARE(msgs.at(0).text, QStringLiteral("ユーザー名が選択 / 記入されていません"));
    QCOMPARE(msgs.at(0).detail, int(MsgKind::Plain));
    for (int i = 1; i < 8; ++i)
        QCOMPARE(msgs.at(i).caption, QStringLiteral("エラー"));
    for (int i = 1; i < 5; ++i)
        QVERIFY(msgs.at(i).text.contains(QStringLiteral("使用できません")));
    QVERIFY(msgs.at(5).text.contains(QStringLiteral("長すぎます")));
    QCOMPARE(msgs.at(6).text, QStringLiteral("フォルダ ") + env.path("User.ini")
                                  + QStringLiteral(" を作成できません（同じ名前のファイルが既にあります）"));
    QVERIFY(msgs.at(7).text.contains(env.path("hit.wav")));
    QCOMPARE(w->settings.UserName, QStringLiteral("taro"));
    QCOMPARE(env.readUserIni("User", "UserNum"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("2"));
    // Only the accepted name's start was counted: nothing else reached User.ini.
    QCOMPARE(RegisteredUsers(env.folder()), QStringList({"taro"}));
    QVERIFY(fileBytes(env.path("User.ini")).size() <= userIni.size() + 1);
    QVERIFY(!QFileInfo::exists(env.path("../etc")) || QFileInfo(env.path("..")).isDir());
    QCOMPARE(QDir(env.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"taro"}));
}

void TestMainWindow::handEditedUserNameIsNotAFolder()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    // A folder beside the program folder that "../<name>" would reach.
    const QString outside = QFileInfo(env.folder() + QStringLiteral("..")).absoluteFilePath() + QLatin1Char('/')
                            + QFileInfo(env.folder().chopped(1)).fileName() + QStringLiteral("-outside");
    QVERIFY(QDir().mkpath(outside));
    const QString climbing = QStringLiteral("../") + QFileInfo(outside).fileName();
    env.writeUserIni("Setup", "UserName", climbing);
    QString shownName;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        QVERIFY(u);
        shownName = u->cboUserName->currentText();
        d->reject();
    });
    TfrmMain *w = env.showMain();
    // The name is not taken: the user dialog asks, as on a first run.
    QCOMPARE(env.platform.callsOf("dialog").size(), 1);
    QCOMPARE(shownName, QStringLiteral(" "));
    QCOMPARE(w->settings.UserName, QStringLiteral(" "));
    env.closeMain();
    QVERIFY(QDir(outside).isEmpty());
    QCOMPARE(env.readUserIni("Setup", "UserName"), QStringLiteral(" "));
    QDir(outside).removeRecursively();
}

void TestMainWindow::staleTempFilesRemovedAtStartUp()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    for (const QString &name : {QStringLiteral("taro/Setup.ini.a1B2c3"), QStringLiteral("User.ini.Zz9Zz9"),
                                QStringLiteral("taro/Question.dat.Q1w2E3"), QStringLiteral("taro/notes.txt.abcdef")}) {
        QFile f(env.path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush();
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    env.showMain();
    QVERIFY(!QFile::exists(env.path("taro/Setup.ini.a1B2c3")));
    QVERIFY(!QFile::exists(env.path("User.ini.Zz9Zz9")));
    QVERIFY(!QFile::exists(env.path("taro/Question.dat.Q1w2E3")));
    QVERIFY(QFile::exists(env.path("taro/notes.txt.abcdef")));
}

void TestMainWindow::notShowWritesZeroOnEveryClick()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni("Setup", "ShowUser", "1");
    QStringList written;
    QStringList tips;
    env.platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        u->chkNotShow->click(); // ticked
        written << env.readUserIni("Setup", "ShowUser");
        tips << u->chkNotShow->toolTip();
        env.writeUserIni("Setup", "ShowUser", "1");
        u->chkNotShow->click(); // unticked: still "0"
        written << env.readUserIni("Setup", "ShowUser");
        tips << u->chkNotShow->toolTip();
        u->cmdOk->click();
    });
    TfrmMain *w = env.showMain();
    QCOMPARE(written, QStringList({"0", "0"}));
    QCOMPARE(tips.at(0), QStringLiteral("解除するには、基本設定の『複数のユーザーで使用する』をチェックします"));
    QCOMPARE(tips.at(1), QString());
    QCOMPARE(w->settings.ShowUser, 0);
}

void TestMainWindow::caption_data()
{
    QTest::addColumn<QString>("showDate");
    QTest::addColumn<QString>("dateType");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    const QDateTime t(QDate(2001, 3, 9), QTime(14, 5, 7));
    QTest::newRow("date and time") << "1" << "0" << t << "Ulvendo   2001年3月9日 , 14：5：07   【taro】";
    QTest::newRow("date") << "1" << "1" << t << "Ulvendo   2001年3月9日   【taro】";
    QTest::newRow("time") << "1" << "2" << t << "Ulvendo   14：5：07   【taro】";
    QTest::newRow("off") << "0" << "0" << t << "Ulvendo   【taro】";
    QTest::newRow("off with type") << "0" << "1" << t << "Ulvendo   【taro】";
    QTest::newRow("December, midnight") << "1" << "0" << QDateTime(QDate(2012, 12, 31), QTime(0, 0, 0))
                                        << "Ulvendo   2012年12月31日 , 0：0：00   【taro】";
}

void TestMainWindow::caption()
{
    QFETCH(QString, showDate);
    QFETCH(QString, dateType);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ShowDate", showDate);
    env.writeSetup("Setup", "DateType", dateType);
    env.clock.set(now.addSecs(-3600));
    TfrmMain *w = env.showMain();
    env.clock.set(now);
    env.tickDate();
    QCOMPARE(w->windowTitle(), expected);
    QCOMPARE(w->dates.Year, QString::number(now.date().year()));
    QCOMPARE(w->dates.MonthDay, QStringLiteral("%1/%2").arg(now.date().month()).arg(now.date().day()));
}

void TestMainWindow::savedToolBars_data()
{
    QTest::addColumn<QString>("saveToolBar");
    QTest::addColumn<bool>("restored");
    QTest::newRow("not restored") << "0" << false;
    QTest::newRow("restored") << "1" << true;
}

void TestMainWindow::savedToolBars()
{
    QFETCH(QString, saveToolBar);
    QFETCH(bool, restored);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "SaveToolBar", saveToolBar);
    TfrmMain *w = env.showMain();
    w->cmdStatusBarClick();
    w->cmdStandardToolBarClick();
    w->cmdQuestionSetupToolBarClick();
    QVERIFY(!w->sbInfo->isVisible());
    QVERIFY(w->tbQuestionSetupToolBar->isVisible());
    env.closeMain();
    // Written whatever SaveToolBar says.
    QCOMPARE(env.readSetup("Toolbar", "StatusBar"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Toolbar", "StandardToolBar"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Toolbar", "QuestionSetupToolBar"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Toolbar", "FileToolBar"), QStringLiteral("1"));

    w = env.showMain();
    QCOMPARE(w->sbInfo->isVisible(), !restored);
    QCOMPARE(w->tbStandardToolBar->isVisible(), !restored);
    QCOMPARE(w->tbQuestionSetupToolBar->isVisible(), restored);
    QVERIFY(w->tbFileToolBar->isVisible());
    QCOMPARE(w->cmdStatusBar->isChecked(), !restored);
    QCOMPARE(w->cmdStatusBar_2->isChecked(), !restored);
    QCOMPARE(w->cmdQuestionSetupToolBar->isChecked(), restored);
    QCOMPARE(w->cmdQuestionSetupToolBar_2->isChecked(), restored);
}

void TestMainWindow::savePositionIsReadTwice()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    // Size restored, position recorded but SavePosition never written.
    env.writeSetup("Setup", "SaveSize", "1");
    env.writeSetup("Form Information", "Maximized", "0");
    env.writeSetup("Form Information", "Left", "321");
    env.writeSetup("Form Information", "Top", "123");
    env.writeSetup("Form Information", "Width", "640");
    env.writeSetup("Form Information", "Height", "480");
    TfrmMain *w = env.showMain();
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    QVERIFY(w->frameGeometry().topLeft() != QPoint(321, 123));
    // The outer size is fitted once the window has its frame.
    QTRY_COMPARE(w->frameGeometry().size(), QSize(640, 480));
    QCOMPARE(w->settings.SavePosition, 1); // what the settings dialog will show
}

void TestMainWindow::recordedGeometry_data()
{
    QTest::addColumn<QString>("savePosition");
    QTest::addColumn<QString>("saveSize");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("frame"); // checked when not maximised
    QTest::newRow("place and size") << "1" << "1" << false << QRect(120, 80, 700, 500);
    QTest::newRow("place alone: moved, then maximised") << "1" << "0" << true << QRect();
}

void TestMainWindow::recordedGeometry()
{
    QFETCH(QString, savePosition);
    QFETCH(QString, saveSize);
    QFETCH(bool, maximized);
    QFETCH(QRect, frame);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "SavePosition", savePosition);
    env.writeSetup("Setup", "SaveSize", saveSize);
    env.writeSetup("Form Information", "Maximized", "0");
    env.writeSetup("Form Information", "Left", "120");
    env.writeSetup("Form Information", "Top", "80");
    env.writeSetup("Form Information", "Width", "700");
    env.writeSetup("Form Information", "Height", "500");
    TfrmMain *w = env.showMain();
    QCOMPARE(bool(w->windowState() & Qt::WindowMaximized), maximized);
    if (!maximized) {
        QTRY_COMPARE(w->frameGeometry(), frame);
        env.closeMain();
        QCOMPARE(env.readSetup("Form Information", "Maximized"), QStringLiteral("0"));
        QCOMPARE(env.readSetup("Form Information", "Left"), QStringLiteral("120"));
        QCOMPARE(env.readSetup("Form Information", "Top"), QStringLiteral("80"));
        QCOMPARE(env.readSetup("Form Information", "Width"), QStringLiteral("700"));
        QCOMPARE(env.readSetup("Form Information", "Height"), QStringLiteral("500"));
    }
}

void TestMainWindow::recentListsAndPreviousSetUp()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Question", "DicCount", "2");
    env.writeSetup("Question", "1", "Basic.txt");
    env.writeSetup("Question", "2", "英文法.txt");
    env.writeSetup("Reference", "RefCount", "1");
    env.writeSetup("Reference", "1", "Grammar.txt");
    env.writeSetup("Setup", "UseEndQuestionFile", "1");
    env.writeSetup("QuestionSetup", "QuestionFile", env.path("mine/英文法.txt"));
    env.writeSetup("QuestionSetup", "QuestionType", "1");
    env.writeSetup("QuestionSetup", "AnswerType", "2");
    env.writeSetup("QuestionSetup", "QuestionNum", "25");
    TfrmMain *w = env.showMain();
    QStringList items;
    for (int i = 0; i < w->cboQuestionFile->count(); ++i)
        items << w->cboQuestionFile->itemText(i);
    QCOMPARE(items, QStringList({"Basic.txt", "英文法.txt"}));
    QCOMPARE(w->cboReferenceFile->count(), 1);
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("英文法.txt"));
    QCOMPARE(w->settings.QuestionFilePath, env.path("mine/英文法.txt"));
    QCOMPARE(w->settings.QuestionBaseName, QStringLiteral("英文法"));
    QCOMPARE(env.readSetup("Question Path", "英文法.txt"), env.path("mine/英文法.txt"));
    QCOMPARE(env.readSetup("Question", "DicCount"), QStringLiteral("2")); // the list itself is not changed
    QCOMPARE(w->cboQuestionType->currentIndex(), 1);
    QCOMPARE(w->cboAnswerType->currentIndex(), 2);
    QVERIFY(!w->cboAnswerType->isEnabled()); // English to Japanese: typing only
    QCOMPARE(w->txtQuestionNum->text(), QStringLiteral("25"));

    w->cboQuestionType->setCurrentIndex(0);
    w->cboAnswerType->setCurrentIndex(1);
    env.closeMain();
    QCOMPARE(env.readSetup("QuestionSetup", "QuestionType"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("QuestionSetup", "AnswerType"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("QuestionSetup", "QuestionNum"), QStringLiteral("25"));
}

void TestMainWindow::displaySettings()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ShowComment", "1");
    env.writeSetup("Setup", "ShowHint", "1");
    env.writeSetup("Setup", "moQuestionSize", "120");
    env.writeSetup("Setup", "moCommentSize", "64");
    env.writeSetup("Setup", "moHoleSize", "30");
    env.writeSetup("Color", "FontQuestionColor", "255");
    env.writeSetup("Color", "Percent", "16711680");
    env.writeSetup("Font", "FontQuestionSize", "20");
    TfrmMain *w = env.showMain();
    QVERIFY(w->pnlComment->isVisible());
    QVERIFY(w->pnlHint->isVisible());
    QCOMPARE(w->pnlQuestion->height(), 120);
    QCOMPARE(w->pnlComment->height(), 64);
    // The fill-in pane is moHoleSize high, or higher where its font needs it.
    QVERIFY(w->moHole->maximumHeight() >= 30);
    QVERIFY(w->moHole->maximumHeight() >= QFontMetrics(w->moHole->font()).lineSpacing());
    QCOMPARE(w->pnlAnswer->height(), 58);
    QCOMPARE(w->pnlData->height(), 72);
    QCOMPARE(w->pnlRightCommandButton->width(), 128);
    QCOMPARE(w->moQuestion->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(w->cgPercent->foreColor(), QColor(0, 0, 255));
    QCOMPARE(w->cgTime->foreColor(), QColor(0, 128, 128));
    QCOMPARE(w->moHole->palette().color(QPalette::Text), QColor(255, 255, 255));
    QCOMPARE(w->moQuestion->font().pointSize(), 20);
    // The settings keep the face they name even where it is not installed.
    QCOMPARE(w->settings.FontQuestion, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(w->lstAnswer->font().pixelSize(), 20);
}

void TestMainWindow::paneHeightsFitTheScreen_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("comment");
    QTest::newRow("question pane 10000") << 10000 << 50;
    QTest::newRow("comment pane 10000") << 90 << 10000;
    QTest::newRow("both 5000") << 5000 << 5000;
    QTest::newRow("largest numbers") << 2147483647 << 2147483647;
}

void TestMainWindow::paneHeightsFitTheScreen()
{
    QFETCH(int, question);
    QFETCH(int, comment);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ShowComment", "1");
    env.writeSetup("Setup", "moQuestionSize", QString::number(question));
    env.writeSetup("Setup", "moCommentSize", QString::number(comment));
    TfrmMain *w = env.showMain();
    QApplication::processEvents();
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY2(w->height() <= screen.height(), qPrintable(QString::number(w->height())));
    // The answer box is inside the window, so on the screen.
    const int answerBottom = w->txtAnswer->mapTo(w, QPoint(0, w->txtAnswer->height())).y();
    QVERIFY2(answerBottom <= w->height(), qPrintable(QString::number(answerBottom)));
    QVERIFY(w->pnlQuestion->height() > 0 && w->pnlComment->height() > 0);
    // The settings keep what was asked.
    QCOMPARE(w->settings.moQuestionSize, question);
}

void TestMainWindow::barsFromBothMenus()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    w->cmdStandardToolBar->trigger();
    QVERIFY(!w->tbStandardToolBar->isVisible());
    QVERIFY(!w->cmdStandardToolBar->isChecked());
    QVERIFY(!w->cmdStandardToolBar_2->isChecked());
    w->cmdStandardToolBar_2->trigger();
    QVERIFY(w->tbStandardToolBar->isVisible());
    QVERIFY(w->cmdStandardToolBar->isChecked());
    QVERIFY(w->cmdStandardToolBar_2->isChecked());

    w->cmdRightCommandButton_2->trigger();
    QVERIFY(!w->pnlRightCommandButton->isVisible());
    QVERIFY(!w->cmdRightCommandButton->isChecked());

    // The set-up toolbar comes on a row below the others.
    w->cmdQuestionSetupToolBar->trigger();
    QVERIFY(w->tbQuestionSetupToolBar->isVisible());
    QVERIFY(w->tbQuestionSetupToolBar->y() >= w->tbStandardToolBar->geometry().bottom());
    QVERIFY(w->dkToolBar->height() >= w->tbQuestionSetupToolBar->geometry().bottom());

    // A toolbar's own close box hides it and clears both check marks.
    QCOMPARE(w->tbFileToolBar->closeButton()->objectName(), QStringLiteral("tbFileToolBar_close"));
    w->tbFileToolBar->closeButton()->click();
    QVERIFY(!w->tbFileToolBar->isVisible());
    QVERIFY(!w->cmdFileToolBar->isChecked());
    QVERIFY(!w->cmdFileToolBar_2->isChecked());
    w->cmdFileToolBarClick();
    QVERIFY(w->tbFileToolBar->isVisible());
    QVERIFY(w->cmdFileToolBar_2->isChecked());
}

void TestMainWindow::resizeLaysOutStatusPanels()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "SaveSize", "1");
    env.writeSetup("Setup", "SavePosition", "1");
    env.writeSetup("Form Information", "Maximized", "0");
    TfrmMain *w = env.showMain();
    w->resize(1200, 600);
    QCOMPARE(w->sbInfo->panelWidth(0), w->frameGeometry().width() - 775);
    QCOMPARE(w->sbInfo->panelWidth(1), 150);
    QCOMPARE(w->sbInfo->panelWidth(2), 150);
    QCOMPARE(w->sbInfo->panelWidth(3), 100);
    QCOMPARE(w->sbInfo->panelWidth(4), 135);
    QCOMPARE(w->sbInfo->panelCount(), 6);
    QCOMPARE(w->txtAnswer->width(), w->pnlAnswer->width());
    // The file toolbar starts at 414 pixels while there is room for it.
    QCOMPARE(w->tbFileToolBar->y(), w->tbStandardToolBar->y());
    QVERIFY(w->tbFileToolBar->x() >= 414);
    QVERIFY(w->tbFileToolBar->x() >= w->tbStandardToolBar->geometry().right());

    // Narrowed to its size at creation the window stays that narrow (the
    // status panels do not hold it open) and the file toolbar takes a row of
    // its own.
    w->resize(835, 554 + w->menuBar()->height());
    QCOMPARE(w->width(), 835);
    QCOMPARE(w->sbInfo->panelWidth(0), w->frameGeometry().width() - 775);
    QVERIFY(w->tbFileToolBar->y() > w->tbStandardToolBar->y());
    QVERIFY(w->tbFileToolBar->geometry().right() < w->dkToolBar->width());
}

void TestMainWindow::popupMenus()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    auto rightClick = [&](QWidget *target) {
        const QPoint local(target->width() / 2, target->height() / 2);
        QContextMenuEvent ev(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &ev);
    };
    rightClick(w->tbFileToolBar);
    QVERIFY(w->pmToolBar->isVisible());
    QVERIFY(!w->pmMain->isVisible());
    w->pmToolBar->hide();
    rightClick(w->moQuestion->viewport());
    QVERIFY(w->pmMain->isVisible());
    QVERIFY(!w->pmToolBar->isVisible());
    w->pmMain->hide();
    rightClick(w->sbInfo);
    QVERIFY(w->pmToolBar->isVisible());
    w->pmToolBar->hide();
    rightClick(w->lstAnswer->viewport());
    QVERIFY(w->pmMain->isVisible());
    w->pmMain->hide();

    QStringList mainItems;
    for (QAction *a : w->pmMain->actions())
        if (!a->isSeparator())
            mainItems << a->objectName();
    QCOMPARE(mainItems, QStringList({"cmdStart_2", "cmdResult_2", "cmdStop_2", "cmdDelete_2", "cmdClear_2",
                                     "cmdPlay_2", "cmdOpenReference_3", "cmdOpenDictionary_3", "cmdSetup_2",
                                     "cmdExit_2"}));
    QCOMPARE(w->cmdPlay_2->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    QCOMPARE(w->cmdHelp->shortcut(), QKeySequence(Qt::Key_F1));

    QStringList menus;
    for (QAction *a : w->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, QStringList({"ファイル (&F)", "学習 (&L)", "設定 (&S)", "成績表示 (&G)", "表示 (&V)", "ヘルプ (&H)"}));
}

void TestMainWindow::everyCommandExists()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    const QStringList buttons = {
        "cmdStart", "cmdPlay", "cmdResult", "cmdStop", "cmdOpenReference", "cmdOpenDictionary", "cmdClear",
        "cmdStart_1", "cmdResult_1", "cmdStop_1", "cmdDelete_1", "cmdClear_1", "cmdPlay_1", "cmdOpenReference_1",
        "cmdOpenDictionary_1", "cmdShowError_1", "cmdShowPercent_1", "cmdShowGraph_1", "cmdShowHistory_1",
        "cmdSetup_1", "cmdHelp_1", "cmdVersion_1", "cmdHomepage_1", "cmdSelectQuestionFile", "cmdMakeQuestion_1",
        "cmdQOpenByMemo", "cmdSelectReferenceFile", "cmdMakeReference_1", "cmdROpenByMemo", "cmdPrint",
        "cmdNewText", "cmdOk"};
    for (const QString &name : buttons) {
        auto *b = env.find<QAbstractButton>(name);
        QVERIFY2(b, qPrintable(name));
        // Every button carries a drawn icon.
        QVERIFY2(!b->icon().pixmap(16, 16).isNull(), qPrintable(name));
    }
    const QStringList actions = {
        "cmdMakeQuestion", "cmdEditQuestionFile", "cmdPrintQuestionFile", "cmdMakeReference", "cmdExit",
        "cmdOpenReference_2", "cmdOpenDictionary_2", "cmdSetup", "cmdShowError", "cmdShowPercent", "cmdShowGraph",
        "cmdShowHistory", "cmdStandardToolBar", "cmdFileToolBar", "cmdQuestionSetupToolBar",
        "cmdRightCommandButton", "cmdStatusBar", "cmdHelp", "cmdVersion", "cmdHomepage", "cmdStandardToolBar_2",
        "cmdFileToolBar_2", "cmdQuestionSetupToolBar_2", "cmdRightCommandButton_2", "cmdStatusBar_2", "cmdDelete"};
    for (const QString &name : actions)
        QVERIFY2(env.find<QAction>(name), qPrintable(name));
    QCOMPARE(w->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(w->tbStandardToolBar->caption(), QStringLiteral("基本操作ツールバー"));
    QCOMPARE(w->tbFileToolBar->caption(), QStringLiteral("ファイル操作ツールバー"));
    QCOMPARE(w->tbQuestionSetupToolBar->caption(), QStringLiteral("出題設定ツールバー"));
    QCOMPARE(w->cmdStart->toolTip(), QStringLiteral("さあ、始めましょう"));
    QCOMPARE(w->cmdOk->toolTip(), QStringLiteral("出題の開始"));
    QCOMPARE(w->cmdNewText->toolTip(), QStringLiteral("テキストファイルの新規作成"));
    QVERIFY(w->cmdStart->isDefault());
    QCOMPARE(w->udQuestionNum->minimum(), 1);
    QCOMPARE(w->udQuestionNum->maximum(), 1000);
    // The gauges and their labels start at nothing.
    QCOMPARE(w->lblQuestionNum->text(), QStringLiteral(" ： 0 / 0"));
    QCOMPARE(w->lblTime->text(), QStringLiteral(" ： 0 / 0秒"));
    QCOMPARE(w->cgQuestionNum->progress(), 0);
    // The flat look: NotFlat 0 keeps the toolbar buttons flat.
    QVERIFY(w->cmdStart_1->autoRaise());

    // Exit runs the shutdown.
    w->cmdExit_2->trigger();
    QVERIFY(w->ShutdownDone);
    QCOMPARE(env.readUserIni("Setup", "Boot"), QStringLiteral("1"));
}

void TestMainWindow::companionOff()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.presetCompanion();
    env.writeSetup("Setup", "VoiceOn", "0");
    env.showMain();
    // The position is handed over whenever an available companion is set,
    // once the window is on the screen.
    QTRY_VERIFY(!env.readIni("sorbell/Setup.ini", "Setup", "left").isEmpty());
    env.closeMain();
    QCOMPARE(callTrail(env.platform, {"launch", "clipboard", "close"}), QStringList());
}

void TestMainWindow::companionOn()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    const QString exe = env.presetCompanion();
    env.writeSetup("Setup", "VoiceOn", "1");
    env.writeSetup("Setup", "SavePosition", "1");
    env.writeSetup("Setup", "SaveSize", "1");
    env.writeSetup("Form Information", "Maximized", "0");
    env.writeSetup("Form Information", "Left", "10");
    env.writeSetup("Form Information", "Top", "20");
    env.writeSetup("Form Information", "Width", "700");
    env.writeSetup("Form Information", "Height", "500");
    TfrmMain *w = env.showMain();
    QCOMPARE(callTrail(env.platform, {"launch", "clipboard", "close"}),
             QStringList({"launch:" + exe, "clipboard:ANI;3"}));
    QTRY_COMPARE(env.readIni("sorbell/Setup.ini", "Setup", "left"), QStringLiteral("710"));
    QCOMPARE(env.readIni("sorbell/Setup.ini", "Setup", "top"), QStringLiteral("520"));
    QVERIFY(!w->cmdPlay->isEnabled()); // play waits for a drill
    env.platform.clear();
    env.closeMain();
    // The farewell goes out before the close request.
    QCOMPARE(callTrail(env.platform, {"launch", "clipboard", "close"}),
             QStringList({"clipboard:ANI;4", "close:Qvt"}));
}

// The companion learns the bounds of the window as it is shown: maximised
// here (nothing recorded), so the screen's free area.
void TestMainWindow::companionGetsTheShownWindow()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.presetCompanion();
    TfrmMain *w = env.showMain();
    QVERIFY(w->isMaximized());
    const QRect screen = w->screen()->availableGeometry();
    QTRY_COMPARE(env.readIni("sorbell/Setup.ini", "Setup", "left"), QString::number(screen.x() + screen.width()));
    QCOMPARE(env.readIni("sorbell/Setup.ini", "Setup", "top"), QString::number(screen.y() + screen.height()));
}

void TestMainWindow::companionNotAvailableByCase()
{
    TestEnv env;
    QDir().mkpath(env.path("s"));
    QFile(env.path("s/QVT.exe")).open(QIODevice::WriteOnly);
    QVERIFY(!Companion::isAvailable(env.path("s/QVT.exe")));
    QFile(env.path("s/qvt.exe")).open(QIODevice::WriteOnly);
    QVERIFY(Companion::isAvailable(env.path("s/qvt.exe")));
}

namespace {

// Notes, when the title window is shown, whether the main window has made
// its controls yet.
class TitleShownWatcher : public QObject
{
public:
    int shown = 0;
    bool controlsMade = false;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && qobject_cast<TfrmTitle *>(o)) {
            ++shown;
            controlsMade = frmMain && frmMain->centralWidget();
        }
        return false;
    }
};

} // namespace

void TestMainWindow::titleWindowDuringStartUp()
{
    // Whatever earlier tests left behind goes first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TitleShownWatcher watcher;
    qApp->installEventFilter(&watcher);
    env.createMain();
    qApp->removeEventFilter(&watcher);
    // The title is up before the main window makes its controls.
    QCOMPARE(watcher.shown, 1);
    QVERIFY(!watcher.controlsMade);
    QList<TfrmTitle *> titles;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<TfrmTitle *>(w))
            titles << t;
    QCOMPARE(titles.size(), 1);
    QPointer<TfrmTitle> title = titles.first();
    QVERIFY(title->isVisible());
    QCOMPARE(title->size(), QSize(367, 139));
    QVERIFY(title->windowFlags() & Qt::WindowStaysOnTopHint);
    // It shows the stored title picture, whole.
    const QImage shown = title->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = titlePicture(title->devicePixelRatioF()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(367, 139) * title->devicePixelRatioF());
    QCOMPARE(shown, picture);
    // The first message loop takes it away.
    QTRY_VERIFY(title.isNull());
}

void TestMainWindow::oneFontForTheWholeWindow()
{
    // As at a start: the application's font is the desktop's.
    const QFont desktop(QStringLiteral("DejaVu Sans"), 9);
    QApplication::setFont(desktop);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.createMain();
    // Once made, the window itself, the edit lines Qt makes without a
    // parent, and the menus, which are windows of their own, show the
    // dialog font: no second family was loaded to make them.
    const QList<QPair<QString, QWidget *>> shown = {
        {QStringLiteral("main window"), w},
        {QStringLiteral("menu bar"), w->menuBar()},
        {QStringLiteral("collection box's edit line"), w->cboQuestionFile->lineEdit()},
        {QStringLiteral("File menu"), w->mnuFile},
        {QStringLiteral("pop-up menu"), w->pmMain},
        {QStringLiteral("tool bar menu"), w->pmToolBar},
    };
    for (const auto &[name, widget] : shown) {
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget->font() == DialogFont(), qPrintable(name + QStringLiteral(": ") + widget->font().toString()));
    }
    QCOMPARE(QApplication::font(), DialogFont());
}

void TestMainWindow::fontConfigurationReadersOverlap()
{
    const QString family = ScreenFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    {
        // A second reader while the first one's thread may still run, a
        // wait, and both going: nothing stops the program.
        const FontConfigurationReader first;
        const FontConfigurationReader second;
        FontConfigurationReader::wait();
        FontConfigurationReader::wait();
    }
    QCOMPARE(ScreenFamily(QStringLiteral("ＭＳ Ｐゴシック")), family);
    QVERIFY(!family.isEmpty());
}

void TestMainWindow::randomSeededFromClockAtStartUp()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    Random::global().seed(0);
    env.clock.set(QDateTime::fromSecsSinceEpoch(1765000000));
    env.createMain();
    // Seeding keeps the seconds in the low half of the state.
    QCOMPARE(Random::global().state(), quint64(1765000000));
}

void TestMainWindow::ctrlVPlaysWhileEnabled()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    QApplication::setActiveWindow(w);
    w->txtAnswer->setFocus();
    QSignalSpy played(w->cmdPlay_2, &QAction::triggered);

    // Disabled (no drill, no companion): the key is the answer box's.
    QTest::keyClick(w->txtAnswer, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(played.count(), 0);

    // Enabled: the shortcut wins over pasting.
    w->cmdPlay_2->setEnabled(true);
    w->txtAnswer->setText(QStringLiteral("I have"));
    QTest::keyClick(w->txtAnswer, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(played.count(), 1);
    QCOMPARE(w->txtAnswer->text(), QStringLiteral("I have"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
