#include "player/FrameShow.h"

#include "platform/AppError.h"
#include "platform/FileHandle.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "platform/TableField.h"

#include <QFile>

#include <unistd.h>

namespace FrameShow {

namespace {

// Removes the scratch file however decoding ends, so no frame stays behind.
class ScratchFileRemover {
public:
    explicit ScratchFileRemover(QByteArray hostName)
        : m_hostName(std::move(hostName))
    {
    }
    ~ScratchFileRemover() { ::unlink(m_hostName.constData()); }
    ScratchFileRemover(const ScratchFileRemover&) = delete;
    ScratchFileRemover& operator=(const ScratchFileRemover&) = delete;

private:
    QByteArray m_hostName;
};

// Where "c:\1.jpg" lives: drive C: is the private scratch directory, which
// only this process writes, so the name needs no case-insensitive lookup
// (that lookup lists the directory, twice per frame while the file is
// absent, and cost more than the write itself).
const QString& scratchHostPath()
{
    static QString path;
    static QString forDirectory;
    const QString directory = ScratchDir::path();
    if (path.isEmpty() || forDirectory != directory) {
        forDirectory = directory;
        path = directory + QStringLiteral("/1.jpg");
    }
    return path;
}

} // namespace

std::unique_ptr<QImage> throughScratchFile(const QByteArray& jpeg)
{
    const QString courseName = QString::fromLatin1(kScratchFile);
    const QString& hostPath = scratchHostPath();
    const ScratchFileRemover remover(QFile::encodeName(hostPath));
    {
        // One open that creates or replaces the file and one write; the
        // descriptor is closed before the decoder opens the file by name.
        FileHandle file;
        if (!file.open(hostPath, FileHandle::Mode::CreateOrReplace))
            throw AppError(QStringLiteral("Cannot create file %1").arg(courseName));
        if (!file.writeAt(0, jpeg.constData(), std::size_t(jpeg.size())))
            throw AppError(QStringLiteral("Cannot write file %1").arg(courseName));
    }
    return NViewLibLoad(courseName, 0);
}

std::unique_ptr<QImage> currentFrame(const TableField& field)
{
    return throughScratchFile(field.value());
}

} // namespace FrameShow
