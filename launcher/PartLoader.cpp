// Placeholder until the player lands.
#include "launcher/PartLoader.h"

namespace PartLoader {
void run(const QString&, int) {}
} // namespace PartLoader
