#include "playback/StepListModel.h"

StepListModel::StepListModel(const PlaybackEngine& engine)
    : m_queue(engine.queue())
{
    for (int part = 0; part < m_queue.size(); ++part)
        m_parts.push_back({part, QStringLiteral("Part %1 of %2").arg(part + 1).arg(m_queue.size()), {}});
    const std::vector<PlaybackEngine::StepPlace> places = engine.steps();
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PlaybackEngine::StepPlace& place = places[i];
        if (place.part < 0 || place.part >= int(m_parts.size()))
            continue;
        m_parts[std::size_t(place.part)].steps.push_back({int(i), place.topic, firstWords(place.text), false});
    }
    m_stepCount = int(places.size());
    markCurrent(engine.currentStepIndex());
}

QString StepListModel::Step::label() const
{
    if (topic.isEmpty())
        return firstWords;
    if (firstWords.isEmpty())
        return topic;
    return topic + QStringLiteral(": ") + firstWords;
}

bool StepListModel::markCurrent(int stepIndex)
{
    const int current = stepIndex >= 0 && stepIndex < m_stepCount ? stepIndex : -1;
    if (current == m_current)
        return false;
    m_current = current;
    for (Part& part : m_parts) {
        for (Step& step : part.steps)
            step.current = step.index == current;
    }
    return true;
}

std::optional<std::pair<int, int>> StepListModel::rowOf(int stepIndex) const
{
    for (std::size_t p = 0; p < m_parts.size(); ++p) {
        const std::vector<Step>& steps = m_parts[p].steps;
        for (std::size_t s = 0; s < steps.size(); ++s) {
            if (steps[s].index == stepIndex)
                return std::make_pair(int(p), int(s));
        }
    }
    return std::nullopt;
}

QString StepListModel::firstWords(const QStringList& text, int maxChars)
{
    const QStringList words = text.join(QLatin1Char(' ')).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString shown;
    for (const QString& word : words) {
        const int length = shown.isEmpty() ? int(word.size()) : int(shown.size() + 1 + word.size());
        if (length > maxChars) {
            // A first word longer than the room is cut rather than dropped,
            // so no step is listed without words when it has some.
            if (shown.isEmpty())
                shown = word.left(maxChars);
            return shown + QChar(0x2026);
        }
        if (!shown.isEmpty())
            shown += QLatin1Char(' ');
        shown += word;
    }
    return shown;
}
