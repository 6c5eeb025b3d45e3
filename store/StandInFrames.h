#pragma once

#include "content/Catalogue.h"

#include <QByteArray>
#include <QImage>

#include <functional>

// Plain generated frames for parts that have no drawn recording yet: a
// neutral designer-like screen with the recorded event's frame rectangle
// outlined and a marker where its mouse event happened. Made with shapes
// only (no text), so they need no windowing system and look the same on
// every machine.
namespace StandInFrames {

using FrameSink = std::function<void(int index, const QByteArray& jpeg)>;

// The picture of event `index` of part (640 x 480).
QImage draw(const Catalogue::PartEntry& part, int index);

// Frames 0 .. events - 1 of part, one at a time, each encoded as it is
// drawn. events comes from the library's event script when it has one,
// else from the catalogue.
void render(const Catalogue::PartEntry& part, const FrameSink& sink);

// The number of event records of a part: the library's event script when
// it holds records, the catalogue's count otherwise.
int eventCount(const Catalogue::PartEntry& part);

// Baseline JPEG, 4:2:0; the same picture always gives the same bytes.
QByteArray encodeJpeg(const QImage& image, int quality = 85);

} // namespace StandInFrames
