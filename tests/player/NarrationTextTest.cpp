#include "player/showm.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// The narration box holds exactly the lines given, blank ones included, and
// shows a long narration from its first line.
TEST(NarrationText, LinesAreKeptExactlyAndShownFromTheStart)
{
    QStringList longText;
    for (int i = 0; i < 60; ++i)
        longText << QStringLiteral("line %1 of a long narration").arg(i);
    const struct Case {
        const char* name;
        QStringList lines;
    } cases[] = {
        {"one line", {"Welcome."}},
        {"leading blank line", {"", "After a blank."}},
        {"blank lines inside and at the end", {"One", "", "Two", ""}},
        {"long", longText},
    };
    Tpopupform box;
    box.show();
    // Each after a long text scrolled down.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.setLines(longText);
        box.Memo1->verticalScrollBar()->setValue(box.Memo1->verticalScrollBar()->maximum());
        box.setLines(c.lines);
        EXPECT_EQ(box.Memo1->toPlainText(), c.lines.join(QLatin1Char('\n')));
        EXPECT_EQ(box.lines(), c.lines);
        EXPECT_EQ(box.Memo1->verticalScrollBar()->value(), 0);
    }
}

} // namespace
