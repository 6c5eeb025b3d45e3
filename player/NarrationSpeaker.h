#pragma once

#include <QString>

#include <functional>

// What reads the narration aloud: the system's text-to-speech, or a fake in
// tests. Both calls return at once; a speaker that turns out to be unable to
// speak says so through the failure callback it was made with, on the GUI
// thread, possibly long after it was made.
class NarrationSpeaker {
public:
    enum class Failure {
        NoVoice, // no engine, or an engine without a voice
        NoSound, // a voice, but no audio output to play it on
    };
    using Failed = std::function<void(Failure)>;

    virtual ~NarrationSpeaker() = default;
    // Starts reading the text, cutting short whatever was being read.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
};
