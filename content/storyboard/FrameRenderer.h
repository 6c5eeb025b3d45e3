#pragma once

#include "content/storyboard/Storyboard.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// Draws the frames of a recorded session and encodes them as JPEG, one at a
// time, in recording order.
namespace FrameRenderer {

using FrameSink = std::function<void(int index, const QByteArray& jpeg)>;

// JPEG bytes of a 640 x 480 picture; the same picture always gives the same
// bytes.
QByteArray encodeJpeg(const QImage& image, int quality = 85);

// Renders every frame of a storyboard: frame k shows the screen as event k
// finds it, the control that event acts on outlined.
void renderStoryboard(const Storyboard& board, const FrameSink& sink);

// Renders the compiled-in storyboard of a part; throws AppError when the
// part has none.
void renderPart(const QString& code, const FrameSink& sink);

// Writes the frames of a storyboard as dir/0000.jpg, 0001.jpg, ... in
// recording order and removes numbered frames left from a longer earlier
// run, since the table builder takes every JPEG of the folder. Returns the
// number of frames.
int writeFrames(const Storyboard& board, const QString& dir);

} // namespace FrameRenderer
