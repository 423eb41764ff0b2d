// A named mutex made and closed (its name held on the host through a lock file), against an
// open and close of a file in the same folder and an unnamed mutex made and closed, in the same
// run; and a second handle to a name this process already holds. Prints the ratios at the end.
// Wall time: the named path waits on the kernel.
#include <benchmark/benchmark.h>

#include "recording_reporter.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "vkshost.h"
#include "windows.h"

namespace {

std::string &folder()
{
    static std::string path;
    return path;
}

void BM_FileOpenClose(benchmark::State &state)
{
    const std::string path = folder() + "/plain-file";
    close(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    for (auto _ : state)
        close(open(path.c_str(), O_RDWR | O_CLOEXEC));
}

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

BENCHMARK(BM_FileOpenClose);
BENCHMARK(BM_UnnamedCreateClose);
BENCHMARK(BM_NamedCreateClose);
BENCHMARK(BM_NamedOpenHeldName);

void printRatio(const RecordingReporter &reporter, const char *name, const char *baseline)
{
    const auto &times = reporter.nanosecondsPerIteration;
    const auto base = times.find(baseline);
    const auto found = times.find(name);
    if (base == times.end() || found == times.end() || base->second <= 0)
        return;
    std::printf("%s / %s: %.2f (%.0f ns / %.0f ns)\n", name, baseline,
                found->second / base->second, found->second, base->second);
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Names in a private folder, so the run meets no other process.
    char made[] = "/tmp/vksmutexbench-XXXXXX";
    if (!mkdtemp(made))
        return 1;
    folder() = made;
    VksHostSetObjectFolder(made);
    RecordingReporter reporter(RecordingReporter::Clock::Wall);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    VksHostSetObjectFolder(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(made, ignored);

    printRatio(reporter, "BM_NamedCreateClose", "BM_FileOpenClose");
    printRatio(reporter, "BM_NamedOpenHeldName", "BM_FileOpenClose");
    printRatio(reporter, "BM_NamedCreateClose", "BM_UnnamedCreateClose");
    return 0;
}
