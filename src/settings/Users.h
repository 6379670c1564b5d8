#pragma once
// The users of the installation, kept in User.ini in the program folder:
// [Setup] Boot, ShowUser, UserName; [User] UserNum and 1..UserNum (names in
// order of registration); [<user name>] Num (how often the user started).
// Each user has a folder of the same name inside the program folder.
#include <QString>
#include <QStringList>

struct Settings;

// What the start-up reads from User.ini (defaults "0", "0", " ").
struct UserIniStart
{
    int Boot = 0;
    int ShowUser = 0;
    QString UserName = QStringLiteral(" ");
};
UserIniStart ReadUserIniStart(const QString &programFolder);

// The registered names, User/1 .. User/UserNum.
QStringList RegisteredUsers(const QString &programFolder);
// A user's start count (Num, default 0).
int UserStartCount(const QString &programFolder, const QString &name);

// The text of a refusal when `name` cannot become a user (and folder) name,
// or "" when it can. An empty name gives the dialog's own message.
QString UserNameProblem(const QString &name);
// The message for an empty name.
QString EmptyUserNameMessage();

// A later start without the user dialog: Num of the current user + 1.
bool RaiseUserStartCount(const Settings &s, QString *error = nullptr);

// OK in the user dialog. The name is taken without surrounding spaces; a
// name UserNameProblem refuses is not written (false, *error = the refusal).
// Otherwise it becomes s.UserName; a name
// not yet listed (exact text) is appended (UserNum + 1, Num "0"); Num becomes
// the count read before plus one; s.UserNum is the user count; the user
// folder is created when missing. False with *error when User.ini or the
// folder cannot be written (s is then unchanged).
bool ChooseUser(Settings &s, const QString &name, QString *error = nullptr);

// Registration from the settings dialog: always appends the name as entry
// UserNum + 1 with Num "0" and creates its folder; s.UserNum follows.
// Refuses (false, *error) what UserNameProblem refuses, like ChooseUser.
bool RegisterUser(Settings &s, const QString &name, QString *error = nullptr);

// Setup/ShowUser written at once.
bool WriteShowUser(const QString &programFolder, int showUser, QString *error = nullptr);
// At shutdown: Setup/Boot = "1" and Setup/UserName = the current user.
bool WriteShutdownUser(const Settings &s, QString *error = nullptr);

// Creates program folder + name when missing.
bool EnsureUserFolder(const QString &programFolder, const QString &name, QString *error = nullptr);
