#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "webexport/WebPartCompiler.h"

#include <QTemporaryDir>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QString mouse(int n, int x, int y)
{
    return QStringLiteral("# %1  Mouse:513 X=%2 Y=%3 Event:Left_Button_Down")
        .arg(n, 4, 10, QLatin1Char('0'))
        .arg(x, 3, 10, QLatin1Char('0'))
        .arg(y, 3, 10, QLatin1Char('0'));
}

QString key(int n)
{
    return QStringLiteral("# %1  KeyCode=49  Key=1    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0").arg(n, 4, 10, QLatin1Char('0'));
}

QStringList script(const QStringList& eventLines)
{
    QStringList lines;
    for (int i = 0; i < eventLines.size(); ++i) {
        if (i > 0)
            lines << QString();
        lines << eventLines.at(i) << QStringLiteral("# %1  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480").arg(i, 4, 10, QLatin1Char('0'));
    }
    return lines;
}

QStringList step(int number, int screen, const QString& topic, const QStringList& text, const QString& arrow = {},
                 const QString& top = {}, const QString& left = {})
{
    QStringList lines{QStringLiteral("$$$$$$ Step  %1").arg(number), QStringLiteral("%Screen =  %1").arg(screen),
                      QStringLiteral("%Topic '%1'").arg(topic), QStringLiteral("%Location =  215 177 181 131")};
    if (!arrow.isEmpty()) {
        lines << QStringLiteral("%GraphicFileName= 'E:\\ART\\BITMAPS\\%1'").arg(arrow)
              << QStringLiteral("%GraphicMaskFile= 'E:\\ART\\BITMAPS\\MASK.BMP'")
              << QStringLiteral("%GraphicTop=%1").arg(top) << QStringLiteral("%GraphicLeft=%1").arg(left);
    }
    return lines << QStringLiteral("%Scroll= 0") << text << QStringLiteral("!");
}

std::vector<QPoint> points(std::initializer_list<std::pair<int, int>> list)
{
    std::vector<QPoint> out;
    for (const auto& p : list)
        out.emplace_back(p.first, p.second);
    return out;
}

// A frame store of records records, record k holding the bytes "frame k",
// compiled with the two scripts.
struct Compiled {
    WebPart part;
    std::vector<std::pair<int, QByteArray>> frames; // as the compiler handed them on
};

Compiled compile(const QStringList& events, const QStringList& steps, int records)
{
    QTemporaryDir dir;
    DbfTable::create(dir.filePath("simu.dbf"), DbfTable::frameStoreFields());
    DbfTable table;
    const TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
    table.setDatabaseName(dir.path());
    table.setTableName("simu.dbf");
    table.open();
    for (int k = 0; k < records; ++k) {
        table.insert();
        table.setFieldBytes("GR", "frame " + QByteArray::number(k));
        table.post();
    }
    table.first();
    Compiled c;
    c.part = WebPartCompiler::compile("p9", 9, events, steps, table, gr,
                                      [&](int record, const QByteArray& jpeg) { c.frames.emplace_back(record, jpeg); });
    return c;
}

} // namespace

// The pointer's glide, tick by tick, in recorded coordinates from the frame's
// corner: 20 pixels across per tick with the proportional step down, then the
// final jump; a key event keeps the target, so its one tick stays in place.
TEST(WebPartCompiler, PointerTicksFollowTheGlideRule)
{
    const QStringList events = script({mouse(0, 100, 50), key(1), mouse(2, 75, 450), mouse(3, 80, 10), mouse(4, 80, 10)});
    const WebPart part = compile(events, {}, 5).part;
    ASSERT_EQ(part.events.size(), 5u);
    const std::vector<std::vector<QPoint>> expected = {
        points({{20, 10}, {40, 20}, {60, 30}, {80, 40}, {100, 50}, {100, 50}}),
        points({{100, 50}}),
        // 25 across, 400 down: one step of 20 and 320, then the jump.
        points({{80, 370}, {75, 450}}),
        // Less than 20 across: one jump, however far down.
        points({{80, 10}}),
        points({{80, 10}}),
    };
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(part.events[k].ticks, expected[k]) << "event " << k;
        EXPECT_EQ(part.events[k].frame, int(k));
        EXPECT_FALSE(part.events[k].boxVisible);
    }
}

// Narration and arrows per event as the player's pass reads them: the box of
// event 0 without arrow lines (the arrow is left as it was), arrows read from
// their fixed columns, a diagonal arrow with its corner's picture, an event
// without a step hiding the arrow.
TEST(WebPartCompiler, NarrationAndArrowsPerEvent)
{
    const QStringList events = script({mouse(0, 10, 10), mouse(1, 10, 10), mouse(2, 10, 10), mouse(3, 10, 10), mouse(4, 10, 10)});
    QStringList steps;
    steps << step(1, 0, "Start", {"<script>alert(1)</script>", "", "second paragraph"}, "ARR_R1R.BMP", " 46", " 164")
          << step(2, 1, "Menu", {"Open the menu."}, "ARR_D1R.BMP", "-5", " 300")
          << step(3, 2, "Corner", {"Diagonal."}, "ARR_NW_R.BMP", " 99", " 98")
          << step(4, 4, "End", {"Done."});
    const WebPart part = compile(events, steps, 5).part;
    ASSERT_EQ(part.events.size(), 5u);

    const struct {
        bool box;
        QStringList text;
        WebEvent::ArrowShow arrow;
        QPoint at;
        QString picture;
    } expected[] = {
        {true, {"<script>alert(1)</script>", "", "second paragraph"}, WebEvent::ArrowShow::Hidden, {}, {}},
        {true, {"Open the menu."}, WebEvent::ArrowShow::Shown, {300, 5}, "down"},
        {true, {"Diagonal."}, WebEvent::ArrowShow::Shown, {98, 99}, "northwest"},
        {false, {}, WebEvent::ArrowShow::Hidden, {}, "northwest"},
        {true, {"Done."}, WebEvent::ArrowShow::Hidden, {}, "northwest"},
    };
    for (size_t k = 0; k < 5; ++k) {
        const WebEvent& e = part.events[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(e.boxVisible, expected[k].box);
        if (expected[k].box) {
            EXPECT_EQ(e.text, expected[k].text);
            EXPECT_EQ(e.box, QPoint(215, 177));
        }
        EXPECT_EQ(e.arrow, expected[k].arrow);
        if (e.arrow == WebEvent::ArrowShow::Shown)
            EXPECT_EQ(e.arrowAt, expected[k].at);
        EXPECT_EQ(e.arrowPicture, expected[k].picture);
    }
    ASSERT_EQ(part.steps.size(), 4u);
    EXPECT_EQ(part.steps[1].event, 1);
    EXPECT_EQ(part.steps[1].topic, "Menu");
    EXPECT_EQ(part.steps[3].event, 4);
}

// A store with fewer records than events shows its last record again and
// reports its end; each record shown is handed on once, and records no event
// shows are not.
TEST(WebPartCompiler, FramesFollowTheStoreRecords)
{
    const QStringList events = script({mouse(0, 1, 1), mouse(1, 2, 2), mouse(2, 3, 3), mouse(3, 4, 4)});
    const Compiled short2 = compile(events, {}, 2);
    const int frames[] = {0, 1, 1, 1};
    const bool atEnd[] = {false, false, true, true};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(short2.part.events[size_t(k)].frame, frames[k]) << k;
        EXPECT_EQ(short2.part.events[size_t(k)].storeAtEnd, atEnd[k]) << k;
    }
    EXPECT_EQ(short2.frames, (std::vector<std::pair<int, QByteArray>>{{0, "frame 0"}, {1, "frame 1"}}));
    EXPECT_EQ(short2.part.records, 2);

    const Compiled long6 = compile(events, {}, 6);
    EXPECT_EQ(long6.frames.size(), 4u);
    EXPECT_EQ(long6.frames.back(), std::make_pair(3, QByteArray("frame 3")));
}

TEST(WebPartCompiler, BadNumbersFailWithThePlayersMessage)
{
    try {
        compile(script({"# 0000  Mouse:513 X=1x2 Y=003 Event:Left_Button_Down"}), {}, 1);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), "'1x2' is not a valid integer value");
    }
}

// The data file hands plain JSON to the player, with every character outside
// printable ASCII escaped, so markup in narration stays text and the file
// reads the same under any page encoding.
TEST(WebPartCompiler, ScriptIsAsciiJsonHandedToThePlayer)
{
    QStringList steps = step(1, 0, QString::fromLatin1("T\xe9ma"), {QString::fromLatin1("caf\xe9 <img src=x onerror=alert(1)>"), "tab\there"});
    const WebPart part = compile(script({mouse(0, 40, 0)}), steps, 1).part;
    const QByteArray js = WebPartCompiler::toScript(part);
    const QByteArray prefix = "LessonwrightPlayer.receive(document.currentScript, ";
    ASSERT_TRUE(js.startsWith(prefix));
    ASSERT_TRUE(js.endsWith(");\n"));
    for (const char c : js)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(js.mid(prefix.size(), js.size() - prefix.size() - 3), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject e0 = doc.object()["events"].toArray()[0].toObject();
    EXPECT_EQ(e0["box"].toObject()["text"].toArray()[0].toString(), QString::fromLatin1("caf\xe9 <img src=x onerror=alert(1)>"));
    EXPECT_EQ(e0["box"].toObject()["text"].toArray()[1].toString(), "tab\there");
    EXPECT_TRUE(e0["arrow"].isNull());
    EXPECT_EQ(e0["ticks"].toArray(), (QJsonArray{QJsonArray{20, 0}, QJsonArray{40, 0}, QJsonArray{40, 0}}));
    EXPECT_EQ(doc.object()["steps"].toArray()[0].toObject()["topic"].toString(), QString::fromLatin1("T\xe9ma"));
}
