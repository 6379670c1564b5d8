// Users in User.ini: whatever the file holds and whatever name is typed, a
// refused name changes nothing, an accepted one becomes a folder of its own
// inside the program folder and a registered user whose start count grows.
#include "FuzzSupport.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"
#include "settings/Users.h"

#include <QDir>
#include <QFileInfo>

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int options = in.byte();
    const QString typed = TextFile::decode(in.piece());
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    Settings s;
    s.ProgramFolder = folder;
    writeFile(s.userIniPath(), bytes);

    const UserIniStart start = ReadUserIniStart(folder);
    FUZZ_CHECK(!start.UserName.isEmpty(), QStringLiteral("empty user name read"));
    const QStringList users = RegisteredUsers(folder);
    const QString name = typed.trimmed();
    const QStringList filesBefore = filesBelow(folder);
    const QByteArray iniBefore = readFile(s.userIniPath());
    const QString problem = UserNameProblem(typed);

    QString error;
    const bool chosen = (options & 1) ? RegisterUser(s, typed, &error) : ChooseUser(s, typed, &error);
    if (!problem.isEmpty()) {
        FUZZ_CHECK(!chosen && error == problem, shown(typed));
        FUZZ_CHECK(filesBelow(folder) == filesBefore && readFile(s.userIniPath()) == iniBefore,
                   QStringLiteral("a refused name changed files"));
        return 0;
    }
    // A name that becomes a folder and an INI section holds no control
    // character.
    for (QChar c : name)
        FUZZ_CHECK(c.category() != QChar::Other_Control && c != QChar::LineSeparator
                       && c != QChar::ParagraphSeparator,
                   QStringLiteral("name %1 accepted").arg(shown(typed)));
    if (!chosen) {
        // Only a name taken by a file of the program folder may fail, or one
        // that User.ini cannot take when it or the file holds bytes that did
        // not decode (a name needing UTF-8, which cannot hold them; bytes
        // that would pair with what is written next to them): then nothing
        // is written.
        if (QFileInfo::exists(folder + name) && !QFileInfo(folder + name).isDir())
            return 0;
        FUZZ_CHECK((hasRawByte(TextFile::decode(bytes)) || hasRawByte(name)) && !error.isEmpty()
                       && filesBelow(folder) == filesBefore && readFile(s.userIniPath()) == iniBefore,
                   error);
        return 0;
    }
    const QFileInfo userFolder(folder + name);
    FUZZ_CHECK(userFolder.isDir(), QStringLiteral("no folder for %1").arg(shown(name)));
    FUZZ_CHECK(userFolder.canonicalFilePath()
                   == QDir(folder).canonicalPath() + QLatin1Char('/') + userFolder.fileName(),
               QStringLiteral("folder %1 is not inside the program folder").arg(userFolder.canonicalFilePath()));
    const QStringList registered = RegisteredUsers(folder);
    FUZZ_CHECK(registered.contains(name), QStringLiteral("%1 not registered").arg(shown(name)));
    // Renumbering a damaged list drops its empty entries, never a name.
    for (const QString &user : users)
        FUZZ_CHECK(user.isEmpty() || registered.contains(user), QStringLiteral("%1 lost").arg(shown(user)));
    if (!(options & 1)) {
        FUZZ_CHECK(s.UserName == name, shown(s.UserName));
        FUZZ_CHECK(UserStartCount(folder, name) >= 1, QStringLiteral("start count"));
        // A later start raises the count by one.
        const int count = UserStartCount(folder, name);
        FUZZ_CHECK(RaiseUserStartCount(s, &error), error);
        FUZZ_CHECK(count == INT_MAX || UserStartCount(folder, name) == count + 1,
                   QStringLiteral("start count %1 became %2").arg(count).arg(UserStartCount(folder, name)));
        FUZZ_CHECK(WriteShutdownUser(s, &error), error);
        FUZZ_CHECK(ReadUserIniStart(folder).UserName == name, QStringLiteral("user at shutdown"));
    }
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
