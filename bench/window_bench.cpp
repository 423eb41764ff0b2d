// What making and destroying windows costs as their number grows: N top-level windows made and
// then destroyed one by one, and N children of one window that go with it; each reported per
// window, 16,000 against 1,000 in the same run. And the memory a process keeps after threads
// that each made a dialog have ended: the resident size after 100 rounds of 64 such threads
// against after the first 10 rounds (VmRSS, in the counters).
// Prints the ratios at the end. CPU time: nothing here waits.
#include <benchmark/benchmark.h>

#include "recording_reporter.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "windows.h"

namespace {

const char *const kClassName = "VksWindowBench";

void registerBenchClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

void drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

void BM_CreateDestroyTopLevel(benchmark::State &state)
{
    registerBenchClass();
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<HWND> windows(count);
    for (auto _ : state) {
        for (HWND &hwnd : windows)
            hwnd = CreateWindowExA(0, kClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20,
                                   nullptr, nullptr, nullptr, nullptr);
        drain();
        for (HWND hwnd : windows)
            DestroyWindow(hwnd);
        drain();
    }
}

void BM_CreateDestroyChildren(benchmark::State &state)
{
    registerBenchClass();
    const auto count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const HWND parent = CreateWindowExA(0, kClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                                            300, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < count; ++i)
            CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, (i % 10) * 40,
                            (i / 10 % 15) * 20, 38, 18, parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(i + 1)), nullptr,
                            nullptr);
        drain();
        DestroyWindow(parent);
        drain();
    }
}

// The resident set size of the process, in kB (0 where /proc is missing).
double residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    return 0;
}

INT_PTR CALLBACK acceptingDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A dialog template in memory: a caption, an edit box and a button, in dialog units.
std::vector<WORD> smallDialogTemplate()
{
    std::vector<WORD> words;
    auto put = [&words](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    auto text = [&words](const char *s) {
        for (; *s; ++s)
            words.push_back(static_cast<WORD>(*s));
        words.push_back(0);
    };
    auto align = [&words] {
        if (words.size() % 2)
            words.push_back(0);
    };
    put(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    put(0);
    words.insert(words.end(), {2, 0, 0, 120, 60, 0, 0});  // items, x, y, cx, cy, menu, class
    text("Bench");
    auto item = [&](DWORD style, WORD x, WORD id, WORD atom, const char *title) {
        align();
        put(style | WS_CHILD | WS_VISIBLE);
        put(0);
        words.insert(words.end(), {x, 10, 50, 14, id, 0xFFFF, atom});
        text(title);
        words.push_back(0);
    };
    item(WS_TABSTOP, 5, 100, 0x0081, "");
    item(WS_TABSTOP | BS_DEFPUSHBUTTON, 60, IDOK, 0x0080, "OK");
    return words;
}

void runDialogThread(const std::vector<WORD> &dialogTemplate)
{
    const HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), nullptr,
        acceptingDialogProc, 0);
    ShowWindow(dialog, SW_SHOW);
    // The thread ends with its dialog, focus and active window still set.
}

void runThreadRounds(const std::vector<WORD> &dialogTemplate, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::thread> threads;
        for (int i = 0; i < 64; ++i)
            threads.emplace_back(runDialogThread, std::cref(dialogTemplate));
        for (std::thread &thread : threads)
            thread.join();
    }
}

void BM_EndedDialogThreadsResidentSize(benchmark::State &state)
{
    const std::vector<WORD> dialogTemplate = smallDialogTemplate();
    double afterTen = 0, afterHundred = 0;
    for (auto _ : state) {
        runThreadRounds(dialogTemplate, 10);
        afterTen = residentKilobytes();
        runThreadRounds(dialogTemplate, 90);
        afterHundred = residentKilobytes();
    }
    state.counters["rss_after_10_rounds_mb"] = afterTen / 1024;
    state.counters["rss_after_100_rounds_mb"] = afterHundred / 1024;
    state.counters["growth_ratio"] = afterTen > 0 ? afterHundred / afterTen : 0;
}

BENCHMARK(BM_CreateDestroyTopLevel)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateDestroyChildren)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndedDialogThreadsResidentSize)->Iterations(1)->Unit(benchmark::kMillisecond);

void printPerWindowRatio(const std::map<std::string, double> &times, const std::string &name)
{
    const auto small = times.find(name + "/1000");
    const auto large = times.find(name + "/16000");
    if (small == times.end() || large == times.end() || small->second <= 0)
        return;
    const double perSmall = small->second / 1000, perLarge = large->second / 16000;
    std::printf("%s per window, 16000 / 1000: %.2f (%.0f ns / %.0f ns)\n", name.c_str(),
                perLarge / perSmall, perLarge, perSmall);
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter(RecordingReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printPerWindowRatio(reporter.nanosecondsPerIteration, "BM_CreateDestroyTopLevel");
    printPerWindowRatio(reporter.nanosecondsPerIteration, "BM_CreateDestroyChildren");
    return 0;
}
