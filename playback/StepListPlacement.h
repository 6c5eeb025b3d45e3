#pragma once

#include <QRect>
#include <QSize>

// Where the step list goes on the player's panel. It must never hide the
// frame while playback runs: beside the frame where the panel leaves room
// for a usable list, playing on; otherwise over the frame, and the player
// pauses while it is open.
struct StepListPlacement {
    // Narrower than this, topics and first words no longer fit on a line.
    static constexpr int kMinDockWidth = 220;
    // Wider adds nothing but empty space beside the frame.
    static constexpr int kMaxDockWidth = 420;
    static constexpr int kMargin = 8;
    // The list over the frame: room for a topic and its first words.
    static constexpr int kOverlayWidth = 560;
    static constexpr int kMinOverlayHeight = 300;

    bool docked = false;
    QRect rect; // panel coordinates

    // frame: where the frame stands on the panel (ScreenMapping::frameOnPanel).
    static StepListPlacement place(const QSize& panel, const QRect& frame);
};
