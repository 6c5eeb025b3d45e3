#include "playback/PartLoader.h"
#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList codes(const std::vector<const Catalogue::PartEntry*>& parts)
{
    QStringList c;
    for (const Catalogue::PartEntry* p : parts)
        c << p->code;
    return c;
}

// Records what the loader does, in order, against a real (closed) table.
class RecordingTarget : public PartLoader::Target {
public:
    QStringList calls;
    DbfTable table;

    void setEventScript(const QStringList&) override { calls << "events"; }
    void setStepScript(const QStringList&) override { calls << "steps"; }
    DbfTable& frameStore() override { return table; }
    void setCurrentPartCode(const QString& code) override { calls << "code " + code + " dir " + table.databaseName(); }
    void showPlayer() override { calls << "show"; }
    void runPlayer() override { calls << "run"; }
};

} // namespace

TEST(PartLoaderTest, SelectsLetteredPartsByTextAndBasePartsByIndex)
{
    const struct {
        const char* text;
        int index;
        QStringList expected;
    } cases[] = {
        {"p4a", 999, {"p4a"}},
        {"p1", 999, {}},            // a base code as text selects nothing
        {"Lesson 4:  Actions on Form", 3, {"p4"}},
        {"Lesson 11:  Interface Objects - Text items", 10, {"p11"}},
        {"p20d1", 999, {"p20d1"}},  // whole text: not p20d
        {"p20d", 999, {"p20d"}},
        {"P4A", 999, {}},
        {"p4a ", 999, {}},
        {"p4a", 19, {"p4a", "p20"}}, // both: the base part is loaded last
        {"", -1, {}},
        {"", 20, {}},
        {"", 0, {"p1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codes(PartLoader::select(QString::fromLatin1(c.text), c.index)), c.expected) << c.text << c.index;
    // The loader compares the lettered codes in this order.
    EXPECT_EQ(PartLoader::letteredCodes(),
              (QStringList{"p4a", "p9a", "p11a", "p11b", "p11c", "p12a", "p12b", "p13a", "p14a", "p16a", "p20a",
                           "p20b", "p20c", "p20d", "p20d1", "p20e", "p20f"}));
}

TEST(PartLoaderTest, LoadsInOrderAndStopsWhereTheStoreCannotOpen)
{
    TempCurrentDir course; // no master folder: opening fails
    RecordingTarget target;
    const Catalogue::PartEntry* part = Catalogue::partByCode(QStringLiteral("p11c"));
    ASSERT_NE(part, nullptr);
    EXPECT_THROW(PartLoader::load(*part, target), AppError);
    EXPECT_EQ(target.calls, (QStringList{"events", "steps", "code p11c dir master\\p11c\\"}));
    EXPECT_FALSE(target.table.isOpen());

    // Through run(): the same failure reaches the caller; nothing selected
    // means nothing done and nothing reported.
    PartLoader::Target* previous = PartLoader::setTarget(&target);
    target.calls.clear();
    EXPECT_THROW(PartLoader::run(QStringLiteral("Lesson 2:  Main Menu"), 1), AppError);
    EXPECT_EQ(target.calls.value(2), "code p2 dir master\\p2\\");
    target.calls.clear();
    EXPECT_NO_THROW(PartLoader::run(QStringLiteral("p1"), 999));
    EXPECT_TRUE(target.calls.isEmpty());
    PartLoader::setTarget(previous);
}
