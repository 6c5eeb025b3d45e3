#include "content/storyboard/FrameRenderer.h"

#include "content/designer/ScreenPainter.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

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

int writeFrames(const Storyboard& board, const QString& dir)
{
    if (!QDir().mkpath(dir))
        throw AppError(QStringLiteral("Cannot create directory %1").arg(dir));
    int count = 0;
    renderStoryboard(board, [&](int index, const QByteArray& jpeg) {
        const QString path = QDir(dir).filePath(QStringLiteral("%1.jpg").arg(index, 4, 10, QLatin1Char('0')));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            throw AppError(QStringLiteral("Cannot create file %1").arg(path));
        ++count;
    });
    static const QRegularExpression numbered(QStringLiteral("^(\\d{4})\\.jpg$"));
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        const auto m = numbered.match(name);
        if (m.hasMatch() && m.captured(1).toInt() >= count && !QFile::remove(QDir(dir).filePath(name)))
            throw AppError(QStringLiteral("Cannot delete file %1").arg(QDir(dir).filePath(name)));
    }
    return count;
}

} // namespace FrameRenderer
