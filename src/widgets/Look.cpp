#include "widgets/Look.h"
#include "widgets/Icons.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QGuiApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>
#include <clocale>
#include <cmath>
#include <thread>

#ifdef ULVENDO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

QColor ColorFromNumber(int number)
{
    const quint32 n = quint32(number);
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

int NumberFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

namespace {

double relativeLuminance(const QColor &c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ReadableBackground(const QColor &text, const QColor &preferred)
{
    if (ContrastRatio(text, preferred) >= 4.5)
        return preferred;
    return ContrastRatio(text, Qt::white) >= ContrastRatio(text, Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
}

void SetPaneTextColor(QWidget *pane, const QColor &text, const QColor &background)
{
    const QColor base = ReadableBackground(
        text, background.isValid() ? background : QApplication::palette(pane).color(QPalette::Base));
    QPalette pal = pane->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, base);
    pane->setPalette(pal);
}

namespace {

// Whether a family is installed under that very name. Asking the font
// database with hasFamily() also runs the font configuration's substitution
// rules for the name, which costs as much as finding a font; the stand-ins
// below are real family names, looked up in the list of installed ones.
QString firstInstalled(const QStringList &families)
{
    static const QStringList installed = QFontDatabase::families();
    for (const QString &f : families)
        if (installed.contains(f, Qt::CaseInsensitive))
            return f;
    return QString();
}

QString findScreenFamily(const QString &face)
{
    // A name the font configuration maps to an installed font counts too.
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    const bool serif = face.contains(QStringLiteral("明朝")) || face.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive)
                       || face.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
    if (serif) {
        const QString serifFamily = firstInstalled({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho"),
                                                    QStringLiteral("IPAMincho")});
        if (!serifFamily.isEmpty())
            return serifFamily;
    }
    const QString sansFamily = firstInstalled({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                                               QStringLiteral("IPAGothic")});
    return sansFamily.isEmpty() ? face : sansFamily;
}

} // namespace

// Asking the font database whether a family is installed lists every family
// each time; the answer for a face is kept, since the fonts installed do not
// change while the program runs.
QString ScreenFamily(const QString &face)
{
    FontConfigurationReader::wait();
    static QHash<QString, QString> known;
    const auto it = known.constFind(face);
    if (it != known.constEnd())
        return it.value();
    const QString family = findScreenFamily(face);
    known.insert(face, family);
    return family;
}

QFont FaceFont(const QString &face, int pointSize)
{
    QFont f(ScreenFamily(face));
    if (pointSize > 0)
        f.setPointSize(pointSize);
    return f;
}

QFont PixelFont(const QString &face, int pixelSize)
{
    QFont f(ScreenFamily(face));
    f.setPixelSize(pixelSize);
    return f;
}

void PaintBlack(QWidget *panel)
{
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
}

QFont DialogFont()
{
    return PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
}

void UseProgramFont()
{
    const QFont font = DialogFont();
    if (QApplication::font() == font)
        return;
    QApplication::setFont(font);
    // Before the event loop runs, windows made already (the main window
    // while it is being made) are not told: they are told here, and pass
    // the font on to their controls.
    QEvent change(QEvent::ApplicationFontChange);
    for (QWidget *window : QApplication::topLevelWidgets())
        QCoreApplication::sendEvent(window, &change);
}

namespace {

// Joined at the latest when the program ends, however it ends.
struct ConfigurationThread
{
    std::thread thread;
    ~ConfigurationThread()
    {
        if (thread.joinable())
            thread.join();
    }
};

std::thread &configurationThread()
{
    static ConfigurationThread reader;
    return reader.thread;
}

} // namespace

FontConfigurationReader::FontConfigurationReader()
{
#ifdef ULVENDO_HAVE_FONTCONFIG
    if (configurationThread().joinable())
        return; // one runs already
    // The configuration's numbers are read by the locale: it is set as the
    // application object sets it, before the thread starts, so that the
    // application's setting it again changes nothing the thread reads.
    std::setlocale(LC_ALL, "");
    // Reading the configuration is a third of the start-up; the font
    // library is safe to use from any thread, and the first of two threads
    // to finish installs its configuration.
    configurationThread() = std::thread([] { FcInit(); });
#endif
}

FontConfigurationReader::~FontConfigurationReader()
{
    wait();
}

void FontConfigurationReader::wait()
{
    std::thread &thread = configurationThread();
    if (thread.joinable())
        thread.join();
}

void CenterOnScreen(QWidget *window, const QSize &size)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

namespace {

class ProgramStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return appIcon(QStringLiteral("more"));
        if (which == SP_ToolBarVerticalExtensionButton)
            return appIcon(QStringLiteral("moredown"));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void UseProgramStyle()
{
    if (dynamic_cast<ProgramStyle *>(QApplication::style()))
        return;
    // The proxy owns its base, so the base is a new style of the same kind
    // as the application's, not the application's own.
    QStyle *base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new ProgramStyle(base));
}
