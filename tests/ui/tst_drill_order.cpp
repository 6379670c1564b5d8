// The order in which a drill asks its questions is fixed by the generator's
// seed: for every drill option, the same seed gives the same questions in the
// same order, whatever the drill engine does inside. The expected orders were
// taken from the program as it has always drawn them (the no-repeat and
// importance lists drawn entry by entry from what is left).
#include "drill_support.h"
#include "platform/Random.h"

#include <QtTest>

using namespace drilltest;

namespace {

constexpr quint32 kSeed = 20240611;
constexpr int kQuestions = 9; // keyword lines 0, 6, ..., 48

QStringList nineQuestions()
{
    const char *const words[kQuestions] = {"apple", "river", "music", "winter", "garden",
                                           "letter", "window", "summer", "pencil"};
    QStringList lines;
    for (int i = 0; i < kQuestions; ++i) {
        const QString w = QLatin1String(words[i]);
        lines << QStringLiteral("#") + w << QStringLiteral("This is a ") + w + QLatin1Char('.')
              << QStringLiteral("これは") + QString::number(i) + QStringLiteral("です。")
              << QStringLiteral("コメント") << w + QStringLiteral(",This") << QString();
    }
    return lines;
}

// Answers the running drill to its end (right, except where `wrong` says)
// and returns the question lines in the order they were presented.
QList<int> answerAll(TestEnv &env, const QList<int> &wrong = {})
{
    TfrmMain *w = env.main();
    QList<int> asked;
    for (int i = 0; w->drill.Running && i < 60; ++i) {
        asked.append(w->drill.CurrentLine);
        answer(env, wrong.contains(i) ? QStringLiteral("wrong") : rightAnswer(w));
    }
    return asked;
}

void option(TfrmQuestionSetup *d, QRadioButton *button)
{
    if (!d->chkOption->isChecked())
        d->chkOption->click();
    button->click();
}

} // namespace

class TestDrillOrder : public QObject
{
    Q_OBJECT

private slots:
    void sameSeedSameOrder_data();
    void sameSeedSameOrder();
};

void TestDrillOrder::sameSeedSameOrder_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("random") << "random" << 0
                            << QList<int>{48, 42, 18, 24, 36, 0, 12, 30, 12, 42, 48, 48, 12, 0};
    QTest::newRow("random, fill-in draws its word too")
        << "random" << 2 << QList<int>{48, 18, 36, 12, 12, 48, 12, 48, 18, 24, 24, 24, 48, 6};
    QTest::newRow("in order") << "inorder" << 0
                              << QList<int>{0, 6, 12, 18, 24, 30, 36, 42, 48, 0, 6, 12, 18, 24};
    QTest::newRow("no repeats") << "norepeat" << 0
                                << QList<int>{48, 24, 0, 36, 30, 6, 42, 18, 12, 48, 24, 0, 36, 30};
    QTest::newRow("no repeats, quick start")
        << "norepeat-quick" << 0 << QList<int>{48, 24, 0, 36, 30, 6, 42, 18, 12, 48, 24, 0, 36, 30};
    QTest::newRow("importance") << "importance" << 0
                                << QList<int>{6, 30, 42, 24, 6, 30, 42, 24, 6, 30, 42, 24, 6, 30};
    QTest::newRow("importance, then the whole collection")
        << "importance-normal" << 0 << QList<int>{6, 30, 42, 24, 36, 0, 12, 30, 12, 42, 48, 48, 12, 0};
    QTest::newRow("resume") << "resume" << 0
                            << QList<int>{42, 48, 0, 6, 12, 18, 24, 30, 36, 42, 48, 0, 6, 12};
    QTest::newRow("review of the questions") << "review" << 0 << QList<int>{18, 12, 12, 36, 48, 42};
    QTest::newRow("review of the wrong answers") << "review-wrong" << 0 << QList<int>{12, 12, 48};
}

void TestDrillOrder::sameSeedSameOrder()
{
    QFETCH(QString, mode);
    QFETCH(int, answerType);
    QFETCH(QList<int>, expected);

    TestEnv env;
    TfrmMain *w = startMain(env, {{QStringLiteral("ShowResult"), QStringLiteral("0")},
                                  {QStringLiteral("ImportantOn"), QStringLiteral("1")}},
                            nineQuestions());
    env.writeLines(env.userName() + QStringLiteral("/Question_imp.dat"),
                   {QStringLiteral("2 6"), QStringLiteral("4 12"), QStringLiteral("2 24"),
                    QStringLiteral("3 30"), QStringLiteral("2 42"), QStringLiteral("5 48")});
    env.writeSetup(QStringLiteral("NotRandomContinue"), QStringLiteral("Question.txt"),
                   QStringLiteral("7"));

    QList<int> before; // the drill a review looks back on
    if (mode.startsWith(QLatin1String("review"))) {
        Random::global().seed(kSeed + 1);
        startDrill(env, 6, 0, 0, {});
        before = answerAll(env, {1, 2, 4});
        QCOMPARE(before.size(), 6);
    }

    Random::global().seed(kSeed);
    const int count = 14;
    if (mode == QLatin1String("random")) {
        startDrill(env, count, answerType, 0, {});
    } else if (mode == QLatin1String("inorder")) {
        startDrill(env, count, answerType, 0,
                   [](TfrmQuestionSetup *d) { option(d, d->rbNotRandom); });
    } else if (mode == QLatin1String("norepeat")) {
        startDrill(env, count, answerType, 0,
                   [](TfrmQuestionSetup *d) { option(d, d->rbNotSameQuestion); });
    } else if (mode == QLatin1String("norepeat-quick")) {
        // The option chosen in the set-up dialog stays for the quick start.
        startDrill(env, 1, answerType, 0,
                   [](TfrmQuestionSetup *d) { option(d, d->rbNotSameQuestion); });
        env.find<QPushButton>(QStringLiteral("cmdStop"))->click();
        Random::global().seed(kSeed);
        env.find<QLineEdit>(QStringLiteral("txtQuestionNum"))->setText(QString::number(count));
        env.find<QToolButton>(QStringLiteral("cmdOk"))->click();
    } else if (mode.startsWith(QLatin1String("importance"))) {
        const bool normal = mode.endsWith(QLatin1String("normal"));
        startDrill(env, count, answerType, 0, [normal](TfrmQuestionSetup *d) {
            d->chkImportantQuestion->click();
            d->levelButton(2)->click();
            d->levelButton(3)->click();
            if (normal)
                d->chkNormalImportant->click();
        });
    } else if (mode == QLatin1String("resume")) {
        startDrill(env, count, answerType, 0, [](TfrmQuestionSetup *d) {
            option(d, d->rbNotRandom);
            d->chkNotRandomContinue->click();
        });
    } else if (mode.startsWith(QLatin1String("review"))) {
        const bool wrongOnly = mode.endsWith(QLatin1String("wrong"));
        startDrill(env, count, answerType, 0, [wrongOnly](TfrmQuestionSetup *d) {
            option(d, wrongOnly ? d->rbErrorOnly : d->rbSameQuestion);
            d->txtPrevNum->setText(QStringLiteral("1"));
        });
    }
    QVERIFY(w->drill.Running);
    const QList<int> asked = answerAll(env);
    QCOMPARE(asked, expected);
    // A review asks what the reviewed drill asked (or answered wrongly).
    if (mode == QLatin1String("review"))
        QCOMPARE(asked, before);
    else if (mode == QLatin1String("review-wrong"))
        QCOMPARE(asked, QList<int>({before.at(1), before.at(2), before.at(4)}));
}

QTEST_MAIN(TestDrillOrder)
#include "tst_drill_order.moc"
