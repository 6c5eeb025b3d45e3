#include "store/FrameStore.h"

#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/TableField.h"

#include <QFile>

namespace FrameStore {
namespace {

// Deletes the scratch file when the frame has been handed over, or when
// anything on the way failed: a stale frame must never be decoded later.
class ScratchFileRemover {
public:
    explicit ScratchFileRemover(QString path)
        : m_hostPath(HostPath::toHost(path))
    {
    }
    ~ScratchFileRemover() { QFile::remove(m_hostPath); }
    ScratchFileRemover(const ScratchFileRemover&) = delete;
    ScratchFileRemover& operator=(const ScratchFileRemover&) = delete;

private:
    QString m_hostPath;
};

} // namespace

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
    const ScratchFileRemover remover(kScratchFrame);
    gr.saveToFile(kScratchFrame);
    std::unique_ptr<QImage> image = NViewLibLoad(kScratchFrame, 0);
    show(std::move(image));
}

} // namespace FrameStore
