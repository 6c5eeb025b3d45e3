#pragma once

#include "content/storyboard/Storyboard.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

// Whether each step of a storyboard reads well on its frame: the narration
// box as the learner sees it stays on the 640 x 480 frame and off the
// step's arrow, the control the step is about and the pointer's next stop;
// the arrow's tip touches that control; the text fits the box unscrolled.
class StepLayoutCheck {
public:
    // The narration box window: its client area is fixed, and the window
    // manager adds a title bar and a border around it. The player moves the
    // window by its outer corner, so a step's x and y are that corner.
    static constexpr int kClientWidth = 200;
    static constexpr int kClientHeight = 138;
    static constexpr int kTitleBar = 24;      // includes the top edge
    static constexpr int kBorder = 4;         // left, right and bottom
    // The text area under the NEXT bar: the memo's viewport once its frame
    // and its always-shown vertical scroll bar are taken off, and the margin
    // the text keeps inside it.
    static constexpr int kNextBar = 25;
    static constexpr int kViewportWidth = 184;
    static constexpr int kViewportHeight = 111;
    static constexpr int kTextMargin = 4;

    // A control larger than this cannot be kept clear of a 200-pixel box
    // (the canvas, the code text, the workspace); for those only the spot
    // the pointer or the arrow is at must stay visible.
    static constexpr int kLargeWidth = 240;
    static constexpr int kLargeHeight = 160;
    // How far from its control an arrow's tip may stand and still touch it.
    static constexpr int kTipReach = 8;

    // The outer rectangle of the box whose corner is at x, y.
    static QRect boxRect(int x, int y);
    // The font the box shows its text in.
    static QFont boxFont();
    // Height in pixels the narration takes in the box, wrapped as the box
    // wraps it, margins included.
    static int textHeight(const QStringList& narration);
    static bool textFits(const QStringList& narration);
    // Where an arrow's tip lies, given its direction code and top-left.
    static QPoint arrowTip(const QString& code, const QPoint& topLeft);

    // Every problem of every step, each naming the step, its event and the
    // storyboard's part; empty when all steps pass.
    static QStringList check(const Storyboard& board);
    static QStringList check(const QString& code, const Storyboard::Result& played);
};
