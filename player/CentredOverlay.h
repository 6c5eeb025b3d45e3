#pragma once

class QWidget;

// An overlay on the player's panel: its text grown with the frame, centred
// on the panel and above everything else on it.
namespace CentredOverlay {

void show(QWidget& overlay, int scale);

} // namespace CentredOverlay
