#pragma once

#include "playback/PlaybackEngine.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The step list as the learner reads it: the lesson's parts in play order
// and, under each, its narration steps by topic and first words, with the
// step on screen marked. Built from the engine's steps(), so choosing a row
// goes exactly where the engine's step navigation goes.
class StepListModel {
public:
    struct Step {
        int index = 0; // for PlaybackEngine::goToStep
        QString topic;
        QString firstWords;
        bool current = false;

        // "Topic: first words", or whichever of the two there is.
        QString label() const;
    };

    struct Part {
        int index = 0; // in the queue, for PlaybackEngine::goToPart
        QString title;
        std::vector<Step> steps;
    };

    // A row the learner can choose: a step, or a part's start.
    struct Choice {
        int part = 0;
        std::optional<int> step;
    };

    StepListModel() = default;
    explicit StepListModel(const PlaybackEngine& engine);

    const std::vector<Part>& parts() const { return m_parts; }
    const QStringList& queue() const { return m_queue; }
    int stepCount() const { return m_stepCount; }
    // The step on screen or last passed; -1 before the first.
    int currentStep() const { return m_current; }
    // Marks the engine's current step; returns whether the mark moved.
    bool markCurrent(int stepIndex);
    // Where a step sits: its part's row and its row under the part.
    std::optional<std::pair<int, int>> rowOf(int stepIndex) const;

    // The first words of a box's text, whole words only, ending in an
    // ellipsis when there is more.
    static QString firstWords(const QStringList& text, int maxChars = 48);

private:
    QStringList m_queue;
    std::vector<Part> m_parts;
    int m_stepCount = 0;
    int m_current = -1;
};
