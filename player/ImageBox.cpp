#include "player/ImageBox.h"

#include <QPaintEvent>
#include <QPainter>

#include <utility>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage ImageBox::takePicture()
{
    m_takenArea = QRect(pictureOffset(), m_picture.size());
    m_drawn = QImage();
    return std::exchange(m_picture, QImage());
}

void ImageBox::setPicture(const QImage& picture)
{
    const QRect before = m_picture.isNull() && !m_takenArea.isNull() ? m_takenArea
                                                                      : QRect(pictureOffset(), m_picture.size());
    m_takenArea = QRect();
    m_picture = picture;
    prepare();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    // A frame replacing a frame of the same size repaints only the frame:
    // on a large screen the margins around it are most of the window, and
    // repainting them on every frame step cost as much as decoding.
    const QRect after(pictureOffset(), m_picture.size());
    if (before == after && !m_picture.isNull())
        update(after);
    else
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
    return {(width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2};
}

void ImageBox::prepare()
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
