#include "playback/StepListPlacement.h"

#include <algorithm>

StepListPlacement StepListPlacement::place(const QSize& panel, const QRect& frame)
{
    const QRect onPanel = frame.intersected(QRect(QPoint(0, 0), panel));
    // The room beside the frame, a margin kept on both sides of the list.
    const int left = onPanel.isEmpty() ? 0 : onPanel.left() - 2 * kMargin;
    const int right = onPanel.isEmpty() ? 0 : panel.width() - onPanel.right() - 1 - 2 * kMargin;
    const int top = kMargin;
    const int height = std::max(0, panel.height() - 2 * kMargin);
    StepListPlacement placement;
    if (std::max(left, right) >= kMinDockWidth) {
        placement.docked = true;
        // The right side reads after the frame; the left only when wider.
        if (right >= left) {
            const int width = std::min(right, kMaxDockWidth);
            placement.rect = QRect(onPanel.right() + 1 + kMargin, top, width, height);
        } else {
            const int width = std::min(left, kMaxDockWidth);
            placement.rect = QRect(onPanel.left() - kMargin - width, top, width, height);
        }
        return placement;
    }
    // Over the frame, centred on it, kept on the panel.
    const QRect around = onPanel.isEmpty() ? QRect(QPoint(0, 0), panel) : onPanel;
    const int width = std::min(kOverlayWidth, std::max(0, panel.width() - 2 * kMargin));
    const int tall = std::min(std::max(around.height() - 2 * kMargin, kMinOverlayHeight), height);
    const int x = std::clamp(around.center().x() - width / 2, kMargin, std::max(kMargin, panel.width() - kMargin - width));
    const int y = std::clamp(around.center().y() - tall / 2, kMargin, std::max(kMargin, panel.height() - kMargin - tall));
    placement.rect = QRect(x, y, width, tall);
    return placement;
}
