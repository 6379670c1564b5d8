#pragma once
// The platform of the tests: answers from queues, records every call in
// order, and runs a test-supplied handler for each modal dialog (the handler
// clicks inside the dialog by objectName and lets it close).
#include "Platform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <functional>

struct PlatformCall
{
    QString kind;     // "message", "open", "save", "color", "font", "input", "dialog",
                      // "sound", "speak", "shell", "launch", "clipboard", "close",
                      // "ime", "help", "print"
    QString caption;  // message caption, dialog objectName/window title, ...
    QString text;     // message text, path, clipboard text, ...
    int detail = 0;   // message kind (MsgKind as int), ime on (1) / off (0), save mode, ...
};

class ScriptedPlatform;

// The built-in voice of the tests: records every sentence as a "speak" call.
class ScriptedSpeaker : public Speaker
{
public:
    explicit ScriptedSpeaker(ScriptedPlatform *owner) : m_owner(owner) {}
    bool voiceAvailable = true;
    bool available() override { return voiceAvailable; }
    void say(const QString &text) override;

private:
    ScriptedPlatform *m_owner;
};

class ScriptedPlatform : public Platform
{
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // --- scripting -------------------------------------------------------
    // Answers for question boxes (default when empty: Yes).
    QQueue<MsgResult> messageAnswers;
    // File names returned by open/save dialogs (default when empty: "").
    QQueue<QString> fileAnswers;
    QQueue<QString> inputAnswers;   // empty queue = cancelled
    QQueue<QColor> colorAnswers;    // empty queue = cancelled
    QQueue<QFont> fontAnswers;      // empty queue = cancelled
    QStringList families{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans")};
    // Called for every modal dialog; should make it finish (accept/reject or
    // click a button that closes it). When none is set, dialogs are rejected.
    std::function<void(QDialog *)> dialogHandler;
    // One-shot handlers taken before dialogHandler, in order.
    QQueue<std::function<void(QDialog *)>> dialogHandlers;
    // Called for every message box, after it is recorded (optional).
    std::function<void(const PlatformCall &)> messageHandler;
    bool printResult = true;
    // The built-in voice; voice.voiceAvailable = false stands for a desktop
    // without any voice.
    ScriptedSpeaker voice{this};

    // --- what happened ---------------------------------------------------
    QList<PlatformCall> calls;
    QList<PlatformCall> callsOf(const QString &kind) const;
    QStringList messages() const;  // texts of message boxes, in order
    QStringList sounds() const;    // played wave paths
    QStringList clipboardHistory() const;
    QStringList spoken() const;    // sentences read by the built-in voice
    QStringList textsOf(const QString &kind) const; // the texts of the calls of a kind
    QString clipboard;
    void clear() { calls.clear(); }

    // --- Platform ----------------------------------------------------------
    MsgResult message(QWidget *parent, const QString &caption, const QString &text,
                      MsgKind kind) override;
    QString openFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter, SaveMode mode) override;
    bool chooseColor(QWidget *, QColor &color) override;
    bool chooseFont(QWidget *, QFont &font) override;
    bool inputText(QWidget *, const QString &caption, const QString &prompt,
                   QString &value) override;
    int execDialog(QDialog *dialog) override;
    void playSound(const QString &wavPath) override;
    Speaker &speaker() override { return voice; }
    bool shellOpen(const QString &target) override;
    bool launchProgram(const QString &path) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    void closeWindowByCaption(const QString &caption) override;
    void setInputMethod(QWidget *widget, bool on) override;
    void showHelp(const QString &helpFile, const QString &topic) override;
    bool printDocument(QWidget *parent, QTextDocument *document) override;
    QStringList fontFamilies() override;
};
