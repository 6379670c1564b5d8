#pragma once
// Colours and fonts as the settings store them, turned into Qt's, and the
// windows' common text and placing.
#include <QColor>
#include <QFont>
#include <QString>

// A colour number with red in the low byte, green in the middle byte and
// blue in the high byte ("255" red, "8421376" teal).
QColor ColorFromNumber(int number);
int NumberFromColor(const QColor &color);

class QWidget;

// The contrast ratio of two colours (1 to 21; text wants 4.5, large text 3).
double ContrastRatio(const QColor &a, const QColor &b);
// The background for text of colour `text`: `preferred` while the text
// stands out from it (ratio 4.5 or more), otherwise white or black,
// whichever stands out more (the stored default black in a dark theme).
QColor ReadableBackground(const QColor &text, const QColor &preferred);
// Shows a pane's text in a stored colour and keeps it readable: the pane
// keeps `background` (default: the theme's background for such a pane)
// unless ReadableBackground() replaces it.
void SetPaneTextColor(QWidget *pane, const QColor &text, const QColor &background = QColor());

// Gives a title panel the windows' black background and white text.
void PaintBlack(QWidget *panel);

// The installed family that shows a face name of the settings. Faces that
// are not installed here (the settings' default "ＭＳ Ｐゴシック" among them)
// map to an installed Japanese family: Gothic faces to a sans-serif one,
// Mincho faces to a serif one. The setting's text itself is never changed.
QString ScreenFamily(const QString &face);
// A font of that face in points (pointSize <= 0 keeps the default size).
QFont FaceFont(const QString &face, int pointSize = 0);
// A font of that face with a size in pixels (the windows' 12-pixel text).
QFont PixelFont(const QString &face, int pixelSize);
// The windows' own text: the main window's 12-pixel face.
QFont DialogFont();
// Makes the dialog font the application's: the program's windows, their
// menus and the edit lines and pop-ups Qt makes without a parent all show
// it, and no second family is loaded for them.
void UseProgramFont();

// Reads the desktop's font configuration on a second thread from its
// construction on, while the application object is made and the title is
// shown; the first font asked for waits until it is read. Make one first
// thing in main(), before the application object; it waits for the thread
// when it goes. Without it the configuration is read when first needed.
class FontConfigurationReader
{
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader &) = delete;
    FontConfigurationReader &operator=(const FontConfigurationReader &) = delete;
    // Waits until the configuration is read when a reader runs.
    static void wait();
};

// Moves a window of the given size to the middle of the primary screen.
void CenterOnScreen(QWidget *window, const QSize &size);
// Makes the application's style show the program's own picture on a tool
// bar's button for hidden buttons (the stock one is read through every image
// plugin). Everything else is drawn by the style chosen as before (the
// desktop's or the one given with -style). Call once, before the first window.
void UseProgramStyle();
