#include "store/FrameStore.h"

#include "platform/DbfTable.h"

namespace FrameStore {

void open(DbfTable& table, const QString& directory)
{
    table.close();
    table.setDatabaseName(directory);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    table.first();
}

} // namespace FrameStore
