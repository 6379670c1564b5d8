#pragma once
// The users of the installation, kept in User.ini in the program folder:
// [Setup] Boot, ShowUser, UserName; [User] UserNum and 1..UserNum (names in
// order of registration); [<user name>] Num (how often the user started).
// Each user has a folder of the same name inside the program folder.
#include <QString>
#include <QStringList>

struct Settings;

// What the start-up reads from User.ini (defaults "0", "0", " "). A
// hand-edited UserName that UserNameProblem refuses reads as " ", the
// user of a first run, so that the user dialog asks again.
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
// Why `name` cannot be a user here: UserNameProblem, or the failure to make
// its folder (made when missing). "" when it can.
QString UserFolderProblem(const QString &programFolder, const QString &name);

// The message for an empty name.
QString EmptyUserNameMessage();

// A later start without the user dialog: Num of the current user + 1.
bool RaiseUserStartCount(const Settings &s, QString *error = nullptr);

// OK in the user dialog. The name is taken without surrounding spaces; a
// name UserNameProblem refuses is not written (false, *error = the refusal).
// The user folder is created first (when missing); then the name becomes
// s.UserName, a name not yet listed (exact text) is appended (UserNum + 1,
// Num "0"), Num becomes the count read before plus one and s.UserNum is the
// user count. False with *error when the folder cannot be made or User.ini
// cannot be written: User.ini, the folders and s are then unchanged.
bool ChooseUser(Settings &s, const QString &name, QString *error = nullptr);

// Registration from the settings dialog: creates the folder, then appends
// the name as entry UserNum + 1 with Num "0"; s.UserNum follows. A name
// registered already keeps its entry and its start count. Refuses what
// ChooseUser refuses, changing nothing.
bool RegisterUser(Settings &s, const QString &name, QString *error = nullptr);

// Setup/ShowUser written at once.
bool WriteShowUser(const QString &programFolder, int showUser, QString *error = nullptr);
// At shutdown: Setup/Boot = "1" and Setup/UserName = the current user.
bool WriteShutdownUser(const Settings &s, QString *error = nullptr);

// Creates program folder + name when missing; *created tells whether it was
// made by this call.
bool EnsureUserFolder(const QString &programFolder, const QString &name, QString *error = nullptr,
                      bool *created = nullptr);
