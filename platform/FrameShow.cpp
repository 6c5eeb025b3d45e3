#include "platform/FrameShow.h"

#include "platform/AppError.h"
#include "platform/FileHandle.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "platform/TableField.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QThreadPool>

#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>
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

// The decoding thread, woken ahead of a frame it is about to be given. A
// thread that has slept since the last lesson takes from 30 to 150
// microseconds to run again on a virtual machine's idle core, a tenth of a
// lesson's start. Woken at the double click, it is up by the time the first
// frame's bytes have been read, and waits for them awake for a moment; where
// none come by then (the lesson failed to start, or its store is slow to
// open), it goes back to the pool and the frame is started as before.
class WaitingWorker {
public:
    void wake(std::chrono::microseconds waitFor)
    {
        // With a single core, waiting awake would only hold up the thread
        // that reads the frame.
        if (QThread::idealThreadCount() < 2)
            return;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_waiting)
                return;
            m_waiting = true;
        }
        decodingThread().start([this, waitFor] { serve(waitFor); });
    }

    // Hands job to the woken thread; false, with job left to the caller,
    // when none is waiting for one.
    bool give(std::function<void()>& job)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_waiting || m_job)
            return false;
        m_job = std::move(job);
        m_given.store(true, std::memory_order_release);
        return true;
    }

private:
    void serve(std::chrono::microseconds waitFor)
    {
        QElapsedTimer waited;
        waited.start();
        const qint64 limit = std::chrono::nanoseconds(waitFor).count();
        while (!m_given.load(std::memory_order_acquire) && waited.nsecsElapsed() < limit)
            std::this_thread::yield();
        std::function<void()> job;
        {
            // A job given after the last look is still taken here.
            const std::lock_guard<std::mutex> lock(m_mutex);
            job = std::exchange(m_job, nullptr);
            m_given.store(false, std::memory_order_relaxed);
            m_waiting = false;
        }
        if (job)
            job();
    }

    std::mutex m_mutex;
    std::function<void()> m_job;
    std::atomic<bool> m_given{false};
    bool m_waiting = false;
};

// Made before the decoding thread's pool is (wake and showLater both reach
// it first), so it outlives the pool, which lets a waiting thread finish.
WaitingWorker& waitingWorker()
{
    static WaitingWorker worker;
    return worker;
}

} // namespace

void wakeDecoder(std::chrono::microseconds waitFor)
{
    waitingWorker().wake(waitFor);
}

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
    std::function<void()> job = [decode] { (*decode)(); };
    if (!waitingWorker().give(job))
        decodingThread().start(std::move(job));
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
