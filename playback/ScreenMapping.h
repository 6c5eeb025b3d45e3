#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>

// The one conversion from the recorded 640 x 480 screen to the real one.
// Every recorded position (mouse, narration box, arrow) and the frame's
// place go through it, so scaling the frame moves everything with it.
struct ScreenMapping {
    static constexpr int kFrameWidth = 640;
    static constexpr int kFrameHeight = 480;
    // The pointer glides this many recorded pixels per tick.
    static constexpr int kGlideStep = 20;

    int originx = 0;    // screen position of the recorded screen's corner
    int originy = 0;
    int menuoffset = 0; // screen top to the top of the frame panel
    int scale = 1;      // screen pixels per recorded pixel

    // Centred in the frame image the way the image centres its picture:
    // half differences truncated toward zero (negative when the image is
    // narrower), shifted by the image's place on its panel and, vertically,
    // by the distance from the screen's top to the panel.
    static ScreenMapping centredIn(const QRect& imageInPanel, int menuoffset, int scale = 1)
    {
        ScreenMapping m;
        m.scale = scale;
        m.menuoffset = menuoffset;
        // C++ integer division truncates toward zero: -5 / 2 is -2.
        m.originx = (imageInPanel.width() - kFrameWidth * scale) / 2 + imageInPanel.left();
        m.originy = (imageInPanel.height() - kFrameHeight * scale) / 2 + imageInPanel.top() + menuoffset;
        return m;
    }

    // The largest whole number of screen pixels per recorded pixel at which
    // the frame fits the area: pixels repeat, so the recording stays sharp.
    static int fittedScale(const QSize& area)
    {
        const int s = std::min(area.width() / kFrameWidth, area.height() / kFrameHeight);
        return std::max(1, s);
    }

    int screenX(int recordedX) const { return originx + recordedX * scale; }
    int screenY(int recordedY) const { return originy + recordedY * scale; }
    QPoint toScreen(const QPoint& recorded) const { return {screenX(recorded.x()), screenY(recorded.y())}; }
    // Panel coordinates: the panel starts at the screen's left edge, below
    // the menu bar.
    int panelY(int recordedY) const { return screenY(recordedY) - menuoffset; }
    QPoint toPanel(const QPoint& recorded) const { return {screenX(recorded.x()), panelY(recorded.y())}; }
    QRect frameOnPanel() const { return {toPanel({0, 0}), QSize(kFrameWidth * scale, kFrameHeight * scale)}; }
    int glideStep() const { return kGlideStep * scale; }

    bool operator==(const ScreenMapping& o) const
    {
        return originx == o.originx && originy == o.originy && menuoffset == o.menuoffset && scale == o.scale;
    }
    bool operator!=(const ScreenMapping& o) const { return !(*this == o); }
};
