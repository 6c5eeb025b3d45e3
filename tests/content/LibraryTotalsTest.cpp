// The built-in library against its storyboards, its allocation table and the
// totals the finished library must reach.
#include "content/Catalogue.h"
#include "content/EventScript.h"
#include "content/ScriptLibrary.h"
#include "content/storyboard/LibraryBuilder.h"
#include "content/storyboard/LibraryStats.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Scan {
    std::vector<std::pair<const Catalogue::PartEntry*, PartStats>> present;
    QStringList missing;
};

const Scan& scan()
{
    static const Scan s = [] {
        Scan out;
        for (const auto& part : Catalogue::parts()) {
            const QStringList events = ScriptLibrary::lines(part.sheet, part.eventList);
            const QStringList steps = ScriptLibrary::lines(part.sheet, part.stepList);
            if (events.isEmpty()) {
                out.missing << part.code;
                continue;
            }
            out.present.emplace_back(&part, LibraryStats::compute(events, steps));
        }
        return out;
    }();
    return s;
}

// Empty when equal; otherwise the first line that differs, readable.
std::string firstDifference(const QStringList& stored, const QStringList& generated)
{
    for (int i = 0; i < std::max(stored.size(), generated.size()); ++i) {
        if (i < stored.size() && i < generated.size() && stored[i] == generated[i])
            continue;
        return QStringLiteral("line %1: library has '%2', storyboard gives '%3'")
            .arg(i + 1)
            .arg(i < stored.size() ? stored[i] : QStringLiteral("(end)"))
            .arg(i < generated.size() ? generated[i] : QStringLiteral("(end)"))
            .toStdString();
    }
    return {};
}

TEST(LibraryTotals, CatalogueHasAllParts)
{
    ASSERT_EQ(Catalogue::parts().size(), 37u);
}

TEST(LibraryTotals, StoryboardsAndLibraryAgree)
{
    if (qEnvironmentVariableIsSet("LW_REGENERATE_LIBRARY")) {
        // Test-mode switch: rewrite the library lists from the storyboards
        // of the source tree instead of comparing them.
        const QString root = QStringLiteral(LW_SOURCE_DIR);
        LibraryBuilder::writeLibrary(root + QStringLiteral("/resources/storyboards"), root + QStringLiteral("/resources/library"));
        GTEST_SKIP() << "library regenerated; rebuild to compile it in";
    }
    for (const auto& part : Catalogue::parts()) {
        const QStringList events = ScriptLibrary::lines(part.sheet, part.eventList);
        if (!Storyboard::hasBuiltIn(part.code)) {
            EXPECT_TRUE(events.isEmpty()) << part.code.toStdString() << " has scripts but no storyboard";
            continue;
        }
        const auto scripts = LibraryBuilder::generate(Storyboard::builtIn(part.code));
        EXPECT_EQ(firstDifference(events, scripts.events), "")
            << part.code.toStdString() << ": event list out of date, run lessonwright-author build-library";
        EXPECT_EQ(firstDifference(ScriptLibrary::lines(part.sheet, part.stepList), scripts.steps), "")
            << part.code.toStdString() << ": step list out of date, run lessonwright-author build-library";
    }
}

TEST(LibraryTotals, EveryPresentPartMeetsItsAllocation)
{
    for (const auto& [part, stats] : scan().present) {
        EXPECT_EQ(stats.events, part->events) << part->code.toStdString();
        EXPECT_EQ(stats.steps, part->steps) << part->code.toStdString();
        const QStringList problems = LibraryStats::checkPart(part->code, stats, LibraryStats::builtInAllocation());
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(LibraryTotals, AllocationAddsUpToTheLibraryTotals)
{
    const auto& a = LibraryStats::builtInAllocation();
    ASSERT_EQ(a.rows.size(), 37);
    const QMap<QString, int> totals = {
        {"events", 2904}, {"steps", 667}, {"down", 1057}, {"up", 1189}, {"nc", 137}, {"keys", 521},
        {"shift", 61}, {"keyframes", 38}, {"R", 181}, {"L", 98}, {"D", 56}, {"U", 41}, {"NW", 23},
        {"SW", 12}, {"SE", 12}, {"NE", 7}, {"late", 15},
    };
    for (auto it = totals.begin(); it != totals.end(); ++it) {
        int sum = 0;
        for (const auto& row : a.rows)
            sum += row.value(it.key());
        EXPECT_EQ(sum, it.value()) << it.key().toStdString();
    }
    int keyParts = 0;
    for (const auto& part : Catalogue::parts()) {
        const auto row = a.rows.value(part.code);
        EXPECT_EQ(row.value("events"), part.events) << part.code.toStdString();
        EXPECT_EQ(row.value("steps"), part.steps) << part.code.toStdString();
        EXPECT_EQ(row.value("down") + row.value("up") + row.value("nc") + row.value("keys"), part.events)
            << part.code.toStdString();
        keyParts += row.value("keys") > 0;
    }
    EXPECT_EQ(keyParts, 23);
}

TEST(LibraryTotals, NoNarrationLineMoreThanTwice)
{
    QMap<QString, int> seen;
    for (const auto& [part, stats] : scan().present)
        for (const QString& line : stats.narrationTexts)
            seen[line] += 1;
    for (auto it = seen.begin(); it != seen.end(); ++it)
        EXPECT_LE(it.value(), 2) << it.key().toStdString();
}

TEST(LibraryTotals, OnlyRecordedKeyNamesOccur)
{
    for (const auto& [part, stats] : scan().present)
        for (const QString& name : stats.keyNames) {
            bool known = false;
            for (int code = 0; code < 256 && !known; ++code)
                known = !EventScript::keyNameFor(code).isEmpty() && EventScript::keyNameFor(code) == name;
            EXPECT_TRUE(known) << part->code.toStdString() << " key " << name.toStdString();
        }
}

TEST(LibraryTotals, SecondKeyFrameIsRecord17OfP1)
{
    for (const auto& [part, stats] : scan().present) {
        if (part->code == QLatin1String("p1"))
            EXPECT_EQ(stats.keyFrames, (QList<int>{0, 17}));
        else
            EXPECT_EQ(stats.keyFrames, QList<int>{0}) << part->code.toStdString();
    }
}

TEST(LibraryTotals, SpareSheetStaysOutOfTheParts)
{
    EXPECT_EQ(ScriptLibrary::lines("proj1a", "ListBox73").size(), 5);
    EXPECT_TRUE(ScriptLibrary::lines("proj1a", "ListBox74").isEmpty());
}

// The totals of the finished library, checked once all 37 parts exist.
TEST(LibraryTotals, FinishedLibraryReachesEveryTotal)
{
    const Scan& s = scan();
    if (!s.missing.isEmpty())
        GTEST_SKIP() << s.missing.size() << " of 37 parts have no scripts yet: " << s.missing.join(' ').toStdString();

    long long lines = 0, records = 0, mouse = 0, down = 0, up = 0, nc = 0, keys = 0, shift = 0, keyFrames = 0;
    long long separators = 0, steps = 0, arrows = 0, late = 0, keyParts = 0;
    int longestTopic = 0, minRecords = 1 << 30, maxRecords = 0, minSteps = 1 << 30, maxSteps = 0;
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
    QMap<QString, int> byArrow;
    for (const auto& [part, st] : s.present) {
        lines += st.eventLines;
        records += st.events;
        down += st.down;
        up += st.up;
        nc += st.nc;
        mouse += st.down + st.up + st.nc;
        keys += st.keys;
        keyParts += st.keys > 0;
        shift += st.shift;
        keyFrames += st.keyFrames.size();
        separators += st.separators;
        steps += st.steps;
        arrows += st.arrowTotal();
        late += st.late;
        longestTopic = std::max(longestTopic, st.longestTopic);
        minRecords = std::min(minRecords, st.events);
        maxRecords = std::max(maxRecords, st.events);
        minSteps = std::min(minSteps, st.steps);
        maxSteps = std::max(maxSteps, st.steps);
        minX = std::min(minX, st.minX); maxX = std::max(maxX, st.maxX);
        minY = std::min(minY, st.minY); maxY = std::max(maxY, st.maxY);
        for (auto it = st.arrows.begin(); it != st.arrows.end(); ++it)
            byArrow[it.key()] += it.value();
        EXPECT_TRUE(st.firstIsMouse) << part->code.toStdString();
        EXPECT_FALSE(st.arrowAtEventZero) << part->code.toStdString();
        EXPECT_TRUE(st.screensValid) << part->code.toStdString();
    }
    EXPECT_EQ(lines, 8675);
    EXPECT_EQ(records, 2904);
    EXPECT_EQ(minRecords, 10);
    EXPECT_EQ(maxRecords, 195);
    EXPECT_EQ(mouse, 2383);
    EXPECT_EQ(down, 1057);
    EXPECT_EQ(up, 1189);
    EXPECT_EQ(nc, 137);
    EXPECT_EQ(keys, 521);
    EXPECT_EQ(keyParts, 23);
    EXPECT_EQ(shift, 61);
    EXPECT_EQ(keyFrames, 38);
    EXPECT_EQ(separators, 2867);
    EXPECT_EQ(steps, 667);
    EXPECT_EQ(minSteps, 1);
    EXPECT_EQ(maxSteps, 47);
    EXPECT_EQ(arrows, 430);
    const QMap<QString, int> split = {{"R", 181}, {"L", 98}, {"D", 56}, {"U", 41}, {"NW", 23}, {"SW", 12}, {"SE", 12}, {"NE", 7}};
    EXPECT_EQ(byArrow, split);
    EXPECT_LE(longestTopic, 41);
    EXPECT_EQ(QList<int>({minX, maxX, minY, maxY}), QList<int>({8, 630, 0, 473}));
    EXPECT_EQ(late, 15);
}

} // namespace
