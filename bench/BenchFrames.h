#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The frames every benchmark runs on: screen frames of several lessons as the
// course renders them, plus one worst-case photographic 640 x 480 JPEG.
struct BenchFrames {
    std::vector<QByteArray> jpegs;

    static const BenchFrames& get();

    // The i-th frame a frame step shows when the player walks the bench store
    // from record 2 to its end over and over: every pairing uses this order,
    // so both sides of a ratio decode the same bytes.
    static const QByteArray& step(size_t i);

    // Writes the frames as 0001.jpg, 0002.jpg ... into directory (for the
    // builder benchmarks and the python3-dbf comparison); returns the paths.
    static std::vector<QString> writeFiles(const QString& directory);
};

// A frame store (simu.dbf + simu.dbt) holding the bench frames, built once
// in a private temporary folder.
struct BenchStore {
    QString directory;                 // host path of the folder
    std::vector<qint64> grOffsets;     // file offset of each record's GR bytes

    static const BenchStore& get();
};
