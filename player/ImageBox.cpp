#include "player/ImageBox.h"

#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>

#include <cstring>
#include <utility>

namespace {

// Nearest-neighbour enlargement of a 32-bit image: each source line is
// widened once and then copied down; painting with a scaling painter cost
// about twice as much per frame.
void enlarge(const QImage& from, int scale, QImage& into)
{
    const QSize size = from.size() * scale;
    if (into.size() != size || into.format() != from.format())
        into = QImage(size, from.format());
    const int width = from.width();
    for (int y = 0; y < from.height(); ++y) {
        const auto* src = reinterpret_cast<const quint32*>(from.constScanLine(y));
        auto* first = reinterpret_cast<quint32*>(into.scanLine(y * scale));
        if (scale == 2) {
            // The common case on today's screens: two pixels in one store.
            auto* out = reinterpret_cast<quint64*>(first);
            for (int x = 0; x < width; ++x)
                out[x] = quint64(src[x]) * 0x100000001ULL;
        } else {
            quint32* out = first;
            for (int x = 0; x < width; ++x) {
                const quint32 pixel = src[x];
                for (int k = 0; k < scale; ++k)
                    *out++ = pixel;
            }
        }
        for (int k = 1; k < scale; ++k)
            std::memcpy(into.scanLine(y * scale + k), first, std::size_t(width) * scale * 4);
    }
}

// Device pixels of an enlarged line from column x0 on: each source pixel
// repeated block times, opaque.
void enlargeLine(const quint32* src, int x0, int block, int width, quint32* dst)
{
    int i = 0;
    int sx = x0 / block;
    for (int k = x0 % block; k > 0 && k < block && i < width; ++k)
        dst[i++] = src[sx] | 0xff000000u; // the rest of a pixel cut by the edge
    if (x0 % block != 0)
        ++sx;
    if (block == 2) {
        for (; i + 1 < width; i += 2, ++sx) {
            const quint32 pixel = src[sx] | 0xff000000u;
            dst[i] = pixel;
            dst[i + 1] = pixel;
        }
    } else {
        for (; i + block <= width; i += block, ++sx) {
            const quint32 pixel = src[sx] | 0xff000000u;
            for (int k = 0; k < block; ++k)
                dst[i + k] = pixel;
        }
    }
    for (; i < width; ++i)
        dst[i] = src[sx] | 0xff000000u;
}

// Device pixels per logical pixel when that is a whole number, else 0.
int wholeRatio(qreal devicePixelRatio)
{
    const int whole = qRound(devicePixelRatio);
    return whole >= 1 && qFuzzyCompare(devicePixelRatio, qreal(whole)) ? whole : 0;
}

} // namespace

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::settle() const
{
    if (m_pending.valid())
        const_cast<ImageBox*>(this)->adoptPending();
}

void ImageBox::adoptPending()
{
    m_picture = m_pending.get();
    prepare();
    if (m_autoSize && !m_picture.isNull())
        resize(drawnSize());
    emit pendingPictureArrived();
}

const QImage& ImageBox::picture() const
{
    settle();
    return m_picture;
}

void ImageBox::setPicture(std::future<QImage> pending)
{
    settle(); // a picture replaced before it arrived still arrives first
    m_takenArea = QRect();
    m_picture = QImage();
    m_drawn = QImage();
    m_pending = std::move(pending);
    update();
}

QImage ImageBox::takePicture()
{
    settle();
    m_takenArea = QRect(pictureOffset(), drawnSize());
    m_drawn = QImage();
    return std::exchange(m_picture, QImage());
}

void ImageBox::setPicture(const QImage& picture)
{
    settle();
    const QRect before = m_picture.isNull() && !m_takenArea.isNull() ? m_takenArea
                                                                      : QRect(pictureOffset(), drawnSize());
    m_takenArea = QRect();
    m_picture = picture;
    prepare();
    if (m_autoSize && !m_picture.isNull())
        resize(drawnSize());
    // A frame replacing a frame of the same size repaints only the frame:
    // on a large screen the margins around it are most of the window, and
    // repainting them on every frame step cost as much as decoding.
    const QRect after(pictureOffset(), drawnSize());
    if (before == after && !m_picture.isNull())
        update(after);
    else
        update();
}

void ImageBox::setScale(int scale)
{
    scale = std::max(1, scale);
    if (scale == m_scale)
        return;
    m_scale = scale;
    if (m_pending.valid()) {
        update(); // prepared at the new scale when the picture arrives
        return;
    }
    prepare();
    if (m_autoSize && !m_picture.isNull())
        resize(drawnSize());
    update();
}

void ImageBox::setTransparent(bool transparent)
{
    m_transparent = transparent;
    if (m_pending.valid())
        return; // prepared so when the picture arrives
    prepare();
    update();
}

void ImageBox::setGround(const QColor& ground)
{
    m_ground = ground;
    setAttribute(Qt::WA_OpaquePaintEvent, m_ground.isValid());
    update();
}

QPoint ImageBox::pictureOffset() const
{
    settle();
    if (!m_center)
        return {0, 0};
    return {(width() - m_picture.width() * m_scale) / 2, (height() - m_picture.height() * m_scale) / 2};
}

void ImageBox::prepare()
{
    m_enlargeOnPaint = false;
    if (m_picture.isNull()) {
        prepareUnscaled();
        return;
    }
    const bool fast = m_picture.format() == QImage::Format_RGB32 || m_picture.format() == QImage::Format_ARGB32;
    if (!m_transparent && fast) {
        // The frame: enlarged when painted, once per frame, to the device
        // pixels of wherever it is painted (at scale 1 too: a screen with
        // two device pixels per pixel enlarges it all the same).
        m_drawn = QImage();
        m_enlargeOnPaint = true;
        return;
    }
    prepareUnscaled();
    if (m_scale > 1)
        m_drawn = m_drawn.scaled(m_drawn.size() * m_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ImageBox::prepareUnscaled()
{
    if (!m_transparent || m_picture.isNull()) {
        m_drawn = m_picture; // shares the pixels, no copy
        return;
    }
    const QRgb ground = m_picture.pixel(0, m_picture.height() - 1);
    m_drawn = m_picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m_drawn.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_drawn.scanLine(y));
        for (int x = 0; x < m_drawn.width(); ++x) {
            if (line[x] == ground)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
}

void ImageBox::paintEvent(QPaintEvent* event)
{
    settle();
    QPainter p(this);
    const QRect pictureArea(pictureOffset(), drawnSize());
    if (m_ground.isValid()) {
        // Only the margins: the picture covers the rest, and the frame step
        // repaints just the picture, so this is usually nothing.
        const QRegion margins = event->region() - (m_transparent ? QRegion() : QRegion(pictureArea));
        for (const QRect& r : margins)
            p.fillRect(r, m_ground);
    }
    if (m_enlargeOnPaint && enlargeIntoDevice(p, pictureArea, event->region()))
        return;
    if (m_enlargeOnPaint) {
        // The ratio of the pixels really painted: a grab's painter reports
        // the widget as its device.
        const QPaintDevice* target = p.paintEngine() != nullptr ? p.paintEngine()->paintDevice() : p.device();
        enlargeForDevice(wholeRatio(target->devicePixelRatio()));
    }
    if (m_drawn.isNull())
        return;
    // What is left for the painter to enlarge (a fractional device pixel
    // ratio, the arrows on a screen with two device pixels per pixel)
    // repeats pixels, never blends them.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(pictureArea.topLeft(), m_drawn);
}

void ImageBox::enlargeForDevice(int ratio)
{
    // Painted somewhere else than the window's own pixels (a grab, a
    // pixmap): enlarged here, with the target's whole device pixel ratio,
    // so that the painter draws it pixel for pixel.
    const int block = m_scale * std::max(1, ratio);
    if (block == 1) {
        m_drawn = m_picture;
        return;
    }
    if (!m_drawn.isNull() && m_drawn.size() == m_picture.size() * block)
        return; // this frame, enlarged for this ratio already
    m_drawn = QImage(); // not shared while it is written
    enlarge(m_picture, block, m_enlarged);
    m_enlarged.setDevicePixelRatio(std::max(1, ratio));
    m_drawn = m_enlarged;
}

bool ImageBox::enlargeIntoDevice(QPainter& painter, const QRect& area, const QRegion& region)
{
    // The window's pixels are an image the frame can be enlarged straight
    // into: one pass over the enlarged pixels instead of two. Only where a
    // logical pixel is a whole number of device pixels, unrotated and at a
    // whole device pixel, does every recorded pixel become an exact block.
    QPaintEngine* engine = painter.paintEngine();
    auto* target = engine != nullptr ? dynamic_cast<QImage*>(engine->paintDevice()) : nullptr;
    if (target == nullptr || m_picture.format() != QImage::Format_RGB32
        || (target->format() != QImage::Format_RGB32 && target->format() != QImage::Format_ARGB32_Premultiplied
            && target->format() != QImage::Format_ARGB32))
        return false;
    const int ratio = wholeRatio(target->devicePixelRatio());
    const QTransform toDevice = painter.deviceTransform();
    const QPoint shift(qRound(toDevice.dx()), qRound(toDevice.dy())); // widget to target, in device pixels
    if (ratio == 0 || toDevice.type() > QTransform::TxScale || toDevice.m11() != ratio || toDevice.m22() != ratio
        || QPointF(shift) != QPointF(toDevice.dx(), toDevice.dy()))
        return false;
    const int block = m_scale * ratio;
    if (block == 1)
        return false; // a plain copy, which the painter does as fast
    const QPoint origin = area.topLeft() * ratio + shift; // the frame's top-left device pixel
    const QRect bounds = target->rect();
    for (const QRect& r : region & area) {
        const QRect out = QRect(r.topLeft() * ratio + shift, r.size() * ratio) & bounds;
        if (out.isEmpty())
            continue;
        const int x0 = out.left() - origin.x(); // device columns into the enlarged frame
        // Every device line enlarged from its source line, which stays in
        // the cache: measured faster than copying the line above, which
        // reads back what was just written.
        for (int ty = out.top(); ty <= out.bottom(); ++ty) {
            const int sy = (ty - origin.y()) / block;
            auto* dst = reinterpret_cast<quint32*>(target->scanLine(ty)) + out.left();
            enlargeLine(reinterpret_cast<const quint32*>(m_picture.constScanLine(sy)), x0, block, out.width(), dst);
        }
    }
    return true;
}
