#include "platform/FrameShow.h"

#include "platform/AppError.h"
#include "platform/FileHandle.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "platform/TableField.h"

#include <QFile>

#include <unistd.h>

#include <utility>

namespace FrameShow {

namespace {

constexpr qsizetype kKeptBufferBytes = 4 * 1024 * 1024;

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

void showThroughScratchFile(const QByteArray& jpeg, const HandOver& handOver, QImage* recycled)
{
    const QString courseName = QString::fromLatin1(kScratchFile);
    const QString& hostPath = scratchHostPath();
    const ScratchFileRemover remover(QFile::encodeName(hostPath));
    // The frame is written to the file and decoded from what the file gives
    // back, through one descriptor: opening the file a second time by name
    // cost a fifth of the whole round trip's file work.
    thread_local QByteArray bytes;
    {
        FileHandle file;
        if (!file.open(hostPath, FileHandle::Mode::CreateOrReplace))
            throw AppError(QStringLiteral("Cannot create file %1").arg(courseName));
        if (!file.writeAt(0, jpeg.constData(), std::size_t(jpeg.size())))
            throw AppError(QStringLiteral("Cannot write file %1").arg(courseName));
        bytes.resize(jpeg.size());
        // A file that gives back less than was written is no frame: the
        // decoder then shows nothing, as it does for a file it cannot read.
        if (!file.readAt(0, bytes.data(), std::size_t(bytes.size())))
            bytes.clear();
    }
    std::unique_ptr<QImage> frame
        = NViewLibDecode(bytes, recycled != nullptr ? std::exchange(*recycled, QImage()) : QImage());
    // Only a frame's worth is kept for the next step.
    if (bytes.capacity() > kKeptBufferBytes)
        bytes = QByteArray();
    // The frame is handed over before the file goes, and the file goes even
    // when the hand-over fails.
    handOver(std::move(frame));
}

void show(const TableField& field, const HandOver& handOver, QImage* recycled)
{
    showThroughScratchFile(field.value(), handOver, recycled);
}

std::unique_ptr<QImage> throughScratchFile(const QByteArray& jpeg)
{
    std::unique_ptr<QImage> frame;
    showThroughScratchFile(jpeg, [&](std::unique_ptr<QImage> image) { frame = std::move(image); });
    return frame;
}

std::unique_ptr<QImage> currentFrame(const TableField& field)
{
    return throughScratchFile(field.value());
}

} // namespace FrameShow
