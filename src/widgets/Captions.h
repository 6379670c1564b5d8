#pragma once
// Captions of the program's message boxes.
#include <QString>

// Caption of the program's plain messages and of its error messages.
inline QString PlainCaption() { return QStringLiteral("Ulvendo"); }
inline QString ErrorCaption() { return QStringLiteral("エラー"); }
