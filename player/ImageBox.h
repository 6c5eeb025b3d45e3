#pragma once

#include <QImage>
#include <QWidget>

#include <future>

class QPainter;

// A picture on a panel: drawn unscaled at the top-left corner or centred,
// optionally sized to the picture, and optionally transparent, where the
// colour of the picture's bottom-left pixel is not drawn.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // A picture still being decoded on another thread. It is waited for when
    // first needed (painted, asked for, given up, replaced), so whatever runs
    // until the window is painted overlaps the decoding.
    void setPicture(std::future<QImage> pending);
    // Gives up the picture without repainting, for a picture of the same
    // size that follows at once: the box then repaints only the picture.
    QImage takePicture();
    const QImage& picture() const;

    void setCenter(bool center) { m_center = center; update(); }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    void setTransparent(bool transparent);

    // Paints the box's area outside the picture in ground, so the box is
    // opaque and nothing under it is painted first (the player's frame).
    void setGround(const QColor& ground);

    // Each picture pixel drawn as scale x scale logical pixels, that is a
    // block of whole device pixels where a logical pixel is a whole number
    // of them. The enlarged copy is made once per picture, not once per paint.
    void setScale(int scale);
    int scale() const { return m_scale; }
    QSize drawnSize() const { return picture().size() * m_scale; }

    // Top-left corner of the drawn picture inside the box.
    QPoint pictureOffset() const;

signals:
    // A picture given as pending has arrived and is the box's picture now.
    void pendingPictureArrived();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Waits for a pending picture, if any. A pending picture is already the
    // box's picture, only its pixels are still on their way: the const
    // accessors may wait for them.
    void settle() const;
    void adoptPending();
    void prepare();
    void prepareUnscaled();
    bool enlargeIntoDevice(QPainter& painter, const QRect& area, const QRegion& region);
    void enlargeForDevice(int ratio);

    QImage m_picture;
    std::future<QImage> m_pending; // valid while a picture is being decoded
    QImage m_drawn; // m_picture, or its copy with the ground made transparent, enlarged (for a frame: to device pixels)
    QImage m_enlarged; // the buffer the enlarged frames are written into, kept
    QRect m_takenArea; // where the picture given up by takePicture() was
    int m_scale = 1;
    bool m_enlargeOnPaint = false; // the frame is enlarged as it is painted
    bool m_center = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    QColor m_ground; // invalid: the parent shows around the picture
};
