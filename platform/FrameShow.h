#pragma once

#include <QByteArray>
#include <QImage>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

class TableField;

// Turns the current record's frame into a bitmap the way the course does it:
// the JPEG bytes go to the scratch file "c:\1.jpg", the frame is decoded from
// what that file gives back, and the file is removed again.
namespace FrameShow {

// The course path of the scratch file (drive C: is the private scratch dir).
inline constexpr const char* kScratchFile = "c:\\1.jpg";

// Receives the decoded frame, or null when the decoder could not read it.
using HandOver = std::function<void(std::unique_ptr<QImage>)>;

// Shows a record's frame bytes in the order the player needs: the bytes are
// written to the scratch file, the decoder reads it, the frame is handed
// over, and the file is removed (also when writing or handing over fails).
// Throws "Cannot create file c:\1.jpg" when the scratch file cannot be made.
// A recycled image (see NViewLibDecode) is taken only when the decoder runs:
// when the scratch file fails, the caller still has it.
void showThroughScratchFile(const QByteArray& jpeg, const HandOver& handOver, QImage* recycled = nullptr);

// The same round trip with the decoding left to a worker thread, for a frame
// that is needed only once other work is done (the first frame of a lesson,
// while its windows come up): the scratch file is written, read back and
// removed before this returns, throwing as showThroughScratchFile does, and
// the decoded frame (null where the decoder could not read it) arrives
// through the future. recycled is taken, as there, only once the file has
// worked.
std::future<QImage> showLater(const QByteArray& jpeg, QImage* recycled = nullptr);

// Wakes the worker that showLater hands its decoding to, ahead of a frame
// about to come: called as a lesson starts, the worker is up by the time the
// first frame's bytes are read. It waits awake for at most waitFor; a frame
// that comes later is started as without the wake.
void wakeDecoder(std::chrono::microseconds waitFor = std::chrono::milliseconds(2));

// The decoded frame of field's current record, or null when the decoder
// could not read it. Throws the engine's AppError when the scratch file
// cannot be written ("Cannot create file c:\1.jpg").
std::unique_ptr<QImage> currentFrame(const TableField& field);

// The same round trip for bytes in hand: jpeg is written to the scratch file,
// decoded from it, and the file removed. Throws as currentFrame does.
std::unique_ptr<QImage> throughScratchFile(const QByteArray& jpeg);

} // namespace FrameShow
