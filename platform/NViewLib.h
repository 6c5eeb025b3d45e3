#pragma once

#include <QImage>
#include <QString>

#include <memory>

// Decodes the JPEG file fileName into a bitmap that the caller owns, or
// returns null for a missing, empty, damaged or non-JPEG file. flag is 0 at
// every call and has no meaning. Never throws.
std::unique_ptr<QImage> NViewLibLoad(const QString& fileName, quint32 flag);

// Same decoder on bytes already in memory (benchmarks, the checker).
std::unique_ptr<QImage> NViewLibDecode(const QByteArray& jpeg);
