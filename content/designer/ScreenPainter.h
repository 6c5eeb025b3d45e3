#pragma once

#include "content/designer/ScreenModel.h"

#include <QImage>

// Draws the designer's screen from its elements: grey three-dimensional
// controls, navy title bars, white edit areas.
namespace ScreenPainter {

// A 640 x 480 picture of the screen; hot is the target the pointer heads
// for, drawn with a focus outline so the frame shows what is acted on.
QImage draw(const ScreenModel& screen, const QString& hot = {});

} // namespace ScreenPainter
