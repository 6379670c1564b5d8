#pragma once
// The voice: either the built-in voice of the platform (UseBuiltInVoice 1)
// or the companion speech program, driven through the platform (launch,
// clipboard commands, closing its window). Every function follows the
// settings held in memory; the companion is only launched, sent reactions
// and closed while it is the chosen voice.
#include <QRect>
#include <QString>

struct Settings;

namespace Companion {

// Hands the window's outer bounds over when SorbellPath is set.
void handOver(const Settings &s, const QRect &windowFrame);
// True when the built-in voice is the chosen voice.
bool usesBuiltInVoice(const Settings &s);
// Launches SorbellPath (without checking whether it already runs) when the
// companion is the chosen voice.
void launch(const Settings &s);
// Puts "ANI;<code>" on the clipboard when VoiceOn is 1 and the companion is
// the chosen voice.
void react(const Settings &s, int code);
// Reads the English sentence with the chosen voice: the built-in voice, or
// "QVT;<english>" on the clipboard (the callers decide when).
void speak(const Settings &s, const QString &english);
// Asks the window captioned "Qvt" to close.
void close();

// Shutdown: with VoiceOn the farewell, then the close request.
void shutDown(const Settings &s);
// After the settings dialog's OK: hand-over when a path is set; with VoiceOn
// and the companion chosen launch, otherwise close.
void settingsConfirmed(const Settings &s, const QRect &windowFrame);

} // namespace Companion
