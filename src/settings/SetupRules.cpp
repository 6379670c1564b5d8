#include "settings/SetupRules.h"

#include "companion/Companion.h"
#include "platform/Paths.h"
#include "settings/Plan.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/Users.h"

bool SetupNumber(const QString &text, int minimum, int maximum, int *value)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < minimum || n > maximum)
        return false;
    *value = n;
    return true;
}

QString SetupNumberMessage(const QString &title, int minimum, int maximum)
{
    return title + QStringLiteral("には、") + QString::number(minimum) + QStringLiteral("～")
           + QString::number(maximum) + QStringLiteral("の整数を入力してください");
}

bool IsCompanionFileName(const QString &path)
{
    return Paths::fileName(path) == Companion::executableName();
}

bool SaveSetupDialog(const Settings &s, const QList<PlanItem> &plan, QString *error)
{
    if (!WriteShowUser(s.ProgramFolder, s.ShowUser, error))
        return false;
    if (!SaveSettings(s, error))
        return false;
    return SavePlan(s.setupIniPath(), plan, error);
}
