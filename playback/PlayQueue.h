#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The end-of-part chaining's look-up in the launcher's play queue.
namespace PlayQueue {

// The code that follows the first entry equal (exactly) to current, when the
// queue holds more than one entry and that entry is not the last; otherwise
// nothing. Later repeats of current are never considered.
std::optional<QString> successor(const QStringList& queue, const QString& current);

} // namespace PlayQueue
