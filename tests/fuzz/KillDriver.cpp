// The kill test: a driver saves every kind of record in a loop and is killed
// with SIGKILL at random moments; after each kill every file must parse and
// hold every save the driver reported finished.
//
//   killdriver run DIR          saves in program folder DIR until killed
//   killdriver check DIR        checks DIR against the driver's journal
//   killdriver loop N [MS]      N rounds of: run, wait 0..MS ms after the
//                               driver is ready, SIGKILL, check; in a fresh
//                               temporary folder, kept when a check fails
//
// The journal (DIR/journal.log, outside every record file) gets "start i"
// before iteration i and "<kind> i" after each save of iteration i has
// returned true. A save reported finished must be visible after a kill; a
// save that was under way may or may not be. Values are derived from the
// iteration number, so the checker knows which values may appear.
#include "authoring/QuestionMaker.h"
#include "authoring/QuestionRecords.h"
#include "drill/Collection.h"
#include "platform/DateStrings.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "records/Answers.h"
#include "records/Importance.h"
#include "records/QuestionData.h"
#include "records/RecordPaths.h"
#include "records/StudyDetails.h"
#include "reference/ReferenceBook.h"
#include "reference/ReferenceMaker.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/Users.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSentences = 5;   // question data sections in turn
constexpr int kMarks = 7;       // importance: question lines in turn

const QStringList kKinds{
    QStringLiteral("data"), QStringLiteral("importance"), QStringLiteral("day"),
    QStringLiteral("year"), QStringLiteral("recent"), QStringLiteral("answer"),
    QStringLiteral("log"), QStringLiteral("setup"), QStringLiteral("user"),
    QStringLiteral("question"), QStringLiteral("reference"), QStringLiteral("editor")};

Settings settingsFor(const QString &folder)
{
    Settings s;
    s.ProgramFolder = QDir(folder).absolutePath() + QLatin1Char('/');
    s.UserName = QStringLiteral("taro");
    s.QuestionBaseName = QStringLiteral("Question");
    return s;
}

DateStrings fixedDates()
{
    return DateStrings::from(QDateTime(QDate(2001, 3, 9), QTime(14, 5, 7)));
}

QString sentence(int k) { return QStringLiteral("Sentence number %1.").arg(k); }
QString collection(const Settings &s) { return s.ProgramFolder + QStringLiteral("Question.txt"); }
QString edited(const Settings &s) { return s.ProgramFolder + QStringLiteral("Edited.txt"); }
QString book(const Settings &s) { return s.ProgramFolder + QStringLiteral("Reference.txt"); }
QString journalPath(const QString &folder) { return folder + QStringLiteral("/journal.log"); }

QVector<QuestionRecord> editorRows(int i)
{
    QVector<QuestionRecord> rows;
    for (int r = 0; r < 3; ++r)
        rows.append({QStringLiteral("k%1").arg(r), QStringLiteral("Edit %1 row %2.").arg(i).arg(r),
                     QStringLiteral("編集 %1").arg(i), QStringLiteral("c"), QString()});
    return rows;
}

// --- run ---------------------------------------------------------------------------

class Journal
{
public:
    explicit Journal(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    }
    void note(const QString &kind, int i)
    {
        const QByteArray line = kind.toLatin1() + ' ' + QByteArray::number(i) + '\n';
        if (::write(m_fd, line.constData(), size_t(line.size())) != line.size())
            std::abort();
    }

private:
    int m_fd = -1;
};

struct JournalState
{
    QMap<QString, int> last;      // kind -> last finished iteration
    QMap<QString, int> count;     // kind -> finished saves
    QMap<QString, QSet<int>> done;
    int started = -1;             // highest iteration started
    QSet<int> startedSet;
};

JournalState readJournal(const QString &folder)
{
    JournalState j;
    QFile f(journalPath(folder));
    if (!f.open(QIODevice::ReadOnly))
        return j;
    const QByteArray all = f.readAll();
    const QList<QByteArray> lines = all.split('\n');
    // The last piece has no line end: a line cut by the kill, or nothing.
    for (int n = 0; n + 1 < lines.size(); ++n) {
        const QList<QByteArray> parts = lines.at(n).split(' ');
        if (parts.size() != 2)
            continue;
        const QString kind = QString::fromLatin1(parts.at(0));
        const int i = parts.at(1).toInt();
        if (kind == QLatin1String("start")) {
            j.started = qMax(j.started, i);
            j.startedSet.insert(i);
        } else {
            j.last[kind] = qMax(j.last.value(kind, -1), i);
            j.count[kind] += 1;
            j.done[kind].insert(i);
        }
    }
    return j;
}

int run(const QString &folder)
{
    QDir().mkpath(folder);
    Settings s = settingsFor(folder);
    const DateStrings dates = fixedDates();
    const JournalState before = readJournal(folder);
    Journal journal(journalPath(folder));
    QString error;
    if (before.started < 0) {
        // First run: the user is chosen once, as at a first start.
        if (!ChooseUser(s, s.UserName, &error) || !InitAnswersFile(AnswersFile(s))) {
            std::fprintf(stderr, "set-up failed: %s\n", qPrintable(error));
            return 2;
        }
    }
    journal.note(QStringLiteral("run"), 0);
    LoadSettings(s);
    StudyDetailState state;
    state.NowCount = LoadRecentDrillSlot(s);
    std::printf("ready\n");
    std::fflush(stdout);

    auto done = [&](const QString &kind, int i, bool ok) {
        if (!ok) {
            std::fprintf(stderr, "%s %d failed: %s\n", qPrintable(kind), i, qPrintable(error));
            std::exit(3);
        }
        journal.note(kind, i);
    };
    // One save of each kind, by kind (in the order of kKinds).
    const QVector<std::function<bool(int)>> saves{
        [&](int i) {
            QuestionData q;
            q.Asked = i;
            q.Atari = i / 2;
            q.Rate = QString::number(i % 101);
            return SaveQuestionData(QuestionDataFile(s), sentence(i % kSentences), q, &error);
        },
        [&](int i) {
            return SetImportance(ImportanceFile(s), ImportanceScratchFile(s), i % kMarks, i % 6, &error);
        },
        [&](int i) {
            state.DayAsked = i;
            state.DayAtari = i / 2;
            state.DayRate = QString::number(i % 101);
            return SaveDayDetail(s, dates, state, &error);
        },
        [&](int i) {
            state.MonthAsked = i;
            state.MonthAtari = i / 2;
            state.MonthRate = QString::number(i % 101);
            return SaveYearDetail(s, dates, state, &error);
        },
        [&](int i) { return SaveNowDetail(s, state, QString::number(i), &error); },
        [&](int i) {
            return AppendAcceptedAnswer(AnswersFile(s), QStringLiteral("Q%1").arg(i),
                                        QStringLiteral("A%1").arg(i));
        },
        [&](int i) {
            return MakeStudyLog(s, dates, QStringLiteral("run %1").arg(i), i, i / 2, i - i / 2,
                                QString::number(i % 101), &error);
        },
        [&](int i) {
            s.FontQuestion = QStringLiteral("Face %1").arg(i);
            return SaveSettings(s, &error);
        },
        [&](int) { return RaiseUserStartCount(s, &error); },
        [&](int i) {
            QuestionDraft draft;
            draft.keyword = QStringLiteral("k%1").arg(i);
            draft.english = QStringLiteral("Question %1.").arg(i);
            draft.japanese = QStringLiteral("問題 %1").arg(i);
            const QuestionAdd added = AddQuestionRecord(collection(s), draft);
            error = added.message;
            return added.written;
        },
        [&](int i) {
            const ReferenceAdd ref = AddReferenceEntry(book(s), QStringLiteral("ref%1.").arg(i),
                                                       {QStringLiteral("Explanation %1").arg(i)});
            error = ref.message;
            return ref.written;
        },
        [&](int i) { return SaveQuestionRecords(edited(s), editorRows(i), &error); },
    };
    // Each iteration starts with another kind, so that kills soon after a
    // start hit every kind.
    for (int i = before.started + 1;; ++i) {
        journal.note(QStringLiteral("start"), i);
        for (int n = 0; n < saves.size(); ++n) {
            const int k = (i + n) % saves.size();
            done(kKinds.at(k), i, saves.at(k)(i));
        }
    }
}

// --- check -------------------------------------------------------------------------

class Checker
{
public:
    explicit Checker(const QString &folder)
        : m_folder(folder), m_s(settingsFor(folder)), m_j(readJournal(folder)) {}

    int check()
    {
        if (m_j.started < 0)
            return 0; // killed before the first save
        checkData();
        checkImportance();
        checkDetails();
        checkAnswers();
        checkLog();
        checkSetup();
        checkUser();
        checkCollection();
        checkReference();
        checkEditor();
        return m_problems.isEmpty() ? 0 : 1;
    }
    QStringList problems() const { return m_problems; }

private:
    void problem(const QString &text) { m_problems << text; }
    int last(const char *kind) const { return m_j.last.value(QLatin1String(kind), -1); }
    // The last finished save of a kind whose iteration is `residue` modulo `m`.
    int lastOf(const char *kind, int m, int residue) const
    {
        int want = -1;
        for (int i : m_j.done.value(QLatin1String(kind)))
            if (i % m == residue)
                want = qMax(want, i);
        return want;
    }
    // A value of iteration v may be in a file when v is the last finished
    // save of its kind, or a later iteration that was started.
    bool mayHold(int v, int lastDone) const
    {
        return v == lastDone || (v > lastDone && m_j.startedSet.contains(v));
    }
    QStringList lines(const QString &path)
    {
        QStringList l;
        if (QFile::exists(path) && !TextFile::readLines(path, l))
            problem(path + QStringLiteral(": unreadable"));
        return l;
    }

    void checkData()
    {
        const IniFile ini(QuestionDataFile(m_s));
        for (int k = 0; k < kSentences; ++k) {
            // The last finished save of this sentence.
            const int want = lastOf("data", kSentences, k);
            const QString asked = ini.readString(sentence(k), QStringLiteral("出題数"));
            if (asked.isEmpty()) {
                if (want >= 0)
                    problem(QStringLiteral("question data: %1 lost (saved %2)").arg(sentence(k)).arg(want));
                continue;
            }
            const int v = asked.toInt();
            if (v % kSentences != k || !mayHold(v, want))
                problem(QStringLiteral("question data: %1 holds %2, saved %3").arg(sentence(k)).arg(v).arg(want));
            // One save writes all three keys.
            if (ini.readString(sentence(k), QStringLiteral("正解数")) != QString::number(v / 2)
                || ini.readString(sentence(k), QStringLiteral("正解率")) != QString::number(v % 101))
                problem(QStringLiteral("question data: %1 counts torn").arg(sentence(k)));
        }
    }

    void checkImportance()
    {
        // An interrupted rewrite leaves the marks in the scratch file, which
        // the next change puts back.
        QString file = ImportanceFile(m_s);
        if (!QFile::exists(file))
            file = ImportanceScratchFile(m_s);
        const QStringList l = lines(file);
        for (const QString &line : l) {
            const QStringList t = line.split(QLatin1Char(' '));
            bool a = false, b = false;
            if (t.size() != 2 || (t.at(0).toInt(&a), !a) || (t.at(1).toInt(&b), !b))
                problem(QStringLiteral("importance: torn line %1").arg(line));
        }
        for (int q = 0; q < kMarks; ++q) {
            const int want = lastOf("importance", kMarks, q);
            const int level = ImportanceLevel(file, q);
            bool ok = want < 0 ? level == 0 : level == want % 6;
            for (int v = qMax(want + 1, 0); !ok && v <= m_j.started; ++v)
                ok = v % kMarks == q && m_j.startedSet.contains(v) && level == v % 6;
            if (!ok)
                problem(QStringLiteral("importance: question %1 at level %2, saved %3")
                            .arg(q).arg(level).arg(want < 0 ? 0 : want % 6));
        }
    }

    void checkDetails()
    {
        const DateStrings d = fixedDates();
        const IniFile day(DayDetailFile(m_s, d));
        const IniFile year(YearDetailFile(m_s, d));
        const CountRateValue dv = ParseCountRate(day.readString(
            day.readString(QStringLiteral("Information"), QStringLiteral("DayNum")),
            d.MonthDay, QStringLiteral("-")));
        if (last("day") >= 0 && (!dv.Valid || !mayHold(dv.Asked, last("day"))))
            problem(QStringLiteral("day: holds %1, saved %2").arg(dv.Asked).arg(last("day")));
        const CountRateValue yv = ParseCountRate(year.readString(m_s.QuestionBaseName, d.Month,
                                                                 QStringLiteral("-")));
        if (last("year") >= 0 && (!yv.Valid || !mayHold(yv.Asked, last("year"))))
            problem(QStringLiteral("year: holds %1, saved %2").arg(yv.Asked).arg(last("year")));
        const IniFile temp(TempFile(m_s));
        const QString slot = temp.readString(m_s.QuestionBaseName, QStringLiteral("Count"));
        const QString rate = temp.readString(m_s.QuestionBaseName, slot, QStringLiteral("-"));
        bool ok = false;
        const int v = rate.toInt(&ok);
        if (last("recent") >= 0 && (!ok || !mayHold(v, last("recent"))))
            problem(QStringLiteral("recent drills: slot %1 holds %2, saved %3").arg(slot, rate).arg(last("recent")));
    }

    // An appended file: every line is one of the writer's, and every save
    // reported finished is there.
    void checkAppended(const char *kind, const QStringList &l, const QRegularExpression &re)
    {
        QSet<int> seen;
        for (const QString &line : l) {
            const QRegularExpressionMatch m = re.match(line);
            if (!m.hasMatch()) {
                problem(QStringLiteral("%1: stray line %2").arg(QLatin1String(kind), line));
                continue;
            }
            if (m.lastCapturedIndex() >= 1)
                seen.insert(m.captured(1).toInt());
        }
        for (int i : m_j.done.value(QLatin1String(kind)))
            if (!seen.contains(i))
                problem(QStringLiteral("%1: save %2 lost").arg(QLatin1String(kind)).arg(i));
        for (int i : seen)
            if (!m_j.startedSet.contains(i))
                problem(QStringLiteral("%1: save %2 never started").arg(QLatin1String(kind)).arg(i));
    }

    void checkAnswers()
    {
        checkAppended("answer", lines(AnswersFile(m_s)),
                      QRegularExpression(QStringLiteral("^(?:\\[正解ファイル\\]|問題=新しい正解|Q(\\d+)=A\\1)$")));
    }

    void checkLog()
    {
        checkAppended("log", lines(StudyLogFile(m_s, fixedDates())),
                      QRegularExpression(QStringLiteral(
                          "^(?:=+|学習開始 ： 3/9/2001、   run (\\d+)|学習終了 ： .*|問題集 ： Question"
                          "|出題数 ： \\d+問|正解数 ： .*|)$")));
    }

    void checkSetup()
    {
        Settings s = m_s;
        LoadSettings(s);
        const int L = last("setup");
        if (L < 0)
            return;
        const QString face = s.FontQuestion;
        const int v = face.mid(5).toInt();
        if (!face.startsWith(QStringLiteral("Face ")) || !mayHold(v, L))
            problem(QStringLiteral("Setup.ini: question font %1, saved Face %2").arg(face).arg(L));
    }

    void checkUser()
    {
        // Each start count raise reported finished is counted; a raise that
        // was under way may be counted too, and then again after the restart.
        const int raised = m_j.count.value(QStringLiteral("user"));
        const int num = UserStartCount(m_s.ProgramFolder, m_s.UserName);
        const int runs = m_j.count.value(QStringLiteral("run"));
        if (num < 1 + raised || num > 1 + raised + runs)
            problem(QStringLiteral("User.ini: start count %1 after %2 raises in %3 runs")
                        .arg(num).arg(raised).arg(runs));
        if (!RegisteredUsers(m_s.ProgramFolder).contains(m_s.UserName))
            problem(QStringLiteral("User.ini: user lost"));
    }

    void checkCollection()
    {
        const QStringList l = lines(collection(m_s));
        QStringList index;
        QString error;
        if (!l.isEmpty() && !ScanCollection(collection(m_s), index, &error))
            problem(QStringLiteral("collection: %1").arg(error));
        QSet<int> seen;
        for (const QuestionRecord &r : ParseQuestionRecords(l)) {
            const int i = r.Keyword.mid(1).toInt();
            if (r.English != QStringLiteral("Question %1.").arg(i))
                problem(QStringLiteral("collection: record %1 torn").arg(r.Keyword));
            seen.insert(i);
        }
        for (int i : m_j.done.value(QStringLiteral("question")))
            if (!seen.contains(i))
                problem(QStringLiteral("collection: question %1 lost").arg(i));
    }

    void checkReference()
    {
        for (int i : m_j.done.value(QStringLiteral("reference"))) {
            const ReferenceEntry e = FindReference(book(m_s), QStringLiteral("ref%1.").arg(i));
            if (e.status != ReferenceEntry::Found
                || e.lines != QStringList{QStringLiteral("Explanation %1").arg(i)})
                problem(QStringLiteral("reference: entry %1 lost (status %2)").arg(i).arg(e.status));
        }
    }

    void checkEditor()
    {
        const int L = last("editor");
        if (L < 0)
            return;
        const QVector<QuestionRecord> rows = ParseQuestionRecords(lines(edited(m_s)));
        const int v = rows.isEmpty() ? -1 : rows.first().English.split(QLatin1Char(' ')).value(1).toInt();
        if (!mayHold(v, L) || rows != editorRows(v))
            problem(QStringLiteral("edited collection: holds %1, saved %2").arg(v).arg(L));
    }

    QString m_folder;
    Settings m_s;
    JournalState m_j;
    QStringList m_problems;
};

int check(const QString &folder)
{
    Checker c(folder);
    const int rc = c.check();
    for (const QString &p : c.problems())
        std::fprintf(stderr, "KILL TEST: %s\n", qPrintable(p));
    return rc;
}

// --- loop --------------------------------------------------------------------------

int loop(int rounds, int maxDelayMs)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "KILL TEST: no temporary folder\n");
        return 1;
    }
    const QString folder = dir.path();
    QRandomGenerator rng{quint32(QDateTime::currentMSecsSinceEpoch())};
    const QString self = QCoreApplication::applicationFilePath();
    int kills = 0;
    for (int round = 0; round < rounds; ++round) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(self, {QStringLiteral("run"), folder});
        if (!p.waitForStarted(30000)) {
            std::fprintf(stderr, "KILL TEST: the driver does not start\n");
            return 1;
        }
        // Kill somewhere between the driver being ready and maxDelayMs later.
        while (!p.canReadLine() && p.state() == QProcess::Running)
            p.waitForReadyRead(100);
        if (p.state() != QProcess::Running) {
            std::fprintf(stderr, "KILL TEST: the driver stopped by itself (exit %d)\n", p.exitCode());
            dir.setAutoRemove(false);
            return 1;
        }
        QThread::usleep(rng.bounded(quint32(maxDelayMs) * 1000 + 1));
        p.kill(); // SIGKILL
        p.waitForFinished(30000);
        ++kills;
        if (check(folder) != 0) {
            std::fprintf(stderr, "KILL TEST: finding after kill %d (folder kept: %s)\n", kills,
                         qPrintable(folder));
            dir.setAutoRemove(false);
            return 1;
        }
    }
    const JournalState j = readJournal(folder);
    int saves = 0;
    for (auto it = j.count.cbegin(); it != j.count.cend(); ++it)
        if (it.key() != QLatin1String("run"))
            saves += it.value();
    std::printf("kills: %d, saves finished: %d, iterations started: %d, findings: 0\n", kills,
                saves, j.started + 1);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("run"))
        return run(args.at(2));
    if (args.size() >= 3 && args.at(1) == QLatin1String("check"))
        return check(args.at(2));
    if (args.size() >= 3 && args.at(1) == QLatin1String("loop"))
        return loop(args.at(2).toInt(), args.size() >= 4 ? args.at(3).toInt() : 60);
    std::fprintf(stderr, "usage: killdriver run DIR | check DIR | loop ROUNDS [MAX_DELAY_MS]\n");
    return 2;
}
