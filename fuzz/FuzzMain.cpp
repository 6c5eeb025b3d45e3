// The libFuzzer entry of one target; which one is chosen at build time
// (LW_FUZZ_BODY names a function of FuzzTargets).
#include "FuzzTargets.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A file-size limit turns a runaway write into the error a full disk
    // gives (and exercises that path) instead of filling the disk; run with
    // -handle_xfsz=0 so libFuzzer leaves SIGXFSZ ignored.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 256UL * 1024 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        FuzzTargets::LW_FUZZ_BODY(data, size);
    } catch (const FuzzTargets::Violation& v) {
        std::fprintf(stderr, "violation: %s\n", v.what());
        std::abort();
    }
    return 0;
}
