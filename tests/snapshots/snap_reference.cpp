// The reference viewer showing a multi-line Japanese explanation.
#include <QApplication>
#include <QTemporaryDir>

#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"
#include "platform/TextFile.h"
#include "reference/frmShowReference.h"
#include "settings/Settings.h"

void snapshotReference(const QString &outDir)
{
    QTemporaryDir dir;
    Settings settings;
    settings.ProgramFolder = dir.path() + QLatin1Char('/');
    settings.ReferenceFilePath = dir.filePath(QStringLiteral("Reference.txt"));
    settings.FontReferenceColor = 0x800000; // dark blue (red is the low byte)
    TextFile::writeLines(settings.ReferenceFilePath, {
        QStringLiteral("#現在完了"),
        QStringLiteral("9"),
        QStringLiteral("現在完了形は have (has) + 過去分詞 で表します。"),
        QStringLiteral("過去に起きたことが、今とつながっていることを示します。"),
        QString(),
        QStringLiteral("【完了】 I have just finished my homework."),
        QStringLiteral("　　　　（ちょうど宿題を終えたところです）"),
        QStringLiteral("【経験】 She has been to Kyoto twice."),
        QStringLiteral("　　　　（彼女は京都へ二度行ったことがあります）"),
        QStringLiteral("【継続】 We have lived here for ten years."),
        QStringLiteral("※ yesterday や last week など、過去の時点を表す語とは一緒に使えません。"),
        QString(),
    });

    ScriptedPlatform scripted;
    Platform::install(&scripted);
    {
        TfrmShowReference viewer(settings, QStringLiteral("現在完了"));
        viewer.show();
        QApplication::processEvents();
        viewer.grab().save(outDir + QStringLiteral("/reference.png"));
        viewer.close();
    }
    Platform::install(nullptr);
}
