#include "content/StepScript.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

QStringList sample()
{
    return {
        QStringLiteral("$$$$$$ Step  1"),
        QStringLiteral("%Screen =  0"),
        QStringLiteral("%Topic 'Lesson 2'"),
        QStringLiteral("%Location =  215 177 181 131"),
        QStringLiteral("%Scroll= 0"),
        QStringLiteral("First paragraph. "),
        QString(),
        QStringLiteral("Second paragraph."),
        QStringLiteral("!"),
        QStringLiteral("$$$$$$ Step  2"),
        QStringLiteral("%Screen =  21"),
        QStringLiteral("%Topic 'File/Connect'"),
        QStringLiteral("%Location =  224 172 181 131"),
        QStringLiteral("%GraphicFileName= 'E:\\FormDesigner\\bitmaps\\ARR_NW_R.BMP'"),
        QStringLiteral("%GraphicMaskFile= 'E:\\FormDesigner\\bitmaps\\ARR_NW__.BMP'"),
        QStringLiteral("%GraphicTop=-5"),
        QStringLiteral("%GraphicLeft= 169"),
        QStringLiteral("%Scroll= 0"),
        QStringLiteral("It allows you to connect to a database."),
        QStringLiteral("!"),
    };
}

TEST(StepScript, RoundTripKeepsEveryLine)
{
    const auto steps = StepScript::parse(sample());
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(StepScript::write(steps), sample());
}

TEST(StepScript, ParsesFields)
{
    const auto s = StepScript::parse(sample());
    EXPECT_EQ(s[0].screen, 0);
    EXPECT_EQ(s[0].topic, QStringLiteral("Lesson 2"));
    EXPECT_EQ(s[0].x, 215);
    EXPECT_EQ(s[0].h, 131);
    EXPECT_FALSE(s[0].arrow.has_value());
    EXPECT_EQ(s[0].narration, (QStringList{"First paragraph. ", "", "Second paragraph."}));
    EXPECT_EQ(s[1].number, 2);
    EXPECT_EQ(s[1].screen, 21);
    ASSERT_TRUE(s[1].arrow.has_value());
    EXPECT_EQ(s[1].arrow->top, -5);
    EXPECT_EQ(s[1].arrow->left, 169);
    EXPECT_EQ(StepScript::arrowCodeOf(s[1].arrow->file), QStringLiteral("NW"));
    EXPECT_EQ(StepScript::arrowCodeOf(s[1].arrow->mask), QString());
}

TEST(StepScript, SignedFields)
{
    const struct { int value; const char* text; } cases[] = {{0, " 0"}, {12, " 12"}, {-5, "-5"}, {-400, "-400"}};
    for (const auto& c : cases)
        EXPECT_EQ(StepScript::signedField(c.value), QString::fromLatin1(c.text));
}

TEST(StepScript, ArrowNamesPairUp)
{
    const QStringList codes = StepScript::arrowCodes();
    ASSERT_EQ(codes.size(), 8);
    for (const QString& c : codes) {
        EXPECT_EQ(StepScript::arrowCodeOf(StepScript::arrowFolder() + StepScript::arrowFileName(c)), c);
        EXPECT_NE(StepScript::arrowFileName(c), StepScript::arrowMaskName(c));
    }
    EXPECT_EQ(StepScript::arrowFileName("SE"), QStringLiteral("ARR_SE_R.BMP"));
    EXPECT_EQ(StepScript::arrowMaskName("SE"), QStringLiteral("ARR_SE__.BMP"));
}

TEST(StepScript, EmptyScriptHasNoSteps)
{
    EXPECT_TRUE(StepScript::parse({}).empty());
    EXPECT_TRUE(StepScript::write({}).isEmpty());
}

TEST(StepScript, UnclosedStepsAreKeptOpen)
{
    QStringList atEnd = sample();
    atEnd.removeLast();
    auto s = StepScript::parse(atEnd);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(s[0].closed);
    EXPECT_FALSE(s[1].closed);
    EXPECT_EQ(StepScript::write(s), atEnd);

    QStringList inside = sample();
    inside.removeAt(8);  // the first step's "!"
    s = StepScript::parse(inside);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_FALSE(s[0].closed);
    EXPECT_EQ(s[0].narration.size(), 3);
    EXPECT_EQ(s[1].screen, 21);
}

TEST(StepScript, DuplicateScreensAreAllFound)
{
    QStringList lines = sample();
    lines[10] = QStringLiteral("%Screen =  0");
    const auto steps = StepScript::parse(lines);
    const auto found = StepScript::stepsFor(steps, 0);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1]->topic, QStringLiteral("File/Connect"));
    EXPECT_TRUE(StepScript::stepsFor(steps, 21).empty());
}

TEST(StepScript, MalformedLinesAreRejected)
{
    const struct { const char* what; int line; QString text; } cases[] = {
        {"screen with one blank", 1, "%Screen = 0"},
        {"screen with leading zero field", 1, "%Screen = 0010"},
        {"screen with trailing blank", 1, "%Screen =  0 "},
        {"location with two numbers", 3, "%Location =  215 177"},
        {"location not numeric", 3, "%Location =  2x5 177 181 131"},
        {"topic unquoted", 2, "%Topic Lesson 2"},
        {"negative zero", 15, "%GraphicTop=-0"},
        {"arrow top without sign", 15, "%GraphicTop=46"},
        {"text before first header", 0, "Hello"},
        {"arrow block cut", 14, "%Scroll= 0"},
    };
    for (const auto& c : cases) {
        QStringList lines = sample();
        lines[c.line] = c.text;
        EXPECT_THROW(StepScript::parse(lines), AppError) << c.what;
    }
}

} // namespace

// The one place where playback reads a step line differently from parse():
// fixed columns. The same line gives both readings side by side.
TEST(StepScriptAsPlayed, ArrowNumbersComeFromFixedColumns)
{
    const struct {
        const char* line;
        int typed;  // parse()'s value
        int played; // the player's
    } cases[] = {
        {"%GraphicTop= 225", 225, 225},
        {"%GraphicTop=-5", -5, 5},      // no blank: the sign's column is skipped
        {"%GraphicTop= 1234", 1234, 123}, // four characters: the last is lost
    };
    for (const auto& c : cases) {
        const QString line = QString::fromLatin1(c.line);
        EXPECT_EQ(StepScript::AsPlayed::arrowTop(line), c.played) << c.line;
        Step written;
        written.screen = 3;
        written.topic = QStringLiteral("T");
        written.arrow = StepArrow{StepScript::arrowFolder() + StepScript::arrowFileName(QStringLiteral("R")),
                                  StepScript::arrowFolder() + StepScript::arrowMaskName(QStringLiteral("R")), 0, 20};
        written.narration = {QStringLiteral("x")};
        QStringList lines = StepScript::write({written});
        for (QString& l : lines) {
            if (l.startsWith(QLatin1String("%GraphicTop=")))
                l = line;
        }
        const std::vector<Step> parsed = StepScript::parse(lines);
        ASSERT_EQ(parsed.size(), 1u) << c.line;
        ASSERT_TRUE(parsed[0].arrow.has_value()) << c.line;
        EXPECT_EQ(parsed[0].arrow->top, c.typed) << c.line;
    }
    EXPECT_EQ(StepScript::AsPlayed::arrowLeft(QStringLiteral("%GraphicLeft= 169")), 169);
    EXPECT_EQ(StepScript::AsPlayed::screenLine(12), QStringLiteral("%Screen =  12"));
    EXPECT_EQ(StepScript::AsPlayed::locationRest(QStringLiteral("%Location =  215 177 181 131")),
              QStringLiteral("215 177 181 131"));
}
