// Snapshots of the desktop side: the main window during a fill-in drill in a
// dark theme, the voice page and the about box in it.
#include "DarkPalette.h"
#include "TestEnv.h"
#include "app/frmAbout.h"
#include "drill/frmQuestionSetup.h"
#include "settings/frmSetup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void snapshotDesktop(const QString &outDir)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
        TestEnv env;
        env.presetUser(QStringLiteral("taro"));
        env.copySampleData();
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowComment"), QStringLiteral("1"));
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowHint"), QStringLiteral("1"));
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("SaveSize"), QStringLiteral("1"));
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("VoiceOn"), QStringLiteral("1"));
        env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Maximized"), QStringLiteral("0"));
        env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Width"), QStringLiteral("980"));
        env.writeSetup(QStringLiteral("Form Information"), QStringLiteral("Height"), QStringLiteral("600"));
        TfrmMain *w = env.showMain();
        env.tickDate();
        env.platform.dialogHandlers.enqueue([](QDialog *d) {
            auto *s = qobject_cast<TfrmQuestionSetup *>(d);
            s->rbAnswerType[2]->click();
            s->txtQuestionNum->setText(QStringLiteral("3"));
            s->cmdOk->click();
        });
        env.find<QPushButton>(QStringLiteral("cmdStart"))->click();
        QApplication::processEvents();
        w->grab().save(outDir + QStringLiteral("/dark_main_fillin.png"));

        env.platform.dialogHandlers.enqueue([outDir](QDialog *d) {
            auto *s = qobject_cast<TfrmSetup *>(d);
            s->selectPage(7);
            QApplication::processEvents();
            s->grab().save(outDir + QStringLiteral("/dark_setup_voice.png"));
            s->cmdCancel->click();
        });
        env.find<QAction>(QStringLiteral("cmdSetup"))->trigger();

        env.platform.dialogHandlers.enqueue([outDir](QDialog *d) {
            QApplication::processEvents();
            d->grab().save(outDir + QStringLiteral("/dark_about.png"));
            d->reject();
        });
        env.find<QAction>(QStringLiteral("cmdVersion"))->trigger();
    }
    QApplication::setPalette(before);

    // The voice page in the ordinary theme, on a desktop without a voice.
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.platform.voice.voiceAvailable = false;
    env.showMain();
    env.platform.dialogHandlers.enqueue([outDir](QDialog *d) {
        auto *s = qobject_cast<TfrmSetup *>(d);
        s->selectPage(7);
        QApplication::processEvents();
        s->grab().save(outDir + QStringLiteral("/setup_voice_novoice.png"));
        s->cmdCancel->click();
    });
    env.find<QAction>(QStringLiteral("cmdSetup"))->trigger();
}
