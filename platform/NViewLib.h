#pragma once

#include <QImage>
#include <QString>

#include <memory>

// Decodes the JPEG file fileName into a bitmap that the caller owns, or
// returns null for a missing, empty, damaged or non-JPEG file. flag is 0 at
// every call and has no meaning. Never throws.
std::unique_ptr<QImage> NViewLibLoad(const QString& fileName, quint32 flag);

// Same decoder on bytes already in memory. A recycled image of the same size
// that nothing else shares is decoded into instead of new memory (its pixels
// are lost either way).
std::unique_ptr<QImage> NViewLibDecode(const QByteArray& jpeg, QImage recycled = QImage());
