// The growth of a per-add cost as a box fills: boxes filled to 1,000, 10,000 and 100,000 items,
// each size on the same number of adds within an iteration, reported as nanoseconds per add and
// as the ratio of each larger size to the smallest (1.0: no growth). CPU time of this thread:
// nothing here waits, and on a shared machine the time others take would weigh most on the
// larger boxes, which take longer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include <time.h>

#include <benchmark/benchmark.h>

namespace benchsupport {

inline double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Texts like a folder's file names, in an order that sends each add to a new place.
inline std::vector<std::string> fileNames(std::size_t count, std::uint32_t seed)
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

// Runs the benchmark's iterations over `secondsToFill(names)`, which fills a new box and answers
// the CPU seconds it took, or a negative number when the box failed (reported as `failure`).
template <typename Fill>
void measureFillGrowth(benchmark::State &state, Fill secondsToFill, const char *failure)
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
                    state.SkipWithError(failure);
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

}  // namespace benchsupport
