#include "authoring/PrintSheet.h"

#include "platform/Random.h"
#include "platform/TextFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace PrintSheet {

namespace {
const QChar kTab = QLatin1Char('\t');
const QString kAnswerLine = QStringLiteral("\t>>");
}

QStringList styleCaptions()
{
    return {QStringLiteral("内容そのままで印刷"),
            QStringLiteral("簡易テスト形式で印刷 （タイプ）"),
            QStringLiteral("簡易テスト形式で印刷 （並び替え）"),
            QStringLiteral("簡易テスト形式で印刷 （穴埋め）")};
}

Direction directionFor(int style, bool checked)
{
    switch (style) {
    case TypeTest: return {checked, true};
    case WordTest: return {true, false};
    default: return {false, false};
    }
}

QString shuffledWords(const QString &english)
{
    QStringList words = english.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    QStringList drawn;
    drawn.reserve(words.size());
    while (!words.isEmpty()) {
        Random::seedFromClock();
        const int i = Random::global().index(words.size());
        drawn << words.takeAt(i);
    }
    return drawn.join(QLatin1Char(','));
}

QString blankedSentence(const QString &english, const QString &holeWords)
{
    const QStringList words = holeWords.split(QLatin1Char(','), Qt::KeepEmptyParts);
    const QString word = words.at(Random::global().index(words.size()));
    QString out = english;
    if (word.isEmpty())
        return out;
    const int at = out.indexOf(word, 0, Qt::CaseSensitive);
    if (at >= 0)
        out.replace(at, word.size(), QStringLiteral("(        )"));
    return out;
}

Sheet compose(const QStringList &lines, int style, bool toEnglish,
              const std::function<void(int)> &progress)
{
    Sheet sheet;
    for (int i = 0; i < lines.size(); ++i) {
        if (progress)
            progress(i);
        if (!lines.at(i).contains(QLatin1Char('#')))
            continue;
        if (i + 4 >= lines.size())
            return sheet;
        const QString &english = lines.at(i + 1);
        const QString &japanese = lines.at(i + 2);
        const QString &comment = lines.at(i + 3);
        const QString &hole = lines.at(i + 4);
        ++sheet.questions;
        const QString number = QStringLiteral("No. %1 : ").arg(sheet.questions);
        switch (style) {
        case AsIs:
            sheet.lines << number + english << kTab + japanese
                        << kAnswerLine + comment;
            break;
        case TypeTest:
            sheet.lines << number + (toEnglish ? japanese : english) << kAnswerLine;
            break;
        case WordTest:
            sheet.lines << number + japanese
                        << kTab + QStringLiteral("単語リスト ： ") + shuffledWords(english)
                        << kAnswerLine;
            break;
        default:
            sheet.lines << number + japanese << kTab + blankedSentence(english, hole)
                        << kAnswerLine;
            break;
        }
        sheet.lines << QString();
    }
    sheet.complete = true;
    return sheet;
}

QString composeFailedMessage()
{
    return QStringLiteral("問題数が多すぎるため表示できません");
}

QString withTextExtension(const QString &path)
{
    if (path.isEmpty() || Paths::fileName(path).contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".txt");
}

bool appendText(const QString &path, const QStringList &lines, QString *message)
{
    const QString failed = QStringLiteral("保存に失敗しました");
    if (path.isEmpty() || TextFile::byteLength(path) > PathLimit) {
        if (message)
            *message = failed;
        return false;
    }
    const TextFile::Encoding encoding = TextFile::fileEncoding(path);
    for (int i = 0; i < lines.size(); ++i) {
        QString refused;
        QString problem;
        if (!TextFile::canEncode(lines.at(i), encoding, &refused))
            problem = TextFile::unstorableMessage(QStringLiteral("%1 行目").arg(i + 1), refused);
        else if (TextFile::byteLength(lines.at(i), encoding) > LineLimit)
            problem = QStringLiteral("%1 行目が長すぎます（%2 バイトまで）").arg(i + 1).arg(LineLimit);
        if (!problem.isEmpty()) {
            if (message)
                *message = failed + QLatin1Char('\n') + problem;
            return false;
        }
    }
    QString why;
    if (!TextFile::append(path, lines, TextFile::Policy::Shared, &why)) {
        if (message)
            *message = failed + QLatin1Char('\n') + why;
        return false;
    }
    return true;
}

bool isFileInUse(const QString &path, const QStringList &filesInUse)
{
    const QFileInfo target(path);
    const QString targetPath = target.exists() ? target.canonicalFilePath()
                                               : QDir::cleanPath(target.absoluteFilePath());
    for (const QString &used : filesInUse) {
        if (used.isEmpty())
            continue;
        const QFileInfo info(used);
        const QString usedPath = info.exists() ? info.canonicalFilePath()
                                               : QDir::cleanPath(info.absoluteFilePath());
        if (usedPath == targetPath)
            return true;
    }
    return false;
}

QString fileInUseMessage(const QString &path)
{
    return path + QStringLiteral(" は使用中の問題集・参考書・辞書です\n"
                                 "印刷内容を保存する別のファイルを指定してください");
}

QString appendQuestion(const QString &path)
{
    return path + QStringLiteral(" は既にあります\n印刷内容をファイルの最後に追加しますか？");
}

} // namespace PrintSheet
