// The example form carried from part to part, the pacing of the steps, and
// the running form's check boxes.
#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "content/StepScript.h"
#include "content/designer/ScreenModel.h"
#include "content/designer/ScreenPainter.h"
#include "content/storyboard/ContinuityCheck.h"
#include "content/storyboard/FrameRenderer.h"
#include "content/storyboard/Storyboard.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A part on module M with one canvas; head holds its starting state, tail
// what follows the one recorded click.
Storyboard part(const QString& code, const QStringList& head, const QStringList& tail = {})
{
    QStringList lines = {"part " + code};
    lines << head << "window navigator 0 63 300 397" << "expand Forms" << "click node:Forms" << tail;
    return Storyboard::parse(lines, code + ".story");
}

TEST(ContinuityCheck, NamesWhatChangesBetweenParts)
{
    const QStringList form = {"node Forms/M : module", "node Forms/M/Blocks/B : block", "item A textitem 10 10 80 18"};
    const struct {
        const char* name;
        QStringList secondHead;
        QStringList firstTail;
        QStringList expected;   // pieces of the one problem; empty for none
    } cases[] = {
        {"same form", form, {}, {}},
        {"item moved",
         {"node Forms/M : module", "node Forms/M/Blocks/B : block", "item A textitem 20 10 80 18"},
         {},
         {"p2 does not begin where p1 ended", "- A textitem 10 10 80 18", "+ A textitem 20 10 80 18"}},
        {"node vanished", {"node Forms/M : module", "item A textitem 10 10 80 18"}, {}, {"- Forms/M/Blocks/B : block"}},
        {"label changed", {"node Forms/M : module", "node Forms/M/Blocks/B : block", "item A textitem 10 10 80 18 Due"},
         {}, {"+ A textitem 10 10 80 18 Due"}},
        {"made after the last record still counts", form + QStringList{"item C button 5 5 40 18 Go"},
         {"item C button 5 5 40 18 Go"}, {}},
        {"starts elsewhere", QStringList{"starts-elsewhere a sample is opened", "node Forms/S : module"}, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<Storyboard> boards;
        boards.push_back(part("p1", form, c.firstTail));
        boards.push_back(part("p2", c.secondHead));
        const QStringList problems = ContinuityCheck::check(boards);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(problems.isEmpty()) << c.name << ": " << problems.join(" | ").toStdString();
            continue;
        }
        ASSERT_EQ(problems.size(), 1) << c.name;
        for (const QString& piece : c.expected)
            EXPECT_TRUE(problems.first().contains(piece)) << c.name << ": " << problems.first().toStdString();
    }
}

TEST(ContinuityCheck, EveryPartOfTheCourseBeginsWhereThePartBeforeEnded)
{
    const QStringList problems = ContinuityCheck::checkCourse();
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST(Storyboard, StartingElsewhereNeedsAReason)
{
    EXPECT_EQ(part("p1", {}).startsElsewhere(), QString());
    const Storyboard opened = Storyboard::parse({"part p1", "starts-elsewhere a copy is opened", "click status"}, "t.story");
    EXPECT_EQ(opened.startsElsewhere(), "a copy is opened");
    try {
        Storyboard::parse({"part p1", "starts-elsewhere", "click status"}, "t.story");
        FAIL() << "a bare starts-elsewhere was accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().contains("line 2")) << e.message().toStdString();
    }
}

// The longest run of events between two steps, counting from the first
// event to the first step and from the last step to the end of the part.
int longestStretch(int events, const std::vector<Step>& steps)
{
    int previous = 0;
    int longest = 0;
    for (const Step& s : steps) {
        longest = std::max(longest, s.screen - previous);
        previous = s.screen;
    }
    return std::max(longest, events - previous);
}

// No part leaves the learner more than 15 events without a step, except
// where its step count cannot allow it: there the steps are spread as evenly
// as the count permits.
TEST(Pacing, NoLongStretchWithoutAStep)
{
    int parts = 0;
    for (const auto& entry : Catalogue::parts()) {
        const QStringList eventLines = ScriptLibrary::lines(entry.sheet, entry.eventList);
        const std::vector<Step> steps = StepScript::parse(ScriptLibrary::lines(entry.sheet, entry.stepList));
        const int events = entry.events;
        ASSERT_FALSE(eventLines.isEmpty()) << entry.code.toStdString();
        ++parts;
        const int runs = static_cast<int>(steps.size()) + 1;
        const int evenest = (events + runs - 1) / runs;
        EXPECT_LE(longestStretch(events, steps), std::max(15, evenest))
            << entry.code.toStdString() << ": " << events << " events, " << steps.size() << " steps";
    }
    EXPECT_EQ(parts, 37);
}

TEST(ScreenModel, ARunningFormsCheckBoxIsTickedByClicksAndCommands)
{
    const struct {
        const char* name;
        QStringList commands;   // "click TARGET" acts as a recorded click
        bool ticked;
    } cases[] = {
        {"a new record", {}, false},
        {"one click", {"click run:PAID"}, true},
        {"a second click clears it", {"click run:PAID", "click run:PAID"}, false},
        {"ticked by the storyboard", {"check run:PAID"}, true},
        {"cleared by the storyboard", {"check run:PAID", "uncheck run:PAID"}, false},
        {"a click on a text item leaves it", {"click run:NOTE"}, false},
        {"drawn again after removal", {"check run:PAID", "remove PAID", "item PAID check 10 40 90 16 Paid"}, false},
    };
    for (const auto& c : cases) {
        ScreenModel m;
        m.command("item", "PAID check 10 40 90 16 Paid");
        m.command("item", "NOTE textitem 10 10 80 18");
        m.command("window", "runtime 40 90 560 300");
        for (const QString& command : c.commands) {
            const QString verb = command.section(' ', 0, 0);
            const QString args = command.section(' ', 1);
            if (verb == "click") {
                m.event(ScreenModel::Input::Down, args);
                m.event(ScreenModel::Input::Up, args);
            } else {
                m.command(verb, args);
            }
        }
        bool ticked = false;
        for (const auto& e : m.elements())
            if (e.name == "run:PAID")
                ticked = e.flags & ScreenElement::Ticked;
        EXPECT_EQ(ticked, c.ticked) << c.name;
    }
    ScreenModel m;
    m.command("item", "NOTE textitem 10 10 80 18");
    EXPECT_THROW(m.command("check", "run:NOTE"), AppError) << "only check boxes take a tick";
}

// A value picked from a list shows that list open under its cell, the
// chosen row marked, until the next press.
TEST(ScreenModel, APaletteValuesChoicesOpenUnderItsCell)
{
    const auto open = [](const QString& prop, const QString& list) {
        ScreenModel m;
        m.command("window", "palette 300 63 340 397");
        m.command("node", "Forms/M/Blocks/B : block");
        m.command("select", "Forms/M/Blocks/B");
        m.event(ScreenModel::Input::Down, "val:" + prop);
        m.command("droplist", list);
        return m;
    };
    const auto rows = [](const ScreenModel& m) {
        std::vector<ScreenElement> out;
        for (const auto& e : m.elements())
            if (e.kind == "listrow")
                out.push_back(e);
        return out;
    };
    // The lowest row the palette shows has no room below it.
    QString lowest;
    for (const auto& e : open("Name", "Yes | No = Yes").elements())
        if (e.kind == "propval")
            lowest = e.name.mid(4);
    const struct { QString prop; const char* list; bool below; } cases[] = {
        {"Single Record", "Yes | No = Yes", true},
        {lowest, "Yes | No = No", false},
    };
    for (const auto& c : cases) {
        const ScreenModel m = open(c.prop, c.list);
        const QRect cell = *m.target("val:" + c.prop);
        const auto shown = rows(m);
        ASSERT_EQ(shown.size(), 2u) << c.prop.toStdString();
        EXPECT_EQ(shown[0].rect.left(), cell.left() + 1) << c.prop.toStdString();
        EXPECT_EQ(shown[0].rect.top() > cell.bottom(), c.below) << c.prop.toStdString();
        const int marked = std::count_if(shown.begin(), shown.end(),
                                         [](const ScreenElement& e) { return e.flags & ScreenElement::Selected; });
        EXPECT_EQ(marked, 1) << c.prop.toStdString();
    }
    ScreenModel m = open("Single Record", "Yes | No = No");
    m.event(ScreenModel::Input::Up, "val:Single Record");
    m.event(ScreenModel::Input::Down, "val:Enabled");
    EXPECT_TRUE(rows(m).empty()) << "the next press closes the list";
    EXPECT_THROW(open("Single Record", "Yes | No = Maybe"), AppError);
}

TEST(ScreenPainter, ATickedCheckBoxLooksTicked)
{
    ScreenModel m;
    m.command("item", "PAID check 10 40 90 16 Paid");
    m.command("window", "runtime 40 90 560 300");
    const QRect box = *m.target("run:PAID");
    const QImage clear = ScreenPainter::draw(m).copy(box.left(), box.top(), 14, box.height());
    m.command("check", "run:PAID");
    const QImage ticked = ScreenPainter::draw(m).copy(box.left(), box.top(), 14, box.height());
    EXPECT_NE(clear, ticked);
}

// A canvas item's name or label is what the narration tells the learner to
// find, so one cut short stops the render like any other cut-off text; a
// value typed into a running form is cut like an edit control cuts it.
TEST(ScreenPainter, ACanvasItemsNameMustShowWhole)
{
    const struct {
        const char* name;
        QString item;
        const char* window;
        bool clipped;
    } cases[] = {
        {"long name in a narrow item", "CUSTOMER_ID textitem 20 20 45 18", "layout 0 63 640 397", true},
        {"the same item wide enough", "CUSTOMER_ID textitem 20 20 90 18", "layout 0 63 640 397", false},
        {"a button too small for its name shows a plain face", "PUSH_BUTTON1 button 20 20 22 18", "layout 0 63 640 397", false},
        {"a button just too narrow", "PUSH_BUTTON1 button 20 20 76 18", "layout 0 63 640 397", false},
        {"a text item just too narrow", "CUSTOMER_ID textitem 20 20 70 18", "layout 0 63 640 397", true},
        {"a label that fits", "PUSH_BUTTON1 button 20 20 56 18 Find", "layout 0 63 640 397", false},
        {"a radio button", "RADIO_BUTTON1 radio 20 20 60 16", "layout 0 63 640 397", true},
        {"a long label", "PAY radio 20 20 60 16 Payment by invoice", "layout 0 63 640 397", true},
    };
    for (const auto& c : cases) {
        ScreenModel m;
        m.command("window", c.window);
        m.command("item", c.item);
        std::vector<ScreenPainter::ClippedText> clipped;
        ScreenPainter::draw(m, {}, {}, &clipped);
        EXPECT_EQ(!clipped.empty(), c.clipped) << c.name;
    }
    ScreenModel running;
    running.command("item", "CUSTOMER_ID textitem 20 20 45 18");
    running.command("window", "runtime 40 90 560 300");
    running.command("set", "run:CUSTOMER_ID = 1234567890123");
    std::vector<ScreenPainter::ClippedText> clipped;
    ScreenPainter::draw(running, {}, {}, &clipped);
    EXPECT_TRUE(clipped.empty()) << "a running form's value is cut like an edit control's";
}

} // namespace
