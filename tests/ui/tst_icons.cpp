// The program's icons are shown from their stored pictures: the main window
// starts without the SVG library or an image plugin, the pictures are those
// of the drawings, and a tool bar's button for hidden buttons shows the
// program's own picture.
#include <QtTest>

#include "TestEnv.h"
#include "widgets/Icons.h"
#include "widgets/Look.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

class TestIcons : public QObject
{
    Q_OBJECT
private slots:
    // Runs first, while this process has loaded no plugin for pictures.
    void mainWindowStartsWithoutPicturePlugins();
    void storedPicturesAreTheDrawings_data();
    void storedPicturesAreTheDrawings();
    void sizesBetweenStoredOnes();
    void disabledIconsStandOutLess_data();
    void disabledIconsStandOutLess();
};

namespace {

QStringList loadedPicturePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") || line.contains("/iconengines/") || line.contains("libQt6Svg"))
            found << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    found.removeDuplicates();
    return found;
}

QString iconsFolder()
{
    return QStringLiteral(ULVENDO_SOURCE_DATA_DIR "/../resources/icons");
}

} // namespace

void TestIcons::mainWindowStartsWithoutPicturePlugins()
{
    UseProgramStyle();
    {
        TestEnv env;
        env.presetUser(QStringLiteral("taro"));
        env.copySampleData();
        TfrmMain *w = env.showMain();
        QVERIFY(w->isVisible());
        QVERIFY(!w->grab().isNull());
        QVERIFY(!titlePicture(2.0).isNull());

        // The tool bars' buttons for hidden buttons show the program's picture.
        const QList<QToolButton *> more = w->findChildren<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(!more.isEmpty());
        for (QToolButton *b : more)
            QCOMPARE(b->icon().pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                     readStoredPng(storedIconPath(QStringLiteral("more"), 16)).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(!w->windowIcon().pixmap(QSize(32, 32), 1.0).isNull());
    }
    QCOMPARE(loadedPicturePlugins(), QStringList());
}

void TestIcons::storedPicturesAreTheDrawings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    const QFileInfoList drawings =
        QDir(iconsFolder()).entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    QVERIFY(drawings.size() >= 20);
    for (const QFileInfo &svg : drawings)
        for (int size : storedIconSizes(svg.baseName()))
            QTest::addRow("%s-%d", qPrintable(svg.baseName()), size) << svg.baseName() << size;
}

// A drawing changed without writing its pictures again (tools/icon_pictures)
// would show the old icon.
void TestIcons::storedPicturesAreTheDrawings()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    const QImage drawn = QIcon(iconsFolder() + QLatin1Char('/') + name + QStringLiteral(".svg"))
                             .pixmap(QSize(size, size), 1.0)
                             .toImage();
    const QImage shown = appIcon(name).pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(shown.size(), QSize(size, size));
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
}

void TestIcons::sizesBetweenStoredOnes()
{
    const QIcon open = appIcon(QStringLiteral("open"));
    QVERIFY(appIcon(QStringLiteral("no-such-icon")).isNull());
    QCOMPARE(open.availableSizes().first(), QSize(16, 16));
    // 20 pixels are made from the 24-pixel picture, not blown up from 16.
    const QImage twenty = open.pixmap(QSize(20, 20), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(twenty.size(), QSize(20, 20));
    QCOMPARE(twenty, QPixmap::fromImage(readStoredPng(storedIconPath(QStringLiteral("open"), 24)))
                         .scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32));
    // A screen with twice the pixels gets the 32-pixel picture for 16.
    const QPixmap sharp = open.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
}

namespace {

// How far an icon drawn on a background stands out from it: the summed
// difference in lightness of its pixels.
int standsOut(const QIcon &icon, QIcon::Mode mode, const QColor &background)
{
    QImage onBar(16, 16, QImage::Format_RGB32);
    onBar.fill(background);
    QPainter p(&onBar);
    p.drawPixmap(0, 0, icon.pixmap(QSize(16, 16), 1.0, mode));
    p.end();
    int sum = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            sum += qAbs(qGray(onBar.pixel(x, y)) - qGray(background.rgb()));
    return sum;
}

} // namespace

void TestIcons::disabledIconsStandOutLess_data()
{
    QTest::addColumn<QString>("name");
    const QFileInfoList drawings =
        QDir(iconsFolder()).entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QFileInfo &svg : drawings)
        QTest::newRow(qPrintable(svg.baseName())) << svg.baseName();
}

// On a light and on a dark tool bar a disabled icon is fainter than the
// enabled one, so that a button that cannot be used does not look usable.
void TestIcons::disabledIconsStandOutLess()
{
    QFETCH(QString, name);
    const QIcon icon = appIcon(name);
    for (const QColor &bar : {QColor(0xef, 0xef, 0xef), QColor(0x2b, 0x2b, 0x2b)}) {
        const int normal = standsOut(icon, QIcon::Normal, bar);
        const int disabled = standsOut(icon, QIcon::Disabled, bar);
        QVERIFY2(disabled * 2 < normal, qPrintable(QStringLiteral("%1 on %2: disabled %3, enabled %4")
                                                       .arg(name, bar.name()).arg(disabled).arg(normal)));
    }
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
