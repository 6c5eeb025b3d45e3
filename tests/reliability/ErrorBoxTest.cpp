#include "CourseFixture.h"

#include "platform/AppError.h"
#include "platform/ErrorPresenter.h"
#include "platform/HandlerGuard.h"

#include <QCoreApplication>

#include <functional>

namespace {

// A sink that stands for the modal box: while it is "open", inside runs, as
// timer ticks do in the box's own event loop.
class ModalBox {
public:
    explicit ModalBox(std::function<void()> inside = {})
        : m_inside(std::move(inside))
    {
        m_previous = ErrorPresenter::setSink([this](const QString&, const QString& text) {
            shown << text;
            wasShowing = ErrorPresenter::isShowing();
            if (m_inside)
                m_inside();
        });
    }
    ~ModalBox() { ErrorPresenter::setSink(std::move(m_previous)); }

    QStringList shown;
    bool wasShowing = false;

private:
    std::function<void()> m_inside;
    ErrorPresenter::Sink m_previous;
};

TEST(ErrorBox, FailuresWhileABoxIsOpenOpenNoSecondBox)
{
    const int before = ErrorPresenter::suppressedCount();
    {
        ModalBox box([] {
            for (int tick = 0; tick < 5; ++tick)
                guarded([tick] { throw AppError(QStringLiteral("Tick %1 failed").arg(tick)); });
        });
        guarded([] { throw AppError(QStringLiteral("First failure")); });
        EXPECT_EQ(box.shown, QStringList{"First failure."});
        EXPECT_TRUE(box.wasShowing);
        EXPECT_FALSE(ErrorPresenter::isShowing());
        EXPECT_EQ(ErrorPresenter::suppressedCount(), before + 5);

        // Once the box is closed the next failure gets its own box again.
        guarded([] { throw AppError(QStringLiteral("Later failure")); });
        EXPECT_EQ(box.shown.size(), 2);
        EXPECT_EQ(box.shown.last(), "Later failure.");
    }
    EXPECT_EQ(ErrorPresenter::suppressedCount(), before + 5 + 5);
}

TEST(ErrorBox, ASinkThatThrowsDoesNotLeaveABoxMarkedOpen)
{
    const ErrorPresenter::Sink previous =
        ErrorPresenter::setSink([](const QString&, const QString&) { throw std::runtime_error("no display"); });
    EXPECT_THROW(ErrorPresenter::show(QStringLiteral("x")), std::runtime_error);
    EXPECT_FALSE(ErrorPresenter::isShowing());
    ErrorPresenter::setSink(previous);
}

using RepeatedFailure = CourseWindows;

// A frame store that goes bad in the middle of a part: every frame step
// fails. The ticks that keep coming while the box is open add no boxes, and
// the timers keep their state, so playback resumes once the box is closed.
TEST_F(RepeatedFailure, AStoreGoneBadShowsOneBoxWhileTheTicksGoOn)
{
    Course::writeStore(QStringLiteral("p1"), 6);
    target->setScripts(QStringLiteral("p1"), Course::events(6), {});
    playLesson(0);
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    // The memo file loses everything after the first frame.
    Course::truncate(Course::hostPartDir(QStringLiteral("p1")) + QStringLiteral("/simu.dbt"), 512 * 3);

    int nestedTicks = 0;
    ModalBox box([&] {
        // Ten seconds of an unanswered box: ten frame steps.
        for (int tick = 0; tick < 10 && simu_form->Timer2->enabled(); ++tick) {
            simu_form->Timer2Timer();
            ++nestedTicks;
        }
    });
    for (int ticks = 0; simu_form->Timer1->enabled() && ticks < 1000; ++ticks)
        simu_form->Timer1Timer();
    ASSERT_TRUE(simu_form->Timer2->enabled());
    simu_form->Timer2Timer();

    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_TRUE(box.shown[0].contains("simu.dbt is damaged")) << box.shown[0].toStdString();
    EXPECT_GT(nestedTicks, 0);
    EXPECT_FALSE(ErrorPresenter::isShowing());
    // Close still works afterwards and stops everything.
    simu_form->Close1Click();
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_FALSE(simu_form->isVisible());
}

} // namespace

namespace {

using FailingFrameStep = CourseWindows;

// The error box of a failing frame step is shown from inside Timer2's
// handler, and the toolkit does not fire a timer again while its handler
// runs: playback waits while the learner reads the message, and goes on
// once the box is closed. Driven through the real event loop with a
// zero-interval timer, so nothing waits on the clock.
TEST_F(FailingFrameStep, Timer2WaitsUntilTheBoxIsClosed)
{
    Course::writeStore(QStringLiteral("p1"), 6);
    target->setScripts(QStringLiteral("p1"), Course::events(6), {});
    playLesson(0);
    Course::truncate(Course::hostPartDir(QStringLiteral("p1")) + QStringLiteral("/simu.dbt"), 512 * 3);
    for (int ticks = 0; simu_form->Timer1->enabled() && ticks < 1000; ++ticks)
        simu_form->Timer1Timer();
    ASSERT_TRUE(simu_form->Timer2->enabled());

    // Counted after the player's own handler, so the firing that opened the
    // box counts once the box is closed.
    int fired = 0;
    QObject::connect(simu_form->Timer2, &QTimer::timeout, [&] { ++fired; });
    int firedWhileOpen = -1;
    ModalBox box([&] {
        for (int pass = 0; pass < 20; ++pass)
            QCoreApplication::processEvents();
        firedWhileOpen = fired;
    });
    simu_form->Timer2->setInterval(0);
    simu_form->Timer2->stop();
    simu_form->Timer2->start();
    for (int pass = 0; pass < 20 && box.shown.isEmpty(); ++pass)
        QCoreApplication::processEvents();
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_EQ(firedWhileOpen, 0); // no second frame step while the box was open
    EXPECT_TRUE(simu_form->Timer2->enabled()); // the timers keep their state
    for (int pass = 0; pass < 20 && fired < 2; ++pass)
        QCoreApplication::processEvents();
    EXPECT_GE(fired, 2); // and the next frame step follows once it is closed
    simu_form->Close1Click();
}

} // namespace
