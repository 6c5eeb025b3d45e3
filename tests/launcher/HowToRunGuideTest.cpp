#include "launcher/HowToRunGuide.h"

#include <gtest/gtest.h>

#include <optional>

using Event = HowToRunGuide::Event;

namespace {

const char* name(Event e)
{
    switch (e) {
    case Event::HowToRun:
        return "HowToRun";
    case Event::PointerOverLessons:
        return "PointerOverLessons";
    case Event::LessonClick:
        return "LessonClick";
    }
    return "?";
}

} // namespace

// Every state against every event, with the play list visible and hidden.
TEST(HowToRunGuideTest, TransitionTable)
{
    const QStringList first{QStringLiteral("Please move mouse to the WHITE box area! ===>")};
    const QStringList click{QStringLiteral("Please click on one of the topics ... ====>")};
    const QStringList blackBox{QStringLiteral("Now, Black Box is showing its contents ... ====>"),
        QStringLiteral("Please double click on it to run the simulation ...=>")};
    const std::optional<QStringList> none;

    const struct {
        int state;
        bool visible;
        Event event;
        int nextState;
        std::optional<QStringList> lines;
        bool show;
    } cases[] = {
        {0, false, Event::HowToRun, 1, first, true},
        {1, false, Event::HowToRun, 1, first, true},
        {9, false, Event::HowToRun, 1, first, true},
        {0, true, Event::HowToRun, 1, first, true},
        {1, true, Event::HowToRun, 1, first, true},
        {9, true, Event::HowToRun, 1, first, true},

        {0, false, Event::PointerOverLessons, 0, none, false},
        {1, false, Event::PointerOverLessons, 1, none, false},
        {9, false, Event::PointerOverLessons, 9, none, false},
        {0, true, Event::PointerOverLessons, 0, none, false},
        {1, true, Event::PointerOverLessons, 1, click, false},
        {9, true, Event::PointerOverLessons, 0, blackBox, false},

        {0, false, Event::LessonClick, 0, none, false},
        {1, false, Event::LessonClick, 1, none, false},
        {9, false, Event::LessonClick, 9, none, false},
        {0, true, Event::LessonClick, 9, blackBox, false},
        {1, true, Event::LessonClick, 9, blackBox, false},
        {9, true, Event::LessonClick, 9, blackBox, false},
    };
    for (const auto& c : cases) {
        const auto out = HowToRunGuide::apply(c.state, c.visible, c.event);
        const std::string where = std::string(name(c.event)) + " in state " + std::to_string(c.state)
            + (c.visible ? " (visible)" : " (hidden)");
        EXPECT_EQ(out.state, c.nextState) << where;
        EXPECT_EQ(out.lines.has_value(), c.lines.has_value()) << where;
        if (out.lines && c.lines)
            EXPECT_EQ(*out.lines, *c.lines) << where;
        EXPECT_EQ(out.showBesideLessons, c.show) << where;
    }
}
