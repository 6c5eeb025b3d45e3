#pragma once

#include "content/designer/ScreenModel.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// Draws the designer's screen from its elements: grey three-dimensional
// controls, navy title bars, white edit areas.
namespace ScreenPainter {

// A text wider or taller than the place it is drawn in: the frame would
// show it cut off.
struct ClippedText {
    QString element;   // target name of the element, or its kind when it has none
    QString text;
    QRect place;       // where the text had to fit
    QSize needed;      // what the text takes in the font it is drawn in
};

// A 640 x 480 picture of the screen. hot is the target the pointer heads
// for, drawn with a dotted focus outline so the frame shows what is acted
// on; subject is the control a narration step is about, ringed in an
// accent colour. When clipped is given, every text that does not fit its
// place is added to it.
QImage draw(const ScreenModel& screen, const QString& hot = {}, const QString& subject = {},
            std::vector<ClippedText>* clipped = nullptr);

} // namespace ScreenPainter
