#pragma once

#include <QPoint>
#include <QRect>

// Where the recorded 640 x 480 screen lies on the real screen: centred in the
// frame image (half differences truncated toward zero, negative when the image
// is narrower), shifted by the image's place on its panel and, vertically, by
// the distance from the screen's top to the panel.
namespace FrameOrigin {

inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 480;

// imageInPanel: the frame image's geometry relative to its panel.
QPoint origin(const QRect& imageInPanel, int menuoffset);

} // namespace FrameOrigin
