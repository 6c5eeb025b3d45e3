#include "player/ImageBox.h"

#include <QImage>
#include <QPixmap>

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

} // namespace
