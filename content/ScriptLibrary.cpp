// Placeholder until the script library lands.
#include "content/ScriptLibrary.h"

namespace ScriptLibrary {
QStringList lines(const QString&, const QString&) { return {}; }
QStringList sheets() { return {}; }
QStringList lists(const QString&) { return {}; }
} // namespace ScriptLibrary
