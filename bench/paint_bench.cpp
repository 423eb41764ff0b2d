// What looking for a window to paint costs an idle message loop: PeekMessageA on an empty queue
// with a dialog's worth of valid windows, against the same call on a thread without windows, in
// the same run; and one paint cycle (invalidate a control, take and dispatch its WM_PAINT); each
// with 10, 100 and 1,000 windows, 1,000 against 10 in the same run.
// Prints the ratios at the end. CPU time: nothing here waits.
#include <benchmark/benchmark.h>

#include "recording_reporter.h"

#include <cstdio>
#include <string>
#include <vector>

#include "windows.h"

namespace {

// A shown top-level window with `controls` shown children, all painted once.
class PaintedDialog {
public:
    explicit PaintedDialog(int controls)
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "VksPaintBench";
        RegisterClassA(&wc);
        top_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                               nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < controls; ++i)
            last_ = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, (i % 10) * 40,
                                    (i / 10) * 20, 38, 18, top_,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(i + 1)),
                                    nullptr, nullptr);
        drain();
    }
    ~PaintedDialog()
    {
        DestroyWindow(top_);
        UnregisterClassA("VksPaintBench", nullptr);
    }
    PaintedDialog(const PaintedDialog &) = delete;
    PaintedDialog &operator=(const PaintedDialog &) = delete;

    HWND lastControl() const { return last_; }

    static void drain()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

private:
    HWND top_ = nullptr;
    HWND last_ = nullptr;
};

void BM_PeekEmptyWithoutWindows(benchmark::State &state)
{
    MSG msg;
    for (auto _ : state)
        benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

void BM_PeekEmptyWithValidWindows(benchmark::State &state)
{
    PaintedDialog dialog(static_cast<int>(state.range(0)));
    MSG msg;
    for (auto _ : state)
        benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

void BM_InvalidateAndPaintOneControl(benchmark::State &state)
{
    PaintedDialog dialog(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        InvalidateRect(dialog.lastControl(), nullptr, TRUE);
        PaintedDialog::drain();
    }
}

BENCHMARK(BM_PeekEmptyWithoutWindows);
BENCHMARK(BM_PeekEmptyWithValidWindows)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(BM_InvalidateAndPaintOneControl)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter(RecordingReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto &times = reporter.nanosecondsPerIteration;
    const auto baseline = times.find("BM_PeekEmptyWithoutWindows");
    if (baseline == times.end() || baseline->second <= 0)
        return 0;
    for (const char *name :
         {"BM_PeekEmptyWithValidWindows/10", "BM_PeekEmptyWithValidWindows/100",
          "BM_PeekEmptyWithValidWindows/1000", "BM_InvalidateAndPaintOneControl/10",
          "BM_InvalidateAndPaintOneControl/100", "BM_InvalidateAndPaintOneControl/1000"}) {
        const auto found = times.find(name);
        if (found != times.end())
            std::printf("%s / BM_PeekEmptyWithoutWindows: %.1f (%.0f ns / %.0f ns)\n", name,
                        found->second / baseline->second, found->second, baseline->second);
    }
    // The same work with 1,000 windows against with 10.
    for (const std::string name : {"BM_PeekEmptyWithValidWindows", "BM_InvalidateAndPaintOneControl"}) {
        const auto few = times.find(name + "/10");
        const auto many = times.find(name + "/1000");
        if (few != times.end() && many != times.end() && few->second > 0)
            std::printf("%s, 1000 windows / 10 windows: %.2f\n", name.c_str(),
                        many->second / few->second);
    }
    return 0;
}
