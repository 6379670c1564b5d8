#include "records/Answers.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "records/RecordText.h"
#include "reference/MakerChecks.h"
#include "settings/Settings.h"

bool InitAnswersFile(const QString &ansFile)
{
    IniFile ini(ansFile);
    ini.writeString(QStringLiteral("正解ファイル"), QStringLiteral("問題"),
                    QStringLiteral("新しい正解"));
    return ini.save();
}

bool AppendAcceptedAnswer(const QString &ansFile, const QString &questionText,
                          const QString &inputAnswer)
{
    // One line per answer: a line break would add a stray line that counts
    // as an answer of its own (the text layer refuses it too).
    if (questionText.contains(QLatin1Char('\n')) || Maker::hasLineBreak(inputAnswer))
        return false;
    return AppendRecordLines(ansFile, {questionText + QLatin1Char('=') + inputAnswer});
}

bool IsRegisteredAnswer(const QString &ansFile, const QString &questionText,
                        const QString &inputAnswer)
{
    QStringList lines;
    if (!TextFile::readLines(ansFile, lines))
        return false;
    // A line is compared whole, so that a question text holding "=" still
    // finds the answers accepted for it.
    const QString wanted = questionText + QLatin1Char('=') + inputAnswer;
    for (const QString &line : lines) {
        if (TextFile::sameText(line, wanted))
            return true;
    }
    return false;
}

QString AnswersOpenErrorMessage(const Settings &settings)
{
    return QStringLiteral("ファイルを開く事ができませんでした\n\n") + settings.ProgramFolder
           + settings.UserName + QStringLiteral("/に") + settings.QuestionBaseName
           + QStringLiteral(".ansが存在するか確かめてください\n無い場合は、新規作成してください");
}
