#pragma once

#include "content/storyboard/Storyboard.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// Draws the frames of a recorded session and encodes them as JPEG, one at a
// time, in recording order.
namespace FrameRenderer {

using FrameSink = std::function<void(int index, const QByteArray& jpeg)>;

// JPEG bytes of a 640 x 480 picture; the same picture always gives the same
// bytes.
QByteArray encodeJpeg(const QImage& image, int quality = 85);

using PictureSink = std::function<void(int index, const QImage& picture)>;

// Draws every frame of a storyboard: frame k shows the screen as event k
// finds it, the control that event acts on outlined and, where a narration
// step starts, the control the step is about ringed. Throws AppError naming
// the frame and the text when a text of a frame does not fit its place: a
// learner would see it cut off.
void drawStoryboard(const Storyboard& board, const PictureSink& sink);

// drawStoryboard, each picture encoded as JPEG.
void renderStoryboard(const Storyboard& board, const FrameSink& sink);

// Every text of every frame that does not fit its place, one line each
// ("frame 96: 'Distance Between Records:' needs 121 x 12 pixels, has
// 100 x 16 in fld:..."); empty when every text fits. frames, when given,
// receives the number of frames drawn.
QStringList clippedTexts(const Storyboard& board, int* frames = nullptr);

// Renders the compiled-in storyboard of a part; throws AppError when the
// part has none.
void renderPart(const QString& code, const FrameSink& sink);

// Writes the frames of a storyboard as dir/0000.jpg, 0001.jpg, ... in
// recording order and removes numbered frames left from a longer earlier
// run, since the table builder takes every JPEG of the folder. Returns the
// number of frames.
int writeFrames(const Storyboard& board, const QString& dir);

} // namespace FrameRenderer
