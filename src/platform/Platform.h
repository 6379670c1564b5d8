#pragma once
// Everything a person or the desktop answers goes through this seam, so that
// tests can script it: message boxes, file/colour/font/input dialogs, modal
// showing, sounds, shell open, clipboard, closing another program's window,
// the input method, help and printing. No window calls QMessageBox,
// QFileDialog, QDialog::exec() or QClipboard directly.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class QTextDocument;

// The built-in voice: the desktop's speech synthesis reading English text.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // True when an English voice can speak.
    virtual bool available() = 0;
    // Starts reading `text` aloud and returns at once; a sentence still
    // being read is cut off. Nothing happens without a voice.
    virtual void say(const QString &text) = 0;
};

enum class MsgKind { Warning, Information, Question, Plain };
enum class MsgResult { Ok, Yes, No };
// What the program does with the file a save dialog names: replace it (the
// dialog asks before an existing file is named), or add to its end (the
// dialog must not promise a replace; the program asks itself).
enum class SaveMode { Replace, Append };

class Platform
{
public:
    virtual ~Platform() = default;

    // Modal message box. Question boxes answer Yes or No, the others Ok.
    virtual MsgResult message(QWidget *parent, const QString &caption, const QString &text,
                              MsgKind kind) = 0;

    // File dialogs. `filter` uses the "description|pattern|description|pattern"
    // form (for example "問題集ファイル (*.txt)|*.txt"). Empty text = cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter, SaveMode mode = SaveMode::Replace) = 0;
    // Colour and font dialogs: true and the value changed when accepted.
    virtual bool chooseColor(QWidget *parent, QColor &color) = 0;
    virtual bool chooseFont(QWidget *parent, QFont &font) = 0;
    // One-line input dialog: true and `value` changed when accepted.
    virtual bool inputText(QWidget *parent, const QString &caption, const QString &prompt,
                           QString &value) = 0;

    // Shows a dialog modally and returns its result code.
    virtual int execDialog(QDialog *dialog) = 0;

    // Asynchronous playing of a wave file.
    virtual void playSound(const QString &wavPath) = 0;
    // The built-in voice.
    virtual Speaker &speaker() = 0;
    // Shell "open" of a file, program or address.
    virtual bool shellOpen(const QString &target) = 0;
    // Launches a program (the companion).
    virtual bool launchProgram(const QString &path) = 0;
    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;
    // Asks the top-level window whose caption is exactly `caption` to close;
    // nothing happens when there is none.
    virtual void closeWindowByCaption(const QString &caption) = 0;
    // Japanese input method on or off for a widget.
    virtual void setInputMethod(QWidget *widget, bool on) = 0;
    // Platform help viewer.
    virtual void showHelp(const QString &helpFile, const QString &topic) = 0;
    // Prints a document (asks for the printer); false when cancelled/failed.
    virtual bool printDocument(QWidget *parent, QTextDocument *document) = 0;
    virtual QStringList fontFamilies() = 0;

    // The platform of the run; tests install a ScriptedPlatform.
    static Platform &instance();
    static void install(Platform *platform); // not owned; nullptr = QtPlatform
};

// Short forms used throughout the windows.
inline Platform &platform() { return Platform::instance(); }
