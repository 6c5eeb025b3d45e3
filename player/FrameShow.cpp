#include "player/FrameShow.h"

#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/TableField.h"

#include <QFile>

namespace FrameShow {

namespace {

// Removes the scratch file however decoding ends, so no frame stays behind.
class ScratchFileRemover {
public:
    explicit ScratchFileRemover(QString hostPath)
        : m_hostPath(std::move(hostPath))
    {
    }
    ~ScratchFileRemover() { QFile::remove(m_hostPath); }
    ScratchFileRemover(const ScratchFileRemover&) = delete;
    ScratchFileRemover& operator=(const ScratchFileRemover&) = delete;

private:
    QString m_hostPath;
};

} // namespace

std::unique_ptr<QImage> currentFrame(const TableField& field)
{
    const QString courseName = QString::fromLatin1(kScratchFile);
    const ScratchFileRemover remover(HostPath::toHost(courseName));
    field.saveToFile(courseName);
    return NViewLibLoad(courseName, 0);
}

} // namespace FrameShow
