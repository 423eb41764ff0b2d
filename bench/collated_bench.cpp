// The library's collated list box as it fills, each AddString followed by a lookup of the new
// number (GetTextLen), so that the position index is used after every change: the cost of that
// pair in boxes filled to 1,000, 10,000 and 100,000 items, each size on the same number of adds
// within an iteration, and its growth from the smallest box to the larger ones (1.0: none).
// CPU time: nothing here waits.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "fill_growth.h"
#include "ui/collated_boxes.h"
#include "windows.h"

namespace {

// CPU seconds to fill a new sorted collated box with `names`, looking each new number up.
double secondsToFill(const std::vector<std::string> &names)
{
    HWND control = CreateWindowExA(0, "ListBox", "", LBS_SORT, 0, 0, 200, 200, nullptr, nullptr,
                                   nullptr, nullptr);
    double seconds = -1;
    {
        TutCollatedListBox box;
        if (box.SubclassWindow(control)) {
            const double start = benchsupport::threadSeconds();
            bool lost = false;
            for (const std::string &name : names) {
                const int sequence = box.AddString(name.c_str());
                lost = lost || box.GetTextLen(sequence) != static_cast<int>(name.size());
            }
            seconds = lost ? -1 : benchsupport::threadSeconds() - start;
            box.UnsubclassWindow();
        }
    }
    DestroyWindow(control);
    return seconds;
}

void BM_CollatedAddAndLookUpGrowth(benchmark::State &state)
{
    benchsupport::measureFillGrowth(state, secondsToFill, "a lookup missed its item");
}
BENCHMARK(BM_CollatedAddAndLookUpGrowth)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
