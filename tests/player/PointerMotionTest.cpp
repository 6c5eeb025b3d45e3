#include "playback/ScreenMapping.h"
#include "playback/PlayerState.h"
#include "playback/PointerMotion.h"

#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace {

QString mouseLine(int x, int y)
{
    return QStringLiteral("# 0001  Mouse:513 X=%1 Y=%2 Event:Left_Button_Down")
        .arg(x, 3, 10, QLatin1Char('0'))
        .arg(y, 3, 10, QLatin1Char('0'));
}

// Glides from (fromX, fromY) to the recorded (toX, toY) and returns every
// pointer position, the last being the final jump.
std::vector<QPoint> glide(PlayerState& s, QPoint from, QPoint to)
{
    s.curx = from.x();
    s.cury = from.y();
    PointerMotion::setUpTarget(s, mouseLine(to.x(), to.y()));
    std::vector<QPoint> moves;
    for (int tick = 0; tick < 100; ++tick) {
        const bool arrived = PointerMotion::tick(s, [&](int x, int y) { moves.emplace_back(x, y); });
        if (arrived)
            return moves;
    }
    ADD_FAILURE() << "pointer never arrived";
    return moves;
}

} // namespace

TEST(PointerMotionTest, GlidesTwentyPixelsPerTickThenJumps)
{
    const QPoint origin(192, 100);
    const struct {
        const char* name;
        QPoint from; // frame coordinates
        QPoint to;
        std::vector<QPoint> path; // frame coordinates, final jump last
        int stepy;
    } cases[] = {
        {"right 100", {0, 0}, {100, 0}, {{20, 0}, {40, 0}, {60, 0}, {80, 0}, {100, 0}, {100, 0}}, 0},
        {"right 99", {0, 0}, {99, 0}, {{20, 0}, {40, 0}, {60, 0}, {80, 0}, {99, 0}}, 0},
        {"25 right 400 down", {0, 0}, {25, 400}, {{20, 320}, {25, 400}}, 320},
        {"under 20 jumps at once", {0, 0}, {19, 470}, {{19, 470}}, 494},
        {"straight down", {50, 10}, {50, 400}, {{50, 400}}, 0},
        {"straight up", {50, 400}, {50, 10}, {{50, 10}}, 0},
        // Up-left: stepy = 60 * 20 / 100 = 12.
        {"up left", {300, 300}, {200, 240}, {{280, 288}, {260, 276}, {240, 264}, {220, 252}, {200, 240}, {200, 240}}, 12},
        // Down-left, with the vertical step rounded down: 50 * 20 / 45 = 22.
        {"down left", {100, 100}, {55, 150}, {{80, 122}, {60, 144}, {55, 150}}, 22},
        // Up-right.
        {"up right", {0, 100}, {40, 0}, {{20, 50}, {40, 0}, {40, 0}}, 50},
    };
    for (const auto& c : cases) {
        PlayerState s;
        s.originx = origin.x();
        s.originy = origin.y();
        const std::vector<QPoint> moves = glide(s, c.from + origin, c.to);
        std::vector<QPoint> expected;
        for (const QPoint& p : c.path)
            expected.push_back(p + origin);
        EXPECT_EQ(moves, expected) << c.name;
        EXPECT_EQ(s.stepy, c.stepy) << c.name;
        EXPECT_EQ(s.stepx, 20) << c.name;
        EXPECT_EQ(QPoint(s.curx, s.cury), c.to + origin) << c.name;
    }
}

TEST(PointerMotionTest, DirectionFlagsFollowTheTarget)
{
    PlayerState s;
    s.curx = 100;
    s.cury = 100;
    PointerMotion::setUpTarget(s, mouseLine(150, 50));
    EXPECT_TRUE(s.goup);
    EXPECT_TRUE(s.goright);
    PointerMotion::setUpTarget(s, mouseLine(50, 150));
    EXPECT_FALSE(s.goup);
    EXPECT_FALSE(s.goright);
    PointerMotion::setUpTarget(s, mouseLine(100, 100)); // same place: neither
    EXPECT_FALSE(s.goup);
    EXPECT_FALSE(s.goright);
    EXPECT_EQ(s.stepy, 0);
}

TEST(PointerMotionTest, KeyLineFailsAfterNothingWasSet)
{
    PlayerState s;
    s.targetx = 7;
    EXPECT_ANY_THROW(PointerMotion::setUpTarget(s, QStringLiteral("# 0003  KeyCode=13  Key=Enter    Press=1")));
    EXPECT_EQ(s.targetx, 7);
}

TEST(FrameOriginTest, CentresTheRecordedScreenAndTruncatesTowardZero)
{
    const struct {
        QRect image;
        int menuoffset;
        QPoint origin;
    } cases[] = {
        {{5, 5, 1014, 720}, 38, {192, 5 + 120 + 38}}, // 1024 x 768 screen
        {{5, 5, 635, 475}, 0, {5 - 2, 5 - 2}},        // -2.5 gives -2
        {{5, 5, 640, 480}, 20, {5, 25}},
        {{5, 5, 641, 481}, 0, {5, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenMapping::centredIn(c.image, c.menuoffset).toScreen({0, 0}), c.origin) << c.image.width();
}
