#include "platform/NViewLib.h"

#include "platform/FileHandle.h"
#include "platform/HostPath.h"

#include <QtEndian>

#include <turbojpeg.h>

namespace {

// A frame is 640 x 480; anything beyond these bounds is a damaged or hostile
// header, refused before a buffer of that size is allocated.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr std::int64_t kMaxFileBytes = 256LL * 1024 * 1024;

struct HandleCloser {
    void operator()(void* handle) const
    {
        if (handle)
            tjDestroy(handle);
    }
};
using DecompressHandle = std::unique_ptr<void, HandleCloser>;

// One decompressor per thread, created on first use and reused for every
// frame: creating one costs more than decoding a small image.
DecompressHandle& threadHandle()
{
    thread_local DecompressHandle handle;
    return handle;
}

tjhandle decompressor()
{
    DecompressHandle& handle = threadHandle();
    if (!handle)
        handle.reset(tjInitDecompress());
    return handle.get();
}

// A header that fails to parse leaves this TurboJPEG's decompressor in a
// state that refuses the next image, so a failed handle is replaced.
std::nullptr_t dropDecompressor()
{
    threadHandle().reset();
    return nullptr;
}

// QImage::Format_RGB32 stores 0xffRRGGBB words: B, G, R, X in memory on a
// little-endian machine. TurboJPEG fills the X byte with 0xFF.
constexpr int kPixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;

} // namespace

std::unique_ptr<QImage> NViewLibDecode(const QByteArray& jpeg, QImage recycled)
{
    if (jpeg.size() < 4)
        return nullptr;
    tjhandle tj = decompressor();
    if (!tj)
        return nullptr;
    auto* data = reinterpret_cast<const unsigned char*>(jpeg.constData());
    const auto size = static_cast<unsigned long>(jpeg.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(tj, data, size, &width, &height, &subsampling, &colorspace) != 0)
        return dropDecompressor();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height > kMaxPixels)
        return nullptr;
    try {
        // Memory the last frame used is already mapped and in the cache.
        const bool reuse = recycled.size() == QSize(width, height) && recycled.format() == QImage::Format_RGB32
            && recycled.isDetached();
        auto image = reuse ? std::make_unique<QImage>(std::move(recycled))
                           : std::make_unique<QImage>(width, height, QImage::Format_RGB32);
        if (image->isNull())
            return nullptr;
        // Any warning (a truncated or corrupt stream) makes the call fail:
        // a half-grey frame is a damaged frame.
        if (tjDecompress2(tj, data, size, image->bits(), width, int(image->bytesPerLine()), height,
                          kPixelFormat, 0)
            != 0)
            return dropDecompressor();
        return image;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::unique_ptr<QImage> NViewLibLoad(const QString& fileName, quint32 flag)
{
    (void)flag; // always 0; carries no meaning
    try {
        QByteArray bytes;
        if (!FileHandle::readWhole(HostPath::toHost(fileName), bytes, kMaxFileBytes))
            return nullptr;
        return NViewLibDecode(bytes);
    } catch (...) {
        return nullptr;
    }
}
