#include "platform/AppError.h"
#include "playback/NarrationPass.h"
#include "playback/PlayerState.h"

#include <gtest/gtest.h>

#include <optional>

using NarrationPass::Arrow;
using NarrationPass::Form;

namespace {

struct RecordingView : NarrationPass::View {
    QStringList text;
    std::optional<int> boxLeft, boxTop, arrowTop, arrowLeft;
    std::vector<Arrow> pictures;
    int clears = 0;

    void clearText() override { text.clear(); ++clears; }
    void appendText(const QString& line) override { text << line; }
    void setBoxLeft(int v) override { boxLeft = v; }
    void setBoxTop(int v) override { boxTop = v; }
    void copyArrowPicture(Arrow a) override { pictures.push_back(a); }
    void setArrowTop(int v) override { arrowTop = v; }
    void setArrowLeft(int v) override { arrowLeft = v; }
};

// One step in the script's own line forms.
QStringList step(int number, int screen, const QString& location, const QStringList& text,
                 const QString& arrowFile = {}, const QString& top = {}, const QString& left = {})
{
    QStringList lines = {
        QStringLiteral("$$$$$$ Step  %1").arg(number),
        QStringLiteral("%Screen =  %1").arg(screen),
        QStringLiteral("%Topic 'Topic %1'").arg(number),
        QStringLiteral("%Location =  ") + location,
    };
    if (!arrowFile.isEmpty()) {
        lines << QStringLiteral("%GraphicFileName='E:\\TOOL\\BITMAPS\\") + arrowFile + QLatin1Char('\'')
              << QStringLiteral("%GraphicMaskFile='E:\\TOOL\\BITMAPS\\ARR_X1_.BMP'")
              << QStringLiteral("%GraphicTop=") + top << QStringLiteral("%GraphicLeft=") + left;
    }
    lines << QStringLiteral("%Scroll= 0") << text << QStringLiteral("!");
    return lines;
}

struct Fixture {
    PlayerState s;
    RecordingView view;

    explicit Fixture(const char* screennum)
    {
        s.screennum = QString::fromLatin1(screennum);
        s.originx = 192;
        s.originy = 144;
        s.menuoffset = 24;
        s.arrowstate = QStringLiteral("ON"); // left over from an earlier frame
    }
    void run(Form form, const QStringList& lines) { NarrationPass::run(form, lines, s, view); }
};

} // namespace

TEST(NarrationPassTest, StepOfTheEventIsShownWithItsTextAndPlace)
{
    const QStringList script = step(1, 0, "215 177 181 131", {"Welcome."})
        + step(2, 6, "10 20 181 131", {"First paragraph.", "", "Second paragraph."}, "ARR_L1R.BMP", " 225", " 169");

    Fixture run0("0000");
    run0.run(Form::Run, script);
    EXPECT_EQ(run0.s.stepstate, "Done");
    EXPECT_EQ(run0.view.text, QStringList{"Welcome."});
    EXPECT_EQ(run0.view.boxLeft, 215 + 192);
    EXPECT_EQ(run0.view.boxTop, 177 + 144);
    EXPECT_EQ(run0.s.arrowstate, "ON"); // Run leaves it alone

    // Frame 6, with an empty line between the paragraphs and the arrow placed
    // on the panel (top shifted by the menu offset).
    Fixture frame6("0006");
    frame6.run(Form::Frame, script);
    EXPECT_EQ(frame6.s.stepstate, "Done");
    EXPECT_EQ(frame6.view.text, (QStringList{"First paragraph.", "", "Second paragraph."}));
    EXPECT_EQ(frame6.view.boxLeft, 10 + 192);
    EXPECT_EQ(frame6.view.boxTop, 20 + 144);
    EXPECT_EQ(frame6.view.pictures, std::vector<Arrow>{Arrow::Left});
    EXPECT_EQ(frame6.view.arrowTop, 225 + 144 - 24);
    EXPECT_EQ(frame6.view.arrowLeft, 169 + 192);
    EXPECT_EQ(frame6.s.arrowstate, "ON");

    // Frames without a step: nothing shown, and the frame form clears the arrow.
    for (const char* n : {"0001", "0005", "0007"}) {
        Fixture f(n);
        f.run(Form::Frame, script);
        EXPECT_EQ(f.s.stepstate, "OFF") << n;
        EXPECT_TRUE(f.view.text.isEmpty()) << n;
        EXPECT_EQ(f.s.arrowstate, "OFF") << n;
        EXPECT_EQ(f.view.clears, 1) << n;
    }
}

TEST(NarrationPassTest, RunFormReadsNoArrowLines)
{
    Fixture f("0000");
    f.run(Form::Run, step(1, 0, "215 177 181 131", {"Hi"}, "ARR_R1R.BMP", " 100", " 100"));
    EXPECT_TRUE(f.view.pictures.empty());
    EXPECT_FALSE(f.view.arrowTop.has_value());
    EXPECT_FALSE(f.view.arrowLeft.has_value());
}

TEST(NarrationPassTest, ArrowPositionsComeFromFixedColumns)
{
    const struct {
        const char* top;
        const char* left;
        int topValue; // frame coordinates, as read
        int leftValue;
    } cases[] = {
        {" 46", " 169", 46, 169},
        {"-5", "-4", 5, 4},         // the sign's column is skipped, so the sign is lost
        {" 1234", " 5678", 123, 567}, // a fourth digit falls outside the columns
        {" 7", " 0", 7, 0},
    };
    for (const auto& c : cases) {
        Fixture f("0003");
        f.run(Form::Frame, step(1, 3, "1 2 3 4", {"x"}, "ARR_D1R.BMP", c.top, c.left));
        EXPECT_EQ(f.view.arrowTop, c.topValue + 144 - 24) << c.top;
        EXPECT_EQ(f.view.arrowLeft, c.leftValue + 192) << c.left;
    }
}

TEST(NarrationPassTest, PictureChoiceFollowsTheFileName)
{
    const struct {
        const char* file;
        std::vector<Arrow> copied;
    } cases[] = {
        {"ARR_R1R.BMP", {Arrow::Right}},
        {"ARR_L1R.BMP", {Arrow::Left}},
        {"ARR_D1R.BMP", {Arrow::Down}},
        {"ARR_U1R.BMP", {Arrow::Up}},
        // Diagonal arrows get their own pictures: the arrow points where the
        // step says.
        {"ARR_NW_R.BMP", {Arrow::NorthWest}},
        {"ARR_SW_R.BMP", {Arrow::SouthWest}},
        {"ARR_SE_R.BMP", {Arrow::SouthEast}},
        {"ARR_NE_R.BMP", {Arrow::NorthEast}},
        {"ARR_XX_R.BMP", {}}, // an unknown picture keeps the last one, still placed and shown
    };
    for (const auto& c : cases) {
        Fixture f("0002");
        f.run(Form::Frame, step(1, 2, "1 2 3 4", {"x"}, QString::fromLatin1(c.file), " 10", " 20"));
        EXPECT_EQ(f.view.pictures, c.copied) << c.file;
        EXPECT_EQ(f.s.arrowstate, "ON") << c.file;
        EXPECT_EQ(f.view.arrowLeft, 20 + 192) << c.file;
    }
}

TEST(NarrationPassTest, OddScriptsBehaveAsTheLinesSay)
{
    // Two steps with the same screen value: both texts, the later place.
    {
        Fixture f("0004");
        f.run(Form::Frame, step(1, 4, "1 2 3 4", {"one"}) + step(2, 4, "30 40 3 4", {"two"}));
        EXPECT_EQ(f.view.text, (QStringList{"one", "two"}));
        EXPECT_EQ(f.view.boxLeft, 30 + 192);
        EXPECT_EQ(f.s.stepstate, "Done");
    }
    // A step never closed by "!": no box, but the arrow it placed is shown.
    {
        QStringList lines = step(1, 4, "1 2 3 4", {"text"}, "ARR_U1R.BMP", " 10", " 20");
        lines.removeLast();
        Fixture f("0004");
        f.run(Form::Frame, lines);
        EXPECT_EQ(f.s.stepstate, "ON");
        EXPECT_EQ(f.s.arrowstate, "ON");
    }
    // A screen line with one blank, or leading zeros, never matches.
    for (const char* screenLine : {"%Screen = 4", "%Screen =  04", "%Screen =  4 "}) {
        QStringList lines = step(1, 4, "1 2 3 4", {"text"});
        lines[1] = QString::fromLatin1(screenLine);
        Fixture f("0004");
        f.run(Form::Frame, lines);
        EXPECT_EQ(f.s.stepstate, "OFF") << screenLine;
        EXPECT_TRUE(f.view.text.isEmpty()) << screenLine;
    }
    // Another scroll value never starts the text: the box is shown empty.
    {
        QStringList lines = step(1, 4, "1 2 3 4", {"text"});
        lines.replaceInStrings(QStringLiteral("%Scroll= 0"), QStringLiteral("%Scroll= 1"));
        Fixture f("0004");
        f.run(Form::Frame, lines);
        EXPECT_EQ(f.s.stepstate, "Done");
        EXPECT_TRUE(f.view.text.isEmpty());
    }
    // A long narration line is passed whole; an empty script shows nothing.
    {
        const QString longLine(491, QLatin1Char('w'));
        Fixture f("0000");
        f.run(Form::Run, step(1, 0, "1 2 3 4", {longLine}));
        EXPECT_EQ(f.view.text, QStringList{longLine});
        Fixture empty("0000");
        empty.run(Form::Frame, {});
        EXPECT_EQ(empty.s.stepstate, "OFF");
        EXPECT_EQ(empty.s.arrowstate, "OFF");
    }
}

TEST(NarrationPassTest, BadNumbersStopThePassWithTheOffendingText)
{
    const struct {
        const char* location;
        const char* top;
        const char* message;
    } cases[] = {
        {"215 177", " 10", "'' is not a valid integer value"},   // y needs a blank after it
        {"21x 177 1 1", " 10", "'21x' is not a valid integer value"},
        {"215 1y7 1 1", " 10", "'1y7' is not a valid integer value"},
        {"215 177 1 1", " ab", "'ab' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        Fixture f("0001");
        const QStringList lines = step(1, 1, QString::fromLatin1(c.location), {"never shown"}, "ARR_R1R.BMP",
                                       QString::fromLatin1(c.top), " 5");
        try {
            f.run(Form::Frame, lines);
            ADD_FAILURE() << "no error for " << c.location;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(c.message)) << c.location;
        }
        EXPECT_TRUE(f.view.text.isEmpty());
    }
    // The event number itself must be a number when there are steps to scan.
    Fixture f("00x1");
    EXPECT_THROW(f.run(Form::Frame, step(1, 1, "1 2 3 4", {"x"})), AppError);
}
