#include "records/RecordPaths.h"

#include "platform/DateStrings.h"
#include "settings/Settings.h"

QString QuestionDataFile(const Settings &settings)
{
    return settings.userFolder() + settings.QuestionBaseName + QStringLiteral(".dat");
}

QString ImportanceFile(const Settings &settings)
{
    return settings.userFolder() + settings.QuestionBaseName + QStringLiteral("_imp.dat");
}

QString ImportanceScratchFile(const Settings &settings)
{
    return settings.userFolder() + settings.QuestionBaseName + QStringLiteral("_imp.old");
}

QString AnswersFile(const Settings &settings)
{
    return settings.userFolder() + settings.QuestionBaseName + QStringLiteral(".ans");
}

QString YearDetailFile(const Settings &settings, const DateStrings &dates)
{
    return settings.userFolder() + dates.Year + QStringLiteral(".dat");
}

QString DayDetailFile(const Settings &settings, const DateStrings &dates)
{
    return settings.userFolder() + settings.QuestionBaseName + QLatin1Char('_')
           + dates.YearMonth + QStringLiteral(".dat");
}

QString TempFile(const Settings &settings)
{
    return settings.userFolder() + QStringLiteral("Temp.dat");
}

QString StudyLogFile(const Settings &settings, const DateStrings &dates)
{
    return settings.userFolder() + dates.YearMonth + QStringLiteral(".txt");
}
