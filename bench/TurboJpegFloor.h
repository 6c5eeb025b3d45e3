#pragma once

#include <QByteArray>

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <vector>

// The floor of goals 1 and 2: TurboJPEG alone, from memory, into a buffer
// that is reused, with one decompressor for the object's life.
class TurboJpegFloor {
public:
    TurboJpegFloor() = default;
    ~TurboJpegFloor() { tjDestroy(m_tj); }
    TurboJpegFloor(const TurboJpegFloor&) = delete;
    TurboJpegFloor& operator=(const TurboJpegFloor&) = delete;

    void decode(const QByteArray& jpeg)
    {
        const auto* data = reinterpret_cast<const unsigned char*>(jpeg.constData());
        const auto size = static_cast<unsigned long>(jpeg.size());
        int width = 0;
        int height = 0;
        int subsampling = 0;
        int colorspace = 0;
        tjDecompressHeader3(m_tj, data, size, &width, &height, &subsampling, &colorspace);
        m_pixels.resize(size_t(width) * size_t(height) * 4);
        tjDecompress2(m_tj, data, size, m_pixels.data(), width, width * 4, height, TJPF_BGRX, 0);
        benchmark::DoNotOptimize(m_pixels.data());
    }

private:
    tjhandle m_tj = tjInitDecompress();
    std::vector<unsigned char> m_pixels = std::vector<unsigned char>(640 * 480 * 4);
};
