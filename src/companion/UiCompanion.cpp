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

bool usesBuiltInVoice(const Settings &s)
{
    return s.UseBuiltInVoice == 1;
}

void launch(const Settings &s)
{
    if (!usesBuiltInVoice(s))
        platform().launchProgram(s.SorbellPath);
}

void react(const Settings &s, int code)
{
    if (s.VoiceOn == 1 && !usesBuiltInVoice(s))
        platform().setClipboardText(reactionCommand(code));
}

void speak(const Settings &s, const QString &english)
{
    if (usesBuiltInVoice(s))
        platform().speaker().say(english);
    else
        platform().setClipboardText(speakCommand(english));
}

void close()
{
    platform().closeWindowByCaption(windowCaption());
}

void shutDown(const Settings &s)
{
    if (s.VoiceOn == 1 && !usesBuiltInVoice(s)) {
        react(s, Farewell);
        close();
    }
}

void settingsConfirmed(const Settings &s, const QRect &windowFrame)
{
    handOver(s, windowFrame);
    if (s.VoiceOn == 1 && !usesBuiltInVoice(s))
        launch(s);
    else
        close();
}

} // namespace Companion

