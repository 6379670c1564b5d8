#pragma once
// The built-in voice through Qt TextToSpeech: speech-dispatcher where it
// runs, otherwise the offline flite voice. The engine is made at its first
// use, so that the start-up does not wait for it.
#include "Platform.h"

#include <QPointer>

class QTextToSpeech;

class QtSpeaker : public Speaker
{
public:
    bool available() override;
    void say(const QString &text) override;

private:
    QTextToSpeech *engine();
    QPointer<QTextToSpeech> m_engine;
    bool m_tried = false;
};
