#include "settings/MainWindowState.h"

#include "platform/DateStrings.h"
#include "platform/IniFile.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace {
const QString kForm = QStringLiteral("Form Information");
const QString kToolbar = QStringLiteral("Toolbar");
const QString kQuestionSetup = QStringLiteral("QuestionSetup");
const QString kMaximized = QStringLiteral("Maximized");
} // namespace

WindowPlacement ReadWindowPlacement(const Settings &s)
{
    const IniFile ini(s.setupIniPath());
    WindowPlacement p;
    const int savePosition = ini.readInt(QStringLiteral("Setup"), QStringLiteral("SavePosition"), 0);
    const int saveSize = ini.readInt(QStringLiteral("Setup"), QStringLiteral("SaveSize"), 0);

    if (FlagOn(savePosition)) {
        if (FlagNonZero(ini.readInt(kForm, kMaximized, 1))) {
            p.Maximize = true;
        } else {
            p.Move = true;
            p.Top = ini.readInt(kForm, QStringLiteral("Top"), 0);
            p.Left = ini.readInt(kForm, QStringLiteral("Left"), 0);
        }
    }
    if (FlagOn(saveSize)) {
        if (FlagNonZero(ini.readInt(kForm, kMaximized, 0))) {
            p.Maximize = true;
        } else {
            p.Resize = true;
            p.Height = ini.readInt(kForm, QStringLiteral("Height"), 441);
            p.Width = ini.readInt(kForm, QStringLiteral("Width"), 582);
            // A recorded size that is no size at all keeps the default one.
            if (p.Height <= 0)
                p.Height = 441;
            if (p.Width <= 0)
                p.Width = 582;
        }
    } else {
        p.Maximize = true;
    }
    return p;
}

BarVisibility ReadBarVisibility(const Settings &s)
{
    const IniFile ini(s.setupIniPath());
    BarVisibility b;
    auto shown = [&](const char *key, int def) {
        return FlagNonZero(ini.readInt(kToolbar, QLatin1String(key), def));
    };
    b.StandardToolBar = shown("StandardToolBar", 1);
    b.FileToolBar = shown("FileToolBar", 1);
    b.QuestionSetupToolBar = shown("QuestionSetupToolBar", 0);
    b.RightCommandButton = shown("RightCommandButton", 1);
    b.StatusBar = shown("StatusBar", 1);
    return b;
}

bool WriteShutdownSetup(const Settings &s, const ShutdownRecord &r, QString *error)
{
    {
        IniFile ini(s.setupIniPath());
        ini.writeInt(kQuestionSetup, QStringLiteral("AnswerType"), r.AnswerType);
        ini.writeInt(kQuestionSetup, QStringLiteral("QuestionType"), r.QuestionType);
        ini.writeInt(kQuestionSetup, QStringLiteral("QuestionNum"), r.QuestionNum);
        ini.writeString(kQuestionSetup, QStringLiteral("QuestionFile"), r.QuestionFile);
        ini.writeString(kQuestionSetup, QStringLiteral("ReferenceFile"), r.ReferenceFile);
        auto flag = [&](const char *key, bool on) { ini.writeInt(kToolbar, QLatin1String(key), on ? 1 : 0); };
        flag("StandardToolBar", r.Bars.StandardToolBar);
        flag("FileToolBar", r.Bars.FileToolBar);
        flag("QuestionSetupToolBar", r.Bars.QuestionSetupToolBar);
        flag("RightCommandButton", r.Bars.RightCommandButton);
        flag("StatusBar", r.Bars.StatusBar);
        if (!ini.save(error))
            return false;
    }
    IniFile ini(s.setupIniPath());
    ini.writeInt(kForm, kMaximized, r.Maximized ? 1 : 0);
    ini.writeInt(kForm, QStringLiteral("Height"), r.Height);
    ini.writeInt(kForm, QStringLiteral("Width"), r.Width);
    ini.writeInt(kForm, QStringLiteral("Top"), r.Top);
    ini.writeInt(kForm, QStringLiteral("Left"), r.Left);
    return ini.save(error);
}

QString MainCaption(const Settings &s, const DateStrings &d)
{
    const QString &user = s.UserName;
    if (!FlagOn(s.ShowDate))
        return QStringLiteral("Ulvendo   【") + user + QStringLiteral("】");
    const QString head = QStringLiteral("Ulvendo   ");
    const QString date = d.Year + QStringLiteral("年") + d.Month + QStringLiteral("月") + d.Day;
    switch (s.DateType) {
    case 1:
        return head + date + QStringLiteral("日   【") + user + QStringLiteral("】");
    case 2:
        return head + d.Time + QStringLiteral("   【") + user + QStringLiteral("】");
    default:
        return head + date + QStringLiteral("日 , ") + d.Time + QStringLiteral("   【") + user
               + QStringLiteral("】");
    }
}

int StatusPanel0Width(int outerWidth)
{
    return qMax(0, outerWidth - 775);
}

PaneHeights FitPaneHeights(int question, int comment, int room)
{
    PaneHeights h;
    h.Question = qMax(0, question);
    h.Comment = qMax(0, comment);
    room = qMax(0, room);
    const qint64 total = qint64(h.Question) + h.Comment;
    if (total > room) {
        h.Question = int(qint64(h.Question) * room / total);
        h.Comment = qMin(h.Comment, room - h.Question);
    }
    return h;
}
