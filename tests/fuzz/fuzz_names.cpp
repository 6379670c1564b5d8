// Names typed by the learner that become files or folders (user names, new
// text files): a refused name writes nothing; an accepted one makes exactly
// one entry directly inside the folder given, and holds no control
// character. The path helpers split any path consistently.
#include "FuzzSupport.h"

#include "authoring/NewTextFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "reference/MakerChecks.h"
#include "settings/Users.h"

#include <QDir>
#include <QFileInfo>

using namespace Fuzz;

namespace {

bool hasControl(const QString &s)
{
    for (QChar c : s)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    return false;
}

// Exactly one new entry, `entry`, directly inside `folder`.
void checkOnlyEntry(const QString &folder, const QString &entry, const QString &name)
{
    const QStringList top = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                   | QDir::NoDotAndDotDot);
    FUZZ_CHECK(top == QStringList{entry},
               QStringLiteral("name %1 made %2").arg(shown(name), top.join(QLatin1Char('|'))));
    FUZZ_CHECK(filesBelow(folder) == QStringList{entry},
               QStringLiteral("name %1 made %2").arg(shown(name), filesBelow(folder).join(QLatin1Char('|'))));
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int which = in.byte() % 3;
    const QString name = TextFile::decode(in.rest());
    const QString folder = Scratch::instance().reset();

    // Path pieces: folder part and file name make up the path again.
    FUZZ_CHECK(Paths::folderOf(name) + Paths::fileName(name) == name, shown(name));
    FUZZ_CHECK(Paths::baseName(name) == Paths::fileName(name).left(qMax(0, Paths::fileName(name).size() - 4)),
               shown(name));

    if (which == 0) {
        const QString problem = NewText::nameError(name);
        QString message;
        const NewText::Result r = NewText::create(folder, name, &message);
        if (!problem.isEmpty()) {
            FUZZ_CHECK(r == NewText::Result::Refused, shown(name));
            FUZZ_CHECK(filesBelow(folder).isEmpty(), QStringLiteral("a refused name made a file"));
            return 0;
        }
        FUZZ_CHECK(!hasControl(name), QStringLiteral("name %1 accepted").arg(shown(name)));
        const QString made = Paths::fileName(NewText::filePath(folder, name));
        if (TextFile::byteLength(NewText::filePath(folder, name)) > Maker::PathLimit) {
            // A path longer than the makers take is refused, with a message.
            FUZZ_CHECK(r == NewText::Result::Refused && !message.isEmpty() && filesBelow(folder).isEmpty(),
                       shown(name));
            return 0;
        }
        if (!fitsOnDisk(made) && r == NewText::Result::Failed) {
            FUZZ_CHECK(filesBelow(folder).isEmpty() && !message.isEmpty(), shown(name));
            return 0;
        }
        FUZZ_CHECK(r == NewText::Result::Created, QStringLiteral("%1: %2").arg(shown(name), message));
        FUZZ_CHECK(QFileInfo(folder + made).isFile(), shown(made));
        checkOnlyEntry(folder, made, name);
    } else if (which == 1) {
        if (!UserNameProblem(name).isEmpty()) {
            // Only a name that cannot become a folder name is refused.
            FUZZ_CHECK(!Paths::isSafeName(name.trimmed()) || !Paths::fitsNameLength(name.trimmed()),
                       shown(name));
            return 0;
        }
        const QString user = name.trimmed();
        FUZZ_CHECK(!hasControl(user), QStringLiteral("user name %1 accepted").arg(shown(name)));
        QString error;
        if (!fitsOnDisk(user)) {
            if (!EnsureUserFolder(folder, user, &error)) {
                FUZZ_CHECK(filesBelow(folder).isEmpty() && !error.isEmpty(), shown(name));
                return 0;
            }
        }
        FUZZ_CHECK(EnsureUserFolder(folder, user, &error), error);
        FUZZ_CHECK(QFileInfo(folder + user).isDir(), shown(user));
        checkOnlyEntry(folder, user, name);
    } else {
        if (!Paths::isSafeName(name))
            return 0;
        FUZZ_CHECK(!name.contains(QLatin1Char('/')) && name.trimmed() != QLatin1String("..")
                       && name.trimmed() != QLatin1String("."),
                   shown(name));
        if (!QDir().mkpath(folder + name)) {
            FUZZ_CHECK(!fitsOnDisk(name) && filesBelow(folder).isEmpty(), shown(name));
            return 0;
        }
        checkOnlyEntry(folder, name, name);
    }
    return 0;
}
