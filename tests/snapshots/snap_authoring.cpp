// The question file editor with a loaded collection and a row picked, the new
// text file dialog, the print dialog with a fill-in test laid out, and the
// about box.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>

#include "TestEnv.h"
#include "app/frmAbout.h"
#include "authoring/frmEditQuestionFile.h"
#include "authoring/frmNewText.h"
#include "authoring/frmPrint.h"
#include "platform/TextFile.h"

namespace {
void render(QDialog &dialog, const QString &file)
{
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(file);
    dialog.hide();
}
} // namespace

void snapshotAuthoring(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *main = env.createMain();
    Settings &s = main->settings;
    s.ProgramFolder = env.folder();
    s.UserName = env.userName();
    s.QuestionFilePath = env.path(QStringLiteral("dictionary/Unit1.txt"));
    QDir().mkpath(env.path(QStringLiteral("dictionary/lesson")));
    TextFile::writeLines(s.QuestionFilePath, {
        QStringLiteral("#現在完了"), QStringLiteral("I have just finished my homework."),
        QStringLiteral("ちょうど宿題を終えたところです。"),
        QStringLiteral("just は「ちょうど～したところ」"), QStringLiteral("just,finished"), QString(),
        QStringLiteral("#助動詞"), QStringLiteral("You must not swim in this river."),
        QStringLiteral("この川で泳いではいけません。"),
        QStringLiteral("must not は強い禁止を表します。"), QStringLiteral("must"), QString(),
        QStringLiteral("#受け身"), QStringLiteral("This book was written by a famous writer."),
        QStringLiteral("この本は有名な作家によって書かれました。"),
        QStringLiteral("受け身は be 動詞 + 過去分詞"), QStringLiteral("written"), QString(),
        QStringLiteral("#キーワードなし"), QStringLiteral("It is fine today."),
        QStringLiteral("今日は晴れです。"), QStringLiteral("天気の言い方"), QStringLiteral("fine"),
    });
    s.ReferenceFilePath = env.path(QStringLiteral("Reference.txt"));
    TextFile::writeLines(s.ReferenceFilePath, {
        QStringLiteral("#現在完了"), QStringLiteral("1"), QStringLiteral("have + 過去分詞"), QString(),
        QStringLiteral("#助動詞"), QStringLiteral("1"), QStringLiteral("must, can, may"), QString()});
    env.writeSetup(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("Unit1.txt"));

    {
        TfrmEditQuestionFile editor(main);
        editor.FormShow();
        editor.cmdLoadClick();
        editor.show();
        QApplication::processEvents();
        editor.lstData->setCurrentItem(editor.lstData->topLevelItem(1));
        editor.lstDataClick(editor.lstData->topLevelItem(1));
        render(editor, outDir + QStringLiteral("/editquestionfile.png"));
    }
    {
        TfrmNewText dlg;
        dlg.dlbFolder->setDirectory(env.path(QStringLiteral("dictionary")));
        dlg.show();
        dlg.txtFileName->setText(QStringLiteral("Unit2"));
        render(dlg, outDir + QStringLiteral("/newtext.png"));
    }
    {
        TfrmPrint dlg(main);
        dlg.FormShow();
        dlg.SetPrintType(3);
        dlg.rgPrintTypeClick();
        dlg.cmdLoadClick();
        render(dlg, outDir + QStringLiteral("/print.png"));
    }
    {
        TfrmAbout about;
        render(about, outDir + QStringLiteral("/about.png"));
    }
}
