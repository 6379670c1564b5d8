#include "CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>

namespace CommandLine {

namespace {

QString helpText()
{
    return QStringLiteral(
               "使い方: ulvendo [オプション]\n"
               "日本語を話す人のための英語の学習ソフト Ulvendo を起動します。\n"
               "\n"
               "オプション:\n"
               "  -h, --help        この説明を表示して終了します。\n"
               "  -v, --version     バージョンを表示して終了します。\n"
               "  --home <フォルダ>  ユーザーのデータと設定をこのフォルダに置きます\n"
               "                    (環境変数 ULVENDO_HOME と同じ)。\n"
               "\n"
               "データの置き場所: --home または ULVENDO_HOME があればそのフォルダ、\n"
               "プログラムのフォルダに書き込めればそのフォルダ、それ以外は\n"
               "$XDG_DATA_HOME/ulvendo (既定 ~/.local/share/ulvendo) です。\n");
}

} // namespace

QString versionText()
{
    return QStringLiteral("ulvendo ") + ProgramVersion() + QLatin1Char('\n');
}

Options parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption home(QStringLiteral("home"), QString(), QStringLiteral("dir"));
    parser.addOptions({help, version, home});

    Options out;
    if (!parser.parse(arguments)) {
        out.action = Action::Fail;
        if (!parser.unknownOptionNames().isEmpty())
            out.output = QStringLiteral("不明なオプションです: ") + parser.unknownOptionNames().first();
        else
            out.output = QStringLiteral("--home にはフォルダを指定してください");
        out.output += QStringLiteral("\n詳しくは ulvendo --help を見てください。\n");
        return out;
    }
    if (!parser.positionalArguments().isEmpty()) {
        out.action = Action::Fail;
        out.output = QStringLiteral("余分な引数があります: ") + parser.positionalArguments().first()
                     + QStringLiteral("\n詳しくは ulvendo --help を見てください。\n");
        return out;
    }
    if (parser.isSet(help)) {
        out.action = Action::ShowHelp;
        out.output = helpText();
        return out;
    }
    if (parser.isSet(version)) {
        out.action = Action::ShowVersion;
        out.output = versionText();
        return out;
    }
    if (parser.isSet(home)) {
        out.home = parser.value(home);
        if (out.home.trimmed().isEmpty()) {
            out.action = Action::Fail;
            out.output = QStringLiteral("--home にはフォルダを指定してください\n");
        }
    }
    return out;
}

} // namespace CommandLine
