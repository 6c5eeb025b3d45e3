// Paired benchmarks: each goal compares one of our operations with its floor,
// measured in the same run on the same frames. bench/run turns the pairs
// into ratios.
#include "bench/BenchFrames.h"

#include "platform/DbfTable.h"
#include "platform/FileHandle.h"
#include "platform/NViewLib.h"
#include "platform/ScratchDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

const QByteArray& frameAt(size_t i)
{
    const auto& jpegs = BenchFrames::get().jpegs;
    return jpegs[i % jpegs.size()];
}

void writeNewFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write bench file");
}

// Goal 2 floor and the decode floor of goal 1: TurboJPEG from memory.
void DecodeFromMemory(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        auto image = NViewLibDecode(frameAt(i++));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(DecodeFromMemory);

// Goal 2: the frame passes through the scratch file, as every frame step does.
void ScratchRoundTrip(benchmark::State& state)
{
    const QString file = ScratchDir::path() + QStringLiteral("/1.jpg");
    size_t i = 0;
    for (auto _ : state) {
        writeNewFile(file, frameAt(i++));
        auto image = NViewLibLoad(file, 0);
        benchmark::DoNotOptimize(image);
        QFile::remove(file);
    }
}
BENCHMARK(ScratchRoundTrip);

// Goal 3: move to the next record and read its GR...
void TableNextReadGr(benchmark::State& state)
{
    const BenchStore& store = BenchStore::get();
    DbfTable table;
    table.setDatabaseName(store.directory);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (auto _ : state) {
        table.next();
        if (table.eof())
            table.first();
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
        const size_t k = ++i % store.grOffsets.size();
        QByteArray gr(frameAt(k).size(), Qt::Uninitialized);
        dbt.readAt(store.grOffsets[k], gr.data(), size_t(gr.size()));
        benchmark::DoNotOptimize(gr);
    }
}
BENCHMARK(PreadSameBytes);

// Goal 4: appending one frame from its file to a store...
void InsertFrame(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString frame = dir.filePath(QStringLiteral("frame.jpg"));
    writeNewFile(frame, frameAt(0));
    DbfTable::create(dir.filePath(QStringLiteral("simu.dbf")), DbfTable::frameStoreFields());
    DbfTable table;
    table.setDatabaseName(dir.path());
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (auto _ : state) {
        table.insert();
        table.loadFromFile("GR", frame);
        table.post();
    }
}
BENCHMARK(InsertFrame);

// ...against reading the frame file and writing its bytes to a new file.
void CopyFloor(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString frame = dir.filePath(QStringLiteral("frame.jpg"));
    writeNewFile(frame, frameAt(0));
    QFile out(dir.filePath(QStringLiteral("copy.bin")));
    out.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        QFile in(frame);
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        out.write(bytes);
        out.flush();
    }
}
BENCHMARK(CopyFloor);

} // namespace
