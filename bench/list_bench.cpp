// Sorted list boxes as they fill: the cost of one LB_ADDSTRING into a sorted box filled to 1,000,
// to 10,000 and to 100,000 items, each size measured on the same number of adds within each
// iteration, and the growth of the cost per add from the smallest box to the larger ones (1.0:
// no growth). A second benchmark asks one box for ten million empty items and reports where
// it answers LB_ERRSPACE and the process's peak memory then.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include <benchmark/benchmark.h>

#include "windows.h"

namespace {

// Texts like a folder's file names, in an order that sends each add to a new place.
std::vector<std::string> fileNames(std::size_t count, std::uint32_t seed)
{
    std::vector<std::string> names;
    names.reserve(count);
    char name[32];
    for (std::size_t i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        std::snprintf(name, sizeof name, "File%08X.dat", seed);
        names.emplace_back(name);
    }
    return names;
}

// The CPU time of this thread, in seconds: nothing here waits, and on a shared machine the
// time others take the processor would weigh on the larger boxes, which take longer, the most.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// CPU seconds to fill a new sorted box with `names`, then the box is destroyed.
double secondsToFill(const std::vector<std::string> &names)
{
    HWND box = CreateWindowExA(0, "ListBox", "", LBS_SORT, 0, 0, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);
    const double start = threadSeconds();
    for (const std::string &name : names)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    double seconds = threadSeconds() - start;
    if (SendMessageA(box, LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(names.size()))
        seconds = -1;
    DestroyWindow(box);
    return seconds;
}

void BM_SortedAddPerAddGrowth(benchmark::State &state)
{
    constexpr std::size_t kSizes[] = {1'000, 10'000, 100'000};
    constexpr std::size_t kAddsPerSize = 100'000;
    std::vector<std::vector<std::string>> names;
    for (std::size_t size : kSizes)
        names.push_back(fileNames(size, static_cast<std::uint32_t>(size)));
    std::vector<std::vector<double>> perAdd(std::size(kSizes));
    for (auto _ : state) {
        for (std::size_t s = 0; s < std::size(kSizes); ++s) {
            double total = 0;
            for (std::size_t done = 0; done < kAddsPerSize; done += kSizes[s]) {
                const double seconds = secondsToFill(names[s]);
                if (seconds < 0)
                    state.SkipWithError("a box lost items");
                total += seconds;
            }
            perAdd[s].push_back(total / kAddsPerSize);
        }
    }
    auto median = [](std::vector<double> samples) {
        std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
        return samples[samples.size() / 2];
    };
    const double smallest = median(perAdd[0]);
    state.counters["ns_per_add_1000"] = smallest * 1e9;
    state.counters["ns_per_add_10000"] = median(perAdd[1]) * 1e9;
    state.counters["ns_per_add_100000"] = median(perAdd[2]) * 1e9;
    state.counters["growth_10000"] = median(perAdd[1]) / smallest;
    state.counters["growth_100000"] = median(perAdd[2]) / smallest;
}
BENCHMARK(BM_SortedAddPerAddGrowth)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_TenMillionItemsAskedOfOneBox(benchmark::State &state)
{
    LRESULT answer = 0;
    LRESULT held = 0;
    for (auto _ : state) {
        HWND box = CreateWindowExA(0, "ListBox", "", 0, 0, 0, 200, 200, nullptr, nullptr,
                                   nullptr, nullptr);
        answer = 0;
        for (int i = 0; i < 10'000'000 && answer >= 0; ++i)
            answer = SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
        held = SendMessageA(box, LB_GETCOUNT, 0, 0);
        DestroyWindow(box);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["items_held"] = static_cast<double>(held);
    state.counters["errspace"] = answer == LB_ERRSPACE ? 1 : 0;
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_TenMillionItemsAskedOfOneBox)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
