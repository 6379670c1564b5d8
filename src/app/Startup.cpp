#include "app/Startup.h"

#include "platform/DataLocation.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Version.h"
#include "widgets/Captions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace Startup {

CommandLine::Options readCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Options options = CommandLine::parse(arguments);
    if (!options.output.isEmpty()) {
        const QByteArray text = options.output.toLocal8Bit();
        std::fputs(text.constData(), options.action == CommandLine::Action::Fail ? stderr : stdout);
    }
    return options;
}

int exitCode(const CommandLine::Options &options)
{
    return options.action == CommandLine::Action::Fail ? 2 : 0;
}

void prepareApplication(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Ulvendo"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
    QGuiApplication::setDesktopFileName(DesktopEntryId());
    installJapaneseTranslations(app);
}

bool installJapaneseTranslations(QCoreApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

bool useDataFolder(const QString &homeOption)
{
    const DataLocation::Choice choice =
        DataLocation::choose(DataLocation::probe(QCoreApplication::applicationDirPath(), homeOption));
    QString error;
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    if (!DataLocation::prepare(choice, {program}, &error)) {
        platform().message(nullptr, ErrorCaption(), error, MsgKind::Warning);
        return false;
    }
    Paths::setProgramFolder(choice.folder);
    return true;
}

} // namespace Startup
