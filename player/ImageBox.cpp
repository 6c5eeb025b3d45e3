#include "player/ImageBox.h"

#include <QPaintEvent>
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

} // namespace

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage ImageBox::takePicture()
{
    m_takenArea = QRect(pictureOffset(), drawnSize());
    m_drawn = QImage();
    return std::exchange(m_picture, QImage());
}

void ImageBox::setPicture(const QImage& picture)
{
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
    prepare();
    if (m_autoSize && !m_picture.isNull())
        resize(drawnSize());
    update();
}

void ImageBox::setTransparent(bool transparent)
{
    m_transparent = transparent;
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
    if (!m_center)
        return {0, 0};
    return {(width() - m_picture.width() * m_scale) / 2, (height() - m_picture.height() * m_scale) / 2};
}

void ImageBox::prepare()
{
    if (m_picture.isNull() || m_scale == 1) {
        prepareUnscaled();
        return;
    }
    const bool fast = m_picture.format() == QImage::Format_RGB32 || m_picture.format() == QImage::Format_ARGB32;
    if (!m_transparent && fast) {
        // The frame: straight into the kept buffer, which the paint then
        // shares.
        m_drawn = QImage();
        enlarge(m_picture, m_scale, m_enlarged);
        m_drawn = m_enlarged;
        return;
    }
    prepareUnscaled();
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
    QPainter p(this);
    const QRect pictureArea(pictureOffset(), m_drawn.size());
    if (m_ground.isValid()) {
        // Only the margins: the picture covers the rest, and the frame step
        // repaints just the picture, so this is usually nothing.
        const QRegion margins = event->region() - (m_transparent ? QRegion() : QRegion(pictureArea));
        for (const QRect& r : margins)
            p.fillRect(r, m_ground);
    }
    if (!m_drawn.isNull())
        p.drawImage(pictureArea.topLeft(), m_drawn);
}
