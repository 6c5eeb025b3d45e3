#include "player/ImageBox.h"

#include <QImage>
#include <QPixmap>

#include <functional>
#include <future>

#include <gtest/gtest.h>

namespace {

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The frame box with a ground paints every pixel itself: the ground around a
// centred picture, the picture inside, and a replacing picture of the same
// size shows in full.
TEST(ImageBoxGround, PaintsGroundAroundTheCentredPicture)
{
    ImageBox box;
    box.resize(100, 80);
    box.setCenter(true);
    box.setGround(QColor(0, 128, 128));
    EXPECT_TRUE(box.testAttribute(Qt::WA_OpaquePaintEvent));

    struct Probe {
        QPoint at;
        QRgb expected;
    };
    const QRgb ground = qRgb(0, 128, 128);
    for (QRgb frame : {qRgb(255, 0, 0), qRgb(0, 0, 255)}) {
        box.setPicture(filled(40, 20, frame));
        const QImage shown = box.grab().toImage();
        const Probe probes[] = {
            {{0, 0}, ground}, {{99, 79}, ground}, {{29, 39}, ground}, {{70, 39}, ground},
            {{30, 30}, frame}, {{69, 49}, frame}, {{50, 40}, frame},
        };
        for (const Probe& p : probes) {
            SCOPED_TRACE(testing::Message() << p.at.x() << "," << p.at.y());
            EXPECT_EQ(shown.pixel(p.at) & 0xffffff, p.expected & 0xffffff);
        }
    }

    // No picture: only the ground.
    box.setPicture(QImage());
    EXPECT_EQ(box.grab().toImage().pixel(50, 40) & 0xffffff, ground & 0xffffff);
}

// A picture still being decoded becomes the box's picture wherever it is
// first needed, exactly once, and is then shown as a picture given at once
// would be: centred, at the scale set while it was on its way.
TEST(ImageBoxPending, ArrivesWhereverItIsFirstNeeded)
{
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);
    struct Case {
        const char* name;
        std::function<QRgb(ImageBox&)> need; // returns the colour now at the box's centre
    } cases[] = {
        {"painted", [](ImageBox& box) { return box.grab().toImage().pixel(50, 40); }},
        {"asked for", [](ImageBox& box) { return box.picture().pixel(0, 0); }},
        {"given up", [](ImageBox& box) { return box.takePicture().pixel(0, 0); }},
        {"placed", [](ImageBox& box) {
             box.pictureOffset();
             return box.picture().pixel(0, 0);
         }},
        {"replaced", [&](ImageBox& box) {
             box.setPicture(filled(20, 10, blue));
             return box.grab().toImage().pixel(50, 40);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageBox box;
        box.resize(100, 80);
        box.setCenter(true);
        box.setGround(QColor(0, 128, 128));
        int arrivals = 0;
        QObject::connect(&box, &ImageBox::pendingPictureArrived, [&] { ++arrivals; });
        std::promise<QImage> decoding;
        box.setPicture(decoding.get_future());
        box.setScale(2); // while on its way: prepared at 2 on arrival
        EXPECT_EQ(arrivals, 0);
        decoding.set_value(filled(20, 10, red));
        const QRgb shown = c.need(box);
        EXPECT_EQ(arrivals, 1);
        const bool replaced = std::string(c.name) == "replaced";
        EXPECT_EQ(shown & 0xffffff, (replaced ? blue : red) & 0xffffff);
        if (std::string(c.name) == "painted") {
            // 20 x 10 at scale 2, centred: x 30..69, y 30..49.
            const QImage all = box.grab().toImage();
            EXPECT_EQ(all.pixel(30, 30) & 0xffffff, red & 0xffffff);
            EXPECT_EQ(all.pixel(29, 30) & 0xffffff, 0x008080u);
            EXPECT_EQ(all.pixel(69, 49) & 0xffffff, red & 0xffffff);
            EXPECT_EQ(all.pixel(70, 49) & 0xffffff, 0x008080u);
        }
        box.picture();
        EXPECT_EQ(arrivals, 1) << "arrives once";
    }
}

} // namespace
