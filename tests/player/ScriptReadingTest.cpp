#include "platform/AppError.h"
#include "content/EventScript.h"
#include "playback/PlayQueue.h"
#include "content/ScriptText.h"

#include <gtest/gtest.h>

namespace {

QString conversionError(const QString& text)
{
    try {
        ScriptText::toInt(text);
    } catch (const AppError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(ScriptTextTest, IntegerConversionAcceptsOnlyWholeNumbers)
{
    const struct {
        const char* text;
        int value;
    } good[] = {
        {"0", 0}, {"025", 25}, {"  215", 215}, {"-5", -5}, {"+7", 7},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : good)
        EXPECT_EQ(ScriptText::toInt(QString::fromLatin1(c.text)), c.value) << c.text;

    // Trailing blanks, empty text, signs alone and overflow are all refused,
    // with the offending text quoted as written.
    const char* bad[] = {"", " ", "-", "12 ", "1a", "2147483648", "-2147483649", "$1F", "0x10", "1.5", "\xd9\xa3"};
    for (const char* text : bad) {
        const QString t = QString::fromUtf8(text);
        EXPECT_EQ(conversionError(t), QStringLiteral("'%1' is not a valid integer value").arg(t)) << text;
    }
}

TEST(ScriptTextTest, CopyAndPosCountFromOne)
{
    EXPECT_EQ(ScriptText::pos(QStringLiteral("X="), QStringLiteral("aX=1")), 2);
    EXPECT_EQ(ScriptText::pos(QStringLiteral("zz"), QStringLiteral("aX=1")), 0);
    EXPECT_EQ(ScriptText::copy(QStringLiteral("abcdef"), 3, 2), QStringLiteral("cd"));
    EXPECT_EQ(ScriptText::copy(QStringLiteral("abcdef"), 0, 2), QStringLiteral("ab"));
    EXPECT_EQ(ScriptText::copy(QStringLiteral("abcdef"), 5, 100), QStringLiteral("ef"));
    EXPECT_EQ(ScriptText::copy(QStringLiteral("abcdef"), 7, 1), QString());
    EXPECT_EQ(ScriptText::copy(QStringLiteral("abcdef"), 2, -1), QString());
}

TEST(EventLineAsPlayed, ReadsNumberKindAndPositionAsThePlayerDoes)
{
    const struct {
        const char* line;
        const char* number;
        bool mouse;
        const char* x;
        const char* y;
    } cases[] = {
        {"# 0000  Mouse:513 X=253 Y=416 Event:Left_Button_Down", "0000", true, "253", "416"},
        {"# 0017  Mouse:161 X=008 Y=000 Event:NCLeft_Button_Down", "0017", true, "008", "000"},
        // The three-digit width is not relied upon.
        {"# 0002  Mouse:514 X=1234 Y=7 Event:Left_Button_Up", "0002", true, "1234", "7"},
        // A key line has no position: both texts come out empty.
        {"# 0030  KeyCode=49  Key=1    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0", "0030", false, "", ""},
        // "Mouse:" at the very first character does not count.
        {"Mouse: X=1 Y=2 Ev", "use:", false, "1", "2"},
        {"", "", false, "", ""},
    };
    for (const auto& c : cases) {
        const QString line = QString::fromLatin1(c.line);
        EXPECT_EQ(EventScript::AsPlayed::eventNumber(line), QString::fromLatin1(c.number)) << c.line;
        EXPECT_EQ(EventScript::AsPlayed::isMouse(line), c.mouse) << c.line;
        EXPECT_EQ(EventScript::AsPlayed::xText(line), QString::fromLatin1(c.x)) << c.line;
        EXPECT_EQ(EventScript::AsPlayed::yText(line), QString::fromLatin1(c.y)) << c.line;
    }
    EXPECT_EQ(EventScript::AsPlayed::x(QStringLiteral("# 0000  Mouse:513 X=025 Y=416 Event:x")), 25);
    EXPECT_THROW(EventScript::AsPlayed::x(QStringLiteral("# 0030  KeyCode=13  Key=Enter")), AppError);
    EXPECT_THROW(EventScript::AsPlayed::y(QStringLiteral("# 0000  Mouse:513 X=025 Y=4l6 Event:x")), AppError);
}

TEST(PlayQueueTest, SuccessorOfTheFirstEqualEntryOnly)
{
    const QStringList lesson11 = {"p11", "p11a", "p11b", "p11c"};
    const struct {
        QStringList queue;
        const char* current;
        const char* next; // null: nothing follows
    } cases[] = {
        {lesson11, "p11", "p11a"},
        {lesson11, "p11b", "p11c"},
        {lesson11, "p11c", nullptr},       // last entry
        {lesson11, "P11", nullptr},        // exact, case-sensitive
        {lesson11, "p11 ", nullptr},
        {{"p1"}, "p1", nullptr},           // one entry: never chains
        {{}, "p1", nullptr},
        {{"p20d", "p20d1", "p20e"}, "p20d", "p20d1"}, // whole-text match
        {{"p4", "p4a", "p4", "p9"}, "p4", "p4a"},     // first occurrence only
    };
    for (const auto& c : cases) {
        const auto next = PlayQueue::successor(c.queue, QString::fromLatin1(c.current));
        if (c.next == nullptr) {
            EXPECT_FALSE(next.has_value()) << c.current;
        } else {
            ASSERT_TRUE(next.has_value()) << c.current;
            EXPECT_EQ(*next, QString::fromLatin1(c.next));
        }
    }
}
