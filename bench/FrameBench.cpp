// Paired benchmarks: each goal compares one of our operations with its floor,
// measured in the same run on the same frames. bench/run turns the pairs
// into ratios.
#include "bench/BenchFrames.h"
#include "bench/PairClock.h"
#include "bench/TurboJpegFloor.h"

#include "platform/DbfTable.h"
#include "platform/FileHandle.h"
#include "platform/HostPath.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"
#include "platform/FrameShow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// The floor of goals 1 and 2 on its own.
void TurboJpegDecode(benchmark::State& state)
{
    TurboJpegFloor floor;
    size_t i = 0;
    for (auto _ : state)
        floor.decode(BenchFrames::step(i++));
}
BENCHMARK(TurboJpegDecode);

// Our decoder from memory: TurboJPEG plus the bitmap it hands out.
void DecodeFromMemory(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        auto image = NViewLibDecode(BenchFrames::step(i++));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(DecodeFromMemory);

// Goal 2: the frame passes through the scratch file exactly as a frame step
// passes it: written to "c:\1.jpg", decoded from there, deleted.
void ScratchRoundTrip(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        auto image = FrameShow::throughScratchFile(BenchFrames::step(i++));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(ScratchRoundTrip);

// Goal 2 with both sides in one loop: every iteration sends one frame through
// the scratch file and decodes the same bytes from memory, the order
// alternating so that neither side always finds the bytes in the cache.
void ScratchVsMemory(benchmark::State& state)
{
    PairClock pair;
    size_t i = 0;
    for (auto _ : state) {
        const QByteArray& jpeg = BenchFrames::step(i);
        const bool oursFirst = (i++ & 1) == 0;
        for (const bool ours : {oursFirst, !oursFirst}) {
            pair.begin();
            {
                auto image = ours ? FrameShow::throughScratchFile(jpeg) : NViewLibDecode(jpeg);
                benchmark::DoNotOptimize(image);
            }
            pair.end(ours ? PairClock::Side::Ours : PairClock::Side::Floor);
        }
    }
    pair.report(state);
}
BENCHMARK(ScratchVsMemory);

// The least a round trip through a file can cost: one open of a new file,
// one write, one open, one read, one unlink, on the same directory.
void RawFileRoundTrip(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(ScratchDir::path() + QStringLiteral("/raw.jpg"));
    QByteArray back(1 << 20, Qt::Uninitialized);
    size_t i = 0;
    for (auto _ : state) {
        const QByteArray& jpeg = BenchFrames::step(i++);
        int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, jpeg.constData(), size_t(jpeg.size())) != jpeg.size())
            throw std::runtime_error("cannot write the raw file");
        ::close(fd);
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        const ssize_t got = ::read(fd, back.data(), size_t(back.size()));
        ::close(fd);
        ::unlink(path.constData());
        benchmark::DoNotOptimize(got);
    }
}
BENCHMARK(RawFileRoundTrip);

// Goal 3: move to the next record and read its GR...
void TableNextReadGr(benchmark::State& state)
{
    const BenchStore& store = BenchStore::get();
    DbfTable table;
    table.setDatabaseName(store.directory);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (auto _ : state) {
        if (table.recNo() >= table.recordCount())
            table.first();
        table.next();
        QByteArray gr = table.fieldBytes("GR");
        benchmark::DoNotOptimize(gr);
    }
}
BENCHMARK(TableNextReadGr);

// ...against one pread of the same bytes at the same offset.
void PreadSameBytes(benchmark::State& state)
{
    const BenchStore& store = BenchStore::get();
    FileHandle dbt;
    dbt.open(store.directory + QStringLiteral("/simu.dbt"), FileHandle::Mode::ReadOnly);
    size_t i = 0;
    for (auto _ : state) {
        const size_t k = 1 + i++ % (store.grOffsets.size() - 1);
        QByteArray gr(BenchFrames::get().jpegs[k].size(), Qt::Uninitialized);
        dbt.readAt(store.grOffsets[k], gr.data(), size_t(gr.size()));
        benchmark::DoNotOptimize(gr);
    }
}
BENCHMARK(PreadSameBytes);

// Goal 4: appending one frame from its file to a store, as the builder's
// Insert does for every frame file (new record, GR loaded from the file,
// post)...
//
// Both sides start on a new file after every three rounds of the frames (a
// part holds at most 195 frames), outside the timing: appending to one file
// for the whole run wrote gigabytes, and the kernel's write-back of them,
// not the insert, set the pace (single repetitions from 0.6 to 4 times the
// floor).
constexpr size_t kRoundsPerFile = 3;

void InsertFrame(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::vector<QString> frames = BenchFrames::writeFiles(dir.path());
    const QString path = dir.filePath(QStringLiteral("simu.dbf"));
    DbfTable table;
    table.setDatabaseName(dir.path());
    table.setTableName(QStringLiteral("simu.dbf"));
    const auto startFile = [&] {
        table.close();
        QFile::remove(path);
        QFile::remove(dir.filePath(QStringLiteral("simu.dbt")));
        DbfTable::create(path, DbfTable::frameStoreFields());
        table.open();
    };
    startFile();
    size_t i = 0;
    for (auto _ : state) {
        if (i > 0 && i % (frames.size() * kRoundsPerFile) == 0) {
            state.PauseTiming();
            startFile();
            state.ResumeTiming();
        }
        table.insert();
        table.loadFromFile("GR", frames[i++ % frames.size()]);
        table.post();
    }
}
BENCHMARK(InsertFrame);

// ...against reading the frame file and writing its bytes to a file.
void CopyFloor(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::vector<QString> frames = BenchFrames::writeFiles(dir.path());
    const QString path = dir.filePath(QStringLiteral("copy.bin"));
    std::unique_ptr<FileHandle> out;
    std::int64_t end = 0;
    const auto startFile = [&] {
        out.reset();
        QFile::remove(path);
        out = std::make_unique<FileHandle>();
        out->open(path, FileHandle::Mode::CreateNew);
        end = 0;
    };
    startFile();
    size_t i = 0;
    for (auto _ : state) {
        if (i > 0 && i % (frames.size() * kRoundsPerFile) == 0) {
            state.PauseTiming();
            startFile();
            state.ResumeTiming();
        }
        QByteArray bytes;
        FileHandle::readWhole(frames[i++ % frames.size()], bytes, 1 << 26);
        out->writeAt(end, bytes.constData(), size_t(bytes.size()));
        end += bytes.size();
    }
}
BENCHMARK(CopyFloor);

} // namespace
