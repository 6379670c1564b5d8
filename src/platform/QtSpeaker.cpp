#include "QtSpeaker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>

namespace {

// An English locale of the engine, American English first.
bool chooseEnglish(QTextToSpeech *tts)
{
    const QList<QLocale> locales = tts->availableLocales();
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    if (locales.contains(us)) {
        tts->setLocale(us);
        return true;
    }
    for (const QLocale &l : locales)
        if (l.language() == QLocale::English) {
            tts->setLocale(l);
            return true;
        }
    return false;
}

} // namespace

QTextToSpeech *QtSpeaker::engine()
{
    if (m_tried)
        return m_engine;
    m_tried = true;
    QStringList engines = QTextToSpeech::availableEngines();
    // speech-dispatcher speaks with the desktop's own voices when it runs.
    if (engines.removeAll(QStringLiteral("speechd")) > 0)
        engines.prepend(QStringLiteral("speechd"));
    for (const QString &name : engines) {
        auto *tts = new QTextToSpeech(name, QCoreApplication::instance());
        if (tts->state() != QTextToSpeech::Error && chooseEnglish(tts) && !tts->availableVoices().isEmpty()) {
            m_engine = tts;
            break;
        }
        delete tts;
    }
    return m_engine;
}

bool QtSpeaker::available()
{
    return engine() != nullptr;
}

void QtSpeaker::say(const QString &text)
{
    if (QTextToSpeech *tts = engine()) {
        tts->stop();
        tts->say(text);
    }
}
