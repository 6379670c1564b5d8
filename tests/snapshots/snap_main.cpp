// Snapshots of the main window at rest and of the user dialog.
#include "TestEnv.h"
#include "app/frmTitle.h"
#include "app/frmUser.h"
#include "settings/Settings.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <QPushButton>

void snapshotMainIdle(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.copySampleData();
    // Every bar shown, at a fixed size, with hint and comment panes.
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("SaveToolBar"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Toolbar"), QStringLiteral("QuestionSetupToolBar"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowComment"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowHint"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowDate"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("SavePosition"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("SaveSize"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Maximized"), QStringLiteral("0"));
    env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Width"), QStringLiteral("1180"));
    env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Height"), QStringLiteral("640"));
    TfrmMain *w = env.showMain();
    env.tickDate();
    w->sbInfo->setPanelText(1, QStringLiteral("Question.txt"));
    w->sbInfo->setPanelText(2, QStringLiteral("Reference.txt"));
    QApplication::processEvents();
    w->grab().save(outDir + QStringLiteral("/main_idle.png"));

    // The narrowest window the program creates: 835 x 554 below the menu.
    w->resize(835, 554 + (w->height() - w->centralWidget()->height()));
    QApplication::processEvents();
    w->grab().save(outDir + QStringLiteral("/main_idle_small.png"));

    TfrmTitle title;
    title.showNow();
    title.grab().save(outDir + QStringLiteral("/title.png"));
}

void snapshotUser(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni(QStringLiteral("User"), QStringLiteral("UserNum"), QStringLiteral("2"));
    env.writeUserIni(QStringLiteral("User"), QStringLiteral("2"), QStringLiteral("花子"));
    env.writeUserIni(QStringLiteral("Setup"), QStringLiteral("ShowUser"), QStringLiteral("1"));
    env.platform.dialogHandlers.enqueue([outDir](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        QApplication::processEvents();
        u->grab().save(outDir + QStringLiteral("/user.png"));
        u->cmdOk->click();
    });
    env.showMain();
}
