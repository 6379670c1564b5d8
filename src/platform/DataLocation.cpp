#include "DataLocation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace DataLocation {

namespace {

QString withSlash(QString f)
{
    if (!f.isEmpty() && !f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

bool holdsBundledData(const QString &folder)
{
    return QFileInfo(folder + bundledMarker()).isFile();
}

} // namespace

Facts probe(const QString &executableFolder, const QString &homeOption)
{
    Facts f;
    f.homeOption = homeOption;
    f.homeVariable = qEnvironmentVariable("ULVENDO_HOME");
    f.executableFolder = withSlash(executableFolder);
    const QFileInfo exe(f.executableFolder);
    f.executableFolderWritable = exe.isDir() && exe.isWritable();
    f.executableFolderHasData = holdsBundledData(f.executableFolder);
    const QString shared =
        withSlash(QDir::cleanPath(f.executableFolder + QStringLiteral("../share/ulvendo")));
    if (holdsBundledData(shared))
        f.installedData = shared;
    f.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    f.userHome = qEnvironmentVariable("HOME");
    if (f.userHome.isEmpty())
        f.userHome = QDir::homePath();
    return f;
}

Choice choose(const Facts &facts)
{
    Choice c;
    if (!facts.homeOption.isEmpty()) {
        c.folder = withSlash(facts.homeOption);
        return c;
    }
    if (!facts.homeVariable.isEmpty()) {
        c.folder = withSlash(facts.homeVariable);
        return c;
    }
    const bool installed = !facts.executableFolderHasData && !facts.installedData.isEmpty();
    if (facts.executableFolderWritable && !installed) {
        c.folder = facts.executableFolder;
        return c;
    }
    c.portable = false;
    // A relative $XDG_DATA_HOME is not valid and is ignored.
    const QString base = QDir::isAbsolutePath(facts.xdgDataHome)
                             ? facts.xdgDataHome
                             : withSlash(facts.userHome) + QStringLiteral(".local/share");
    c.folder = withSlash(QDir::cleanPath(base + QStringLiteral("/ulvendo")));
    c.bundledData = facts.executableFolderHasData ? facts.executableFolder : facts.installedData;
    return c;
}

bool prepare(const Choice &choice, const QStringList &skip, QString *error)
{
    if (!QDir().mkpath(choice.folder)) {
        if (error)
            *error = QStringLiteral("データフォルダ ") + choice.folder + QStringLiteral(" を作成できません");
        return false;
    }
    if (choice.portable || choice.bundledData.isEmpty()
        || QFileInfo::exists(choice.folder + QStringLiteral("User.ini")))
        return true;

    const QDir source(choice.bundledData);
    QDirIterator it(choice.bundledData, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        if (skip.contains(QFileInfo(from).canonicalFilePath()))
            continue;
        const QString to = choice.folder + source.relativeFilePath(from);
        if (QFileInfo::exists(to))
            continue;
        if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to)) {
            if (error)
                *error = QStringLiteral("ファイル ") + from + QStringLiteral(" を ") + to
                         + QStringLiteral(" にコピーできません");
            return false;
        }
        // The copy belongs to the user, whatever the installed file's mode.
        QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ReadUser | QFileDevice::WriteUser
                                      | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return true;
}

} // namespace DataLocation
