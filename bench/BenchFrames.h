#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The frames every benchmark runs on: screen frames of several lessons as the
// course renders them, plus one worst-case photographic 640 x 480 JPEG.
struct BenchFrames {
    std::vector<QByteArray> jpegs;

    static const BenchFrames& get();
};

// A frame store (simu.dbf + simu.dbt) holding the bench frames, built once
// in a private temporary folder.
struct BenchStore {
    QString directory;                 // host path of the folder
    std::vector<qint64> grOffsets;     // file offset of each record's GR bytes

    static const BenchStore& get();
};
