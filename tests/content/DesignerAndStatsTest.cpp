#include "content/designer/DesignerDefs.h"
#include "content/storyboard/LibraryStats.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

TEST(DesignerDefs, ReadsMenusNodesPropertiesAndDialogs)
{
    const DesignerDefs d = DesignerDefs::parse({
        "# comment",
        "menu File = New > | - | Exit",
        "menu File/New = Form",
        "nodes module = Blocks | Canvases",
        "props item = Name=ITEM1 | Width=80 | Comment",
        "dialog ask \"Ask Me\" 200",
        "  field Name",
        "  list Rows 3",
        "  lists Left | Right 4",
        "  radio A | B",
        "  buttons OK | Cancel",
        "end",
    });
    EXPECT_EQ(d.topMenus(), QStringList{"File"});
    EXPECT_EQ(d.menu("File"), (QStringList{"New >", "-", "Exit"}));
    EXPECT_EQ(d.nodes("module"), (QStringList{"Blocks", "Canvases"}));
    const auto props = d.properties("item");
    ASSERT_EQ(props.size(), 3u);
    EXPECT_EQ(props[1], std::make_pair(QString("Width"), QString("80")));
    EXPECT_EQ(props[2].second, QString());
    const DialogDef* ask = d.dialog("ask");
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->title, QStringLiteral("Ask Me"));
    ASSERT_EQ(ask->controls.size(), 5u);
    EXPECT_EQ(ask->controls[1].rows, 3);
    EXPECT_EQ(ask->controls[2].names, (QStringList{"Left", "Right"}));
    EXPECT_EQ(ask->controls[2].rows, 4);
    EXPECT_EQ(d.dialog("nothing"), nullptr);
}

TEST(DesignerDefs, RejectsWhatItCannotLayOut)
{
    const struct { const char* why; QStringList lines; } cases[] = {
        {"unknown definition", {"colour red"}},
        {"menu without items", {"menu File"}},
        {"dialog without end", {"dialog a \"A\" 200", "field X"}},
        {"unknown control", {"dialog a \"A\" 200", "slider X", "end"}},
        {"list without rows", {"dialog a \"A\" 200", "list X", "end"}},
        {"lists with one name", {"dialog a \"A\" 200", "lists X 3", "end"}},
        {"dialog wider than the screen", {"dialog a \"A\" 700", "end"}},
        {"dialog twice", {"dialog a \"A\" 200", "end", "dialog a \"B\" 200", "end"}},
    };
    for (const auto& c : cases)
        EXPECT_THROW(DesignerDefs::parse(c.lines), AppError) << c.why;
}

TEST(DesignerDefs, BuiltInDefinitionHasTheMainMenus)
{
    const auto& d = DesignerDefs::builtIn();
    EXPECT_EQ(d.topMenus(), (QStringList{"File", "Edit", "View", "Navigator", "Program", "Tools", "Window", "Help"}));
    for (const char* id : {"connect", "blockwelcome", "newrecordgroup", "alert", "lovlist"})
        EXPECT_NE(d.dialog(id), nullptr) << id;
    // Every sub-menu an item announces is defined.
    for (const QString& top : d.topMenus())
        for (const QString& item : d.menu(top))
            if (item.endsWith(" >"))
                EXPECT_FALSE(d.menu(top + "/" + item.chopped(2)).isEmpty()) << item.toStdString();
}

QStringList events()
{
    return {
        "# 0000  Mouse:513 X=008 Y=100 Event:Left_Button_Down",
        "# 0000  --> KEYFRAME  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open",
        "",
        "# 0001  KeyCode=65  Key=A    Press=1 PrevDn=0 Caps=0 Shift=1 Ctrl=0 Alt=0",
        "# 0001  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480",
        "",
        "# 0002  Mouse:161 X=630 Y=000 Event:NCLeft_Button_Down",
        "# 0002  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480",
    };
}

QStringList steps()
{
    return {
        "$$$$$$ Step  1", "%Screen =  1", "%Topic 'T'", "%Location =  215 177 181 131",
        "%GraphicFileName= 'E:\\x\\ARR_SE_R.BMP'", "%GraphicMaskFile= 'E:\\x\\ARR_SE__.BMP'",
        "%GraphicTop=-5", "%GraphicLeft= 20", "%Scroll= 0", "One.", "", "Two.", "!",
    };
}

TEST(LibraryStats, CountsEveryKindOfLine)
{
    const PartStats s = LibraryStats::compute(events(), steps());
    EXPECT_EQ(s.events, 3);
    EXPECT_EQ(s.eventLines, 8);
    EXPECT_EQ(s.separators, 2);
    EXPECT_EQ(s.down + s.up + s.nc, 2);
    EXPECT_EQ(s.keys, 1);
    EXPECT_EQ(s.shift, 1);
    EXPECT_EQ(s.keyFrames, QList<int>{0});
    EXPECT_EQ(QList<int>({s.minX, s.maxX, s.minY, s.maxY}), QList<int>({8, 630, 0, 100}));
    EXPECT_EQ(s.stepLines, 13);
    EXPECT_EQ(s.arrows.value("SE"), 1);
    EXPECT_EQ(s.narrationTexts, (QStringList{"One.", "Two."}));
    EXPECT_TRUE(s.late);
    EXPECT_TRUE(s.screensValid);
}

TEST(LibraryStats, CheckPartNamesEachMismatch)
{
    const auto allocation = LibraryStats::parseAllocation({
        "code events steps down up nc keys shift keyframes R L D U NW SW SE NE late",
        "p9 3 1 1 0 1 1 1 1 0 0 0 0 0 0 1 0 1",
        "holds p9 mouse-x-min 8",
    });
    const PartStats s = LibraryStats::compute(events(), steps());
    EXPECT_EQ(LibraryStats::checkPart("p9", s, allocation), QStringList());

    auto withScreen = [&](const QString& screen) {
        QStringList lines = steps();
        lines[1] = screen;
        return LibraryStats::checkPart("p9", LibraryStats::compute(events(), lines), allocation);
    };
    EXPECT_FALSE(withScreen("%Screen =  3").isEmpty()) << "a screen past the last event";
    EXPECT_FALSE(withScreen("%Screen =  0").isEmpty()) << "an arrow on event 0, and no longer late";

    auto rowWith = [&](int column, const QString& value) {
        QStringList row = QString("p9 3 1 1 0 1 1 1 1 0 0 0 0 0 0 1 0 1").split(' ');
        row[column] = value;
        auto a = LibraryStats::parseAllocation({
            "code events steps down up nc keys shift keyframes R L D U NW SW SE NE late",
            row.join(' '),
        });
        return LibraryStats::checkPart("p9", s, a);
    };
    EXPECT_EQ(rowWith(6, "2").size(), 1) << "keys differ";
    EXPECT_EQ(rowWith(15, "0").size(), 1) << "SE arrows differ";
    EXPECT_EQ(rowWith(17, "0").size(), 1) << "the first step is late";
    EXPECT_EQ(LibraryStats::checkPart("p10", s, allocation).size(), 1) << "no row";
    EXPECT_THROW(LibraryStats::parseAllocation({"code events", "p1 x"}), AppError);
}

} // namespace
