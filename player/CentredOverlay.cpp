#include "player/CentredOverlay.h"

#include <QWidget>

namespace CentredOverlay {

void show(QWidget& overlay, int scale)
{
    QWidget* panel = overlay.parentWidget();
    QFont grown = panel != nullptr ? panel->font() : overlay.font();
    grown.setPointSizeF(grown.pointSizeF() * scale);
    overlay.setFont(grown);
    overlay.adjustSize();
    if (panel != nullptr)
        overlay.move((panel->width() - overlay.width()) / 2, (panel->height() - overlay.height()) / 2);
    overlay.show();
    overlay.raise();
}

} // namespace CentredOverlay
