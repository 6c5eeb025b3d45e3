// The example form carried from part to part, the pacing of the steps, and
// what the designer's canvas and running form show.
#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "content/StepScript.h"
#include "content/designer/ScreenModel.h"
#include "content/designer/ScreenPainter.h"
#include "content/storyboard/ContinuityCheck.h"
#include "content/storyboard/Storyboard.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Storyboard part(const QString& code, const QStringList& head)
{
    return Storyboard::parse(QStringList{"part " + code} + head + QStringList{"window navigator 0 63 300 397", "click node:Forms"},
                             code + ".story");
}

TEST(ContinuityCheck, NamesWhatChangesBetweenParts)
{
    const QStringList form = {"node Forms/M : module", "node Forms/M/Blocks/B : block", "item A textitem 10 10 80 18"};
    const struct { const char* name; QStringList next; QStringList expected; } cases[] = {
        {"same form", form, {}},
        {"item moved", {form[0], form[1], "item A textitem 20 10 80 18"}, {"- A textitem 10 10 80 18", "+ A textitem 20 10 80 18"}},
        {"node vanished", {form[0], form[2]}, {"p2 does not begin where p1 ended: - Forms/M/Blocks/B : block"}},
        {"starts elsewhere", {"starts-elsewhere a sample is opened", "node Forms/S : module"}, {}},
    };
    for (const auto& c : cases) {
        const QStringList problems = ContinuityCheck::check({part("p1", form), part("p2", c.next)});
        ASSERT_EQ(problems.size(), c.expected.isEmpty() ? 0 : 1) << c.name;
        for (const QString& piece : c.expected)
            EXPECT_TRUE(problems.first().contains(piece)) << c.name << ": " << problems.first().toStdString();
    }
    EXPECT_THROW(part("p1", {"starts-elsewhere"}), AppError) << "the reason is required";
}

TEST(ContinuityCheck, EveryPartOfTheCourseBeginsWhereThePartBeforeEnded)
{
    const QStringList problems = ContinuityCheck::checkCourse();
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// No part leaves the learner more than 15 events without a step, except
// where its step count cannot allow it: there the steps are spread as evenly
// as the count permits (the stretches add up to the events).
TEST(Pacing, NoLongStretchWithoutAStep)
{
    for (const auto& entry : Catalogue::parts()) {
        const std::vector<Step> steps = StepScript::parse(ScriptLibrary::lines(entry.sheet, entry.stepList));
        int previous = 0;
        int longest = 0;
        for (const Step& s : steps) {
            longest = std::max(longest, s.screen - previous);
            previous = s.screen;
        }
        longest = std::max(longest, entry.events - previous);
        const int runs = static_cast<int>(steps.size()) + 1;
        EXPECT_LE(longest, std::max(15, (entry.events + runs - 1) / runs)) << entry.code.toStdString();
    }
}

bool flagged(const ScreenModel& m, const QString& name, int flag)
{
    for (const auto& e : m.elements())
        if (e.name == name)
            return e.flags & flag;
    return false;
}

TEST(ScreenModel, ARunningFormsCheckBoxIsTickedByClicksAndCommands)
{
    const struct { const char* name; QStringList steps; bool ticked; } cases[] = {
        {"a new record", {}, false},
        {"one click", {"click run:PAID"}, true},
        {"a second click clears it", {"click run:PAID", "click run:PAID"}, false},
        {"ticked, then cleared by the storyboard", {"check run:PAID", "uncheck run:PAID"}, false},
        {"a click on a text item leaves it", {"click run:NOTE"}, false},
        {"drawn again after removal", {"check run:PAID", "remove PAID", "item PAID check 10 40 90 16 Paid"}, false},
    };
    for (const auto& c : cases) {
        ScreenModel m;
        m.command("item", "PAID check 10 40 90 16 Paid");
        m.command("item", "NOTE textitem 10 10 80 18");
        m.command("window", "runtime 40 90 560 300");
        for (const QString& step : c.steps) {
            if (step.startsWith("click ")) {
                m.event(ScreenModel::Input::Down, step.mid(6));
                m.event(ScreenModel::Input::Up, step.mid(6));
            } else {
                m.command(step.section(' ', 0, 0), step.section(' ', 1));
            }
        }
        EXPECT_EQ(flagged(m, "run:PAID", ScreenElement::Ticked), c.ticked) << c.name;
    }
}

// A value picked from a list shows the list open under its cell, the chosen
// row marked, until the next press.
TEST(ScreenModel, APaletteValuesChoicesOpenUnderItsCell)
{
    ScreenModel m;
    m.command("window", "palette 300 63 340 397");
    m.command("node", "Forms/M/Blocks/B : block");
    m.command("select", "Forms/M/Blocks/B");
    m.event(ScreenModel::Input::Down, "val:Single Record");
    EXPECT_THROW(m.command("droplist", "Yes | No = Maybe"), AppError);
    m.command("droplist", "Yes | No = No");
    const QRect cell = *m.target("val:Single Record");
    QList<QPair<QString, bool>> rows;
    for (const auto& e : m.elements())
        if (e.kind == "listrow") {
            rows << qMakePair(e.text, bool(e.flags & ScreenElement::Selected));
            EXPECT_GT(e.rect.top(), cell.bottom());
        }
    EXPECT_EQ(rows, (QList<QPair<QString, bool>>{{"Yes", false}, {"No", true}}));
    m.event(ScreenModel::Input::Up, "val:Single Record");
    m.event(ScreenModel::Input::Down, "val:Enabled");
    for (const auto& e : m.elements())
        EXPECT_NE(e.kind, "listrow") << "the next press closes the list";
}

// The name on a canvas item is what the narration tells the learner to look
// for: one cut short counts as clipped and stops the render. A button too
// small for its name shows a plain face; a running form's value is cut like
// an edit control cuts it.
TEST(ScreenPainter, ACanvasItemsNameMustShowWhole)
{
    const struct { const char* item; const char* window; const char* value; bool clipped; } cases[] = {
        {"CUSTOMER_ID textitem 20 20 45 18", "layout 0 63 640 397", "", true},
        {"CUSTOMER_ID textitem 20 20 90 18", "layout 0 63 640 397", "", false},
        {"RADIO_BUTTON1 radio 20 20 60 16", "layout 0 63 640 397", "", true},
        {"PUSH_BUTTON1 button 20 20 22 18", "layout 0 63 640 397", "", false},
        {"PUSH_BUTTON1 button 20 20 56 18 Find", "layout 0 63 640 397", "", false},
        {"CUSTOMER_ID textitem 20 20 45 18", "runtime 40 90 560 300", "1234567890123", false},
    };
    for (const auto& c : cases) {
        ScreenModel m;
        m.command("window", c.window);
        m.command("item", c.item);
        m.command("set", QString("run:CUSTOMER_ID = ") + c.value);
        std::vector<ScreenPainter::ClippedText> clipped;
        ScreenPainter::draw(m, {}, {}, &clipped);
        EXPECT_EQ(!clipped.empty(), c.clipped) << c.item << " in " << c.window;
    }
}

} // namespace
