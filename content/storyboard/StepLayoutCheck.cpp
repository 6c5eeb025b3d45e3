#include "content/storyboard/StepLayoutCheck.h"

#include "content/StepScript.h"
#include "content/designer/ScreenModel.h"

#include <QGuiApplication>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <optional>

namespace {

const QRect kScreen(0, 0, ScreenModel::kWidth, ScreenModel::kHeight);

// The pointer's picture below and right of its tip, with a pixel or two
// around it: the part of the frame the learner watches as it lands.
QRect pointerSpot(const QPoint& p)
{
    return QRect(p.x() - 2, p.y() - 2, 16, 24);
}

bool large(const QRect& r)
{
    return r.width() > StepLayoutCheck::kLargeWidth || r.height() > StepLayoutCheck::kLargeHeight;
}

} // namespace

QRect StepLayoutCheck::boxRect(int x, int y)
{
    return QRect(x, y, kClientWidth + 2 * kBorder, kClientHeight + kTitleBar + kBorder);
}

QFont StepLayoutCheck::boxFont()
{
    // The box keeps the application's font and only makes it 8 points.
    QFont font = QGuiApplication::font();
    font.setPointSize(8);
    return font;
}

int StepLayoutCheck::textHeight(const QStringList& narration)
{
    // Laid out as the memo lays out its blocks: one block per line, wrapped
    // at words (or anywhere in a word too long for the line), each line's
    // leading counted.
    const QFont font = boxFont();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal width = kViewportWidth - 2 * kTextMargin;
    qreal height = 0;
    for (const QString& line : narration) {
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLeadingIncluded(true);
            l.setLineWidth(width);
            height += l.height();
        }
        layout.endLayout();
    }
    return qCeil(height) + 2 * kTextMargin;
}

bool StepLayoutCheck::textFits(const QStringList& narration)
{
    return textHeight(narration) <= kViewportHeight;
}

QPoint StepLayoutCheck::arrowTip(const QString& code, const QPoint& topLeft)
{
    const QSize s = Storyboard::arrowSize(code);
    const int midX = topLeft.x() + s.width() / 2;
    const int midY = topLeft.y() + s.height() / 2;
    if (code == QLatin1String("R")) return {topLeft.x() + s.width(), midY};
    if (code == QLatin1String("L")) return {topLeft.x(), midY};
    if (code == QLatin1String("D")) return {midX, topLeft.y() + s.height()};
    if (code == QLatin1String("U")) return {midX, topLeft.y()};
    // A diagonal arrow points at the corner its name gives.
    const bool north = code.startsWith(QLatin1Char('N'));
    const bool west = code.endsWith(QLatin1Char('W'));
    return {west ? topLeft.x() : topLeft.x() + s.width(), north ? topLeft.y() : topLeft.y() + s.height()};
}

QStringList StepLayoutCheck::check(const Storyboard& board)
{
    return check(board.code(), board.play());
}

namespace {

// What a box must keep clear of on one step's frame.
struct Keep {
    std::optional<QRect> arrow;
    std::optional<QRect> control;
    std::optional<QRect> pointer;
};

Keep keepClear(const Step& step, const Storyboard::StepFocus& focus)
{
    Keep k;
    if (step.arrow)
        k.arrow = QRect(QPoint(step.arrow->left, step.arrow->top),
                        Storyboard::arrowSize(StepScript::arrowCodeOf(step.arrow->file)));
    if (!focus.control.isNull() && !large(focus.control))
        k.control = focus.control;
    if (focus.pointer)
        k.pointer = pointerSpot(*focus.pointer);
    return k;
}

bool clear(const QRect& box, const Keep& k)
{
    auto hits = [&](const std::optional<QRect>& r) { return r && box.intersects(*r); };
    return kScreen.contains(box) && !hits(k.arrow) && !hits(k.control) && !hits(k.pointer);
}

// The free corner nearest to where the step put its box, on a 5-pixel grid.
std::optional<QPoint> freePlace(const Step& step, const Keep& k)
{
    std::optional<QPoint> best;
    long long bestDistance = 0;
    const QRect size = StepLayoutCheck::boxRect(0, 0);
    for (int y = 0; y + size.height() <= kScreen.height(); y += 5) {
        for (int x = 0; x + size.width() <= kScreen.width(); x += 5) {
            if (!clear(StepLayoutCheck::boxRect(x, y), k))
                continue;
            const long long d = 1LL * (x - step.x) * (x - step.x) + 1LL * (y - step.y) * (y - step.y);
            if (!best || d < bestDistance) {
                best = QPoint(x, y);
                bestDistance = d;
            }
        }
    }
    return best;
}

// What is wrong with one step's arrow: off the screen, under the box or
// pointing away from what it is meant to show.
QStringList arrowProblems(const Step& step, const QRect& arrow, const QRect& box, const QRect& aim)
{
    QStringList found;
    if (!kScreen.contains(arrow))
        found << QStringLiteral("the arrow leaves the screen");
    if (box.intersects(arrow))
        found << QStringLiteral("the box covers the arrow");
    const QPoint tip = StepLayoutCheck::arrowTip(StepScript::arrowCodeOf(step.arrow->file), arrow.topLeft());
    const int r = StepLayoutCheck::kTipReach;
    if (!aim.isNull() && !aim.adjusted(-r, -r, r, r).contains(tip))
        found << QStringLiteral("the arrow's tip %1,%2 is away from its control").arg(tip.x()).arg(tip.y());
    return found;
}

} // namespace

QStringList StepLayoutCheck::check(const QString& code, const Storyboard::Result& played)
{
    QStringList problems;
    for (size_t i = 0; i < played.steps.size(); ++i) {
        const Step& step = played.steps[i];
        const Storyboard::StepFocus& focus = played.focus[i];
        const QRect box = boxRect(step.x, step.y);
        const Keep keep = keepClear(step, focus);
        QStringList found;
        if (!kScreen.contains(box))
            found << QStringLiteral("the box at %1,%2 leaves the screen").arg(step.x).arg(step.y);
        if (!textFits(step.narration))
            found << QStringLiteral("the text needs %1 of %2 pixels").arg(textHeight(step.narration)).arg(kViewportHeight);
        if (keep.arrow)
            found << arrowProblems(step, *keep.arrow, box, focus.arrowAim);
        if (keep.control && box.intersects(*keep.control))
            found << QStringLiteral("the box covers the control");
        if (keep.pointer && box.intersects(*keep.pointer))
            found << QStringLiteral("the box covers the pointer's next stop %1,%2").arg(focus.pointer->x()).arg(focus.pointer->y());
        if (!clear(box, keep)) {
            const auto place = freePlace(step, keep);
            found << (place ? QStringLiteral("nearest free place: at %1 %2").arg(place->x()).arg(place->y())
                            : QStringLiteral("no free place for the box"));
        }
        for (const QString& what : found)
            problems << QStringLiteral("%1 step %2 (event %3, '%4'): %5").arg(code).arg(i + 1).arg(step.screen).arg(step.topic, what);
    }
    return problems;
}
