#include "companion/UiCompanion.h"

#include "companion/Companion.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace Companion {

void handOver(const Settings &s, const QRect &windowFrame)
{
    if (s.SorbellPath.isEmpty())
        return;
    // A folder that cannot be written is not reported: the companion then
    // simply opens where it last was.
    handOverPosition(s.SorbellPath, windowFrame.x(), windowFrame.y(), windowFrame.width(),
                     windowFrame.height());
}

void launch(const Settings &s)
{
    platform().launchProgram(s.SorbellPath);
}

void react(const Settings &s, int code)
{
    if (s.VoiceOn == 1)
        platform().setClipboardText(reactionCommand(code));
}

void speak(const QString &english)
{
    platform().setClipboardText(speakCommand(english));
}

void close()
{
    platform().closeWindowByCaption(windowCaption());
}

void shutDown(const Settings &s)
{
    if (s.VoiceOn == 1) {
        react(s, Farewell);
        close();
    }
}

void settingsConfirmed(const Settings &s, const QRect &windowFrame)
{
    handOver(s, windowFrame);
    if (s.VoiceOn == 1)
        launch(s);
    else
        close();
}

} // namespace Companion

