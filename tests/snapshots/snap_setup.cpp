// The settings dialog, one picture per page, with two users, a companion,
// and a study plan of three goals.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "TestEnv.h"
#include "settings/frmSetup.h"

void snapshotSetup(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("たろう"));
    env.writeUserIni(QStringLiteral("User"), QStringLiteral("UserNum"), QStringLiteral("2"));
    env.writeUserIni(QStringLiteral("User"), QStringLiteral("2"), QStringLiteral("はなこ"));
    env.writeUserIni(QStringLiteral("はなこ"), QStringLiteral("Num"), QStringLiteral("12"));
    QDir().mkpath(env.path(QStringLiteral("はなこ")));
    env.writeUserIni(QStringLiteral("Setup"), QStringLiteral("ShowUser"), QStringLiteral("1"));
    env.platform.dialogHandler = [](QDialog *d) { d->accept(); };
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowHint"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ImportantOn"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ChangeColorOn"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowDate"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("PlanOn"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("FinishOn"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("File Path"), QStringLiteral("FinishSoundFile"), env.path(QStringLiteral("finish.wav")));
    env.writeSetup(QStringLiteral("Font"), QStringLiteral("FontQuestion"), QStringLiteral("DejaVu Sans"));
    env.writeSetup(QStringLiteral("Color"), QStringLiteral("FontQuestionColor"), QStringLiteral("8388608"));
    env.writeSetup(QStringLiteral("Color"), QStringLiteral("Time"), QStringLiteral("255"));
    env.writeSetup(QStringLiteral("Plan"), QStringLiteral("PlanNum"), QStringLiteral("3"));
    env.writeSetup(QStringLiteral("Plan"), QStringLiteral("0"), QStringLiteral("英検２級,2001/6/10"));
    env.writeSetup(QStringLiteral("Plan"), QStringLiteral("1"), QStringLiteral("TOEIC,2001/7/22"));
    env.writeSetup(QStringLiteral("Plan"), QStringLiteral("2"), QStringLiteral("期末テスト,2001/12/3"));
    TfrmMain *main = env.showMain();

    TfrmSetup dialog(main);
    dialog.show();
    QApplication::processEvents();
    const QStringList names{QStringLiteral("general"), QStringLiteral("file"),  QStringLiteral("user"),
                            QStringLiteral("sound"),   QStringLiteral("color"), QStringLiteral("font"),
                            QStringLiteral("plan"),    QStringLiteral("voice"), QStringLiteral("other")};
    for (int i = 0; i < names.size(); ++i) {
        dialog.selectPage(i);
        QApplication::processEvents();
        dialog.grab().save(outDir + QStringLiteral("/setup_") + names.at(i) + QStringLiteral(".png"));
    }
    dialog.reject();

    // The countdown in the status bar.
    env.tickDate();
    QApplication::processEvents();
    main->grab().save(outDir + QStringLiteral("/setup_plan_countdown.png"));
}
