#pragma once

#include "player/NarrationSpeaker.h"

#include <QObject>
#include <QThread>

class QTextToSpeech;

// The system's text-to-speech, on a thread of its own: making an engine
// loads its voices (half a second for some), and neither that nor speaking
// may hold up the player's timers. The first installed engine that has a
// voice is used.
class TextToSpeechSpeaker : public QObject, public NarrationSpeaker {
public:
    explicit TextToSpeechSpeaker(Failed failed);
    ~TextToSpeechSpeaker() override;
    TextToSpeechSpeaker(const TextToSpeechSpeaker&) = delete;
    TextToSpeechSpeaker& operator=(const TextToSpeechSpeaker&) = delete;

    void say(const QString& text) override;
    void stop() override;

    // Whether any engine is installed, from the plugins' descriptions alone.
    static bool engineInstalled();

private:
    // On the speech thread.
    void startEngine();
    void report(Failure failure);

    Failed m_failed;
    QThread m_thread;
    QObject* m_worker = nullptr;       // lives on m_thread, deleted as it ends
    QTextToSpeech* m_speech = nullptr; // the worker's child, used on m_thread only
};
