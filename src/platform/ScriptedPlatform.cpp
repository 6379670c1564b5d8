#include "ScriptedPlatform.h"

#include "widgets/Accessibility.h"

#include <QDialog>
#include <QWidget>

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

QList<PlatformCall> ScriptedPlatform::callsOf(const QString &kind) const
{
    QList<PlatformCall> out;
    for (const PlatformCall &c : calls)
        if (c.kind == kind)
            out.append(c);
    return out;
}

QStringList ScriptedPlatform::textsOf(const QString &kind) const
{
    QStringList out;
    for (const PlatformCall &c : calls)
        if (c.kind == kind)
            out.append(c.text);
    return out;
}

QStringList ScriptedPlatform::messages() const
{
    return textsOf(QStringLiteral("message"));
}

QStringList ScriptedPlatform::sounds() const
{
    return textsOf(QStringLiteral("sound"));
}

QStringList ScriptedPlatform::clipboardHistory() const
{
    return textsOf(QStringLiteral("clipboard"));
}

QStringList ScriptedPlatform::spoken() const
{
    return textsOf(QStringLiteral("speak"));
}

void ScriptedSpeaker::say(const QString &text)
{
    m_owner->calls.append({QStringLiteral("speak"), QString(), text, voiceAvailable ? 1 : 0});
}

MsgResult ScriptedPlatform::message(QWidget *, const QString &caption, const QString &text,
                                    MsgKind kind)
{
    calls.append({QStringLiteral("message"), caption, text, int(kind)});
    if (messageHandler)
        messageHandler(calls.last());
    if (kind != MsgKind::Question)
        return MsgResult::Ok;
    return messageAnswers.isEmpty() ? MsgResult::Yes : messageAnswers.dequeue();
}

QString ScriptedPlatform::openFileName(QWidget *, const QString &title, const QString &folder,
                                       const QString &filter)
{
    calls.append({QStringLiteral("open"), title, filter, 0});
    Q_UNUSED(folder);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPlatform::saveFileName(QWidget *, const QString &title, const QString &folder,
                                       const QString &filter, SaveMode mode)
{
    calls.append({QStringLiteral("save"), title, filter, int(mode)});
    Q_UNUSED(folder);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

bool ScriptedPlatform::chooseColor(QWidget *, QColor &color)
{
    calls.append({QStringLiteral("color"), QString(), color.name(), 0});
    if (colorAnswers.isEmpty())
        return false;
    color = colorAnswers.dequeue();
    return true;
}

bool ScriptedPlatform::chooseFont(QWidget *, QFont &font)
{
    calls.append({QStringLiteral("font"), QString(), font.family(), 0});
    if (fontAnswers.isEmpty())
        return false;
    font = fontAnswers.dequeue();
    return true;
}

bool ScriptedPlatform::inputText(QWidget *, const QString &caption, const QString &prompt,
                                 QString &value)
{
    calls.append({QStringLiteral("input"), caption, prompt, 0});
    if (inputAnswers.isEmpty())
        return false;
    value = inputAnswers.dequeue();
    return true;
}

int ScriptedPlatform::execDialog(QDialog *dialog)
{
    calls.append({QStringLiteral("dialog"), dialog->objectName(), dialog->windowTitle(), 0});
    NameControlsWhenShown(dialog); // as the real platform does for screen readers
    dialog->setResult(0);
    dialog->show();
    std::function<void(QDialog *)> handler;
    if (!dialogHandlers.isEmpty())
        handler = dialogHandlers.dequeue();
    else
        handler = dialogHandler;
    if (handler)
        handler(dialog);
    if (dialog->isVisible())
        dialog->reject();
    return dialog->result();
}

void ScriptedPlatform::playSound(const QString &wavPath)
{
    calls.append({QStringLiteral("sound"), QString(), wavPath, 0});
}

bool ScriptedPlatform::shellOpen(const QString &target)
{
    calls.append({QStringLiteral("shell"), QString(), target, 0});
    return true;
}

bool ScriptedPlatform::launchProgram(const QString &path)
{
    calls.append({QStringLiteral("launch"), QString(), path, 0});
    return true;
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    calls.append({QStringLiteral("clipboard"), QString(), text, 0});
    clipboard = text;
}

QString ScriptedPlatform::clipboardText()
{
    return clipboard;
}

void ScriptedPlatform::closeWindowByCaption(const QString &caption)
{
    calls.append({QStringLiteral("close"), caption, QString(), 0});
}

void ScriptedPlatform::setInputMethod(QWidget *widget, bool on)
{
    calls.append({QStringLiteral("ime"), widget ? widget->objectName() : QString(), QString(),
                  on ? 1 : 0});
}

void ScriptedPlatform::showHelp(const QString &helpFile, const QString &topic)
{
    calls.append({QStringLiteral("help"), topic, helpFile, 0});
}

bool ScriptedPlatform::printDocument(QWidget *, QTextDocument *)
{
    calls.append({QStringLiteral("print"), QString(), QString(), 0});
    return printResult;
}

QStringList ScriptedPlatform::fontFamilies()
{
    return families;
}
