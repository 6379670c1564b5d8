// Snapshots of the drill: the set-up dialog, and the main window in the
// middle of a drill in each answer form, with the bundled collection.
#include "TestEnv.h"

#include "app/frmMain.h"
#include "drill/frmQuestionSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

TfrmMain *showDrillWindow(TestEnv &env)
{
    env.presetUser(QStringLiteral("snapshot"));
    env.copySampleData();
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowHint"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowComment"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowResult"), QStringLiteral("0"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("SaveSize"), QStringLiteral("0"));
    TfrmMain *w = env.showMain();
    w->setWindowState(Qt::WindowNoState);
    w->resize(900, 600);
    settle();
    return w;
}
} // namespace

void snapshotDrill(const QString &outDir)
{
    // The set-up dialog with an option chosen.
    {
        TestEnv env;
        TfrmMain *w = showDrillWindow(env);
        env.platform.dialogHandlers.enqueue([&](QDialog *d) {
            auto *dlg = qobject_cast<TfrmQuestionSetup *>(d);
            if (!dlg)
                return;
            dlg->chkSelfStudyOn->click();
            dlg->chkOption->click();
            dlg->rbNotRandom->click();
            dlg->chkNotRandomContinue->click();
            dlg->rbAnswerType[1]->click();
            settle();
            dlg->grab().save(outDir + QStringLiteral("/drill_setup.png"));
            dlg->cmdCancel->click();
        });
        w->cmdStartClick();
    }

    // The main window mid-drill, one picture per answer form.
    const char *names[3] = {"drill_typing.png", "drill_rearranging.png", "drill_fill_in.png"};
    for (int answerType = 0; answerType < 3; ++answerType) {
        TestEnv env;
        TfrmMain *w = showDrillWindow(env);
        env.platform.dialogHandlers.enqueue([answerType](QDialog *d) {
            auto *dlg = qobject_cast<TfrmQuestionSetup *>(d);
            if (!dlg)
                return;
            dlg->rbQuestionType[0]->click();
            dlg->rbAnswerType[answerType]->click();
            dlg->txtQuestionNum->setText(QStringLiteral("10"));
            dlg->cmdOk->click();
        });
        w->cmdStartClick();
        // One answer judged already, so the counters show a running drill.
        w->txtAnswer->setText(answerType == 2 ? w->drill.HoleWord : w->drill.AnswerText);
        w->cmdResultClick();
        if (answerType == 0) {
            const QString answer = w->drill.AnswerText;
            w->txtAnswer->setText(answer.left(answer.indexOf(QLatin1Char(' '), 4)));
        } else if (answerType == 1 && w->lstAnswer->count() > 1) {
            w->lstAnswer->setCurrentRow(1);
            w->lstAnswerDblClick();
            w->lstAnswer->setCurrentRow(0);
        }
        settle();
        w->grab().save(outDir + QLatin1Char('/') + QLatin1String(names[answerType]));
        w->cmdStopClick();
    }
}
