#include "platform/FrameShow.h"

#include "platform/AppError.h"
#include "platform/FileHandle.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "platform/TableField.h"

#include <QFile>
#include <QThreadPool>

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

// Writes jpeg to the scratch file and reads it back into bytes through the
// same descriptor: opening the file a second time by name cost a fifth of
// the whole round trip's file work. A file that gives back less than was
// written is no frame: bytes is then empty, which the decoder shows as
// nothing, as it does for a file it cannot read.
void writeAndReadBack(const QString& hostPath, const QByteArray& jpeg, QByteArray& bytes)
{
    const QString courseName = QString::fromLatin1(kScratchFile);
    FileHandle file;
    if (!file.open(hostPath, FileHandle::Mode::CreateOrReplace))
        throw AppError(QStringLiteral("Cannot create file %1").arg(courseName));
    if (!file.writeAt(0, jpeg.constData(), std::size_t(jpeg.size())))
        throw AppError(QStringLiteral("Cannot write file %1").arg(courseName));
    bytes.resize(jpeg.size());
    if (!file.readAt(0, bytes.data(), std::size_t(bytes.size())))
        bytes.clear();
}

// The caller's frame memory for the decoder to write into, taken only once
// the scratch file has worked, so a failure leaves the caller's frame.
QImage takeRecycled(QImage* recycled)
{
    return recycled != nullptr ? std::exchange(*recycled, QImage()) : QImage();
}

// The worker that decodes ahead: one thread, kept, so its decompressor and
// its memory stay warm from one lesson to the next.
QThreadPool& decodingThread()
{
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(1);
        pool.setExpiryTimeout(-1);
        return true;
    }();
    (void)configured;
    return pool;
}

} // namespace

void showThroughScratchFile(const QByteArray& jpeg, const HandOver& handOver, QImage* recycled)
{
    const QString& hostPath = scratchHostPath();
    const ScratchFileRemover remover(QFile::encodeName(hostPath));
    // The frame is decoded from what the file gives back.
    thread_local QByteArray bytes;
    writeAndReadBack(hostPath, jpeg, bytes);
    std::unique_ptr<QImage> frame
        = NViewLibDecode(bytes, takeRecycled(recycled));
    // Only a frame's worth is kept for the next step.
    if (bytes.capacity() > kKeptBufferBytes)
        bytes = QByteArray();
    // The frame is handed over before the file goes, and the file goes even
    // when the hand-over fails.
    handOver(std::move(frame));
}

std::future<QImage> showLater(const QByteArray& jpeg, QImage* recycled)
{
    QByteArray bytes;
    {
        const QString& hostPath = scratchHostPath();
        const ScratchFileRemover remover(QFile::encodeName(hostPath));
        writeAndReadBack(hostPath, jpeg, bytes);
    }
    auto decode = std::make_shared<std::packaged_task<QImage()>>(
        [bytes = std::move(bytes), into = takeRecycled(recycled)]() mutable {
            std::unique_ptr<QImage> frame = NViewLibDecode(bytes, std::move(into));
            return frame ? std::move(*frame) : QImage();
        });
    std::future<QImage> frame = decode->get_future();
    decodingThread().start([decode] { (*decode)(); });
    return frame;
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
