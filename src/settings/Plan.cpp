#include "settings/Plan.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

const QString kPlan = QStringLiteral("Plan");
const QString kPlanNum = QStringLiteral("PlanNum");
// A goal key that is missing reads as one space, as the plan always did.
const QString kMissingItem = QStringLiteral(" ");

bool toNumber(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

PlanItem ParsePlanItem(const QString &value)
{
    PlanItem item;
    const int comma = value.indexOf(QLatin1Char(','));
    if (comma < 0) {
        item.Purpose = value;
        return item;
    }
    item.Purpose = value.left(comma);
    item.DateText = value.mid(comma + 1);
    return item;
}

QString PlanItemValue(const PlanItem &item)
{
    return item.Purpose + QLatin1Char(',') + item.DateText;
}

QString PlanDateText(int year, int month, int day)
{
    return QString::number(year) + QLatin1Char('/') + QString::number(month) + QLatin1Char('/')
           + QString::number(day);
}

QDate PlanDate(const QString &dateText)
{
    const int first = dateText.indexOf(QLatin1Char('/'));
    if (first < 0)
        return QDate();
    const int second = dateText.indexOf(QLatin1Char('/'), first + 1);
    if (second < 0)
        return QDate();
    int year = 0, month = 0, day = 0;
    if (!toNumber(dateText.left(first), &year) || !toNumber(dateText.mid(first + 1, second - first - 1), &month)
        || !toNumber(dateText.mid(second + 1), &day))
        return QDate();
    if (year < 1)
        return QDate();
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

int PlanRemainingDays(const PlanItem &item, const QDate &today, bool *ok)
{
    const QDate date = PlanDate(item.DateText);
    if (ok)
        *ok = date.isValid() && today.isValid();
    if (!date.isValid() || !today.isValid())
        return 0;
    return int(today.daysTo(date));
}

bool PlanPurposeAcceptable(const QString &purpose)
{
    return !purpose.contains(QLatin1Char(',')) && TextFile::byteLength(purpose) <= kPlanPurposeMaxBytes;
}

QString PlanCountdownText(const QString &purpose, int days)
{
    return purpose + QStringLiteral("まで、あと ") + QString::number(days) + QStringLiteral("日");
}

QString PlanTodayText(const QString &purpose)
{
    return QStringLiteral("今日は、") + purpose + QStringLiteral("の日です\nがんばってね(^^)/");
}

QString PlanTodayCaption()
{
    return QStringLiteral("当日です");
}

QString PlanSummaryTodayText(const QString &purpose)
{
    return QStringLiteral("今日は、") + purpose + QStringLiteral("の日です。がんばってね(^^)/\n");
}

QString PlanSummaryTodayCaption()
{
    return QStringLiteral("当日");
}

QString PlanCaption()
{
    return QStringLiteral("スケジュール");
}

QString PlanClosingText(const QList<PlanItem> &items, const QDate &today)
{
    QString text = QStringLiteral("登録されているスケジュール");
    for (const PlanItem &item : items) {
        bool ok = false;
        const int days = PlanRemainingDays(item, today, &ok);
        QString state;
        if (!ok)
            state = QStringLiteral("日付が正しくありません");
        else if (days > 0)
            state = QStringLiteral("あと ") + QString::number(days) + QStringLiteral("日");
        else if (days == 0)
            state = QStringLiteral("今日です");
        else
            state = QString::number(-days) + QStringLiteral("日前に過ぎました");
        text += QLatin1Char('\n') + item.Purpose + QStringLiteral("（") + item.DateText + QStringLiteral("）　")
                + state;
    }
    return text;
}

QList<PlanItem> ReadPlan(const QString &setupIniPath)
{
    const IniFile ini(setupIniPath);
    const int count = ini.readCount(kPlan, kPlanNum, kPlanMaxItems);
    QList<PlanItem> items;
    for (int i = 0; i < count; ++i)
        items << ParsePlanItem(ini.readString(kPlan, QString::number(i), kMissingItem));
    return items;
}

void WritePlan(IniFile &ini, const QList<PlanItem> &items)
{
    ini.writeInt(kPlan, kPlanNum, int(items.size()));
    for (int i = 0; i < items.size(); ++i)
        ini.writeString(kPlan, QString::number(i), PlanItemValue(items.at(i)));
}

bool SavePlan(const QString &setupIniPath, const QList<PlanItem> &items, QString *error)
{
    IniFile ini(setupIniPath);
    WritePlan(ini, items);
    return ini.save(error);
}

bool ReadFirstPlanItem(const QString &setupIniPath, PlanItem *item)
{
    const IniFile ini(setupIniPath);
    if (ini.readInt(kPlan, kPlanNum, 0) <= 0)
        return false;
    *item = ParsePlanItem(ini.readString(kPlan, QStringLiteral("0"), kMissingItem));
    return true;
}

bool RemoveFirstPlanItem(const QString &setupIniPath, QString *error)
{
    IniFile ini(setupIniPath);
    const int count = ini.readCount(kPlan, kPlanNum);
    if (count <= 0)
        return true;
    for (int k = 1; k <= count; ++k)
        ini.writeString(kPlan, QString::number(k - 1), ini.readString(kPlan, QString::number(k), kMissingItem));
    ini.writeInt(kPlan, kPlanNum, count - 1);
    return ini.save(error);
}

PlanTick PlanTickFor(const QString &setupIniPath, const QDate &today)
{
    PlanTick tick;
    if (!ReadFirstPlanItem(setupIniPath, &tick.item))
        return tick;
    bool ok = false;
    tick.days = PlanRemainingDays(tick.item, today, &ok);
    if (!ok)
        tick.action = PlanTick::Unreadable;
    else if (tick.days > 0) {
        tick.action = PlanTick::Countdown;
        tick.panelText = PlanCountdownText(tick.item.Purpose, tick.days);
    } else if (tick.days == 0)
        tick.action = PlanTick::Today;
    else
        tick.action = PlanTick::Past;
    return tick;
}
