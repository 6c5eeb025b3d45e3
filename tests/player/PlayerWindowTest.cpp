#include "PlayerFixture.h"

#include "player/ArrowPictures.h"
#include "player/BevelPanel.h"
#include "player/ImageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <functional>

using PlayerWindowTest = PlayerWindows;

TEST_F(PlayerWindowTest, ShowingCoversTheScreenAndRunComputesTheFrameOrigin)
{
    simu_form->showPlayer();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(simu_form->geometry().size(), screen.size());
    EXPECT_EQ(simu_form->Image1->geometry(), simu_form->Panel1->rect().adjusted(5, 5, -5, -5));

    simu_form->engine().setEventScript(script({mouseEvent(0, 100, 50)}));
    simu_form->save1Click();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    const int menuoffset = screen.height() - simu_form->Panel1->height();
    EXPECT_EQ(simu_form->engine().state().menuoffset, menuoffset);
    EXPECT_EQ(simu_form->engine().state().originx, (simu_form->Image1->width() - 640) / 2 + 5);
    EXPECT_EQ(simu_form->engine().state().originy, (simu_form->Image1->height() - 480) / 2 + 5 + menuoffset);
    // The pointer starts on the frame's corner, aiming at event 0.
    ASSERT_FALSE(pointer.moves.empty());
    EXPECT_EQ(pointer.moves.back(), origin());
    EXPECT_EQ(QPoint(simu_form->engine().state().targetx, simu_form->engine().state().targety), origin() + QPoint(100, 50));
    EXPECT_TRUE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_FALSE(simu_form->Minimiz1->isEnabled());
    EXPECT_EQ(simu_form->engine().state().screennum, "0000");

    // 100 pixels: five steps and the final jump, then the frame timer.
    EXPECT_EQ(tickUntilArrived(), 6);
    EXPECT_EQ(pointer.moves.back(), origin() + QPoint(100, 50));
    EXPECT_TRUE(simu_form->Timer2->enabled());
}

TEST_F(PlayerWindowTest, StepForEventZeroHoldsThePointerUntilTheBoxGoes)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 10, 10)}));
    simu_form->engine().setStepScript(step(1, 0, "215 177 181 131", {"Welcome to the course."}));
    simu_form->showPlayer();
    simu_form->save1Click();

    ASSERT_TRUE(popupform->isVisible());
    EXPECT_EQ(popupform->pos(), origin() + QPoint(215, 177));
    EXPECT_EQ(popupform->lines(), QStringList{"Welcome to the course."});
    EXPECT_EQ(popupform->Memo1->toPlainText(), "Welcome to the course.");
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_EQ(pointer.moves.back(), origin());

    // Closing the box by its title bar lets the pointer go.
    popupform->close();
    EXPECT_FALSE(popupform->isVisible());
    EXPECT_TRUE(simu_form->Timer1->enabled());
    tickUntilArrived();
    EXPECT_EQ(pointer.moves.back(), origin() + QPoint(300, 200));

    // Run again while the box would show: back on the corner, waiting.
    simu_form->save1Click();
    EXPECT_TRUE(popupform->isVisible());
    EXPECT_EQ(pointer.moves.back(), origin());
    EXPECT_FALSE(simu_form->Timer1->enabled());
}

TEST_F(PlayerWindowTest, RunFailuresLeaveThePointerStill)
{
    const struct {
        QStringList datlist;
        const char* message;
    } cases[] = {
        {script({keyEvent(0), mouseEvent(1, 5, 5)}), "'' is not a valid integer value."},
        {{}, "List index out of bounds (0)"},
        {{"# 0000  Mouse:513 X=1a0 Y=010 Event:Left_Button_Down"}, "'1a0' is not a valid integer value."},
    };
    simu_form->showPlayer();
    for (const auto& c : cases) {
        errors.messages.clear();
        simu_form->engine().setEventScript(c.datlist);
        simu_form->save1Click();
        EXPECT_EQ(errors.messages, QStringList{c.message});
        EXPECT_FALSE(simu_form->Timer1->enabled()) << c.message;
    }
}

TEST_F(PlayerWindowTest, CloseStopsPlaybackFromEveryState)
{
    const QStringList events = script({mouseEvent(0, 100, 0), mouseEvent(1, 0, 0)});
    const QStringList steps = step(1, 0, "1 1 1 1", {"Box"});
    const struct {
        const char* state;
        std::function<void()> reach;
    } cases[] = {
        {"stopped", [] {}},
        {"moving", [&] { simu_form->engine().setEventScript(events); simu_form->save1Click(); }},
        {"dwelling", [&] { simu_form->engine().setEventScript(events); simu_form->save1Click(); tickUntilArrived(); }},
        {"narrating", [&] { simu_form->engine().setEventScript(events); simu_form->engine().setStepScript(steps); simu_form->save1Click(); }},
    };
    for (const auto& c : cases) {
        simu_form->engine().setStepScript({});
        simu_form->showPlayer();
        c.reach();
        simu_form->Close1Click();
        EXPECT_FALSE(simu_form->isVisible()) << c.state;
        EXPECT_FALSE(popupform->isVisible()) << c.state;
        EXPECT_FALSE(simu_form->Timer1->enabled()) << c.state;
        EXPECT_FALSE(simu_form->Timer2->enabled()) << c.state;
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();

    // Closing through the window manager stops playback the same way.
    simu_form->engine().setEventScript(events);
    simu_form->engine().setStepScript(steps);
    simu_form->showPlayer();
    simu_form->save1Click();
    simu_form->close();
    EXPECT_FALSE(popupform->isVisible());
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
}

TEST_F(PlayerWindowTest, MinimizeDoesNothing)
{
    simu_form->showPlayer();
    simu_form->Minimiz1Click();
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_FALSE(simu_form->isMinimized());
    EXPECT_TRUE(simu_form->Minimiz1->isEnabled());
    simu_form->engine().setEventScript(script({mouseEvent(0, 1, 1)}));
    simu_form->save1Click();
    simu_form->Minimiz1->trigger();
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_FALSE(simu_form->Minimiz1->isEnabled());
}

TEST_F(PlayerWindowTest, BuiltInArrowsAreRedOnAGroundThatIsNotDrawn)
{
    const struct {
        ImageBox* box;
        QSize size;
    } cases[] = {
        {simu_form->l1r, {56, 44}},
        {simu_form->r1r, {58, 46}},
        {simu_form->d1r, {46, 56}},
        {simu_form->u1r, {48, 56}},
    };
    for (const auto& c : cases) {
        const QImage& img = c.box->picture();
        EXPECT_EQ(img.size(), c.size);
        EXPECT_FALSE(c.box->isVisible());
        EXPECT_EQ(QColor(img.pixel(0, img.height() - 1)), QColor(Qt::white));
        // The arrow's centre is red, and an outline pixel separates it from
        // the ground on the way out to the edge.
        const QPoint centre(img.width() / 2, img.height() / 2);
        EXPECT_EQ(QColor(img.pixel(centre)), QColor(Qt::red)) << c.size.width();
        bool outline = false;
        for (int x = centre.x(); x < img.width(); ++x)
            outline = outline || QColor(img.pixel(x, centre.y())) == QColor(Qt::black);
        EXPECT_TRUE(outline) << c.size.width();
    }
    EXPECT_EQ(ArrowPictures::pointerPicture().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(PlayerWindowTest, NarrationBoxMakeUpAndNextByKeyboard)
{
    EXPECT_EQ(popupform->windowTitle(), "Message Box");
    EXPECT_EQ(popupform->size(), QSize(200, 138));
    EXPECT_TRUE(popupform->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(popupform->BBB->text(), "NEXT");
    EXPECT_EQ(popupform->BBB->size(), QSize(73, 25));
    EXPECT_TRUE(popupform->Memo1->isReadOnly());

    simu_form->engine().setEventScript(script({mouseEvent(0, 40, 40), mouseEvent(1, 0, 0)}));
    simu_form->engine().setStepScript(step(1, 0, "0 0 1 1", {"", "After an empty line."}));
    simu_form->showPlayer();

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        simu_form->save1Click();
        ASSERT_TRUE(popupform->isVisible());
        EXPECT_EQ(popupform->lines(), (QStringList{"", "After an empty line."}));
        EXPECT_EQ(popupform->focusWidget(), popupform->BBB);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(popupform->BBB, &press);
        QCoreApplication::sendEvent(popupform->BBB, &release);
        EXPECT_FALSE(popupform->isVisible()) << key;
    }
    // Escape does not get rid of the box: only NEXT or its close button do.
    simu_form->save1Click();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(popupform, &escape);
    EXPECT_TRUE(popupform->isVisible());
}

namespace {

// Each diagonal arrow points to its own corner: red just inside that corner
// (the tip), ground at the two corners beside it, and the bottom-left pixel
// ground so the transparent arrow shows nothing around its shape.
TEST(DiagonalArrows, PointToTheirCornerInTheStraightArrowsStyle)
{
    using NarrationPass::Arrow;
    const struct {
        Arrow arrow;
        QPoint tip; // of a 48 x 48 picture
    } cases[] = {
        {Arrow::NorthWest, {3, 3}},
        {Arrow::NorthEast, {44, 3}},
        {Arrow::SouthWest, {3, 44}},
        {Arrow::SouthEast, {44, 44}},
    };
    for (const auto& c : cases) {
        const QImage img = ArrowPictures::picture(c.arrow);
        ASSERT_EQ(img.size(), QSize(48, 48));
        EXPECT_EQ(QColor(img.pixel(0, 47)), QColor(Qt::white)) << int(c.arrow);
        EXPECT_EQ(QColor(img.pixel(c.tip)), QColor(Qt::red)) << int(c.arrow);
        // The corner across from the tip, where the shaft starts, stays ground
        // beside the shaft.
        const QPoint across(47 - c.tip.x() > 24 ? 47 : 0, 47 - c.tip.y() > 24 ? 47 : 0);
        EXPECT_EQ(QColor(img.pixel(across)), QColor(Qt::white)) << int(c.arrow);
        bool outline = false;
        for (int i = 0; i < 48; ++i)
            outline = outline || QColor(img.pixel(i, 24)) == QColor(Qt::black);
        EXPECT_TRUE(outline) << int(c.arrow);
    }
}

} // namespace
