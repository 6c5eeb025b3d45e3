#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "platform/PointerControl.h"
#include "player/ArrowPictures.h"
#include "player/BevelPanel.h"
#include "player/ImageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QProcess>
#include <QThread>
#include <QWindow>

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
        for (int i = 0; i < 1000 && tickOnce(); ++i) {
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

// Where the pointer cannot be moved, windows cannot be placed either: the
// narration box stands on the player's panel, at its recorded place on the
// frame, under the drawn pointer, and NEXT still reaches it. Where they can,
// it is a window of its own again.
TEST_F(DrawnPointerTest, TheBoxIsHeldInsideWhereWindowsCannotBePlaced)
{
    for (int scale : {1, 2}) {
        for (bool can : {false, true}) {
            const CanMove canMove(can);
            windows.reset();
            windows.emplace();
            simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40)}));
            simu_form->engine().setStepScript(step(1, 0, "215 177 181 131", {"Welcome."}));
            CourseBuilder::openStore("p9");
            simu_form->showPlayer();
            if (scale == 2)
                simu_form->resize(1920, 1080);
            simu_form->save1Click();
            ASSERT_TRUE(popupform->isVisible()) << scale << can;
            const QPoint recorded = QPoint(215, 177) * scale;
            if (can) {
                EXPECT_TRUE(popupform->isWindow()) << scale;
                EXPECT_EQ(popupform->pos(), origin() + recorded) << scale;
            } else {
                ASSERT_FALSE(popupform->isWindow()) << scale;
                EXPECT_EQ(popupform->parentWidget(), simu_form->Panel1);
                EXPECT_EQ(popupform->pos() - simu_form->Image1->pos() - simu_form->Image1->pictureOffset(), recorded)
                    << scale;
                // Stacked under the drawn pointer, as under the system one.
                const QObjectList& stack = simu_form->Panel1->children();
                EXPECT_GT(stack.indexOf(simu_form->pointerImage()), stack.indexOf(popupform)) << scale;
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(simu_form->Panel1, &enter);
            EXPECT_FALSE(popupform->isVisible()) << scale << can;
            EXPECT_TRUE(simu_form->Timer1->enabled()) << scale << can;
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

// Run under a Wayland compositor (QT_QPA_PLATFORM=wayland): the platform
// itself says the pointer cannot be moved, and lesson 1 of the demo course,
// started as a double click starts it, plays to its first box with the
// pointer drawn. With LW_SHOT_DIR set, the compositor's screen is saved
// there once the windows are up (weston-screenshooter, Weston's --debug).
TEST_F(DrawnPointerTest, OnWaylandTheLessonPlaysWithItsOwnPointer)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "needs a Wayland session";
    const QString courseDir = QStringLiteral(LW_BINARY_DIR "/course");
    if (!QFile::exists(courseDir + QStringLiteral("/1.dbf")))
        GTEST_SKIP() << "the demo course is not built";
    EXPECT_FALSE(PointerControl::canMove());
    windows.reset();
    ASSERT_TRUE(QDir::setCurrent(courseDir));
    windows.emplace();
    Mainf->ListBox2->setCurrentRow(0);
    Mainf->ListBox2DblClick();
    // To the third box, so the pointer has glided across the frame.
    for (int box = 1; box <= 3; ++box) {
        if (box > 1)
            popupform->NBClick();
        ASSERT_TRUE(tickUntilBox()) << box << errors.messages.join('|').toStdString();
        const ImageBox* drawn = simu_form->pointerImage();
        ASSERT_FALSE(drawn->isHidden()) << box;
        const QPoint onFrame = drawn->pos() - simu_form->Image1->pos() - simu_form->Image1->pictureOffset();
        EXPECT_EQ(onFrame, simu_form->engine().screen().pointer - origin()) << box;
    }
    EXPECT_TRUE(pointer.moves.empty());

    const QString shots = qEnvironmentVariable("LW_SHOT_DIR");
    if (shots.isEmpty())
        return;
    // Only for the picture: the compositor shows what the windows have
    // committed, which takes a few turns of the event loop.
    for (int i = 0; i < 100 && !simu_form->windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    QProcess shooter;
    shooter.setWorkingDirectory(shots);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    // The picture is for a person to look at; the test has judged already.
    if (!shooter.waitForFinished(10000))
        shooter.kill();
}

} // namespace
