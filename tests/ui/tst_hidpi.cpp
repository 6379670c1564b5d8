// The windows on a screen with two pixels per point (QT_SCALE_FACTOR=2).
#include <QtTest>

#include "TestEnv.h"
#include "records/frmShowGraph.h"

namespace {

// 2x2 blocks of the picture that are not one colour: detail finer than a
// point. A picture only enlarged from one pixel per point has none.
int finerThanAPoint(const QImage &image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                ++count;
        }
    return count;
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void graphIsDrawnAtTheScreensResolution_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("monthly") << int(GraphType::Monthly);
        QTest::newRow("recent") << int(GraphType::Recent);
    }
    void graphIsDrawnAtTheScreensResolution()
    {
        QFETCH(int, type);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        TGraphImage graph;
        graph.SetBackground(GraphType(type));
        graph.DrawLine({QPoint(62, 97), QPoint(80, 87), QPoint(100, 12)}, 255);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        const QImage shown = graph.grab().toImage();
        QCOMPARE(shown.size(), QSize(TGraphImage::ImageWidth, TGraphImage::ImageHeight) * 2);
        // The labels' glyphs and the line are drawn with the screen's pixels.
        QVERIFY2(finerThanAPoint(shown) > 200, qPrintable(QString::number(finerThanAPoint(shown))));
        // The same picture as at one pixel per point: the line and axes sit
        // where the one-pixel picture has them.
        const QImage one = graph.Picture();
        QCOMPARE(QColor(shown.pixel(62 * 2, 97 * 2)), QColor(one.pixel(62, 97)));
        QCOMPARE(QColor(one.pixel(62, 97)), QColor(Qt::red));
        QCOMPARE(QColor(shown.pixel(GraphOrigin.x() * 2, 100 * 2)), QColor(Qt::black));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hidpi.moc"
