#include "playback/PlayQueue.h"

namespace PlayQueue {

std::optional<QString> successor(const QStringList& queue, const QString& current)
{
    if (queue.size() <= 1)
        return std::nullopt;
    const qsizetype at = queue.indexOf(current);
    if (at < 0 || at + 1 >= queue.size())
        return std::nullopt;
    return queue.at(at + 1);
}

} // namespace PlayQueue
