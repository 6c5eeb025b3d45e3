#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class DbfTable;
class TableField;

// The frame-store operations the player and the builder share, on the one
// table object of the lesson-store window.
namespace FrameStore {

// The frame scratch file: written with a frame's JPEG just before decoding
// and deleted right after.
inline const QString kScratchFrame = QStringLiteral("c:\\1.jpg"); // as the player writes it

// Points table at a part's frame-store directory ("master\p4a\") and opens
// it on record 1. The table is closed first, so a failure leaves it closed.
void open(DbfTable& table, const QString& directory);

// Shows the current record's frame, in this order: save GR to "c:\1.jpg",
// decode it, hand the image (null when it does not decode) to show, delete
// the file. A frame that cannot be written throws "Cannot create file
// c:\1.jpg" and show is not called. The scratch file is removed even when
// show throws.
void showCurrentFrame(const TableField& gr, const std::function<void(std::unique_ptr<QImage>)>& show);

} // namespace FrameStore
