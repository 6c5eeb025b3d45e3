#include "player/ImageBox.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

const QRgb kGround = qRgb(0, 128, 128);
const QRgb kCanvas = qRgb(255, 255, 255);

// A small frame whose neighbouring pixels differ strongly, so any blending
// at a block's edge or a block shifted by one device pixel shows.
QImage checkerFrame()
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(250, 250, 10)};
    QImage frame(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, colours[(x + 2 * y) % 5]);
    }
    return frame;
}

enum class Target { Image, PremultipliedImage, Pixmap };

struct Case {
    int dpr;
    int scale;
    Target target;
    bool part; // only a region starting inside a recorded pixel is painted
};

// The box as the player sets up its frame: centred, with its own ground,
// and margins of an odd number of logical pixels.
QImage paintBox(const Case& c, QPoint& frameTopLeft, QRegion& painted)
{
    const QImage frame = checkerFrame();
    ImageBox box;
    box.setCenter(true);
    box.setGround(QColor(kGround));
    box.setScale(c.scale);
    box.resize(frame.size() * c.scale + QSize(6, 10));
    box.setPicture(frame);

    painted = c.part ? QRegion(box.pictureOffset().x() + 1, box.pictureOffset().y() + 1, 3 * c.scale, 2 * c.scale)
                     : QRegion(box.rect());
    // Where the painted region's corner lands on the target, logically.
    const QPoint at(7, 5);
    const QPoint boxToTarget = at - painted.boundingRect().topLeft();
    frameTopLeft = boxToTarget + box.pictureOffset();
    const QSize logical(40, 30);
    const QSize device = logical * c.dpr;
    if (c.target == Target::Pixmap) {
        QPixmap pixmap(device);
        pixmap.setDevicePixelRatio(c.dpr);
        pixmap.fill(QColor(kCanvas));
        box.render(&pixmap, at, painted);
        painted.translate(boxToTarget);
        return pixmap.toImage();
    }
    QImage image(device, c.target == Target::Image ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(c.dpr);
    image.fill(kCanvas);
    box.render(&image, at, painted);
    painted.translate(boxToTarget);
    return image;
}

// Every recorded pixel must come out as an exact block of scale x dpr device
// pixels of its own colour, starting on a whole device pixel; nothing is
// painted outside the region asked for, and the ground beside the frame is
// unblended.
TEST(FrameDevicePixels, EachRecordedPixelIsAnExactDeviceBlock)
{
    std::vector<Case> cases;
    for (int dpr : {1, 2}) {
        for (int scale : {1, 2, 3}) {
            for (Target target : {Target::Image, Target::PremultipliedImage, Target::Pixmap}) {
                for (bool part : {false, true})
                    cases.push_back({dpr, scale, target, part});
            }
        }
    }
    const QImage frame = checkerFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dpr " << c.dpr << " scale " << c.scale << " target " << int(c.target)
                                        << (c.part ? " part" : " whole"));
        QPoint frameTopLeft;
        QRegion painted;
        const QImage shown = paintBox(c, frameTopLeft, painted);
        ASSERT_EQ(shown.size(), QSize(40, 30) * c.dpr);
        const int block = c.scale * c.dpr;
        const QRect frameArea(frameTopLeft * c.dpr, frame.size() * block);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QPoint logical(x / c.dpr, y / c.dpr);
                QRgb expected = kCanvas;
                if (painted.contains(logical)) {
                    expected = frameArea.contains(x, y)
                        ? frame.pixel((x - frameArea.left()) / block, (y - frameArea.top()) / block)
                        : kGround;
                }
                ASSERT_EQ(shown.pixel(x, y) & 0xffffffu, expected & 0xffffffu) << "device pixel " << x << "," << y;
            }
        }
    }
}

// One box painted in turn onto targets of different ratios (a window moved
// between screens, a grab at the screen's ratio) while its frame is replaced
// in place, as the frame step recycles the frame's pixels: the enlarged copy
// it keeps between paints must never show the previous frame.
TEST(FrameDevicePixels, KeptPixelsFollowTheTargetAndTheFrame)
{
    ImageBox box;
    box.setScale(2);
    box.resize(10, 6);
    QImage frame(5, 3, QImage::Format_RGB32);
    frame.fill(qRgb(255, 0, 0));
    box.setPicture(frame);
    const struct {
        int dpr;
        bool pixmap;
        QRgb colour; // the frame's colour from this step on
    } steps[] = {
        {1, true, qRgb(255, 0, 0)}, {2, true, qRgb(255, 0, 0)}, {2, false, qRgb(0, 0, 255)},
        {1, true, qRgb(0, 0, 255)}, {2, true, qRgb(0, 255, 0)}, {1, false, qRgb(0, 255, 0)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "dpr " << step.dpr << (step.pixmap ? " pixmap" : " image"));
        if (box.picture().pixel(0, 0) != step.colour) {
            QImage next = box.takePicture();
            next.fill(step.colour);
            box.setPicture(next);
        }
        QImage shown;
        if (step.pixmap) {
            QPixmap pixmap(box.size() * step.dpr);
            pixmap.setDevicePixelRatio(step.dpr);
            box.render(&pixmap);
            shown = pixmap.toImage();
        } else {
            shown = QImage(box.size() * step.dpr, QImage::Format_RGB32);
            shown.setDevicePixelRatio(step.dpr);
            box.render(&shown);
        }
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y) & 0xffffffu, step.colour & 0xffffffu) << x << "," << y;
        }
    }
}

} // namespace
