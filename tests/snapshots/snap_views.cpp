// The correct-rate table, the graph with several lines and the history of
// two drills, filled with sample records of a Japanese collection.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "TestEnv.h"
#include "platform/TextFile.h"
#include "records/frmShowGraph.h"
#include "records/frmShowHistory.h"
#include "records/frmShowPercent.h"

namespace {

void renderView(QDialog &dialog, const QString &file)
{
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(file);
    dialog.hide();
}

} // namespace

void snapshotViews(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *main = env.createMain();
    Settings &s = main->settings;
    s.ProgramFolder = env.folder();
    s.UserName = env.userName();
    s.QuestionFilePath = env.path(QStringLiteral("基本英文.txt"));
    s.QuestionBaseName = QStringLiteral("基本英文");
    env.writeSetup(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("2"));
    env.writeSetup(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("Question.txt"));
    env.writeSetup(QStringLiteral("Question"), QStringLiteral("2"), QStringLiteral("基本英文.txt"));
    TextFile::writeLines(s.QuestionFilePath, {
        QStringLiteral("#現在完了"), QStringLiteral("I have just finished my homework."),
        QStringLiteral("ちょうど宿題を終えたところです。"), QStringLiteral("完了を表す現在完了形です。"),
        QStringLiteral("finished"), QString(),
        QStringLiteral("#助動詞"), QStringLiteral("You must not swim in this river."),
        QStringLiteral("この川で泳いではいけません。"), QStringLiteral("must not は強い禁止を表します。"),
        QStringLiteral("must"),
    });
    const QString user = s.userFolder();
    TextFile::writeLines(user + QStringLiteral("基本英文_20013.dat"), {
        QStringLiteral("[Information]"), QStringLiteral("PrevDay=9"), QStringLiteral("DayNum=4"),
        QStringLiteral("[1]"), QStringLiteral("Date=3/1"), QStringLiteral("3/1=10,6,60"),
        QStringLiteral("[2]"), QStringLiteral("Date=3/3"), QStringLiteral("3/3=12,8,67"),
        QStringLiteral("[3]"), QStringLiteral("Date=3/6"), QStringLiteral("3/6=20,15,75"),
        QStringLiteral("[4]"), QStringLiteral("Date=3/9"), QStringLiteral("3/9=8,7,88"),
    });
    TextFile::writeLines(user + QStringLiteral("2001.dat"), {
        QStringLiteral("[基本英文]"), QStringLiteral("Check=1"), QStringLiteral("1=40,18,45"),
        QStringLiteral("2=52,31,60"), QStringLiteral("3=50,36,72"),
    });
    TextFile::writeLines(user + QStringLiteral("2000.dat"), {
        QStringLiteral("[基本英文]"), QStringLiteral("Check=1"), QStringLiteral("4=10,3,30"),
        QStringLiteral("5=10,4,40"), QStringLiteral("6=10,5,50"), QStringLiteral("7=10,5,50"),
        QStringLiteral("8=10,6,60"), QStringLiteral("9=10,7,70"), QStringLiteral("10=10,8,80"),
        QStringLiteral("11=10,8,80"), QStringLiteral("12=10,9,90"),
    });

    {
        TfrmShowPercent dlg(s);
        dlg.cmdView->click();
        renderView(dlg, outDir + QStringLiteral("/show_percent.png"));
    }
    {
        TfrmShowGraph dlg(s);
        dlg.show();
        QApplication::processEvents();
        dlg.cmdView->click();                      // 2001 in black
        dlg.cboYear->setCurrentText(QStringLiteral("2000"));
        dlg.cmdView->click();                      // 2000 in blue
        renderView(dlg, outDir + QStringLiteral("/show_graph.png"));
    }
    TextFile::writeLines(user + QStringLiteral("Temp.dat"), {
        QStringLiteral("[基本英文]"), QStringLiteral("Check=1"), QStringLiteral("Count=6"),
        QStringLiteral("1=50"), QStringLiteral("2=60"), QStringLiteral("3=55"), QStringLiteral("4=80"),
        QStringLiteral("5=70"), QStringLiteral("6=90"),
    });
    {
        TfrmShowGraph dlg(s);
        dlg.show();
        QApplication::processEvents();
        dlg.rbRecent->click();
        dlg.cmdView->click();
        renderView(dlg, outDir + QStringLiteral("/show_graph_recent.png"));
    }

    DrillState &d = main->drill;
    DrillRecord &a = d.Drills[0];
    a.PlannedCount = 10;
    a.AtariCount = 8;
    a.HazureCount = 2;
    a.WrongLines = {6, 0};
    a.CorrectRate = QStringLiteral("80");
    a.QuestionFile = s.QuestionFilePath;
    a.StartTime = QStringLiteral("14：0：05");
    a.EndTime = QStringLiteral("14：6：41");
    DrillRecord &b = d.Drills[1];
    b.PlannedCount = 5;
    b.AtariCount = 5;
    b.CorrectRate = QStringLiteral("100");
    b.QuestionFile = s.QuestionFilePath;
    b.StartTime = QStringLiteral("14：10：00");
    b.EndTime = QStringLiteral("14：12：38");
    d.DrillCount = 2;
    {
        TfrmShowHistory dlg(d);
        dlg.show();
        QApplication::processEvents();
        dlg.lstHistory->setCurrentItem(dlg.lstHistory->topLevelItem(0));
        renderView(dlg, outDir + QStringLiteral("/show_history.png"));
    }
}
