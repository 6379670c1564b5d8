// Drawing without replacement: the shuffled lists of the no-repeat and
// importance drills come out entry for entry as drawing entry k of the list
// and deleting it would give, for every seed and size.
#include "drill/QuestionSet.h"
#include "drill/RemainingEntries.h"
#include "platform/Random.h"

#include <QtTest>

namespace {

// The draw as the drill has always made it.
QStringList drawByDeleting(QStringList list, Random &rng)
{
    QStringList out;
    while (!list.isEmpty()) {
        const int k = rng.index(int(list.size()));
        out.append(list.at(k));
        list.removeAt(k);
    }
    return out;
}

QStringList numbered(int n, int step)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list.append(QString::number(i * step));
    return list;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void shuffleMatchesDeletingDraw_data();
    void shuffleMatchesDeletingDraw();
    void shuffleOfKnownSeed();
    void takeByPosition_data();
    void takeByPosition();
};

void TestDrawing::shuffleMatchesDeletingDraw_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("duplicates");
    QTest::newRow("empty") << 0 << 1u << false;
    QTest::newRow("one") << 1 << 5u << false;
    QTest::newRow("two") << 2 << 9u << false;
    QTest::newRow("power of two") << 64 << 77u << false;
    QTest::newRow("one past a power of two") << 65 << 78u << false;
    QTest::newRow("one below a power of two") << 1023 << 4242u << false;
    QTest::newRow("equal entries") << 300 << 31337u << true;
    QTest::newRow("large, clock-like seed") << 20000 << 1718000000u << false;
}

void TestDrawing::shuffleMatchesDeletingDraw()
{
    QFETCH(int, size);
    QFETCH(quint32, seed);
    QFETCH(bool, duplicates);
    QStringList source = numbered(size, 6);
    if (duplicates)
        for (int i = 0; i < size; i += 3)
            source[i] = QStringLiteral("12");

    Random reference;
    reference.seed(seed);
    const QStringList expected = drawByDeleting(source, reference);

    Random rng;
    rng.seed(seed);
    QStringList scratch{QStringLiteral("left over")};
    QStringList target{QStringLiteral("old")};
    ShuffleList(source, scratch, target, rng);
    QCOMPARE(target, expected);
    QVERIFY(scratch.isEmpty());
    // The generator has moved on by exactly one draw per entry.
    QCOMPARE(rng.state(), reference.state());
}

// The first entries of a drawn list for one seed, as the program has always
// drawn them: the generator's values taken modulo the entries left.
void TestDrawing::shuffleOfKnownSeed()
{
    Random rng;
    rng.seed(12345);
    QStringList scratch, target;
    ShuffleList(numbered(10, 6), scratch, target, rng);
    Random values;
    values.seed(12345);
    QList<int> left{0, 6, 12, 18, 24, 30, 36, 42, 48, 54};
    QStringList expected;
    while (!left.isEmpty())
        expected.append(QString::number(left.takeAt(int(values.next() % quint32(left.size())))));
    QCOMPARE(target, expected);
}

void TestDrawing::takeByPosition_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("takes");     // positions among the remaining
    QTest::addColumn<QList<int>>("expected");  // original indexes (-1 refused)
    QTest::newRow("front each time") << 4 << QList<int>{0, 0, 0, 0} << QList<int>{0, 1, 2, 3};
    QTest::newRow("back each time") << 4 << QList<int>{3, 2, 1, 0} << QList<int>{3, 2, 1, 0};
    QTest::newRow("middle then around it") << 5 << QList<int>{2, 2, 1, 0, 0}
                                           << QList<int>{2, 3, 1, 0, 4};
    QTest::newRow("out of range refused, nothing removed")
        << 3 << QList<int>{3, -1, 1, 2, 1, 0} << QList<int>{-1, -1, 1, -1, 2, 0};
    QTest::newRow("empty set refuses") << 0 << QList<int>{0} << QList<int>{-1};
}

void TestDrawing::takeByPosition()
{
    QFETCH(int, size);
    QFETCH(QList<int>, takes);
    QFETCH(QList<int>, expected);
    RemainingEntries left(size);
    QList<int> got;
    int removed = 0;
    for (int k : takes) {
        got.append(left.take(k));
        if (got.constLast() >= 0)
            ++removed;
        QCOMPARE(left.size(), size - removed);
    }
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
