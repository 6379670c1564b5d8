#include "settings/Users.h"

#include "platform/FileError.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kUser = QStringLiteral("User");
const QString kUserNum = QStringLiteral("UserNum");
const QString kNum = QStringLiteral("Num");

QString userIni(const QString &programFolder)
{
    return programFolder + QStringLiteral("User.ini");
}

// Entry number of a registered name (exact text), or 0.
int listedAs(const IniFile &ini, const QString &name)
{
    const int count = ini.readCount(kUser, kUserNum);
    for (int i = 1; i <= count; ++i)
        if (ini.readString(kUser, QString::number(i), QString()) == name)
            return i;
    return 0;
}

// The folder is made before User.ini names the user: a user whose folder
// cannot exist is never registered. A folder made here is removed again
// when User.ini then cannot be written.
struct NewFolder
{
    QString path;
    bool created = false;
    void undo() const
    {
        if (created)
            QDir().rmdir(path);
    }
};

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
    if (r.UserName.isEmpty() || !UserNameProblem(r.UserName).isEmpty())
        r.UserName = QStringLiteral(" ");
    return r;
}

QStringList RegisteredUsers(const QString &programFolder)
{
    const IniFile ini(userIni(programFolder));
    const int count = ini.readCount(kUser, kUserNum);
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
                              "「/」や「\\」、改行などの制御文字を含む名前、"
                              "「.」「..」はユーザー名にできません。");
    if (!Paths::fitsNameLength(t))
        return QStringLiteral("このユーザー名は長すぎます。\n"
                              "フォルダ名にできるのは %1 バイトまでです。")
            .arg(Paths::MaxNameBytes);
    return QString();
}

QString UserFolderProblem(const QString &programFolder, const QString &name)
{
    QString problem = UserNameProblem(name);
    if (problem.isEmpty())
        EnsureUserFolder(programFolder, name.trimmed(), &problem);
    return problem;
}

bool EnsureUserFolder(const QString &programFolder, const QString &name, QString *error,
                      bool *created)
{
    if (created)
        *created = false;
    const QString folder = programFolder + name;
    if (QFileInfo(folder).isDir())
        return true;
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) == 0) {
        if (created)
            *created = true;
        return true;
    }
    const int why = errno;
    if (error)
        *error = QStringLiteral("フォルダ ")
                 + FileError::messageForErrno(QStringLiteral("作成できません"), folder, why);
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
    NewFolder folder{s.ProgramFolder + name};
    if (!EnsureUserFolder(s.ProgramFolder, name, error, &folder.created))
        return false;
    IniFile ini(s.userIniPath());
    int count = ini.readCount(kUser, kUserNum);
    const int num = ini.readInt(name, kNum, 0) + 1;
    if (listedAs(ini, name) == 0) {
        count = ini.appendNumbered(kUser, kUserNum, name);
        ini.writeInt(name, kNum, 0);
    }
    ini.writeInt(name, kNum, num);
    if (!ini.save(error)) {
        folder.undo();
        return false;
    }
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
    NewFolder folder{s.ProgramFolder + name};
    if (!EnsureUserFolder(s.ProgramFolder, name, error, &folder.created))
        return false;
    IniFile ini(s.userIniPath());
    const int count = ini.readCount(kUser, kUserNum);
    if (listedAs(ini, name) != 0) {
        // Registered already: its entry and start count stay as they are.
        s.UserNum = count;
        return true;
    }
    const int added = ini.appendNumbered(kUser, kUserNum, name);
    ini.writeInt(name, kNum, 0);
    if (!ini.save(error)) {
        folder.undo();
        return false;
    }
    s.UserNum = added;
    return true;
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
