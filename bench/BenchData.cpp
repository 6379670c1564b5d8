#include "BenchData.h"

#include "platform/CorrectRate.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct Word
{
    const char *en;
    const char *ja;
};

// Ten choices for each of five places of a sentence: 100,000 sentences.
const Word kSubjects[10] = {
    {"teacher", "先生"}, {"student", "学生"}, {"farmer", "農家の人"}, {"pilot", "操縦士"},
    {"doctor", "医者"},  {"singer", "歌手"},  {"child", "子供"},     {"driver", "運転手"},
    {"baker", "パン屋"}, {"writer", "作家"},
};
const Word kAdjectives[10] = {
    {"young", "若い"},   {"old", "年老いた"},   {"quiet", "静かな"}, {"busy", "忙しい"},
    {"kind", "親切な"},  {"tall", "背の高い"}, {"clever", "賢い"},  {"tired", "疲れた"},
    {"happy", "幸せな"}, {"brave", "勇敢な"},
};
const Word kVerbs[10] = {
    {"reads", "読みます"},   {"paints", "塗ります"},   {"finds", "見つけます"},
    {"carries", "運びます"}, {"buys", "買います"},     {"sells", "売ります"},
    {"cleans", "掃除します"}, {"opens", "開けます"},   {"draws", "描きます"},
    {"keeps", "取っておきます"},
};
const Word kNouns[10] = {
    {"book", "本"},     {"box", "箱"},         {"letter", "手紙"}, {"map", "地図"},
    {"lamp", "ランプ"}, {"basket", "かご"},    {"picture", "絵"},  {"window", "窓"},
    {"ticket", "切符"}, {"umbrella", "傘"},
};
const Word kTimes[10] = {
    {"every morning", "毎朝"},     {"on Sunday", "日曜日に"},    {"after lunch", "昼食の後に"},
    {"at night", "夜に"},          {"every week", "毎週"},       {"before school", "学校の前に"},
    {"in the park", "公園で"},     {"at the station", "駅で"},   {"with a friend", "友達と"},
    {"in winter", "冬に"},
};

QString en(const char *s) { return QString::fromLatin1(s); }
QString ja(const char *s) { return QString::fromUtf8(s); }

int digit(int i, int place)
{
    for (int k = 0; k < place; ++k)
        i /= 10;
    return i % 10;
}

// Syllables of the dictionary's made-up words.
const char *const kSyllables[20] = {"ka", "ri", "mo", "te", "su", "no", "ha", "bi", "lu", "ze",
                                    "po", "an", "ve", "do", "mi", "ro", "ga", "ti", "sa", "ku"};

} // namespace

namespace BenchData {

QString englishSentence(int i)
{
    QString s = QStringLiteral("The ") + en(kAdjectives[digit(i, 0)].en) + QLatin1Char(' ')
                + en(kSubjects[digit(i, 1)].en) + QLatin1Char(' ') + en(kVerbs[digit(i, 2)].en)
                + QStringLiteral(" a ") + en(kNouns[digit(i, 3)].en) + QLatin1Char(' ')
                + en(kTimes[digit(i, 4)].en) + QLatin1Char('.');
    return s;
}

QStringList collectionLines(int questions)
{
    QStringList lines;
    lines.reserve(questions * 6);
    for (int i = 0; i < questions; ++i) {
        lines.append(i % 4 == 0 ? QStringLiteral("#キーワードなし")
                                : QLatin1Char('#') + en(kVerbs[digit(i, 2)].en));
        lines.append(englishSentence(i));
        lines.append(ja(kTimes[digit(i, 4)].ja) + QStringLiteral("、")
                     + ja(kAdjectives[digit(i, 0)].ja) + ja(kSubjects[digit(i, 1)].ja)
                     + QStringLiteral("は") + ja(kNouns[digit(i, 3)].ja) + QStringLiteral("を")
                     + ja(kVerbs[digit(i, 2)].ja) + QStringLiteral("。"));
        lines.append(QStringLiteral("第") + QString::number(i + 1) + QStringLiteral("問：")
                     + ja(kSubjects[digit(i, 1)].ja) + QStringLiteral("の文"));
        lines.append(en(kNouns[digit(i, 3)].en) + QLatin1Char(',') + en(kSubjects[digit(i, 1)].en));
        lines.append(QString());
    }
    return lines;
}

QStringList questionDataLines(int questions)
{
    QStringList lines;
    lines.reserve(questions * 4);
    for (int i = 0; i < questions; ++i) {
        const int asked = 10 + (i * 7) % 80;
        const int atari = (asked * ((i * 13) % 100)) / 100;
        lines.append(QLatin1Char('[') + englishSentence(i) + QLatin1Char(']'));
        lines.append(QStringLiteral("出題数=") + QString::number(asked));
        lines.append(QStringLiteral("正解数=") + QString::number(atari));
        lines.append(QStringLiteral("正解率=") + CorrectRate(atari, asked));
    }
    return lines;
}

QStringList importanceLines(int questions)
{
    QStringList lines;
    lines.reserve(questions);
    for (int i = 0; i < questions; ++i)
        lines.append(QString::number(1 + i % 4) + QLatin1Char(' ') + QString::number(questionLine(i)));
    return lines;
}

QStringList answersLines(int questions)
{
    QStringList lines{QStringLiteral("[正解ファイル]"), QStringLiteral("問題=新しい正解")};
    for (int i = 0; i < questions && i < 50; i += 7)
        lines.append(collectionLines(i + 1).at(6 * i + 2) + QLatin1Char('=')
                     + englishSentence(i).toLower());
    return lines;
}

bool writeDictionary(const QString &path, qint64 minBytes, QString *lastWord)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString meanings[6] = {QStringLiteral("走る；急ぐ"), QStringLiteral("静かな；穏やかな"),
                                 QStringLiteral("手紙；文字"), QStringLiteral("見つける；気づく"),
                                 QStringLiteral("明るい；賢い"), QStringLiteral("運ぶ；持ち歩く")};
    qint64 written = 0;
    QByteArray chunk;
    for (int i = 0; written + chunk.size() < minBytes; ++i) {
        QString word;
        for (int k = 0, n = i; k < 5; ++k, n /= 20)
            word += QLatin1String(kSyllables[n % 20]);
        const QString line = word + QLatin1Char('=') + meanings[i % 6] + QLatin1Char('*')
                             + QStringLiteral("例文 ") + QString::number(i) + QStringLiteral("：")
                             + word + QStringLiteral(" is used in a sentence.");
        chunk += TextFile::encode(line);
        chunk += "\r\n";
        if (lastWord)
            *lastWord = word;
        if (chunk.size() > (1 << 20)) {
            written += f.write(chunk);
            chunk.clear();
        }
    }
    written += f.write(chunk);
    return f.flush() && written >= minBytes;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TextFile::writeLines(path, lines);
}

QString makeProgramFolder(const QString &folder, const QString &sourceData,
                          const QList<QPair<QString, QString>> &setupKeys)
{
    const QString user = QStringLiteral("bench");
    QDir().mkpath(folder + user);
    for (const char *f : {"dictionary/Question.txt", "dictionary/Dictionary.txt",
                          "reference/Reference.txt", "hit.wav", "out.wav", "finish.wav"}) {
        const QString target = folder + QLatin1String(f);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(sourceData + QLatin1Char('/') + QLatin1String(f), target);
    }
    IniFile users(folder + QStringLiteral("User.ini"));
    users.writeString(QStringLiteral("Setup"), QStringLiteral("Boot"), QStringLiteral("1"));
    users.writeString(QStringLiteral("Setup"), QStringLiteral("ShowUser"), QStringLiteral("0"));
    users.writeString(QStringLiteral("Setup"), QStringLiteral("UserName"), user);
    users.writeString(QStringLiteral("User"), QStringLiteral("UserNum"), QStringLiteral("1"));
    users.writeString(QStringLiteral("User"), QStringLiteral("1"), user);
    users.writeString(user, QStringLiteral("Num"), QStringLiteral("1"));
    users.save();

    QFile::remove(folder + user + QStringLiteral("/Setup.ini"));
    IniFile setup(folder + user + QStringLiteral("/Setup.ini"));
    for (const auto &kv : setupKeys) {
        const int slash = kv.first.indexOf(QLatin1Char('/'));
        if (slash > 0)
            setup.writeString(kv.first.left(slash), kv.first.mid(slash + 1), kv.second);
        else
            setup.writeString(QStringLiteral("Setup"), kv.first, kv.second);
    }
    setup.save();
    return folder + user + QLatin1Char('/');
}

} // namespace BenchData
