// The library's collated list box as it fills, each AddString followed by a lookup of the new
// number (GetTextLen), so that the position index is used after every change: the cost of that
// pair in boxes filled to 1,000, 10,000 and 100,000 items, each size on the same number of adds
// within an iteration, and its growth from the smallest box to the larger ones (1.0: none).
// CPU time: nothing here waits.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <time.h>

#include <benchmark/benchmark.h>

#include "ui/collated_boxes.h"
#include "windows.h"

namespace {

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::vector<std::string> fileNames(std::size_t count, std::uint32_t seed)
{
    std::vector<std::string> names;
    char name[32];
    for (std::size_t i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        std::snprintf(name, sizeof name, "File%08X.dat", seed);
        names.emplace_back(name);
    }
    return names;
}

// CPU seconds to fill a new sorted collated box with `names`, looking each new number up.
double secondsToFill(const std::vector<std::string> &names)
{
    HWND control = CreateWindowExA(0, "ListBox", "", LBS_SORT, 0, 0, 200, 200, nullptr, nullptr,
                                   nullptr, nullptr);
    double seconds = -1;
    {
        TutCollatedListBox box;
        if (box.SubclassWindow(control)) {
            const double start = threadSeconds();
            bool lost = false;
            for (const std::string &name : names) {
                const int sequence = box.AddString(name.c_str());
                lost = lost || box.GetTextLen(sequence) != static_cast<int>(name.size());
            }
            seconds = lost ? -1 : threadSeconds() - start;
            box.UnsubclassWindow();
        }
    }
    DestroyWindow(control);
    return seconds;
}

void BM_CollatedAddAndLookUpGrowth(benchmark::State &state)
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
                    state.SkipWithError("a lookup missed its item");
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
BENCHMARK(BM_CollatedAddAndLookUpGrowth)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
