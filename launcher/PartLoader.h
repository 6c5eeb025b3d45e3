#pragma once

#include <QString>

// The part loader behind the launcher's runsimu: selects a part by lettered
// code text or by lesson index and starts it in the player.
namespace PartLoader {

void run(const QString& codeText, int lessonIndex);

} // namespace PartLoader
