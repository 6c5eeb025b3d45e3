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

namespace {

QString describe(int index, const ScreenPainter::ClippedText& c)
{
    return QStringLiteral("frame %1: '%2' needs %3 x %4 pixels, has %5 x %6 in %7")
        .arg(index)
        .arg(c.text)
        .arg(c.needed.width())
        .arg(c.needed.height())
        .arg(c.place.width())
        .arg(c.place.height())
        .arg(c.element);
}

// Plays the storyboard and draws each frame, handing over its picture and
// the texts that did not fit.
void drawFrames(const Storyboard& board,
                const std::function<void(int, const QImage&, const std::vector<ScreenPainter::ClippedText>&)>& sink)
{
    std::vector<ScreenPainter::ClippedText> clipped;
    board.play([&](const Storyboard::Frame& frame) {
        clipped.clear();
        const QImage picture = ScreenPainter::draw(*frame.screen, frame.target, frame.subject, &clipped);
        sink(frame.index, picture, clipped);
    });
}

} // namespace

void drawStoryboard(const Storyboard& board, const PictureSink& sink)
{
    drawFrames(board, [&](int index, const QImage& picture, const std::vector<ScreenPainter::ClippedText>& clipped) {
        if (!clipped.empty())
            throw AppError(QStringLiteral("%1 %2").arg(board.code(), describe(index, clipped.front())));
        sink(index, picture);
    });
}

void renderStoryboard(const Storyboard& board, const FrameSink& sink)
{
    drawStoryboard(board, [&](int index, const QImage& picture) { sink(index, encodeJpeg(picture)); });
}

QStringList clippedTexts(const Storyboard& board, int* frames)
{
    QStringList lines;
    int count = 0;
    drawFrames(board, [&](int index, const QImage&, const std::vector<ScreenPainter::ClippedText>& clipped) {
        ++count;
        for (const auto& c : clipped)
            lines << describe(index, c);
    });
    if (frames)
        *frames = count;
    return lines;
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
