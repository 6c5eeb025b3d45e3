#include "content/ScriptLibrary.h"
#include "content/designer/ScreenModel.h"
#include "content/storyboard/FrameRenderer.h"
#include "content/storyboard/LibraryBuilder.h"
#include "content/storyboard/Storyboard.h"
#include "platform/AppError.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// A small session on the navigator and the connect dialog.
QStringList board(const QStringList& body)
{
    QStringList lines = {
        "part p1",
        "window navigator 0 63 300 397",
        "node Forms/M : module",
        "expand Forms",
    };
    lines << body;
    return lines;
}

Storyboard::Result play(const QStringList& body)
{
    return Storyboard::parse(board(body), "test.story").play();
}

TEST(Storyboard, ActionsYieldTheirRecords)
{
    const struct { const char* action; QList<int> messages; } cases[] = {
        {"click node:Forms/M", {513, 514}},
        {"dclick node:Forms/M", {513, 514, 513, 514}},
        {"nc menu:File", {161}},
        {"pick File/Save", {161, 514}},
        {"pick File/New/Form", {161, 514, 513, 514}},
        {"drag node:Forms/M => node:Forms", {513, 514}},
    };
    for (const auto& c : cases) {
        const auto r = play({c.action});
        QList<int> messages;
        for (const auto& e : r.events)
            messages << e.message;
        EXPECT_EQ(messages, c.messages) << c.action;
        EXPECT_TRUE(r.events.front().isKeyFrame());
    }
}

TEST(Storyboard, TypedTextBecomesKeys)
{
    const auto r = play({"pick File/Connect...", "show connect", "click fld:User Name", "type Ab_:9.{BS}{Tab} {Enter}"});
    ASSERT_EQ(r.events.size(), 4u + 10u);
    const struct { int code; int shift; } want[] = {{65, 1}, {66, 0}, {189, 1}, {186, 1}, {57, 0}, {190, 0}, {8, 0}, {9, 0}, {32, 0}, {13, 0}};
    for (int i = 0; i < 10; ++i) {
        const auto& e = r.events[4 + i];
        EXPECT_FALSE(e.isMouse());
        EXPECT_EQ(e.keyCode, want[i].code) << i;
        EXPECT_EQ(e.shift, want[i].shift) << i;
    }
    EXPECT_EQ(r.events[10].keyName, QString(QChar(8)));
}

TEST(Storyboard, TypingFillsTheFocusedField)
{
    const auto b = Storyboard::parse(board({"pick File/Connect...", "show connect", "set User Name = old", "click fld:User Name",
                                            "type scott", "key BS", "click fld:Password"}),
                                     "t");
    QString seen;
    // Frame 10 shows the screen after the Backspace, before the next click.
    b.play([&](const Storyboard::Frame& f) {
        if (f.index != 10)
            return;
        for (const auto& e : f.screen->elements())
            if (e.name == QLatin1String("fld:User Name"))
                seen = e.text;
    });
    // "old" was selected on entry, replaced by "scott", then one Backspace.
    EXPECT_EQ(seen, QStringLiteral("scot"));
}

TEST(Storyboard, StepsTieToTheNextRecord)
{
    const auto r = play({
        "click node:Forms",
        "step 'Second' at 10 20 arrow R",
        "> Text one.",
        ">",
        "> Text two. ",
        "click node:Forms/M",
        "step 'Third' arrow L 5 -4",
        "> Third.",
        "up node:Forms",
    });
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_EQ(r.steps[0].screen, 2);
    EXPECT_EQ(r.steps[0].x, 10);
    EXPECT_EQ(r.steps[0].w, 181);
    EXPECT_EQ(r.steps[0].narration, (QStringList{"Text one.", "", "Text two. "}));
    ASSERT_TRUE(r.steps[0].arrow.has_value());
    // A right-pointing arrow stands left of the node with its tip on it.
    EXPECT_LT(r.steps[0].arrow->left + 58, r.events[2].x);
    EXPECT_NEAR(r.steps[0].arrow->top + 23, r.events[2].y, 1);
    EXPECT_EQ(r.steps[1].screen, 4);
    EXPECT_EQ(r.steps[1].arrow->top, 5);
    EXPECT_EQ(r.steps[1].arrow->left, -4);
    EXPECT_TRUE(r.steps[1].arrow->file.endsWith("ARR_L1R.BMP"));
}

TEST(Storyboard, MistakesNameTheirLine)
{
    const struct { const char* why; QStringList body; } cases[] = {
        {"unknown target", {"click node:Forms/Nothing"}},
        {"off screen", {"click node:Forms +700,0"}},
        {"key first", {"type a"}},
        {"arrow at event 0", {"step 'x' arrow R", "> x", "click node:Forms"}},
        {"two steps for one record", {"click node:Forms", "step 'a'", "> a", "step 'b'", "> b", "click node:Forms"}},
        {"step at the end", {"click node:Forms", "step 'a'", "> a"}},
        {"step without narration", {"click node:Forms", "step 'a'", "click node:Forms"}},
        {"narration outside a step", {"> stray"}},
        {"bad step line", {"step Topic"}},
        {"unknown command", {"frobnicate"}},
        {"unknown dialog", {"show nothing"}},
        {"untypable character", {"click node:Forms", "type a/b"}},
        {"unknown key", {"click node:Forms", "key F1"}},
        {"hide without dialog", {"click node:Forms", "hide"}},
        {"menu item of a closed menu", {"up menu:File/Save"}},
        {"narration that ends the step", {"step 'a'", "> !", "click node:Forms"}},
        {"narration that opens a step", {"step 'a'", "> %Screen =  3", "click node:Forms"}},
        {"typographic quote", {"step 'a'", QStringLiteral("> it\u2019s"), "click node:Forms"}},
        {"topic outside ASCII", {QStringLiteral("step 'caf\u00e9'"), "> a", "click node:Forms"}},
    };
    for (const auto& c : cases) {
        try {
            play(c.body);
            ADD_FAILURE() << c.why << ": no error";
        } catch (const AppError& e) {
            EXPECT_TRUE(e.message().startsWith("test.story line ")) << c.why << ": " << e.message().toStdString();
        }
    }
    EXPECT_THROW(Storyboard::parse({"click x"}, "t"), AppError) << "no part line";
}

TEST(Storyboard, AgainAndKeyframeRepeatAndMark)
{
    const auto r = play({"click node:Forms", "keyframe", "again", "again"});
    ASSERT_EQ(r.events.size(), 4u);
    EXPECT_EQ(r.events[2].message, 514);
    EXPECT_EQ(r.events[2].x, r.events[1].x);
    EXPECT_TRUE(r.events[2].isKeyFrame());
    EXPECT_FALSE(r.events[3].isKeyFrame());
}

TEST(ScreenModel, EventsChangeTheScreen)
{
    ScreenModel m;
    m.command("window", "navigator 0 63 300 397");
    m.command("node", "Forms/M : module");
    EXPECT_FALSE(m.target("node:Forms/M").has_value()) << "collapsed parent hides the node";
    m.event(ScreenModel::Input::Up, "node+:Forms");
    ASSERT_TRUE(m.target("node:Forms/M").has_value());
    EXPECT_TRUE(m.target("node:Forms/M/Blocks").has_value() == false);
    m.event(ScreenModel::Input::Up, "node+:Forms/M");
    EXPECT_TRUE(m.target("node:Forms/M/Blocks").has_value()) << "a module gets its standard groups";

    m.event(ScreenModel::Input::NonClient, "menu:Edit");
    EXPECT_EQ(m.openMenus(), QStringList{"Edit"});
    ASSERT_TRUE(m.target("menu:Edit/Preferences...").has_value());
    m.event(ScreenModel::Input::Down, "node:Forms");
    EXPECT_TRUE(m.openMenus().isEmpty()) << "a click elsewhere closes the menu";

    m.command("show", "connect");
    m.event(ScreenModel::Input::Up, "fld:User Name");
    for (const char* k : {"s", "a", "Tab", "x"})
        m.event(ScreenModel::Input::Key, QString(), k);
    EXPECT_EQ(m.focus(), QStringLiteral("fld:Password"));
    m.command("hide", QString());
    EXPECT_FALSE(m.target("fld:User Name").has_value());
}

TEST(ScreenModel, PropertyEditsEndWhenAnotherRowIsClicked)
{
    ScreenModel m;
    m.command("window", "palette 300 63 340 397");
    m.command("node", "Forms/M : module");
    m.command("select", "Forms/M");
    m.event(ScreenModel::Input::Up, "val:Name");
    for (const char* k : {"O", "R", "D"})
        m.event(ScreenModel::Input::Key, QString(), k);
    EXPECT_EQ(m.propertyValue("Forms/M", "Name"), QStringLiteral("ORD")) << "typing replaces the value";
    m.event(ScreenModel::Input::Up, "prop:Comment");
    EXPECT_TRUE(m.focus().isEmpty());
    m.event(ScreenModel::Input::Key, QString(), "X");
    EXPECT_EQ(m.propertyValue("Forms/M", "Name"), QStringLiteral("ORD"));
}

TEST(ScreenModel, TargetsStayOnTheScreen)
{
    ScreenModel m;
    m.command("window", "layout 0 63 640 397");
    m.command("item", "A textitem 10 10 80 18");
    const QRect screen(0, 0, ScreenModel::kWidth, ScreenModel::kHeight);
    for (const auto& e : m.elements())
        EXPECT_TRUE(screen.contains(e.rect)) << e.name.toStdString();
    const auto point = m.target("canvas@10,10");
    const auto item = m.target("item:A");
    ASSERT_TRUE(point && item);
    EXPECT_EQ(point->topLeft(), item->topLeft());
}

TEST(FrameRenderer, FramesAreDeterministicJpegs)
{
    const Storyboard b = Storyboard::parse(board({"click node:Forms", "pick File/Connect...", "show connect"}), "t");
    std::vector<QByteArray> first;
    std::vector<QByteArray> second;
    FrameRenderer::renderStoryboard(b, [&](int index, const QByteArray& jpeg) {
        EXPECT_EQ(index, static_cast<int>(first.size()));
        first.push_back(jpeg);
    });
    FrameRenderer::renderStoryboard(b, [&](int, const QByteArray& jpeg) { second.push_back(jpeg); });
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first, second);
    const QImage decoded = QImage::fromData(first[3], "JPEG");
    EXPECT_EQ(decoded.size(), QSize(640, 480));
    EXPECT_NE(first[2], first[3]) << "the File menu opens between frames 2 and 3";
}

TEST(FrameRenderer, WriteFramesLeavesOnlyThisRunsFrames)
{
    TempCurrentDir dir;
    QDir().mkpath(dir.file("frames"));
    writeFile(dir.file("frames/0007.jpg"), "stale");
    writeFile(dir.file("frames/notes.txt"), "kept");
    const Storyboard b = Storyboard::parse(board({"click node:Forms"}), "t");
    EXPECT_EQ(FrameRenderer::writeFrames(b, dir.file("frames")), 2);
    EXPECT_EQ(QDir(dir.file("frames")).entryList(QDir::Files), (QStringList{"0000.jpg", "0001.jpg", "notes.txt"}));
    EXPECT_TRUE(readFile(dir.file("frames/0001.jpg")).startsWith("\xff\xd8"));
}

TEST(LibraryBuilder, ExportWritesEveryListWithCrLf)
{
    TempCurrentDir dir;
    EXPECT_EQ(LibraryBuilder::exportLibrary(dir.path()), 76);
    const QByteArray events = readFile(dir.file("proj1a/ListBox73.txt"));
    EXPECT_EQ(events.count("\r\n"), 5);
    EXPECT_FALSE(events.contains("\n\n"));
    EXPECT_TRUE(readFile(dir.file("proj1a/ListBox74.txt")).isEmpty());
    EXPECT_TRUE(QFile::exists(dir.file("pro20f/ListBox72.txt")));
}

TEST(LibraryBuilder, WriteLibraryRegeneratesFromStoryboardFiles)
{
    TempCurrentDir dir;
    QDir().mkpath(dir.file("boards"));
    writeFile(dir.file("boards/p1.story"), ScriptLibrary::joinLines(board({"click node:Forms"})));
    writeFile(dir.file("boards/p99.story"), "part p99\n");
    EXPECT_EQ(LibraryBuilder::writeLibrary(dir.file("boards"), dir.file("lib")), QStringList{"p1"});
    const QStringList events = ScriptLibrary::splitLines(readFile(dir.file("lib/proj1/ListBox1.txt")));
    EXPECT_EQ(events.size(), 5);
    EXPECT_TRUE(readFile(dir.file("lib/proj1/ListBox2.txt")).isEmpty());

    writeFile(dir.file("boards/p2.story"), "part p3\nwindow navigator 0 63 300 397\nclick title\n");
    EXPECT_THROW(LibraryBuilder::writeLibrary(dir.file("boards"), dir.file("lib")), AppError) << "code and file disagree";
}

} // namespace
