#pragma once

#include <QString>

class DbfTable;

// Opening a part's frame store on the one table object of the lesson-store
// window. (The frame's round trip through the scratch file is FrameShow's.)
namespace FrameStore {

// Points table at a part's frame-store directory ("master\p4a\") and opens
// it on record 1. The table is closed first, so a failure leaves it closed.
void open(DbfTable& table, const QString& directory);

} // namespace FrameStore
