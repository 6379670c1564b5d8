#include "records/SaveReport.h"

bool SaveReport::note(bool ok, const QString &error)
{
    if (!ok && !m_errors.contains(error))
        m_errors.append(error);
    return ok;
}

QString SaveReport::message(const QString &heading) const
{
    if (m_errors.isEmpty())
        return QString();
    return heading + QLatin1Char('\n') + m_errors.join(QLatin1Char('\n'));
}

QString AnswerSaveFailedHeading()
{
    return QStringLiteral("この解答の記録を保存できませんでした");
}

QString DrillEndSaveFailedHeading()
{
    return QStringLiteral("この学習の記録を保存できませんでした");
}
