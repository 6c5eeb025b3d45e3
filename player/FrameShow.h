#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

class TableField;

// Turns the current record's frame into a bitmap the way the course's decoder
// wants it: the JPEG bytes go to the scratch file "c:\1.jpg", the decoder
// reads that file, and the file is removed again.
namespace FrameShow {

// The course path of the scratch file (drive C: is the private scratch dir).
inline constexpr const char* kScratchFile = "c:\\1.jpg";

// The decoded frame of field's current record, or null when the decoder
// could not read it. Throws the engine's AppError when the scratch file
// cannot be written ("Cannot create file c:\1.jpg").
std::unique_ptr<QImage> currentFrame(const TableField& field);

// The same round trip for bytes in hand: jpeg is written to the scratch file,
// decoded from it, and the file removed. Throws as currentFrame does.
std::unique_ptr<QImage> throughScratchFile(const QByteArray& jpeg);

} // namespace FrameShow
