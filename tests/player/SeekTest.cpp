#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "player/BevelPanel.h"
#include "player/ImageBox.h"
#include "player/LessonEndOverlay.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QDir>

// Going straight to an event or a step must land where playing there lands.
// Every lesson is played through with NEXT at every box, the engine's state
// recorded at every event; then every event is gone to directly and the
// state compared.

namespace {

struct Snapshot {
    QString part;
    int event = 0;
    int record = 0;
    QPoint pointer;
    QPoint target;
    int stepy = 0;
    bool goup = false;
    bool goright = false;
    bool box = false;
    QStringList text;
    QPoint boxAt;
    bool arrow = false;
    int arrowPicture = -1;
    QPoint arrowAt;
    bool pointerTimer = false;
    bool frameTimer = false;

    bool operator==(const Snapshot& o) const
    {
        // Where a hidden box or arrow stands is not seen.
        return part == o.part && event == o.event && record == o.record && pointer == o.pointer
            && target == o.target && stepy == o.stepy && goup == o.goup && goright == o.goright && box == o.box
            && (!box || (text == o.text && boxAt == o.boxAt)) && arrow == o.arrow
            && (!arrow || (arrowPicture == o.arrowPicture && arrowAt == o.arrowAt))
            && pointerTimer == o.pointerTimer && frameTimer == o.frameTimer;
    }
};

std::ostream& operator<<(std::ostream& os, const Snapshot& s)
{
    return os << s.part.toStdString() << " event " << s.event << " record " << s.record << " pointer ("
              << s.pointer.x() << "," << s.pointer.y() << ") target (" << s.target.x() << "," << s.target.y()
              << ") box " << s.box << " at (" << s.boxAt.x() << "," << s.boxAt.y() << ") arrow " << s.arrow << " "
              << s.arrowPicture << " timers " << s.pointerTimer << s.frameTimer;
}

Snapshot snapshot()
{
    const PlaybackEngine& e = simu_form->engine();
    const PlayerState& s = e.state();
    const PlaybackEngine::Screen& screen = e.screen();
    Snapshot r;
    r.part = e.currentPartCode();
    r.event = e.currentEvent();
    r.record = ProForm->Table1.recNo();
    r.pointer = {s.curx, s.cury};
    r.target = {s.targetx, s.targety};
    r.stepy = s.stepy;
    r.goup = s.goup;
    r.goright = s.goright;
    r.box = screen.box.visible;
    r.text = screen.box.lines;
    r.boxAt = {screen.box.left.value_or(-1), screen.box.top.value_or(-1)};
    r.arrow = screen.arrow.visible;
    r.arrowPicture = screen.arrow.picture ? int(*screen.arrow.picture) : -1;
    r.arrowAt = {screen.arrow.left, screen.arrow.top};
    r.pointerTimer = e.pointerTimerOn();
    r.frameTimer = e.frameTimerOn();
    return r;
}

class SeekTest : public PlayerWindows {
protected:
    void SetUp() override
    {
        PlayerWindows::SetUp();
        for (const Catalogue::PartEntry& part : Catalogue::parts()) {
            const int events = (int(ScriptLibrary::lines(part.sheet, part.eventList).size()) + 1) / 3;
            CourseBuilder::makeSmallStore(part.code, events);
        }
    }

    // Fresh windows, so nothing of an earlier lesson is on screen.
    void startLesson(int lessonIndex)
    {
        windows.reset();
        windows.emplace();
        Mainf->setPlayQueue(Catalogue::partCodes(lessonIndex));
        Mainf->runsimu(Mainf->ListBox2->item(lessonIndex)->text(), lessonIndex);
    }

    // Plays the lesson through, pressing NEXT at every box; one snapshot
    // per event, taken as soon as the event is on screen.
    std::vector<Snapshot> playThrough(int lessonIndex)
    {
        startLesson(lessonIndex);
        std::vector<Snapshot> seen{snapshot()};
        for (int guard = 0; guard < 5000; ++guard) {
            if (popupform->isVisible())
                popupform->NBClick();
            tickUntilArrived();
            if (!simu_form->Timer2->enabled())
                break;
            simu_form->Timer2Timer();
            const Snapshot now = snapshot();
            if (now.part != seen.back().part || now.event != seen.back().event)
                seen.push_back(now);
        }
        return seen;
    }
};

TEST_F(SeekTest, GoingToAnyEventOfEveryPartLandsWherePlayingLands)
{
    int parts = 0;
    int events = 0;
    for (int lesson = 0; lesson < 20; ++lesson) {
        const QStringList codes = Catalogue::partCodes(lesson);
        const std::vector<Snapshot> played = playThrough(lesson);
        ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
        ASSERT_EQ(played.back().part, codes.last());
        parts += int(codes.size());
        // Gone to from the end of the lesson, and in reverse, so every seek
        // starts from somewhere else.
        for (auto it = played.rbegin(); it != played.rend(); ++it) {
            simu_form->engine().goToEvent(int(codes.indexOf(it->part)), it->event);
            simu_form->showEngineState();
            EXPECT_EQ(snapshot(), *it);
            ++events;
        }
    }
    EXPECT_EQ(parts, 37);
    EXPECT_GT(events, 2000);
}

TEST_F(SeekTest, StepsCrossPartBoundariesBothWays)
{
    const std::vector<Snapshot> played = playThrough(19);
    PlaybackEngine& engine = simu_form->engine();
    const std::vector<PlaybackEngine::StepPlace> steps = engine.steps();
    ASSERT_GT(steps.size(), 20u);
    // Every step shows its box; going forward and back across every part
    // boundary of lesson 20 lands on the step's own part and event.
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        if (steps[i].part == steps[i + 1].part)
            continue;
        for (std::size_t j : {i + 1, i}) {
            engine.goToStep(int(j));
            EXPECT_EQ(engine.currentPartIndex(), steps[j].part);
            EXPECT_EQ(engine.currentEvent(), steps[j].event);
            EXPECT_TRUE(engine.screen().box.visible);
            EXPECT_FALSE(engine.pointerTimerOn());
        }
    }
    EXPECT_ANY_THROW(engine.goToStep(int(steps.size())));
}

TEST_F(SeekTest, MissingStoreGivesTheEnginesErrorAndLeavesThePlaythrough)
{
    playThrough(10);
    PlaybackEngine& engine = simu_form->engine();
    engine.goToEvent(1, 5);
    simu_form->showEngineState();
    const Snapshot before = snapshot();
    QDir(HostPath::toHost(QStringLiteral("master\\p11b\\"))).removeRecursively();
    try {
        engine.goToEvent(2, 3);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("simu.dbf"))) << e.message().toStdString();
    }
    simu_form->showEngineState();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(engine.eventScript(), ScriptLibrary::lines(Catalogue::findPart("p11a")->sheet,
                                                         Catalogue::findPart("p11a")->eventList));
    // And playing goes on from there.
    engine.goToEvent(1, 6);
    EXPECT_EQ(ProForm->Table1.recNo(), 7);
}

// An arrow points at something on the frame it was placed over, so a part's
// first frame shows none left from before: not a chained part's, after a
// last frame of the part before with its arrow up, nor the first frame of a
// lesson started after another was closed with its arrow up.
TEST_F(SeekTest, APartsFirstFrameShowsNoArrowLeftFromBefore)
{
    int chainedAfterAnArrow = 0;
    for (int lesson = 0; lesson < 20; ++lesson) {
        const std::vector<Snapshot> played = playThrough(lesson);
        for (std::size_t i = 1; i < played.size(); ++i) {
            if (played[i].event != 0)
                continue;
            EXPECT_FALSE(played[i].arrow) << played[i].part.toStdString();
            chainedAfterAnArrow += played[i - 1].arrow ? 1 : 0;
        }
    }
    EXPECT_GT(chainedAfterAnArrow, 0) << "no part of the course ends with its arrow up";

    startLesson(0);
    PlaybackEngine& engine = simu_form->engine();
    int step = 0;
    for (; step < int(engine.steps().size()) && !engine.screen().arrow.visible; ++step)
        engine.goToStep(step);
    simu_form->showEngineState();
    ASSERT_FALSE(simu_form->Image2->isHidden()) << "lesson 1 has a step with an arrow";
    simu_form->Close1Click();
    Mainf->setPlayQueue(Catalogue::partCodes(10));
    Mainf->runsimu(Mainf->ListBox2->item(10)->text(), 10);
    EXPECT_EQ(engine.currentEvent(), 0);
    EXPECT_FALSE(engine.screen().arrow.visible);
    EXPECT_TRUE(simu_form->Image2->isHidden());
}

// Back, replay and the part keys on a real lesson of several parts.
TEST_F(SeekTest, BackFromAChainedPartsFirstStepLandsOnTheLastStepBefore)
{
    playThrough(19);
    PlaybackEngine& engine = simu_form->engine();
    const std::vector<PlaybackEngine::StepPlace> steps = engine.steps();
    int boundaries = 0;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        if (steps[i].part == steps[i - 1].part)
            continue;
        ++boundaries;
        engine.goToStep(int(i));
        ASSERT_TRUE(engine.screen().box.visible);
        engine.backStep();
        EXPECT_EQ(engine.currentPartIndex(), steps[i - 1].part);
        EXPECT_EQ(engine.currentEvent(), steps[i - 1].event);
        EXPECT_TRUE(engine.screen().box.visible);
        EXPECT_EQ(engine.currentStepIndex(), int(i) - 1);
    }
    EXPECT_GT(boundaries, 0);
    // Once a box is read and closed, back shows it again.
    engine.goToStep(3);
    engine.next();
    engine.backStep();
    EXPECT_EQ(engine.currentStepIndex(), 3);
    EXPECT_TRUE(engine.screen().box.visible);
    // Nothing comes before the first step.
    engine.goToStep(0);
    engine.backStep();
    EXPECT_EQ(engine.currentStepIndex(), 0);
}

TEST_F(SeekTest, ReplayGlidesIntoTheStepAgain)
{
    const std::vector<Snapshot> played = playThrough(19);
    PlaybackEngine& engine = simu_form->engine();
    const std::vector<PlaybackEngine::StepPlace> steps = engine.steps();
    int replayed = 0;
    for (std::size_t i = 0; i < steps.size(); i += 5) {
        if (steps[i].event == 0)
            continue;
        engine.goToStep(int(i));
        simu_form->showEngineState();
        const Snapshot atStep = snapshot();
        engine.replayStep();
        simu_form->showEngineState();
        EXPECT_EQ(engine.currentEvent(), steps[i].event - 1);
        EXPECT_FALSE(engine.screen().box.visible);
        EXPECT_TRUE(simu_form->Timer1->enabled());
        tickUntilArrived();
        simu_form->Timer2Timer();
        EXPECT_EQ(snapshot(), atStep) << i;
        ++replayed;
    }
    EXPECT_GT(replayed, 3);
}

TEST_F(SeekTest, PartKeysAndTheProgressLine)
{
    startLesson(19);
    PlaybackEngine& engine = simu_form->engine();
    const int parts = int(engine.queue().size());
    ASSERT_GT(parts, 1);
    const int steps = int(engine.steps().size());
    EXPECT_EQ(engine.progressText(), QStringLiteral("Lesson 20 \u00b7 Part 1 of %1 \u00b7 Step 1 of %2").arg(parts).arg(steps));
    // The line stands whole inside the menu bar, wide enough for its text.
    QCoreApplication::processEvents();
    const QLabel* line = simu_form->progressLine();
    EXPECT_GE(line->x(), 0);
    EXPECT_LE(line->geometry().right(), simu_form->menuBar()->width() - 1);
    EXPECT_GE(line->contentsRect().width(), line->fontMetrics().horizontalAdvance(line->text()));
    auto key = [](int k) {
        QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(simu_form->Panel1, &event);
    };
    key(Qt::Key_PageDown);
    EXPECT_EQ(engine.currentPartIndex(), 1);
    EXPECT_EQ(engine.currentEvent(), 0);
    EXPECT_TRUE(simu_form->progressLine()->text().contains(QStringLiteral("Part 2 of %1").arg(parts)));
    for (int i = 0; i < parts + 2; ++i)
        key(Qt::Key_PageDown);
    EXPECT_EQ(engine.currentPartIndex(), parts - 1);
    engine.goToEvent(parts - 1, 4);
    key(Qt::Key_Home);
    EXPECT_EQ(engine.currentPartIndex(), parts - 1);
    EXPECT_EQ(engine.currentEvent(), 0);
    key(Qt::Key_PageUp);
    EXPECT_EQ(engine.currentPartIndex(), parts - 2);
    key(Qt::Key_P);
    EXPECT_TRUE(simu_form->progressLine()->text().endsWith(QStringLiteral("\u00b7 Paused")));
    EXPECT_FALSE(simu_form->Timer1->enabled());
    key(Qt::Key_P);
    EXPECT_FALSE(simu_form->progressLine()->text().contains(QStringLiteral("Paused")));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

TEST_F(SeekTest, LessonEndOffersTheNextLessonOrTheWayBack)
{
    auto key = [](int k) {
        QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(simu_form->Panel1, &event);
    };
    for (const bool next : {true, false}) {
        const std::vector<Snapshot> played = playThrough(0);
        ASSERT_TRUE(simu_form->lessonEnd()->isVisible());
        EXPECT_TRUE(simu_form->lessonEnd()->nextLesson()->isEnabled());
        EXPECT_TRUE(simu_form->windowTitle().startsWith(QStringLiteral("Lesson 1, part 1 of 1 - ")));
        // Stopped on the last frame, as a lesson always ends.
        EXPECT_FALSE(simu_form->Timer1->enabled());
        EXPECT_FALSE(simu_form->Timer2->enabled());
        key(next ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(simu_form->lessonEnd()->isVisible());
        if (next) {
            EXPECT_EQ(simu_form->engine().queue(), Catalogue::partCodes(1));
            EXPECT_EQ(simu_form->engine().currentPartIndex(), 0);
            EXPECT_TRUE(simu_form->isVisible());
        } else {
            EXPECT_FALSE(simu_form->isVisible());
        }
    }
    // The last lesson has none after it.
    playThrough(19);
    ASSERT_TRUE(simu_form->lessonEnd()->isVisible());
    EXPECT_FALSE(simu_form->lessonEnd()->nextLesson()->isEnabled());
    key(Qt::Key_Return);
    EXPECT_TRUE(simu_form->lessonEnd()->isVisible());
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

} // namespace
