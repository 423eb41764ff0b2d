// A named mutex made and closed (its name held on the host through a lock file), against an
// unnamed one made and closed, in the same run; and a second handle to a name this process
// already holds. Prints the ratios at the end. Wall time: the named path waits on the kernel.
#include <benchmark/benchmark.h>

#include "recording_reporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <stdlib.h>

#include "vkshost.h"
#include "windows.h"

namespace {

void BM_UnnamedCreateClose(benchmark::State &state)
{
    for (auto _ : state)
        CloseHandle(CreateMutexA(nullptr, TRUE, nullptr));
}

void BM_NamedCreateClose(benchmark::State &state)
{
    for (auto _ : state) {
        HANDLE mutex = CreateMutexA(nullptr, TRUE, "BenchMutex");
        if (!mutex || GetLastError() != ERROR_SUCCESS) {
            state.SkipWithError("the name was not new");
            break;
        }
        CloseHandle(mutex);
    }
}

void BM_NamedOpenHeldName(benchmark::State &state)
{
    HANDLE held = CreateMutexA(nullptr, TRUE, "BenchHeld");
    for (auto _ : state)
        CloseHandle(CreateMutexA(nullptr, FALSE, "BenchHeld"));
    CloseHandle(held);
}

BENCHMARK(BM_UnnamedCreateClose);
BENCHMARK(BM_NamedCreateClose);
BENCHMARK(BM_NamedOpenHeldName);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Names in a private folder, so the run meets no other process.
    char folder[] = "/tmp/vksmutexbench-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    VksHostSetObjectFolder(folder);
    RecordingReporter reporter(RecordingReporter::Clock::Wall);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    VksHostSetObjectFolder(nullptr);
    std::remove((std::string(folder) + "/.lock").c_str());
    std::remove(folder);

    const auto &times = reporter.nanosecondsPerIteration;
    const auto baseline = times.find("BM_UnnamedCreateClose");
    if (baseline == times.end() || baseline->second <= 0)
        return 0;
    for (const char *name : {"BM_NamedCreateClose", "BM_NamedOpenHeldName"}) {
        const auto found = times.find(name);
        if (found != times.end())
            std::printf("%s / BM_UnnamedCreateClose: %.1f (%.0f ns / %.0f ns)\n", name,
                        found->second / baseline->second, found->second, baseline->second);
    }
    return 0;
}
