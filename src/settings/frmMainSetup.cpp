// The main window's settings command and its study-plan duties: the
// start-up list of goals and the countdown in status panel 5.
#include "app/frmMain.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "settings/Plan.h"
#include "settings/frmSetup.h"
#include "widgets/Captions.h"
#include "widgets/StatusBar.h"

#include <QTimer>

void TfrmMain::cmdSetupClick()
{
    TfrmSetup dialog(this);
    platform().execDialog(&dialog);
}

void TfrmMain::PlanCountdown()
{
    const QString path = settings.setupIniPath();
    const PlanTick tick = PlanTickFor(path, Clock::currentTime().date());
    switch (tick.action) {
    case PlanTick::Nothing:
        return;
    case PlanTick::Countdown:
        sbInfo->setPanelText(5, tick.panelText);
        return;
    case PlanTick::Unreadable:
        // A goal whose day cannot be read is neither counted nor dropped;
        // the settings dialog shows it for mending.
        sbInfo->setPanelText(5, QString());
        return;
    case PlanTick::Today: {
        const QString goal = tick.item.DateText + QLatin1Char(',') + tick.item.Purpose;
        if (PlanAnnounced != goal) {
            PlanAnnounced = goal;
            tmrDate->stop();
            platform().message(this, PlanTodayCaption(), PlanTodayText(tick.item.Purpose),
                               MsgKind::Information);
            sbInfo->setPanelText(5, QString());
            tmrDate->start(500);
        }
        RemovePlanGoal(tick.item.Purpose);
        return;
    }
    case PlanTick::Past:
        RemovePlanGoal(tick.item.Purpose);
        return;
    }
}

// Drops the first goal. A failure is reported once; the countdown tries
// again silently at the next ticks.
void TfrmMain::RemovePlanGoal(const QString &purpose)
{
    QString error;
    if (RemoveFirstPlanItem(settings.setupIniPath(), &error)) {
        PlanRemovalReported = false;
        return;
    }
    if (PlanRemovalReported)
        return;
    PlanRemovalReported = true;
    tmrDate->stop();
    platform().message(this, ErrorCaption(),
                       QStringLiteral("予定「%1」を削除できませんでした\n").arg(purpose) + error,
                       MsgKind::Warning);
    tmrDate->start(500);
}

void TfrmMain::ShowPlanSummary()
{
    const QString path = settings.setupIniPath();
    const QList<PlanItem> items = ReadPlan(path);
    if (items.isEmpty())
        return;
    const QDate today = Clock::currentTime().date();
    for (const PlanItem &item : items) {
        bool ok = false;
        const int days = PlanRemainingDays(item, today, &ok);
        if (!ok)
            platform().message(this, PlanCaption(),
                               item.Purpose + QStringLiteral("の日程（") + item.DateText
                                   + QStringLiteral("）が正しくありません"),
                               MsgKind::Information);
        else if (days == 0)
            platform().message(this, PlanSummaryTodayCaption(), PlanSummaryTodayText(item.Purpose),
                               MsgKind::Information);
        else
            platform().message(this, PlanCaption(), PlanCountdownText(item.Purpose, days), MsgKind::Information);
    }
    bool ok = false;
    const int firstDays = PlanRemainingDays(items.first(), today, &ok);
    if (ok && firstDays <= 0)
        RemoveFirstPlanItem(path);
    platform().message(this, PlanCaption(), PlanClosingText(items, today), MsgKind::Information);
}
