#include "content/storyboard/FrameRenderer.h"

#include "content/designer/ScreenPainter.h"
#include "platform/AppError.h"

#include <turbojpeg.h>

#include <memory>

namespace FrameRenderer {

QByteArray encodeJpeg(const QImage& source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGBX8888);
    std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(), tjDestroy);
    if (!handle)
        throw AppError(QStringLiteral("The JPEG encoder cannot start"));
    unsigned char* out = nullptr;
    unsigned long size = 0;
    // RGBX8888 keeps its bytes in R, G, B, X order on every host.
    const int rc = tjCompress2(handle.get(), image.constBits(), image.width(), static_cast<int>(image.bytesPerLine()),
                               image.height(), TJPF_RGBX, &out, &size, TJSAMP_420, quality, 0);
    std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(out, tjFree);
    if (rc != 0)
        throw AppError(QStringLiteral("JPEG encoding failed: %1").arg(QString::fromLatin1(tjGetErrorStr2(handle.get()))));
    return QByteArray(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
}

void renderStoryboard(const Storyboard& board, const FrameSink& sink)
{
    board.play([&](const Storyboard::Frame& frame) {
        sink(frame.index, encodeJpeg(ScreenPainter::draw(*frame.screen, frame.target)));
    });
}

void renderPart(const QString& code, const FrameSink& sink)
{
    renderStoryboard(Storyboard::builtIn(code), sink);
}

} // namespace FrameRenderer
