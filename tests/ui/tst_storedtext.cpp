// Text through the whole program: a collection in UTF-8 drills and records
// as its CP932 original does, what a Linux input method types is judged and
// remembered like the collection's own characters, and a user whose name
// CP932 cannot hold is the same user after a restart.
#include "drill_support.h"

#include "app/frmUser.h"
#include "records/RecordPaths.h"

#include <QDir>
#include <QtTest>

using namespace drilltest;

class TestStoredText : public QObject
{
    Q_OBJECT

private slots:
    void utf8CollectionDrillsAsCp932_data();
    void utf8CollectionDrillsAsCp932();
    void typedWaveDashIsJudgedAndRemembered();
    void userZoeSurvivesRestart();
};

namespace {

struct DrillTrace
{
    QStringList shown;                    // question, typed answer, verdict
    QMap<QString, QByteArray> records;    // user file -> bytes
};

// Six questions of the bundled collection, in the form given, answered
// right, wrong, right, ... by typing; the questions shown and every record
// file afterwards.
DrillTrace drillBundled(const QString &form)
{
    DrillTrace t;
    TestEnv env;
    env.presetUser();
    env.copySampleData();
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowResult"), QStringLiteral("0"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("MakeLogFile"), QStringLiteral("1"));
    const QString collection = env.path(QStringLiteral("dictionary/Question.txt"));
    QByteArray bytes;
    TextFile::readBytes(collection, bytes);
    if (form != QLatin1String("CP932")) {
        QByteArray utf8 = TextFile::encode(TextFile::decode(bytes, TextFile::Encoding::Cp932),
                                           TextFile::Encoding::Utf8);
        if (form == QLatin1String("UTF-8 with BOM"))
            utf8.prepend("\xEF\xBB\xBF");
        QFile f(collection);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(utf8) != utf8.size())
            qFatal("cannot write the collection");
    }
    TfrmMain *w = env.showMain();
    env.platform.clear();
    startDrill(env, 6);
    for (int i = 0; i < 6 && w->drill.Running; ++i) {
        const QString typed = i % 2 == 0 ? w->drill.AnswerText : QStringLiteral("no idea");
        t.shown << w->moQuestion->toPlainText() << typed;
        answer(env, typed);
        t.shown << w->lblAtariNum->text();
    }
    t.shown << w->drill.Drills.at(0).CorrectRate;
    env.closeMain();
    const QDir user(env.userFolder());
    for (const QString &name : user.entryList(QDir::Files)) {
        if (name == QLatin1String("Setup.ini"))
            continue; // holds the collection's path, the same in every run
        QFile f(user.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            t.records.insert(name, f.readAll());
    }
    return t;
}

} // namespace

void TestStoredText::utf8CollectionDrillsAsCp932_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("UTF-8") << QStringLiteral("UTF-8");
    QTest::newRow("UTF-8 with BOM") << QStringLiteral("UTF-8 with BOM");
}

void TestStoredText::utf8CollectionDrillsAsCp932()
{
    QFETCH(QString, form);
    const DrillTrace original = drillBundled(QStringLiteral("CP932"));
    const DrillTrace converted = drillBundled(form);
    QCOMPARE(original.shown.size(), 6 * 3 + 1);
    QCOMPARE(original.shown.last(), QStringLiteral("50"));
    QCOMPARE(converted.shown, original.shown);
    QCOMPARE(converted.records.keys(), original.records.keys());
    QVERIFY(original.records.contains(QStringLiteral("Question.dat")));
    QVERIFY(original.records.contains(QStringLiteral("20013.txt")));
    for (auto it = original.records.cbegin(); it != original.records.cend(); ++it)
        QVERIFY2(converted.records.value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestStoredText::typedWaveDashIsJudgedAndRemembered()
{
    // The collection holds FULLWIDTH TILDE (CP932 0x8160); the learner types
    // WAVE DASH.
    TestEnv env;
    TfrmMain *w = startMain(env, {},
                            {QStringLiteral("#ing"), QStringLiteral("～ing is a suffix."),
                             QStringLiteral("～ing は接尾辞。"), QStringLiteral("c"), QString(), QString()});
    QByteArray bytes;
    QVERIFY(TextFile::readBytes(env.path(QStringLiteral("dictionary/Question.txt")), bytes));
    QVERIFY(bytes.contains("\x81\x60ing is a suffix."));

    // Typed with a wave dash: right.
    w->settings.ShowResult = 0;
    auto lastDrillRight = [w] { return w->drill.Drills.at(w->drill.DrillCount - 1).AtariCount == 1; };
    startDrill(env, 1);
    answer(env, QStringLiteral("〜ing is a suffix."));
    QVERIFY(lastDrillRight());

    // Another wave-dash answer, wrong, accepted in the wrong-answer dialog.
    w->settings.ShowResult = 1;
    startDrill(env, 1);
    env.platform.dialogHandlers.enqueue([](QDialog *d) {
        d->findChild<QPushButton *>(QStringLiteral("cmdToAtari"))->click();
        d->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    });
    answer(env, QStringLiteral("〜ing ends a verb."));
    QVERIFY(lastDrillRight());
    QCOMPARE(w->drill.Drills.at(w->drill.DrillCount - 1).HazureCount, 0);
    const QByteArray ans = [&] {
        QByteArray b;
        TextFile::readBytes(AnswersFile(w->settings), b);
        return b;
    }();
    QVERIFY(!ans.contains('?'));
    QVERIFY(fileLines(AnswersFile(w->settings)).contains(QStringLiteral("～ing は接尾辞。=〜ing ends a verb.")));

    // Typed again, with either character: right, with no dialog.
    w->settings.ShowResult = 0;
    for (const QString &typed : {QStringLiteral("〜ing ends a verb."), QStringLiteral("～ing ends a verb.")}) {
        startDrill(env, 1);
        env.platform.clear();
        answer(env, typed);
        QVERIFY(lastDrillRight());
        QVERIFY(!dialogsShown(env.platform).contains(QStringLiteral("frmResultError")));
    }
    QCOMPARE(iniValue(env, QStringLiteral("Question.dat"), QStringLiteral("～ing is a suffix."),
                      QStringLiteral("出題数")),
             QStringLiteral("4"));
}

void TestStoredText::userZoeSurvivesRestart()
{
    // A program folder under a path with "é", a user "Zoë".
    TestEnv env(QStringLiteral("Programmé"));
    env.copySampleData();
    env.platform.dialogHandlers.enqueue([](QDialog *d) {
        auto *u = qobject_cast<TfrmUser *>(d);
        QVERIFY(u);
        u->cboUserName->setEditText(QStringLiteral("Zoë"));
        u->cmdOk->click();
    });
    TfrmMain *w = env.showMain();
    QCOMPARE(w->settings.UserName, QStringLiteral("Zoë"));
    startDrill(env, 1);
    answer(env, w->drill.AnswerText);
    env.closeMain();

    QByteArray userIni;
    QVERIFY(TextFile::readBytes(env.path(QStringLiteral("User.ini")), userIni));
    QVERIFY(!userIni.contains('?'));
    QCOMPARE(QDir(env.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({QStringLiteral("Zoë"), QStringLiteral("dictionary"), QStringLiteral("reference")}));

    // The next start: the same user, no dialog, the same files and records.
    env.platform.clear();
    w = env.showMain();
    QVERIFY(env.platform.callsOf(QStringLiteral("dialog")).isEmpty());
    QCOMPARE(w->settings.UserName, QStringLiteral("Zoë"));
    QCOMPARE(w->settings.defQuestionFilePath, env.path(QStringLiteral("dictionary/Question.txt")));
    QCOMPARE(w->settings.QuestionFilePath, env.path(QStringLiteral("dictionary/Question.txt")));
    QCOMPARE(env.readUserIni(QStringLiteral("Zoë"), QStringLiteral("Num")), QStringLiteral("2"));
    env.tickDate();
    QCOMPARE(w->windowTitle(), QStringLiteral("Ulvendo   【Zoë】"));
    startDrill(env, 1);
    QVERIFY(w->drill.Running);
    QVERIFY(env.platform.messages().isEmpty());
    QCOMPARE(IniFile(env.path(QStringLiteral("Zoë/2001.dat"))).readString(
                 QStringLiteral("Question"), QStringLiteral("3")).section(QLatin1Char(','), 0, 0),
             QStringLiteral("1"));
}

QTEST_MAIN(TestStoredText)
#include "tst_storedtext.moc"
