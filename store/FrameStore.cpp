#include "store/FrameStore.h"

#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "platform/FrameShow.h"

namespace FrameStore {

void open(DbfTable& table, const QString& directory)
{
    table.close();
    table.setDatabaseName(directory);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    table.first();
}

void showCurrentFrame(const TableField& gr, const std::function<void(std::unique_ptr<QImage>)>& show)
{
    // The player's round trip through the scratch file, shared so that the
    // frame is written, decoded and removed in one place.
    FrameShow::show(gr, show);
}

} // namespace FrameStore
