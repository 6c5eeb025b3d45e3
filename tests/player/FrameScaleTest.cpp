#include "PlayerFixture.h"

#include "player/BevelPanel.h"
#include "player/ImageBox.h"
#include "playback/PointerMotion.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

// The frame area of the full-screen player: the screen less the menu bar
// and the panel's bevel (which is why 1280 x 1024 stays at 1).
QSize frameArea(const QSize& screen)
{
    return screen - QSize(10, 24 + 10);
}

TEST(FrameScaleTest, LargestWholeScaleThatFits)
{
    const struct {
        QSize screen;
        int scale;
    } cases[] = {
        {{800, 600}, 1}, {{1024, 768}, 1}, {{1280, 1024}, 1}, {{1290, 1024}, 2}, {{1920, 1080}, 2}, {{2560, 1440}, 2}, {{3840, 2160}, 4},
        {{640, 480}, 1}, {{320, 200}, 1}, // smaller than the frame: never 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenMapping::fittedScale(frameArea(c.screen)), c.scale) << c.screen.width();
    // 1024 x 768 keeps the recorded screen's corner where it always was.
    const QSize area = frameArea({1024, 768});
    EXPECT_EQ(ScreenMapping::centredIn(QRect(QPoint(5, 5), area), 24, 1).originx, 192);
}

// Every pointer position of a glide, from the frame's corner through the
// events of a script.
std::vector<QPoint> path(const std::vector<QPoint>& targets, const ScreenMapping& m)
{
    PlayerState s;
    s.setMapping(m);
    s.curx = m.originx;
    s.cury = m.originy;
    std::vector<QPoint> moves;
    for (const QPoint& t : targets) {
        const QString line = QStringLiteral("# 0000  Mouse:513 X=%1 Y=%2 Event:Left_Button_Down").arg(t.x()).arg(t.y());
        PointerMotion::setUpTarget(s, line);
        while (!PointerMotion::tick(s, [&](int x, int y) { moves.emplace_back(x, y); })) {
        }
    }
    return moves;
}

TEST(FrameScaleTest, PathAtEveryScaleIsTheRecordedPathEnlarged)
{
    // Steep, shallow, backwards, straight down, odd ratios.
    const std::vector<QPoint> targets = {{100, 50}, {103, 400}, {20, 401}, {620, 10}, {619, 479}, {619, 3}, {7, 233}};
    const QRect area(5, 5, 1910, 1046);
    const ScreenMapping one = ScreenMapping::centredIn(area, 24, 1);
    const std::vector<QPoint> recorded = path(targets, one);
    for (int scale : {2, 3}) {
        const ScreenMapping m = ScreenMapping::centredIn(area, 24, scale);
        const std::vector<QPoint> scaled = path(targets, m);
        ASSERT_EQ(scaled.size(), recorded.size()) << scale;
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const QPoint expected = (recorded[i] - QPoint(one.originx, one.originy)) * scale + QPoint(m.originx, m.originy);
            EXPECT_EQ(scaled[i], expected) << scale << " move " << i;
        }
    }
}

TEST(FrameScaleTest, EnlargedPixelsAreRepeatedNotBlended)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9), qRgb(200, 100, 0), qRgb(1, 2, 3)};
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, colours[i]);
    ImageBox box;
    box.setAutoSize(true);
    for (int scale : {1, 2, 3, 1}) {
        box.setScale(scale);
        box.setPicture(picture);
        ASSERT_EQ(box.size(), QSize(3, 2) * scale);
        // Painted into a pixmap (a grab) and into an image at an offset, as
        // into the window's own pixels; a part of it from a pixel's middle.
        QImage canvas(40, 30, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::white);
        box.render(&canvas, QPoint(7, 5));
        QImage part(40, 30, QImage::Format_RGB32);
        part.fill(Qt::white);
        box.render(&part, QPoint(7, 5), QRegion(1, 1, 3 * scale - 1, 2 * scale - 1));
        const QImage grabbed = box.grab().toImage();
        for (int y = 0; y < 2 * scale; ++y) {
            for (int x = 0; x < 3 * scale; ++x) {
                const QRgb expected = colours[(y / scale) * 3 + x / scale];
                ASSERT_EQ(grabbed.pixel(x, y), expected) << scale << " " << x << "," << y;
                ASSERT_EQ(canvas.pixel(x + 7, y + 5), expected) << scale << " " << x << "," << y;
                // The region's corner lands on the offset.
                if (x >= 1 && y >= 1)
                    ASSERT_EQ(part.pixel(x + 6, y + 4), expected) << scale << " " << x << "," << y;
            }
        }
        EXPECT_EQ(canvas.pixel(6, 4), qRgb(255, 255, 255));
        EXPECT_EQ(canvas.pixel(7 + 3 * scale, 5), qRgb(255, 255, 255));
        EXPECT_EQ(part.pixel(6, 4), qRgb(255, 255, 255));
        EXPECT_EQ(part.pixel(6 + 3 * scale, 5), qRgb(255, 255, 255));
    }
}

using FrameScaleWindowTest = PlayerWindows;

// On a large screen the frame, the pointer, the box and the arrow grow
// together; "Z" brings back the recorded size.
TEST_F(FrameScaleWindowTest, EverythingGrowsByTheSameScale)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40)}));
    simu_form->engine().setStepScript(step(1, 0, "215 177 181 131", {"Welcome."}));
    simu_form->showPlayer();
    simu_form->resize(1920, 1080);
    ASSERT_GE(simu_form->Image1->height(), 960);
    simu_form->Image1->setPicture(QImage(640, 480, QImage::Format_RGB32));
    simu_form->save1Click();

    EXPECT_EQ(simu_form->frameScale(), 2);
    EXPECT_EQ(simu_form->engine().state().scale, 2);
    EXPECT_EQ(simu_form->Image1->drawnSize(), QSize(1280, 960));
    EXPECT_EQ(simu_form->Image1->pictureOffset() + QPoint(0, simu_form->engine().state().menuoffset),
              origin() - simu_form->Image1->pos());
    EXPECT_EQ(popupform->pos(), origin() + QPoint(430, 354));
    EXPECT_EQ(popupform->size(), QSize(400, 276));
    // The box's scroll bar grows with it: the text leaves it twice the room.
    const QPlainTextEdit* memo = popupform->Memo1;
    const int extent = memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(memo->viewport()->width(), 400 - 2 * memo->frameWidth() - 2 * extent);
    EXPECT_EQ(pointer.moves.back(), origin());
    EXPECT_EQ(simu_form->engine().state().stepx, 40);

    QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
    QCoreApplication::sendEvent(simu_form->Panel1, &z);
    EXPECT_EQ(simu_form->engine().state().scale, 1);
    EXPECT_EQ(simu_form->Image1->drawnSize(), QSize(640, 480));
    EXPECT_EQ(popupform->size(), QSize(200, 138));
    EXPECT_EQ(memo->viewport()->width(), 200 - 2 * memo->frameWidth() - extent);
    EXPECT_EQ(popupform->pos(), origin() + QPoint(215, 177));
    EXPECT_TRUE(popupform->isVisible());
}

} // namespace
