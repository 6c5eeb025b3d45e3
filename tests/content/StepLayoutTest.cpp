// The layout check against the narration box the player really shows, on
// made-up steps, and over every step of every part.
#include "content/Catalogue.h"
#include "content/storyboard/StepLayoutCheck.h"
#include "content/storyboard/Storyboard.h"
#include "player/showm.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// One step before a click on a navigator node.
Storyboard::Result playStep(const QString& stepLine, const QStringList& narration = {"> Click the node."})
{
    QStringList lines = {
        "part p1",
        "window navigator 0 63 300 397",
        "node Forms/M : module",
        "expand Forms",
        "click title",
        stepLine,
    };
    lines << narration << "click node:Forms/M";
    return Storyboard::parse(lines, "test.story").play();
}

QStringList problems(const QString& stepLine, const QStringList& narration = {"> Click the node."})
{
    return StepLayoutCheck::check("p1", playStep(stepLine, narration));
}

bool mentions(const QStringList& list, const QString& what)
{
    return std::any_of(list.begin(), list.end(), [&](const QString& p) { return p.contains(what); });
}

TEST(StepLayout, BoxModelIsTheBoxThePlayerShows)
{
    Tpopupform box;
    box.show();
    EXPECT_EQ(box.size(), QSize(StepLayoutCheck::kClientWidth, StepLayoutCheck::kClientHeight));
    EXPECT_EQ(box.Memo1->y(), StepLayoutCheck::kNextBar);
    EXPECT_EQ(box.Memo1->viewport()->width(), StepLayoutCheck::kViewportWidth);
    EXPECT_EQ(box.Memo1->viewport()->height(), StepLayoutCheck::kViewportHeight);
    EXPECT_EQ(box.Memo1->document()->documentMargin(), StepLayoutCheck::kTextMargin);
    EXPECT_EQ(box.Memo1->font(), StepLayoutCheck::boxFont());
    EXPECT_EQ(StepLayoutCheck::boxRect(10, 20), QRect(10, 20, 208, 166));
}

// The measure must never call a text fitting that the real box scrolls,
// and must not turn away texts the box shows whole by more than a line:
// over the library's narrations and over texts growing past the box.
TEST(StepLayout, FitAgreesWithTheRealBox)
{
    std::vector<std::pair<std::string, QStringList>> texts;
    for (const auto& part : Catalogue::parts())
        for (const Step& step : Storyboard::builtIn(part.code).play().steps)
            texts.emplace_back(part.code.toStdString() + " event " + std::to_string(step.screen), step.narration);
    ASSERT_EQ(texts.size(), 667u);
    QString growing;
    for (int i = 0; i < 30; ++i) {
        growing += QStringLiteral("Word%1 and a few more words. ").arg(i);
        texts.emplace_back("growing " + std::to_string(i), QStringList{growing});
        texts.emplace_back("paragraphs " + std::to_string(i), QStringList(i % 9 + 1, QStringLiteral("Short.")));
    }
    Tpopupform box;
    box.show();
    const int line = QFontMetrics(StepLayoutCheck::boxFont()).lineSpacing();
    int fitting = 0;
    for (const auto& [what, narration] : texts) {
        box.setLines(narration);
        const bool scrolls = box.Memo1->verticalScrollBar()->maximum() > 0;
        if (StepLayoutCheck::textFits(narration)) {
            EXPECT_FALSE(scrolls) << what;
            ++fitting;
        } else if (StepLayoutCheck::textHeight(narration) > StepLayoutCheck::kViewportHeight + line) {
            EXPECT_TRUE(scrolls) << what;
        }
    }
    EXPECT_GT(fitting, 667) << "some made-up texts fit as well";
    EXPECT_LT(fitting, static_cast<int>(texts.size())) << "and some do not";
}

TEST(StepLayout, EachFaultIsReported)
{
    const QRect node = playStep("step 'T'").focus.at(0).control;
    ASSERT_FALSE(node.isNull());
    const QString onNode = QStringLiteral("step 'T' at %1 %2").arg(node.left() - 10).arg(node.top() - 10);
    const QString clear = QStringLiteral("step 'T' at 400 300");
    const QString longText = "> " + QString("A long sentence that goes on. ").repeated(12);
    const struct {
        QString step;
        QStringList narration;
        QString expected;   // empty: no problem at all
    } cases[] = {
        {clear, {"> Click the node."}, ""},
        {clear + " arrow L", {"> Click the node."}, ""},
        {"step 'T' at 500 300", {"> Off the right edge."}, "leaves the screen"},
        {"step 'T' at 400 -1", {"> Above the top."}, "leaves the screen"},
        {onNode, {"> Over the node."}, "covers the control"},
        {onNode, {"> Over the node."}, "pointer's next stop"},
        {QStringLiteral("step 'T' at 400 300 arrow R 320 410"), {"> Arrow under the box."}, "covers the arrow"},
        {QStringLiteral("step 'T' at 400 300 arrow R 40 40"), {"> Arrow far away."}, "away from its control"},
        {QStringLiteral("step 'T' at 400 300 arrow L -5 100"), {"> Arrow off the top."}, "the arrow leaves the screen"},
        {clear, {longText}, "the text needs"},
        {clear, {"> One.", ">", "> Two.", ">", "> Three.", ">", "> Four.", ">", "> Five.", ">", "> Six."}, "the text needs"},
    };
    for (const auto& c : cases) {
        const QStringList found = problems(c.step, c.narration);
        if (c.expected.isEmpty())
            EXPECT_TRUE(found.isEmpty()) << c.step.toStdString() << ": " << found.join('\n').toStdString();
        else
            EXPECT_TRUE(mentions(found, c.expected)) << c.step.toStdString() << ": " << found.join('\n').toStdString();
    }
}

TEST(StepLayout, DiagonalTipsAreTheNamedCorners)
{
    const QPoint at(100, 200);
    EXPECT_EQ(StepLayoutCheck::arrowTip("NW", at), QPoint(100, 200));
    EXPECT_EQ(StepLayoutCheck::arrowTip("NE", at), QPoint(148, 200));
    EXPECT_EQ(StepLayoutCheck::arrowTip("SW", at), QPoint(100, 248));
    EXPECT_EQ(StepLayoutCheck::arrowTip("SE", at), QPoint(148, 248));
    EXPECT_EQ(StepLayoutCheck::arrowTip("R", at), QPoint(158, 223));
    EXPECT_EQ(StepLayoutCheck::arrowTip("U", at), QPoint(124, 200));
}

TEST(StepLayout, EveryStepOfEveryPartPasses)
{
    int checked = 0;
    for (const auto& part : Catalogue::parts()) {
        const QStringList found = StepLayoutCheck::check(Storyboard::builtIn(part.code));
        EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 37);
}

} // namespace
