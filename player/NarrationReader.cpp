#include "player/NarrationReader.h"

#include "player/TextToSpeechSpeaker.h"

#include <utility>

namespace {

NarrationReader::Source& source()
{
    static NarrationReader::Source s;
    return s;
}

NarrationReader::Source systemSource()
{
    return {&TextToSpeechSpeaker::engineInstalled,
            [](NarrationSpeaker::Failed failed) { return std::make_unique<TextToSpeechSpeaker>(std::move(failed)); }};
}

} // namespace

NarrationReader::Source NarrationReader::setSource(Source newSource)
{
    return std::exchange(source(), std::move(newSource));
}

NarrationReader::NarrationReader()
    : m_source(source().make ? source() : systemSource())
{
    // Only the list of installed engines is read here; whether one of them
    // has a voice is known once it has been made.
    if (!m_source.installed || !m_source.installed())
        m_failure = NarrationSpeaker::Failure::NoVoice;
}

NarrationReader::~NarrationReader() = default;

QString NarrationReader::unavailableReason() const
{
    if (!m_failure)
        return {};
    return *m_failure == NarrationSpeaker::Failure::NoSound ? QStringLiteral("no sound output")
                                                            : QStringLiteral("no voice installed");
}

void NarrationReader::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    if (!on) {
        silence();
        m_enabled = false;
        return;
    }
    if (m_failure)
        return;
    if (!m_speaker)
        m_speaker = m_source.make([this](NarrationSpeaker::Failure failure) { failed(failure); });
    // The speaker may have failed while it was being made.
    m_enabled = m_speaker != nullptr && !m_failure;
    if (!m_speaker && !m_failure)
        failed(NarrationSpeaker::Failure::NoVoice);
}

void NarrationReader::sync(bool boxUp, int shows, const QString& text, bool paused)
{
    if (!m_enabled)
        return;
    if (!boxUp) {
        silence();
        return;
    }
    // A pause silences the box; the rest of it is not read on resuming,
    // but a box that appeared during the pause is read then.
    if (paused) {
        if (m_speaking)
            m_speaker->stop();
        m_speaking = false;
        return;
    }
    if (m_read == shows)
        return;
    m_read = shows;
    m_speaking = true;
    m_speaker->say(text);
}

void NarrationReader::silence()
{
    if (m_speaking && m_speaker)
        m_speaker->stop();
    m_speaking = false;
    m_read.reset();
}

void NarrationReader::failed(NarrationSpeaker::Failure failure)
{
    m_failure = failure;
    silence();
    m_enabled = false;
    if (onUnavailable)
        onUnavailable();
}
