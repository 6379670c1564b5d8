#include "settings/Users.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kUser = QStringLiteral("User");
const QString kUserNum = QStringLiteral("UserNum");
const QString kNum = QStringLiteral("Num");

QString userIni(const QString &programFolder)
{
    return programFolder + QStringLiteral("User.ini");
}

} // namespace

UserIniStart ReadUserIniStart(const QString &programFolder)
{
    const IniFile ini(userIni(programFolder));
    UserIniStart r;
    r.Boot = ini.readInt(kSetup, QStringLiteral("Boot"), 0);
    r.ShowUser = ini.readInt(kSetup, QStringLiteral("ShowUser"), 0);
    r.UserName = ini.readString(kSetup, QStringLiteral("UserName"), QStringLiteral(" "));
    // A key written empty reads as the empty text; the user of such a run is
    // the same unnamed user as on a first run.
    if (r.UserName.isEmpty())
        r.UserName = QStringLiteral(" ");
    return r;
}

QStringList RegisteredUsers(const QString &programFolder)
{
    const IniFile ini(userIni(programFolder));
    const int count = ini.readInt(kUser, kUserNum, 0);
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(ini.readString(kUser, QString::number(i), QString()));
    return names;
}

int UserStartCount(const QString &programFolder, const QString &name)
{
    const IniFile ini(userIni(programFolder));
    return ini.readInt(name, kNum, 0);
}

QString EmptyUserNameMessage()
{
    return QStringLiteral("ユーザー名が選択 / 記入されていません");
}

QString UserNameProblem(const QString &name)
{
    const QString t = name.trimmed();
    if (t.isEmpty())
        return EmptyUserNameMessage();
    if (!Paths::isSafeName(t))
        return QStringLiteral("このユーザー名は使用できません。\n"
                              "「/」や「\\」を含む名前、「.」「..」はユーザー名にできません。");
    return QString();
}

bool EnsureUserFolder(const QString &programFolder, const QString &name, QString *error)
{
    const QString folder = programFolder + name;
    if (QFileInfo(folder).isDir())
        return true;
    if (QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("フォルダ「%1」を作成できません").arg(folder);
    return false;
}

bool RaiseUserStartCount(const Settings &s, QString *error)
{
    IniFile ini(s.userIniPath());
    ini.writeInt(s.UserName, kNum, ini.readInt(s.UserName, kNum, 0) + 1);
    return ini.save(error);
}

bool ChooseUser(Settings &s, const QString &typed, QString *error)
{
    // Spaces around a typed name would not survive the INI file (values are
    // read trimmed), so the name is taken without them.
    const QString name = typed.trimmed();
    const QString problem = UserNameProblem(name);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    IniFile ini(s.userIniPath());
    int count = ini.readInt(kUser, kUserNum, 0);
    const int num = ini.readInt(name, kNum, 0) + 1;
    bool listed = false;
    for (int i = 1; i <= count && !listed; ++i)
        listed = ini.readString(kUser, QString::number(i), QString()) == name;
    if (!listed) {
        count = qMax(0, count) + 1;
        ini.writeInt(kUser, kUserNum, count);
        ini.writeString(kUser, QString::number(count), name);
        ini.writeInt(name, kNum, 0);
    }
    ini.writeInt(name, kNum, num);
    if (!ini.save(error))
        return false;
    if (!EnsureUserFolder(s.ProgramFolder, name, error))
        return false;
    s.UserName = name;
    s.UserNum = count;
    return true;
}

bool RegisterUser(Settings &s, const QString &typed, QString *error)
{
    const QString name = typed.trimmed();
    const QString problem = UserNameProblem(name);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    IniFile ini(s.userIniPath());
    const int count = qMax(0, ini.readInt(kUser, kUserNum, 0)) + 1;
    ini.writeInt(kUser, kUserNum, count);
    ini.writeString(kUser, QString::number(count), name);
    ini.writeInt(name, kNum, 0);
    if (!ini.save(error))
        return false;
    s.UserNum = count;
    return EnsureUserFolder(s.ProgramFolder, name, error);
}

bool WriteShowUser(const QString &programFolder, int showUser, QString *error)
{
    IniFile ini(userIni(programFolder));
    ini.writeInt(kSetup, QStringLiteral("ShowUser"), showUser);
    return ini.save(error);
}

bool WriteShutdownUser(const Settings &s, QString *error)
{
    IniFile ini(s.userIniPath());
    ini.writeInt(kSetup, QStringLiteral("Boot"), 1);
    ini.writeString(kSetup, QStringLiteral("UserName"), s.UserName);
    return ini.save(error);
}
