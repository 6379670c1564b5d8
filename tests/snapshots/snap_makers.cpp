// The reference maker and the question maker with Japanese entries typed in.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "DarkPalette.h"
#include "authoring/frmImport.h"
#include "authoring/frmMakeQuestion.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"
#include "platform/TextFile.h"
#include "reference/frmMakeReference.h"
#include "settings/Settings.h"

void snapshotMakers(const QString &outDir)
{
    QTemporaryDir dir;
    Settings settings;
    settings.ProgramFolder = dir.path() + QLatin1Char('/');
    settings.UserName = QStringLiteral("taro");
    QDir().mkpath(settings.ProgramFolder + QStringLiteral("taro"));
    QDir().mkpath(settings.ProgramFolder + QStringLiteral("reference"));
    QDir().mkpath(settings.ProgramFolder + QStringLiteral("dictionary"));
    settings.ReferenceFilePath = settings.ProgramFolder + QStringLiteral("reference/Reference.txt");
    settings.QuestionFilePath = settings.ProgramFolder + QStringLiteral("dictionary/中学英語.txt");
    TextFile::writeLines(settings.ReferenceFilePath, {
        QStringLiteral("#現在完了"), QStringLiteral("1"), QStringLiteral("have + 過去分詞"), QString(),
        QStringLiteral("#受動態"), QStringLiteral("1"), QStringLiteral("be + 過去分詞"), QString(),
    });
    {
        IniFile ini(settings.setupIniPath());
        ini.writeString(QStringLiteral("Reference"), QStringLiteral("RefCount"), QStringLiteral("1"));
        ini.writeString(QStringLiteral("Reference"), QStringLiteral("1"), QStringLiteral("Reference.txt"));
        ini.writeString(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("2"));
        ini.writeString(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("Question.txt"));
        ini.writeString(QStringLiteral("Question"), QStringLiteral("2"), QStringLiteral("中学英語.txt"));
        ini.save();
    }

    ScriptedPlatform scripted;
    Platform::install(&scripted);
    {
        TfrmMakeReference maker(settings);
        maker.show();
        QApplication::processEvents();
        maker.txtKeyword->setText(QStringLiteral("不定詞の名詞的用法"));
        maker.moReference->setPlainText(QStringLiteral(
            "to + 動詞の原形 で「～すること」という意味になり、文の主語・目的語・補語になります。\n"
            "\n"
            "【主語】 To read books is fun.（本を読むことは楽しい）\n"
            "【目的語】 I want to go to Kyoto.（京都へ行きたい）\n"
            "【補語】 My dream is to be a doctor.（夢は医者になることです）"));
        QApplication::processEvents();
        maker.grab().save(outDir + QStringLiteral("/make_reference.png"));
        maker.close();
    }
    {
        TfrmMakeQuestion maker(settings);
        maker.show();
        QApplication::processEvents();
        maker.cboKeyword->setCurrentIndex(1);
        maker.txtEnglish->setText(QStringLiteral("This book was written by my uncle."));
        maker.txtJapanese->setText(QStringLiteral("この本は私のおじによって書かれました。"));
        maker.txtHole->setText(QStringLiteral("was,written,by"));
        maker.moComment->setPlainText(QStringLiteral(
            "受動態の過去形です。\nby のあとの代名詞は目的格（him, her, them）になります。"));
        QApplication::processEvents();
        maker.grab().save(outDir + QStringLiteral("/make_question.png"));
        maker.close();
    }
    {
        // A notes export with header lines and HTML, one row without English.
        const QString source = settings.ProgramFolder + QStringLiteral("words.txt");
        QFile f(source);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral(
            "#separator:tab\n#html:true\n#columns:English\tJapanese\tComment\tTags\n"
            "I have just finished my homework.\tちょうど宿題を終えたところです。\t現在完了（完了）\tunit1\n"
            "She has been to Kyoto twice.\t彼女は京都に<b>2回</b>行ったことがあります。\t経験<br>回数は文末\tunit1\n"
            "\tこの行は英文がありません\t\tunit1\n"
            "We have lived here for ten years.\t私たちはここに10年間住んでいます。\tfor&nbsp;+&nbsp;期間\tunit2\n")
                    .toUtf8());
        f.close();
        const QPalette before = QApplication::palette();
        for (const bool dark : {false, true}) {
            if (dark)
                QApplication::setPalette(DarkPalette());
            TfrmImport window(settings, QString());
            window.show();
            QApplication::processEvents();
            window.LoadImportFile(source);
            QApplication::processEvents();
            window.grab().save(outDir + (dark ? QStringLiteral("/dark_import.png") : QStringLiteral("/import.png")));
            window.close();
        }
        QApplication::setPalette(before);
    }
    Platform::install(nullptr);
}
