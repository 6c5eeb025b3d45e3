#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "player/BevelPanel.h"
#include "player/ImageBox.h"
#include "player/KeyHelpOverlay.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

namespace {

void press(QWidget* to, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &event);
}

class LearnerKeysTest : public PlayerWindows {
protected:
    // A store of four frames for the three events, so the pointer can move on.
    void SetUp() override
    {
        PlayerWindows::SetUp();
        CourseBuilder::makeStore("p9", std::vector<QColor>(4, Qt::darkCyan));
    }

    // Two events, a step at the first: the box is up and the pointer waits.
    void startWithBox()
    {
        simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40), mouseEvent(2, 500, 400)}));
        simu_form->engine().setStepScript(step(1, 0, "215 177 181 131", {"Welcome."}));
        CourseBuilder::openStore("p9");
        simu_form->showPlayer();
        simu_form->save1Click();
        ASSERT_TRUE(popupform->isVisible()) << errors.messages.join('|').toStdString();
    }
};

TEST_F(LearnerKeysTest, NextKeysReachTheBoxWhereverTheFocusIs)
{
    const std::vector<std::pair<int, QString>> keys = {
        {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"}, {Qt::Key_Space, " "}, {Qt::Key_Right, {}}};
    const std::vector<std::pair<const char*, std::function<QWidget*()>>> targets = {
        {"NEXT", [] { return popupform->BBB; }},
        {"text", [] { return popupform->Memo1; }},
        // A click on the frame took the focus from the box.
        {"background", [] { return simu_form->Panel1; }},
    };
    for (const auto& [key, text] : keys) {
        for (const auto& [where, target] : targets) {
            windows.reset();
            windows.emplace();
            startWithBox();
            press(target(), key, text);
            EXPECT_FALSE(popupform->isVisible()) << where << " " << key;
            EXPECT_TRUE(simu_form->Timer1->enabled()) << where << " " << key;
        }
    }
}

TEST_F(LearnerKeysTest, NextKeysWithoutABoxDoNothing)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40)}));
    simu_form->showPlayer();
    simu_form->save1Click();
    tickUntilArrived();
    ASSERT_TRUE(simu_form->Timer2->enabled());
    press(simu_form->Panel1, Qt::Key_Return, "\r");
    EXPECT_TRUE(simu_form->Timer2->enabled());
    EXPECT_FALSE(simu_form->Timer1->enabled());
}

// Pausing at any moment and resuming continues with the very tick that was
// due: the path and the frame steps are those of playing straight through.
TEST_F(LearnerKeysTest, PauseHoldsBothTimersAndResumesOnTheSameTick)
{
    const QStringList events = script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40), mouseEvent(2, 500, 400)});
    int pausedInFrameWait = 0;
    auto play = [&](int pauseAtTick) {
        windows.reset();
        windows.emplace();
        pointer.moves.clear();
        simu_form->engine().setEventScript(events);
        simu_form->engine().setStepScript({});
        CourseBuilder::openStore("p9");
        simu_form->showPlayer();
        simu_form->save1Click();
        std::vector<int> records;
        for (int tick = 0; tick < 200; ++tick) {
            if (tick == pauseAtTick) {
                const bool pointerWas = simu_form->Timer1->enabled();
                const bool frameWas = simu_form->Timer2->enabled();
                pausedInFrameWait += frameWas ? 1 : 0;
                press(simu_form->Panel1, Qt::Key_P, "p");
                EXPECT_FALSE(simu_form->Timer1->enabled());
                EXPECT_FALSE(simu_form->Timer2->enabled());
                EXPECT_TRUE(simu_form->progressLine()->text().endsWith("Paused") || simu_form->engine().queue().isEmpty());
                EXPECT_TRUE(simu_form->engine().paused());
                press(simu_form->Panel1, Qt::Key_Pause);
                EXPECT_EQ(simu_form->Timer1->enabled(), pointerWas);
                EXPECT_EQ(simu_form->Timer2->enabled(), frameWas);
            }
            if (!tickOnce())
                break;
            records.push_back(simu_form->engine().screen().frameRecord);
        }
        return std::make_pair(pointer.moves, records);
    };
    const auto straight = play(-1);
    ASSERT_GT(straight.first.size(), 10u) << errors.messages.join('|').toStdString();
    // During the first glide, during the frame wait after it, in the second glide.
    for (int at : {3, 16, 20}) {
        EXPECT_EQ(play(at), straight) << at;
    }
    EXPECT_EQ(pausedInFrameWait, 1);
}

TEST_F(LearnerKeysTest, SpeedScalesBothIntervalsAndNothingElse)
{
    startWithBox();
    struct Case {
        std::vector<int> keys;
        int pointerMs;
        int frameMs;
    };
    const std::vector<Case> cases = {
        {{}, 200, 1000},
        {{Qt::Key_Minus}, 400, 2000},
        {{Qt::Key_Minus, Qt::Key_Minus}, 400, 2000}, // 0.5x is the slowest
        {{Qt::Key_Plus}, 133, 667},
        {{Qt::Key_Plus, Qt::Key_Plus}, 100, 500},
        {{Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus}, 100, 500}, // 2x the fastest
    };
    const PlayerState before = simu_form->engine().state();
    for (const Case& c : cases) {
        while (simu_form->engine().speed() != 1.0)
            press(simu_form->Panel1, simu_form->engine().speed() > 1.0 ? Qt::Key_Minus : Qt::Key_Plus);
        for (int key : c.keys)
            press(popupform->BBB, key);
        EXPECT_EQ(simu_form->Timer1->interval(), c.pointerMs);
        EXPECT_EQ(simu_form->Timer2->interval(), c.frameMs);
        EXPECT_TRUE(popupform->isVisible());
        EXPECT_EQ(simu_form->engine().state().curx, before.curx);
        EXPECT_EQ(simu_form->engine().state().targetx, before.targetx);
        EXPECT_EQ(simu_form->engine().state().stepx, before.stepx);
    }
}

TEST_F(LearnerKeysTest, EscapeClosesTheKeyListAndLeavesPlaybackAsItWas)
{
    startWithBox();
    for (auto [key, text] : std::vector<std::pair<int, QString>>{{Qt::Key_F1, {}}, {Qt::Key_Question, "?"}}) {
        press(simu_form->Panel1, key, text);
        ASSERT_TRUE(simu_form->keyHelp()->isVisible());
        EXPECT_FALSE(simu_form->keyHelp()->text().isEmpty());
        // The box, always on top, steps aside while the list is read, and the
        // keys the list names do nothing then.
        EXPECT_FALSE(popupform->isVisible());
        EXPECT_TRUE(simu_form->engine().paused());
        press(simu_form->Panel1, Qt::Key_Return, "\r");
        EXPECT_TRUE(simu_form->engine().screen().box.visible);
        press(simu_form->Panel1, Qt::Key_Escape);
        EXPECT_FALSE(simu_form->keyHelp()->isVisible());
        EXPECT_FALSE(simu_form->engine().paused());
        // The box stays: Escape never leaves the pointer waiting for a
        // NEXT that cannot be pressed.
        EXPECT_TRUE(popupform->isVisible());
        EXPECT_FALSE(simu_form->Timer1->enabled());
    }
    // Opened while paused, closing it leaves playback paused.
    press(simu_form->Panel1, Qt::Key_P, "p");
    press(simu_form->Panel1, Qt::Key_F1);
    press(simu_form->Panel1, Qt::Key_Escape);
    EXPECT_TRUE(simu_form->engine().paused());
    press(simu_form->Panel1, Qt::Key_P, "p");
    press(simu_form->Panel1, Qt::Key_Escape);
    EXPECT_TRUE(popupform->isVisible());
    press(popupform->BBB, Qt::Key_Space, " ");
    EXPECT_FALSE(popupform->isVisible());
    EXPECT_TRUE(simu_form->Timer1->enabled());
}

} // namespace
