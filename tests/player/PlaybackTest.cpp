#include "CourseBuilder.h"
#include "PlayerFixture.h"

#include "playback/PartLoader.h"
#include "platform/HostPath.h"
#include "platform/FrameShow.h"
#include "platform/HandlerGuard.h"
#include "player/ImageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <map>

using CourseBuilder::centreColour;
using CourseBuilder::frameColour;
using CourseBuilder::near;
using CourseBuilder::openStore;

namespace {

std::vector<QColor> colours(int store, int frames)
{
    std::vector<QColor> c;
    for (int f = 0; f < frames; ++f)
        c.push_back(frameColour(store, f));
    return c;
}

QColor shownColour()
{
    return centreColour(simu_form->Image1->picture());
}

bool scratchFileExists()
{
    return QFileInfo::exists(HostPath::toHost(QString::fromLatin1(FrameShow::kScratchFile)));
}

} // namespace

class PlaybackTest : public PlayerWindows {};

TEST_F(PlaybackTest, WholePartPlaysEventByEvent)
{
    const std::vector<QPoint> recorded = {{100, 50}, {300, 200}, {300, 200}, {20, 400}, {620, 10}};
    simu_form->engine().setEventScript(script({mouseEvent(0, 100, 50), mouseEvent(1, 300, 200), keyEvent(2),
                                 mouseEvent(3, 20, 400), mouseEvent(4, 620, 10)}));
    simu_form->engine().setStepScript(step(1, 3, "215 177 181 131", {"Pick the field."}, "ARR_R1R.BMP", " 225", " 169"));
    CourseBuilder::makeStore("p9", colours(0, 5));
    openStore("p9");

    simu_form->showPlayer();
    EXPECT_TRUE(near(shownColour(), frameColour(0, 0)));
    EXPECT_FALSE(scratchFileExists());
    simu_form->save1Click();
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();

    for (int event = 0; event < 5; ++event) {
        SCOPED_TRACE(event);
        ASSERT_TRUE(simu_form->Timer1->enabled());
        tickUntilArrived();
        EXPECT_EQ(pointer.moves.back(), origin() + recorded[size_t(event)]);
        EXPECT_TRUE(simu_form->Timer2->enabled());
        const size_t movesBefore = pointer.moves.size();
        simu_form->Timer2Timer();
        EXPECT_EQ(pointer.moves.size(), movesBefore); // the frame step moves no pointer
        if (event == 4)
            break;
        EXPECT_TRUE(near(shownColour(), frameColour(0, event + 1)));
        EXPECT_EQ(simu_form->Label1->text(), QString::number(event + 2));
        EXPECT_FALSE(scratchFileExists());
        EXPECT_FALSE(simu_form->Timer2->enabled());
        if (event + 1 == 3) {
            // Frame 3 has its step: box and arrow, and the pointer waits
            // at event 2's place until NEXT.
            ASSERT_TRUE(popupform->isVisible());
            EXPECT_EQ(popupform->pos(), origin() + QPoint(215, 177));
            EXPECT_TRUE(simu_form->Image2->isVisibleTo(simu_form));
            EXPECT_EQ(simu_form->Image2->pos(),
                      QPoint(169 + origin().x(), 225 + origin().y() - simu_form->engine().state().menuoffset));
            EXPECT_EQ(simu_form->Image2->size(), QSize(58, 46));
            EXPECT_FALSE(simu_form->Timer1->enabled());
            EXPECT_EQ(simu_form->Timer2->tag(), 0);
            popupform->BBB->click();
            EXPECT_FALSE(popupform->isVisible());
        } else {
            EXPECT_FALSE(popupform->isVisible());
            EXPECT_FALSE(simu_form->Image2->isVisibleTo(simu_form)); // hidden again after frame 3
        }
    }
    EXPECT_EQ(simu_form->Label1->text(), "Done.....");
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
    EXPECT_TRUE(near(shownColour(), frameColour(0, 4)));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}

// Each frame takes the place of the one before it in memory, so one frame is
// held; when the scratch file cannot be made, the frame on screen stays, and
// the next frame that can be made shows again.
TEST_F(PlaybackTest, OneFrameIsHeldAndAFailedStepKeepsTheFrameOnScreen)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 10, 10), mouseEvent(1, 20, 20), mouseEvent(2, 30, 30),
                                 mouseEvent(3, 40, 40)}));
    CourseBuilder::makeStore("p9", colours(2, 4));
    openStore("p9");
    simu_form->showPlayer();
    const QString blocker = HostPath::toHost(QString::fromLatin1(FrameShow::kScratchFile));
    // The first frame, decoded while the player came up, is the one held
    // once it has arrived.
    ASSERT_TRUE(near(shownColour(), frameColour(2, 0)));
    EXPECT_EQ(simu_form->framebmp->constBits(), simu_form->Image1->picture().constBits());

    const struct {
        const char* what;
        bool blocked;
        int shownFrame;
    } steps[] = {
        {"second frame", false, 1},
        {"scratch file blocked", true, 1},
        {"scratch file free again", false, 3},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const uchar* before = simu_form->framebmp->constBits();
        if (s.blocked)
            ASSERT_TRUE(QDir().mkpath(blocker));
        errors.messages.clear();
        simu_form->Timer2Timer();
        if (s.blocked) {
            ASSERT_TRUE(QDir(blocker).removeRecursively());
            EXPECT_EQ(errors.messages, QStringList{"Cannot create file c:\\1.jpg."});
        } else {
            EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
        }
        EXPECT_TRUE(near(shownColour(), frameColour(2, s.shownFrame)));
        EXPECT_EQ(simu_form->Image1->picture().constBits(), simu_form->framebmp->constBits());
        EXPECT_EQ(simu_form->framebmp->constBits(), before) << "a second frame in new memory";
    }
}

TEST_F(PlaybackTest, FewerFramesThanEventsRepeatTheLastAndNextStopsAtTheEnd)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 10, 10), mouseEvent(1, 20, 20), mouseEvent(2, 30, 30),
                                 mouseEvent(3, 40, 40)}));
    simu_form->engine().setStepScript(step(1, 3, "0 0 1 1", {"Last step."}));
    CourseBuilder::makeStore("p9a", colours(1, 2));
    openStore("p9a");
    simu_form->showPlayer();
    simu_form->save1Click();
    for (int event = 1; event <= 3; ++event) {
        tickUntilArrived();
        simu_form->Timer2Timer();
        EXPECT_TRUE(near(shownColour(), frameColour(1, std::min(event, 1)))) << event;
        EXPECT_EQ(simu_form->Label1->text(), "2") << event;
    }
    EXPECT_TRUE(ProForm->Table1.eof());
    ASSERT_TRUE(popupform->isVisible());
    popupform->NBClick();
    EXPECT_FALSE(popupform->isVisible());
    EXPECT_FALSE(simu_form->Timer1->enabled()); // the store has run out

    // Closing the box instead lets the pointer go in any case.
    simu_form->engine().setFrameTimerTag(0);
    popupform->show();
    popupform->close();
    EXPECT_TRUE(simu_form->Timer1->enabled());
}

TEST_F(PlaybackTest, BadEventLineSkipsTheRestOfTheStepButNotTheNext)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 10, 10), {"# 0001  Mouse:513 X=010 Y=abc Event:Left_Button_Down", "", ""},
                                 mouseEvent(2, 50, 60)}));
    CourseBuilder::makeStore("p4a", colours(2, 3));
    openStore("p4a");
    simu_form->showPlayer();
    simu_form->save1Click();
    tickUntilArrived();
    simu_form->Timer2Timer();
    EXPECT_EQ(errors.messages, QStringList{"'abc' is not a valid integer value."});
    EXPECT_TRUE(near(shownColour(), frameColour(2, 1))); // the frame had already moved on
    EXPECT_TRUE(simu_form->Timer2->enabled());            // the next frame step follows
    simu_form->Timer2Timer();
    tickUntilArrived();
    EXPECT_EQ(pointer.moves.back(), origin() + QPoint(50, 60));
}

TEST_F(PlaybackTest, ClosedStoreShowsNoFrameAndNoError)
{
    const QImage before = simu_form->Image1->picture();
    simu_form->showPlayer();
    EXPECT_EQ(simu_form->Image1->picture(), before);
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(PlaybackTest, MissingFrameStoreShowsTheEngineErrorAndNoPlayer)
{
    PartLoader::Target* target = PartLoader::setTarget(nullptr);
    PartLoader::setTarget(target);
    ASSERT_NE(target, nullptr);
    const Catalogue::PartEntry part{QStringLiteral("p2"), 2, 1, QStringLiteral("ListBox3"), QStringLiteral("ListBox4"),
                                    QStringLiteral("proj2"), QStringLiteral("master\\p2\\"), 92, 16};
    guarded([&] { PartLoader::load(part, *target); });
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_FALSE(simu_form->isVisible());
    EXPECT_FALSE(ProForm->Table1.isOpen());
    EXPECT_EQ(ProForm->windowTitle(), "p2");
    EXPECT_EQ(ProForm->Table1.databaseName(), "master\\p2\\");

    // With the store in place the same load shows and runs the player.
    errors.messages.clear();
    CourseBuilder::makeStore("p2", colours(3, 2));
    guarded([&] { PartLoader::load(part, *target); });
    EXPECT_TRUE(simu_form->isVisible());
    EXPECT_TRUE(near(shownColour(), frameColour(3, 0)));
}

// Run restarts the part on its first frame: the narration and the pointer
// targets that follow belong to the frames they are recorded on.
TEST_F(PlaybackTest, RunGoesBackToThePartsFirstFrameAndHidesTheArrow)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 300, 200), mouseEvent(1, 100, 40), mouseEvent(2, 500, 400)}));
    simu_form->engine().setStepScript(step(1, 1, "215 177 181 131", {"Here."}, "ARR_R1R.BMP", "100", "100"));
    CourseBuilder::makeStore("p9", colours(0, 3));
    openStore("p9");
    simu_form->showPlayer();
    simu_form->save1Click();
    tickUntilArrived();
    simu_form->Timer2Timer();
    ASSERT_EQ(ProForm->Table1.recNo(), 2);
    ASSERT_TRUE(simu_form->Image2->isVisible());
    popupform->NBClick();

    simu_form->save1Click();
    EXPECT_EQ(ProForm->Table1.recNo(), 1);
    EXPECT_EQ(simu_form->engine().screen().frameRecord, 1);
    EXPECT_TRUE(near(shownColour(), frameColour(0, 0)));
    EXPECT_FALSE(simu_form->Image2->isVisible());
    EXPECT_EQ(pointer.moves.back(), origin());
    EXPECT_EQ(simu_form->engine().state().lineindex, 0);
    EXPECT_TRUE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
}

// Each start shows its own store's first frame, decoded while the player
// came up, and held as the frame on screen; a start with the same first
// frame as the start before (p11 after p10) shows it all the same.
TEST_F(PlaybackTest, EachStartShowsItsStoresFirstFrame)
{
    simu_form->engine().setEventScript(script({mouseEvent(0, 10, 10), mouseEvent(1, 20, 20)}));
    const struct {
        const char* code;
        int store;
    } starts[] = {{"p9", 3}, {"p10", 4}, {"p11", 4}};
    for (const auto& start : starts) {
        SCOPED_TRACE(start.code);
        const int store = start.store;
        CourseBuilder::makeStore(start.code, colours(store, 2));
        openStore(start.code);
        simu_form->showPlayer();
        EXPECT_TRUE(near(shownColour(), frameColour(store, 0)));
        EXPECT_EQ(simu_form->framebmp->constBits(), simu_form->Image1->picture().constBits());
        EXPECT_FALSE(scratchFileExists());
        simu_form->Close1Click();
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
}
