#pragma once

#include "playback/ScreenMapping.h"

#include <functional>

#include <QString>

struct PlayerState;

// The pointer's glide to each recorded mouse event: 20 pixels horizontally per
// tick and proportionally vertically, so it travels along the straight line,
// then a final jump onto the target.
namespace PointerMotion {

constexpr int kStepX = ScreenMapping::kGlideStep;

// Sets targetx/targety from the mouse position in line (plus the frame
// origin), and stepx, stepy, goup, goright from where the pointer is now.
// Throws AppError when the line holds no integer X or Y.
void setUpTarget(PlayerState& state, const QString& line);

using MovePointer = std::function<void(int x, int y)>;

// One pointer tick. Moves the pointer through movePointer, then records the
// new place in curx/cury. Returns true when this was the final jump (the
// pointer is on its target).
bool tick(PlayerState& state, const MovePointer& movePointer);

} // namespace PointerMotion
