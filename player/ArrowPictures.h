#pragma once

#include "playback/NarrationPass.h"

#include <QImage>
#include <QSize>

// The built-in arrow pictures, four straight and four diagonal: a solid red
// arrow with a one-pixel black outline on a white ground. The ground is the colour of the bottom-left
// pixel, which a transparent image leaves undrawn.
namespace ArrowPictures {

QSize size(NarrationPass::Arrow arrow);
QImage picture(NarrationPass::Arrow arrow);

// The pointer drawn over the frame where the real one cannot be moved: a
// white arrow with a black outline, its tip at the top-left pixel, on a
// green ground that a transparent image leaves undrawn.
QImage pointerPicture();

} // namespace ArrowPictures
