// Sorted list boxes as they fill: the cost of one LB_ADDSTRING into a sorted box filled to 1,000,
// to 10,000 and to 100,000 items, each size measured on the same number of adds within each
// iteration, and the growth of the cost per add from the smallest box to the larger ones (1.0:
// no growth). A second benchmark asks one box for ten million empty items and reports where
// it answers LB_ERRSPACE and the process's peak memory then.
#include <string>
#include <vector>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "fill_growth.h"
#include "windows.h"

namespace {

// CPU seconds to fill a new sorted box with `names`, then the box is destroyed.
double secondsToFill(const std::vector<std::string> &names)
{
    HWND box = CreateWindowExA(0, "ListBox", "", LBS_SORT, 0, 0, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);
    const double start = benchsupport::threadSeconds();
    for (const std::string &name : names)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    double seconds = benchsupport::threadSeconds() - start;
    if (SendMessageA(box, LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(names.size()))
        seconds = -1;
    DestroyWindow(box);
    return seconds;
}

void BM_SortedAddPerAddGrowth(benchmark::State &state)
{
    benchsupport::measureFillGrowth(state, secondsToFill, "a box lost items");
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
