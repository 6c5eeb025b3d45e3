#include "bench/BenchFrames.h"
#include "bench/BenchWindows.h"
#include "platform/ErrorPresenter.h"
#include "platform/ScratchDir.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv)
{
    // The player's windows and the frame renderer need a GUI application;
    // offscreen, so nothing appears and no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScratchDir::Session scratch;
    // A failure inside a handler must not block the run on a message box;
    // it is counted, and the benchmark that caused it reports an error.
    ErrorPresenter::setSink([](const QString&, const QString& text) {
        BenchWindows::noteError(text);
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    });
    // bench/run hands the same frames to the python3-dbf comparison.
    const QString dump = qEnvironmentVariable("LW_BENCH_DUMP_FRAMES");
    if (!dump.isEmpty()) {
        BenchFrames::writeFiles(dump);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    // Rendering the frames and building the store take seconds: done before
    // the first measurement, not inside it.
    BenchFrames::get();
    BenchStore::get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BenchWindows::destroy();
    return 0;
}
