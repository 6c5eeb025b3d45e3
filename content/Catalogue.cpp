// Placeholder until the catalogue tables land.
#include "content/Catalogue.h"

namespace Catalogue {
const QStringList& rows() { static const QStringList r; return r; }
QStringList partCodes(int) { return {}; }
const std::vector<PartEntry>& parts() { static const std::vector<PartEntry> p; return p; }
const PartEntry* partByLessonIndex(int) { return nullptr; }
const PartEntry* partByCode(const QString&) { return nullptr; }
const PartEntry* findPart(const QString&) { return nullptr; }
} // namespace Catalogue
