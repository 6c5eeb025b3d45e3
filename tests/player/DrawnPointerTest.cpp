#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "platform/PointerControl.h"
#include "player/ArrowPictures.h"
#include "player/ImageBox.h"

#include <optional>
#include <vector>

namespace {

// Answers "can the pointer be moved" for as long as it lives.
class CanMove {
public:
    explicit CanMove(bool can)
        : m_previous(PointerControl::setCanMoveOverride(can))
    {
    }
    ~CanMove() { PointerControl::setCanMoveOverride(m_previous); }
    CanMove(const CanMove&) = delete;
    CanMove& operator=(const CanMove&) = delete;

private:
    std::optional<bool> m_previous;
};

class DrawnPointerTest : public PlayerWindows {
protected:
    void SetUp() override
    {
        PlayerWindows::SetUp();
        CourseBuilder::makeStore("p9", std::vector<QColor>(4, Qt::darkCyan));
    }

    struct Tick {
        QPoint system;  // where the engine sends the pointer, on the screen
        bool drawn = false;
        QPoint drawnAt; // the drawn pointer's tip, on the screen
        QPoint drawnOnFrame; // ... and on the frame, in screen pixels
    };

    // A part of three clicks at scale 1 or 2, every pointer tick recorded.
    std::vector<Tick> play(int scale)
    {
        windows.reset();
        windows.emplace();
        simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40), mouseEvent(2, 639, 479)}));
        simu_form->engine().setStepScript({});
        CourseBuilder::openStore("p9");
        simu_form->showPlayer();
        // The offscreen screen is 800 x 600; a larger window fits scale 2.
        if (scale == 2)
            simu_form->resize(1920, 1080);
        simu_form->save1Click();
        EXPECT_EQ(simu_form->engine().state().scale, scale);
        std::vector<Tick> ticks;
        for (int i = 0; i < 1000 && (simu_form->Timer1->enabled() || simu_form->Timer2->enabled()); ++i) {
            if (simu_form->Timer1->enabled())
                simu_form->Timer1Timer();
            else
                simu_form->Timer2Timer();
            const ImageBox* drawn = simu_form->pointerImage();
            const QPoint frameCorner = simu_form->Image1->mapToGlobal(simu_form->Image1->pictureOffset());
            const QPoint tip = drawn->mapToGlobal(QPoint(0, 0));
            ticks.push_back({simu_form->engine().screen().pointer, drawn->isVisible(), tip, tip - frameCorner});
        }
        return ticks;
    }
};

// Where the pointer cannot be moved, the player's own stands at every tick
// where the system pointer would have been sent, at every scale, and the
// system pointer is left alone; where it can, nothing is drawn.
TEST_F(DrawnPointerTest, StandsWhereTheSystemPointerWouldBe)
{
    for (int scale : {1, 2}) {
        std::vector<Tick> moved;
        std::vector<QPoint> systemMoves;
        {
            const CanMove can(true);
            pointer.moves.clear();
            moved = play(scale);
            systemMoves = pointer.moves;
        }
        ASSERT_GT(moved.size(), 20u) << scale << errors.messages.join('|').toStdString();
        const QPoint origin = PlayerWindows::origin();
        for (const Tick& t : moved)
            EXPECT_FALSE(t.drawn) << scale;

        const CanMove cannot(false);
        pointer.moves.clear();
        const std::vector<Tick> drawn = play(scale);
        EXPECT_TRUE(pointer.moves.empty()) << scale;
        EXPECT_EQ(simu_form->pointerImage()->size(), ArrowPictures::pointerPicture().size() * scale);
        ASSERT_EQ(drawn.size(), moved.size()) << scale;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_TRUE(drawn[i].drawn) << scale << " tick " << i;
            EXPECT_EQ(drawn[i].system, moved[i].system) << scale << " tick " << i;
            // On the frame: the recorded click enlarged, as the system pointer.
            EXPECT_EQ(drawn[i].drawnOnFrame, moved[i].system - origin) << scale << " tick " << i;
            // The window fills the screen at scale 1, so there the screen
            // positions agree too.
            if (scale == 1)
                EXPECT_EQ(drawn[i].drawnAt, moved[i].system) << scale << " tick " << i;
        }
        // The system pointer went where the drawn one stands.
        ASSERT_FALSE(systemMoves.empty());
        EXPECT_EQ(systemMoves.back(), moved.back().system) << scale;
        // The glide ends on the last click, the frame's far corner.
        EXPECT_EQ(drawn.back().drawnOnFrame, QPoint(639, 479) * scale) << scale;
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

// Closing the player takes its drawn pointer away.
TEST_F(DrawnPointerTest, GoesWithThePlayer)
{
    const CanMove cannot(false);
    play(1);
    ASSERT_FALSE(simu_form->pointerImage()->isHidden());
    simu_form->Close1Click();
    // Hidden itself, not only with its window: the next lesson starts
    // without a pointer left standing at this one's last click.
    EXPECT_TRUE(simu_form->pointerImage()->isHidden());
}

} // namespace
