// What only a real X server with a window manager shows: the main window's
// recorded geometry surviving restarts, the title picture painted during
// start-up, and the companion learning where the shown window is.
#include "TestEnv.h"
#include "app/frmTitle.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <QtTest>

class TestX11Windows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void geometrySurvivesRestarts_data();
    void geometrySurvivesRestarts();
    void titlePicturePainted();
    void companionGetsTheShownWindow();
};

namespace {

// Waits until the window manager has framed `w` (its frame is larger than
// its client area); false after `ms`.
bool waitForFrame(QWidget *w, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (w->windowHandle() && w->windowHandle()->isExposed()
            && w->frameGeometry().size() != w->geometry().size())
            return true;
        QTest::qWait(20);
    }
    return false;
}

struct Recorded
{
    QString left, top, width, height;
    bool operator==(const Recorded &o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

Recorded recorded(const TestEnv &env)
{
    return {env.readSetup("Form Information", "Left"), env.readSetup("Form Information", "Top"),
            env.readSetup("Form Information", "Width"), env.readSetup("Form Information", "Height")};
}

QString text(const Recorded &r)
{
    return r.left + QLatin1Char(',') + r.top + QLatin1Char(' ') + r.width + QLatin1Char('x') + r.height;
}

} // namespace

void TestX11Windows::initTestCase()
{
    if (qEnvironmentVariableIsSet("ULVENDO_NO_X"))
        QSKIP(qPrintable(qEnvironmentVariable("ULVENDO_NO_X")));
    QWidget probe;
    probe.resize(200, 100);
    probe.show();
    if (!waitForFrame(&probe))
        QSKIP("no window manager framed a window on this X server");
}

void TestX11Windows::geometrySurvivesRestarts_data()
{
    QTest::addColumn<QRect>("start");
    QTest::newRow("700x500 at 100,120") << QRect(100, 120, 700, 500);
    QTest::newRow("900x640 at 30,40") << QRect(30, 40, 900, 640);
}

// Position and size recorded: three start/exit cycles leave the four
// numbers as they were, and the window's frame is where they say.
void TestX11Windows::geometrySurvivesRestarts()
{
    QFETCH(QRect, start);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "SavePosition", "1");
    env.writeSetup("Setup", "SaveSize", "1");
    env.writeSetup("Form Information", "Maximized", "0");
    env.writeSetup("Form Information", "Left", QString::number(start.x()));
    env.writeSetup("Form Information", "Top", QString::number(start.y()));
    env.writeSetup("Form Information", "Width", QString::number(start.width()));
    env.writeSetup("Form Information", "Height", QString::number(start.height()));
    const Recorded first = recorded(env);
    for (int cycle = 1; cycle <= 3; ++cycle) {
        TfrmMain *w = env.showMain();
        QVERIFY(waitForFrame(w));
        QTest::qWait(300); // let the window manager finish placing it
        QCOMPARE(w->frameGeometry(), start);
        env.closeMain();
        const Recorded now = recorded(env);
        QVERIFY2(now == first, qPrintable(QStringLiteral("cycle %1: %2 instead of %3")
                                              .arg(cycle).arg(text(now), text(first))));
    }
}

// The title picture is on the screen as soon as showNow() returns, before
// the start-up goes on without processing window events.
void TestX11Windows::titlePicturePainted()
{
    auto *title = new TfrmTitle;
    title->showNow();
    const QImage shot = title->screen()->grabWindow(title->winId()).toImage();
    QVERIFY(!shot.isNull());
    // The picture's background is a dark blue-green gradient, never black.
    const QColor c = shot.pixelColor(shot.width() / 2, shot.height() - 8);
    QVERIFY2(c.green() > 30 || c.blue() > 30, qPrintable(c.name()));
    title->release();
    QApplication::processEvents();
}

// The companion is told the lower right corner of the window as it is
// shown, maximised here.
void TestX11Windows::companionGetsTheShownWindow()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.presetCompanion();
    TfrmMain *w = env.showMain(); // nothing recorded: maximised
    QVERIFY(waitForFrame(w));
    QTest::qWait(300);
    QVERIFY(w->isMaximized());
    const QRect shown = w->frameGeometry();
    QTRY_COMPARE(env.readIni("sorbell/Setup.ini", "Setup", "left"),
                 QString::number(shown.x() + shown.width()));
    QCOMPARE(env.readIni("sorbell/Setup.ini", "Setup", "top"), QString::number(shown.y() + shown.height()));
    env.closeMain();
}

QTEST_MAIN(TestX11Windows)
#include "tst_x11_windows.moc"
