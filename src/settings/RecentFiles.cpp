#include "settings/RecentFiles.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

namespace {

struct ListKeys
{
    QString section;
    QString countKey;
    QString pathSection;
};

ListKeys keysOf(RecentList list)
{
    if (list == RecentList::Question)
        return {QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("Question Path")};
    return {QStringLiteral("Reference"), QStringLiteral("RefCount"), QStringLiteral("Reference Path")};
}

} // namespace

QStringList RecentFileNames(const Settings &s, RecentList list)
{
    const ListKeys k = keysOf(list);
    const IniFile ini(s.setupIniPath());
    const int count = ini.readCount(k.section, k.countKey);
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(Paths::fileName(ini.readString(k.section, QString::number(i), QString())));
    return names;
}

bool AddRecentFile(const Settings &s, RecentList list, const QString &path, bool *added,
                   QString *error)
{
    if (added)
        *added = false;
    const ListKeys k = keysOf(list);
    const QString name = Paths::fileName(path);
    IniFile ini(s.setupIniPath());
    const int count = ini.readCount(k.section, k.countKey);
    // An entry written with a folder is the entry of its file name, as the
    // lists show it (RecentFileNames), so the name is never listed twice.
    for (int i = 1; i <= count; ++i)
        if (Paths::fileName(ini.readString(k.section, QString::number(i), QString())) == name)
            return true;

    ini.appendNumbered(k.section, k.countKey, name);
    ini.writeString(k.pathSection, name, path);
    if (!ini.save(error))
        return false;
    if (added)
        *added = true;
    return true;
}

QString RecentFilePath(const Settings &s, RecentList list, const QString &name)
{
    if (name.isEmpty())
        return QString();
    const IniFile ini(s.setupIniPath());
    return ini.readString(keysOf(list).pathSection, name, QString());
}

bool RememberRecentPath(const Settings &s, RecentList list, const QString &path, QString *error)
{
    const QString name = Paths::fileName(path);
    if (name.isEmpty())
        return true;
    IniFile ini(s.setupIniPath());
    ini.writeString(keysOf(list).pathSection, name, path);
    return ini.save(error);
}

bool ResetRecentFiles(const Settings &s, QString *error)
{
    IniFile ini(s.setupIniPath());
    for (RecentList list : {RecentList::Question, RecentList::Reference}) {
        const ListKeys k = keysOf(list);
        const int count = ini.readCount(k.section, k.countKey);
        for (int i = 1; i <= count; ++i)
            ini.writeString(k.section, QString::number(i), QString());
        ini.writeInt(k.section, k.countKey, 0);
    }
    return ini.save(error);
}
