#include "companion/Companion.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace Companion {

bool isAvailable(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    return Paths::fileName(path) == executableName();
}

QString speakCommand(const QString &english)
{
    return QStringLiteral("QVT;") + english;
}

QString reactionCommand(int code)
{
    switch (code) {
    case Correct:
        return QStringLiteral("ANI;1");
    case Wrong:
        return QStringLiteral("ANI;2");
    case Greeting:
        return QStringLiteral("ANI;3");
    case Farewell:
        return QStringLiteral("ANI;4");
    case AcceptedAsCorrect:
        return QStringLiteral("ANI;13");
    default:
        return QStringLiteral("ANI;") + QString::number(code);
    }
}

bool canHandOver(const QString &path)
{
    return isAvailable(path) && QDir::isAbsolutePath(path);
}

bool handOverPosition(const QString &path, int left, int top, int width, int height, QString *error)
{
    if (!canHandOver(path))
        return true;
    // The companion's own settings file: it keeps its encoding.
    IniFile ini(Paths::folderOf(path) + QStringLiteral("Setup.ini"), TextFile::Policy::Shared);
    ini.writeInt(QStringLiteral("Setup"), QStringLiteral("left"), left + width);
    ini.writeInt(QStringLiteral("Setup"), QStringLiteral("top"), top + height);
    return ini.save(error);
}

} // namespace Companion
