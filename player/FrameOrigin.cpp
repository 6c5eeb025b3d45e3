#include "player/FrameOrigin.h"

namespace FrameOrigin {

QPoint origin(const QRect& imageInPanel, int menuoffset)
{
    // C++ integer division truncates toward zero: -5 / 2 is -2.
    const int x = (imageInPanel.width() - kFrameWidth) / 2 + imageInPanel.left();
    const int y = (imageInPanel.height() - kFrameHeight) / 2 + imageInPanel.top() + menuoffset;
    return {x, y};
}

} // namespace FrameOrigin
