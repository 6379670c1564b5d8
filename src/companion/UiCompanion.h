#pragma once
// Talking to the companion speech program through the platform: launch,
// clipboard commands and closing its window. Every function follows the
// settings held in memory.
#include <QRect>
#include <QString>

struct Settings;

namespace Companion {

// Hands the window's outer bounds over when SorbellPath is set.
void handOver(const Settings &s, const QRect &windowFrame);
// Launches SorbellPath (without checking whether it already runs).
void launch(const Settings &s);
// Puts "ANI;<code>" on the clipboard when VoiceOn is 1.
void react(const Settings &s, int code);
// Puts "QVT;<english>" on the clipboard (the callers decide when).
void speak(const QString &english);
// Asks the window captioned "Qvt" to close.
void close();

// Shutdown: with VoiceOn the farewell, then the close request.
void shutDown(const Settings &s);
// After the settings dialog's OK: hand-over when a path is set; with VoiceOn
// launch, without it close.
void settingsConfirmed(const Settings &s, const QRect &windowFrame);

} // namespace Companion
