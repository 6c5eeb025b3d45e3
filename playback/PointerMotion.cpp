#include "playback/PointerMotion.h"

#include "content/EventScript.h"
#include "playback/PlayerState.h"

#include <algorithm>
#include <cstdlib>

namespace PointerMotion {

void setUpTarget(PlayerState& s, const QString& line)
{
    const ScreenMapping mapping = s.mapping();
    s.targetx = mapping.screenX(EventScript::AsPlayed::x(line));
    s.targety = mapping.screenY(EventScript::AsPlayed::y(line));
    s.stepx = mapping.glideStep();
    // Same column: the first tick jumps, so no vertical step (and no division).
    if (s.targetx == s.curx)
        s.stepy = 0;
    else
        // Worked out in recorded pixels and then enlarged, so the path at any
        // scale is the recorded path enlarged (at scale 1 this is the
        // plain ratio).
        s.stepy = mapping.scale
            * int(qint64(std::abs(s.targety - s.cury) / mapping.scale) * ScreenMapping::kGlideStep
                  / std::max(1, std::abs(s.targetx - s.curx) / mapping.scale));
    s.goup = s.cury > s.targety;
    s.goright = s.targetx > s.curx;
}

bool tick(PlayerState& s, const MovePointer& movePointer)
{
    if (std::abs(s.targetx - s.curx) < s.stepx) {
        movePointer(s.targetx, s.targety);
        s.curx = s.targetx;
        s.cury = s.targety;
        return true;
    }
    const int x = s.goright ? s.curx + s.stepx : s.curx - s.stepx;
    const int y = s.goup ? s.cury - s.stepy : s.cury + s.stepy;
    movePointer(x, y);
    s.curx = x;
    s.cury = y;
    return false;
}

} // namespace PointerMotion
