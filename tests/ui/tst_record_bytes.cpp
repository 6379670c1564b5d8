// A scripted run of three drills over two days and two months leaves the
// record files byte for byte as the program has always written them: the
// question data (shared and differently cased sections, a missing key, a
// count that gains a digit), importance levels set by the program and by
// hand, an accepted answer, the day, year and recent-drill files and the
// study log. The expected files are in tests/data/record_bytes; running the
// test with ULVENDO_WRITE_EXPECTED=1 writes them afresh from the program.
#include "drill_support.h"
#include "platform/Random.h"
#include "records/frmResultError.h"

#include <QDir>
#include <QtTest>

using namespace drilltest;

namespace {

QStringList collection()
{
    // Questions at lines 0, 6, ..., 36; the fifth and the seventh share
    // their English sentence, so they share one section of the data file.
    const char *const en[7] = {"This is an apple.", "The river is long.", "I like music.",
                               "It is cold in winter.", "We sing, and they dance.",
                               "The letter is on the desk.", "We sing, and they dance."};
    QStringList lines;
    for (int i = 0; i < 7; ++i)
        lines << (i == 2 ? QStringLiteral("#キーワードなし") : QStringLiteral("#key") + QString::number(i))
              << QLatin1String(en[i]) << QStringLiteral("日本語の文") + QString::number(i) + QStringLiteral("。")
              << QStringLiteral("コメント") << QStringLiteral("is,the") << QString();
    return lines;
}

QString expectedDir()
{
    return QStringLiteral(TESTS_DATA_DIR "/record_bytes/");
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Answers the running drill: `script` gives, by question, "r" right, "w"
// wrong, "a" wrong then accepted in the wrong-answer dialog, "l" wrong with
// level 4 chosen in that dialog, "g" the answer registered in the answers
// file; missing entries answer right. A repeated question is answered right.
// Every wrong answer is a new text (`wrongs` counts them).
void answerDrill(TestEnv &env, const QString &script, int &wrongs)
{
    TfrmMain *w = env.main();
    int i = 0;
    while (w->drill.Running && i < 40) {
        const QChar c = i < script.size() ? script.at(i) : QLatin1Char('r');
        if (w->drill.Repeating) {
            answer(env, rightAnswer(w));
            continue;
        }
        ++i;
        if (c == QLatin1Char('a') || c == QLatin1Char('l')) {
            env.platform.dialogHandlers.enqueue([c](QDialog *d) {
                auto *dlg = qobject_cast<TfrmResultError *>(d);
                QVERIFY2(dlg, qPrintable(d->objectName()));
                if (c == QLatin1Char('a')) {
                    dlg->findChild<QPushButton *>(QStringLiteral("cmdToAtari"))->click();
                } else {
                    QPushButton *level4 = dlg->findChild<QPushButton *>(QStringLiteral("cmd4"));
                    QVERIFY(level4 && level4->isEnabled());
                    level4->click();
                    d->reject();
                }
            });
        }
        if (c == QLatin1Char('r'))
            answer(env, rightAnswer(w));
        else if (c == QLatin1Char('g'))
            answer(env, QStringLiteral("registered answer"));
        else
            answer(env, QStringLiteral("wrong %1").arg(++wrongs));
    }
}

} // namespace

class TestRecordBytes : public QObject
{
    Q_OBJECT

private slots:
    void scriptedDrillsLeaveTheSameBytes();
};

void TestRecordBytes::scriptedDrillsLeaveTheSameBytes()
{
    TestEnv env;
    env.presetUser();
    env.copySampleData();
    env.writeLines(QStringLiteral("dictionary/Question.txt"), collection());
    for (const auto &kv : QList<QPair<const char *, const char *>>{
             {"ShowResult", "1"}, {"EasyResultAtari", "1"}, {"RepeatError", "1"},
             {"AutoImportantOn", "1"}, {"ImportantOn", "1"}, {"ChangeColorOn", "1"},
             {"ChangeColorType", "1"}, {"MakeLogFile", "1"}, {"IgnoreCase", "1"}})
        env.writeSetup(QStringLiteral("Setup"), QLatin1String(kv.first), QLatin1String(kv.second));

    const QString user = env.userName() + QLatin1Char('/');
    env.writeLines(user + QStringLiteral("Question.dat"),
                   {QStringLiteral("[THIS IS AN APPLE.]"), QStringLiteral("出題数=3"),
                    QStringLiteral("正解数=1"), QStringLiteral("正解率=33"), QString(),
                    QStringLiteral("; kept as it is"), QStringLiteral("[Unrelated sentence.]"),
                    QStringLiteral("出題数=12"), QStringLiteral("正解数=9"),
                    QStringLiteral("正解率=75"), QStringLiteral("[The river is long.]"),
                    QStringLiteral("出題数=9"), QStringLiteral("正解率=44"), QString()});
    env.writeLines(user + QStringLiteral("Question_imp.dat"),
                   {QStringLiteral("2 6"), QStringLiteral("5 12"), QStringLiteral("1 24"),
                    QStringLiteral("3 30")});
    env.writeLines(user + QStringLiteral("Question.ans"),
                   {QStringLiteral("[正解ファイル]"), QStringLiteral("問題=新しい正解"),
                    QStringLiteral("日本語の文3。=registered answer")});
    env.writeLines(user + QStringLiteral("2001.dat"),
                   {QStringLiteral("[Other]"), QStringLiteral("Check=1"), QStringLiteral("3=4,2,50")});
    env.writeLines(user + QStringLiteral("Question_20013.dat"),
                   {QStringLiteral("[Information]"), QStringLiteral("PrevDay=8"),
                    QStringLiteral("DayNum=2"), QStringLiteral("[2]"), QStringLiteral("Date=3/8"),
                    QStringLiteral("3/8=5,3,60")});

    env.showMain();
    env.platform.clear();
    int wrongs = 0;

    // Day one: a random drill with every kind of answer.
    Random::global().seed(7);
    startDrill(env, 9, 0, 0, {});
    answerDrill(env, QStringLiteral("rawlgrwrr"), wrongs);

    // Day two: in order, resumed.
    env.clock.set(QDateTime(QDate(2001, 3, 10), QTime(9, 30, 0)));
    env.tickDate();
    startDrill(env, 5, 0, 0, [](TfrmQuestionSetup *d) {
        d->chkOption->click();
        d->rbNotRandom->click();
        d->chkNotRandomContinue->click();
    });
    answerDrill(env, QStringLiteral("wrrar"), wrongs);

    // A new month: no repeats, English to Japanese.
    env.clock.set(QDateTime(QDate(2001, 4, 1), QTime(8, 0, 5)));
    env.tickDate();
    Random::global().seed(11);
    startDrill(env, 4, 0, 1, [](TfrmQuestionSetup *d) {
        d->rbNotSameQuestion->click();
    });
    answerDrill(env, QStringLiteral("wrlr"), wrongs);
    QVERIFY(!env.main()->drill.Running);

    QDir dir(env.userFolder());
    const QStringList files = dir.entryList(QDir::Files, QDir::Name).filter(
        QRegularExpression(QStringLiteral("^(?!Setup\\.ini$)")));
    if (qEnvironmentVariableIntValue("ULVENDO_WRITE_EXPECTED") == 1) {
        QDir().mkpath(expectedDir());
        for (const QString &f : QDir(expectedDir()).entryList(QDir::Files))
            QFile::remove(expectedDir() + f);
        for (const QString &f : files)
            QFile::copy(env.userFolder() + f, expectedDir() + f);
    }
    QCOMPARE(files, QDir(expectedDir()).entryList(QDir::Files, QDir::Name));
    for (const QString &f : files) {
        const QByteArray got = bytesOf(env.userFolder() + f);
        const QByteArray want = bytesOf(expectedDir() + f);
        if (got != want)
            qWarning().noquote() << f << "\n--- got:\n" << got << "\n--- expected:\n" << want;
        QVERIFY2(got == want, qPrintable(f));
    }
}

QTEST_MAIN(TestRecordBytes)
#include "tst_record_bytes.moc"
