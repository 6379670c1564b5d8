// The user's Setup.ini: whatever it holds, the settings read, written and
// read again are the settings read; the plan and the recent-file lists
// read back as written.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "settings/Plan.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int options = in.byte();
    const QString recent = TextFile::splitLines(TextFile::decode(in.piece())).value(0);
    const QByteArray bytes = in.rest();
    const QString folder = Scratch::instance().reset();
    Settings s;
    s.ProgramFolder = folder;
    s.UserName = QStringLiteral("u");
    writeFile(s.setupIniPath(), bytes);
    const QVector<IniValue> before = iniValues(s.setupIniPath());

    // Load, save, load, save: the second save writes what the first did.
    LoadSettings(s);
    QString error;
    FUZZ_CHECK(SaveSettings(s, &error), error);
    const QByteArray first = readFile(s.setupIniPath());
    Settings again;
    again.ProgramFolder = folder;
    again.UserName = s.UserName;
    LoadSettings(again);
    FUZZ_CHECK(SaveSettings(again, &error), error);
    FUZZ_CHECK(readFile(s.setupIniPath()) == first, QStringLiteral("settings changed on a second round"));
    // Sections the settings do not own are kept.
    static const QStringList own{QStringLiteral("Setup"), QStringLiteral("File Path"),
                                 QStringLiteral("Font"), QStringLiteral("Color")};
    checkIniKept(before, s.setupIniPath(), [&](const QString &sec, const QString &) {
        for (const QString &o : own)
            if (sameIniName(sec, o))
                return true;
        return false;
    });

    // The plan reads back as written.
    const QList<PlanItem> plan = ReadPlan(s.setupIniPath());
    FUZZ_CHECK(plan.size() <= kPlanMaxItems, QString::number(plan.size()));
    FUZZ_CHECK(SavePlan(s.setupIniPath(), plan, &error), error);
    const QList<PlanItem> planBack = ReadPlan(s.setupIniPath());
    FUZZ_CHECK(planBack.size() == plan.size(), QStringLiteral("plan size"));
    for (int i = 0; i < plan.size(); ++i)
        FUZZ_CHECK(planBack.at(i).Purpose == plan.at(i).Purpose
                       && planBack.at(i).DateText == plan.at(i).DateText,
                   QStringLiteral("goal %1").arg(i));

    // A collection used for a drill is in the list afterwards, under its
    // file name, with its path.
    const RecentList list = (options & 1) ? RecentList::Reference : RecentList::Question;
    const QString path = folder + QStringLiteral("books/") + recent;
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (!recent.isEmpty() && !recent.contains(QLatin1Char('/')) && !recent.contains(QLatin1Char('\\'))
        && recent.trimmed() == recent) {
        const QStringList names = RecentFileNames(s, list);
        bool added = false;
        FUZZ_CHECK(AddRecentFile(s, list, path, &added, &error), error);
        const QStringList namesAfter = RecentFileNames(s, list);
        FUZZ_CHECK(namesAfter.contains(name), QStringLiteral("%1 not listed").arg(shown(name)));
        FUZZ_CHECK(added == !names.contains(name), QStringLiteral("added"));
        // No entry is lost (a list damaged by hand may show entries it hid).
        for (const QString &n : names)
            FUZZ_CHECK(n.isEmpty() || namesAfter.contains(n), QStringLiteral("%1 lost").arg(shown(n)));
        FUZZ_CHECK(namesAfter.size() >= names.size() - names.count(QString()) + (added ? 1 : 0),
                   QStringLiteral("list size"));
        if (added)
            FUZZ_CHECK(RecentFilePath(s, list, name) == path,
                       QStringLiteral("path of %1: %2").arg(shown(name), shown(RecentFilePath(s, list, name))));
    }
    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    return 0;
}
