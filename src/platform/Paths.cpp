#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString g_override;

QString withSlash(QString f)
{
    if (!f.isEmpty() && !f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}
}

namespace Paths {

QString programFolder()
{
    if (!g_override.isEmpty())
        return g_override;
    const QString env = qEnvironmentVariable("ULVENDO_HOME");
    if (!env.isEmpty())
        return withSlash(env);
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return QStringLiteral("./");
}

void setProgramFolder(const QString &folder)
{
    g_override = withSlash(folder);
}

QString helpFile(const QString &programFolder)
{
    const QString name = QStringLiteral("Ulvendo.hlp");
    const QString own = withSlash(programFolder) + name;
    if (QFileInfo(own).isFile() || !QCoreApplication::instance())
        return own;
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/../share/ulvendo/") + name);
    return QFileInfo(installed).isFile() ? installed : own;
}

QString fileName(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

QString baseName(const QString &path)
{
    const QString name = fileName(path);
    return name.left(qMax(0, name.size() - 4));
}

QString folderOf(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : path.left(slash + 1);
}

bool isSafeName(const QString &name)
{
    const QString t = name.trimmed();
    if (t.isEmpty() || t == QLatin1String(".") || t == QLatin1String(".."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !hasControlCharacter(name);
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Other_Control || cat == QChar::Separator_Line
            || cat == QChar::Separator_Paragraph)
            return true;
    }
    return false;
}

bool fitsNameLength(const QString &name)
{
    return QFile::encodeName(name).size() <= MaxNameBytes;
}

} // namespace Paths
