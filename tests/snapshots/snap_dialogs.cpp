// The result dialogs, the self-scoring dialog and the error review, filled
// with a question from a small Japanese collection.
#include <QApplication>
#include <QDialog>
#include <QListWidget>

#include "DarkPalette.h"
#include "TestEnv.h"
#include "platform/TextFile.h"
#include "records/RecordPaths.h"
#include "records/frmResult.h"
#include "records/frmResultAtari.h"
#include "records/frmResultCheck.h"
#include "records/frmResultError.h"
#include "records/frmShowError.h"

namespace {

void render(QDialog &dialog, const QString &file)
{
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(file);
    dialog.hide();
}

} // namespace

void snapshotResultDialogs(const QString &outDir)
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *main = env.createMain();
    Settings &s = main->settings;
    s.ProgramFolder = env.folder();
    s.UserName = env.userName();
    s.ImportantOn = 1;
    s.AddOn = 1;
    s.FontAnswerColor = 0x800000;    // dark blue (red in the low byte)
    s.FontCommentColor = 0x008000;   // green
    s.QuestionBaseName = QStringLiteral("sample");
    s.QuestionFilePath = env.path(QStringLiteral("sample.txt"));
    TextFile::writeLines(s.QuestionFilePath, {
        QStringLiteral("#現在完了"),
        QStringLiteral("I have just finished my homework."),
        QStringLiteral("ちょうど宿題を終えたところです。"),
        QStringLiteral("just は「ちょうど～したところ」。完了を表す現在完了形です。"),
        QStringLiteral("finished"),
        QString(),
        QStringLiteral("#助動詞"),
        QStringLiteral("You must not swim in this river."),
        QStringLiteral("この川で泳いではいけません。"),
        QStringLiteral("must not は強い禁止を表します。"),
        QStringLiteral("must"),
        QString(),
        QStringLiteral("#受け身"),
        QStringLiteral("This book was written by a famous writer."),
        QStringLiteral("この本は有名な作家によって書かれました。"),
        QStringLiteral("受け身は be 動詞 + 過去分詞。by の後ろに行為者を置きます。"),
        QStringLiteral("written"),
    });
    s.ReferenceFilePath = env.path(QStringLiteral("Reference.txt"));
    TextFile::writeLines(s.ReferenceFilePath, {
        QStringLiteral("#現在完了"),
        QStringLiteral("4"),
        QStringLiteral("現在完了形は have (has) + 過去分詞 で表します。"),
        QStringLiteral("【完了】 I have just finished my homework."),
        QStringLiteral("【経験】 She has been to Kyoto twice."),
        QStringLiteral("【継続】 We have lived here for ten years."),
        QString(),
    });
    TextFile::writeLines(ImportanceFile(s), {QStringLiteral("3 0")});

    DrillState &d = main->drill;
    d.CurrentLine = 0;
    d.CurrentKeyword = QStringLiteral("#現在完了");
    d.QuestionText = QStringLiteral("ちょうど宿題を終えたところです。");
    d.AnswerText = QStringLiteral("I have just finished my homework.");
    d.CommentText = QStringLiteral("just は「ちょうど～したところ」。完了を表す現在完了形です。");
    d.InputAnswer = QStringLiteral("I just finished my homework.");
    d.QAskedCount = 7;
    d.QAtariCount = 5;
    d.QRate = QStringLiteral("71");

    {
        TfrmResultAtari dlg(main);
        render(dlg, outDir + QStringLiteral("/result_atari.png"));
    }
    {
        TfrmResultError dlg(main);
        render(dlg, outDir + QStringLiteral("/result_error.png"));
    }
    {
        // The marks keep their own colours in a dark theme.
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        TfrmResultError dlg(main);
        render(dlg, outDir + QStringLiteral("/dark_result_error.png"));
        QApplication::setPalette(before);
    }
    {
        // English to Japanese: the marks go character by character.
        const QString answer = d.AnswerText, input = d.InputAnswer;
        s.QuestionType = 1;
        d.AnswerText = QStringLiteral("ちょうど宿題を終えたところです。");
        d.InputAnswer = QStringLiteral("ちょうど宿題が終わったところです。");
        TfrmResultError dlg(main);
        render(dlg, outDir + QStringLiteral("/result_error_japanese.png"));
        s.QuestionType = 0;
        d.AnswerText = answer;
        d.InputAnswer = input;
    }
    {
        TfrmResultCheck dlg(main);
        render(dlg, outDir + QStringLiteral("/result_check.png"));
    }

    // A finished drill of five questions with two wrong answers.
    d.QuestionNum = 5;
    d.AskedCount = 5;
    d.AtariCount = 3;
    d.HazureCount = 2;
    DrillRecord &r = d.Drills[0];
    r.PlannedCount = 5;
    r.AtariCount = 3;
    r.HazureCount = 3;
    r.WrongLines = {6, 12, 6};
    r.QuestionFile = s.QuestionFilePath;
    d.DrillCount = 1;
    {
        TfrmResult dlg(main);
        render(dlg, outDir + QStringLiteral("/result_summary.png"));
    }
    d.AtariCount = 5;
    {
        TfrmResult dlg(main);
        render(dlg, outDir + QStringLiteral("/result_summary_all_right.png"));
    }
    {
        TfrmShowError dlg(main);
        dlg.show();
        QApplication::processEvents();
        dlg.lstError->setCurrentRow(1);
        render(dlg, outDir + QStringLiteral("/show_error.png"));
    }
    s.ImportantOn = 0;
}
