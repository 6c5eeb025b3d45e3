#include "player/TextToSpeechSpeaker.h"

#include <QTextToSpeech>

#include <utility>

TextToSpeechSpeaker::TextToSpeechSpeaker(Failed failed)
    : m_failed(std::move(failed))
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("Read aloud"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, [this] { startEngine(); }, Qt::QueuedConnection);
}

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    // The engine stops speaking as the worker, its parent, is deleted with
    // the thread's end.
    m_thread.quit();
    m_thread.wait();
}

bool TextToSpeechSpeaker::engineInstalled()
{
    return !QTextToSpeech::availableEngines().isEmpty();
}

void TextToSpeechSpeaker::say(const QString& text)
{
    QMetaObject::invokeMethod(
        m_worker, [this, text] {
            if (m_speech != nullptr)
                m_speech->say(text);
        },
        Qt::QueuedConnection);
}

void TextToSpeechSpeaker::stop()
{
    QMetaObject::invokeMethod(
        m_worker, [this] {
            if (m_speech != nullptr)
                m_speech->stop();
        },
        Qt::QueuedConnection);
}

void TextToSpeechSpeaker::startEngine()
{
    for (const QString& name : QTextToSpeech::availableEngines()) {
        auto* speech = new QTextToSpeech(name, m_worker);
        // An engine whose service is not running reports an error at once.
        if (speech->state() != QTextToSpeech::Error && !speech->availableVoices().isEmpty()) {
            m_speech = speech;
            break;
        }
        delete speech;
    }
    if (m_speech == nullptr) {
        report(Failure::NoVoice);
        return;
    }
    connect(m_speech, &QTextToSpeech::errorOccurred, m_worker, [this](QTextToSpeech::ErrorReason reason) {
        // Text the engine cannot say is that box's problem only.
        if (reason == QTextToSpeech::ErrorReason::Input)
            return;
        report(reason == QTextToSpeech::ErrorReason::Playback ? Failure::NoSound : Failure::NoVoice);
    });
}

void TextToSpeechSpeaker::report(Failure failure)
{
    // Back on the GUI thread; dropped if this speaker is gone by then.
    QMetaObject::invokeMethod(
        this, [this, failure] {
            if (m_failed)
                m_failed(failure);
        },
        Qt::QueuedConnection);
}
