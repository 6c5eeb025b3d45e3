#include "content/EventScript.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

const QString kBackspace = QString(QChar(8));

QStringList sample()
{
    return {
        QStringLiteral("# 0000  Mouse:513 X=253 Y=016 Event:Left_Button_Down"),
        QStringLiteral("# 0000  --> KEYFRAME  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open"),
        QString(),
        QStringLiteral("# 0001  KeyCode=") + QStringLiteral("8  Key=") + kBackspace
            + QStringLiteral("    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0"),
        QStringLiteral("# 0001  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480"),
        QString(),
        QStringLiteral("# 0002  KeyCode=189  Key=-    Press=1 PrevDn=0 Caps=0 Shift=1 Ctrl=0 Alt=0"),
        QStringLiteral("# 0002  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480"),
        QString(),
        QStringLiteral("# 0003  Mouse:161 X=008 Y=000 Event:NCLeft_Button_Down"),
        QStringLiteral("# 0003  --> KEYFRAME  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open"),
        QString(),
        QStringLiteral("# 0004  KeyCode=32  Key=Space    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0"),
        QStringLiteral("# 0004  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480"),
    };
}

TEST(EventScript, RoundTripKeepsEveryLine)
{
    const auto records = EventScript::parse(sample());
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(EventScript::write(records), sample());
}

TEST(EventScript, ParsesFieldsOfEachKind)
{
    const auto r = EventScript::parse(sample());
    EXPECT_TRUE(r[0].isMouse());
    EXPECT_EQ(r[0].x, 253);
    EXPECT_EQ(r[0].y, 16);            // leading zeros are not octal
    EXPECT_EQ(r[0].message, 513);
    EXPECT_TRUE(r[0].isKeyFrame());
    // The Backspace key name is one control character, not a separator.
    EXPECT_EQ(r[1].keyCode, 8);
    EXPECT_EQ(r[1].keyName, kBackspace);
    EXPECT_EQ(r[1].press, 1);
    EXPECT_EQ(r[2].keyName, QStringLiteral("-"));
    EXPECT_EQ(r[2].shift, 1);
    EXPECT_EQ(r[3].number, 3);
    EXPECT_EQ(r[3].eventName, QStringLiteral("NCLeft_Button_Down"));
    EXPECT_EQ(r[4].keyName, QStringLiteral("Space"));
    EXPECT_EQ(r[4].right, 640);
}

TEST(EventScript, TrailingEmptyLineIsTolerated)
{
    QStringList lines = sample();
    lines << QString();
    EXPECT_EQ(EventScript::parse(lines).size(), 5u);
}

TEST(EventScript, WriterPadsAndNumbers)
{
    EventRecord a;
    a.x = 8;
    a.y = 0;
    a.message = 514;
    a.eventName = EventScript::eventNameFor(514);
    a.number = 77;  // ignored: the position decides
    EventRecord k;
    k.kind = EventRecord::Kind::Key;
    k.keyCode = 49;
    k.keyName = EventScript::keyNameFor(49);
    const QStringList out = EventScript::write({a, k});
    ASSERT_EQ(out.size(), 5);
    EXPECT_EQ(out[0], QStringLiteral("# 0000  Mouse:514 X=008 Y=000 Event:Left_Button_Up"));
    EXPECT_EQ(out[2], QString());
    EXPECT_EQ(out[3], QStringLiteral("# 0001  KeyCode=49  Key=1    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0"));
    EXPECT_EQ(out[4], QStringLiteral("# 0001  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480"));
}

TEST(EventScript, KeyNames)
{
    const struct { int code; QString name; } cases[] = {
        {48, "0"}, {57, "9"}, {65, "A"}, {90, "Z"}, {8, kBackspace}, {9, "Tab"}, {13, "Enter"},
        {32, "Space"}, {39, "Right"}, {40, "Down"}, {46, "Del"}, {186, ";"}, {187, "="},
        {189, "-"}, {190, "."}, {47, ""}, {97, ""}, {191, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EventScript::keyNameFor(c.code), c.name) << c.code;
}

TEST(EventScript, MalformedScriptsAreRejected)
{
    const struct { const char* what; int line; QString text; } cases[] = {
        {"gap in numbering", 3, "# 0002  Mouse:513 X=253 Y=016 Event:Left_Button_Down"},
        {"number not decimal", 0, "# 00x0  Mouse:513 X=253 Y=016 Event:Left_Button_Down"},
        {"X not decimal", 0, "# 0000  Mouse:513 X=2a3 Y=016 Event:Left_Button_Down"},
        {"frame number differs", 1, "# 0001  --> KEYFRAME  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open"},
        {"update with suffix", 4, "# 0001  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open"},
        {"separator not empty", 2, " "},
        {"single spaces", 0, "# 0000 Mouse:513 X=253 Y=016 Event:Left_Button_Down"},
    };
    for (const auto& c : cases) {
        QStringList lines = sample();
        lines[c.line] = c.text;
        EXPECT_THROW(EventScript::parse(lines), AppError) << c.what;
    }
    QStringList cut = sample();
    cut.removeLast();
    EXPECT_THROW(EventScript::parse(cut), AppError) << "record without frame line";
}

} // namespace
