#pragma once

#include <QPoint>
#include <QString>

class QPainter;

// The designer's small button pictures, drawn pixel by pixel so that every
// frame shows the same artwork on every machine: toolbar, navigator and
// layout-tool buttons are named after their action ("Save", "Expand All",
// "Rounded Rect") and get a picture of it rather than letters.
namespace IconPainter {

constexpr int kSize = 16;

// Whether a picture exists for the button name.
bool has(const QString& name);

// Draws the 16 x 16 picture of a button with its top-left corner at
// topLeft; does nothing for a name without one.
void draw(QPainter& p, const QString& name, const QPoint& topLeft);

// The check mark of a ticked box, 7 x 6 pixels from topLeft.
void drawTick(QPainter& p, const QPoint& topLeft);

} // namespace IconPainter
