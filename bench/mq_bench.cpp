// One message through a TmqQueue to one observer, against one raw post, get and dispatch
// round trip on the platform, in the same run. Prints the ratio of the two at the end.
#include <benchmark/benchmark.h>

#include "recording_reporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "mq/message_queue.h"
#include "windows.h"

namespace {

LRESULT CALLBACK countingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        ++*reinterpret_cast<long *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class CountingObserver : public TmqObserver {
public:
    explicit CountingObserver(TmqQueue *queue) : TmqObserver(queue) {}
    void receive(TmqMessage &) override { ++received; }
    long received = 0;
};

void getAndDispatch()
{
    MSG msg;
    GetMessageA(&msg, nullptr, 0, 0);
    DispatchMessageA(&msg);
}

void BM_RawRoundTrip(benchmark::State &state)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = countingProcedure;
    wc.lpszClassName = "MqBenchRaw";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "MqBenchRaw", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                nullptr);
    long received = 0;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received));
    for (auto _ : state) {
        PostMessageA(hwnd, WM_APP, 0, 0);
        getAndDispatch();
    }
    if (received != static_cast<long>(state.iterations()))
        state.SkipWithError("a raw message was lost");
    DestroyWindow(hwnd);
}

void BM_QueueRoundTrip(benchmark::State &state)
{
    TmqQueue queue;
    CountingObserver observer(&queue);
    // Warm the free list so that the loop measures steady posting.
    queue.post(1, nullptr, 0);
    getAndDispatch();
    observer.received = 0;
    for (auto _ : state) {
        queue.post(1, nullptr, 0);
        getAndDispatch();
    }
    if (observer.received != static_cast<long>(state.iterations()))
        state.SkipWithError("a queued message was lost");
}

BENCHMARK(BM_RawRoundTrip);
BENCHMARK(BM_QueueRoundTrip);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter(RecordingReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto raw = reporter.nanosecondsPerIteration.find("BM_RawRoundTrip");
    const auto queued = reporter.nanosecondsPerIteration.find("BM_QueueRoundTrip");
    if (raw == reporter.nanosecondsPerIteration.end() ||
        queued == reporter.nanosecondsPerIteration.end() || raw->second <= 0)
        return 0;
    const double ratio = queued->second / raw->second;
    std::printf("queue round trip / raw round trip (CPU time): %.2f (%.0f ns / %.0f ns), "
                "limit 2.00: %s\n",
                ratio, queued->second, raw->second, ratio <= 2.0 ? "within" : "OVER");
    return ratio <= 2.0 ? 0 : 3;
}
