#pragma once

#include <QImage>

// The program's own pictures, drawn at start rather than shipped as files:
// the launcher's title screen and the program icon.
namespace Artwork {

// The launcher's 600 x 450 background: the course title, a form being laid
// out, and room at the lower right for the lesson and topic lists.
QImage titleScreen();

// The 32 x 32 program icon: a small form with a play mark.
QImage programIcon();

} // namespace Artwork
