#include "CourseFixture.h"

#include <QListWidget>

// A whole lesson of several parts played from the double click to the last
// frame of its last part, by driving the handlers as the timers and the
// user would. The sanitizer build runs it under LeakSanitizer, and it is the
// run that valgrind checks (see scripts/memcheck).

namespace {

using WholeLesson = CourseWindows;

TEST_F(WholeLesson, PlaysEveryPartInOrderAndStopsOnTheLastFrame)
{
    // Lesson 11 has four parts; frames and steps differ per part.
    const QStringList codes = {"p11", "p11a", "p11b", "p11c"};
    const int frames[] = {4, 3, 5, 2};
    for (int i = 0; i < codes.size(); ++i) {
        Course::writeStore(codes[i], frames[i]);
        target->setScripts(codes[i], Course::events(frames[i]), Course::steps({0, frames[i] - 1}));
    }

    playLesson(10);
    ASSERT_EQ(Mainf->playlistbox->count(), 4);
    QStringList played = {ProForm->windowTitle()};
    int boxes = 0;
    int events = 0;
    for (int guard = 0; guard < 500; ++guard) {
        if (popupform->isVisible()) {
            ++boxes;
            popupform->NBClick();
            continue;
        }
        if (!stepOneEvent())
            break;
        ++events;
        if (played.last() != ProForm->windowTitle())
            played << ProForm->windowTitle();
    }

    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    EXPECT_EQ(played, codes);
    EXPECT_EQ(boxes, 2 * 4);
    EXPECT_EQ(events, 4 + 3 + 5 + 2);
    EXPECT_EQ(ProForm->Table1.recNo(), 2);
    EXPECT_EQ(shownFrame(), 1);
    EXPECT_FALSE(simu_form->Timer1->enabled());
    EXPECT_FALSE(simu_form->Timer2->enabled());
}

} // namespace
