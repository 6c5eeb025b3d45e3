#pragma once

#include "player/NarrationSpeaker.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Reading the narration boxes aloud, off until the learner turns it on. The
// player tells it after every step what is on screen; it reads each showing
// of a box once and stops when the box goes, when playback pauses and when
// it is turned off. The speaker is only made when reading is first turned
// on, so a learner who never asks for it never waits for a speech engine.
class NarrationReader {
public:
    // Where speakers come from: the system's text-to-speech unless a test
    // puts in its own.
    struct Source {
        // Whether any speech engine is installed at all; asked once, at start.
        std::function<bool()> installed;
        std::function<std::unique_ptr<NarrationSpeaker>(NarrationSpeaker::Failed)> make;
    };
    // Replaces the source for readers made from now on; an empty source
    // restores the system's. Returns the previous one.
    static Source setSource(Source source);

    NarrationReader();
    ~NarrationReader();
    NarrationReader(const NarrationReader&) = delete;
    NarrationReader& operator=(const NarrationReader&) = delete;

    // Called on the GUI thread when reading has become impossible (and has
    // been turned off): the view updates its entry.
    std::function<void()> onUnavailable;

    // Empty while reading can be turned on, else why not ("no voice
    // installed", "no sound output").
    QString unavailableReason() const;
    bool enabled() const { return m_enabled; }
    // Turning on where reading is unavailable leaves it off.
    void setEnabled(bool on);

    // What is on screen after a step: the box (its showing count and text)
    // if it is up, and whether playback is paused.
    void sync(bool boxUp, int shows, const QString& text, bool paused);

private:
    void failed(NarrationSpeaker::Failure failure);
    void silence();

    Source m_source;
    std::unique_ptr<NarrationSpeaker> m_speaker;
    std::optional<NarrationSpeaker::Failure> m_failure;
    bool m_enabled = false;
    bool m_speaking = false;    // said something not stopped since
    std::optional<int> m_read;  // the box showing read (or being read)
};
