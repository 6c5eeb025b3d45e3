// What the frames show a learner: button pictures, readable labels, hidden
// passwords, colour swatches and the ring around the control a step is about.
#include "content/Catalogue.h"
#include "content/designer/DesignerDefs.h"
#include "content/designer/IconPainter.h"
#include "content/designer/ScreenModel.h"
#include "content/designer/ScreenPainter.h"
#include "content/storyboard/FrameRenderer.h"
#include "content/storyboard/Storyboard.h"
#include "platform/AppError.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb kAccent = qRgb(255, 128, 0);

QImage iconPicture(const QString& name)
{
    QImage image(IconPainter::kSize, IconPainter::kSize, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter p(&image);
    IconPainter::draw(p, name, QPoint(0, 0));
    return image;
}

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

TEST(IconPainter, EveryButtonOfTheDesignerHasItsOwnPicture)
{
    const DesignerDefs& defs = DesignerDefs::builtIn();
    QStringList names = defs.toolbar() + defs.tools();
    names << "Expand" << "Collapse" << "Expand All" << "Collapse All" << "Create" << "Delete";
    const QImage blank = iconPicture(QString());
    std::set<QByteArray> seen;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(IconPainter::has(name));
        const QImage picture = iconPicture(name);
        EXPECT_NE(picture, blank) << "no picture drawn";
        const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        // The toolbar and the navigator both have a Delete-like pair of
        // names only once each, so every name must look different.
        EXPECT_TRUE(seen.insert(bytes).second) << "looks like another button";
    }
    EXPECT_FALSE(IconPainter::has("No Such Button"));
}

// One frame of a session, as a picture, with the step's ring when a step
// starts there.
std::vector<QImage> pictures(const QStringList& body)
{
    QStringList lines = {"part p1", "window navigator 0 63 300 397", "node Forms/ORDERS : module", "expand Forms"};
    lines << body;
    std::vector<QImage> out;
    FrameRenderer::drawStoryboard(Storyboard::parse(lines, "t.story"),
                                  [&](int, const QImage& picture) { out.push_back(picture); });
    return out;
}

TEST(ScreenPainter, AStepRingsTheControlItIsAboutAndOnlyOnItsFrame)
{
    const QStringList body = {
        "click node:Forms/ORDERS",
        "step 'Topic'",
        "> The module.",
        "click node:Forms",
        "click node:Forms/ORDERS",
        "step 'Topic' arrow L node:Forms/ORDERS",
        "> The arrow names another control than the click.",
        "click node:Forms",
    };
    const auto frames = pictures(body);
    ASSERT_EQ(frames.size(), 8u);
    ScreenModel m;
    m.command("window", "navigator 0 63 300 397");
    m.command("node", "Forms/ORDERS : module");
    m.command("expand", "Forms");
    const QRect forms = *m.target("node:Forms");
    const QRect module = *m.target("node:Forms/ORDERS");
    const QRect aroundForms = forms.adjusted(-5, -5, 5, 5);
    const QRect aroundModule = module.adjusted(-5, -5, 5, 5);
    EXPECT_GT(countColour(frames[2], aroundForms, kAccent), 20) << "the step of frame 2 is about Forms";
    EXPECT_EQ(countColour(frames[2], forms, kAccent), 0) << "the ring stays outside the control";
    EXPECT_EQ(countColour(frames[3], aroundForms, kAccent), 0) << "frame 3 has no step";
    EXPECT_EQ(countColour(frames[0], QRect(0, 0, 640, 480), kAccent), 0);
    EXPECT_GT(countColour(frames[6], aroundModule, kAccent), 20) << "the arrow's target is what the step is about";
}

TEST(ScreenPainter, PasswordsAreMaskedAndOtherFieldsShown)
{
    auto frame = [](const QString& field, const QString& text) {
        ScreenModel m;
        m.command("show", "connect");
        m.command("set", field + " = " + text);
        return ScreenPainter::draw(m);
    };
    EXPECT_EQ(frame("Password", "abcd"), frame("Password", "wxyz")) << "typed letters must not show";
    EXPECT_NE(frame("Password", "abcd"), frame("Password", "abc")) << "one mark per letter";
    EXPECT_NE(frame("User Name", "abcd"), frame("User Name", "wxyz"));
}

TEST(ScreenPainter, ColourListsShowASwatchOfEachColour)
{
    ScreenModel m;
    m.command("show", "colors");
    m.command("rows", "Colors = darkblue | light yellow | no such colour");
    const QImage image = ScreenPainter::draw(m);
    const struct { const char* row; QRgb swatch; int border; } cases[] = {
        {"row:Colors/darkblue", qRgb(0, 0, 139), 22},
        {"row:Colors/light yellow", qRgb(255, 255, 224), 22},
        {"row:Colors/no such colour", qRgb(0, 0, 0), 0},
    };
    for (const auto& c : cases) {
        const QRect row = *m.target(c.row);
        if (c.border)
            EXPECT_GT(countColour(image, row, c.swatch), 50) << c.row;
        // The swatch's black top edge, above where lower-case letters reach.
        EXPECT_EQ(countColour(image, QRect(row.x() + 3, row.y() + 3, 22, 1), qRgb(0, 0, 0)), c.border) << c.row;
    }
}

TEST(ScreenPainter, ReportsEveryTextThatDoesNotFitItsPlace)
{
    const DesignerDefs defs = DesignerDefs::parse({
        "dialog d \"A title far too long for the narrow dialog it names\" 260",
        "  field A label wider than the usual column",
        "  field Short",
        "  list Rows 2 \"Shown\"",
        "  label A sentence of a label that is far longer than the dialog is wide",
        "  buttons OK",
        "end",
    });
    ScreenModel m(defs);
    m.command("show", "d");
    std::vector<ScreenPainter::ClippedText> clipped;
    ScreenPainter::draw(m, {}, {}, &clipped);
    QStringList texts;
    for (const auto& c : clipped) {
        texts << c.text;
        EXPECT_GT(c.needed.width(), c.place.width()) << c.text.toStdString();
    }
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"A sentence of a label that is far longer than the dialog is wide",
                                  "A title far too long for the narrow dialog it names"}))
        << "a field's label column grows to its longest label";
}

TEST(FrameRenderer, ACutOffTextStopsTheRenderNamingItsFrame)
{
    const QString caption = "Form Designer - " + QString("LONG_NAME_").repeated(8);
    const Storyboard b = Storyboard::parse(
        {"part p1", "window layout 0 63 640 397", "click canvas", "caption " + caption, "click canvas"}, "t.story");
    EXPECT_EQ(FrameRenderer::clippedTexts(b).size(), 2u) << "frames 2 and 3 show the caption";
    try {
        FrameRenderer::renderStoryboard(b, [](int, const QByteArray&) {});
        FAIL() << "the render went through";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith("t.story line 5: p1 frame 2: '" + caption + "'")) << e.message().toStdString();
    }
}

TEST(ScreenPainter, WhatASessionTypedIsCutLikeAnEditControlCutsIt)
{
    // A value too long for its cell ends in an ellipsis; while it is
    // being edited the cell shows its end instead, where the caret is.
    ScreenModel m;
    m.command("window", "navigator 0 63 300 397");
    m.command("window", "palette 300 63 340 397");
    m.command("node", "Forms/ORDERS : module");
    m.command("select", "Forms/ORDERS");
    m.command("prop", "Comment = " + QString("word ").repeated(30) + "END");
    std::vector<ScreenPainter::ClippedText> clipped;
    const QImage shown = ScreenPainter::draw(m, {}, {}, &clipped);
    EXPECT_TRUE(clipped.empty());
    m.event(ScreenModel::Input::Up, "val:Comment");
    const QImage editing = ScreenPainter::draw(m, {}, {}, &clipped);
    EXPECT_TRUE(clipped.empty());
    const QRect cell = *m.target("val:Comment");
    EXPECT_NE(shown.copy(cell), editing.copy(cell));
}

TEST(DesignerDefs, ACaptionShowsOtherWordsThanTheNameTargetsUse)
{
    const DesignerDefs defs = DesignerDefs::parse({
        "dialog d \"D\" 300",
        "  list Folders 3 \"Look in\"",
        "  field Spacing Between Rows \"Spacing\"",
        "  label Press \"OK\"",
        "end",
    });
    const auto& controls = defs.dialog("d")->controls;
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0].names, QStringList{"Folders"});
    EXPECT_EQ(controls[0].rows, 3);
    EXPECT_EQ(controls[0].label(), "Look in");
    EXPECT_EQ(controls[1].names, QStringList{"Spacing Between Rows"});
    EXPECT_EQ(controls[2].label(), "Press \"OK\"") << "a label's own words keep their quotes";
    ScreenModel m(defs);
    m.command("show", "d");
    m.command("rows", "Folders = forms");
    EXPECT_TRUE(m.target("row:Folders/forms"));
    EXPECT_TRUE(m.target("fld:Spacing Between Rows"));
    QStringList labels;
    for (const auto& e : m.elements())
        if (e.kind == "label")
            labels << e.text;
    EXPECT_EQ(labels, (QStringList{"Look in:", "Spacing:", "Press \"OK\""}));
    EXPECT_THROW(DesignerDefs::parse({"dialog d \"D\" 300", "  list Folders 3 Look in\"", "end"}), AppError);
}

// A dialog that names one thing twice (a heading over a box that has its
// own label) reads as a mistake.
TEST(DesignerDefs, NoBuiltInDialogShowsTheSameWordsTwice)
{
    const DesignerDefs& defs = DesignerDefs::builtIn();
    for (const QString& id : defs.dialogIds()) {
        ScreenModel m;
        m.command("show", id);
        QStringList seen;
        for (const auto& e : m.elements()) {
            if (e.kind != "label" && e.kind != "check" && e.kind != "radio")
                continue;
            QString words = e.text;
            words.remove(QLatin1Char(':'));
            EXPECT_FALSE(seen.contains(words)) << id.toStdString() << " shows '" << words.toStdString() << "' twice";
            seen << words;
        }
    }
}

// Every frame of the course, drawn as the course build draws it: no text of
// any frame is cut off.
TEST(FrameRenderer, NoFrameOfTheCourseCutsOffAText)
{
    int parts = 0;
    int frames = 0;
    for (const auto& part : Catalogue::parts()) {
        if (!Storyboard::hasBuiltIn(part.code))
            continue;
        ++parts;
        int count = 0;
        const QStringList clipped = FrameRenderer::clippedTexts(Storyboard::builtIn(part.code), &count);
        frames += count;
        EXPECT_TRUE(clipped.isEmpty()) << part.code.toStdString() << ":\n"
                                       << clipped.join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_EQ(parts, 37);
    EXPECT_EQ(frames, 2904);
}

} // namespace
