#include "content/Catalogue.h"
#include "content/EventScript.h"
#include "content/ScriptLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptLibrary, StorageSplitsAndJoinsExactly)
{
    const struct { QByteArray bytes; QStringList lines; } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\n", {"a"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"trailing blank \n!\n", {"trailing blank ", "!"}},
        {"key \x08 name\n", {QStringLiteral("key ") + QChar(8) + QStringLiteral(" name")}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptLibrary::splitLines(c.bytes), c.lines) << c.bytes.toStdString();
        EXPECT_EQ(ScriptLibrary::joinLines(c.lines), c.bytes);
    }
    EXPECT_EQ(ScriptLibrary::joinLines({"a", ""}, "\r\n"), QByteArray("a\r\n\r\n"));
}

TEST(ScriptLibrary, SpareSheetHoldsFiveLineEventListAndEmptyStepList)
{
    const QStringList events = ScriptLibrary::lines("proj1a", "ListBox73");
    ASSERT_EQ(events.size(), 5);
    EXPECT_EQ(EventScript::parse(events).size(), 2u);
    EXPECT_TRUE(ScriptLibrary::lines("proj1a", "ListBox74").isEmpty());
    EXPECT_EQ(ScriptLibrary::lists("proj1a"), (QStringList{"ListBox73", "ListBox74"}));
}

TEST(ScriptLibrary, UnknownOrUnsafeNamesFindNothing)
{
    const struct { const char* sheet; const char* list; } cases[] = {
        {"proj1a", "ListBox1"}, {"PROJ1A", "ListBox73"}, {"proj1a", "listbox73"},
        {"proj1a/..", "proj1a/ListBox73"}, {"..", "library"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(ScriptLibrary::lines(c.sheet, c.list).isEmpty()) << c.sheet << " " << c.list;
    EXPECT_TRUE(ScriptLibrary::lists("proj99").isEmpty());
}

TEST(ScriptLibrary, SheetsFollowTheCatalogue)
{
    if (Catalogue::parts().empty())
        GTEST_SKIP() << "catalogue not available yet";
    const QStringList sheets = ScriptLibrary::sheets();
    ASSERT_EQ(sheets.size(), 38);
    EXPECT_EQ(sheets.first(), QStringLiteral("proj1"));
    EXPECT_EQ(sheets[36], QStringLiteral("pro20f"));
    EXPECT_EQ(sheets.last(), QStringLiteral("proj1a"));
    EXPECT_EQ(ScriptLibrary::lists("proj12a"), (QStringList{"ListBox75", "ListBox76"}));
}

} // namespace
